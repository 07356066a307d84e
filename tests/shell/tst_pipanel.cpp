#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <charconv>

#include "calculators/calculatorwindows.h"
#include "common/basvar.h"
#include "common/numbertext.h"
#include "shell/frmmenuprincipal.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmMenuPrincipal;
using zelmora::testing::control;
using zelmora::testing::typeOver;

namespace {

// The shortest text that reads back as exactly this double. Pi is compared through it because
// QCOMPARE takes doubles within a part in 10^12 as equal, which cannot tell 12 decimals of pi
// from 14.
QString exactly(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QString::fromLatin1(text, end - text);
}

}  // namespace

// The options panel of the menu, in which the user chooses with how many decimals the
// calculators take pi.
class PiPanelTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    QPointer<frmMenuPrincipal> menu;
    const QColor lightRed{255, 128, 128};

    QString piShown() const { return control<QLabel>(menu, QStringLiteral("lblPi"))->text(); }
    QColor boxColour() const {
        return control<QLineEdit>(menu, "txtFormat")->palette().color(QPalette::Base);
    }
    void click(const QString& name) { QTest::mouseClick(control(menu, name), Qt::LeftButton); }

    // The value on display, which pi always is, exactly.
    QString piShownExactly() const {
        return exactly(zelmora::leadingNumber(piShown().toStdString()));
    }

  protected:
    void setUpTest() override {
        basVar::Pi = 0;
        menu = new frmMenuPrincipal;
        QVERIFY(zelmora::testing::showActive(menu));
        click(QStringLiteral("imgConf"));
        QVERIFY(control(menu, "frmePi")->isVisible());
    }

  private slots:
    void panelAtStartDoesNotWritePi() {
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("14"));
        QCOMPARE(piShown(), QStringLiteral("3.14159265358979"));
        QCOMPARE(boxColour(), QColor(224, 224, 224));
        const QImage panel = control(menu, "frmePi")->grab().toImage();
        QCOMPARE(panel.pixelColor(panel.width() - 4, panel.height() - 3), QColor(192, 192, 192));
        QCOMPARE(control<QLabel>(menu, "Label1")->text(),
                 QStringLiteral("Cantidad de decimales en Pi:"));
        QCOMPARE(exactly(basVar::Pi), QStringLiteral("0"));
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
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), typed));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), typed);
        QCOMPARE(piShown(), shown);
        QCOMPARE(boxColour(), QColor(Qt::white));
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
    }

    void twelveDecimalsKeepTheTrailingZero() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("12")));
        QCOMPARE(piShown(), QStringLiteral("3.141592653590"));
        QCOMPARE(exactly(basVar::Pi), QStringLiteral("3.14159265359"));
        // The text with its trailing zero is the value that pi took.
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
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
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), typed.chopped(1)));
        const QString shownBefore = piShown();
        QTest::keyClicks(control<QLineEdit>(menu, "txtFormat"), typed.right(1));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), typed);
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(piShown(), shownBefore);
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
    }

    void aFractionInsideTheRangeChangesOnlyPi() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("4.")));
        QCOMPARE(piShown(), QStringLiteral("3.1416"));
        basVar::Pi = 0;
        QTest::keyClick(control<QLineEdit>(menu, "txtFormat"), Qt::Key_5);
        QCOMPARE(boxColour(), QColor(Qt::white));
        QCOMPARE(piShown(), QStringLiteral("3.1416"));
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
    }

    void typingFourteenPassesThroughOne() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QString()));
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(piShown(), QStringLiteral("3.14159265358979"));
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
        QTest::keyClick(control<QLineEdit>(menu, "txtFormat"), Qt::Key_1);
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(piShown(), QStringLiteral("3.14159265358979"));
        QTest::keyClick(control<QLineEdit>(menu, "txtFormat"), Qt::Key_4);
        QCOMPARE(boxColour(), QColor(Qt::white));
        QCOMPARE(piShown(), QStringLiteral("3.14159265358979"));
        QCOMPARE(exactly(basVar::Pi), QStringLiteral("3.14159265358979"));
    }

    void minusAndPlusStepWithinTheRange() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("5")));
        click(QStringLiteral("lblLink(2)"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("4"));
        QCOMPARE(piShown(), QStringLiteral("3.1416"));
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
        click(QStringLiteral("lblLink(2)"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("4"));
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("13")));
        click(QStringLiteral("lblLink(3)"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("14"));
        QCOMPARE(piShown(), QStringLiteral("3.14159265358979"));
        click(QStringLiteral("lblLink(3)"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("14"));
        // From the keyboard too: the "-" comes before the box in the Tab order.
        QVERIFY(control<QLineEdit>(menu, "txtFormat")->hasFocus());
        QTest::keyClick(control<QLineEdit>(menu, "txtFormat"), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(control(menu, "lblLink(2)")->hasFocus());
        QTest::keyClick(control(menu, "lblLink(2)"), Qt::Key_Space);
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("13"));
    }

    // A double click, as the window system delivers it, steps once.
    void aDoubleClickStepsOnce_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("stepped");
        QTest::newRow("-") << "lblLink(2)"
                           << "13";
        QTest::newRow("+") << "lblLink(3)"
                           << "11";
    }
    void aDoubleClickStepsOnce() {
        QFETCH(QString, link);
        QFETCH(QString, stepped);
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), link == QLatin1String("lblLink(2)")
                                                                    ? QStringLiteral("14")
                                                                    : QStringLiteral("10")));
        zelmora::testing::doubleClick(control(menu, link));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), stepped);
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
    }

    // A screen reader hears whether the panel is open on "Opciones", and hears the value of pi
    // once, as one phrase, not its caption again on its own.
    void screenReadersHearThePanel() {
        QAccessibleInterface* options =
            QAccessible::queryAccessibleInterface(control(menu, "imgConf"));
        QVERIFY(options->state().checkable);
        QVERIFY(options->state().checked);
        click(QStringLiteral("imgConf"));
        QVERIFY(!control(menu, "frmePi")->isVisible());
        QVERIFY(!options->state().checked);
        click(QStringLiteral("imgConf"));
        QVERIFY(options->state().checked);
        const auto name = [this](const char* label) {
            return QAccessible::queryAccessibleInterface(control(menu, QLatin1String(label)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("Label2"), QString());
        // The value heard follows every change of the decimals, stepped or typed, on the label
        // and as the description of the box of decimals.
        const auto heard = [this, &name] {
            return QStringList{name("lblPi"),
                               QAccessible::queryAccessibleInterface(control(menu, "txtFormat"))
                                   ->text(QAccessible::Description)};
        };
        const auto shown = [this] { return QStringList(2, QStringLiteral("Pi = ") + piShown()); };
        QCOMPARE(heard(), shown());
        click(QStringLiteral("lblLink(2)"));
        QCOMPARE(heard(), shown());
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), "6"));
        QCOMPARE(heard(), shown());
        QCOMPARE(piShown(), QStringLiteral("3.141593"));
    }

    // A number beyond a double has no neighbour to step to.
    void stepsBeyondADoubleChangeNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("link");
        QTest::newRow("1E400 -") << "1E400"
                                 << "lblLink(2)";
        QTest::newRow("-1E400 +") << "-1E400"
                                  << "lblLink(3)";
        QTest::newRow("&HFFFFFFFFFF -") << "&HFFFFFFFFFF"
                                        << "lblLink(2)";
    }
    void stepsBeyondADoubleChangeNothing() {
        QFETCH(QString, typed);
        QFETCH(QString, link);
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), typed));
        const QString shown = piShown();
        const QColor colour = boxColour();
        const double pi = basVar::Pi;
        click(link);
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), typed);
        QCOMPARE(piShown(), shown);
        QCOMPARE(boxColour(), colour);
        QCOMPARE(exactly(basVar::Pi), exactly(pi));
    }

    void plusOnAnEmptyBoxWritesOne() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QString()));
        click(QStringLiteral("lblLink(3)"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("1"));
        QCOMPARE(boxColour(), lightRed);
        QCOMPARE(exactly(basVar::Pi), piShownExactly());
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("4.5")));
        click(QStringLiteral("lblLink(2)"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("3.5"));
        QCOMPARE(boxColour(), lightRed);
    }

    void openCalculatorsUseThePanelsPi() {
        auto* area = new zelmora::frmArea;
        area->show();
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("7")));
        QTest::mouseClick(control<QRadioButton>(area, "Option7"), Qt::LeftButton);  // CÍRCULO
        QTest::keyClicks(control<QLineEdit>(area, "Text1"), QStringLiteral("1"));
        QTest::mouseClick(control<QPushButton>(area, "cmdAnswer"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(area, "txtAnswer")->text(), QStringLiteral("3.1415927"));
    }

    void aCalculatorThatOpensResetsPi() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("5")));
        QCOMPARE(exactly(basVar::Pi), QStringLiteral("3.14159"));
        auto* perimeter = new zelmora::frmPerimetro;
        QCOMPARE(exactly(basVar::Pi), QStringLiteral("3.141592654"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("5"));
        QCOMPARE(piShown(), QStringLiteral("3.14159"));
        delete perimeter;
    }

    void hidingThePanelKeepsItsState() {
        QVERIFY(typeOver(control<QLineEdit>(menu, "txtFormat"), QStringLiteral("20")));
        click(QStringLiteral("imgConf"));
        QVERIFY(control(menu, "frmePi")->isHidden());
        click(QStringLiteral("imgConf"));
        QCOMPARE(control<QLineEdit>(menu, "txtFormat")->text(), QStringLiteral("20"));
        QCOMPARE(boxColour(), lightRed);
    }
};

QTEST_MAIN(PiPanelTest)
#include "tst_pipanel.moc"
