#include "common/shape.h"

#include <QPainter>

namespace zelmora {

Shape::Shape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setOutlineColour(const QColor& colour) {
    outlineColour_ = colour;
    update();
}

void Shape::setFillColour(const QColor& colour) {
    fillColour_ = colour;
    update();
}

void Shape::setFill(Fill fill) {
    fill_ = fill;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box = QRectF(rect());
    switch (fill_) {
        case Fill::Transparent:
            break;
        case Fill::Solid:
            painter.fillRect(box, fillColour_);
            break;
        case Fill::Darken: {
            QColor veil = fillColour_;
            veil.setAlpha(110);
            painter.fillRect(box, veil);
            break;
        }
    }
    // A one-pixel outline just inside the rectangle, crisp at any scale.
    QPen pen(outlineColour_);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace zelmora
