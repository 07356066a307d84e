#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include "tests/support/typing.h"

// What the calculator and solver suites do as a user does: choose one item from an open list,
// click an option, type over a box, move the focus with Tab; and what a user sees of a box.
namespace zelmora::testing {

// Chooses an item from the open list: F4 opens it, the arrows move to the item and Enter chooses
// it. Unlike the arrows on a closed list, no item on the way is chosen, so the box's handler runs
// once, for this item. False when the item is missing or did not become chosen.
[[nodiscard]] inline bool pickFromList(QComboBox* box, const QString& item) {
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

// Clicks an option on its round mark: a short caption leaves the middle of the button outside
// the part that takes clicks.
inline void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

// Clicks into a box, selects what it holds and types the text over it; an empty text erases it.
inline void typeOver(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        typeText(box, text);
    }
}

// Presses Tab until the control has the focus. False when it never gets it.
[[nodiscard]] inline bool tabTo(QWidget* target) {
    for (int i = 0; i < 32 && !target->hasFocus(); ++i) {
        QWidget* focused = target->window()->focusWidget();
        if (focused == nullptr) {
            return false;
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return target->hasFocus();
}

// Whether the box shows its whole text, from the first character to the last, as it paints it.
[[nodiscard]] inline bool showsWhole(QLineEdit* box) {
    box->grab();  // the box places its text when it paints
    const int middle = box->height() / 2;
    return box->cursorPositionAt(QPoint(6, middle)) == 0 &&
           box->cursorPositionAt(QPoint(box->width() - 4, middle)) == box->text().size();
}

}  // namespace zelmora::testing
