#include "shell/menucontrols.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace zelmora {

MenuButton::MenuButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void MenuButton::setHeldBorder(bool shown) {
    heldBorder_ = shown;
    update();
}

void MenuButton::setHeldBorderColour(const QColor& colour) {
    heldBorderColour_ = colour;
    update();
}

void MenuButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void MenuButton::focusInEvent(QFocusEvent* event) {
    // The focus ring shows once the keyboard is used, as on most desktops.
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void MenuButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is one click, which its first press and release have made: its second press
    // neither presses the control again nor opens a second window.
    event->accept();
}

void MenuButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFace(painter);
    // The centre of the ring of pixels at the control's edge; the rings inside it follow.
    const QRectF edge = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(Qt::NoBrush);
    if (heldBorder_) {
        // One pixel inside the edge, because the menu's overlays draw their outline on the edge
        // itself, above the pictures.
        QPen pen(heldBorderColour_);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(edge.adjusted(1, 1, -1, -1));
    }
    if (hasFocus() && keyboardFocus_) {
        // The keyboard focus: a white ring and a black ring inside it, inside the held border
        // so that the two never cover each other. On a dark face the white one stands out, on a
        // light face the black one.
        for (const auto& [colour, inset] :
             {std::pair{QColor(Qt::white), 2}, std::pair{QColor(Qt::black), 3}}) {
            QPen pen(colour);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.drawRect(edge.adjusted(inset, inset, -inset, -inset));
        }
    }
}

PictureButton::PictureButton(Drawing drawing, QWidget* parent)
    : MenuButton(parent), drawing_(drawing) {}

void PictureButton::paintFace(QPainter& painter) {
    drawing_(painter, QRectF(rect()));
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : MenuButton(parent) {
    setText(text);
}

void LinkLabel::setBackgroundColour(const QColor& colour) {
    background_ = colour;
    update();
}

void LinkLabel::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void LinkLabel::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void LinkLabel::paintFace(QPainter& painter) {
    if (opaque_) {
        painter.fillRect(rect(), background_);
    }
    painter.setPen(textColour_);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace zelmora
