#include "tests/support/userinput.h"

#include <QAbstractItemView>
#include <QTest>

namespace zelmora::testing {

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

bool clickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 1000);
}

bool typeOver(QLineEdit* box, const QString& text) {
    if (!clickInto(box)) {
        return false;
    }
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        typeText(box, text);
    }
    return true;
}

bool pickFromList(QComboBox* box, const QString& item) {
    const int index = box->findText(item);
    if (index < 0) {
        return false;
    }
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_F4);
    QAbstractItemView* list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); })) {
        return false;
    }
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QTest::keyClick(list, Qt::Key_Return);
    return QTest::qWaitFor([list] { return !list->isVisible(); }) && box->currentText() == item;
}

void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void doubleClick(QWidget* target) {
    QWidget* window = target->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       target->mapTo(window, target->rect().center()));
    QCoreApplication::processEvents();
}

bool tabTo(QWidget* target) {
    for (int i = 0; i < 32 && !target->hasFocus(); ++i) {
        QWidget* focused = target->window()->focusWidget();
        if (focused == nullptr) {
            return false;
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return target->hasFocus();
}

bool showsWhole(QLineEdit* box) {
    box->grab();  // the box places its text when it paints
    const int middle = box->height() / 2;
    return box->cursorPositionAt(QPoint(6, middle)) == 0 &&
           box->cursorPositionAt(QPoint(box->width() - 4, middle)) == box->text().size();
}

}  // namespace zelmora::testing
