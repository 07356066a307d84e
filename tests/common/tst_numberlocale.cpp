#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <clocale>
#include <memory>

#include "calculators/figuretable.h"
#include "common/bridge.h"
#include "common/numbertext.h"
#include "common/windowstyle.h"
#include "shell/application.h"
#include "tests/support/localecheck.h"

// The number texts once the Qt application object exists, which switches the C library's
// number locale to the user's: under a Spanish locale, nothing may change.
class NumberLocaleTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QVERIFY2(zelmora::testing::localeIsAsRequested(), "the requested locale is not in force");
    }

    void parseIgnoresTheLocale_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("point") << "2.5" << 2.5;
        QTest::newRow("comma") << "2,5" << 2.0;
        QTest::newRow("exponent") << "1E-06" << 0.000001;
        QTest::newRow("grouping") << "1.234,5" << 1.234;
        QTest::newRow("blanks") << "1 2.5" << 12.5;
    }
    void parseIgnoresTheLocale() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(zelmora::leadingNumber(text.toStdString()), value);
    }

    void textIgnoresTheLocale_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 6.25 << "6.25";
        QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("small") << 0.00001 << "1E-05";
        QTest::newRow("large") << 1234567.5 << "1234567.5";
        QTest::newRow("exponent") << 1.52415787501905E+22 << "1.52415787501905E+22";
    }
    void textIgnoresTheLocale() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(zelmora::toQString(zelmora::generalNumberText(value)), text);
    }

    void calculatorIgnoresTheLocale() {
        const zelmora::FigureAnswer circle =
            zelmora::computeFigure(zelmora::areaTable(), 7, "1.5", "0", "0", 3.141592654);
        QCOMPARE(circle.text, std::string("7.0685834715"));
        QCOMPARE(zelmora::convertedAnswerText(zelmora::areaTable(), "cm", "m²", circle.respuesta)
                     .value_or("none"),
                 std::string("0.00070685834715"));
    }

    // Standard texts are Spanish whatever the system's language.
    void standardButtonsAreSpanish() {
        QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Sí"));
        QCOMPARE(buttons.button(QDialogButtonBox::No)->text().remove(QLatin1Char('&')),
                 QStringLiteral("No"));
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList items;
        for (QAction* action : menu->actions()) {
            items << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        }
        QVERIFY2(items.contains(QStringLiteral("Deshacer")), qPrintable(items.join(", ")));
        QVERIFY2(items.contains(QStringLiteral("Pegar")), qPrintable(items.join(", ")));
    }
};

QTEST_MAIN(NumberLocaleTest)
#include "tst_numberlocale.moc"
