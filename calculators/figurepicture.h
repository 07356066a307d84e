#pragma once

#include <QWidget>
#include <optional>

#include "calculators/figuretable.h"

namespace zelmora {

// A figure's 33 by 33 picture: a red figure outlined in black on white inside a thin grey
// frame. It is drawn as vectors at the screen's pixel density, so it stays crisp at any scale.
class FigurePicture : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSide = 33;

    explicit FigurePicture(QWidget* parent = nullptr);

    // An empty picture shows nothing, like an image control with no picture.
    void setPicture(std::optional<FigureShape> shape);
    std::optional<FigureShape> picture() const { return shape_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<FigureShape> shape_;
};

// Draws the picture into a 33 by 33 box at the painter's origin.
void drawFigure(QPainter& painter, FigureShape shape);

// What the picture shows, for screen readers.
QString figureDescription(FigureShape shape);

}  // namespace zelmora
