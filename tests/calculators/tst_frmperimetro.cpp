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

using zelmora::frmPerimetro;
using zelmora::testing::clickOption;
using zelmora::testing::control;
using zelmora::testing::pickFromList;

using zelmora::testing::calculator::compute;

// The perimeter calculator, whose answer units are the measure units.
class FrmPerimetroTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    frmPerimetro* p = nullptr;

  protected:
    void setUpTest() override {
        p = new frmPerimetro;
        QVERIFY(zelmora::testing::showActive(p));
    }

  private slots:
    void perimeterAnswerUnitFollowsTheMeasureUnit() {
        QCOMPARE(p->windowTitle(), QStringLiteral("CALCULANDO PERÍMETRO"));
        QCOMPARE(p->objectName(), QStringLiteral("frmPerimetro"));
        QCOMPARE(p->findChildren<QRadioButton*>().size(), 8);
        QCOMPARE(control<QComboBox>(p, "Combo4")->currentText(), QStringLiteral("cm"));
        QVERIFY(!control<QComboBox>(p, "Combo4")->isEditable());
        compute(p, QStringLiteral("3"));
        QCOMPARE(control<QLineEdit>(p, "txtAnswer")->text(), QStringLiteral("12"));
        QVERIFY(pickFromList(control<QComboBox>(p, "Combo1"), QStringLiteral("m")));
        QCOMPARE(control<QComboBox>(p, "Combo4")->currentText(), QStringLiteral("m"));
        QCOMPARE(control<QLineEdit>(p, "txtAnswer")->text(), QStringLiteral("12"));
        QVERIFY(pickFromList(control<QComboBox>(p, "Combo4"), QStringLiteral("cm")));
        QCOMPARE(control<QLineEdit>(p, "txtAnswer")->text(), QStringLiteral("1200"));
        QVERIFY(pickFromList(control<QComboBox>(p, "Combo4"), QStringLiteral("km")));
        QCOMPARE(control<QLineEdit>(p, "txtAnswer")->text(), QStringLiteral("0.012"));
    }

    void perimeterFiguresInTheWindow() {
        clickOption(control<QRadioButton>(p, "Option8"));  // CIRCUNFERENC.
        QCOMPARE(control<QLabel>(p, "lblForm")->text(), QStringLiteral("Pi * D"));
        QCOMPARE(control<QLabel>(p, "Label1")->text(), QStringLiteral("Diametro: (D)"));
        compute(p, QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(p, "txtAnswer")->text(), QStringLiteral("6.283185308"));
        clickOption(control<QRadioButton>(
            p, "Option4"));  // POLÍGONO REG.: a count of sides, with no unit beside it
        QVERIFY(control<QLineEdit>(p, "Text2")->isVisible());
        QVERIFY(!control<QLabel>(p, "Combo2")->isVisible());
        QCOMPARE(control<QLabel>(p, "Label2")->text(), QStringLiteral("No. lados: (#)"));
    }
};

QTEST_MAIN(FrmPerimetroTest)
#include "tst_frmperimetro.moc"
