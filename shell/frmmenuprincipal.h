#pragma once

#include <QWidget>
#include <array>

#include "shell/shelltexts.h"

class QLabel;
class QPainter;
class QRectF;

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

    // One row per picture, cmdButton(0) to cmdButton(2): its drawing, its texts and what a click
    // on it opens.
    struct Tool {
        void (*picture)(QPainter&, const QRectF&);
        MenuEntryTexts texts;
        void (*open)(frmMenuPrincipal& menu);
    };
    static const std::array<Tool, 3> kTools;
    // One row per link of the status strip, lblLink(0) and lblLink(1).
    struct StripLink {
        const char* caption;
        MenuEntryTexts texts;
        int left;
    };
    static const std::array<StripLink, 2> kStripLinks;

    void buildControls();
    void buildStatusStrip();
    void Form_Load();
    void cmdButton_Click(int index);
    void openFiguresMenu();
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
