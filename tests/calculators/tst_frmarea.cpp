#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "calculators/calculatorwindows.h"
#include "calculators/figurepicture.h"
#include "common/basvar.h"
#include "common/windowstyle.h"

using zelmora::frmArea;

// Drives a real area calculator the way a user does: focus, typing, Enter, the button, the
// unit boxes and the figure column.
class FrmAreaTest : public QObject {
    Q_OBJECT
  private:
    frmArea* w = nullptr;

    QRadioButton* option(int number) { return w->Option[number - 1]; }

    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClicks(box, text);
    }

    void chooseAnswerUnit(const QString& unit) {
        w->Combo4->setFocus();
        const int index = w->Combo4->findText(unit);
        QVERIFY(index >= 0);
        // As a user does with the keyboard: Home, then Down to the item.
        QTest::keyClick(w->Combo4, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(w->Combo4, Qt::Key_Down);
        }
        QCOMPARE(w->Combo4->currentText(), unit);
    }

    static QString accessibleName(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

  private slots:
    void initTestCase() { zelmora::setUpApplication(*qApp); }

    void init() {
        basVar::Pi = 0;
        w = new frmArea;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup() {
        delete w;
        w = nullptr;
    }

    void freshWindow() {
        QCOMPARE(w->objectName(), QStringLiteral("frmArea"));
        QCOMPARE(w->windowTitle(), QStringLiteral("CALCULANDO ÁREA"));
        QCOMPARE(w->size(), QSize(377, 297));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(option(1)->isChecked());
        QCOMPARE(w->lblForm->text(), QStringLiteral("A = L²"));
        QCOMPARE(w->Label1->text(), QStringLiteral("Lado: (L)"));
        QVERIFY(w->Text1->isVisible());
        QVERIFY(!w->Text2->isVisible());
        QVERIFY(!w->Text3->isVisible());
        QVERIFY(!w->Combo2->isVisible());
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("cm"));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("cm²"));
        QCOMPARE(w->Combo2->text(), QStringLiteral("cm"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QVERIFY(w->txtAnswer->isReadOnly());
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(w->Text2->text(), QStringLiteral("0"));
        QCOMPARE(w->Text3->text(), QStringLiteral("0"));
        QCOMPARE(w->Respuesta, 0.0);
        QCOMPARE(basVar::Pi, 3.141592654);
        QCOMPARE(w->imgFig->picture(), std::optional(zelmora::FigureShape::Square));
        QCOMPARE(w->Text1->maxLength(), 12);
        const QImage button = w->cmdAnswer->grab().toImage();
        QCOMPARE(button.pixelColor(8, button.height() / 2), QColor(250, 40, 40));
        QCOMPARE(w->txtAnswer->palette().color(QPalette::Base), QColor(255, 255, 192));
        // Between the figure column and the measures the window's own background shows.
        QCOMPARE(w->grab().toImage().pixelColor(143, 120), QColor(250, 250, 250));
    }

    void figureColumnOrderAndTips() {
        const int expected[] = {1, 2, 3, 6, 4, 9, 5, 7, 8};
        std::vector<QRadioButton*> byHeight = w->Option;
        std::sort(byHeight.begin(), byHeight.end(),
                  [](QRadioButton* a, QRadioButton* b) { return a->y() < b->y(); });
        for (std::size_t i = 0; i < byHeight.size(); ++i) {
            QCOMPARE(byHeight[i], option(expected[i]));
        }
        QCOMPARE(option(6)->text(), QStringLiteral("POLÍGONO REG."));
        QCOMPARE(option(6)->toolTip(), QStringLiteral(" POLÍGONO REGULAR "));
        QCOMPARE(option(6)->objectName(), QStringLiteral("Option6"));
    }

    void boxesNamedForScreenReaders() {
        QCOMPARE(accessibleName(w->Text1), QStringLiteral("Lado: (L)"));
        QCOMPARE(accessibleName(w->txtAnswer), QStringLiteral("Resultado"));
        // On Linux a combo box reports its text as its name; the name set here serves the
        // platforms whose screen readers ask for it.
        QCOMPARE(w->Combo1->accessibleName(), QStringLiteral("Unidad de medida"));
        QCOMPARE(w->Combo4->accessibleName(), QStringLiteral("Unidad del resultado"));
        option(2)->click();
        QCOMPARE(accessibleName(w->Text2), QStringLiteral("Altura: (h)"));
        QCOMPARE(w->imgFig->accessibleDescription(), QStringLiteral("Dibujo de un rectángulo"));
    }

    void enterInAOneMeasureFigureComputes() {
        QTest::keyClicks(w->Text1, "3");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("9"));
        QCOMPARE(w->Text1->text(), QStringLiteral("3"));
        QCOMPARE(w->Respuesta, 9.0);
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Limpiar"));
        QVERIFY(!w->Text1->isEnabled());
        QVERIFY(!w->Text2->isEnabled());
        QVERIFY(w->cmdAnswer->hasFocus());
        // Enter on the button clears for the next figure.
        QTest::keyClick(w->cmdAnswer, Qt::Key_Return);
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(w->Text1->isEnabled());
        QVERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
    }

    void enterMovesThroughTheVisibleBoxes() {
        option(5)->click();  // TRAPECIO: three measures
        QVERIFY(w->Text1->hasFocus());
        QTest::keyClicks(w->Text1, "5");
        QTest::keyClick(w->Text1, Qt::Key_Enter);
        QVERIFY(w->Text2->hasFocus());
        QCOMPARE(w->Text2->text(), QString());
        QCOMPARE(w->Text1->text(), QStringLiteral("5"));
        QTest::keyClicks(w->Text2, "3");
        QTest::keyClick(w->Text2, Qt::Key_Return);
        QVERIFY(w->Text3->hasFocus());
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Ver Resultado"));
        QTest::keyClicks(w->Text3, "2");
        QTest::keyClick(w->Text3, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("8"));
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Limpiar"));
        QVERIFY(!w->Text3->text().contains(QLatin1Char('\n')));
    }

    void enterInTheSecondOfTwoBoxesComputes() {
        option(2)->click();  // RECTÁNGULO
        QTest::keyClicks(w->Text1, "3");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QVERIFY(w->Text2->hasFocus());
        QTest::keyClicks(w->Text2, "4");
        QTest::keyClick(w->Text2, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("12"));
    }

    void emptyBoxWithTheFocusReadsAsZero() {
        option(2)->click();
        QTest::keyClick(w->Text1, Qt::Key_Return);  // Text1 left empty: shows "0" again
        QCOMPARE(w->Text1->text(), QStringLiteral("0"));
        QTest::keyClick(w->Text2, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(w->Text2->text(), QStringLiteral("0"));
    }

    void theButtonComputesAndClears() {
        QTest::keyClicks(w->Text1, "2.5");
        QTest::mouseClick(w->cmdAnswer, Qt::LeftButton);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("6.25"));
        QTest::mouseClick(w->cmdAnswer, Qt::LeftButton);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(w->Text1->text(), QString());
        QVERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Respuesta, 0.0);
    }

    void commaEndsTheNumber() {
        QTest::keyClicks(w->Text1, "2,5");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("4"));
    }

    void lettersReadAsZero() {
        QTest::keyClicks(w->Text1, "abc");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(w->Text1->text(), QStringLiteral("abc"));
    }

    void focusEmptiesAndRefillsZero() {
        option(2)->click();
        type(w->Text2, "");
        QCOMPARE(w->Text2->text(), QString());
        w->Text1->setFocus();
        QTRY_VERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Text2->text(), QStringLiteral("0"));
        type(w->Text2, "0.0");
        w->Text1->setFocus();
        QTRY_VERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Text2->text(), QStringLiteral("0.0"));
        // Tab moves on like any focus change.
        QTest::keyClick(w->Text1, Qt::Key_Tab);
        QVERIFY(w->Text2->hasFocus());
        QCOMPARE(w->Text1->text(), QStringLiteral("0"));
    }

    void answerUnitConvertsTheSameValue() {
        QTest::keyClicks(w->Text1, "3");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        chooseAnswerUnit(QStringLiteral("m²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0.0009"));
        chooseAnswerUnit(QStringLiteral("mm²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("900"));
        chooseAnswerUnit(QStringLiteral("km²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("9E-10"));
        chooseAnswerUnit(QStringLiteral("cm²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("9"));
        QCOMPARE(w->Respuesta, 9.0);
    }

    void measureUnitConvertsAgainWithoutRecomputing() {
        QTest::keyClicks(w->Text1, "2");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("4"));
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("m")));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("m²"));
        QCOMPARE(w->Combo2->text(), QStringLiteral("m"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("4"));
        chooseAnswerUnit(QStringLiteral("cm²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("40000"));
        QCOMPARE(w->Respuesta, 4.0);
    }

    void measureUnitMatchingTheChosenAnswerUnitStillConverts() {
        QTest::keyClicks(w->Text1, "3");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        chooseAnswerUnit(QStringLiteral("m²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0.0009"));
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("m")));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("m²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("9"));
    }

    void unitsShowZeroWhileEntering() {
        chooseAnswerUnit(QStringLiteral("mm²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("km")));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Ver Resultado"));
    }

    void choosingAFigureClearsButKeepsUnits() {
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("m")));
        QTest::keyClicks(w->Text1, "3");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("9"));
        QTest::mouseClick(option(9), Qt::LeftButton);  // ROMBOIDE
        QVERIFY(option(9)->isChecked());
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Ver Resultado"));
        QVERIFY(w->Text1->isEnabled());
        QVERIFY(w->Text1->hasFocus());
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(w->Text2->text(), QStringLiteral("0"));
        QVERIFY(w->Text2->isVisible());
        QCOMPARE(w->Label2->text(), QStringLiteral("Altura: (h)"));
        QCOMPARE(w->lblForm->text(), QStringLiteral("A = b * h"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("m"));
        QCOMPARE(w->Combo4->currentText(), QStringLiteral("m²"));
        QCOMPARE(w->Respuesta, 0.0);
    }

    void figureRowsSetLabelsBoxesAndUnitLabels_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("text2");
        QTest::addColumn<bool>("text3");
        QTest::addColumn<bool>("combo2");
        QTest::addColumn<bool>("combo3");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("formula");
        QTest::newRow("CUADRADO") << 1 << false << false << false << false << "X"
                                  << "A = L²";
        QTest::newRow("RECTÁNGULO") << 2 << true << false << true << false << "X"
                                    << "A = b * h";
        QTest::newRow("TRAPECIO") << 5 << true << true << true << true << "Altura: (h)"
                                  << "A = (B + b) * h / 2";
        QTest::newRow("POLÍGONO REG.") << 6 << true << true << false << true << "Apotema: (a)"
                                       << "A = L * # * a / 2";
        QTest::newRow("ESFERA") << 8 << false << false << false << false << "X"
                                << "A = Pi * 4 * r²";
    }
    void figureRowsSetLabelsBoxesAndUnitLabels() {
        QFETCH(int, number);
        QFETCH(bool, text2);
        QFETCH(bool, text3);
        QFETCH(bool, combo2);
        QFETCH(bool, combo3);
        QFETCH(QString, label3);
        QFETCH(QString, formula);
        option(number)->click();
        QCOMPARE(w->Text2->isVisible(), text2);
        QCOMPARE(w->Label2->isVisible(), text2);
        QCOMPARE(w->Text3->isVisible(), text3);
        QCOMPARE(w->Label3->isVisible(), text3);
        QCOMPARE(w->Combo2->isVisible(), combo2);
        QCOMPARE(w->Combo3->isVisible(), combo3);
        QCOMPARE(w->Label3->text(), label3);
        QCOMPARE(w->lblForm->text(), formula);
    }

    void labelsKeepTheirOldCaptionWhenUnused() {
        option(5)->click();  // sets Label3 "Altura: (h)"
        option(1)->click();
        QCOMPARE(w->Label3->text(), QStringLiteral("Altura: (h)"));
        QVERIFY(!w->Label3->isVisible());
    }

    void piIsReadWhenTheAnswerIsComputed() {
        option(7)->click();  // CÍRCULO
        QTest::keyClicks(w->Text1, "1");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("3.141592654"));
        basVar::Pi = 3.1415927;
        QTest::mouseClick(w->cmdAnswer, Qt::LeftButton);
        QTest::keyClicks(w->Text1, "1");
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("3.1415927"));
        // Opening another calculator resets pi for every open one.
        frmArea other;
        QCOMPARE(basVar::Pi, 3.141592654);
    }

    void overflowShowsTheWordAndKeepsTheAnswer() {
        QTest::keyClicks(w->Text1, "1E150");
        w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("km")));
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("1E+300"));
        chooseAnswerUnit(QStringLiteral("mm²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Limpiar"));
        chooseAnswerUnit(QStringLiteral("km²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("1E+300"));
        QCOMPARE(w->Respuesta, 1e300);
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
        QTest::keyClicks(w->Text1, side);
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(w->cmdAnswer->text(), QStringLiteral("Limpiar"));
        chooseAnswerUnit(QStringLiteral("m²"));
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("Desbordamiento"));
        QTest::mouseClick(w->cmdAnswer, Qt::LeftButton);
        QCOMPARE(w->txtAnswer->text(), QStringLiteral("0"));
    }

    void closedWindowsFreeThemselves() {
        const auto countWindows = [] {
            const QWidgetList widgets = QApplication::allWidgets();
            return std::count_if(widgets.begin(), widgets.end(), [](QWidget* widget) {
                return qobject_cast<frmArea*>(widget) != nullptr;
            });
        };
        const auto before = countWindows();
        const auto widgetsBefore = QApplication::allWidgets().size();
        for (int i = 0; i < 300; ++i) {
            auto* calculator = new frmArea;
            calculator->show();
            QTest::keyClicks(calculator->Text1, "7");
            calculator->cmdAnswer_Click();
            QCOMPARE(calculator->txtAnswer->text(), QStringLiteral("49"));
            QVERIFY(calculator->close());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(countWindows(), before);
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }
};

QTEST_MAIN(FrmAreaTest)
#include "tst_frmarea.moc"
