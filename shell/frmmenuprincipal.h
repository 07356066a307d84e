#pragma once

#include <QWidget>
#include <array>

class QPoint;
class QLabel;

namespace zelmora {

class DesktopServices;
class LinkLabel;
class PictureButton;
class Shape;
class frmePi;

// The main menu: it opens every tool in a window of its own, holds the Pi precision panel and
// the About and manual links, and its closing ends the program.
class frmMenuPrincipal final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 553;
    static constexpr int kHeight = 297;

    explicit frmMenuPrincipal(QWidget* parent = nullptr);

    // The desktop behind the About and manual links: the one seam through which tests put a fake
    // desktop in place of the real one.
    void setDesktopServices(DesktopServices& services) { services_ = &services; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The elements of the link array lblLink.
    enum Link { About = 0, Manual = 1, FewerDecimals = 2, MoreDecimals = 3 };

    void buildControls();
    void Form_Load();
    void cmdButton_Click(int index);
    void openFiguresMenu(const QPoint& at);
    void figArea_Click();
    void figPerimetro_Click();
    void figVolumen_Click();
    void imgConf_Click();
    void lblLink_Click(Link link);
    void Form_MouseMove();
    void cmdButton_MouseMove(int index);
    void imgConf_MouseMove();
    void lblLink_MouseMove(Link link);
    void BReset();
    bool Form_Unload();
    std::array<Shape*, 3> overlays() const { return {Shape1, Shape2, Shape3}; }

    DesktopServices* services_;

    // The overlay lit last, which the next BReset leaves lit: 1 to 3, or 0 for none.
    short ShapeOn = 0;

    std::array<QLabel*, 2> lblTitle;
    std::array<PictureButton*, 3> cmdButton;
    Shape* Shape1;  // overlays of the three pictures
    Shape* Shape2;
    Shape* Shape3;
    QLabel* lblShow;
    PictureButton* imgConf;
    std::array<LinkLabel*, 4> lblLink;  // 2 and 3 belong to the options panel
    frmePi* optionsPanel;
};

}  // namespace zelmora
