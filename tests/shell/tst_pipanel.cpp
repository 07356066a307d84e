#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calculators/calculatorwindows.h"
#include "common/basvar.h"
#include "common/numbertext.h"
#include "common/windowstyle.h"
#include "shell/frmmenuprincipal.h"
#include "shell/menucontrols.h"

using zelmora::frmMenuPrincipal;

// The options panel of the menu, in which the user chooses with how many decimals the
// calculators take pi.
class PiPanelTest : public QObject {
    Q_OBJECT
  private:
    frmMenuPrincipal* menu = nullptr;
    const QColor lightRed{255, 128, 128};

    QColor boxColour() const { return menu->txtFormat->palette().color(QPalette::Base); }

    // Pi is always the value on display.
    void expectPiShown() {
        QCOMPARE(basVar::Pi, zelmora::leadingNumber(menu->lblPi->text().toStdString()));
    }

    void replaceText(const QString& text) {
        menu->txtFormat->setFocus();
        menu->txtFormat->selectAll();
        QTest::keyClick(menu->txtFormat, Qt::Key_Delete);
        QTest::keyClicks(menu->txtFormat, text);
    }

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        basVar::Pi = 0;
        menu = new frmMenuPrincipal;
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        menu->show();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::mouseClick(menu->imgConf, Qt::LeftButton);
        QVERIFY(menu->frmePi->isVisible());
    }

    void cleanup() {
        delete menu;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void panelAtStartDoesNotWritePi() {
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("14"));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.14159265358979"));
        QCOMPARE(boxColour(), QColor(224, 224, 224));
        const QImage panel = menu->frmePi->grab().toImage();
        QCOMPARE(panel.pixelColor(panel.width() - 4, panel.height() - 3), QColor(192, 192, 192));
        QCOMPARE(menu->Label1->text(), QStringLiteral("Cantidad de decimales en Pi:"));
        QCOMPARE(basVar::Pi, 0.0);
    }

    void everyDecimalCountShowsItsPiText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("4") << "4"
                           << "3.1416";
        QTest::newRow("5") << "5"
                           << "3.14159";
        QTest::newRow("6") << "6"
                           << "3.141593";
        QTest::newRow("7") << "7"
                           << "3.1415927";
        QTest::newRow("8") << "8"
                           << "3.14159265";
        QTest::newRow("9") << "9"
                           << "3.141592654";
        QTest::newRow("10") << "10"
                            << "3.1415926536";
        QTest::newRow("11") << "11"
                            << "3.14159265359";
        QTest::newRow("12") << "12"
                            << "3.141592653590";
        QTest::newRow("13") << "13"
                            << "3.1415926535898";
        QTest::newRow("14") << "14"
                            << "3.14159265358979";
        QTest::newRow("1e1 reads as 10") << "1e1"
                                         << "3.1415926536";
        QTest::newRow("leading blank") << " 6"
                                       << "3.141593";
    }
    void everyDecimalCountShowsItsPiText() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        replaceText(typed);
        QCOMPARE(menu->txtFormat->text(), typed);
        QCOMPARE(menu->lblPi->text(), shown);
        QCOMPARE(boxColour(), QColor(Qt::white));
        expectPiShown();
    }

    void twelveDecimalsKeepTheTrailingZero() {
        replaceText(QStringLiteral("12"));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.141592653590"));
        QCOMPARE(basVar::Pi, 3.14159265359);
        QCOMPARE(basVar::Pi, 3.141592653590);
    }

    void outOfRangeTextsTurnTheBoxLightRed_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("15") << "15";
        QTest::newRow("99") << "99";
        QTest::newRow("-3") << "-3";
        QTest::newRow("letters") << "abc";
        QTest::newRow("beyond a double") << "1E400";
    }
    // Every keystroke is a change: the last one is checked against what the others left.
    void outOfRangeTextsTurnTheBoxLightRed() {
        QFETCH(QString, typed);
        replaceText(typed.chopped(1));
        const QString shownBefore = menu->lblPi->text();
        QTest::keyClicks(menu->txtFormat, typed.right(1));
        QCOMPARE(menu->txtFormat->text(), typed);
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(menu->lblPi->text(), shownBefore);
        expectPiShown();
    }

    void aFractionInsideTheRangeChangesOnlyPi() {
        replaceText(QStringLiteral("4."));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.1416"));
        basVar::Pi = 0;
        QTest::keyClick(menu->txtFormat, Qt::Key_5);
        QCOMPARE(boxColour(), QColor(Qt::white));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.1416"));
        expectPiShown();
    }

    void typingFourteenPassesThroughOne() {
        replaceText(QString());
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.14159265358979"));
        expectPiShown();
        QTest::keyClick(menu->txtFormat, Qt::Key_1);
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.14159265358979"));
        QTest::keyClick(menu->txtFormat, Qt::Key_4);
        QCOMPARE(boxColour(), QColor(Qt::white));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.14159265358979"));
        QCOMPARE(basVar::Pi, 3.14159265358979);
    }

    void minusAndPlusStepWithinTheRange() {
        replaceText(QStringLiteral("5"));
        QTest::mouseClick(menu->lblLink[2], Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("4"));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.1416"));
        expectPiShown();
        QTest::mouseClick(menu->lblLink[2], Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("4"));
        replaceText(QStringLiteral("13"));
        QTest::mouseClick(menu->lblLink[3], Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("14"));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.14159265358979"));
        QTest::mouseClick(menu->lblLink[3], Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("14"));
        // From the keyboard too.
        menu->lblLink[2]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(menu->lblLink[2], Qt::Key_Space);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("13"));
    }

    void plusOnAnEmptyBoxWritesOne() {
        replaceText(QString());
        QTest::mouseClick(menu->lblLink[3], Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("1"));
        QCOMPARE(boxColour(), lightRed);
        expectPiShown();
        replaceText(QStringLiteral("4.5"));
        QTest::mouseClick(menu->lblLink[2], Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("3.5"));
        QCOMPARE(boxColour(), lightRed);
    }

    void openCalculatorsUseThePanelsPi() {
        auto* area = new zelmora::frmArea;
        area->show();
        replaceText(QStringLiteral("7"));
        area->Option[6]->click();  // CÍRCULO
        area->Text1->setText(QStringLiteral("1"));
        area->cmdAnswer_Click();
        QCOMPARE(area->txtAnswer->text(), QStringLiteral("3.1415927"));
        area->close();
    }

    void aCalculatorThatOpensResetsPi() {
        replaceText(QStringLiteral("5"));
        QCOMPARE(basVar::Pi, 3.14159);
        auto* perimeter = new zelmora::frmPerimetro;
        QCOMPARE(basVar::Pi, 3.141592654);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("5"));
        QCOMPARE(menu->lblPi->text(), QStringLiteral("3.14159"));
        delete perimeter;
    }

    void hidingThePanelKeepsItsState() {
        replaceText(QStringLiteral("20"));
        QTest::mouseClick(menu->imgConf, Qt::LeftButton);
        QVERIFY(menu->frmePi->isHidden());
        QTest::mouseClick(menu->imgConf, Qt::LeftButton);
        QCOMPARE(menu->txtFormat->text(), QStringLiteral("20"));
        QCOMPARE(boxColour(), lightRed);
    }
};

QTEST_MAIN(PiPanelTest)
#include "tst_pipanel.moc"
