#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>

#include "calculators/calculatorwindows.h"
#include "common/basvar.h"
#include "common/numbertext.h"
#include "converter/frmconvert.h"
#include "shell/frmmenuprincipal.h"
#include "solver/frmpitagoras.h"
#include "tests/support/modal.h"
#include "tests/support/windowsuite.h"

namespace {

using zelmora::testing::control;

// What a window may show where it writes a number: the overflow word or a number text that the
// program itself could have written.
bool isShownNumber(const QString& text) {
    const std::string s = text.toStdString();
    return s == zelmora::kOverflowText ||
           zelmora::generalNumberText(zelmora::leadingNumber(s)) == s;
}

// The window the user works in is the active one, so that focus moves as it does for a user.
bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Puts a text into a box as a user can: typing is limited by the box, pasting is not always.
void putText(QLineEdit* box, const QString& text, bool paste) {
    box->setFocus();
    box->selectAll();
    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    } else {
        box->insert(text);
    }
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

// Steps a drop-down list to the item with the arrow keys, as a user does.
bool stepTo(QComboBox* box, int index) {
    box->setFocus();
    for (int keys = 0; keys < 2 * box->count() && box->currentIndex() != index; ++keys) {
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    return box->currentIndex() == index;
}

}  // namespace

// Hostile texts in every text box of every window: the program never stops, never shows inf or
// nan, and no window disturbs another.
class HostileInputTest : public QObject {
    Q_OBJECT
  private:
    QList<QWidget*> calculators;
    zelmora::frmPitagoras* solver = nullptr;
    zelmora::frmConvert* converter = nullptr;
    zelmora::frmMenuPrincipal* menu = nullptr;
    zelmora::frmArea* bystander = nullptr;

  private slots:
    void initTestCase() {
        zelmora::testing::setUpWindowTests();
        calculators = {new zelmora::frmArea, new zelmora::frmPerimetro, new zelmora::frmVolumen};
        solver = new zelmora::frmPitagoras;
        converter = new zelmora::frmConvert;
        menu = new zelmora::frmMenuPrincipal;
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        bystander = new zelmora::frmArea;
        for (QWidget* window :
             std::initializer_list<QWidget*>{calculators[0], calculators[1], calculators[2], solver,
                                             converter, menu, bystander}) {
            window->show();
        }
        QVERIFY(activate(bystander));
        QTest::keyClicks(control<QLineEdit>(bystander, "Text1"), "3");
        click(control<QPushButton>(bystander, "cmdAnswer"));
        QCOMPARE(control<QLineEdit>(bystander, "txtAnswer")->text(), QStringLiteral("9"));
    }

    void cleanupTestCase() {
        zelmora::testing::stopAnswering();
        qDeleteAll(calculators);
        delete solver;
        delete converter;
        delete menu;
        delete bystander;
    }
    void hostileTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paste");
        const QList<QPair<const char*, QString>> texts = {
            {"very long", QString(5000, QLatin1Char('9'))},
            {"very long exponent", QStringLiteral("1E") + QString(400, QLatin1Char('9'))},
            {"beyond a double", QStringLiteral("1E400")},
            {"negative beyond a double", QStringLiteral("-1E400")},
            {"tiny", QStringLiteral("1E-400")},
            {"largest double", QStringLiteral("1.7976931348623157E308")},
            {"hexadecimal beyond 32 bits", QStringLiteral("&HFFFFFFFFFF")},
            {"octal beyond 32 bits", QStringLiteral("&O77777777777")},
            {"control characters", QStringLiteral("\x01\x02\x7f\t\r\x1b[2J3")},
            {"non-Latin digits", QStringLiteral("١٢٣ ٣ 三 𝟓")},
            {"emoji and right-to-left", QStringLiteral("😀שלום٫5")},
            {"line breaks", QStringLiteral("12\n34\r\n56")},
            {"words the parse must not read", QStringLiteral("inf nan Infinity NaN")},
            {"null character", QString(QChar(0)) + QStringLiteral("5")},
        };
        for (const auto& [name, text] : texts) {
            QTest::addRow("%s typed", name) << text << false;
            QTest::addRow("%s pasted", name) << text << true;
        }
    }

