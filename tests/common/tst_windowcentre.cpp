#include <QApplication>
#include <QScreen>
#include <QtTest>
#include <functional>
#include <memory>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/application.h"
#include "shell/frmabout.h"
#include "shell/frmmenuprincipal.h"
#include "solver/frmpitagoras.h"

namespace {
using WindowMaker = std::function<QWidget*()>;
}

Q_DECLARE_METATYPE(WindowMaker)

// Windows open with their frame, not only their client area, in the centre of the screen. The
// offscreen platform draws a frame of 2 pixels on every
// side, so a window centred without its frame would sit 2 pixels off towards the bottom right.
class WindowCentreTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { zelmora::setUpApplication(*qApp); }

    void frameInTheCentre_data() {
        QTest::addColumn<WindowMaker>("make");
        QTest::newRow("frmMenuPrincipal")
            << WindowMaker([] { return new zelmora::frmMenuPrincipal; });
        QTest::newRow("frmArea") << WindowMaker([] { return new zelmora::frmArea; });
        QTest::newRow("frmPerimetro") << WindowMaker([] { return new zelmora::frmPerimetro; });
        QTest::newRow("frmVolumen") << WindowMaker([] { return new zelmora::frmVolumen; });
        QTest::newRow("frmAbout") << WindowMaker([] { return new zelmora::frmAbout(nullptr); });
        QTest::newRow("frmPitagoras") << WindowMaker([] { return new zelmora::frmPitagoras; });
        QTest::newRow("frmConvert") << WindowMaker([] { return new zelmora::frmConvert; });
    }

    void frameInTheCentre() {
        QFETCH(WindowMaker, make);
        const std::unique_ptr<QWidget> window(make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect frame = window->frameGeometry();
        QVERIFY(frame.contains(window->geometry()) && frame != window->geometry());
        // Twice the centres, so that an odd size leaves no half pixel.
        const QRect screen = window->screen()->availableGeometry();
        const QPoint offset = (frame.topLeft() + frame.bottomRight() + QPoint(1, 1)) -
                              (screen.topLeft() + screen.bottomRight() + QPoint(1, 1));
        QVERIFY2(
            std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
            qPrintable(QStringLiteral("twice the offset: %1, %2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(WindowCentreTest)
#include "tst_windowcentre.moc"
