#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "tests/support/controls.h"
#include "tests/support/modal.h"

// What every window suite shares: the program's set-up, windows shown as the menu shows them and
// freed after each test, and the fixture that holds it together.
namespace zelmora::testing {

// The program's look and Spanish texts, as it starts; windows outlive the last one closed, as the
// tests open and close them one after another.
void setUpWindowTests();

// Shows a window as the menu shows a tool and waits until it is the active window, which focus
// tests need. False when it never became active.
[[nodiscard]] bool showActive(QWidget* window);

// Frees every window a test left open, and a message-box answer that no box took.
void closeAllWindows();

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
QString accessibleName(QWidget* widget);

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
    void initTestCase();
    void init();
    void cleanup();
};

}  // namespace zelmora::testing
