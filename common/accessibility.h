#pragma once

#include <QString>

class QLabel;
class QWidget;

// What a screen reader hears of the windows, beyond the names their controls carry.
namespace zelmora {

// Top-level tool windows are announced as windows: Qt exposes a plain QWidget window as a panel;
// radio buttons do not repeat their caption as their description. Call once, after the
// application object exists.
void installWindowAccessibility();

// Gives a control a purpose that a Linux screen reader speaks before its value. There Qt names a
// combo box by its current text and takes its purpose only from a label relation, so a label
// that is never shown carries the purpose, as the control's buddy.
QLabel* labelForScreenReaders(QWidget* control, const QString& purpose);

// A label that shows a value is heard as its caption and its value in one phrase ("Pi = 3.1416"),
// which also describes the control that sets the value, so that the value is heard where it is
// chosen. An accessible name replaces a label's text, so call again whenever the value changes.
void announceValue(QLabel* value, const QLabel* caption, QWidget* setter);

// An empty label for the caption of such a value, which says nothing on its own: its text is
// heard in the value's phrase. A screen reader may ask for a label as soon as it has a text, so
// the label is marked before it has one.
QLabel* captionOfValue(QWidget* parent);

}  // namespace zelmora