    void hostileTexts() {
        QFETCH(QString, text);
        QFETCH(bool, paste);

        for (QWidget* calculator : calculators) {
            QVERIFY(activate(calculator));
            const auto answer = control<QLineEdit>(calculator, "txtAnswer");
            const auto button = control<QPushButton>(calculator, "cmdAnswer");
            const auto answerUnit = control<QComboBox>(calculator, "Combo4");
            const int figures = static_cast<int>(calculator->findChildren<QRadioButton*>().size());
            for (int figure = 1; figure <= figures; ++figure) {
                click(control<QRadioButton>(calculator, QStringLiteral("Option%1").arg(figure)));
                for (const char* name : {"Text1", "Text2", "Text3"}) {
                    putText(control<QLineEdit>(calculator, name), text, paste);
                }
                click(button);
                QVERIFY2(isShownNumber(answer->text()), qPrintable(answer->text()));
                for (int unit = 0; unit < answerUnit->count(); ++unit) {
                    QVERIFY(stepTo(answerUnit, unit));
                    QVERIFY2(isShownNumber(answer->text()), qPrintable(answer->text()));
                }
                click(button);
            }
        }

        QVERIFY(activate(solver));
        const auto rounding = control<QCheckBox>(solver, "Check1");
        for (int missing = 0; missing < 7; ++missing) {
            QPushButton* solve =
                control<QPushButton>(solver, missing < 3 ? "cmdShow1" : "cmdShow2");
            for (bool rounded : {true, false}) {
                if (rounding->isChecked() != rounded) {
                    click(rounding);
                }
                QStringList before;
                for (int box = 0; box < 7; ++box) {
                    QLineEdit* z = control<QLineEdit>(solver, QStringLiteral("txtZ(%1)").arg(box));
                    putText(z, box == missing ? QStringLiteral("0") : text, paste);
                    before << z->text();
                }
                // The button is enabled by the window's timer while its calculator has a "0".
                QTRY_VERIFY(solve->isEnabled());
                const auto seen = zelmora::testing::answerNextMessageBox();
                click(solve);
                zelmora::testing::stopAnswering();
                for (int box = 0; box < 7; ++box) {
                    const QString shown =
                        control<QLineEdit>(solver, QStringLiteral("txtZ(%1)").arg(box))->text();
                    QVERIFY2(shown == before[box] || shown.isEmpty() || isShownNumber(shown),
                             qPrintable(shown));
                }
            }
        }

        QVERIFY(activate(converter));
        const auto boxA = control<QLineEdit>(converter, "txtCajaA");
        const auto boxB = control<QLineEdit>(converter, "txtCajaB");
        for (QLineEdit* box : {boxA, boxB}) {
            QLineEdit* other = box == boxA ? boxB : boxA;
            putText(box, text, paste);
            QVERIFY(box->text().size() <= 15);
            const QString typed = box->text();
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->text(), typed);
            QVERIFY2(isShownNumber(other->text()), qPrintable(other->text()));
            for (const char* family : {"Option1", "Option3", "Option2"}) {
                click(control<QRadioButton>(converter, family));
                QVERIFY2(isShownNumber(other->text()), qPrintable(other->text()));
            }
            // An arrow converts from its own box into the other one.
            click(control<QPushButton>(converter, "cmdIzqA"));
            QVERIFY2(isShownNumber(boxB->text()), qPrintable(boxB->text()));
            click(control<QPushButton>(converter, "cmdDerB"));
            QVERIFY2(isShownNumber(boxA->text()), qPrintable(boxA->text()));
        }

        QVERIFY(activate(menu));
        const auto gear = control<QAbstractButton>(menu, "imgConf");
        click(gear);
        putText(control<QLineEdit>(menu, "txtFormat"), text, paste);
        QVERIFY(std::isfinite(basVar::Pi));
        QCOMPARE(basVar::Pi,
                 zelmora::leadingNumber(control<QLabel>(menu, "lblPi")->text().toStdString()));
        click(gear);

        // The other windows are untouched.
        QCOMPARE(control<QLineEdit>(bystander, "txtAnswer")->text(), QStringLiteral("9"));
        QCOMPARE(control<QLineEdit>(bystander, "Text1")->text(), QStringLiteral("3"));
        QCOMPARE(control<QPushButton>(bystander, "cmdAnswer")->text(), QStringLiteral("Limpiar"));
    }
};

QTEST_MAIN(HostileInputTest)
#include "tst_hostileinput.moc"
