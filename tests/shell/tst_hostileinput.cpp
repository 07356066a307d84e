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
#include "common/windowstyle.h"
#include "converter/converterbox.h"
#include "converter/frmconvert.h"
#include "shell/frmmenuprincipal.h"
#include "solver/frmpitagoras.h"
#include "tests/support/modal.h"

namespace {

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

}  // namespace

// Hostile texts in every text box of every window: the program never stops, never shows inf or
// nan, and no window disturbs another.
class HostileInputTest : public QObject {
    Q_OBJECT
  private:
    QList<zelmora::FigureCalculatorForm*> calculators;
    zelmora::frmPitagoras* solver = nullptr;
    zelmora::frmConvert* converter = nullptr;
    zelmora::frmMenuPrincipal* menu = nullptr;
    zelmora::frmArea* bystander = nullptr;

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
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
        bystander->Text1->setText(QStringLiteral("3"));
        bystander->cmdAnswer_Click();
        QCOMPARE(bystander->txtAnswer->text(), QStringLiteral("9"));
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

        for (zelmora::FigureCalculatorForm* calculator : calculators) {
            QVERIFY(activate(calculator));
            for (std::size_t figure = 0; figure < calculator->Option.size(); ++figure) {
                calculator->Option[figure]->click();
                for (QLineEdit* box : {calculator->Text1, calculator->Text2, calculator->Text3}) {
                    putText(box, text, paste);
                }
                calculator->cmdAnswer_Click();
                QVERIFY2(isShownNumber(calculator->txtAnswer->text()),
                         qPrintable(calculator->txtAnswer->text()));
                for (int unit = 0; unit < calculator->Combo4->count(); ++unit) {
                    calculator->Combo4->setCurrentIndex(unit);
                    QVERIFY2(isShownNumber(calculator->txtAnswer->text()),
                             qPrintable(calculator->txtAnswer->text()));
                }
                calculator->cmdAnswer_Click();
            }
        }

        QVERIFY(activate(solver));
        for (int missing = 0; missing < 7; ++missing) {
            for (int box = 0; box < 7; ++box) {
                putText(solver->txtZ[box], box == missing ? QStringLiteral("0") : text, paste);
            }
            for (bool rounding : {true, false}) {
                solver->Check1->setChecked(rounding);
                QStringList before;
                for (QLineEdit* box : solver->txtZ) {
                    before << box->text();
                }
                const auto seen = zelmora::testing::answerNextMessageBox();
                missing < 3 ? solver->cmdShow1_Click() : solver->cmdShow2_Click();
                zelmora::testing::stopAnswering();
                for (int box = 0; box < 7; ++box) {
                    const QString shown = solver->txtZ[box]->text();
                    QVERIFY2(shown == before[box] || shown.isEmpty() || isShownNumber(shown),
                             qPrintable(shown));
                }
            }
        }

        QVERIFY(activate(converter));
        for (zelmora::ConverterBox* box : {converter->txtCajaA, converter->txtCajaB}) {
            zelmora::ConverterBox* other =
                box == converter->txtCajaA ? converter->txtCajaB : converter->txtCajaA;
            putText(box, text, paste);
            QVERIFY(box->text().size() <= 15);
            const QString typed = box->text();
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->text(), typed);
            QVERIFY2(isShownNumber(other->text()), qPrintable(other->text()));
            for (QRadioButton* family :
                 {converter->Option1, converter->Option3, converter->Option2}) {
                family->click();
                QVERIFY2(isShownNumber(other->text()), qPrintable(other->text()));
            }
            for (QPushButton* arrow : {converter->cmdIzqA, converter->cmdDerB}) {
                arrow->click();
                QVERIFY(isShownNumber(converter->txtCajaA->text()) ||
                        isShownNumber(converter->txtCajaB->text()));
            }
        }

        QVERIFY(activate(menu));
        menu->imgConf_Click();
        putText(menu->txtFormat, text, paste);
        QVERIFY(std::isfinite(basVar::Pi));
        QCOMPARE(basVar::Pi, zelmora::leadingNumber(menu->lblPi->text().toStdString()));
        menu->imgConf_Click();

        // The other windows are untouched.
        QCOMPARE(bystander->txtAnswer->text(), QStringLiteral("9"));
        QCOMPARE(bystander->Text1->text(), QStringLiteral("3"));
        QCOMPARE(bystander->cmdAnswer->text(), QStringLiteral("Limpiar"));
    }
};

QTEST_MAIN(HostileInputTest)
#include "tst_hostileinput.moc"
