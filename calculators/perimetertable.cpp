#include "calculators/figuretable.h"

namespace zelmora {
namespace {

using enum FigureShape;

constexpr FigureRow kFigures[] = {
    {"CUADRADO",
     " CUADRADO ",
     "P = L * 4",
     1,
     {"Lado: (L)", "", ""},
     false,
     false,
     false,
     false,
     [](double a, double, double, double) { return a * 4; }},
    {"RECTÁNGULO",
     " RECTÁNGULO ",
     "P = b * 2 + h * 2",
     2,
     {"Base: (b)", "Altura: (h)", ""},
     true,
     false,
     true,
     false,
     [](double a, double b, double, double) { return (a + a) + (b + b); }},
    {"TRIÁNGULO",
     " TRIÁNGULO ",
     "L1 + L2 + L3",
     3,
     {"Lado 1: (L1)", "Lado 2: (L2)", "Lado 3: (L3)"},
     true,
     true,
     true,
     true,
     [](double a, double b, double c, double) { return (a + b) + c; }},
    {"POLÍGONO REG.",
     " POLÍGONO REGULAR ",
     "P = L * #",
     4,
     {"Lado: (L)", "No. lados: (#)", ""},
     true,
     false,
     false,
     false,
     [](double a, double b, double, double) { return a * b; }},
    {"ROMBO",
     " ROMBO ",
     "P = L * 4",
     5,
     {"Lado: (L)", "", ""},
     false,
     false,
     false,
     false,
     [](double a, double, double, double) { return a * 4; }},
    {"ROMBOIDE",
     " ROMBOIDE ",
     "P = bs + ws",
     6,
     {"Bases: (2): (bs)", "Paredes (2): (ws)", ""},
     true,
     false,
     true,
     false,
     [](double a, double b, double, double) { return (a + a) + (b + b); }},
    {"TRAPECIO",
     " TRAPECIO ",
     "B + b + ws",
     7,
     {"Base Mayor: (B)", "Base Menor: (b)", "Paredes (2): (ws)"},
     true,
     true,
     true,
     true,
     [](double a, double b, double c, double) { return (a + b) + c; }},
    {"CIRCUNFERENC.",
     " CIRCUNFERENCIA ",
     "Pi * D",
     8,
     {"Diametro: (D)", "", ""},
     false,
     false,
     false,
     false,
     [](double a, double, double, double pi) { return a * pi; }},
};

constexpr int kColumnOrder[] = {1, 2, 3, 4, 5, 6, 7, 8};

constexpr FigureShape kImages[] = {Square,  Rectangle, Triangle,  Pentagon,
                                   Rhombus, Romboid,   Trapezoid, Circle};

constexpr CalculatorTable kTable{
    "frmPerimetro",
    "CALCULANDO PERÍMETRO",
    1,
    "",
    {"mm", "cm", "m", "km"},
    {"mm", "cm", "m", "km"},
    {{
        {times(1), dividedBy(10), dividedBy(1000), dividedBy(1000000)},
        {times(10), times(1), dividedBy(100), dividedBy(100000)},
        {times(1000), times(100), times(1), dividedBy(1000)},
        {times(1000000), times(100000), times(1000), times(1)},
    }},
    kFigures,
    kColumnOrder,
    kImages,
    false,
};

}  // namespace

const CalculatorTable& perimeterTable() {
    return kTable;
}

}  // namespace zelmora
