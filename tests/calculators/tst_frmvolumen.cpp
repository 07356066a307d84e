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

using namespace zelmora::testing::calculator;

// The volume calculator, whose answer-unit box can be typed into and is written without choosing
// an item.
class FrmVolumenTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    frmVolumen* w = nullptr;

    QLineEdit* answer() const { return box(w, "txtAnswer"); }
    QComboBox* answerUnit() const { return combo(w, "Combo4"); }

    void typeAnswerUnit(const QString& text) {
        QLineEdit* typed = answerUnit()->lineEdit();
        QTest::mouseClick(typed, Qt::LeftButton);
        QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
        zelmora::testing::typeText(typed, text);
    }

  protected:
    void setUpTest() override {
        w = new frmVolumen;
        QVERIFY(zelmora::testing::showActive(w));
    }

  private slots:
    void freshVolumeWindowWritesTheUnitWithoutChoosingIt() {
        QCOMPARE(w->windowTitle(), QStringLiteral("CALCULANDO VOLUMEN"));
        QVERIFY(answerUnit()->isEditable());
        QCOMPARE(answerUnit()->currentText(), QStringLiteral("cm³"));
        QCOMPARE(answerUnit()->currentIndex(), -1);
        QCOMPARE(answerUnit()->count(), 4);
        QCOMPARE(answer()->text(), QStringLiteral("0"));
        QCOMPARE(label(w, "Combo2")->text(), QStringLiteral("cm"));
    }

    void choosingItemsConverts() {
        compute(w, QStringLiteral("2"));
        QCOMPARE(answer()->text(), QStringLiteral("8"));
        QVERIFY(pickFromList(answerUnit(), QStringLiteral("m³")));
        QCOMPARE(answer()->text(), QStringLiteral("8E-06"));
        QVERIFY(pickFromList(answerUnit(), QStringLiteral("cm³")));
        QCOMPARE(answer()->text(), QStringLiteral("8"));
    }

    void measureUnitWritesTextAndLeavesTheAnswer() {
        compute(w, QStringLiteral("2"));
        QVERIFY(pickFromList(combo(w, "Combo1"), QStringLiteral("m")));
        QCOMPARE(answer()->text(), QStringLiteral("8"));
        QCOMPARE(answerUnit()->currentText(), QStringLiteral("m³"));
        QCOMPARE(label(w, "Combo2")->text(), QStringLiteral("m"));
        QVERIFY(pickFromList(answerUnit(), QStringLiteral("cm³")));
        QCOMPARE(answer()->text(), QStringLiteral("8000000"));
    }

    void choosingTheCurrentItemAgainConverts() {
        compute(w, QStringLiteral("2"));
        QVERIFY(pickFromList(answerUnit(), QStringLiteral("mm³")));
        QCOMPARE(answer()->text(), QStringLiteral("8000"));
        // The measure unit writes "m³" over the chosen "mm³"; choosing "mm³" again converts from
        // the new measure unit.
        QVERIFY(pickFromList(combo(w, "Combo1"), QStringLiteral("m")));
        QCOMPARE(answer()->text(), QStringLiteral("8000"));
        QVERIFY(pickFromList(answerUnit(), QStringLiteral("mm³")));
        QCOMPARE(answer()->text(), QStringLiteral("8000000000"));
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
        QTest::newRow("an item's text") << "mm³"
                                        << "8000";
    }
    void typingConvertsNothingAndAddsNoItem() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        auto* button = control<QPushButton>(w, QStringLiteral("cmdAnswer"));
        compute(w, QStringLiteral("2"));
        typeAnswerUnit(typed);
        QCOMPARE(answerUnit()->currentText(), typed);
        QCOMPARE(this->answer()->text(), QStringLiteral("8"));
        // Enter and leaving the box convert nothing either, and add nothing to the list.
        QTest::keyClick(answerUnit()->lineEdit(), Qt::Key_Return);
        QTest::keyClick(answerUnit()->lineEdit(), Qt::Key_Backtab);
        QVERIFY(!answerUnit()->hasFocus());
        QCOMPARE(this->answer()->text(), QStringLiteral("8"));
        QCOMPARE(answerUnit()->count(), 4);
        // The next computation compares the typed text with the units exactly.
        QTest::mouseClick(button, Qt::LeftButton);
        compute(w, QStringLiteral("2"));
        QCOMPARE(this->answer()->text(), answer);
        QCOMPARE(answerUnit()->currentText(), typed);
        QCOMPARE(answerUnit()->count(), 4);
    }

    void figureChoiceShowsItsBoxes() {
        clickOption(option(w, 3));  // PRISMA
        QVERIFY(box(w, "Text2")->isVisible());
        QVERIFY(label(w, "Combo2")->isVisible());
        QVERIFY(!box(w, "Text3")->isVisible());
        QVERIFY(!label(w, "Combo3")->isVisible());
        QCOMPARE(label(w, "Label1")->text(), QStringLiteral("Área (Base): (Ab)"));
        clickOption(option(w, 7));  // ESFERA
        QVERIFY(!box(w, "Text2")->isVisible());
        QVERIFY(!label(w, "Combo2")->isVisible());
        compute(w, QStringLiteral("1"));
        QCOMPARE(answer()->text(), QStringLiteral("4.18879020533333"));
    }

    void overflowShowsTheWord() {
        clickOption(option(w, 8));  // OCTAEDRO REG.
        compute(w, QStringLiteral("1E200"));
        QCOMPARE(answer()->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(control<QPushButton>(w, QStringLiteral("cmdAnswer"))->text(),
                 QStringLiteral("Limpiar"));
    }
};

QTEST_MAIN(FrmVolumenTest)
#include "tst_frmvolumen.moc"
