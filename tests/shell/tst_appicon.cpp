#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QProxyStyle>
#include <QSvgRenderer>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/application.h"
#include "shell/frmabout.h"
#include "shell/frminicio.h"
#include "shell/frmmenuprincipal.h"
#include "shell/menupictures.h"
#include "solver/frmpitagoras.h"

namespace {

using WindowMaker = std::function<QWidget*()>;

QImage drawnIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    zelmora::drawAppIcon(painter, QRectF(0, 0, size, size));
    return image;
}

QImage asDrawn(const QIcon& icon, int size) {
    return icon.pixmap(QSize(size, size))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

Q_DECLARE_METATYPE(WindowMaker)

// The program's icon: what every window shows, and the installed SVG drawn from the same figures.
class AppIconTest : public QObject {
    Q_OBJECT
  private slots:
    // The program starts as its main does: the splash first, and the icon, with the rest of the
    // set-up, only once the splash has painted.
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        // A dark desktop theme, which the program's own light palette replaces.
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        zelmora::startApplication(*qApp);
        // Until the splash has painted, none of the rest of the set-up has run.
        QVERIFY(QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(30, 30, 30));
        QVERIFY(qobject_cast<QProxyStyle*>(QApplication::style()) == nullptr);
        QWidget* splash = QApplication::topLevelWidgets().value(0);
        QVERIFY(splash != nullptr && splash->objectName() == QStringLiteral("frmInicio"));
        QVERIFY(splash->isVisible());
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QApplication::palette().color(QPalette::Window), zelmora::kWindowColour);
        QCOMPARE(QApplication::palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(QApplication::palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(QApplication::palette().color(QPalette::WindowText), QColor(Qt::black));
        const auto* program = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(program != nullptr && program->baseStyle() != nullptr);
        QCOMPARE(program->baseStyle()->name(), QStringLiteral("fusion"));
        // Closed before its animation hands over to the menu.
        splash->close();
    }

    void appIconAtEverySize() {
        const QIcon icon = QApplication::windowIcon();
        // Drawn at every size from the smallest a panel shows to the largest a switcher does.
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.size() >= 5);
        QCOMPARE(sizes.first(), QSize(16, 16));
        QCOMPARE(sizes.last(), QSize(256, 256));
        for (const int size : {16, 48, 256}) {
            QCOMPARE(asDrawn(icon, size), drawnIcon(size));
        }
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(ZELMORA_APP_ID));
    }

    void everyWindowShowsIt_data() {
        QTest::addColumn<WindowMaker>("make");
        QTest::newRow("frmMenuPrincipal")
            << WindowMaker([] { return new zelmora::frmMenuPrincipal; });
        QTest::newRow("frmArea") << WindowMaker([] { return new zelmora::frmArea; });
        QTest::newRow("frmPerimetro") << WindowMaker([] { return new zelmora::frmPerimetro; });
        QTest::newRow("frmVolumen") << WindowMaker([] { return new zelmora::frmVolumen; });
        QTest::newRow("frmPitagoras") << WindowMaker([] { return new zelmora::frmPitagoras; });
        QTest::newRow("frmConvert") << WindowMaker([] { return new zelmora::frmConvert; });
        QTest::newRow("frmInicio") << WindowMaker([] { return new zelmora::frmInicio; });
        QTest::newRow("frmAbout") << WindowMaker([] { return new zelmora::frmAbout; });
    }

    void everyWindowShowsIt() {
        QFETCH(WindowMaker, make);
        const std::unique_ptr<QWidget> window(make());
        window->winId();
        const QIcon icon = window->windowHandle()->icon();
        QVERIFY(!icon.isNull());
        QCOMPARE(asDrawn(icon, 32), drawnIcon(32));
    }

    // The installed scalable icon is hand-written; it must stay the picture the program draws.
    void installedSvgMatchesTheDrawing_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("48") << 48;
        QTest::newRow("256") << 256;
    }

    void installedSvgMatchesTheDrawing() {
        QFETCH(int, size);
        QSvgRenderer svg(QStringLiteral(ZELMORA_ICON_SVG));
        QVERIFY(svg.isValid());
        QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();

        // Only the antialiased rims of the tile's corners may differ, where QtSvg rounds the
        // corners a fraction of a pixel apart from QPainter; a moved figure or another colour
        // differs by far more, or over far more pixels.
        const QImage drawn = drawnIcon(size);
        int worst = 0;
        int differing = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb a = rendered.pixel(x, y);
                const QRgb b = drawn.pixel(x, y);
                const int difference =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                worst = std::max(worst, difference);
                differing += difference > 4 ? 1 : 0;
            }
        }
        QVERIFY2(worst <= 48, qPrintable(QStringLiteral("a channel differs by %1").arg(worst)));
        QVERIFY2(differing * 50 < size * size,
                 qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }
};

QTEST_MAIN(AppIconTest)
#include "tst_appicon.moc"
