#include "calculators/calculatorwindows.h"

namespace zelmora {

frmArea::frmArea(QWidget* parent) : FigureCalculatorForm(areaTable(), parent) {}

frmPerimetro::frmPerimetro(QWidget* parent) : FigureCalculatorForm(perimeterTable(), parent) {}

frmVolumen::frmVolumen(QWidget* parent) : FigureCalculatorForm(volumeTable(), parent) {}

}  // namespace zelmora
