#pragma once

#include <QFrame>

#include "shell/piprecision.h"

class QLabel;
class QLineEdit;

namespace zelmora {

class LinkLabel;

// The menu's options panel: the number of decimals, from 4 to 14, with which the calculators take
// pi, and the value that it gives. Every change of the box of decimals, typed or stepped with "-"
// and "+", writes the value on display into the shared pi.
class frmePi final : public QFrame {
    Q_OBJECT
  public:
    explicit frmePi(QWidget* menu);

    // The panel's "-" and "+", elements 2 and 3 of the menu's links.
    LinkLabel* fewerLink() const { return lblLink2; }
    LinkLabel* moreLink() const { return lblLink3; }

    // "-" (step -1) and "+" (step +1), run by the menu's link handler.
    void stepDecimals(int step);

  protected:
    // The panel's own background, captions, value and box change nothing in the menu when the
    // pointer moves over them, whether or not a mouse button is held.
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void txtFormat_Change();
    void display(const PiPanel& panel);

    PiPanel panel_;

    QLabel* Label1;
    LinkLabel* lblLink2;
    QLineEdit* txtFormat;
    LinkLabel* lblLink3;
    QFrame* Line1;
    QLabel* Label2;
    QLabel* lblPi;
};

}  // namespace zelmora
