#pragma once

#include "calculators/figurecalculatorform.h"

namespace zelmora {

class frmArea final : public FigureCalculatorForm {
    Q_OBJECT
  public:
    explicit frmArea(QWidget* parent = nullptr);
};

class frmPerimetro final : public FigureCalculatorForm {
    Q_OBJECT
  public:
    explicit frmPerimetro(QWidget* parent = nullptr);
};

class frmVolumen final : public FigureCalculatorForm {
    Q_OBJECT
  public:
    explicit frmVolumen(QWidget* parent = nullptr);
};

}  // namespace zelmora
