#include "shell/menupictures.h"

#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace zelmora {
namespace {

// Every picture is drawn on a canvas of this size, stretched to its box.
constexpr double kCanvasWidth = 150;
constexpr double kCanvasHeight = 160;

class Canvas {
  public:
    Canvas(QPainter& painter, const QRectF& box, double width = kCanvasWidth,
           double height = kCanvasHeight)
        : painter_(painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.translate(box.topLeft());
        painter_.scale(box.width() / width, box.height() / height);
    }
    ~Canvas() { painter_.restore(); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

  private:
    QPainter& painter_;
};

QPen ink(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath gear(QPointF centre, double outer, double inner, int teeth, double hole) {
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        const double angle = 2 * std::numbers::pi * i / steps;
        const double radius = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    path.addEllipse(centre, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void drawThreeFigures(QPainter& painter) {
    const QPen outline = ink(QColor(40, 40, 40), 2.5);
    painter.setPen(outline);

    QRadialGradient sun(QPointF(92, 48), 40);
    sun.setColorAt(0, QColor(255, 236, 110));
    sun.setColorAt(1, QColor(245, 196, 0));
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(98, 54), 34, 34);

    QLinearGradient red(0, 60, 0, 140);
    red.setColorAt(0, QColor(240, 70, 60));
    red.setColorAt(1, QColor(200, 25, 25));
    painter.setBrush(red);
    painter.drawRect(QRectF(16, 64, 66, 66));

    QLinearGradient blue(0, 80, 0, 146);
    blue.setColorAt(0, QColor(70, 130, 230));
    blue.setColorAt(1, QColor(25, 75, 185));
    painter.setBrush(blue);
    painter.drawPolygon(QPolygonF{{62, 146}, {138, 146}, {100, 80}});
}

}  // namespace

void drawFiguresPicture(QPainter& painter, const QRectF& box) {
    Canvas canvas(painter, box);
    painter.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), QColor(255, 255, 255));
    drawThreeFigures(painter);
}

void drawBeardedHeadPicture(QPainter& painter, const QRectF& box) {
    Canvas canvas(painter, box);
    painter.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), QColor(253, 250, 242));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ink(QColor(35, 30, 25), 2.4));

    // Hair: a crown of curls around the top of the head.
    QPainterPath hair;
    hair.moveTo(38, 74);
    hair.cubicTo(30, 52, 36, 30, 56, 22);
    hair.cubicTo(66, 12, 86, 12, 96, 20);
    hair.cubicTo(116, 26, 122, 50, 113, 74);
    painter.drawPath(hair);
    for (int i = 0; i < 5; ++i) {
        const double x = 50 + i * 12.5;
        painter.drawArc(QRectF(x - 7, 23 + (i % 2) * 3, 14, 12), 200 * 16, 160 * 16);
    }

    // Face: temples and cheeks down to where the beard begins.
    QPainterPath face;
    face.moveTo(46, 46);
    face.cubicTo(44, 60, 44, 72, 47, 86);
    face.moveTo(104, 46);
    face.cubicTo(106, 60, 106, 72, 103, 86);
    painter.drawPath(face);

    // Brows, eyes and nose.
    painter.drawArc(QRectF(53, 60, 20, 10), 20 * 16, 140 * 16);
    painter.drawArc(QRectF(78, 60, 20, 10), 20 * 16, 140 * 16);
    QPainterPath eyes;
    eyes.moveTo(56, 72);
    eyes.quadTo(63, 67, 70, 72);
    eyes.quadTo(63, 75, 56, 72);
    eyes.moveTo(81, 72);
    eyes.quadTo(88, 67, 95, 72);
    eyes.quadTo(88, 75, 81, 72);
    painter.drawPath(eyes);
    painter.setBrush(QColor(35, 30, 25));
    painter.drawEllipse(QPointF(63, 71.5), 1.8, 1.8);
    painter.drawEllipse(QPointF(88, 71.5), 1.8, 1.8);
    painter.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(75, 70);
    nose.cubicTo(74, 82, 70, 92, 69, 96);
    nose.quadTo(74, 100, 81, 97);
    painter.drawPath(nose);

    // Moustache and beard, with curls.
    QPainterPath moustache;
    moustache.moveTo(75, 103);
    moustache.cubicTo(66, 100, 56, 104, 52, 113);
    moustache.moveTo(75, 103);
    moustache.cubicTo(84, 100, 94, 104, 98, 113);
    painter.drawPath(moustache);
    QPainterPath beard;
    beard.moveTo(47, 86);
    beard.cubicTo(42, 110, 50, 136, 64, 146);
    beard.quadTo(75, 156, 86, 146);
    beard.cubicTo(100, 136, 108, 110, 103, 86);
    painter.drawPath(beard);
    painter.drawLine(QPointF(68, 115), QPointF(82, 115));
    painter.setPen(ink(QColor(35, 30, 25), 1.6));
    const QPointF curls[] = {{58, 124}, {75, 128}, {92, 124}, {66, 138},
                             {84, 138}, {52, 100}, {98, 100}};
    for (const QPointF& curl : curls) {
        painter.drawArc(QRectF(curl.x() - 6, curl.y() - 5, 12, 10), 30 * 16, 250 * 16);
    }
}

