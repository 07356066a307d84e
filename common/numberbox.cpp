#include "common/numberbox.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace zelmora {

NumberBox::NumberBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent), baseFont_(font()) {
    connect(this, &QLineEdit::textChanged, this, &NumberBox::fitText);
}

void NumberBox::changeEvent(QEvent* event) {
    // A font set on the box, or passed on from its window, becomes the font texts are fitted
    // from; the fitted font itself does not.
    if (event->type() == QEvent::FontChange && !fitting_) {
        baseFont_ = font();
        fitText();
    }
    QLineEdit::changeEvent(event);
}

void NumberBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitText();
}

void NumberBox::fitText() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    // A line edit keeps two pixels each side of its text, and room for the cursor.
    const qreal room = contents.width() - margins.left() - margins.right() - 4 - 1;
    const QString shown = text();
    QFont fitted = baseFont_;
    const qreal base = baseFont_.pointSizeF();
    bool fits = true;
    if (base > 0 && room > 0) {
        const auto advance = [&](const QFont& font) {
            return QFontMetricsF(font, this).horizontalAdvance(shown);
        };
        const qreal wanted = advance(baseFont_);
        if (wanted > room) {
            // The advance scales almost with the size; step down until the text really fits.
            qreal size = std::max(kSmallestPoints, std::floor(base * room / wanted * 4) / 4);
            fitted.setPointSizeF(size);
            while (size > kSmallestPoints && advance(fitted) > room) {
                size = std::max(kSmallestPoints, size - 0.25);
                fitted.setPointSizeF(size);
            }
            fits = advance(fitted) <= room;
        }
    }
    if (fitted != font()) {
        fitting_ = true;
        setFont(fitted);
        fitting_ = false;
    }
    if (!fits && !hasFocus()) {
        setCursorPosition(0);
    }
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        emit gotFocus();
    }
    QLineEdit::focusInEvent(event);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        emit lostFocus();
    }
    QLineEdit::focusOutEvent(event);
    // The start of a number too long to fit is what shows once the editing ends.
    fitText();
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QLineEdit::mouseDoubleClickEvent(event);
}

}  // namespace zelmora
