#pragma once

#include <QAccessible>
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "common/windowstyle.h"
#include "shell/application.h"
#include "tests/support/controls.h"
#include "tests/support/localecheck.h"
#include "tests/support/modal.h"
#include "tests/support/typing.h"

namespace zelmora::testing {

// The offscreen platform says for every pop-up that it can neither raise it nor grab the
// keyboard; the pop-up works all the same, and hundreds of these would bury any other message.
inline QtMessageHandler& testLog() {
    static QtMessageHandler handler = nullptr;
    return handler;
}
inline void withoutPlatformNotices(QtMsgType type, const QMessageLogContext& context,
                                   const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support"))) {
        testLog()(type, context, text);
    }
}

// The program's look and Spanish texts, as it starts; windows outlive the last one closed, as the
// tests open and close them one after another.
inline void setUpWindowTests() {
    setUpApplication(*qApp);
    QApplication::setQuitOnLastWindowClosed(false);
    if (testLog() == nullptr) {
        testLog() = qInstallMessageHandler(withoutPlatformNotices);
    }
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
    // Pop-ups and boxes owned by a window go with it, so the windows are chosen before any is
    // freed: a combo box's list is a window of its own that its owner's deletion frees.
    QList<QPointer<QWidget>> owners;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) {
            owners << window;
        }
    }
    for (const QPointer<QWidget>& window : owners) {
        delete window.data();
    }
}

// Opens a window of the kind, lets the test use it, and closes it, many times over: true when
// every window used as it should be (use says so) then freed itself and every widget it had.
template <typename Window>
[[nodiscard]] bool closedWindowsFreeThemselves(int times, const std::function<bool(Window*)>& use) {
    const auto ofKind = [] {
        const QWidgetList widgets = QApplication::allWidgets();
        return std::count_if(widgets.begin(), widgets.end(), [](QWidget* widget) {
            return qobject_cast<Window*>(widget) != nullptr;
        });
    };
    const auto windowsBefore = ofKind();
    const auto widgetsBefore = QApplication::allWidgets().size();
    for (int i = 0; i < times; ++i) {
        auto* window = new Window;
        window->show();
        if (!use(window) || !window->close()) {
            return false;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ofKind() == windowsBefore && QApplication::allWidgets().size() == widgetsBefore;
}

// What a screen reader reads as the control's name.
inline QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The fixture of the window suites: the suite runs under the locale it asks for, each test
// starts from the program's set-up, fails at once on a message box it did not expect, and ends
// with every window it opened freed. A suite adds to this through the hooks, never in place of it.
class WindowSuite : public QObject {
    Q_OBJECT
  protected:
    virtual void setUpSuite() {}
    virtual void setUpTest() {}
    virtual void tearDownTest() {}

  private slots:
    void initTestCase() {
        QVERIFY(localeIsAsRequested());
        setUpWindowTests();
        setUpSuite();
    }
    void init() {
        failOnUnexpectedBoxes();
        setUpTest();
    }
    void cleanup() {
        tearDownTest();
        stopFailingOnUnexpectedBoxes();
        closeAllWindows();
    }
};

}  // namespace zelmora::testing
