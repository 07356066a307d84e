#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "calculators/calculatorwindows.h"
#include "common/shape.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/frmmenuprincipal.h"
#include "shell/menucontrols.h"
#include "solver/frmpitagoras.h"
#include "tests/support/popupmenu.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmMenuPrincipal;
using zelmora::Shape;
using zelmora::testing::chooseFromPopup;
using zelmora::testing::control;

namespace {

template <typename Window>
QList<Window*> openWindows() {
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget);
            window != nullptr && window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}

void freeClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The colour of every pixel on the ring one pixel inside a control's edge, in a grab of the menu.
QList<QColor> ringInside(const QImage& shown, const QWidget* control, const QWidget* menu) {
    const QRect ring =
        QRect(control->mapTo(menu, QPoint(0, 0)), control->size()).adjusted(1, 1, -1, -1);
    QList<QColor> colours;
    for (int x = ring.left(); x <= ring.right(); ++x) {
        colours << shown.pixelColor(x, ring.top()) << shown.pixelColor(x, ring.bottom());
    }
    for (int y = ring.top() + 1; y < ring.bottom(); ++y) {
        colours << shown.pixelColor(ring.left(), y) << shown.pixelColor(ring.right(), y);
    }
    return colours;
}

}  // namespace

class FrmMenuPrincipalTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    QPointer<frmMenuPrincipal> menu;

    QString status() const { return control<QLabel>(menu, QStringLiteral("lblShow"))->text(); }

    QString litOverlays() const {
        QString names;
        for (const char* name : {"Shape1", "Shape2", "Shape3"}) {
            if (control<Shape>(menu, QString::fromLatin1(name))->fill() !=
                Shape::Fill::Transparent) {
                names += QString::fromLatin1(name);
            }
        }
        return names;
    }

    bool opaque(const char* link) const {
        return control<zelmora::LinkLabel>(menu, QString::fromLatin1(link))->isOpaque();
    }

    // Moves the pointer over a control through the window system, so that whatever lies on top
    // at that point receives it.
    void pointAt(const QString& name, QPoint at = QPoint(-1, -1)) {
        QWidget* target = control(menu, name);
        const QPoint local = at.x() < 0 ? target->rect().center() : at;
        QTest::mouseMove(menu, target->mapTo(menu, local));
        QCoreApplication::processEvents();
    }

    void click(const QString& name) { QTest::mouseClick(control(menu, name), Qt::LeftButton); }

    // Chooses the item of the figures pop-up; an empty text dismisses it. False when no pop-up
    // opened or the item was not there to choose.
    [[nodiscard]] bool openFromPopup(const QString& item) {
        const auto seen = chooseFromPopup(control(menu, "cmdButton(0)"), item);
        return seen.shown && (item.isEmpty() || seen.chosen);
    }

  protected:
    void setUpTest() override {
        menu = new frmMenuPrincipal;
        QVERIFY(zelmora::testing::showActive(menu));
    }

  private slots:
    void freshMenu() {
        QCOMPARE(menu->objectName(), QStringLiteral("frmMenuPrincipal"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("ZELMORA"));
        QCOMPARE(menu->size(), QSize(553, 297));
        QCOMPARE(status(), QStringLiteral("BIENVENIDO"));
        QCOMPARE(control<QLabel>(menu, "lblTitle(0)")->text(),
                 QStringLiteral("BIENVENIDO A ZELMORA"));
        QCOMPARE(control<QLabel>(menu, "lblTitle(1)")->text(),
                 QStringLiteral("Seleccione una categoría para empezar:"));
        QCOMPARE(litOverlays(), QString());
        QVERIFY(control(menu, "frmePi")->isHidden());
        QVERIFY(!opaque("lblLink(0)"));
        QVERIFY(!opaque("lblLink(1)"));
        QCOMPARE(control<zelmora::LinkLabel>(menu, "lblLink(0)")->backgroundColour(),
                 QColor(10, 10, 10));
        const QImage shown = menu->grab().toImage();
        QCOMPARE(shown.pixelColor(10, 150), QColor(250, 250, 250));
        QWidget* strip = control(menu, "lblShow");
        QCOMPARE(shown.pixelColor(strip->x() + 60, strip->y() + 3), QColor(20, 20, 20));
    }

    void theFiguresPopUpListsItsItems() {
        const auto opened = chooseFromPopup(control(menu, "cmdButton(0)"), QString());
        QVERIFY(opened.shown);
        QCOMPARE(opened.items, QStringList({"Perímetro", "Área", "Volumen", "-", "Cancelar"}));
        // Each opening has a pop-up of its own, freed when it closes.
        freeClosedWindows();
        QVERIFY(menu->findChild<QMenu*>() == nullptr);
    }

    // Where the design puts each control, in twips (15 to a pixel): within a pixel.
    void controlsStandInTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* name, int left, int top, int width, int height) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
        };
        row("lblTitle(0)", 480, 120, 7335, 375);
        row("lblTitle(1)", 480, 420, 7335, 375);
        row("cmdButton(0)", 480, 840, 2295, 2415);
        row("cmdButton(1)", 3000, 840, 2295, 2415);
        row("cmdButton(2)", 5520, 840, 2295, 2415);
        row("Shape1", 480, 840, 2295, 2415);
        row("Shape2", 3000, 840, 2295, 2415);
        row("Shape3", 5520, 840, 2295, 2415);
        row("lblShow", 480, 3480, 7335, 375);
        row("imgConf", 480, 3480, 375, 375);
        row("lblLink(1)", 7320, 3480, 255, 375);
        row("lblLink(0)", 7560, 3480, 255, 375);
        row("frmePi", 480, 3840, 7335, 495);
    }
    void controlsStandInTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const QRect place = control(menu, name)->geometry();
        const auto near = [](int pixels, int inTwips) {
            return std::abs(pixels * 15 - inTwips) <= 15;
        };
        QVERIFY2(near(place.left(), twips.left()) && near(place.top(), twips.top()) &&
                     near(place.width(), twips.width()) && near(place.height(), twips.height()),
                 qPrintable(QStringLiteral("%1 stands at %2, %3, %4 x %5")
                                .arg(name)
                                .arg(place.left())
                                .arg(place.top())
                                .arg(place.width())
                                .arg(place.height())));
        QCOMPARE(menu->size(), QSize(8295 / 15, 4455 / 15));
    }

    // What the status strip reads with the pointer on each control.
    void statusTextNamesEveryControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("cmdButton(0)") << "cmdButton(0)"
                                      << "CALCULAR FIGURAS";
        QTest::newRow("cmdButton(1)") << "cmdButton(1)"
                                      << "TEOREMA DE PITÁGORAS";
        QTest::newRow("cmdButton(2)") << "cmdButton(2)"
                                      << "CONVERTIDOR DE UNIDADES";
        QTest::newRow("imgConf") << "imgConf"
                                 << "ABRIR OPCIONES";
        QTest::newRow("lblLink(0)") << "lblLink(0)"
                                    << "ACERCA DE ZELMORA";
        QTest::newRow("lblLink(1)") << "lblLink(1)"
                                    << "MANUAL DE ZELMORA";
        QTest::newRow("lblTitle(0)") << "lblTitle(0)"
                                     << "BIENVENIDO";
        QTest::newRow("lblTitle(1)") << "lblTitle(1)"
                                     << "BIENVENIDO";
    }
    void statusTextNamesEveryControl() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        // From a picture, so that every row changes the text.
        pointAt(name == QLatin1String("cmdButton(1)") ? QStringLiteral("cmdButton(2)")
                                                      : QStringLiteral("cmdButton(1)"));
        pointAt(name);
        QCOMPARE(status(), text);
    }

    void hoverFollowsThePointer() {
        const QPoint inPicture = control(menu, "cmdButton(0)")->geometry().center();
        const QColor unlit = menu->grab().toImage().pixelColor(inPicture);
        pointAt("cmdButton(0)");
        QCOMPARE(status(), QStringLiteral("CALCULAR FIGURAS"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape1"));
        QVERIFY(menu->grab().toImage().pixelColor(inPicture).lightness() < unlit.lightness());
        // The grey is translucent: the picture still shows through it, in its many colours.
        const QImage lit = menu->grab(control(menu, "cmdButton(0)")->geometry()).toImage();
        QSet<QRgb> colours;
        for (int y = 4; y < lit.height() - 4; ++y) {
            for (int x = 4; x < lit.width() - 4; ++x) {
                colours.insert(lit.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() >= 16, qPrintable(QString::number(colours.size())));
        // Straight onto the next picture: the light moves with the pointer.
        pointAt("cmdButton(1)");
        QCOMPARE(status(), QStringLiteral("TEOREMA DE PITÁGORAS"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape2"));
        QCOMPARE(menu->grab().toImage().pixelColor(inPicture), unlit);
        pointAt("cmdButton(2)");
        QCOMPARE(status(), QStringLiteral("CONVERTIDOR DE UNIDADES"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape3"));
        // The background between the pictures: nothing stays marked to be kept lit.
        QTest::mouseMove(menu, QPoint(190, 140));
        QCOMPARE(status(), QStringLiteral("BIENVENIDO"));
        QCOMPARE(litOverlays(), QString());
    }

    void titlesAndStatusStripRestoreTheWelcome() {
        for (const char* name : {"lblTitle(0)", "lblTitle(1)", "lblShow"}) {
            pointAt("cmdButton(1)");
            QCOMPARE(litOverlays(), QStringLiteral("Shape2"));
            const QWidget* target = control(menu, name);
            pointAt(name, QPoint(target->width() / 2 + 60, target->height() / 2));
            QCOMPARE(status(), QStringLiteral("BIENVENIDO"));
            QCOMPARE(litOverlays(), QString());
        }
    }

    void linksAboveTheStripTakeThePointer() {
        pointAt("cmdButton(0)");
        pointAt("lblLink(0)");
        QCOMPARE(status(), QStringLiteral("ACERCA DE ZELMORA"));
        QVERIFY(opaque("lblLink(0)"));
        QCOMPARE(litOverlays(), QString());
        pointAt("lblLink(1)");
        QCOMPARE(status(), QStringLiteral("MANUAL DE ZELMORA"));
        QVERIFY(opaque("lblLink(1)"));
        QVERIFY(!opaque("lblLink(0)"));
        pointAt("imgConf");
        QCOMPARE(status(), QStringLiteral("ABRIR OPCIONES"));
        QVERIFY(!opaque("lblLink(1)"));
        click("imgConf");
        QVERIFY(control(menu, "frmePi")->isVisible());
        pointAt("imgConf", QPoint(4, 4));
        QCOMPARE(status(), QStringLiteral("CERRAR OPCIONES"));
        click("imgConf");
        QVERIFY(control(menu, "frmePi")->isHidden());
    }

    void leavingFromAPictureKeepsItLit() {
        pointAt("cmdButton(2)");
        QTest::mouseMove(menu, QPoint(-20, -20));
        QCoreApplication::processEvents();
        QCOMPARE(litOverlays(), QStringLiteral("Shape3"));
        QCOMPARE(status(), QStringLiteral("CONVERTIDOR DE UNIDADES"));
    }

    // With or without a mouse button held (the button pressed on the part itself).
    void optionsPanelIsQuietUnderThePointer_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("held");
        const QPoint centre(-1, -1);
        for (const bool held : {false, true}) {
            const char* how = held ? " held" : "";
            QTest::addRow("background%s", how) << "frmePi" << QPoint(480, 20) << held;
            QTest::addRow("caption%s", how) << "Label1" << centre << held;
            QTest::addRow("box%s", how) << "txtFormat" << centre << held;
            QTest::addRow("value%s", how) << "lblPi" << centre << held;
        }
    }
    void optionsPanelIsQuietUnderThePointer() {
        QFETCH(QString, name);
        QFETCH(QPoint, at);
        QFETCH(bool, held);
        click("imgConf");
        pointAt("cmdButton(1)");
        pointAt(name, at);
        if (held) {
            QWidget* target = control(menu, name);
            const QPoint from = at.x() < 0 ? target->rect().center() : at;
            QTest::mousePress(target, Qt::LeftButton, {}, from);
            QTest::mouseMove(target, from + QPoint(-3, 2));
        }
        QCOMPARE(status(), QStringLiteral("TEOREMA DE PITÁGORAS"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape2"));
        if (held) {
            QTest::mouseRelease(control(menu, name), Qt::LeftButton);
        }
    }

    void panelStepsReturnTheOverlaysToNormal() {
        click("imgConf");
        pointAt("cmdButton(1)");
        pointAt("lblLink(3)");
        QCOMPARE(status(), QStringLiteral("TEOREMA DE PITÁGORAS"));
        QCOMPARE(litOverlays(), QString());
        QVERIFY(opaque("lblLink(3)"));
    }

    // The overlays draw their outline on the pictures' edge, so the border must show inside it.
    void heldButtonDrawsAThinBorder_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"cmdButton(0)", "cmdButton(1)", "cmdButton(2)", "imgConf", "lblLink(1)"}) {
            QTest::newRow(name) << name;
        }
    }
    void heldButtonDrawsAThinBorder() {
        QFETCH(QString, name);
        QWidget* target = control(menu, name);
        pointAt(name);
        QTest::mousePress(target, Qt::RightButton);
        const QList<QColor> held = ringInside(menu->grab().toImage(), target, menu);
        QTest::mouseRelease(target, Qt::RightButton);
        const QList<QColor> released = ringInside(menu->grab().toImage(), target, menu);
        // One unbroken line of one colour while held, which the face alone does not draw.
        QCOMPARE(held.count(held.first()), held.size());
        QCOMPARE(released.count(held.first()), 0);
    }

    void popupOpensEachCalculator_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Área") << "Área"
                              << "CALCULANDO ÁREA";
        QTest::newRow("Perímetro") << "Perímetro"
                                   << "CALCULANDO PERÍMETRO";
        QTest::newRow("Volumen") << "Volumen"
                                 << "CALCULANDO VOLUMEN";
    }
    void popupOpensEachCalculator() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QVERIFY(openFromPopup(item));
        const auto calculators = openWindows<zelmora::FigureCalculatorForm>();
        QCOMPARE(calculators.size(), 1);
        QCOMPARE(calculators[0]->windowTitle(), caption);
        QVERIFY(calculators[0]->parentWidget() == nullptr);
        QVERIFY(menu->isVisible());
        QVERIFY(menu->isEnabled());
    }

    void cancelOrDismissOpensNothing() {
        const auto before = QApplication::topLevelWidgets().size();
        QVERIFY(openFromPopup(QStringLiteral("Cancelar")));
        QVERIFY(openFromPopup(QString()));
        QCOMPARE(openWindows<zelmora::FigureCalculatorForm>().size(), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }

    void picturesOpenTheSolverAndTheConverter() {
        click("cmdButton(1)");
        click("cmdButton(1)");
        click("cmdButton(2)");
        const auto solvers = openWindows<zelmora::frmPitagoras>();
        QCOMPARE(solvers.size(), 2);
        QVERIFY(solvers[0] != solvers[1]);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 1);
        QVERIFY(menu->isVisible());
    }

    // Through the window system, as a real double click comes: press, release, then a second
    // press that arrives as a double click.
    void aDoubleClickOpensOneWindow_data() {
        QTest::addColumn<QString>("picture");
        QTest::newRow("solver") << "cmdButton(1)";
        QTest::newRow("converter") << "cmdButton(2)";
    }
    void aDoubleClickOpensOneWindow() {
        QFETCH(QString, picture);
        zelmora::testing::doubleClick(control(menu, picture));
        QCOMPARE(
            openWindows<zelmora::frmPitagoras>().size() + openWindows<zelmora::frmConvert>().size(),
            1);
    }

    // The keyboard focus shows on every control of the menu, on the dark strip too: all around
    // the control one of its two rings differs by at least 3:1 from what was there before.
    void theFocusRingStandsOut_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"cmdButton(0)", "cmdButton(1)", "cmdButton(2)", "imgConf",
                                 "lblLink(0)", "lblLink(1)"}) {
            QTest::newRow(name) << name;
        }
    }
    void theFocusRingStandsOut() {
        QFETCH(QString, name);
        QWidget* target = control(menu, name);
        QVERIFY(zelmora::testing::tabTo(control(
            menu, name == QLatin1String("cmdButton(0)") ? "cmdButton(1)" : "cmdButton(0)")));
        const QImage before = menu->grab().toImage();
        QVERIFY(zelmora::testing::tabTo(target));
        const QImage after = menu->grab().toImage();
        const QRect box(target->mapTo(menu, QPoint(0, 0)), target->size());
        // Across the two rings at one place of the border: the outer pixel, then the inner.
        const auto change = [&](QPoint outer, QPoint inner) {
            return std::max(
                zelmora::contrastRatio(before.pixelColor(outer), after.pixelColor(outer)),
                zelmora::contrastRatio(before.pixelColor(inner), after.pixelColor(inner)));
        };
        double weakest = 21;
        for (int x = box.left() + 3; x <= box.right() - 3; ++x) {
            weakest = std::min({weakest, change({x, box.top() + 2}, {x, box.top() + 3}),
                                change({x, box.bottom() - 2}, {x, box.bottom() - 3})});
        }
        for (int y = box.top() + 3; y <= box.bottom() - 3; ++y) {
            weakest = std::min({weakest, change({box.left() + 2, y}, {box.left() + 3, y}),
                                change({box.right() - 2, y}, {box.right() - 3, y})});
        }
        QVERIFY2(weakest >= 3, qPrintable(QString::number(weakest)));
    }

    // Focus that comes from the mouse draws no ring: the ring is for the keyboard.
    void focusFromTheMouseShowsNoRing() {
        QWidget* picture = control(menu, "cmdButton(1)");
        const QRect place = picture->geometry();
        const QImage before = menu->grab(place).toImage();
        picture->setFocus(Qt::MouseFocusReason);
        QVERIFY(picture->hasFocus());
        QCOMPARE(menu->grab(place).toImage(), before);
        // The same focus from the keyboard shows it.
        control(menu, "cmdButton(0)")->setFocus(Qt::MouseFocusReason);
        picture->setFocus(Qt::TabFocusReason);
        QVERIFY(menu->grab(place).toImage() != before);
    }

    void windowsOfOneToolKeepSeparateState() {
        QVERIFY(openFromPopup(QStringLiteral("Área")));
        QVERIFY(openFromPopup(QStringLiteral("Área")));
        const auto calculators = openWindows<zelmora::frmArea>();
        QCOMPARE(calculators.size(), 2);
        QTest::keyClicks(control<QLineEdit>(calculators[0], "Text1"), QStringLiteral("3"));
        QTest::mouseClick(control<QPushButton>(calculators[0], "cmdAnswer"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(calculators[0], "txtAnswer")->text(), QStringLiteral("9"));
        QCOMPARE(control<QLineEdit>(calculators[1], "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QPushButton>(calculators[1], "cmdAnswer")->text(),
                 QStringLiteral("Ver Resultado"));
        QPointer<zelmora::frmArea> second = calculators[1];
        QVERIFY(calculators[0]->close());
        freeClosedWindows();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(openWindows<zelmora::frmArea>().size(), 1);
        QVERIFY(menu->isVisible());
    }

    void closeQuestionAnsweredNoKeepsEverything() {
        QVERIFY(openFromPopup(QStringLiteral("Volumen")));
        click("cmdButton(2)");
        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::No);
        QVERIFY(!menu->close());
        QVERIFY(seen->shown);
        QCOMPARE(seen->title, QStringLiteral("Zelmora"));
        QCOMPARE(seen->text, QStringLiteral("¿Seguro de querer cerrar el programa?"));
        QCOMPARE(seen->icon, QMessageBox::Question);
        QCOMPARE(seen->buttons.size(), 2);
        QVERIFY(seen->buttons.contains(QStringLiteral("Sí")));
        QVERIFY(seen->buttons.contains(QStringLiteral("No")));
        // Enter keeps the work open.
        QCOMPARE(seen->defaultButton, QStringLiteral("No"));
        QVERIFY(menu->isVisible());
        QCOMPARE(openWindows<zelmora::frmVolumen>().size(), 1);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 1);
    }

    void closeQuestionAnsweredYesClosesEveryWindow() {
        QVERIFY(openFromPopup(QStringLiteral("Área")));
        QVERIFY(openFromPopup(QStringLiteral("Perímetro")));
        click("cmdButton(2)");
        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::Yes);
        QVERIFY(menu->close());
        QVERIFY(seen->shown);
        freeClosedWindows();
        QVERIFY(menu.isNull() || !menu->isVisible());
        QCOMPARE(openWindows<zelmora::FigureCalculatorForm>().size(), 0);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 0);
    }

    void openingAndClosingManyCalculatorsLeavesNothing() {
        // The first opening builds what Qt keeps for every pop-up.
        QVERIFY(openFromPopup(QStringLiteral("Cancelar")));
        const auto widgetsBefore = QApplication::allWidgets().size();
        for (const QString item : {"Área", "Perímetro", "Volumen"}) {
            for (int i = 0; i < 300; ++i) {
                QVERIFY(openFromPopup(item));
                const auto opened = openWindows<zelmora::FigureCalculatorForm>();
                QCOMPARE(opened.size(), 1);
                QTest::keyClicks(control<QLineEdit>(opened[0], "Text1"), QStringLiteral("2"));
                QTest::mouseClick(control<QPushButton>(opened[0], "cmdAnswer"), Qt::LeftButton);
                QVERIFY(opened[0]->close());
                freeClosedWindows();
            }
        }
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }
};

QTEST_MAIN(FrmMenuPrincipalTest)
#include "tst_frmmenuprincipal.moc"
