#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <array>

#include "common/windowstyle.h"
#include "converter/converterbox.h"
#include "converter/frmconvert.h"
#include "tests/support/popupmenu.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::ConverterBox;
using zelmora::frmConvert;
using zelmora::testing::clickInto;
using zelmora::testing::control;
using zelmora::testing::numbered;
using zelmora::testing::showsWhole;
using zelmora::testing::typeOver;

namespace {

// The full names of the units, in the order of their family's table.
const QStringList kArea = {QStringLiteral("Milímetros cuadrados"),
                           QStringLiteral("Centímetros cuadrados"),
                           QStringLiteral("Decímetros cuadrados"),
                           QStringLiteral("Metros cuadrados"),
                           QStringLiteral("Áreas"),
                           QStringLiteral("Hectáreas"),
                           QStringLiteral("Kilómetros cuadrados")};
const QStringList kLength = {QStringLiteral("Milímetros"), QStringLiteral("Centímetros"),
                             QStringLiteral("Decímetros"), QStringLiteral("Metros"),
                             QStringLiteral("Decametros"), QStringLiteral("Hectómetros"),
                             QStringLiteral("Kilómetros")};
const QStringList kVolume = {QStringLiteral("Microlitros"), QStringLiteral("Mililitros"),
                             QStringLiteral("Centilitros"), QStringLiteral("Decilitros"),
                             QStringLiteral("Litros"),      QStringLiteral("Decalitros"),
                             QStringLiteral("Hectolitros"), QStringLiteral("Metros cúbicos")};

const QColor kChosen(255, 255, 128);
const QColor kNotChosen(255, 255, 255);

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

[[nodiscard]] bool enter(ConverterBox* box) {
    if (!clickInto(box)) {
        return false;
    }
    QTest::keyClick(box, Qt::Key_Return);
    return true;
}

// Puts the cursor after the first `position` characters and selects the next `selected` ones.
void placeCursor(ConverterBox* box, int position, int selected = 0) {
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < position; ++i) {
        QTest::keyClick(box, Qt::Key_Right);
    }
    for (int i = 0; i < selected; ++i) {
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    }
}

QColor face(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    // Inside the focus frame, right of the caption.
    return image.pixelColor(image.width() - 8, image.height() / 2);
}

// Área with box A in square kilometres and box B in square millimetres, by the arrows. False
// when the arrows did not reach them.
[[nodiscard]] bool chooseSquareKilometresToMillimetres(const QWidget* w) {
    click(control<QRadioButton>(w, "Option1"));
    click(control<QPushButton>(w, "cmdIzqA"));
    click(control<QPushButton>(w, "cmdIzqA"));
    for (int i = 0; i < 3; ++i) {
        click(control<QPushButton>(w, "cmdIzqB"));
    }
    return control<QLabel>(w, "lblUnidad1")->text() == QStringLiteral("Kilómetros cuadrados") &&
           control<QLabel>(w, "lblUnidad2")->text() == QStringLiteral("Milímetros cuadrados");
}

}  // namespace

