#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"
#include "tests/support/typing.h"

using zelmora::frmPerimetro;
using zelmora::frmVolumen;

// The perimeter calculator, whose answer units are the measure units, and the volume calculator,
// whose answer-unit box can be typed into and is written without choosing an item.
class FrmPerimetroVolumenTest : public QObject {
    Q_OBJECT
  private:
    frmVolumen* w = nullptr;

    void compute(zelmora::FigureCalculatorForm* form, const QString& a) {
        form->Text1->setFocus();
        QTest::keyClicks(form->Text1, a);
        QTest::keyClick(form->Text1, Qt::Key_Return);
    }

    // Chooses an item from the open list, as a user does with the keyboard.
    void chooseFromList(QComboBox* combo, const QString& unit) {
        const int index = combo->findText(unit);
        QVERIFY(index >= 0);
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
    }

    void typeAnswerUnit(const QString& text) {
        w->Combo4->lineEdit()->setFocus();
        w->Combo4->lineEdit()->selectAll();
        zelmora::testing::typeText(w->Combo4->lineEdit(), text);
    }

  private slots:
    void initTestCase() { zelmora::setUpApplication(*qApp); }

    void init() {
        w = new frmVolumen;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup() {
        delete w;
        w = nullptr;
    }

    void perimeterAnswerUnitFollowsTheMeasureUnit() {
        frmPerimetro p;
        p.show();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QCOMPARE(p.windowTitle(), QStringLiteral("CALCULANDO PERÍMETRO"));
        QCOMPARE(p.objectName(), QStringLiteral("frmPerimetro"));
        QCOMPARE(p.Option.size(), std::size_t(8));
        QCOMPARE(p.Combo4->currentText(), QStringLiteral("cm"));
        QVERIFY(!p.Combo4->isEditable());
        compute(&p, QStringLiteral("3"));
        QCOMPARE(p.txtAnswer->text(), QStringLiteral("12"));
        chooseFromList(p.Combo1, QStringLiteral("m"));
        QCOMPARE(p.Combo4->currentText(), QStringLiteral("m"));
        QCOMPARE(p.txtAnswer->text(), QStringLiteral("12"));
        chooseFromList(p.Combo4, QStringLiteral("cm"));
        QCOMPARE(p.txtAnswer->text(), QStringLiteral("1200"));
        chooseFromList(p.Combo4, QStringLiteral("km"));
        QCOMPARE(p.txtAnswer->text(), QStringLiteral("0.012"));
    }

    void perimeterFiguresInTheWindow() {
        frmPerimetro p;
        p.show();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        p.Option[7]->click();  // CIRCUNFERENC.
        QCOMPARE(p.lblForm->text(), QStringLiteral("Pi * D"));
        QCOMPARE(p.Label1->text(), QStringLiteral("Diametro: (D)"));
        compute(&p, QStringLiteral("2"));
        QCOMPARE(p.txtAnswer->text(), QStringLiteral("6.283185308"));
        p.Option[3]->click();  // POLÍGONO REG.: a count of sides, with no unit beside it
        QVERIFY(p.Text2->isVisible());
        QVERIFY(!p.Combo2->isVisible());
        QCOMPARE(p.Label2->text(), QStringLiteral("No. lados: (#)"));
    }

    void freshVolumeWindowWritesTheUnitWithoutChoosingIt() {
        QCOMPARE(w->windowTitle(), QStringLiteral("CALCULANDO VOLUMEN"));
        QVERIFY(w->Combo4->isEditable());
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("cm³"));
        QCOMPARE(w->Combo4->currentIndex(), -1);
        QCOMPARE(w->Combo4->count(), 4);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(w->Combo2->text(), QStringLiteral("cm"));
    }

    void choosingItemsConverts() {
        compute(w, QStringLiteral("2"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8"));
        chooseFromList(w->Combo4, QStringLiteral("m³"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8E-06"));
        chooseFromList(w->Combo4, QStringLiteral("cm³"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8"));
    }

    void measureUnitWritesTextAndLeavesTheAnswer() {
        compute(w, QStringLiteral("2"));
        chooseFromList(w->Combo1, QStringLiteral("m"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8"));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("m³"));
        QCOMPARE(w->Combo2->text(), QStringLiteral("m"));
        chooseFromList(w->Combo4, QStringLiteral("cm³"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8000000"));
    }

    void choosingTheCurrentItemAgainConverts() {
        compute(w, QStringLiteral("2"));
        chooseFromList(w->Combo4, QStringLiteral("mm³"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8000"));
        // The measure unit writes "m³" over the chosen "mm³"; choosing "mm³" again converts from
        // the new measure unit.
        chooseFromList(w->Combo1, QStringLiteral("m"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8000"));
        chooseFromList(w->Combo4, QStringLiteral("mm³"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8000000000"));
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
        compute(w, QStringLiteral("2"));
        typeAnswerUnit(typed);
        QCOMPARE(w->Combo4->currentText(), typed);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8"));
        // Enter and leaving the box convert nothing either, and add nothing to the list.
        QTest::keyClick(w->Combo4->lineEdit(), Qt::Key_Return);
        w->cmdAnswer->setFocus();
        QTRY_VERIFY(w->cmdAnswer->hasFocus());
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8"));
        QCOMPARE(w->Combo4->count(), 4);
        // The next computation compares the typed text with the units exactly.
        w->cmdAnswer_Click();
        compute(w, QStringLiteral("2"));
        QCOMPARE(w->txtAnswer->text(), answer);
        QCOMPARE(w->Combo4->currentText(), typed);
        QCOMPARE(w->Combo4->count(), 4);
    }

    void figureChoiceShowsItsBoxes() {
        w->Option[2]->click();  // PRISMA
        QVERIFY(w->Text2->isVisible());
        QVERIFY(w->Combo2->isVisible());
        QVERIFY(!w->Text3->isVisible());
        QVERIFY(!w->Combo3->isVisible());
        QCOMPARE(w->Label1->text(), QStringLiteral("Área (Base): (Ab)"));
        w->Option[6]->click();  // ESFERA
        QVERIFY(!w->Text2->isVisible());
        QVERIFY(!w->Combo2->isVisible());
        compute(w, QStringLiteral("1"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("4.18879020533333"));
    }

    void overflowShowsTheWord() {
        w->Option[7]->click();  // OCTAEDRO REG.
        compute(w, QStringLiteral("1E200"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Limpiar"));
    }
};

QTEST_MAIN(FrmPerimetroVolumenTest)
#include "tst_frmvolumen.moc"
