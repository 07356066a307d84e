#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QWidget>

// What the suites, the benchmarks and the render tool do as a user does: click into a box and
// type over it, choose one item from an open list, click an option, move the focus with Tab; and
// what a user sees of a box. Each step that can fail says whether it succeeded, and its caller
// stops when it did not: what it did next would go to another widget.
namespace zelmora::testing {

// Types any text, accents and superscripts included, one key event per character: keyClicks
// takes only ASCII.
void typeText(QWidget* widget, const QString& text);

// Clicks into the control. False when the click does not give it the focus.
[[nodiscard]] bool clickInto(QWidget* widget);

// Clicks into a box, selects what it holds and types the text over it; an empty text erases it.
// False when the box did not take the focus.
[[nodiscard]] bool typeOver(QLineEdit* box, const QString& text);

// Chooses an item from the open list: F4 opens it, the arrows move to the item and Enter chooses
// it. Unlike the arrows on a closed list, no item on the way is chosen, so the box's handler runs
// once, for this item. False when the item is missing or did not become chosen.
[[nodiscard]] bool pickFromList(QComboBox* box, const QString& item);

// Clicks an option on its round mark: a short caption leaves the middle of the button outside
// the part that takes clicks.
void clickOption(QRadioButton* option);

// Double-clicks the middle of the control through its window, as a real double click comes:
// press, release, then a second press that arrives as a double click, to whatever lies on top.
void doubleClick(QWidget* target);

// Presses Tab until the control has the focus. False when it never gets it.
[[nodiscard]] bool tabTo(QWidget* target);

// Whether the box shows its whole text, from the first character to the last, as it paints it.
[[nodiscard]] bool showsWhole(QLineEdit* box);

}  // namespace zelmora::testing
