#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>

#include "calculators/calculatorwindows.h"
#include "calculators/figurepicture.h"
#include "common/basvar.h"
#include "common/windowstyle.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmArea;
using zelmora::testing::accessibleName;
using zelmora::testing::clickOption;
using zelmora::testing::control;
using zelmora::testing::pickFromList;

namespace {

// Counts the Enter keys that reach a widget: a box that consumes them passes none on to its
// parents.
class EnterKeysSeen : public QObject {
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            count += key == Qt::Key_Return || key == Qt::Key_Enter ? 1 : 0;
        }
        return false;
    }
};

}  // namespace

// Drives a real area calculator the way a user does: focus, typing, Enter, the button, the
// unit boxes and the figure column.
class FrmAreaTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    frmArea* w = nullptr;

    QRadioButton* option(int number) const {
        return control<QRadioButton>(w, QStringLiteral("Option%1").arg(number));
    }
    QLineEdit* text(int number) const {
        return control<QLineEdit>(w, QStringLiteral("Text%1").arg(number));
    }
    QLabel* label(const char* name) const { return control<QLabel>(w, QLatin1String(name)); }
    QComboBox* combo(int number) const {
        return control<QComboBox>(w, QStringLiteral("Combo%1").arg(number));
    }
    QLineEdit* answer() const { return control<QLineEdit>(w, QStringLiteral("txtAnswer")); }
    QPushButton* button() const { return control<QPushButton>(w, QStringLiteral("cmdAnswer")); }

    // Types the side of the figure that is chosen and presses Enter.
    void computeSide(const QString& side) {
        QTest::keyClicks(text(1), side);
        QTest::keyClick(text(1), Qt::Key_Return);
    }

  protected:
    void setUpTest() override {
        basVar::Pi = 0;
        w = new frmArea;
        QVERIFY(zelmora::testing::showActive(w));
    }

  private slots:
    void freshWindow() {
        QCOMPARE(w->objectName(), QStringLiteral("frmArea"));
        QCOMPARE(w->windowTitle(), QStringLiteral("CALCULANDO ÁREA"));
        QCOMPARE(w->size(), QSize(377, 297));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(option(1)->isChecked());
        QCOMPARE(label("lblForm")->text(), QStringLiteral("A = L²"));
        QCOMPARE(label("Label1")->text(), QStringLiteral("Lado: (L)"));
        QVERIFY(text(1)->isVisible());
        QVERIFY(!text(2)->isVisible());
        QVERIFY(!text(3)->isVisible());
        QVERIFY(!label("Combo2")->isVisible());
        QCOMPARE(combo(1)->currentText(), QStringLiteral("cm"));
        QCOMPARE(combo(4)->currentText(), QStringLiteral("cm²"));
        QCOMPARE(label("Combo2")->text(), QStringLiteral("cm"));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QVERIFY(answer()->isReadOnly());
        QCOMPARE(button()->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(text(1)->hasFocus());
        QCOMPARE(text(1)->text(), QString());
        QCOMPARE(text(2)->text(), QStringLiteral("0"));
        QCOMPARE(text(3)->text(), QStringLiteral("0"));
        QCOMPARE(basVar::Pi, 3.141592654);
        QCOMPARE(control<zelmora::FigurePicture>(w, QStringLiteral("imgFig"))->picture(),
                 std::optional(zelmora::FigureShape::Square));
        QCOMPARE(text(1)->maxLength(), 12);
        const QImage face = button()->grab().toImage();
        QCOMPARE(face.pixelColor(8, face.height() / 2), QColor(250, 40, 40));
        QCOMPARE(answer()->palette().color(QPalette::Base), QColor(255, 255, 192));
        // Between the figure column and the measures the window's own background shows.
        QCOMPARE(w->grab().toImage().pixelColor(143, 120), QColor(250, 250, 250));
    }

    void boxesNamedForScreenReaders() {
        QCOMPARE(accessibleName(text(1)), QStringLiteral("Lado: (L)"));
        QCOMPARE(accessibleName(answer()), QStringLiteral("Resultado"));
        // On Linux a combo box reports its text as its name; the name set here serves the
        // platforms whose screen readers ask for it.
        QCOMPARE(combo(1)->accessibleName(), QStringLiteral("Unidad de medida"));
        QCOMPARE(combo(4)->accessibleName(), QStringLiteral("Unidad del resultado"));
        clickOption(option(2));
        QCOMPARE(accessibleName(text(2)), QStringLiteral("Altura: (h)"));
        QCOMPARE(control<QWidget>(w, QStringLiteral("imgFig"))->accessibleDescription(),
                 QStringLiteral("Dibujo de un rectángulo"));
    }

    // Tab goes through the window as it reads: each measure and the unit beside it, the button,
    // the answer and its unit, then the chosen figure; and back to the first measure.
    void tabFollowsTheReadingOrder() {
        clickOption(option(5));  // TRAPECIO: every measure box shows
        QVERIFY(text(1)->hasFocus());
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            visited << w->focusWidget()->objectName();
            if (text(1)->hasFocus()) {
                break;
            }
        }
        QCOMPARE(visited, QStringList({"Combo1", "Text2", "Text3", "cmdAnswer", "txtAnswer",
                                       "Combo4", "Option5", "Text1"}));
    }

    // A figure option is heard as its caption and its state; its tool tip is its description only
    // where it says more than the caption.
    void figureOptionsAreHeardOnce_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("CUADRADO") << 1 << "";
        QTest::newRow("POLÍGONO REG.") << 6 << "POLÍGONO REGULAR";
    }
    void figureOptionsAreHeardOnce() {
        QFETCH(int, number);
        QFETCH(QString, description);
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(option(number));
        QCOMPARE(heard->role(), QAccessible::RadioButton);
        QCOMPARE(heard->text(QAccessible::Name), option(number)->text());
        QCOMPARE(heard->text(QAccessible::Description), description);
        QCOMPARE(bool(heard->state().checked), number == 1);
        QVERIFY(heard->actionInterface() != nullptr);
        heard->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(option(number)->isChecked());
        QVERIFY(heard->state().checked);
    }

    void enterInAOneMeasureFigureComputes() {
        computeSide(QStringLiteral("3"));
        QCOMPARE(answer()->text(), QStringLiteral("9"));
        QCOMPARE(text(1)->text(), QStringLiteral("3"));
        QCOMPARE(button()->text(), QStringLiteral("Limpiar"));
        QVERIFY(!text(1)->isEnabled());
        QVERIFY(!text(2)->isEnabled());
        QVERIFY(button()->hasFocus());
        // Enter on the button clears for the next figure.
        QTest::keyClick(button(), Qt::Key_Return);
        QCOMPARE(button()->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(text(1)->isEnabled());
        QVERIFY(text(1)->hasFocus());
        QCOMPARE(text(1)->text(), QString());
        QCOMPARE(answer()->text(), QStringLiteral("0"));
    }

    void enterMovesThroughTheVisibleBoxes() {
        EnterKeysSeen passedOn;
        w->installEventFilter(&passedOn);
        clickOption(option(5));  // TRAPECIO: three measures
        QVERIFY(text(1)->hasFocus());
        QTest::keyClicks(text(1), "5");
        QTest::keyClick(text(1), Qt::Key_Enter);
        QVERIFY(text(2)->hasFocus());
        QCOMPARE(text(2)->text(), QString());
        QCOMPARE(text(1)->text(), QStringLiteral("5"));
        QTest::keyClicks(text(2), "3");
        QTest::keyClick(text(2), Qt::Key_Return);
        QVERIFY(text(3)->hasFocus());
        QCOMPARE(button()->text(), QStringLiteral("Ver Resultado"));
        QTest::keyClicks(text(3), "2");
        QTest::keyClick(text(3), Qt::Key_Return);
        QCOMPARE(answer()->text(), QStringLiteral("8"));
        QCOMPARE(button()->text(), QStringLiteral("Limpiar"));
        // Each box took its Enter for itself: none reached the window.
        QCOMPARE(passedOn.count, 0);
        w->removeEventFilter(&passedOn);
    }

    void enterInTheSecondOfTwoBoxesComputes() {
        clickOption(option(2));  // RECTÁNGULO
        computeSide(QStringLiteral("3"));
        QVERIFY(text(2)->hasFocus());
        QTest::keyClicks(text(2), "4");
        QTest::keyClick(text(2), Qt::Key_Return);
        QCOMPARE(answer()->text(), QStringLiteral("12"));
    }

    void emptyBoxWithTheFocusReadsAsZero() {
        clickOption(option(2));
        QTest::keyClick(text(1), Qt::Key_Return);  // Text1 left empty: shows "0" again
        QCOMPARE(text(1)->text(), QStringLiteral("0"));
        QTest::keyClick(text(2), Qt::Key_Return);
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QCOMPARE(text(2)->text(), QStringLiteral("0"));
    }

    void theButtonComputesAndClears() {
        QTest::keyClicks(text(1), "2.5");
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(answer()->text(), QStringLiteral("6.25"));
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QCOMPARE(text(1)->text(), QString());
        QVERIFY(text(1)->hasFocus());
        // Nothing of the cleared answer is kept to be converted.
        QVERIFY(pickFromList(combo(4), QStringLiteral("mm²")));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
    }

    void commaEndsTheNumber() {
        computeSide(QStringLiteral("2,5"));
        QCOMPARE(answer()->text(), QStringLiteral("4"));
    }

    void lettersReadAsZero() {
        computeSide(QStringLiteral("abc"));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QCOMPARE(text(1)->text(), QStringLiteral("abc"));
    }

    void focusEmptiesAndRefillsZero() {
        clickOption(option(2));
        QTest::mouseClick(text(2), Qt::LeftButton);
        QVERIFY(text(2)->hasFocus());
        QCOMPARE(text(2)->text(), QString());
        QTest::mouseClick(text(1), Qt::LeftButton);
        QVERIFY(text(1)->hasFocus());
        QCOMPARE(text(2)->text(), QStringLiteral("0"));
        QTest::mouseClick(text(2), Qt::LeftButton);
        QTest::keyClicks(text(2), "0.0");
        QTest::mouseClick(text(1), Qt::LeftButton);
        QVERIFY(text(1)->hasFocus());
        QCOMPARE(text(2)->text(), QStringLiteral("0.0"));
        // Tab moves on like any focus change, to the unit beside the box.
        QTest::keyClick(text(1), Qt::Key_Tab);
        QVERIFY(combo(1)->hasFocus());
        QCOMPARE(text(1)->text(), QStringLiteral("0"));
    }

    void answerUnitConvertsTheSameValue() {
        computeSide(QStringLiteral("3"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("m²")));
        QCOMPARE(answer()->text(), QStringLiteral("0.0009"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("mm²")));
        QCOMPARE(answer()->text(), QStringLiteral("900"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("km²")));
        QCOMPARE(answer()->text(), QStringLiteral("9E-10"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("cm²")));
        QCOMPARE(answer()->text(), QStringLiteral("9"));
    }

    void measureUnitConvertsAgainWithoutRecomputing() {
        computeSide(QStringLiteral("2"));
        QCOMPARE(answer()->text(), QStringLiteral("4"));
        QVERIFY(pickFromList(combo(1), QStringLiteral("m")));
        QCOMPARE(combo(4)->currentText(), QStringLiteral("m²"));
        QCOMPARE(label("Combo2")->text(), QStringLiteral("m"));
        QCOMPARE(answer()->text(), QStringLiteral("4"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("cm²")));
        QCOMPARE(answer()->text(), QStringLiteral("40000"));
    }

    // The measure unit chooses its own answer unit, which may be the one already chosen or
    // another; either way the answer is converted again into it.
    void measureUnitConvertsTheShownAnswer_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("measureUnit");
        QTest::addColumn<QString>("inSquareMetres");
        QTest::addColumn<QString>("answerUnit");
        QTest::addColumn<QString>("converted");
        QTest::newRow("answer unit already chosen") << "3"
                                                    << "m"
                                                    << "0.0009"
                                                    << "m²"
                                                    << "9";
        QTest::newRow("another answer unit") << "2"
                                             << "km"
                                             << "0.0004"
                                             << "km²"
                                             << "4";
    }
    void measureUnitConvertsTheShownAnswer() {
        QFETCH(QString, side);
        QFETCH(QString, measureUnit);
        QFETCH(QString, inSquareMetres);
        QFETCH(QString, answerUnit);
        QFETCH(QString, converted);
        computeSide(side);
        QVERIFY(pickFromList(combo(4), QStringLiteral("m²")));
        QCOMPARE(answer()->text(), inSquareMetres);
        QVERIFY(pickFromList(combo(1), measureUnit));
        QCOMPARE(combo(4)->currentText(), answerUnit);
        QCOMPARE(answer()->text(), converted);
    }

    void unitsShowZeroWhileEntering() {
        QVERIFY(pickFromList(combo(4), QStringLiteral("mm²")));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QVERIFY(pickFromList(combo(1), QStringLiteral("km")));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QCOMPARE(button()->text(), QStringLiteral("Ver Resultado"));
    }

    void choosingAFigureClearsButKeepsUnits() {
        QVERIFY(pickFromList(combo(1), QStringLiteral("m")));
        QTest::mouseClick(text(1), Qt::LeftButton);
        computeSide(QStringLiteral("3"));
        QCOMPARE(answer()->text(), QStringLiteral("9"));
        clickOption(option(9));  // ROMBOIDE
        QVERIFY(option(9)->isChecked());
        QCOMPARE(button()->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(text(1)->isEnabled());
        QVERIFY(text(1)->hasFocus());
        QCOMPARE(text(1)->text(), QString());
        QCOMPARE(text(2)->text(), QStringLiteral("0"));
        QVERIFY(text(2)->isVisible());
        QCOMPARE(label("Label2")->text(), QStringLiteral("Altura: (h)"));
        QCOMPARE(label("lblForm")->text(), QStringLiteral("A = b * h"));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QCOMPARE(combo(1)->currentText(), QStringLiteral("m"));
        QCOMPARE(combo(4)->currentText(), QStringLiteral("m²"));
        // The old figure's answer is gone: no unit converts it back.
        QVERIFY(pickFromList(combo(4), QStringLiteral("cm²")));
        QCOMPARE(answer()->text(), QStringLiteral("0"));
    }

    // Whatever chooses the figure, the student then types its measures: the first box has the
    // focus and is empty.
    void everyWayOfChoosingAFigureLeavesTheFirstBoxReady_data() {
        QTest::addColumn<int>("from");  // the option the arrow key is pressed on
        QTest::addColumn<int>("key");   // none: a click on RECTÁNGULO's mark
        QTest::newRow("click") << 1 << 0;
        QTest::newRow("Down from CUADRADO") << 1 << int(Qt::Key_Down);
        QTest::newRow("Up from TRIÁNGULO") << 3 << int(Qt::Key_Up);
    }
    void everyWayOfChoosingAFigureLeavesTheFirstBoxReady() {
        QFETCH(int, from);
        QFETCH(int, key);
        if (key == 0) {
            clickOption(option(2));
        } else {
            clickOption(option(from));
            QVERIFY(zelmora::testing::tabTo(option(from)));
            QTest::keyClick(option(from), static_cast<Qt::Key>(key));
        }
        QVERIFY(option(2)->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(text(1)->hasFocus(), 2000);
        QCOMPARE(text(1)->text(), QString());
        QTest::keyClicks(text(1), "3");
        QTest::keyClick(text(1), Qt::Key_Return);
        QTest::keyClicks(text(2), "4");
        QTest::keyClick(text(2), Qt::Key_Return);
        QCOMPARE(answer()->text(), QStringLiteral("12"));
    }

    void labelsKeepTheirOldCaptionWhenUnused() {
        clickOption(option(5));  // sets Label3 "Altura: (h)"
        clickOption(option(1));
        QCOMPARE(label("Label3")->text(), QStringLiteral("Altura: (h)"));
        QVERIFY(!label("Label3")->isVisible());
    }

    void piIsReadWhenTheAnswerIsComputed() {
        clickOption(option(7));  // CÍRCULO
        computeSide(QStringLiteral("1"));
        QCOMPARE(answer()->text(), QStringLiteral("3.141592654"));
        basVar::Pi = 3.1415927;
        QTest::mouseClick(button(), Qt::LeftButton);
        computeSide(QStringLiteral("1"));
        QCOMPARE(answer()->text(), QStringLiteral("3.1415927"));
        // Opening another calculator resets pi for every open one.
        frmArea other;
        QCOMPARE(basVar::Pi, 3.141592654);
    }

    void overflowShowsTheWordAndKeepsTheAnswer() {
        QTest::keyClicks(text(1), "1E150");
        QVERIFY(pickFromList(combo(1), QStringLiteral("km")));
        QTest::mouseClick(text(1), Qt::LeftButton);
        QTest::keyClick(text(1), Qt::Key_Return);
        QCOMPARE(answer()->text(), QStringLiteral("1E+300"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("mm²")));
        QCOMPARE(answer()->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(button()->text(), QStringLiteral("Limpiar"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("km²")));
        QCOMPARE(answer()->text(), QStringLiteral("1E+300"));
    }

    // Once the answer shows, the disabled measures still read clearly against their background,
    // in a grey that tells them from the enabled black.
    void disabledMeasuresStayReadable() {
        clickOption(option(5));  // TRAPECIO
        for (int number = 1; number <= 3; ++number) {
            QTest::keyClicks(text(number), "8");
            QTest::keyClick(text(number), Qt::Key_Return);
        }
        QCOMPARE(button()->text(), QStringLiteral("Limpiar"));
        for (int number = 1; number <= 3; ++number) {
            QVERIFY(!text(number)->isEnabled());
            const QImage shown = text(number)->grab().toImage();
            const QColor background = shown.pixelColor(4, shown.height() / 2);
            QColor darkest = background;
            for (int y = 3; y < shown.height() - 3; ++y) {
                for (int x = 3; x < shown.width() - 3; ++x) {
                    const QColor pixel = shown.pixelColor(x, y);
                    if (pixel.lightnessF() < darkest.lightnessF()) {
                        darkest = pixel;
                    }
                }
            }
            const double contrast = zelmora::contrastRatio(darkest, background);
            QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
            QVERIFY2(zelmora::contrastRatio(darkest, Qt::black) >= 2, qPrintable(darkest.name()));
        }
    }

    void overflowingMeasuresAndResults_data() {
        QTest::addColumn<QString>("side");
        QTest::newRow("square of 1E200") << "1E200";
        QTest::newRow("typed beyond a double") << "1E400";
        QTest::newRow("negative beyond a double") << "-1E400";
        QTest::newRow("hexadecimal beyond 32 bits") << "&HFFFFFFFFFF";
    }
    void overflowingMeasuresAndResults() {
        QFETCH(QString, side);
        computeSide(side);
        QCOMPARE(answer()->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(button()->text(), QStringLiteral("Limpiar"));
        QVERIFY(pickFromList(combo(4), QStringLiteral("m²")));
        QCOMPARE(answer()->text(), QStringLiteral("Desbordamiento"));
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(answer()->text(), QStringLiteral("0"));
    }

    void closedWindowsFreeThemselves() {
        QVERIFY(
            zelmora::testing::closedWindowsFreeThemselves<frmArea>(300, [](frmArea* calculator) {
                QTest::keyClicks(control<QLineEdit>(calculator, QStringLiteral("Text1")), "7");
                QTest::mouseClick(control<QPushButton>(calculator, QStringLiteral("cmdAnswer")),
                                  Qt::LeftButton);
                return control<QLineEdit>(calculator, QStringLiteral("txtAnswer"))->text() ==
                       QStringLiteral("49");
            }));
    }
};

QTEST_MAIN(FrmAreaTest)
#include "tst_frmarea.moc"
