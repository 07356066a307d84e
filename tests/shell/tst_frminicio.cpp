#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "common/shape.h"
#include "common/windowstyle.h"
#include "shell/frminicio.h"
#include "shell/frmmenuprincipal.h"

using zelmora::frmInicio;
using zelmora::frmMenuPrincipal;
using zelmora::TwipRect;

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

void expectPlace(const TwipRect& actual, const TwipRect& expected) {
    QCOMPARE(actual.left, expected.left);
    QCOMPARE(actual.top, expected.top);
    QCOMPARE(actual.width, expected.width);
    QCOMPARE(actual.height, expected.height);
}

}  // namespace

// The splash, driven tick by tick from the test rather than by the clock.
class FrmInicioTest : public QObject {
    Q_OBJECT
  private:
    QPointer<frmInicio> splash;

    QColor wordColour() const { return splash->lblWord->palette().color(QPalette::WindowText); }

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        splash = new frmInicio;
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        splash->Timer1->stop();
        splash->Timer2->stop();
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
        QCOMPARE(splash->FadeLevel, short(250));
        QCOMPARE(splash->lblWord->text(), QStringLiteral("ZELMORA"));
        QCOMPARE(wordColour(), QColor(255, 255, 255));
        QVERIFY(splash->Shape3->isHidden());
        expectPlace(splash->shape1Place(), {7800, 3240, 15, 495});
        expectPlace(splash->shape2Place(), {480, 0, 495, 15});
        QCOMPARE(splash->Shape1->fillColour(), QColor(255, 0, 0));
        QCOMPARE(splash->Shape2->fillColour(), QColor(255, 255, 0));
        QCOMPARE(splash->Shape3->fillColour(), QColor(255, 128, 0));
        QCOMPARE(splash->Timer1->interval(), 30);
        QCOMPARE(splash->Timer2->interval(), 30);
        QCOMPARE(splash->Timer3->interval(), 500);
        QVERIFY(!splash->Timer3->isActive());
        QVERIFY(menus().isEmpty());
    }

    void theTimersRunFromTheStart() {
        frmInicio running;
        QVERIFY(running.Timer1->isActive());
        QVERIFY(running.Timer2->isActive());
        QVERIFY(!running.Timer3->isActive());
    }

    void nameFadesToBlackAndTheFadeStops() {
        for (int step = 1; step <= 25; ++step) {
            splash->Timer1_Timer();
            const int grey = 250 - 10 * step;
            QCOMPARE(splash->FadeLevel, short(grey));
            QCOMPARE(wordColour(), QColor(grey, grey, grey));
        }
        QCOMPARE(wordColour(), QColor(Qt::black));
        splash->Timer1->start();
        splash->Timer1_Timer();  // the 26th tick
        QVERIFY(!splash->Timer1->isActive());
        QCOMPARE(splash->FadeLevel, short(0));
        // The bars go on by themselves.
        splash->Timer2_Timer();
        expectPlace(splash->shape2Place(), {480, 0, 495, 135});
    }

    void barsSweepAndTheOrangeSquareAppears() {
        for (int step = 1; step <= 40; ++step) {
            splash->Timer2_Timer();
            expectPlace(splash->shape2Place(), {480, 0, 495, 15.0f + 120 * step});
            expectPlace(splash->shape1Place(),
                        {7800.0f - 200 * step, 3240, 15.0f + 200 * step, 495});
            QCOMPARE(splash->Shape3->isVisible(), step >= 35);
            if (step == 35) {
                expectPlace(splash->shape3Place(), {480, 3240, 495, 495});
                QCOMPARE(splash->Shape3->geometry(), QRect(32, 216, 33, 33));
            }
        }
        expectPlace(splash->shape1Place(), {-200, 3240, 8015, 495});
        QVERIFY(!splash->Timer3->isActive());
        splash->Timer2->start();
        splash->Timer2_Timer();  // the 41st tick
        QVERIFY(!splash->Timer2->isActive());
        QVERIFY(splash->Timer3->isActive());
        expectPlace(splash->shape2Place(), {480, 0, 495, 4815});
        expectPlace(splash->shape3Place(), {480, 3240, 495, 495});
    }

    void handOverShowsTheMenuOnceAndFreesTheSplash() {
        splash->Timer3->start();
        splash->Timer3_Timer();
        QCOMPARE(menus().size(), 1);
        QVERIFY(menus()[0]->isVisible());
        QVERIFY(!splash->Timer3->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }

    void handOverShowsAnExistingMenu() {
        auto* existing = new frmMenuPrincipal;
        splash->Timer3_Timer();
        QCOMPARE(menus().size(), 1);
        QCOMPARE(menus()[0], existing);
        QVERIFY(existing->isVisible());
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