// Drives a real converter window the way a user does: clicks, typing, pasting, Enter, the arrow
// buttons and the family options.
class FrmConvertTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    frmConvert* w = nullptr;

  protected:
    void setUpTest() override {
        w = new frmConvert;
        QVERIFY(zelmora::testing::showActive(w));
    }

  private slots:
    void freshWindow() {
        QCOMPARE(w->objectName(), QStringLiteral("frmConvert"));
        QCOMPARE(w->windowTitle(), QStringLiteral("CONVERTIDOR DE UNIDADES"));
        QCOMPARE(w->size(), QSize(353, 257));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(w->grab().toImage().pixelColor(2, w->height() - 3), QColor(250, 250, 250));
        QVERIFY(control<QRadioButton>(w, "Option2")->isChecked());
        QVERIFY(!control<QRadioButton>(w, "Option1")->isChecked());
        QVERIFY(!control<QRadioButton>(w, "Option3")->isChecked());
        QCOMPARE(face(control<QRadioButton>(w, "Option2")), kChosen);
        QCOMPARE(face(control<QRadioButton>(w, "Option1")), kNotChosen);
        QCOMPARE(face(control<QRadioButton>(w, "Option3")), kNotChosen);
        QVERIFY(control<ConverterBox>(w, "txtCajaA")->hasFocus());
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("0"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Centímetros"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->toolTip(), QStringLiteral("Centímetros (cm)"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Metros"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->toolTip(), QStringLiteral("Metros (m)"));
        QVERIFY(!control<QLabel>(w, "lblSafe")->isVisible());
        QCOMPARE(control<QLabel>(w, "lblSafe")->text(), QString());
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->palette().color(QPalette::Base),
                 QColor(224, 224, 224));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->palette().color(QPalette::Base),
                 QColor(224, 224, 224));
        QCOMPARE(face(control<QLabel>(w, "lblUnidad1")), kNotChosen);
        QCOMPARE(face(control<QLabel>(w, "lblUnidad2")), kNotChosen);
        QCOMPARE(face(control<QPushButton>(w, "cmdIzqA")), kNotChosen);
        QCOMPARE(face(control<QPushButton>(w, "cmdDerB")), kNotChosen);
        QVERIFY(control<ConverterBox>(w, "txtCajaA")->alignment() & Qt::AlignRight);
        QVERIFY(!control<ConverterBox>(w, "txtCajaA")->isReadOnly());
        // The first number typed replaces the "0".
        QTest::keyClicks(control<ConverterBox>(w, "txtCajaA"), "5");
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("5"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0"));
        // Box A is the active box from the start: a family converts from it.
        click(control<QRadioButton>(w, "Option1"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.0005"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("5"));
    }

    void controlsStandInTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("italic");
        QTest::newRow("Option2") << "Option2" << QRect(8, 8, 113, 33) << 15.75 << false;
        QTest::newRow("Option1") << "Option1" << QRect(120, 8, 113, 33) << 15.75 << false;
        QTest::newRow("Option3") << "Option3" << QRect(232, 8, 113, 33) << 15.75 << false;
        QTest::newRow("cmdIzqA") << "cmdIzqA" << QRect(8, 56, 25, 49) << 15.75 << false;
        QTest::newRow("txtCajaA") << "txtCajaA" << QRect(40, 56, 273, 50) << 26.25 << false;
        QTest::newRow("cmdDerA") << "cmdDerA" << QRect(320, 56, 25, 49) << 15.75 << false;
        QTest::newRow("lblUnidad1") << "lblUnidad1" << QRect(8, 112, 337, 25) << 14.25 << true;
        QTest::newRow("cmdIzqB") << "cmdIzqB" << QRect(8, 152, 25, 49) << 15.75 << false;
        QTest::newRow("txtCajaB") << "txtCajaB" << QRect(40, 152, 273, 50) << 26.25 << false;
        QTest::newRow("cmdDerB") << "cmdDerB" << QRect(320, 152, 25, 49) << 15.75 << false;
        QTest::newRow("lblUnidad2") << "lblUnidad2" << QRect(8, 208, 337, 25) << 14.25 << true;
        QTest::newRow("lblSafe") << "lblSafe" << QRect(320, 16, 17, 17) << 0.0 << false;
    }
    void controlsStandInTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(qreal, points);
        QFETCH(bool, italic);
        auto* widget = control<QWidget>(w, name);
        QCOMPARE(widget->geometry(), geometry);
        if (points > 0) {
            auto* box = qobject_cast<zelmora::NumberBox*>(widget);
            const QFont font = box != nullptr ? box->baseFont() : widget->font();
            QCOMPARE(font.family(), QStringLiteral("Calibri"));
            QCOMPARE(font.pointSizeF(), points);
            QCOMPARE(font.italic(), italic);
        }
    }

    void tabOrderRunsBoxesArrowsFamilies() {
        const QList<QWidget*> expected = {
            control<ConverterBox>(w, "txtCajaA"), control<ConverterBox>(w, "txtCajaB"),
            control<QPushButton>(w, "cmdIzqA"),   control<QPushButton>(w, "cmdDerA"),
            control<QPushButton>(w, "cmdIzqB"),   control<QPushButton>(w, "cmdDerB"),
            control<QRadioButton>(w, "Option2"),  control<QRadioButton>(w, "Option1"),
            control<QRadioButton>(w, "Option3")};
        QList<QWidget*> chain;
        for (QWidget* next = control<ConverterBox>(w, "txtCajaA")->nextInFocusChain();
             chain.size() < 20; next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus) {
                chain << next;
            }
            if (next == control<ConverterBox>(w, "txtCajaA")) {
                break;
            }
        }
        chain.prepend(chain.takeLast());
        QCOMPARE(chain, expected);
        QCOMPARE(control<QLabel>(w, "lblSafe")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->focusPolicy(), Qt::NoFocus);
        QTest::keyClicks(control<ConverterBox>(w, "txtCajaA"), "5");
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Tab);
        QVERIFY(control<ConverterBox>(w, "txtCajaB")->hasFocus());
        // Box B is now the active box: a family converts its 0 into box A.
        click(control<QRadioButton>(w, "Option1"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("0"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0"));
    }

    void boxesNamedForScreenReaders() {
        using zelmora::testing::accessibleName;
        QCOMPARE(accessibleName(control<ConverterBox>(w, "txtCajaA")),
                 QStringLiteral("Cantidad A"));
        QCOMPARE(accessibleName(control<ConverterBox>(w, "txtCajaB")),
                 QStringLiteral("Cantidad B"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->accessibleDescription(),
                 QStringLiteral("Centímetros (cm)"));
        QCOMPARE(accessibleName(control<QPushButton>(w, "cmdDerB")),
                 QStringLiteral("Unidad siguiente de la cantidad B"));
        click(control<QPushButton>(w, "cmdDerB"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->accessibleDescription(),
                 QStringLiteral("Decámetros (dam)"));
    }

    void enterConvertsIntoTheOtherBox_data() {
        QTest::addColumn<bool>("fromA");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("key");  // Return, or the keypad's Enter
        const auto row = [](const char* tag, bool fromA, const char* typed, const char* result,
                            Qt::Key key = Qt::Key_Return) {
            QTest::newRow(tag) << fromA << QString(typed) << QString(result) << int(key);
        };
        row("A centimetres", true, "5", "0.05");
        row("A letters", true, "abc", "0");
        row("A trailing letters", true, "12abc", "0.12");
        row("A trailing non-ASCII letters", true, "5ñ²", "0.05");
        row("A non-ASCII letter first", true, "é7", "0");
        row("A negative", true, "-5", "-0.05");
        row("A keypad", true, "300", "3", Qt::Key_Enter);
        row("B metres", false, "0.3", "30");
        row("B decimal comma", false, "1,5", "100");
        row("B empty", false, "", "0");
    }
    // The result lands in the other box, so the box typed in is the one converted from.
    void enterConvertsIntoTheOtherBox() {
        QFETCH(bool, fromA);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(int, key);
        ConverterBox* box =
            fromA ? control<ConverterBox>(w, "txtCajaA") : control<ConverterBox>(w, "txtCajaB");
        ConverterBox* other =
            fromA ? control<ConverterBox>(w, "txtCajaB") : control<ConverterBox>(w, "txtCajaA");
        QVERIFY(typeOver(box, typed));
        QTest::keyClick(box, static_cast<Qt::Key>(key));
        QCOMPARE(other->text(), result);
        QCOMPARE(box->text(), typed);
        QVERIFY(!box->text().contains(QLatin1Char('\n')));
        QVERIFY(box->hasFocus());
    }

    void typingAloneConvertsNothing() {
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "5"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0"));
        QVERIFY(clickInto(control<ConverterBox>(w, "txtCajaB")));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("5"));
    }

    // With 5 (cm) in box A and 7 (m) in box B, the steps decide the active box, which a change
    // to "Área" then converts from, with the units cm² and m² that "Área" remembers.
    void activeBoxFollowsTheFocusAndTheArrows_data() {
        QTest::addColumn<QStringList>("steps");  // controls clicked, or "Tab"
        QTest::addColumn<QString>("textA");
        QTest::addColumn<QString>("textB");
        const auto row = [](const char* tag, const QStringList& steps, const char* textA,
                            const char* textB) {
            QTest::newRow(tag) << steps << QString(textA) << QString(textB);
        };
        row("click into box A", {"txtCajaA"}, "5", "0.0005");
        row("click into box B", {"txtCajaA", "txtCajaB"}, "70000", "7");
        row("leaving box B changes nothing", {"Tab"}, "70000", "7");
        // The arrow of box B has first converted 7 dam into 7000 cm in box A.
        row("arrow of box B", {"txtCajaA", "cmdDerB"}, "70000", "7");
        row("arrow of box A", {"cmdIzqA"}, "5", "0.0005");
    }
    void activeBoxFollowsTheFocusAndTheArrows() {
        QFETCH(QStringList, steps);
        QFETCH(QString, textA);
        QFETCH(QString, textB);
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "5"));
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaB"), "7"));
        for (const QString& step : steps) {
            if (step == QLatin1String("Tab")) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QVERIFY(control<QPushButton>(w, "cmdIzqA")->hasFocus());
            } else {
                click(control<QWidget>(w, step));
            }
        }
        click(control<QRadioButton>(w, "Option1"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), textA);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), textB);
    }

    // Every arrow of every family, pressed once for each unit: it walks the whole table and
    // wraps at the end it moves to; the box keeps its number and the other box is recomputed.
    void arrowsWalkTheFamilyAndWrap_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("boxA");
        QTest::addColumn<bool>("next");
        for (int family = 1; family <= 3; ++family) {
            for (bool boxA : {true, false}) {
                for (bool next : {true, false}) {
                    QTest::addRow("family %d box %s %s", family, boxA ? "A" : "B", next ? ">" : "<")
                        << family << boxA << next;
                }
            }
        }
    }
    void arrowsWalkTheFamilyAndWrap() {
        QFETCH(int, family);
        QFETCH(bool, boxA);
        QFETCH(bool, next);
        const QStringList names = std::array{kArea, kLength, kVolume}[family - 1];
        click(control<QRadioButton>(w, numbered("Option", family)));
        ConverterBox* box =
            boxA ? control<ConverterBox>(w, "txtCajaA") : control<ConverterBox>(w, "txtCajaB");
        ConverterBox* other =
            boxA ? control<ConverterBox>(w, "txtCajaB") : control<ConverterBox>(w, "txtCajaA");
        QLabel* label = boxA ? control<QLabel>(w, "lblUnidad1") : control<QLabel>(w, "lblUnidad2");
        QPushButton* button =
            boxA ? (next ? control<QPushButton>(w, "cmdDerA") : control<QPushButton>(w, "cmdIzqA"))
                 : (next ? control<QPushButton>(w, "cmdDerB") : control<QPushButton>(w, "cmdIzqB"));
        QVERIFY(typeOver(box, "1"));
        int unit = static_cast<int>(names.indexOf(label->text()));
        QVERIFY(unit >= 0);
        const int count = static_cast<int>(names.size());
        QStringList seen;
        bool wrapped = false;
        for (int press = 0; press < count; ++press) {
            const int before = unit;
            unit = (unit + (next ? 1 : count - 1)) % count;
            wrapped = wrapped || (next ? unit < before : unit > before);
            // The other box was active: the arrow makes its own box the one converted from.
            click(button);
            QCOMPARE(label->text(), names[unit]);
            QCOMPARE(box->text(), QStringLiteral("1"));
            seen << label->text();
            // The other box now shows the same quantity in its own unit: converted back, it
            // gives 1 in this box's unit again.
            QVERIFY(enter(other));
            QCOMPARE(box->text(), QStringLiteral("1"));
        }
        QVERIFY(wrapped);
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), count);
    }

    void arrowsWrapAtTheEndsOfEachFamily_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("presses");  // of ">" of box A from its remembered unit
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("converted");  // box B, for 1 in box A
        const auto row = [](const char* tag, int family, int presses, const char* shown,
                            const char* converted) {
            QTest::newRow(tag) << family << presses << QString(shown) << QString(converted);
        };
        row("Longitud to Kilómetros", 2, 5, "Kilómetros", "1000");
        row("Longitud wraps to Milímetros", 2, 6, "Milímetros", "0.001");
        row("Área to Kilómetros cuadrados", 1, 5, "Kilómetros cuadrados", "1000000");
        row("Área wraps", 1, 6, "Milímetros cuadrados", "1E-06");
        row("Volumen to Metros cúbicos", 3, 6, "Metros cúbicos", "1000");
        row("Volumen wraps to Microlitros", 3, 7, "Microlitros", "1E-06");
    }
    void arrowsWrapAtTheEndsOfEachFamily() {
        QFETCH(int, family);
        QFETCH(int, presses);
        QFETCH(QString, shown);
        QFETCH(QString, converted);
        click(control<QRadioButton>(w, numbered("Option", family)));
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "1"));
        for (int i = 0; i < presses; ++i) {
            click(control<QPushButton>(w, "cmdDerA"));
        }
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), shown);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), converted);
        // "<" takes it back across the same end.
        click(control<QPushButton>(w, "cmdIzqA"));
        click(control<QPushButton>(w, "cmdDerA"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), shown);
    }

    void anArrowKeepsItsBoxsNumber() {
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "5"));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Return);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.05"));
        click(control<QPushButton>(w, "cmdIzqB"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Decímetros"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.05"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("0.5"));
        QCOMPARE(control<QLabel>(w, "lblSafe")->text(), QStringLiteral("0.005"));
    }

    // The keyboard focus on a family option leaves its face the family's colour and shows as a
    // dark line that was not there before.
    void aFocusedFamilyKeepsItsColour() {
        const QImage before = control<QRadioButton>(w, "Option2")->grab().toImage();
        QVERIFY(zelmora::testing::tabTo(control<QRadioButton>(w, "Option2")));
        const QImage after = control<QRadioButton>(w, "Option2")->grab().toImage();
        QCOMPARE(face(control<QRadioButton>(w, "Option2")), kChosen);
        int darkened = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                darkened +=
                    zelmora::contrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3
                        ? 1
                        : 0;
            }
        }
        QVERIFY2(darkened >= 20, qPrintable(QString::number(darkened)));
    }

    // Every unit of every family, stepped through with ">" on each box from the unit the window
    // opens with: the unit label shows its full name, and its labelled name as the tool tip.
    void everyUnitShowsItsNames_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("first");  // the index of the unit box A opens with
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("labelled");
        QTest::newRow("Área") << 1 << 2
                              << QStringList{"Milímetros cuadrados",
                                             "Centímetros cuadrados",
                                             "Decímetros cuadrados",
                                             "Metros cuadrados",
                                             "Áreas",
                                             "Hectáreas",
                                             "Kilómetros cuadrados"}
                              << QStringList{"Milímetros cuadrados (mm²)",
                                             "Centímetros cuadrados (cm²)",
                                             "Decímetros (dm²)",
                                             "Metros cuadrados (m²)",
                                             "Áreas (a)/Decámetros cuadrados (dam²)",
                                             "Hectáreas (ha)/Hectómetros cuadrados (hm²)",
                                             "Kilómetros cuadrados (km²)"};
        QTest::newRow("Longitud")
            << 2 << 2 << QStringList{"Milímetros", "Centímetros", "Decímetros", "Metros",
                                     "Decametros", "Hectómetros", "Kilómetros"}
            << QStringList{"Milímetros (mm)",  "Centímetros (cm)", "Decímetros (dm)", "Metros (m)",
                           "Decámetros (dam)", "Hectómetros (hm)", "Kilómetros (km)"};
        QTest::newRow("Volumen") << 3 << 2
                                 << QStringList{"Microlitros", "Mililitros",    "Centilitros",
                                                "Decilitros",  "Litros",        "Decalitros",
                                                "Hectolitros", "Metros cúbicos"}
                                 << QStringList{"Microlitros (µl)/Milímetros cúbicos (mm³)",
                                                "Mililitros (ml)/Centímetros cúbicos (cm³)",
                                                "Centilitros (cl)",
                                                "Decilitros (dl)",
                                                "Litros (l)/Decímetros cúbicos (dm³)",
                                                "Decalitros (dal³)",
                                                "Hectolitros (hl)",
                                                "Metros cúbicos (m³)/Kilolitros (kl)"};
    }
    void everyUnitShowsItsNames() {
        QFETCH(int, family);
        QFETCH(int, first);
        QFETCH(QStringList, names);
        QFETCH(QStringList, labelled);
        click(control<QRadioButton>(w, numbered("Option", family)));
        const auto count = names.size();
        for (const auto& [label, arrow] :
             {std::pair{control<QLabel>(w, "lblUnidad1"), control<QPushButton>(w, "cmdDerA")},
              std::pair{control<QLabel>(w, "lblUnidad2"), control<QPushButton>(w, "cmdDerB")}}) {
            QStringList shownNames;
            QStringList shownTips;
            for (qsizetype step = 0; step < count; ++step) {
                shownNames << label->text();
                shownTips << label->toolTip();
                click(arrow);
            }
            // Box A opens on the family's "first" unit; read in table order from the unit shown.
            const qsizetype start = names.indexOf(shownNames.first());
            QVERIFY2(start >= 0, qPrintable(shownNames.first()));
            if (label == control<QLabel>(w, "lblUnidad1")) {
                QCOMPARE(start + 1, qsizetype(first));
            }
            QStringList expectedNames = names.mid(start) + names.mid(0, start);
            QStringList expectedTips = labelled.mid(start) + labelled.mid(0, start);
            QCOMPARE(shownNames, expectedNames);
            QCOMPARE(shownTips, expectedTips);
            // All the way round, back where it started.
            QCOMPARE(label->text(), shownNames.first());
        }
    }

    void familiesRememberTheirUnits() {
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "5"));
        click(control<QRadioButton>(w, "Option1"));
        QVERIFY(control<QRadioButton>(w, "Option1")->isChecked());
        QCOMPARE(face(control<QRadioButton>(w, "Option1")), kChosen);
        QCOMPARE(face(control<QRadioButton>(w, "Option2")), kNotChosen);
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Centímetros cuadrados"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Metros cuadrados"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.0005"));
        click(control<QRadioButton>(w, "Option3"));
        QCOMPARE(face(control<QRadioButton>(w, "Option3")), kChosen);
        QCOMPARE(face(control<QRadioButton>(w, "Option1")), kNotChosen);
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Mililitros"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Litros"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->toolTip(),
                 QStringLiteral("Litros (l)/Decímetros cúbicos (dm³)"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.005"));
        for (int i = 0; i < 5; ++i) {
            click(control<QPushButton>(w, "cmdDerA"));
        }
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Hectolitros"));
        click(control<QPushButton>(w, "cmdIzqB"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Decilitros"));
        click(control<QRadioButton>(w, "Option1"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Centímetros cuadrados"));
        click(control<QRadioButton>(w, "Option2"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Centímetros"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Metros"));
        QCOMPARE(face(control<QRadioButton>(w, "Option2")), kChosen);
        QCOMPARE(face(control<QRadioButton>(w, "Option3")), kNotChosen);
        click(control<QRadioButton>(w, "Option3"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Hectolitros"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Decilitros"));
        // The family converts from box B, whose arrow was pressed last: 500 dl in hl.
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("500"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("0.5"));
    }

    void familiesChosenWithTheKeyboard() {
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(control<QRadioButton>(w, "Option2")->hasFocus());
        QTest::keyClick(control<QRadioButton>(w, "Option2"), Qt::Key_Right);
        QVERIFY(control<QRadioButton>(w, "Option1")->isChecked());
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Centímetros cuadrados"));
        // Once the keyboard has left the options, their faces show only which one is chosen.
        QVERIFY(clickInto(control<ConverterBox>(w, "txtCajaA")));
        QCOMPARE(face(control<QRadioButton>(w, "Option1")), kChosen);
        QCOMPARE(face(control<QRadioButton>(w, "Option2")), kNotChosen);
    }

    void typingIsLimitedToFifteenCharacters() {
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "12345678901234567890"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("123456789012345"));
        // In the middle of a full box nothing more is taken.
        placeCursor(control<ConverterBox>(w, "txtCajaA"), 3);
        QTest::keyClicks(control<ConverterBox>(w, "txtCajaA"), "x");
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("123456789012345"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->cursorPosition(), 3);
        // A selection typed over makes room again.
        placeCursor(control<ConverterBox>(w, "txtCajaA"), 0, 2);
        QTest::keyClicks(control<ConverterBox>(w, "txtCajaA"), "-9E");
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("-93456789012345"));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Return);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("-934567890123.45"));
    }

    void pastingIsLimitedToFifteenCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* tag, const char* before, int cursor, const char* pasted,
                            const char* after) {
            QTest::newRow(tag) << QString(before) << cursor << QString(pasted) << QString(after);
        };
        row("into an empty box", "", 0, "12345678901234567890", "123456789012345");
        row("into the middle", "12345", 2, "abcdefghijklmnop", "12abcdefghij345");
        row("at the end", "1.5", 3, "E+2000000000000000", "1.5E+2000000000");
        row("into a full box", "123456789012345", 15, "6", "123456789012345");
        row("what fits", "1", 1, "00000", "100000");
        row("non-ASCII", "", 0, "ñññññññññññññññññññ", "ñññññññññññññññ");
    }
    void pastingIsLimitedToFifteenCharacters() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        ConverterBox* box = control<ConverterBox>(w, "txtCajaB");
        QVERIFY(typeOver(box, before));
        placeCursor(box, cursor);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), after);
        // The context menu's "Pegar" takes the same way.
        QVERIFY(typeOver(box, before));
        placeCursor(box, cursor);
        QVERIFY(zelmora::testing::chooseFromContextMenu(box, QStringLiteral("Pegar")));
        QCOMPARE(box->text(), after);
        QCOMPARE(box->cursorPosition(), after.size() - (before.size() - cursor));
    }

    void longResultsAreShownWhole() {
        QVERIFY(chooseSquareKilometresToMillimetres(w));
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "123456789012345"));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Return);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(),
                 QStringLiteral("1.23456789012345E+26"));
        QVERIFY(showsWhole(control<ConverterBox>(w, "txtCajaB")));
        QVERIFY(control<ConverterBox>(w, "txtCajaB")->font().pointSizeF() < 26.25);
        // The long text converts like any other.
        QVERIFY(enter(control<ConverterBox>(w, "txtCajaB")));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("123456789012345"));
        // The user cannot add to it, but may shorten it.
        QTest::keyClick(control<ConverterBox>(w, "txtCajaB"), Qt::Key_End);
        QTest::keyClicks(control<ConverterBox>(w, "txtCajaB"), "9");
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(),
                 QStringLiteral("1.23456789012345E+26"));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaB"), Qt::Key_Backspace);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(),
                 QStringLiteral("1.23456789012345E+2"));
        QTest::keyClicks(control<ConverterBox>(w, "txtCajaB"), "6");
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(),
                 QStringLiteral("1.23456789012345E+2"));
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaB"), "7"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("7"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->font().pointSizeF(), 26.25);
    }

    // Texts no user can type, written as the converter writes its results.
    void theLongestResultsAreShownWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("centimetres");  // the text in box B, in metres, into box A
        const auto row = [](const char* tag, const char* text, const char* centimetres) {
            QTest::newRow(tag) << QString(text) << QString(centimetres);
        };
        row("21 characters", "-1.23456789012345E+15", "-1.23456789012345E+17");
        row("22 characters", "-1.23456789012345E-100", "-1.23456789012345E-98");
        row("overflow", "Desbordamiento", "Desbordamiento");
        row("fifteen digits", "123456789012345", "1.23456789012345E+16");
    }
    void theLongestResultsAreShownWhole() {
        QFETCH(QString, text);
        QFETCH(QString, centimetres);
        for (ConverterBox* box :
             {control<ConverterBox>(w, "txtCajaA"), control<ConverterBox>(w, "txtCajaB")}) {
            box->writeText(text);
            QCOMPARE(box->text(), text);
            QVERIFY(showsWhole(box));
            QVERIFY(box->font().pointSizeF() >= 14);
        }
        // Converted from, it reads as the number it shows.
        QVERIFY(enter(control<ConverterBox>(w, "txtCajaB")));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), centimetres);
    }

    void overflowShowsTheWord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("base");
        const auto row = [](const char* tag, const char* typed, const char* base) {
            QTest::newRow(tag) << QString(typed) << QString(base);
        };
        row("1E308 square kilometres", "1E308", "Desbordamiento");
        row("second step", "1E300", "1E+306");
        row("1E400 typed", "1E400", "Desbordamiento");
        row("-1E400 typed", "-1E400", "Desbordamiento");
    }
    void overflowShowsTheWord() {
        QFETCH(QString, typed);
        QFETCH(QString, base);
        QVERIFY(chooseSquareKilometresToMillimetres(w));
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), typed));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Return);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), typed);
        QCOMPARE(control<QLabel>(w, "lblSafe")->text(), base);
        // Box B's arrow converts its overflow into box A, never as a 0.
        click(control<QPushButton>(w, "cmdDerB"));
        click(control<QPushButton>(w, "cmdDerB"));
        QCOMPARE(control<QLabel>(w, "lblUnidad2")->text(), QStringLiteral("Decímetros cuadrados"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaA")->text(), QStringLiteral("Desbordamiento"));
        // The window goes on working.
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "2"));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Return);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("200000000"));
    }

    void twoWindowsAreIndependent() {
        QPointer<frmConvert> second = new frmConvert;
        QVERIFY(zelmora::testing::showActive(second));
        // Its box A is active at once: the family converts from it.
        QTest::keyClicks(control<ConverterBox>(second, "txtCajaA"), "7");
        click(control<QRadioButton>(second, "Option3"));
        QCOMPARE(control<ConverterBox>(second, "txtCajaB")->text(), QStringLiteral("0.007"));
        click(control<QPushButton>(second, "cmdDerA"));
        QCOMPARE(control<QLabel>(second, "lblUnidad1")->text(), QStringLiteral("Centilitros"));
        QVERIFY(control<QRadioButton>(w, "Option2")->isChecked());
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Centímetros"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0"));
        QCOMPARE(face(control<QRadioButton>(w, "Option3")), kNotChosen);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(typeOver(control<ConverterBox>(w, "txtCajaA"), "5"));
        QTest::keyClick(control<ConverterBox>(w, "txtCajaA"), Qt::Key_Return);
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.05"));
        QCOMPARE(control<ConverterBox>(second, "txtCajaB")->text(), QStringLiteral("0.07"));
        QCOMPARE(control<ConverterBox>(second, "txtCajaA")->text(), QStringLiteral("7"));
        QVERIFY(second->close());
        QTRY_VERIFY(second.isNull());
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.05"));
        // This window's "Volumen" still remembers Mililitros for box A, not the other's step.
        click(control<QRadioButton>(w, "Option3"));
        QCOMPARE(control<QLabel>(w, "lblUnidad1")->text(), QStringLiteral("Mililitros"));
        QCOMPARE(control<ConverterBox>(w, "txtCajaB")->text(), QStringLiteral("0.005"));
    }

    void closedWindowsFreeThemselves() {
        QVERIFY(zelmora::testing::closedWindowsFreeThemselves<frmConvert>(
            200, [](frmConvert* converter) {
                // Box A's "0" is selected: the 3 replaces it.
                QTest::keyClicks(control<ConverterBox>(converter, "txtCajaA"), "3");
                click(control<QPushButton>(converter, "cmdDerA"));  // 3 dm
                return control<ConverterBox>(converter, "txtCajaA")->text() ==
                           QStringLiteral("3") &&
                       control<ConverterBox>(converter, "txtCajaB")->text() ==
                           QStringLiteral("0.3");
            }));
    }
};

QTEST_MAIN(FrmConvertTest)
#include "tst_frmconvert.moc"
