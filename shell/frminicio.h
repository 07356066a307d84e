#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace zelmora {

class Shape;

// A rectangle's place in twips (15 twips are one pixel at 96 dots per inch), kept in single
// precision as the animation computes it.
struct TwipRect {
    float left;
    float top;
    float width;
    float height;
};

// The bars' places after a tick.
struct SplashBars {
    TwipRect shape1;
    TwipRect shape2;
    TwipRect shape3;
};

// The start-up splash: the product name fades in while coloured bars sweep across the window;
// then it shows the main menu and frees itself.
class frmInicio final : public QWidget {
    Q_OBJECT
  public:
    // afterFirstPaint runs once, right after the splash's first paint has reached the screen
    // (or at the latest before the menu is created): the program's start defers there whatever
    // the splash does not need for its first picture.
    explicit frmInicio(std::function<void()> afterFirstPaint = {});

    // The one seam for tests and the render tool, which play the animation without the clock:
    // runs the handler of the window's timer (Timer1, Timer2 or Timer3) once, as its tick does,
    // and returns the bars' places after it.
    SplashBars tick(const QTimer* timer);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static constexpr int kWidth = 521;   // 7815 twips
    static constexpr int kHeight = 297;  // 4455 twips

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void place(Shape* shape, const TwipRect& twips);
    void finishLoading();

    // Grey level of the product name: 250 after load, 10 less at every fade step, down to 0.
    short FadeLevel = 0;

    Shape* Shape4;  // the frame around the window
    Shape* Shape3;  // the orange square at the crossing of the bars
    QLabel* lblWord;
    Shape* Shape2;  // the yellow column growing down from the top
    Shape* Shape1;  // the red band growing left from the right edge
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;

    TwipRect shape1_{7800, 3240, 15, 495};
    TwipRect shape2_{480, 0, 495, 15};
    TwipRect shape3_{960, 3240, 15, 495};
    std::function<void()> afterFirstPaint_;
    bool painted_ = false;
};

}  // namespace zelmora
