#include "calculators/figurepicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace zelmora {
namespace {

// The faces of a solid: the front, the top and the side away from the light.
const QColor kFront(226, 38, 38);
const QColor kTop(244, 120, 120);
const QColor kSideFace(170, 22, 22);
const QColor kOutline(Qt::black);
const QColor kFrame(160, 160, 160);

void face(QPainter& painter, const QPolygonF& polygon, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawPolygon(polygon);
}

QPolygonF regularPolygon(QPointF centre, double radius, int sides) {
    QPolygonF polygon;
    for (int i = 0; i < sides; ++i) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / sides;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

// A box seen from the front, above and to the right: front face, top face and right face.
void drawBox(QPainter& painter, QRectF front, QPointF depth) {
    face(painter,
         QPolygonF{front.topLeft(), front.topLeft() + depth, front.topRight() + depth,
                   front.topRight()},
         kTop);
    face(painter,
         QPolygonF{front.topRight(), front.topRight() + depth, front.bottomRight() + depth,
                   front.bottomRight()},
         kSideFace);
    painter.setBrush(kFront);
    painter.drawRect(front);
}

void drawSphere(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient shade(centre + QPointF(-radius / 3, -radius / 3), radius * 1.4);
    shade.setColorAt(0.0, QColor(255, 190, 190));
    shade.setColorAt(0.45, kFront);
    shade.setColorAt(1.0, QColor(120, 10, 10));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawEllipse(centre + QPointF(-radius / 2.6, -radius / 2.6), radius / 4.5, radius / 6.5);
}

void drawCylinder(QPainter& painter) {
    const double left = 8, right = 25, top = 8, bottom = 26, ry = 3;
    QPainterPath body;
    body.moveTo(left, top);
    body.lineTo(left, bottom);
    body.arcTo(QRectF(left, bottom - ry, right - left, 2 * ry), 180, 180);
    body.lineTo(right, top);
    body.closeSubpath();
    QLinearGradient shade(left, 0, right, 0);
    shade.setColorAt(0.0, kSideFace);
    shade.setColorAt(0.35, kFront);
    shade.setColorAt(1.0, kSideFace);
    painter.setBrush(shade);
    painter.drawPath(body);
    painter.setBrush(kTop);
    painter.drawEllipse(QRectF(left, top - ry, right - left, 2 * ry));
}

void drawCone(QPainter& painter) {
    const QPointF apex(16.5, 4);
    const QRectF base(5.5, 23, 22, 7);
    QPainterPath body;
    body.moveTo(apex);
    body.lineTo(base.left(), base.center().y());
    body.arcTo(base, 180, 180);
    body.closeSubpath();
    QLinearGradient shade(base.left(), 0, base.right(), 0);
    shade.setColorAt(0.0, kSideFace);
    shade.setColorAt(0.35, kFront);
    shade.setColorAt(1.0, kSideFace);
    painter.setBrush(shade);
    painter.drawPath(body);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutline, 0.6, Qt::DashLine));
    painter.drawArc(base, 0, 180 * 16);
}

}  // namespace

FigurePicture::FigurePicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSide, kSide);
}

void FigurePicture::setPicture(std::optional<FigureShape> shape) {
    shape_ = shape;
    update();
}

void FigurePicture::paintEvent(QPaintEvent*) {
    if (!shape_) {
        return;
    }
    QPainter painter(this);
    drawFigure(painter, *shape_);
}

void drawFigure(QPainter& painter, FigureShape shape) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, FigurePicture::kSide, FigurePicture::kSide), Qt::white);
    QPen framePen(kFrame);
    framePen.setCosmetic(true);
    painter.setPen(framePen);
    painter.drawRect(QRectF(0.5, 0.5, FigurePicture::kSide - 1, FigurePicture::kSide - 1));

    QPen outline(kOutline, 1.0);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    painter.setBrush(kFront);
    switch (shape) {
        case FigureShape::Square:
            painter.drawRect(QRectF(7.5, 7.5, 18, 18));
            break;
        case FigureShape::Rectangle:
            painter.drawRect(QRectF(4.5, 10.5, 24, 12));
            break;
        case FigureShape::Triangle:
            painter.drawPolygon(QPolygonF{{4.5, 26.5}, {28.5, 26.5}, {16.5, 6.5}});
            break;
        case FigureShape::Pentagon:
            painter.drawPolygon(regularPolygon({16.5, 17.5}, 12.5, 5));
            break;
        case FigureShape::Rhombus:
            painter.drawPolygon(QPolygonF{{16.5, 4.5}, {28.5, 16.5}, {16.5, 28.5}, {4.5, 16.5}});
            break;
        case FigureShape::Romboid:
            painter.drawPolygon(QPolygonF{{10.5, 9.5}, {29.5, 9.5}, {22.5, 23.5}, {3.5, 23.5}});
            break;
        case FigureShape::Trapezoid:
            painter.drawPolygon(QPolygonF{{10.5, 9.5}, {22.5, 9.5}, {29.5, 24.5}, {3.5, 24.5}});
            break;
        case FigureShape::Circle:
            painter.drawEllipse(QPointF(16.5, 16.5), 12, 12);
            break;
        case FigureShape::Sphere:
            drawSphere(painter, {16.5, 16.5}, 12);
            break;
        case FigureShape::Cube:
            drawBox(painter, QRectF(5.5, 11.5, 16, 16), {6, -6});
            break;
        case FigureShape::Parallelepiped:
            drawBox(painter, QRectF(3.5, 14.5, 20, 13), {6, -7});
            break;
        case FigureShape::Prism: {
            const QPointF a(4.5, 28.5), b(19.5, 28.5), c(12, 13.5), depth(8.5, -7.5);
            face(painter, QPolygonF{c, c + depth, b + depth, b}, kSideFace);
            face(painter, QPolygonF{a, b, c}, kFront);
            break;
        }
        case FigureShape::Cylinder:
            drawCylinder(painter);
            break;
        case FigureShape::Cone:
            drawCone(painter);
            break;
        case FigureShape::Pyramid: {
            const QPointF apex(16.5, 4.5), left(4.5, 25.5), front(19.5, 29.5), right(29.5, 22.5);
            face(painter, QPolygonF{apex, left, front}, kFront);
            face(painter, QPolygonF{apex, front, right}, kSideFace);
            break;
        }
        case FigureShape::Octahedron: {
            const QPointF top(16.5, 3.5), bottom(16.5, 29.5), left(4.5, 15.5), front(14, 19.5),
                right(29, 15.5);
            face(painter, QPolygonF{top, left, front}, kTop);
            face(painter, QPolygonF{top, front, right}, kFront);
            face(painter, QPolygonF{bottom, left, front}, kFront);
            face(painter, QPolygonF{bottom, front, right}, kSideFace);
            break;
        }
    }
    painter.restore();
}

QString figureDescription(FigureShape shape) {
    // In the order of FigureShape.
    static constexpr const char* kNames[] = {
        "un cuadrado", "un rectángulo", "un triángulo",      "un pentágono regular",
        "un rombo",    "un romboide",   "un trapecio",       "un círculo",
        "una esfera",  "un cubo",       "un paralelepípedo", "un prisma",
        "un cilindro", "un cono",       "una pirámide",      "un octaedro regular",
    };
    return QStringLiteral("Dibujo de ") + QString::fromUtf8(kNames[static_cast<int>(shape)]);
}

}  // namespace zelmora
