#pragma once

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

// The convention of the calculators' and the solver's number boxes: a box shows "0" when it is
// empty and does not have the focus.
namespace zelmora {

// On gaining the focus a box that shows "0" is emptied, so that the user types over it.
inline void emptyZeroOnFocus(QLineEdit* box) {
    if (box->text() == QStringLiteral("0")) {
        box->clear();
    }
}

// On losing the focus an empty box shows "0" again.
inline void zeroWhenEmpty(QLineEdit* box) {
    if (box->text().isEmpty()) {
        box->setText(QStringLiteral("0"));
    }
}

// Moves the focus to a box. A box that holds the focus already gets no focus event, yet it must
// still show empty rather than "0" while it has the focus.
inline void giveFocus(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (box->hasFocus()) {
        emptyZeroOnFocus(box);
    }
}

// Whether a focus event moves the focus: a context menu takes it only for a moment, while the
// box is still being edited.
inline bool movesFocus(const QEvent* event) {
    return static_cast<const QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
}

}  // namespace zelmora
