#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "common/windowstyle.h"
#include "converter/converterbox.h"
#include "converter/frmconvert.h"

using zelmora::ConverterBox;
using zelmora::frmConvert;

namespace {

// The full names of the units, in the order of their family's table.
const QStringList kArea = {QStringLiteral("Milímetros cuadrados"),
                           QStringLiteral("Centímetros cuadrados"),
                           QStringLiteral("Decímetros cuadrados"),
                           QStringLiteral("Metros cuadrados"),
                           QStringLiteral("Áreas"),
                           QStringLiteral("Hectáreas"),
                           QStringLiteral("Kilómetros cuadrados")};
const QStringList kLength = {QStringLiteral("Milímetros"), QStringLiteral("Centímetros"),
                             QStringLiteral("Decímetros"), QStringLiteral("Metros"),
                             QStringLiteral("Decametros"), QStringLiteral("Hectómetros"),
                             QStringLiteral("Kilómetros")};
const QStringList kVolume = {QStringLiteral("Microlitros"), QStringLiteral("Mililitros"),
                             QStringLiteral("Centilitros"), QStringLiteral("Decilitros"),
                             QStringLiteral("Litros"),      QStringLiteral("Decalitros"),
                             QStringLiteral("Hectolitros"), QStringLiteral("Metros cúbicos")};

const QColor kChosen(255, 255, 128);
const QColor kNotChosen(255, 255, 255);

}  // namespace

// Drives a real converter window the way a user does: focus, typing, pasting, Enter, the arrow
// buttons and the family options.
class FrmConvertTest : public QObject {
    Q_OBJECT
  private:
    frmConvert* w = nullptr;

    QRadioButton* option(int number) {
        return std::array{w->Option1, w->Option2, w->Option3}[number - 1];
    }

    void focus(QWidget* widget) {
        widget->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(widget->hasFocus());
    }

