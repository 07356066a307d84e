#pragma once

#include <QColor>
#include <QWidget>

namespace zelmora {

// A rectangle drawn above other controls: a border, a frame or a coloured bar. It never takes
// the pointer, so the controls below it keep their mouse events.
class Shape : public QWidget {
    Q_OBJECT
  public:
    enum class Fill {
        Transparent,  // only the outline is drawn
        Solid,        // filled with the fill colour
        Darken,       // the fill colour blended over what lies below, which stays visible
    };

    explicit Shape(QWidget* parent = nullptr);

    void setOutlineColour(const QColor& colour);
    void setFillColour(const QColor& colour);
    void setFill(Fill fill);
    Fill fill() const { return fill_; }
    QColor fillColour() const { return fillColour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor outlineColour_{Qt::black};
    QColor fillColour_{Qt::black};
    Fill fill_ = Fill::Transparent;
};

}  // namespace zelmora
