#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calculators/calculatorwindows.h"
#include "tests/support/calculatorform.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmVolumen;
using zelmora::testing::clickOption;
using zelmora::testing::control;
using zelmora::testing::pickFromList;
using zelmora::testing::typeOver;

using zelmora::testing::calculator::compute;

// The volume calculator, whose answer-unit box can be typed into and is written without choosing
// an item.
class FrmVolumenTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    frmVolumen* w = nullptr;

  protected:
    void setUpTest() override {
        w = new frmVolumen;
        QVERIFY(zelmora::testing::showActive(w));
    }

  private slots:
    void freshVolumeWindowWritesTheUnitWithoutChoosingIt() {
        QCOMPARE(w->windowTitle(), QStringLiteral("CALCULANDO VOLUMEN"));
        QVERIFY(control<QComboBox>(w, "Combo4")->isEditable());
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), QStringLiteral("cm³"));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentIndex(), -1);
        QCOMPARE(control<QComboBox>(w, "Combo4")->count(), 4);
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLabel>(w, "Combo2")->text(), QStringLiteral("cm"));
    }

    void choosingItemsConverts() {
        compute(w, QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("m³")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8E-06"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("cm³")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8"));
    }

    void measureUnitWritesTextAndLeavesTheAnswer() {
        compute(w, QStringLiteral("2"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), QStringLiteral("m")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8"));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), QStringLiteral("m³"));
        QCOMPARE(control<QLabel>(w, "Combo2")->text(), QStringLiteral("m"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("cm³")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8000000"));
    }

    void choosingTheCurrentItemAgainConverts() {
        compute(w, QStringLiteral("2"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("mm³")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8000"));
        // The measure unit writes "m³" over the chosen "mm³"; choosing "mm³" again converts from
        // the new measure unit.
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo1"), QStringLiteral("m")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8000"));
        QVERIFY(pickFromList(control<QComboBox>(w, "Combo4"), QStringLiteral("mm³")));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8000000000"));
    }

    void typingConvertsNothingAndAddsNoItem_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("a word") << "litros"
                                << "8";
        QTest::newRow("trailing blank") << "mm³ "
                                        << "8";
        QTest::newRow("another case") << "MM³"
                                      << "8";
        QTest::newRow("the start of two items") << "m"
                                                << "8";
        QTest::newRow("an item's text") << "mm³"
                                        << "8000";
    }
    void typingConvertsNothingAndAddsNoItem() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        auto* button = control<QPushButton>(w, QStringLiteral("cmdAnswer"));
        compute(w, QStringLiteral("2"));
        QVERIFY(typeOver(control<QComboBox>(w, "Combo4")->lineEdit(), typed));
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), typed);
        QVERIFY(!control<QComboBox>(w, "Combo4")->lineEdit()->hasSelectedText());
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8"));
        // Enter and leaving the box convert nothing either, and add nothing to the list.
        QTest::keyClick(control<QComboBox>(w, "Combo4")->lineEdit(), Qt::Key_Return);
        QTest::keyClick(control<QComboBox>(w, "Combo4")->lineEdit(), Qt::Key_Backtab);
        QVERIFY(!control<QComboBox>(w, "Combo4")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("8"));
        QCOMPARE(control<QComboBox>(w, "Combo4")->count(), 4);
        // The next computation compares the typed text with the units exactly.
        QTest::mouseClick(button, Qt::LeftButton);
        compute(w, QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), answer);
        QCOMPARE(control<QComboBox>(w, "Combo4")->currentText(), typed);
        QCOMPARE(control<QComboBox>(w, "Combo4")->count(), 4);
    }

    void figureChoiceShowsItsBoxes() {
        clickOption(control<QRadioButton>(w, "Option3"));  // PRISMA
        QVERIFY(control<QLineEdit>(w, "Text2")->isVisible());
        QVERIFY(control<QLabel>(w, "Combo2")->isVisible());
        QVERIFY(!control<QLineEdit>(w, "Text3")->isVisible());
        QVERIFY(!control<QLabel>(w, "Combo3")->isVisible());
        QCOMPARE(control<QLabel>(w, "Label1")->text(), QStringLiteral("Área (Base): (Ab)"));
        clickOption(control<QRadioButton>(w, "Option7"));  // ESFERA
        QVERIFY(!control<QLineEdit>(w, "Text2")->isVisible());
        QVERIFY(!control<QLabel>(w, "Combo2")->isVisible());
        compute(w, QStringLiteral("1"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("4.18879020533333"));
    }

    void overflowShowsTheWord() {
        clickOption(control<QRadioButton>(w, "Option8"));  // OCTAEDRO REG.
        compute(w, QStringLiteral("1E200"));
        QCOMPARE(control<QLineEdit>(w, "txtAnswer")->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(control<QPushButton>(w, QStringLiteral("cmdAnswer"))->text(),
                 QStringLiteral("Limpiar"));
    }
};

QTEST_MAIN(FrmVolumenTest)
#include "tst_frmvolumen.moc"