void drawMeasuresPicture(QPainter& painter, const QRectF& box) {
    Canvas canvas(painter, box);
    painter.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), QColor(255, 255, 255));

    // The jug: a glass beaker with a spout and a handle, half full of water.
    const QPolygonF glass{{22, 30}, {92, 30}, {86, 128}, {28, 128}};
    QPainterPath water;
    water.moveTo(25.4, 76);
    water.lineTo(88.6, 76);
    water.lineTo(86, 128);
    water.lineTo(28, 128);
    water.closeSubpath();
    QLinearGradient blue(0, 76, 0, 128);
    blue.setColorAt(0, QColor(120, 190, 245));
    blue.setColorAt(1, QColor(40, 120, 210));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(232, 243, 252));
    painter.drawPolygon(glass);
    painter.setBrush(blue);
    painter.drawPath(water);
    painter.setPen(ink(QColor(30, 60, 110), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(glass);
    painter.drawLine(QPointF(22, 30), QPointF(14, 24));
    QPainterPath handle;
    handle.moveTo(91, 44);
    handle.cubicTo(112, 44, 112, 92, 88, 100);
    painter.drawPath(handle);
    painter.setPen(ink(QColor(30, 60, 110), 1.6));
    for (int i = 0; i < 5; ++i) {
        const double y = 46 + i * 18;
        painter.drawLine(QPointF(30, y), QPointF(i % 2 == 0 ? 44 : 38, y));
    }

    // The tape measure: a yellow case with its tape pulled out along the bottom.
    painter.setPen(ink(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(250, 204, 30));
    painter.drawRect(QRectF(18, 136, 124, 14));
    painter.setPen(ink(QColor(40, 40, 40), 1.2));
    for (int i = 0; i <= 24; ++i) {
        const double x = 22 + i * 5;
        painter.drawLine(QPointF(x, 136), QPointF(x, 136 + (i % 2 == 0 ? 7 : 4)));
    }
    painter.setPen(ink(QColor(40, 40, 40), 2.5));
    QRadialGradient caseShade(QPointF(112, 104), 34);
    caseShade.setColorAt(0, QColor(255, 220, 70));
    caseShade.setColorAt(1, QColor(225, 160, 0));
    painter.setBrush(caseShade);
    painter.drawRoundedRect(QRectF(100, 92, 42, 44), 10, 10);
    painter.setBrush(QColor(70, 70, 70));
    painter.drawEllipse(QPointF(121, 114), 8, 8);
}

void drawGearsPicture(QPainter& painter, const QRectF& box) {
    Canvas canvas(painter, box, 25, 25);
    painter.fillRect(QRectF(0, 0, 25, 25), QColor(20, 20, 20));
    painter.setPen(ink(QColor(60, 60, 60), 0.6));
    painter.setBrush(QColor(170, 170, 170));
    painter.drawPath(gear({9.5, 9.5}, 7.4, 5.6, 8, 2.2));
    painter.setBrush(QColor(130, 130, 130));
    painter.drawPath(gear({17.5, 17.5}, 5.2, 3.9, 7, 1.5));
}

void drawAppIcon(QPainter& painter, const QRectF& box) {
    {
        Canvas canvas(painter, box, 160, 160);
        painter.setPen(ink(QColor(60, 60, 60), 3));
        painter.setBrush(QColor(250, 250, 250));
        painter.drawRoundedRect(QRectF(4, 4, 152, 152), 26, 26);
    }
    Canvas canvas(painter, box.adjusted(box.width() * 0.04, 0, -box.width() * 0.04, 0));
    painter.translate(0, -6);
    drawThreeFigures(painter);
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawAppIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace zelmora
