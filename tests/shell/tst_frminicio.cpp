#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "common/shape.h"
#include "common/windowstyle.h"
#include "shell/application.h"
#include "shell/frminicio.h"
#include "shell/frmmenuprincipal.h"
#include "tests/support/controls.h"

using zelmora::frmInicio;
using zelmora::frmMenuPrincipal;
using zelmora::Shape;
using zelmora::TwipRect;
using zelmora::testing::control;

namespace {

QList<frmMenuPrincipal*> menus() {
    QList<frmMenuPrincipal*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<frmMenuPrincipal*>(window)) {
            found << menu;
        }
    }
    return found;
}

// A place in twips as a text, exact to the float, so that a check of it names all four values.
QString place(const TwipRect& r) {
    return QStringLiteral("%1, %2, %3 x %4")
        .arg(double(r.left), 0, 'g', 9)
        .arg(double(r.top), 0, 'g', 9)
        .arg(double(r.width), 0, 'g', 9)
        .arg(double(r.height), 0, 'g', 9);
}

}  // namespace

// The splash, driven tick by tick from the test rather than by the clock.
class FrmInicioTest : public QObject {
    Q_OBJECT
  private:
    QPointer<frmInicio> splash;

    QTimer* timer(const char* name) const { return control<QTimer>(splash, name); }
    QLabel* word() const { return control<QLabel>(splash, QStringLiteral("lblWord")); }
    Shape* shape(const char* name) const { return control<Shape>(splash, name); }
    QColor wordColour() const { return word()->palette().color(QPalette::WindowText); }
    zelmora::SplashBars tick(const char* name) { return splash->tick(timer(name)); }

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        splash = new frmInicio;
        timer("Timer1")->stop();
        timer("Timer2")->stop();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }

    void cleanup() {
        delete splash;
        for (frmMenuPrincipal* menu : menus()) {
            menu->setAttribute(Qt::WA_DeleteOnClose, false);
            delete menu;
        }
    }

    void splashAtStart() {
        QCOMPARE(splash->objectName(), QStringLiteral("frmInicio"));
        QCOMPARE(splash->size(), QSize(521, 297));
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->grab().toImage().pixelColor(300, 40), QColor(Qt::white));
        QCOMPARE(word()->text(), QStringLiteral("ZELMORA"));
        QCOMPARE(wordColour(), QColor(255, 255, 255));
        QVERIFY(shape("Shape3")->isHidden());
        // 7800, 3240, 15, 495 and 480, 0, 495, 15 twips at the nearest pixel.
        QCOMPARE(shape("Shape1")->geometry(), QRect(520, 216, 1, 33));
        QCOMPARE(shape("Shape2")->geometry(), QRect(32, 0, 33, 1));
        QCOMPARE(shape("Shape1")->fillColour(), QColor(255, 0, 0));
        QCOMPARE(shape("Shape2")->fillColour(), QColor(255, 255, 0));
        QCOMPARE(shape("Shape3")->fillColour(), QColor(255, 128, 0));
        QCOMPARE(timer("Timer1")->interval(), 30);
        QCOMPARE(timer("Timer2")->interval(), 30);
        QCOMPARE(timer("Timer3")->interval(), 500);
        QVERIFY(!timer("Timer3")->isActive());
        QVERIFY(menus().isEmpty());
    }

    void theTimersRunFromTheStart() {
        frmInicio running;
        QVERIFY(control<QTimer>(&running, "Timer1")->isActive());
        QVERIFY(control<QTimer>(&running, "Timer2")->isActive());
        QVERIFY(!control<QTimer>(&running, "Timer3")->isActive());
    }

    // The name is measured, which loads the fonts, only once the first picture is on screen; so
    // is the rest of the program's set-up, handed to the splash by the start.
    void afterTheFirstPaintTheNameShowsAndTheDeferredSetUpRunsOnce() {
        int runs = 0;
        QPointer<frmInicio> fresh = new frmInicio([&runs] { ++runs; });
        QVERIFY(control<QLabel>(fresh, "lblWord")->isHidden());
        fresh->show();
        QCOMPARE(runs, 0);
        QVERIFY(QTest::qWaitForWindowExposed(fresh));
        QTRY_COMPARE(runs, 1);
        auto* name = control<QLabel>(fresh, "lblWord");
        QVERIFY(name->isVisible());
        QCOMPARE(name->geometry(), QRect(QPoint(80, 152), name->sizeHint()));
        fresh->repaint();
        fresh->tick(control<QTimer>(fresh, "Timer3"));
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
        delete fresh;
    }

    void nameFadesToBlackAndTheFadeStops() {
        for (int step = 1; step <= 25; ++step) {
            tick("Timer1");
            const int grey = 250 - 10 * step;
            QCOMPARE(wordColour(), QColor(grey, grey, grey));
        }
        timer("Timer1")->start();
        tick("Timer1");  // the 26th tick
        QVERIFY(!timer("Timer1")->isActive());
        QCOMPARE(wordColour(), QColor(Qt::black));
        // The bars go on by themselves.
        QCOMPARE(place(tick("Timer2").shape2), place({480, 0, 495, 135}));
    }

    void barsSweepAndTheOrangeSquareAppears() {
        for (int step = 1; step <= 40; ++step) {
            const zelmora::SplashBars bars = tick("Timer2");
            QCOMPARE(place(bars.shape2), place({480, 0, 495, 15.0f + 120 * step}));
            QCOMPARE(place(bars.shape1),
                     place({7800.0f - 200 * step, 3240, 15.0f + 200 * step, 495}));
            QCOMPARE(shape("Shape3")->isVisible(), step >= 35);
            // On the screen, at the nearest pixel (15 twips to one): 7600 twips is 506.67 pixels,
            // 215 is 14.33.
            if (step == 1) {
                QCOMPARE(shape("Shape1")->geometry(), QRect(507, 216, 14, 33));
                QCOMPARE(shape("Shape2")->geometry(), QRect(32, 0, 33, 9));
            }
            if (step == 2) {
                QCOMPARE(shape("Shape1")->geometry(), QRect(493, 216, 28, 33));
                QCOMPARE(shape("Shape2")->geometry(), QRect(32, 0, 33, 17));
            }
            if (step == 35) {
                QCOMPARE(place(bars.shape3), place({480, 3240, 495, 495}));
                QCOMPARE(shape("Shape3")->geometry(), QRect(32, 216, 33, 33));
            }
            if (step == 40) {
                QCOMPARE(place(bars.shape1), place({-200, 3240, 8015, 495}));
            }
        }
        QVERIFY(!timer("Timer3")->isActive());
        timer("Timer2")->start();
        const zelmora::SplashBars last = tick("Timer2");  // the 41st tick
        QVERIFY(!timer("Timer2")->isActive());
        QVERIFY(timer("Timer3")->isActive());
        QCOMPARE(place(last.shape2), place({480, 0, 495, 4815}));
        QCOMPARE(place(last.shape3), place({480, 3240, 495, 495}));
    }

    void handOverShowsTheMenuOnceAndFreesTheSplash() {
        timer("Timer3")->start();
        tick("Timer3");
        QCOMPARE(menus().size(), 1);
        QVERIFY(menus()[0]->isVisible());
        QVERIFY(!timer("Timer3")->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }

    void handOverShowsAnExistingMenu() {
        auto* existing = new frmMenuPrincipal;
        tick("Timer3");
        QCOMPARE(menus().size(), 1);
        QCOMPARE(menus()[0], existing);
        QVERIFY(existing->isVisible());
    }

    // A splash that never reached the screen still completes the set-up before the menu.
    void handOverRunsTheDeferredSetUpFirst() {
        QList<int> menusSeen;
        QPointer<frmInicio> unseen = new frmInicio([&menusSeen] { menusSeen << menus().size(); });
        unseen->tick(control<QTimer>(unseen, "Timer3"));
        QCOMPARE(menusSeen, QList<int>{0});
        QCOMPARE(menus().size(), 1);
        delete unseen;
    }

    void theClockRunsTheWholeAnimation() {
        delete splash;
        auto* running = new frmInicio;
        splash = running;
        running->show();
        QTRY_VERIFY_WITH_TIMEOUT(!menus().isEmpty(), 20000);
        QCOMPARE(menus().size(), 1);
        QTRY_VERIFY(splash.isNull());
    }
};

QTEST_MAIN(FrmInicioTest)
#include "tst_frminicio.moc"
