#pragma once

#include <QAbstractButton>
#include <QColor>

class QPainter;

// The menu's clickable pictures and links. They are buttons, so the keyboard (Tab, Space,
// Enter) and screen readers reach them as they reach any button.
namespace zelmora {

class MenuButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit MenuButton(QWidget* parent = nullptr);

    // The thin single-line border shown while a mouse button is held on the control, drawn in a
    // colour that stands out from the control's face.
    void setHeldBorder(bool shown);
    void setHeldBorderColour(const QColor& colour);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    virtual void paintFace(QPainter& painter) = 0;

  private:
    bool heldBorder_ = false;
    QColor heldBorderColour_{Qt::black};
    bool keyboardFocus_ = false;
};

// A picture stretched to the control's box.
class PictureButton : public MenuButton {
    Q_OBJECT
  public:
    using Drawing = void (*)(QPainter&, const QRectF&);
    PictureButton(Drawing drawing, QWidget* parent = nullptr);

  protected:
    void paintFace(QPainter& painter) override;

  private:
    Drawing drawing_;
};

// A one-character link: centred text on a background that is opaque or transparent.
class LinkLabel : public MenuButton {
    Q_OBJECT
  public:
    LinkLabel(const QString& text, QWidget* parent = nullptr);

    void setBackgroundColour(const QColor& colour);
    void setOpaque(bool opaque);
    bool isOpaque() const { return opaque_; }
    QColor backgroundColour() const { return background_; }
    void setTextColour(const QColor& colour);

  protected:
    void paintFace(QPainter& painter) override;

  private:
    QColor background_{Qt::black};
    QColor textColour_{Qt::white};
    bool opaque_ = false;
};

}  // namespace zelmora
