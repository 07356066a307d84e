#pragma once

#include <QRectF>

class QIcon;
class QPainter;

// The menu's pictures, drawn as vectors into whatever box they are given, so that they stay
// crisp at any scale.
namespace zelmora {

// A red square, a yellow circle and a blue triangle.
void drawFiguresPicture(QPainter& painter, const QRectF& box);

// A line drawing of a bearded man's head.
void drawBeardedHeadPicture(QPainter& painter, const QRectF& box);

// A measuring jug with water, and a tape measure.
void drawMeasuresPicture(QPainter& painter, const QRectF& box);

// Two grey gears on a dark ground.
void drawGearsPicture(QPainter& painter, const QRectF& box);

// The program's icon: the three figures of the first picture on a rounded tile.
void drawAppIcon(QPainter& painter, const QRectF& box);

// The program's icon drawn at the sizes a desktop asks for, from 16 to 256 pixels, so that
// showing it needs no image plugin.
QIcon appIcon();

}  // namespace zelmora
