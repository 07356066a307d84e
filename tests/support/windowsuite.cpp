#include "tests/support/windowsuite.h"

#include <QAccessible>
#include <QPointer>
#include <QTest>

#include "shell/application.h"
#include "tests/support/localecheck.h"
#include "tests/support/modal.h"

namespace zelmora::testing {
namespace {

// The offscreen platform says for every pop-up that it can neither raise it nor grab the
// keyboard; the pop-up works all the same, and hundreds of these would bury any other message.
QtMessageHandler testLog = nullptr;

void withoutPlatformNotices(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support"))) {
        testLog(type, context, text);
    }
}

}  // namespace

void setUpWindowTests() {
    setUpApplication(*qApp);
    QApplication::setQuitOnLastWindowClosed(false);
    if (testLog == nullptr) {
        testLog = qInstallMessageHandler(withoutPlatformNotices);
    }
}

bool showActive(QWidget* window) {
    window->show();
    return QTest::qWaitForWindowActive(window);
}

void closeAllWindows() {
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

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void WindowSuite::initTestCase() {
    QVERIFY(localeIsAsRequested());
    setUpWindowTests();
    setUpSuite();
}

void WindowSuite::init() {
    failOnUnexpectedBoxes();
    setUpTest();
}

void WindowSuite::cleanup() {
    tearDownTest();
    stopFailingOnUnexpectedBoxes();
    closeAllWindows();
}

}  // namespace zelmora::testing