    // Replaces the box's text by typing, as a user who selects it all first.
    void type(ConverterBox* box, const QString& text) {
        focus(box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    void enter(ConverterBox* box) {
        focus(box);
        QTest::keyClick(box, Qt::Key_Return);
    }

    static QColor face(QWidget* widget) {
        const QImage image = widget->grab().toImage();
        // Inside the focus frame, right of the caption.
        return image.pixelColor(image.width() - 8, image.height() / 2);
    }

    // The whole text is in view: its first character at the left of the box, its last at the
    // right.
    static bool showsWhole(QLineEdit* box) {
        box->grab();  // the box places its text when it paints
        const int middle = box->height() / 2;
        return box->cursorPositionAt(QPoint(6, middle)) == 0 &&
               box->cursorPositionAt(QPoint(box->width() - 4, middle)) == box->text().size();
    }

    static QString accessibleName(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

  private slots:
    void initTestCase() { zelmora::setUpApplication(*qApp); }

    void init() {
        w = new frmConvert;
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup() {
        delete w;
        w = nullptr;
    }

    void freshWindow() {
        QCOMPARE(w->objectName(), QStringLiteral("frmConvert"));
        QCOMPARE(w->windowTitle(), QStringLiteral("CONVERTIDOR DE UNIDADES"));
        QCOMPARE(w->size(), QSize(353, 257));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(w->grab().toImage().pixelColor(2, w->height() - 3), QColor(250, 250, 250));
        QVERIFY(w->Option2->isChecked());
        QVERIFY(!w->Option1->isChecked());
        QVERIFY(!w->Option3->isChecked());
        QCOMPARE(face(w->Option2), kChosen);
        QCOMPARE(face(w->Option1), kNotChosen);
        QCOMPARE(face(w->Option3), kNotChosen);
        QVERIFY(w->txtCajaA->hasFocus());
        QCOMPARE(w->state().Caja, 1);
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("0"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0"));
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Centímetros"));
        QCOMPARE(w->lblUnidad1->toolTip(), QStringLiteral("Centímetros (cm)"));
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Metros"));
        QCOMPARE(w->lblUnidad2->toolTip(), QStringLiteral("Metros (m)"));
        QVERIFY(!w->lblSafe->isVisible());
        QCOMPARE(w->lblSafe->text(), QString());
        QCOMPARE(w->state().Modo, 2);
        QCOMPARE(w->txtCajaA->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(w->txtCajaB->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(face(w->lblUnidad1), kNotChosen);
        QCOMPARE(face(w->lblUnidad2), kNotChosen);
        QCOMPARE(face(w->cmdIzqA), kNotChosen);
        QCOMPARE(face(w->cmdDerB), kNotChosen);
        QVERIFY(w->txtCajaA->alignment() & Qt::AlignRight);
        QVERIFY(!w->txtCajaA->isReadOnly());
        // The first number typed replaces the "0".
        QTest::keyClicks(w->txtCajaA, "5");
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("5"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0"));
    }

    void controlsStandInTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("italic");
        QTest::newRow("Option2") << "Option2" << QRect(8, 8, 113, 33) << 15.75 << false;
        QTest::newRow("Option1") << "Option1" << QRect(120, 8, 113, 33) << 15.75 << false;
        QTest::newRow("Option3") << "Option3" << QRect(232, 8, 113, 33) << 15.75 << false;
        QTest::newRow("cmdIzqA") << "cmdIzqA" << QRect(8, 56, 25, 49) << 15.75 << false;
        QTest::newRow("txtCajaA") << "txtCajaA" << QRect(40, 56, 273, 50) << 26.25 << false;
        QTest::newRow("cmdDerA") << "cmdDerA" << QRect(320, 56, 25, 49) << 15.75 << false;
        QTest::newRow("lblUnidad1") << "lblUnidad1" << QRect(8, 112, 337, 25) << 14.25 << true;
        QTest::newRow("cmdIzqB") << "cmdIzqB" << QRect(8, 152, 25, 49) << 15.75 << false;
        QTest::newRow("txtCajaB") << "txtCajaB" << QRect(40, 152, 273, 50) << 26.25 << false;
        QTest::newRow("cmdDerB") << "cmdDerB" << QRect(320, 152, 25, 49) << 15.75 << false;
        QTest::newRow("lblUnidad2") << "lblUnidad2" << QRect(8, 208, 337, 25) << 14.25 << true;
        QTest::newRow("lblSafe") << "lblSafe" << QRect(320, 16, 17, 17) << 0.0 << false;
    }
    void controlsStandInTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(qreal, points);
        QFETCH(bool, italic);
        auto* control = w->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
        if (points > 0) {
            auto* box = qobject_cast<ConverterBox*>(control);
            const QFont font = box != nullptr ? box->baseFont() : control->font();
            QCOMPARE(font.family(), QStringLiteral("Calibri"));
            QCOMPARE(font.pointSizeF(), points);
            QCOMPARE(font.italic(), italic);
        }
    }

    void tabOrderRunsBoxesArrowsFamilies() {
        const QList<QWidget*> expected = {w->txtCajaA, w->txtCajaB, w->cmdIzqA,
                                          w->cmdDerA,  w->cmdIzqB,  w->cmdDerB,
                                          w->Option2,  w->Option1,  w->Option3};
        QList<QWidget*> chain;
        for (QWidget* next = w->txtCajaA->nextInFocusChain(); chain.size() < 20;
             next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus) {
                chain << next;
            }
            if (next == w->txtCajaA) {
                break;
            }
        }
        chain.prepend(chain.takeLast());
        QCOMPARE(chain, expected);
        QCOMPARE(w->lblSafe->focusPolicy(), Qt::NoFocus);
        QCOMPARE(w->lblUnidad1->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(w->txtCajaA, Qt::Key_Tab);
        QVERIFY(w->txtCajaB->hasFocus());
        QCOMPARE(w->state().Caja, 2);
    }

    void boxesNamedForScreenReaders() {
        QCOMPARE(accessibleName(w->txtCajaA), QStringLiteral("Cantidad A"));
        QCOMPARE(accessibleName(w->txtCajaB), QStringLiteral("Cantidad B"));
        QCOMPARE(w->txtCajaA->accessibleDescription(), QStringLiteral("Centímetros (cm)"));
        QCOMPARE(accessibleName(w->cmdDerB), QStringLiteral("Unidad siguiente de la cantidad B"));
        QTest::mouseClick(w->cmdDerB, Qt::LeftButton);
        QCOMPARE(w->txtCajaB->accessibleDescription(), QStringLiteral("Decámetros (dam)"));
    }

    void enterConvertsIntoTheOtherBox_data() {
        QTest::addColumn<bool>("fromA");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("A centimetres") << true << "5"
                                       << "0.05";
        QTest::newRow("A letters") << true << "abc"
                                   << "0";
        QTest::newRow("A trailing letters") << true << "12abc"
                                            << "0.12";
        QTest::newRow("A negative") << true << "-5"
                                    << "-0.05";
        QTest::newRow("A keypad") << true << "300"
                                  << "3";
        QTest::newRow("B metres") << false << "0.3"
                                  << "30";
        QTest::newRow("B decimal comma") << false << "1,5"
                                         << "100";
        QTest::newRow("B empty") << false << ""
                                 << "0";
    }
    void enterConvertsIntoTheOtherBox() {
        QFETCH(bool, fromA);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        ConverterBox* box = fromA ? w->txtCajaA : w->txtCajaB;
        ConverterBox* other = fromA ? w->txtCajaB : w->txtCajaA;
        type(box, typed);
        QCOMPARE(w->state().Caja, fromA ? 1 : 2);
        const Qt::Key key =
            QByteArray(QTest::currentDataTag()).contains("keypad") ? Qt::Key_Enter : Qt::Key_Return;
        QTest::keyClick(box, key);
        QCOMPARE(other->text(), result);
        QCOMPARE(box->text(), typed);
        QVERIFY(!box->text().contains(QLatin1Char('\n')));
        QVERIFY(box->hasFocus());
    }

    void typingAloneConvertsNothing() {
        type(w->txtCajaA, "5");
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0"));
        focus(w->txtCajaB);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0"));
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("5"));
    }

    void nonAsciiLettersStayInTheBox() {
        type(w->txtCajaA, "5");
        for (const QString& letter : {QStringLiteral("ñ"), QStringLiteral("²")}) {
            QTest::sendKeyEvent(QTest::Click, w->txtCajaA, Qt::Key_unknown, letter, Qt::NoModifier);
        }
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("5ñ²"));
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.05"));
        type(w->txtCajaA, "");
        QTest::sendKeyEvent(QTest::Click, w->txtCajaA, Qt::Key_unknown, QStringLiteral("é"),
                            Qt::NoModifier);
        QTest::keyClicks(w->txtCajaA, "7");
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("é7"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0"));
    }

    void cajaFollowsTheFocusAndTheArrows() {
        focus(w->txtCajaB);
        QCOMPARE(w->state().Caja, 2);
        focus(w->cmdIzqA);
        QCOMPARE(w->state().Caja, 2);  // leaving a box changes nothing
        focus(w->txtCajaA);
        QCOMPARE(w->state().Caja, 1);
        QTest::mouseClick(w->cmdDerB, Qt::LeftButton);
        QCOMPARE(w->state().Caja, 2);
        QTest::mouseClick(w->cmdIzqA, Qt::LeftButton);
        QCOMPARE(w->state().Caja, 1);
    }

    // Every arrow of every family, pressed once for each unit: it walks the whole table and
    // wraps at the end it moves to; the box keeps its number and the other box is recomputed.
    void arrowsWalkTheFamilyAndWrap_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("boxA");
        QTest::addColumn<bool>("next");
        for (int family = 1; family <= 3; ++family) {
            for (bool boxA : {true, false}) {
                for (bool next : {true, false}) {
                    QTest::addRow("family %d box %s %s", family, boxA ? "A" : "B", next ? ">" : "<")
                        << family << boxA << next;
                }
            }
        }
    }
    void arrowsWalkTheFamilyAndWrap() {
        QFETCH(int, family);
        QFETCH(bool, boxA);
        QFETCH(bool, next);
        const QStringList names = std::array{kArea, kLength, kVolume}[family - 1];
        option(family)->click();
        ConverterBox* box = boxA ? w->txtCajaA : w->txtCajaB;
        ConverterBox* other = boxA ? w->txtCajaB : w->txtCajaA;
        QLabel* label = boxA ? w->lblUnidad1 : w->lblUnidad2;
        QPushButton* button =
            boxA ? (next ? w->cmdDerA : w->cmdIzqA) : (next ? w->cmdDerB : w->cmdIzqB);
        type(box, "1");
        int unit = static_cast<int>(names.indexOf(label->text()));
        QVERIFY(unit >= 0);
        const int count = static_cast<int>(names.size());
        QStringList seen;
        bool wrapped = false;
        for (int press = 0; press < count; ++press) {
            const int before = unit;
            unit = (unit + (next ? 1 : count - 1)) % count;
            wrapped = wrapped || (next ? unit < before : unit > before);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(label->text(), names[unit]);
            QCOMPARE(w->state().Caja, boxA ? 1 : 2);
            QCOMPARE(box->text(), QStringLiteral("1"));
            seen << label->text();
            // The other box now shows the same quantity in its own unit: converted back, it
            // gives 1 in this box's unit again.
            enter(other);
            QCOMPARE(box->text(), QStringLiteral("1"));
        }
        QVERIFY(wrapped);
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), count);
    }

    void arrowsWrapAtTheEndsOfEachFamily_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("presses");  // of ">" of box A from its remembered unit
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("converted");  // box B, for 1 in box A
        QTest::newRow("Longitud to Kilómetros") << 2 << 5 << "Kilómetros"
                                                << "1000";
        QTest::newRow("Longitud wraps to Milímetros") << 2 << 6 << "Milímetros"
                                                      << "0.001";
        QTest::newRow("Área to Kilómetros cuadrados") << 1 << 5 << "Kilómetros cuadrados"
                                                      << "1000000";
        QTest::newRow("Área wraps") << 1 << 6 << "Milímetros cuadrados"
                                    << "1E-06";
        QTest::newRow("Volumen to Metros cúbicos") << 3 << 6 << "Metros cúbicos"
                                                   << "1000";
        QTest::newRow("Volumen wraps to Microlitros") << 3 << 7 << "Microlitros"
                                                      << "1E-06";
    }
    void arrowsWrapAtTheEndsOfEachFamily() {
        QFETCH(int, family);
        QFETCH(int, presses);
        QFETCH(QString, shown);
        QFETCH(QString, converted);
        option(family)->click();
        type(w->txtCajaA, "1");
        for (int i = 0; i < presses; ++i) {
            QTest::mouseClick(w->cmdDerA, Qt::LeftButton);
        }
        QCOMPARE(w->lblUnidad1->text(), shown);
        QCOMPARE(w->txtCajaB->text(), converted);
        // "<" takes it back across the same end.
        QTest::mouseClick(w->cmdIzqA, Qt::LeftButton);
        QTest::mouseClick(w->cmdDerA, Qt::LeftButton);
        QCOMPARE(w->lblUnidad1->text(), shown);
    }

    void anArrowKeepsItsBoxsNumber() {
        type(w->txtCajaA, "5");
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.05"));
        QTest::mouseClick(w->cmdIzqB, Qt::LeftButton);
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Decímetros"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.05"));
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("0.5"));
        QCOMPARE(w->lblSafe->text(), QStringLiteral("0.005"));
    }

    void familiesRememberTheirUnits() {
        type(w->txtCajaA, "5");
        QTest::mouseClick(w->Option1, Qt::LeftButton);
        QVERIFY(w->Option1->isChecked());
        QCOMPARE(face(w->Option1), kChosen);
        QCOMPARE(face(w->Option2), kNotChosen);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Centímetros cuadrados"));
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Metros cuadrados"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.0005"));
        QTest::mouseClick(w->Option3, Qt::LeftButton);
        QCOMPARE(face(w->Option3), kChosen);
        QCOMPARE(face(w->Option1), kNotChosen);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Mililitros"));
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Litros"));
        QCOMPARE(w->lblUnidad2->toolTip(), QStringLiteral("Litros (l)/Decímetros cúbicos (dm³)"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.005"));
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(w->cmdDerA, Qt::LeftButton);
        }
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Hectolitros"));
        QTest::mouseClick(w->cmdIzqB, Qt::LeftButton);
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Decilitros"));
        QTest::mouseClick(w->Option1, Qt::LeftButton);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Centímetros cuadrados"));
        QTest::mouseClick(w->Option2, Qt::LeftButton);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Centímetros"));
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Metros"));
        QCOMPARE(face(w->Option2), kChosen);
        QCOMPARE(face(w->Option3), kNotChosen);
        QTest::mouseClick(w->Option3, Qt::LeftButton);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Hectolitros"));
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Decilitros"));
        // The family converts from box B, whose arrow was pressed last: 500 dl in hl.
        QCOMPARE(w->state().Caja, 2);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("500"));
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("0.5"));
    }

    void familiesChosenWithTheKeyboard() {
        focus(w->Option2);
        QTest::keyClick(w->Option2, Qt::Key_Right);
        QVERIFY(w->Option1->isChecked());
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Centímetros cuadrados"));
        // While the keyboard is on it, the style tints the option to show the focus.
        QTest::mouseClick(w->txtCajaA, Qt::LeftButton);
        QVERIFY(w->txtCajaA->hasFocus());
        QCOMPARE(face(w->Option1), kChosen);
        QCOMPARE(face(w->Option2), kNotChosen);
    }

    void typingIsLimitedToFifteenCharacters() {
        type(w->txtCajaA, "12345678901234567890");
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("123456789012345"));
        // In the middle of a full box nothing more is taken.
        w->txtCajaA->setCursorPosition(3);
        QTest::keyClicks(w->txtCajaA, "x");
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("123456789012345"));
        QCOMPARE(w->txtCajaA->cursorPosition(), 3);
        // A selection typed over makes room again.
        w->txtCajaA->setSelection(0, 2);
        QTest::keyClicks(w->txtCajaA, "-9E");
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("-93456789012345"));
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("-934567890123.45"));
    }

    void pastingIsLimitedToFifteenCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("into an empty box") << "" << 0 << "12345678901234567890"
                                           << "123456789012345";
        QTest::newRow("into the middle") << "12345" << 2 << "abcdefghijklmnop"
                                         << "12abcdefghij345";
        QTest::newRow("at the end") << "1.5" << 3 << "E+2000000000000000"
                                    << "1.5E+2000000000";
        QTest::newRow("into a full box") << "123456789012345" << 15 << "6"
                                         << "123456789012345";
        QTest::newRow("what fits") << "1" << 1 << "00000"
                                   << "100000";
        QTest::newRow("non-ASCII") << "" << 0 << "ñññññññññññññññññññ"
                                   << "ñññññññññññññññ";
    }
    void pastingIsLimitedToFifteenCharacters() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        type(w->txtCajaB, before);
        w->txtCajaB->setCursorPosition(cursor);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(w->txtCajaB, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->txtCajaB->text(), after);
        // The context menu's "Pegar" takes the same way.
        type(w->txtCajaB, before);
        w->txtCajaB->setCursorPosition(cursor);
        w->txtCajaB->paste();
        QCOMPARE(w->txtCajaB->text(), after);
        QCOMPARE(w->txtCajaB->cursorPosition(), after.size() - (before.size() - cursor));
    }

    void longResultsAreShownWhole() {
        QTest::mouseClick(w->Option1, Qt::LeftButton);
        QTest::mouseClick(w->cmdIzqA, Qt::LeftButton);
        QTest::mouseClick(w->cmdIzqA, Qt::LeftButton);  // box A: Kilómetros cuadrados
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(w->cmdIzqB, Qt::LeftButton);  // box B: Milímetros cuadrados
        }
        type(w->txtCajaA, "123456789012345");
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("1.23456789012345E+26"));
        QVERIFY(showsWhole(w->txtCajaB));
        QVERIFY(w->txtCajaB->font().pointSizeF() < 26.25);
        // The long text converts like any other.
        enter(w->txtCajaB);
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("123456789012345"));
        // The user cannot add to it, but may shorten it.
        w->txtCajaB->end(false);
        QTest::keyClicks(w->txtCajaB, "9");
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("1.23456789012345E+26"));
        QTest::keyClick(w->txtCajaB, Qt::Key_Backspace);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("1.23456789012345E+2"));
        QTest::keyClicks(w->txtCajaB, "6");
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("1.23456789012345E+2"));
        w->txtCajaB->selectAll();
        QTest::keyClicks(w->txtCajaB, "7");
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("7"));
        QCOMPARE(w->txtCajaB->font().pointSizeF(), 26.25);
    }

    void theLongestResultsAreShownWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("centimetres");  // the text in box B, in metres, into box A
        QTest::newRow("21 characters") << "-1.23456789012345E+15"
                                       << "-1.23456789012345E+17";
        QTest::newRow("22 characters") << "-1.23456789012345E-100"
                                       << "-1.23456789012345E-98";
        QTest::newRow("overflow") << "Desbordamiento"
                                  << "Desbordamiento";
        QTest::newRow("fifteen digits") << "123456789012345"
                                        << "1.23456789012345E+16";
    }
    void theLongestResultsAreShownWhole() {
        QFETCH(QString, text);
        QFETCH(QString, centimetres);
        for (ConverterBox* box : {w->txtCajaA, w->txtCajaB}) {
            box->writeText(text);
            QCOMPARE(box->text(), text);
            QVERIFY(showsWhole(box));
            QVERIFY(box->font().pointSizeF() >= 14);
        }
        // Converted from, it reads as the number it shows.
        enter(w->txtCajaB);
        QCOMPARE(w->txtCajaA->text(), centimetres);
    }

    void overflowShowsTheWord_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("base");
        QTest::newRow("1E308 square kilometres") << "1E308"
                                                 << "Desbordamiento";
        QTest::newRow("second step") << "1E300"
                                     << "1E+306";
        QTest::newRow("1E400 typed") << "1E400"
                                     << "Desbordamiento";
        QTest::newRow("-1E400 typed") << "-1E400"
                                      << "Desbordamiento";
    }
    void overflowShowsTheWord() {
        QFETCH(QString, typed);
        QFETCH(QString, base);
        QTest::mouseClick(w->Option1, Qt::LeftButton);
        QTest::mouseClick(w->cmdIzqA, Qt::LeftButton);
        QTest::mouseClick(w->cmdIzqA, Qt::LeftButton);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Kilómetros cuadrados"));
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(w->cmdIzqB, Qt::LeftButton);
        }
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Milímetros cuadrados"));
        type(w->txtCajaA, typed);
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(w->txtCajaA->text(), typed);
        QCOMPARE(w->lblSafe->text(), base);
        // Box B's arrow converts its overflow into box A, never as a 0.
        QTest::mouseClick(w->cmdDerB, Qt::LeftButton);
        QTest::mouseClick(w->cmdDerB, Qt::LeftButton);
        QCOMPARE(w->lblUnidad2->text(), QStringLiteral("Decímetros cuadrados"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("Desbordamiento"));
        QCOMPARE(w->txtCajaA->text(), QStringLiteral("Desbordamiento"));
        // The window goes on working.
        type(w->txtCajaA, "2");
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("200000000"));
    }

    void twoWindowsAreIndependent() {
        auto* second = new frmConvert;
        second->show();
        QVERIFY(QTest::qWaitForWindowActive(second));
        QCOMPARE(second->state().Caja, 1);
        QTest::keyClicks(second->txtCajaA, "7");
        QTest::mouseClick(second->Option3, Qt::LeftButton);
        QCOMPARE(second->txtCajaB->text(), QStringLiteral("0.007"));
        QTest::mouseClick(second->cmdDerA, Qt::LeftButton);
        QCOMPARE(second->lblUnidad1->text(), QStringLiteral("Centilitros"));
        QVERIFY(w->Option2->isChecked());
        QCOMPARE(w->state().Modo, 2);
        QCOMPARE(w->state().VolumenA, 2);
        QCOMPARE(w->lblUnidad1->text(), QStringLiteral("Centímetros"));
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0"));
        QCOMPARE(face(w->Option3), kNotChosen);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        type(w->txtCajaA, "5");
        QTest::keyClick(w->txtCajaA, Qt::Key_Return);
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.05"));
        QCOMPARE(second->txtCajaB->text(), QStringLiteral("0.07"));
        QCOMPARE(second->txtCajaA->text(), QStringLiteral("7"));
        QPointer<frmConvert> watch(second);
        QVERIFY(second->close());
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(w->txtCajaB->text(), QStringLiteral("0.05"));
    }

    void closedWindowsFreeThemselves() {
        const auto countWindows = [] {
            const QWidgetList widgets = QApplication::allWidgets();
            return std::count_if(widgets.begin(), widgets.end(), [](QWidget* widget) {
                return qobject_cast<frmConvert*>(widget) != nullptr;
            });
        };
        const auto before = countWindows();
        const auto widgetsBefore = QApplication::allWidgets().size();
        for (int i = 0; i < 200; ++i) {
            auto* converter = new frmConvert;
            converter->show();
            converter->txtCajaA->writeText(QStringLiteral("3"));
            converter->txtCajaA_GotFocus();
            converter->cmdDerA_Click();  // 3 dm
            QCOMPARE(converter->txtCajaA->text(), QStringLiteral("3"));
            QCOMPARE(converter->txtCajaB->text(), QStringLiteral("0.3"));
            QVERIFY(converter->close());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(countWindows(), before);
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }
};

QTEST_MAIN(FrmConvertTest)
#include "tst_frmconvert.moc"
