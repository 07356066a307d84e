#pragma once

#include <QWidget>
#include <array>

#include "solver/solver.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace zelmora {

class NumberBox;

// The right-triangle and proportion solver: three boxes for a right triangle, four for the
// proportion box 3 / box 4 = box 5 / box 6, each calculator with its "Resolver" button.
class frmPitagoras : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 449;
    static constexpr int kHeight = 169;
    static constexpr int kBoxCount = 7;

    explicit frmPitagoras(QWidget* parent = nullptr);
    ~frmPitagoras() override;

    // The triangle's boxes, and the proportion's boxes, back to "0".
    void Limpiar1();
    void Limpiar2();

  private:
    void buildControls();
    void Form_Load();
    void cmdShow1_Click();
    void cmdShow2_Click();
    void txtZ_GotFocus(int index);
    void txtZ_LostFocus(int index);
    void txtZ_DblClick(int index);
    void tmrMoon_Timer();
    void showOutcome(const SolverOutcome& outcome);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    // 0 hypotenuse, 1 and 2 the legs, 3 to 6 the terms of the proportion.
    std::array<NumberBox*, kBoxCount> txtZ;
    QPushButton* cmdShow1;
    QPushButton* cmdShow2;
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;
    QCheckBox* Check1;
    QTimer* tmrMoon;
};

}  // namespace zelmora
