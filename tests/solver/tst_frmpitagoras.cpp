#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "solver/frmpitagoras.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::frmPitagoras;
using zelmora::testing::answerNextMessageBox;
using zelmora::testing::control;
using zelmora::testing::showsWhole;
using zelmora::testing::tabTo;
using zelmora::testing::typeOver;

namespace {

QLineEdit* boxOf(const QWidget* window, int index) {
    return control<QLineEdit>(window, QStringLiteral("txtZ(%1)").arg(index));
}

QPushButton* buttonOf(const QWidget* window, int number) {
    return control<QPushButton>(window, QStringLiteral("cmdShow%1").arg(number));
}

QTimer* timerOf(const QWidget* window) {
    return control<QTimer>(window, QStringLiteral("tmrMoon"));
}

// Types the texts into the boxes from box 0 on, as a user does: a click into each box, then the
// text over what it held. The last box typed keeps the focus.
void typeTexts(const QWidget* window, const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) {
        typeOver(boxOf(window, i), values[i]);
    }
}

}  // namespace

// Drives a real solver window the way a user does: focus, typing, Tab, Enter, double clicks,
// the two "Resolver" buttons and the check box; the button timer runs as it does for a user.
class FrmPitagorasTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private:
    QPointer<frmPitagoras> w;

    QLineEdit* box(int index) const { return boxOf(w, index); }
    QPushButton* button(int number) const { return buttonOf(w, number); }
    QCheckBox* check() const { return control<QCheckBox>(w, QStringLiteral("Check1")); }

    QStringList texts() const {
        QStringList all;
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            all << box(i)->text();
        }
        return all;
    }

    // Waits for the next tick of the window's button timer to have been handled.
    [[nodiscard]] bool waitForTick() {
        QSignalSpy ticks(timerOf(w), &QTimer::timeout);
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

        QVERIFY(box(0)->hasFocus());
        QCOMPARE(box(0)->text(), QString());
        for (int i = 1; i < frmPitagoras::kBoxCount; ++i) {
            QCOMPARE(box(i)->text(), QStringLiteral("0"));
        }
        QVERIFY(check()->isChecked());
        QCOMPARE(check()->text(), QStringLiteral("Sólo 4 decimales"));
        QCOMPARE(button(1)->text(), QStringLiteral("Resolver"));
        QCOMPARE(button(2)->text(), QStringLiteral("Resolver"));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label1"))->text(),
                 QStringLiteral("HIPOTENUSA ="));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label2"))->text(),
                 QStringLiteral("CATETO A      ="));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label3"))->text(),
                 QStringLiteral("CATETO B      ="));
        QCOMPARE(control<QLabel>(w, QStringLiteral("Label4"))->text(), QStringLiteral("="));
        QCOMPARE(timerOf(w)->interval(), 100);
        QVERIFY(timerOf(w)->isActive());
        QVERIFY(waitForTick());
        QVERIFY(button(1)->isEnabled());
        QVERIFY(button(2)->isEnabled());
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
        auto* control = w->findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(control->geometry(), place);
        QVERIFY(control->isVisible());
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
        auto* control = w->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->font().family(), QStringLiteral("Calibri"));
        QCOMPARE(control->font().pointSizeF(), points);
        QVERIFY(!control->font().bold());
        // Carlito is what the set-up installs in Calibri's place.
        QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("Carlito"));
    }

    void coloursAndLook() {
        const QImage window = w->grab().toImage();
        QCOMPARE(window.pixelColor(2, 2), QColor(250, 250, 250));
        for (int i = 0; i < frmPitagoras::kBoxCount; ++i) {
            QLineEdit* b = box(i);
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
        QImage checkFace(check()->size(), QImage::Format_RGB32);
        checkFace.fill(QColor(0, 0, 255));
        {
            QPainter painter(&checkFace);
            check()->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        }
        QCOMPARE(checkFace.pixelColor(checkFace.width() - 2, 1), QColor(250, 250, 250));
        for (int number : {1, 2}) {
            const QImage face = button(number)->grab().toImage();
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
            QCOMPARE(zelmora::testing::accessibleName(box(i)), names[i]);
        }
        // The two "Resolver" buttons say which calculator they solve.
        const auto description = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        };
        QCOMPARE(description(button(1)), QStringLiteral("Calcula el lado que falta del triángulo"));
        QCOMPARE(description(button(2)),
                 QStringLiteral("Calcula el término que falta de la proporción"));
    }

    void tabOrder() {
        const QList<QWidget*> expected = {box(0), box(1), box(2),    button(1), box(3), box(4),
                                          box(5), box(6), button(2), check(),   box(0)};
        QCOMPARE(QApplication::focusWidget(), expected[0]);
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
        // Every box that was passed through shows "0" again; the focused one is empty.
        QCOMPARE(texts(), QStringList({"", "0", "0", "0", "0", "0", "0"}));
    }

    void solvingMovesTheFocusAndTheNextTickDisables() {
        QTest::keyClick(box(0), Qt::Key_Tab);
        QTest::keyClicks(box(1), "3");
        QTest::keyClick(box(1), Qt::Key_Tab);
        QTest::keyClicks(box(2), "4");
        QCOMPARE(box(0)->text(), QStringLiteral("0"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QStringLiteral("5"));
        QVERIFY(box(0)->hasFocus());
        QCOMPARE(texts(), QStringList({"5", "3", "4", "0", "0", "0", "0"}));
        QVERIFY(waitForTick());
        QVERIFY(!button(1)->isEnabled());
        QVERIFY(button(2)->isEnabled());

        // Double-clicking a box empties it; the button is enabled again at the next tick.
        QTest::mouseDClick(box(0), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QString());
        QVERIFY(waitForTick());
        QVERIFY(button(1)->isEnabled());
        QTest::keyClick(box(0), Qt::Key_Tab);
        QCOMPARE(box(0)->text(), QStringLiteral("0"));
    }

    void theProportionFromTheKeyboard() {
        QTest::mouseClick(box(3), Qt::LeftButton);
        QVERIFY(box(3)->hasFocus());
        for (const char* term : {"2", "3", "4"}) {
            QTest::keyClicks(QApplication::focusWidget(), term);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(box(6)->hasFocus());
        QCOMPARE(box(6)->text(), QString());
        QTest::keyClick(box(6), Qt::Key_Tab);
        QVERIFY(button(2)->hasFocus());
        QCOMPARE(box(6)->text(), QStringLiteral("0"));
        QTest::keyClick(button(2), Qt::Key_Space);
        QCOMPARE(box(6)->text(), QStringLiteral("6"));
        QVERIFY(box(6)->hasFocus());
        QVERIFY(waitForTick());
        QVERIFY(!button(2)->isEnabled());
        QVERIFY(button(1)->isEnabled());
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
        typeTexts(w, before);
        if (check()->isChecked() != ticked) {
            QTest::mouseClick(check(), Qt::LeftButton);
        }
        QCOMPARE(check()->isChecked(), ticked);
        QTest::mouseClick(this->button(button), Qt::LeftButton);
        QStringList after = before;
        after[resultBox] = result;
        QCOMPARE(texts(), after);
        QVERIFY(box(resultBox)->hasFocus());
        // The whole number shows, while the box has the focus and after it has left.
        QVERIFY(showsWhole(box(resultBox)));
        QTest::keyClick(box(resultBox), Qt::Key_Tab);
        QVERIFY(!box(resultBox)->hasFocus());
        QVERIFY(showsWhole(box(resultBox)));
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
            typeOver(box(i), text);
            QVERIFY(tabTo(box((i + 1) % frmPitagoras::kBoxCount)));
            QCOMPARE(box(i)->text(), text);
            QVERIFY2(showsWhole(box(i)), qPrintable(box(i)->objectName()));
        }
    }

    void aResultOfZeroShowsEmptyWhileFocused() {
        typeTexts(w, {"2", "0", "2"});
        QTest::mouseClick(button(1), Qt::LeftButton);
        QVERIFY(box(1)->hasFocus());
        QCOMPARE(box(1)->text(), QString());
        QTest::keyClick(box(1), Qt::Key_Tab);
        QCOMPARE(box(1)->text(), QStringLiteral("0"));
        // The empty box became the marker again; the leg is 0 once more.
        QTest::mouseClick(button(1), Qt::LeftButton);
        QVERIFY(box(1)->hasFocus());
        QCOMPARE(box(1)->text(), QString());
    }

    void lettersKeepTheButtonEnabled() {
        typeTexts(w, {"5", "3", "4", "2", "3", "4", "6"});
        QVERIFY(waitForTick());
        QVERIFY(!button(1)->isEnabled());
        QVERIFY(!button(2)->isEnabled());
        typeOver(box(1), QStringLiteral("abc"));
        typeOver(box(5), QStringLiteral("0.0"));
        QVERIFY(waitForTick());
        QVERIFY(button(1)->isEnabled());
        QVERIFY(button(2)->isEnabled());
    }

    void theCheckBoxAppliesFromTheNextClick() {
        typeTexts(w, {"0", "1", "1"});
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QStringLiteral("1.4142"));
        QTest::mouseClick(check(), Qt::LeftButton);
        QVERIFY(!check()->isChecked());
        QCOMPARE(box(0)->text(), QStringLiteral("1.4142"));
        QTest::mouseDClick(box(0), Qt::LeftButton);
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QStringLiteral("1.4142135623731"));
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
        QPushButton* clicked = this->button(button);
        typeTexts(w, before);
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
        QPushButton* clicked = this->button(button);
        typeTexts(w, before);
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
        typeTexts(w, {"0", "3", "4", "2", "3", "4", "0"});
        auto* target = control<QWidget>(w, name);
        QVERIFY(tabTo(target));
        QVERIFY(!button(1)->isDefault() && !button(1)->autoDefault());
        QVERIFY(!button(2)->isDefault() && !button(2)->autoDefault());
        const bool ticked = check()->isChecked();
        const QStringList shown = texts();
        const auto seen = answerNextMessageBox();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
        QCOMPARE(texts(), shown);
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(check()->isChecked(), ticked);
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
        typeOver(box(index), QStringLiteral("12.5"));
        QTest::mouseDClick(box(index), Qt::LeftButton);
        QCOMPARE(box(index)->text(), QString());
        QVERIFY(box(index)->hasFocus());
        QVERIFY(tabTo(check()));
        QCOMPARE(box(index)->text(), QStringLiteral("0"));
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
        typeOver(box(4), text);
        QTest::keyClick(box(4), Qt::Key_Tab);
        QVERIFY(box(5)->hasFocus());
        QCOMPARE(box(4)->text(), text);
        QTest::keyClick(box(5), Qt::Key_Backtab);
        QVERIFY(box(4)->hasFocus());
        QCOMPARE(box(4)->text(), focused);
        QTest::keyClick(box(4), Qt::Key_Tab);
        QCOMPARE(box(4)->text(), text);
    }

    void contextMenuDoesNotLeaveTheBox() {
        QTest::mouseClick(box(1), Qt::LeftButton);
        QVERIFY(box(1)->hasFocus());
        QCOMPARE(box(1)->text(), QString());
        const QPoint inside(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, box(1)->mapToGlobal(inside));
        QApplication::sendEvent(box(1), &event);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QCOMPARE(box(1)->text(), QString());
        QApplication::activePopupWidget()->close();
        QTRY_VERIFY(box(1)->hasFocus());
        QCOMPARE(box(1)->text(), QString());
    }

    void limpiarClearsOneCalculator() {
        typeTexts(w, {"5", "3", "4", "2", "3", "4", "6"});
        QVERIFY(tabTo(check()));
        w->Limpiar1();
        QCOMPARE(texts(), QStringList({"0", "0", "0", "2", "3", "4", "6"}));
        typeTexts(w, {"5", "3", "4"});
        QVERIFY(tabTo(check()));
        w->Limpiar2();
        QCOMPARE(texts(), QStringList({"5", "3", "4", "0", "0", "0", "0"}));
    }

    void twoWindowsAreIndependent() {
        QPointer<frmPitagoras> other = new frmPitagoras;
        QVERIFY(zelmora::testing::showActive(other));
        QTest::mouseClick(control<QCheckBox>(other, QStringLiteral("Check1")), Qt::LeftButton);
        typeTexts(other, {"", "1", "1"});
        QTest::mouseClick(buttonOf(other, 1), Qt::LeftButton);
        QCOMPARE(boxOf(other, 0)->text(), QStringLiteral("1.4142135623731"));
        QVERIFY(check()->isChecked());
        QCOMPARE(box(1)->text(), QStringLiteral("0"));
        // The first window is not active: its emptied box shows "0" until it is again.
        QCOMPARE(box(0)->text(), QStringLiteral("0"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(box(0)->hasFocus());
        QCOMPARE(box(0)->text(), QString());
        QCOMPARE(boxOf(other, 0)->text(), QStringLiteral("1.4142135623731"));
        // Each window's timer enables its own buttons.
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        typeOver(boxOf(other, 0), QStringLiteral("2"));
        QSignalSpy otherTicks(timerOf(other), &QTimer::timeout);
        QVERIFY(otherTicks.wait(2000));
        QVERIFY(!buttonOf(other, 1)->isEnabled());
        QVERIFY(button(1)->isEnabled());
        QVERIFY(other->close());
        QTRY_VERIFY(other.isNull());
        QVERIFY(!w.isNull());
        QVERIFY(timerOf(w)->isActive());
    }

    void closedWindowsFreeThemselves() {
        QList<QPointer<QTimer>> timers;
        QVERIFY(zelmora::testing::closedWindowsFreeThemselves<frmPitagoras>(
            200, [&timers](frmPitagoras* solver) {
                typeTexts(solver, {"0", "3", "4"});
                QTest::mouseClick(buttonOf(solver, 1), Qt::LeftButton);
                timers << timerOf(solver);
                return boxOf(solver, 0)->text() == QStringLiteral("5");
            }));
        QVERIFY(std::all_of(timers.begin(), timers.end(),
                            [](const QPointer<QTimer>& timer) { return timer.isNull(); }));
    }
};

QTEST_MAIN(FrmPitagorasTest)
#include "tst_frmpitagoras.moc"
