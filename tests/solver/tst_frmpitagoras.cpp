#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "solver/frmpitagoras.h"
#include "tests/support/popupmenu.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmPitagoras;
using zelmora::testing::answerNextMessageBox;
using zelmora::testing::control;
using zelmora::testing::numbered;
using zelmora::testing::showsWhole;
using zelmora::testing::tabTo;
using zelmora::testing::typeOver;

namespace {

// Types the texts into the boxes from box 0 on, as a user does: a click into each box, then the
// text over what it held. The last box typed keeps the focus.
[[nodiscard]] bool typeTexts(const QWidget* window, const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) {
        if (!typeOver(control<QLineEdit>(window, "txtZ", i), values[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Drives a real solver window the way a user does: focus, typing, Tab, Enter, double clicks,
// the two "Resolver" buttons and the check box; the button timer runs as it does for a user.
class FrmPitagorasTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    QPointer<frmPitagoras> w;

    QStringList texts() const {
        QStringList all;
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            all << control<QLineEdit>(w, "txtZ", i)->text();
        }
        return all;
    }

    // Waits for the next tick of the window's button timer to have been handled.
    [[nodiscard]] bool waitForTick() {
        QSignalSpy ticks(control<QTimer>(w, "tmrMoon"), &QTimer::timeout);
        return ticks.wait(2000);
    }

  protected:
    void setUpTest() override {
        w = new frmPitagoras;
        QVERIFY(zelmora::testing::showActive(w));
    }

  private slots:
    void freshWindow() {
        QCOMPARE(w->objectName(), QStringLiteral("frmPitagoras"));
        QCOMPARE(w->windowTitle(), QStringLiteral("TEOREMA DE PITÁGORAS"));
        QCOMPARE(w->size(), QSize(449, 169));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(w->isWindow());
        QVERIFY(w->parent() == nullptr);
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        QVERIFY(control<QLineEdit>(w, "txtZ", 0)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QString());
        for (int i = 1; i < frmPitagoras::kBoxCount; ++i) {
            QCOMPARE(control<QLineEdit>(w, "txtZ", i)->text(), QStringLiteral("0"));
        }
        QVERIFY(control<QCheckBox>(w, "Check1")->isChecked());
        QCOMPARE(control<QCheckBox>(w, "Check1")->text(), QStringLiteral("Sólo 4 decimales"));
        QCOMPARE(control<QPushButton>(w, "cmdShow1")->text(), QStringLiteral("Resolver"));
        QCOMPARE(control<QPushButton>(w, "cmdShow2")->text(), QStringLiteral("Resolver"));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label1"))->text(),
                 QStringLiteral("HIPOTENUSA ="));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label2"))->text(),
                 QStringLiteral("CATETO A      ="));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label3"))->text(),
                 QStringLiteral("CATETO B      ="));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label4"))->text(), QStringLiteral("="));
        QCOMPARE(control<QTimer>(w, "tmrMoon")->interval(), 100);
        QVERIFY(control<QTimer>(w, "tmrMoon")->isActive());
        QVERIFY(waitForTick());
        QVERIFY(control<QPushButton>(w, "cmdShow1")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdShow2")->isEnabled());
    }

    void controlsAreNamedAndPlaced_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Label1") << "Label1" << QRect(8, 16, 105, 25);
        QTest::newRow("Label2") << "Label2" << QRect(8, 48, 105, 25);
        QTest::newRow("Label3") << "Label3" << QRect(8, 80, 105, 25);
        QTest::newRow("txtZ(0)") << "txtZ(0)" << QRect(120, 16, 89, 25);
        QTest::newRow("txtZ(1)") << "txtZ(1)" << QRect(120, 48, 89, 25);
        QTest::newRow("txtZ(2)") << "txtZ(2)" << QRect(120, 80, 89, 25);
        QTest::newRow("cmdShow1") << "cmdShow1" << QRect(16, 120, 193, 33);
        QTest::newRow("Line1") << "Line1" << QRect(224, 8, 1, 153);
        QTest::newRow("txtZ(3)") << "txtZ(3)" << QRect(240, 16, 81, 25);
        QTest::newRow("txtZ(4)") << "txtZ(4)" << QRect(240, 56, 81, 25);
        QTest::newRow("Line3") << "Line3" << QRect(240, 48, 81, 1);
        QTest::newRow("Label4") << "Label4" << QRect(320, 36, 33, 25);
        QTest::newRow("txtZ(5)") << "txtZ(5)" << QRect(352, 16, 81, 25);
        QTest::newRow("txtZ(6)") << "txtZ(6)" << QRect(352, 56, 81, 25);
        QTest::newRow("Line2") << "Line2" << QRect(352, 48, 81, 1);
        QTest::newRow("Check1") << "Check1" << QRect(240, 88, 121, 17);
        QTest::newRow("cmdShow2") << "cmdShow2" << QRect(240, 120, 193, 33);
    }
    void controlsAreNamedAndPlaced() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        const QWidget* shown = control(w, name);
        QCOMPARE(shown->geometry(), place);
        QVERIFY(shown->isVisible());
    }

    void fontsAreCalibri_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::newRow("Label1") << "Label1" << 12.0;
        QTest::newRow("txtZ(0)") << "txtZ(0)" << 12.0;
        QTest::newRow("txtZ(6)") << "txtZ(6)" << 12.0;
        QTest::newRow("cmdShow1") << "cmdShow1" << 12.0;
        QTest::newRow("cmdShow2") << "cmdShow2" << 12.0;
        QTest::newRow("Label4") << "Label4" << 14.25;
        QTest::newRow("Check1") << "Check1" << 9.75;
    }
    void fontsAreCalibri() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        const QFont font = control(w, name)->font();
        QCOMPARE(font.family(), QStringLiteral("Calibri"));
        QCOMPARE(font.pointSizeF(), points);
        QVERIFY(!font.bold());
        // Carlito is what the set-up installs in Calibri's place.
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Carlito"));
    }

    void coloursAndLook() {
        const QImage window = w->grab().toImage();
        QCOMPARE(window.pixelColor(2, 2), QColor(250, 250, 250));
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            QLineEdit* b = control<QLineEdit>(w, "txtZ", i);
            const QImage face = b->grab().toImage();
            // Inside: the box colour; the edge: one thin line, black unless the box is focused.
            const QColor edge = b->hasFocus() ? b->palette().color(QPalette::Highlight) : Qt::black;
            QCOMPARE(face.pixelColor(4, face.height() - 4), QColor(255, 255, 192));
            QCOMPARE(face.pixelColor(face.width() / 2, face.height() - 1), edge);
            QCOMPARE(face.pixelColor(0, face.height() / 2), edge);
            QCOMPARE(face.pixelColor(face.width() / 2, face.height() - 2), QColor(255, 255, 192));
        }
        // The check box paints its own background in the window's colour around its text. Drawn
        // alone over another colour, its own painting is all that shows: a check box that left
        // its background to the window would show that colour instead.
        QImage checkFace(control<QCheckBox>(w, "Check1")->size(), QImage::Format_RGB32);
        checkFace.fill(QColor(0, 0, 255));
        {
            QPainter painter(&checkFace);
            control<QCheckBox>(w, "Check1")
                ->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        }
        QCOMPARE(checkFace.pixelColor(checkFace.width() - 2, 1), QColor(250, 250, 250));
        for (int number : {1, 2}) {
            const QImage face =
                control<QPushButton>(w, numbered("cmdShow", number))->grab().toImage();
            QCOMPARE(face.pixelColor(8, face.height() / 2), QColor(192, 192, 192));
        }
        // The lines are drawn: dark on the light background.
        QVERIFY(window.pixelColor(224, 80).lightness() < 100);
        QVERIFY(window.pixelColor(280, 48).lightness() < 100);
        QVERIFY(window.pixelColor(390, 48).lightness() < 100);
        QVERIFY(window.pixelColor(280, 47).lightness() > 200);
    }

    void boxesNamedForScreenReaders() {
        const QStringList names = {"Hipotenusa",
                                   "Cateto A",
                                   "Cateto B",
                                   "Numerador de la primera razón",
                                   "Denominador de la primera razón",
                                   "Numerador de la segunda razón",
                                   "Denominador de la segunda razón"};
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            QCOMPARE(zelmora::testing::accessibleName(control<QLineEdit>(w, "txtZ", i)), names[i]);
        }
        // The two "Resolver" buttons say which calculator they solve.
        const auto description = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QCOMPARE(description(control<QPushButton>(w, "cmdShow1")),
                 QStringLiteral("Calcula el lado que falta del triángulo"));
        QCOMPARE(description(control<QPushButton>(w, "cmdShow2")),
                 QStringLiteral("Calcula el término que falta de la proporción"));
    }

    void tabOrder() {
        const QList<QWidget*> expected = {
            control<QLineEdit>(w, "txtZ", 0),    control<QLineEdit>(w, "txtZ", 1),
            control<QLineEdit>(w, "txtZ", 2),    control<QPushButton>(w, "cmdShow1"),
            control<QLineEdit>(w, "txtZ", 3),    control<QLineEdit>(w, "txtZ", 4),
            control<QLineEdit>(w, "txtZ", 5),    control<QLineEdit>(w, "txtZ", 6),
            control<QPushButton>(w, "cmdShow2"), control<QCheckBox>(w, "Check1"),
            control<QLineEdit>(w, "txtZ", 0)};
        QCOMPARE(QApplication::focusWidget(), expected[0]);
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
        // Every box that was passed through shows "0" again; the focused one is empty.
        QCOMPARE(texts(), QStringList({"", "0", "0", "0", "0", "0", "0"}));
    }

    void solvingMovesTheFocusAndTheNextTickDisables() {
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 0), Qt::Key_Tab);
        QTest::keyClicks(control<QLineEdit>(w, "txtZ", 1), "3");
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 1), Qt::Key_Tab);
        QTest::keyClicks(control<QLineEdit>(w, "txtZ", 2), "4");
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("0"));
        QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("5"));
        QVERIFY(control<QLineEdit>(w, "txtZ", 0)->hasFocus());
        QCOMPARE(texts(), QStringList({"5", "3", "4", "0", "0", "0", "0"}));
        QVERIFY(waitForTick());
        QVERIFY(!control<QPushButton>(w, "cmdShow1")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdShow2")->isEnabled());

        // Double-clicking a box empties it; the button is enabled again at the next tick.
        QTest::mouseDClick(control<QLineEdit>(w, "txtZ", 0), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QString());
        QVERIFY(waitForTick());
        QVERIFY(control<QPushButton>(w, "cmdShow1")->isEnabled());
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 0), Qt::Key_Tab);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("0"));
    }

    void theProportionFromTheKeyboard() {
        QTest::mouseClick(control<QLineEdit>(w, "txtZ", 3), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(w, "txtZ", 3)->hasFocus());
        for (const char* term : {"2", "3", "4"}) {
            QTest::keyClicks(QApplication::focusWidget(), term);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(control<QLineEdit>(w, "txtZ", 6)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 6)->text(), QString());
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 6), Qt::Key_Tab);
        QVERIFY(control<QPushButton>(w, "cmdShow2")->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 6)->text(), QStringLiteral("0"));
        QTest::keyClick(control<QPushButton>(w, "cmdShow2"), Qt::Key_Space);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 6)->text(), QStringLiteral("6"));
        QVERIFY(control<QLineEdit>(w, "txtZ", 6)->hasFocus());
        QVERIFY(waitForTick());
        QVERIFY(!control<QPushButton>(w, "cmdShow2")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdShow1")->isEnabled());
    }

    void results_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("resultBox");
        QTest::addColumn<QString>("result");
        const QStringList zeros = {"0", "0", "0", "0"};
        QTest::newRow("leg A") << (QStringList{"5", "0", "4"} + zeros) << true << 1 << 1 << "3";
        QTest::newRow("leg B") << (QStringList{"5", "3", "0"} + zeros) << true << 1 << 2 << "4";
        QTest::newRow("root 2 cleared")
            << (QStringList{"0", "1", "1"} + zeros) << false << 1 << 0 << "1.4142135623731";
        QTest::newRow("box 3") << QStringList{"0", "0", "0", "0", "3", "4", "6"} << true << 2 << 3
                               << "2";
        QTest::newRow("box 4") << QStringList{"0", "0", "0", "2", "0", "4", "6"} << true << 2 << 4
                               << "3";
        QTest::newRow("box 5") << QStringList{"0", "0", "0", "2", "3", "0", "6"} << true << 2 << 5
                               << "4";
        // Results wider than their box at the box's own font.
        QTest::newRow("a third cleared") << QStringList{"0", "0", "0", "3", "1", "1", "0"} << false
                                         << 2 << 6 << "0.333333333333333";
        QTest::newRow("long legs")
            << (QStringList{"0", "1234567", "7654321"} + zeros) << true << 1 << 0 << "7753243.5566";
    }
    void results() {
        QFETCH(QStringList, before);
        QFETCH(bool, ticked);
        QFETCH(int, button);
        QFETCH(int, resultBox);
        QFETCH(QString, result);
        QVERIFY(typeTexts(w, before));
        if (control<QCheckBox>(w, "Check1")->isChecked() != ticked) {
            QTest::mouseClick(control<QCheckBox>(w, "Check1"), Qt::LeftButton);
        }
        QCOMPARE(control<QCheckBox>(w, "Check1")->isChecked(), ticked);
        QTest::mouseClick(control<QPushButton>(w, numbered("cmdShow", button)), Qt::LeftButton);
        QStringList after = before;
        after[resultBox] = result;
        QCOMPARE(texts(), after);
        QVERIFY(control<QLineEdit>(w, "txtZ", resultBox)->hasFocus());
        // The whole number shows, while the box has the focus and after it has left.
        QVERIFY(showsWhole(control<QLineEdit>(w, "txtZ", resultBox)));
        QTest::keyClick(control<QLineEdit>(w, "txtZ", resultBox), Qt::Key_Tab);
        QVERIFY(!control<QLineEdit>(w, "txtZ", resultBox)->hasFocus());
        QVERIFY(showsWhole(control<QLineEdit>(w, "txtZ", resultBox)));
    }

    // The longest texts the number text writes, and the longest a user types, fit every box.
    void theLongestTextsShowWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("large") << "-1.52415787501905E+22";
        QTest::newRow("small") << "-0.000123456789012345";
        QTest::newRow("typed") << "0.999999999";
    }
    void theLongestTextsShowWhole() {
        QFETCH(QString, text);
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            QVERIFY(typeOver(control<QLineEdit>(w, "txtZ", i), text));
            QVERIFY(tabTo(control(w, "txtZ", (i + 1) % frmPitagoras::kBoxCount)));
            QCOMPARE(control<QLineEdit>(w, "txtZ", i)->text(), text);
            QVERIFY2(showsWhole(control<QLineEdit>(w, "txtZ", i)),
                     qPrintable(control<QLineEdit>(w, "txtZ", i)->objectName()));
        }
    }

    // A text too long for any font: the smallest font, no smaller, and its start once the box
    // is left.
    void aTextTooLongForAnyFontShowsItsStart() {
        const QString text = QStringLiteral("1234567890").repeated(8);
        auto* box = control<QLineEdit>(w, "txtZ", 1);
        QVERIFY(typeOver(box, text));
        QCOMPARE(box->text(), text);
        QVERIFY(tabTo(control(w, "txtZ", 2)));
        QCOMPARE(box->font().pointSizeF(), 5.0);
        box->grab();  // the box places its text when it paints
        QCOMPARE(box->cursorPositionAt(QPoint(6, box->height() / 2)), 0);
        QVERIFY(!showsWhole(box));
    }

    void aResultOfZeroShowsEmptyWhileFocused() {
        QVERIFY(typeTexts(w, {"2", "0", "2"}));
        QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(w, "txtZ", 1)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 1)->text(), QString());
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 1), Qt::Key_Tab);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 1)->text(), QStringLiteral("0"));
        // The empty box became the marker again; the leg is 0 once more.
        QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(w, "txtZ", 1)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 1)->text(), QString());
    }

    void lettersKeepTheButtonEnabled() {
        QVERIFY(typeTexts(w, {"5", "3", "4", "2", "3", "4", "6"}));
        QVERIFY(waitForTick());
        QVERIFY(!control<QPushButton>(w, "cmdShow1")->isEnabled());
        QVERIFY(!control<QPushButton>(w, "cmdShow2")->isEnabled());
        QVERIFY(typeOver(control<QLineEdit>(w, "txtZ", 1), QStringLiteral("abc")));
        QVERIFY(typeOver(control<QLineEdit>(w, "txtZ", 5), QStringLiteral("0.0")));
        QVERIFY(waitForTick());
        QVERIFY(control<QPushButton>(w, "cmdShow1")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdShow2")->isEnabled());
    }

    void theCheckBoxAppliesFromTheNextClick() {
        QVERIFY(typeTexts(w, {"0", "1", "1"}));
        QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("1.4142"));
        QTest::mouseClick(control<QCheckBox>(w, "Check1"), Qt::LeftButton);
        QVERIFY(!control<QCheckBox>(w, "Check1")->isChecked());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("1.4142"));
        QTest::mouseDClick(control<QLineEdit>(w, "txtZ", 0), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("1.4142135623731"));
    }

    void messages_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        const QStringList zeros = {"0", "0", "0", "0"};
        QTest::newRow("one value") << (QStringList{"0", "0", "4"} + zeros) << 1
                                   << "Debe introducir al menos 2 datos numéricos.";
        QTest::newRow("short hypotenuse") << (QStringList{"3", "0", "4"} + zeros) << 1
                                          << "La hipotenusa debe ser mayor que los catetos.";
        QTest::newRow("negative difference") << (QStringList{"3", "0", "-5"} + zeros) << 1
                                             << "No existe un triángulo rectángulo con esos datos.";
        QTest::newRow("typed beyond a double")
            << (QStringList{"0", "1E400", "4"} + zeros) << 1
            << "Los números son demasiado grandes para este cálculo.";
        // Nothing typed: the window as it opened.
        QTest::newRow("fresh proportion")
            << QStringList() << 2 << "No se puede dividir entre cero.";
        QTest::newRow("product overflows")
            << QStringList{"0", "0", "0", "0", "1E200", "1E200", "1"} << 2
            << "Los números son demasiado grandes para este cálculo.";
    }
    void messages() {
        QFETCH(QStringList, before);
        QFETCH(int, button);
        QFETCH(QString, message);
        QPushButton* clicked = control<QPushButton>(w, numbered("cmdShow", button));
        QVERIFY(typeTexts(w, before));
        const QStringList shown = texts();
        const auto seen = answerNextMessageBox();
        QTest::mouseClick(clicked, Qt::LeftButton);
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, message);
        QCOMPARE(seen->title, QStringLiteral("Zelmora"));
        QCOMPARE(seen->icon, QMessageBox::Critical);
        QCOMPARE(seen->buttons, QStringList{QStringLiteral("Aceptar")});
        QCOMPARE(seen->defaultButton, QStringLiteral("Aceptar"));
        // The box emptied for typing reads as the marker "0" again once the click takes the
        // focus; no other box changed.
        QStringList after = shown;
        std::replace(after.begin(), after.end(), QString(), QStringLiteral("0"));
        QCOMPARE(texts(), after);
        // The focus stays on the button, which gets it back with the window.
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(clicked));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(clicked->hasFocus());
    }

    void nothingHappensWhenNoBoxHoldsTheMarker_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("button");
        QTest::newRow("zero point zero") << QStringList{"5", "0.0", "3", "0", "0", "0", "0"} << 1;
        QTest::newRow("letters") << QStringList{"0", "0", "0", "abc", "3", "4", "6"} << 2;
    }
    void nothingHappensWhenNoBoxHoldsTheMarker() {
        QFETCH(QStringList, before);
        QFETCH(int, button);
        QPushButton* clicked = control<QPushButton>(w, numbered("cmdShow", button));
        QVERIFY(typeTexts(w, before));
        const auto seen = answerNextMessageBox();
        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(texts(), before);
        QVERIFY(clicked->hasFocus());
        QTest::qWait(50);  // time for a box that should not come
        QVERIFY(!seen->shown);
    }

    void enterHasNoEffect_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"txtZ(0)", "txtZ(1)", "txtZ(2)", "cmdShow1", "txtZ(3)", "txtZ(6)",
                                 "cmdShow2", "Check1"}) {
            QTest::newRow(name) << name;
        }
    }
    void enterHasNoEffect() {
        QFETCH(QString, name);
        // Both calculators are ready to compute: any click would write a result.
        QVERIFY(typeTexts(w, {"0", "3", "4", "2", "3", "4", "0"}));
        auto* target = control<QWidget>(w, name);
        QVERIFY(tabTo(target));
        QVERIFY(!control<QPushButton>(w, "cmdShow1")->isDefault() &&
                !control<QPushButton>(w, "cmdShow1")->autoDefault());
        QVERIFY(!control<QPushButton>(w, "cmdShow2")->isDefault() &&
                !control<QPushButton>(w, "cmdShow2")->autoDefault());
        const bool ticked = control<QCheckBox>(w, "Check1")->isChecked();
        const QStringList shown = texts();
        const auto seen = answerNextMessageBox();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
        QCOMPARE(texts(), shown);
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(control<QCheckBox>(w, "Check1")->isChecked(), ticked);
        QVERIFY(!seen->shown);
    }

    void doubleClickEmptiesAnyBox_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("txtZ(%1)").arg(i))) << i;
        }
    }
    void doubleClickEmptiesAnyBox() {
        QFETCH(int, index);
        QVERIFY(typeOver(control<QLineEdit>(w, "txtZ", index), QStringLiteral("12.5")));
        QTest::mouseDClick(control<QLineEdit>(w, "txtZ", index), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(w, "txtZ", index)->text(), QString());
        QVERIFY(control<QLineEdit>(w, "txtZ", index)->hasFocus());
        QVERIFY(tabTo(control<QCheckBox>(w, "Check1")));
        QCOMPARE(control<QLineEdit>(w, "txtZ", index)->text(), QStringLiteral("0"));
    }

    void focusEmptiesOnlyTheMarker_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focused");
        QTest::newRow("marker") << "0"
                                << "";
        QTest::newRow("zero point zero") << "0.0"
                                         << "0.0";
        QTest::newRow("blank zero") << " 0"
                                    << " 0";
        QTest::newRow("number") << "7"
                                << "7";
    }
    void focusEmptiesOnlyTheMarker() {
        QFETCH(QString, text);
        QFETCH(QString, focused);
        QVERIFY(typeOver(control<QLineEdit>(w, "txtZ", 4), text));
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 4), Qt::Key_Tab);
        QVERIFY(control<QLineEdit>(w, "txtZ", 5)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 4)->text(), text);
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 5), Qt::Key_Backtab);
        QVERIFY(control<QLineEdit>(w, "txtZ", 4)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 4)->text(), focused);
        QTest::keyClick(control<QLineEdit>(w, "txtZ", 4), Qt::Key_Tab);
        QCOMPARE(control<QLineEdit>(w, "txtZ", 4)->text(), text);
    }

    void contextMenuDoesNotLeaveTheBox() {
        auto* box = control<QLineEdit>(w, "txtZ", 1);
        QVERIFY(zelmora::testing::clickInto(box));
        QCOMPARE(box->text(), QString());
        QMenu* menu = zelmora::testing::openContextMenu(box);
        QVERIFY(menu != nullptr);
        QCOMPARE(box->text(), QString());
        menu->close();
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(box->text(), QString());
    }

    void limpiarClearsOneCalculator() {
        QVERIFY(typeTexts(w, {"5", "3", "4", "2", "3", "4", "6"}));
        QVERIFY(tabTo(control<QCheckBox>(w, "Check1")));
        w->Limpiar1();
        QCOMPARE(texts(), QStringList({"0", "0", "0", "2", "3", "4", "6"}));
        QVERIFY(typeTexts(w, {"5", "3", "4"}));
        QVERIFY(tabTo(control<QCheckBox>(w, "Check1")));
        w->Limpiar2();
        QCOMPARE(texts(), QStringList({"5", "3", "4", "0", "0", "0", "0"}));
    }

    void twoWindowsAreIndependent() {
        QPointer<frmPitagoras> other = new frmPitagoras;
        QVERIFY(zelmora::testing::showActive(other));
        QTest::mouseClick(control<QCheckBox>(other, QStringLiteral("Check1")), Qt::LeftButton);
        QVERIFY(typeTexts(other, {"", "1", "1"}));
        QTest::mouseClick(control<QPushButton>(other, "cmdShow1"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(other, "txtZ", 0)->text(), QStringLiteral("1.4142135623731"));
        QVERIFY(control<QCheckBox>(w, "Check1")->isChecked());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 1)->text(), QStringLiteral("0"));
        // The first window is not active: its emptied box shows "0" until it is again.
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QStringLiteral("0"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(control<QLineEdit>(w, "txtZ", 0)->hasFocus());
        QCOMPARE(control<QLineEdit>(w, "txtZ", 0)->text(), QString());
        QCOMPARE(control<QLineEdit>(other, "txtZ", 0)->text(), QStringLiteral("1.4142135623731"));
        // Each window's timer enables its own buttons.
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        QVERIFY(typeOver(control<QLineEdit>(other, "txtZ", 0), QStringLiteral("2")));
        QSignalSpy otherTicks(control<QTimer>(other, "tmrMoon"), &QTimer::timeout);
        QVERIFY(otherTicks.wait(2000));
        QVERIFY(!control<QPushButton>(other, "cmdShow1")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdShow1")->isEnabled());
        QVERIFY(other->close());
        QTRY_VERIFY(other.isNull());
        QVERIFY(!w.isNull());
        QVERIFY(control<QTimer>(w, "tmrMoon")->isActive());
    }

    void closedWindowsFreeThemselves() {
        QList<QPointer<QTimer>> timers;
        QVERIFY(zelmora::testing::closedWindowsFreeThemselves<frmPitagoras>(
            200, [&timers](frmPitagoras* solver) {
                if (!typeTexts(solver, {"0", "3", "4"})) {
                    return false;
                }
                QTest::mouseClick(control<QPushButton>(solver, "cmdShow1"), Qt::LeftButton);
                timers << control<QTimer>(solver, "tmrMoon");
                return control<QLineEdit>(solver, "txtZ", 0)->text() == QStringLiteral("5");
            }));
        QVERIFY(std::all_of(timers.begin(), timers.end(),
                            [](const QPointer<QTimer>& timer) { return timer.isNull(); }));
    }
};

QTEST_MAIN(FrmPitagorasTest)
#include "tst_frmpitagoras.moc"
