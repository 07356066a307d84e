#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <utility>

#include "calculators/calculatorwindows.h"
#include "calculators/figurepicture.h"
#include "common/basvar.h"
#include "common/windowstyle.h"
#include "tests/support/popupmenu.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmArea;
using zelmora::testing::accessibleName;
using zelmora::testing::clickOption;
using zelmora::testing::control;
using zelmora::testing::numbered;
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

    // Types the side of the figure that is chosen and presses Enter.
    void computeSide(const QString& side) {
        QTest::keyClicks(control<QLineEdit>(w, "Text1"), side);
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
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
        QVERIFY(control<QRadioButton>(w, "Option1")->isChecked());
        QCOMPARE(control<QLabel>(w, "lblForm")->text(), QStringLiteral("A = L²"));
        QCOMPARE(control<QLabel>(w, "Label1")->text(), QStringLiteral("Lado: (L)"));
        QVERIFY(control<QLineEdit>(w, "Text1")->isVisible());
        QVERIFY(!control<QLineEdit>(w, "Text2")->isVisible());
        QVERIFY(!control<QLineEdit>(w, "Text3")->isVisible());
        QVERIFY(!control<QLabel>(w, "Combo2")->isVisible());
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("cm"));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), QStringLiteral("cm²"));
        QCOMPARE(control<QLabel>(w, "Combo2")->text(), QStringLiteral("cm"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QVERIFY(control<QLineEdit>(w, "txtAnswer")->isReadOnly());
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QString());
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(w, "Text3")->text(), QStringLiteral("0"));
        QCOMPARE(basVar::Pi, 3.141592654);
        QCOMPARE(control<zelmora::FigurePicture>(w, QStringLiteral("imgFig"))->picture(),
                 std::optional(zelmora::FigureShape::Square));
        QCOMPARE(control<QLineEdit>(w, "Text1")->maxLength(), 12);
        const QImage face = control<QPushButton>(w, "cmdAnswer")->grab().toImage();
        QCOMPARE(face.pixelColor(8, face.height() / 2), QColor(250, 40, 40));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->palette().color(QPalette::Base),
                 QColor(255, 255, 192));
        // Between the figure column and the measures the window's own background shows.
        QCOMPARE(w->grab().toImage().pixelColor(143, 120), QColor(250, 250, 250));
    }

    void boxesNamedForScreenReaders() {
        QCOMPARE(accessibleName(control<QLineEdit>(w, "Text1")), QStringLiteral("Lado: (L)"));
        QCOMPARE(accessibleName(control<QLineEdit>(w, "txtAnswer")), QStringLiteral("Resultado"));
        // On Linux a combo box reports its text as its name; the name set here serves the
        // platforms whose screen readers ask for it.
        QCOMPARE(control<QComboBox>(w, "Combo1")->accessibleName(),
                 QStringLiteral("Unidad de medida"));
        QCOMPARE(control<QComboBox>(w, "Combo4")->accessibleName(),
                 QStringLiteral("Unidad del resultado"));
        // A screen reader takes a unit box's purpose from the label related to it, which never
        // shows.
        for (const auto& [name, purpose] : {std::pair{"Combo1", "Unidad de medida"},
                                            std::pair{"Combo4", "Unidad del resultado"}}) {
            const auto related = QAccessible::queryAccessibleInterface(control(w, name))
                                     ->relations(QAccessible::Label);
            QCOMPARE(related.size(), 1);
            auto* label = qobject_cast<QLabel*>(related.first().first->object());
            QVERIFY(label != nullptr);
            QCOMPARE(label->text(), QString::fromUtf8(purpose));
            QVERIFY(label->isHidden());
        }
        clickOption(control<QRadioButton>(w, "Option2"));
        QCOMPARE(accessibleName(control<QLineEdit>(w, "Text2")), QStringLiteral("Altura: (h)"));
        QCOMPARE(control<QWidget>(w, QStringLiteral("imgFig"))->accessibleDescription(),
                 QStringLiteral("Dibujo de un rectángulo"));
    }

    // Tab goes through the window as it reads: each measure and the unit beside it, the button,
    // the answer and its unit, then the chosen figure; and back to the first measure.
    void tabFollowsTheReadingOrder() {
        clickOption(control<QRadioButton>(w, "Option5"));  // TRAPECIO: every measure box shows
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            visited << w->focusWidget()->objectName();
            if (control<QLineEdit>(w, "Text1")->hasFocus()) {
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
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(
            control<QRadioButton>(w, numbered("Option", number)));
        QCOMPARE(heard->role(), QAccessible::RadioButton);
        QCOMPARE(heard->text(QAccessible::Name),
                 control<QRadioButton>(w, numbered("Option", number))->text());
        QCOMPARE(heard->text(QAccessible::Description), description);
        QCOMPARE(bool(heard->state().checked), number == 1);
        QVERIFY(heard->actionInterface() != nullptr);
        heard->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(control<QRadioButton>(w, numbered("Option", number))->isChecked());
        QVERIFY(heard->state().checked);
    }

    void enterInAOneMeasureFigureComputes() {
        computeSide(QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("9"));
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("3"));
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Limpiar"));
        QVERIFY(!control<QLineEdit>(w, "Text1")->isEnabled());
        QVERIFY(!control<QLineEdit>(w, "Text2")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdAnswer")->hasFocus());
        // Enter on the button clears for the next figure.
        QTest::keyClick(control<QPushButton>(w, "cmdAnswer"), Qt::Key_Return);
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(control<QLineEdit>(w, "Text1")->isEnabled());
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QString());
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
    }

    void enterMovesThroughTheVisibleBoxes() {
        EnterKeysSeen passedOn;
        w->installEventFilter(&passedOn);
        clickOption(control<QRadioButton>(w, "Option5"));  // TRAPECIO: three measures
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QTest::keyClicks(control<QLineEdit>(w, "Text1"), "5");
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Enter);
        QVERIFY(control<QLineEdit>(w, "Text2")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QString());
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("5"));
        QTest::keyClicks(control<QLineEdit>(w, "Text2"), "3");
        QTest::keyClick(control<QLineEdit>(w, "Text2"), Qt::Key_Return);
        QVERIFY(control<QLineEdit>(w, "Text3")->hasFocus());
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Ver Resultado"));
        QTest::keyClicks(control<QLineEdit>(w, "Text3"), "2");
        QTest::keyClick(control<QLineEdit>(w, "Text3"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8"));
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Limpiar"));
        // Each box took its Enter for itself: none reached the window.
        QCOMPARE(passedOn.count, 0);
        w->removeEventFilter(&passedOn);
    }

    void enterInTheSecondOfTwoBoxesComputes() {
        clickOption(control<QRadioButton>(w, "Option2"));  // RECTÁNGULO
        computeSide(QStringLiteral("3"));
        QVERIFY(control<QLineEdit>(w, "Text2")->hasFocus());
        QTest::keyClicks(control<QLineEdit>(w, "Text2"), "4");
        QTest::keyClick(control<QLineEdit>(w, "Text2"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("12"));
    }

    void emptyBoxWithTheFocusReadsAsZero() {
        clickOption(control<QRadioButton>(w, "Option2"));
        QTest::keyClick(control<QLineEdit>(w, "Text1"),
                        Qt::Key_Return);  // Text1 left empty: shows "0" again
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("0"));
        QTest::keyClick(control<QLineEdit>(w, "Text2"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QStringLiteral("0"));
    }

    void theButtonComputesAndClears() {
        QTest::keyClicks(control<QLineEdit>(w, "Text1"), "2.5");
        QTest::mouseClick(control<QPushButton>(w, "cmdAnswer"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("6.25"));
        QTest::mouseClick(control<QPushButton>(w, "cmdAnswer"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QString());
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        // Nothing of the cleared answer is kept to be converted.
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("mm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
    }

    void commaEndsTheNumber() {
        computeSide(QStringLiteral("2,5"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("4"));
    }

    void lettersReadAsZero() {
        computeSide(QStringLiteral("abc"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("abc"));
    }

    void focusEmptiesAndRefillsZero() {
        clickOption(control<QRadioButton>(w, "Option2"));
        QTest::mouseClick(control<QLineEdit>(w, "Text2"), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(w, "Text2")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QString());
        QTest::mouseClick(control<QLineEdit>(w, "Text1"), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QStringLiteral("0"));
        QTest::mouseClick(control<QLineEdit>(w, "Text2"), Qt::LeftButton);
        QTest::keyClicks(control<QLineEdit>(w, "Text2"), "0.0");
        QTest::mouseClick(control<QLineEdit>(w, "Text1"), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QStringLiteral("0.0"));
        // Tab moves on like any focus change, to the unit beside the box.
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Tab);
        QVERIFY(control<QComboBox>(w, "Combo1")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("0"));
    }

    void answerUnitConvertsTheSameValue() {
        computeSide(QStringLiteral("3"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("m²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0.0009"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("mm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("900"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("km²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("9E-10"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("cm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("9"));
    }

    void measureUnitConvertsAgainWithoutRecomputing() {
        computeSide(QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("4"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), QStringLiteral("m")));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), QStringLiteral("m²"));
        QCOMPARE(control<QLabel>(w, "Combo2")->text(), QStringLiteral("m"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("4"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("cm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("40000"));
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
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("m²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), inSquareMetres);
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), measureUnit));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), answerUnit);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), converted);
    }

    void unitsShowZeroWhileEntering() {
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("mm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), QStringLiteral("km")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Ver Resultado"));
    }

    void choosingAFigureClearsButKeepsUnits() {
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), QStringLiteral("m")));
        QTest::mouseClick(control<QLineEdit>(w, "Text1"), Qt::LeftButton);
        computeSide(QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("9"));
        clickOption(control<QRadioButton>(w, "Option9"));  // ROMBOIDE
        QVERIFY(control<QRadioButton>(w, "Option9")->isChecked());
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(control<QLineEdit>(w, "Text1")->isEnabled());
        QVERIFY(control<QLineEdit>(w, "Text1")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QString());
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QStringLiteral("0"));
        QVERIFY(control<QLineEdit>(w, "Text2")->isVisible());
        QCOMPARE(control<QLabel>(w, "Label2")->text(), QStringLiteral("Altura: (h)"));
        QCOMPARE(control<QLabel>(w, "lblForm")->text(), QStringLiteral("A = b * h"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("m"));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), QStringLiteral("m²"));
        // The old figure's answer is gone: no unit converts it back.
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("cm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
    }

    void choosingTheChosenFigureAgainKeepsTheMeasures() {
        clickOption(control<QRadioButton>(w, "Option2"));  // RECTÁNGULO
        QTest::keyClicks(control<QLineEdit>(w, "Text1"), "3");
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
        QTest::keyClicks(control<QLineEdit>(w, "Text2"), "4");
        clickOption(control<QRadioButton>(w, "Option2"));
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(w, "Text2")->text(), QStringLiteral("4"));
        QTest::keyClick(control<QLineEdit>(w, "Text2"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("12"));
    }

    // The box's own menu is no leaving of the box: its emptied "0" does not come back.
    void contextMenuDoesNotLeaveTheBox() {
        clickOption(control<QRadioButton>(w, "Option2"));
        auto* text2 = control<QLineEdit>(w, "Text2");
        QVERIFY(zelmora::testing::clickInto(text2));
        QCOMPARE(text2->text(), QString());
        QMenu* menu = zelmora::testing::openContextMenu(text2);
        QVERIFY(menu != nullptr);
        QCOMPARE(text2->text(), QString());
        menu->close();
        QTRY_VERIFY(text2->hasFocus());
        QCOMPARE(text2->text(), QString());
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
            clickOption(control<QRadioButton>(w, "Option2"));
        } else {
            clickOption(control<QRadioButton>(w, numbered("Option", from)));
            QVERIFY(zelmora::testing::tabTo(control<QRadioButton>(w, numbered("Option", from))));
            QTest::keyClick(control<QRadioButton>(w, numbered("Option", from)),
                            static_cast<Qt::Key>(key));
        }
        QVERIFY(control<QRadioButton>(w, "Option2")->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(control<QLineEdit>(w, "Text1")->hasFocus(), 2000);
        QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QString());
        QTest::keyClicks(control<QLineEdit>(w, "Text1"), "3");
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
        QTest::keyClicks(control<QLineEdit>(w, "Text2"), "4");
        QTest::keyClick(control<QLineEdit>(w, "Text2"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("12"));
    }

    void labelsKeepTheirOldCaptionWhenUnused() {
        clickOption(control<QRadioButton>(w, "Option5"));  // sets Label3 "Altura: (h)"
        clickOption(control<QRadioButton>(w, "Option1"));
        QCOMPARE(control<QLabel>(w, "Label3")->text(), QStringLiteral("Altura: (h)"));
        QVERIFY(!control<QLabel>(w, "Label3")->isVisible());
    }

    void piIsReadWhenTheAnswerIsComputed() {
        clickOption(control<QRadioButton>(w, "Option7"));  // CÍRCULO
        computeSide(QStringLiteral("1"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("3.141592654"));
        basVar::Pi = 3.1415927;
        QTest::mouseClick(control<QPushButton>(w, "cmdAnswer"), Qt::LeftButton);
        computeSide(QStringLiteral("1"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("3.1415927"));
        // Opening another calculator resets pi for every open one.
        frmArea other;
        QCOMPARE(basVar::Pi, 3.141592654);
    }

    void overflowShowsTheWordAndKeepsTheAnswer() {
        QTest::keyClicks(control<QLineEdit>(w, "Text1"), "1E150");
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), QStringLiteral("km")));
        QTest::mouseClick(control<QLineEdit>(w, "Text1"), Qt::LeftButton);
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("1E+300"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("mm²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Limpiar"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("km²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("1E+300"));
    }

    // Once the answer shows, the disabled measures still read clearly against their background,
    // in a grey that tells them from the enabled black.
    void disabledMeasuresStayReadable() {
        clickOption(control<QRadioButton>(w, "Option5"));  // TRAPECIO
        for (int number = 1; number <= 3; ++number) {
            QTest::keyClicks(control<QLineEdit>(w, numbered("Text", number)), "8");
            QTest::keyClick(control<QLineEdit>(w, numbered("Text", number)), Qt::Key_Return);
        }
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Limpiar"));
        for (int number = 1; number <= 3; ++number) {
            QVERIFY(!control<QLineEdit>(w, numbered("Text", number))->isEnabled());
            const QImage shown = control<QLineEdit>(w, numbered("Text", number))->grab().toImage();
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
        // One grey for every disabled text, legible on every background of the palette.
        const QPalette palette = QApplication::palette();
        for (const QPalette::ColorRole text :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
            QCOMPARE(palette.color(QPalette::Disabled, text), QColor(100, 100, 100));
        }
        for (const QPalette::ColorRole background :
             {QPalette::Window, QPalette::Base, QPalette::Button}) {
            const QColor behind = palette.color(QPalette::Disabled, background);
            QVERIFY2(zelmora::contrastRatio(QColor(100, 100, 100), behind) >= 4.5,
                     qPrintable(behind.name()));
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
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(control<QPushButton>(w, "cmdAnswer")->text(), QStringLiteral("Limpiar"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("m²")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("Desbordamiento"));
        QTest::mouseClick(control<QPushButton>(w, "cmdAnswer"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
    }

    // The widest answers the number text writes, and the widest measures a student can type,
    // each shown from its first character to its last.
    void longTextsShowWhole_data() {
        QTest::addColumn<int>("figure");
        QTest::addColumn<QStringList>("measures");
        QTest::addColumn<QString>("answer");
        QTest::newRow("square of 123456789012")
            << 1 << QStringList{"123456789012"} << "1.52415787531535E+22";
        QTest::newRow("negative rectangle")
            << 2 << QStringList{"-12345678901", "98765432109"} << "-1.21932631133623E+21";
        QTest::newRow("overflow") << 1 << QStringList{"1E400"} << "Desbordamiento";
    }
    void longTextsShowWhole() {
        QFETCH(int, figure);
        QFETCH(QStringList, measures);
        QFETCH(QString, answer);
        clickOption(control<QRadioButton>(w, numbered("Option", figure)));
        for (int i = 0; i < measures.size(); ++i) {
            auto* box = control<QLineEdit>(w, numbered("Text", i + 1));
            QVERIFY(zelmora::testing::typeOver(box, measures[i]));
            QTest::keyClick(box, Qt::Key_Return);
        }
        auto* shown = control<QLineEdit>(w, "txtAnswer");
        QCOMPARE(shown->text(), answer);
        QVERIFY2(zelmora::testing::showsWhole(shown), qPrintable(shown->text()));
        for (int i = 0; i < measures.size(); ++i) {
            QVERIFY2(zelmora::testing::showsWhole(control<QLineEdit>(w, numbered("Text", i + 1))),
                     qPrintable(measures[i]));
        }
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
