#pragma once

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "tests/support/controls.h"
#include "tests/support/popupmenu.h"

// Every kind of tool window, opened from the menu and used the way a user does it, with the
// mouse and the keyboard, for the soak test, the window benchmarks and the render tool.
namespace zelmora::testing {

// Chooses an item of the figures pop-up: a click on the figures picture opens it, and the item is
// chosen from the keyboard, from a timer while the pop-up waits.
inline void chooseFromFiguresMenu(QWidget* menu, const char* item) {
    // The click below returns once the pop-up has closed, so the timer lives exactly as long.
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&timer, item] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (popup == nullptr) {
            return;
        }
        timer.stop();
        if (!chooseWithKeys(popup, control<QAction>(popup, item))) {
            popup->close();
        }
    });
    timer.start();
    QTest::mouseClick(control<QWidget>(menu, "cmdButton(0)"), Qt::LeftButton);
    // The closed pop-up frees itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void clickPicture(QWidget* menu, const char* picture) {
    QTest::mouseClick(control<QWidget>(menu, picture), Qt::LeftButton);
}

struct ToolKind {
    const char* name;
    std::function<void(QWidget* menu)> open;
    std::function<void(QWidget* window)> computeAnAnswer;
};

inline void computeAFigure(QWidget* window) {
    QTest::keyClicks(control<QLineEdit>(window, "Text1"), "3");
    QTest::keyClicks(control<QLineEdit>(window, "Text2"), "4");
    QTest::mouseClick(control<QPushButton>(window, "cmdAnswer"), Qt::LeftButton);
}

inline const std::vector<ToolKind>& toolKinds() {
    static const std::vector<ToolKind> kinds = {
        {"area", [](QWidget* m) { chooseFromFiguresMenu(m, "figArea"); }, computeAFigure},
        {"perimeter", [](QWidget* m) { chooseFromFiguresMenu(m, "figPerimetro"); }, computeAFigure},
        {"volume", [](QWidget* m) { chooseFromFiguresMenu(m, "figVolumen"); }, computeAFigure},
        {"solver", [](QWidget* m) { clickPicture(m, "cmdButton(1)"); },
         [](QWidget* w) {
             QTest::keyClicks(control<QLineEdit>(w, "txtZ(1)"), "3");
             QTest::keyClicks(control<QLineEdit>(w, "txtZ(2)"), "4");
             QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
         }},
        {"converter", [](QWidget* m) { clickPicture(m, "cmdButton(2)"); },
         [](QWidget* w) {
             auto* box = control<QLineEdit>(w, "txtCajaA");
             QTest::keyClicks(box, "5");
             QTest::keyClick(box, Qt::Key_Return);
         }},
    };
    return kinds;
}

// Opens a tool from the menu and returns its new window, or nothing when none opened.
inline QWidget* openFromMenu(QWidget* menu, const ToolKind& kind) {
    const QWidgetList before = QApplication::topLevelWidgets();
    kind.open(menu);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!before.contains(window) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace zelmora::testing
