#pragma once

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QObject>
#include <QTest>
#include <QWidget>

#include "common/windowstyle.h"
#include "tests/support/controls.h"
#include "tests/support/modal.h"
#include "tests/support/typing.h"

namespace zelmora::testing {

// The program's look and Spanish texts, as it starts; windows outlive the last one closed, as the
// tests open and close them one after another.
inline void setUpWindowTests() {
    setUpApplication(*qApp);
    QApplication::setQuitOnLastWindowClosed(false);
}

// Shows a window as the menu shows a tool and waits until it is the active window, which focus
// tests need. False when it never became active.
[[nodiscard]] inline bool showActive(QWidget* window) {
    window->show();
    return QTest::qWaitForWindowActive(window);
}

// Frees every window a test left open, and a message-box answer that no box took.
inline void closeAllWindows() {
    stopAnswering();
    // Pop-ups and boxes owned by a window go with it, so the windows without an owner are
    // gathered before any is freed.
    QWidgetList owners;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) {
            owners << window;
        }
    }
    qDeleteAll(owners);
}

// What a screen reader reads as the control's name.
inline QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Chooses an item of a drop-down list as a user does from the keyboard: Home, then Down to it.
inline bool chooseWithKeys(QComboBox* box, const QString& item) {
    const int index = box->findText(item);
    if (index < 0) {
        return false;
    }
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(box, Qt::Key_Down);
    }
    return box->currentText() == item;
}

// The fixture of the window suites: each test starts from the program's set-up and ends with
// every window it opened freed.
class WindowSuite : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { setUpWindowTests(); }
    void cleanup() { closeAllWindows(); }
};

}  // namespace zelmora::testing
