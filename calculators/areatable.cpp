#include "calculators/figuretable.h"

namespace zelmora {
namespace {

using enum FigureShape;

constexpr FigureRow kFigures[] = {
    {"CUADRADO", " CUADRADO ", "A = L²", 1, {"Lado: (L)", "", ""}, false, false, false, false,
     [](double a, double, double, double) { return a * a; }},
    {"RECTÁNGULO", " RECTÁNGULO ", "A = b * h", 2, {"Base: (b)", "Altura: (h)", ""}, true, false,
     true, false, [](double a, double b, double, double) { return a * b; }},
    {"TRIÁNGULO", " TRIÁNGULO ", "A = b * h / 2", 3, {"Base: (b)", "Altura: (h)", ""}, true,
     false, true, false, [](double a, double b, double, double) { return (a * b) / 2; }},
    {"ROMBO", " ROMBO ", "A = D * d / 2", 5,
     {"Diagonal Mayor: (D)", "Diagonal Menor: (d)", ""}, true, false, true, false,
     [](double a, double b, double, double) { return (a * b) / 2; }},
    {"TRAPECIO", " TRAPECIO ", "A = (B + b) * h / 2", 7,
     {"Base Mayor: (B)", "Base Menor: (b)", "Altura: (h)"}, true, true, true, true,
     [](double a, double b, double c, double) { return ((a + b) * c) / 2; }},
    {"POLÍGONO REG.", " POLÍGONO REGULAR ", "A = L * # * a / 2", 4,
     {"Lado: (L)", "No. lados: (#)", "Apotema: (a)"}, true, true, false, true,
     [](double a, double b, double c, double) { return ((a * b) * c) / 2; }},
    {"CÍRCULO", " CÍRCULO ", "A = Pi * r²", 8, {"Radio: (r)", "", ""}, false, false, false,
     false, [](double a, double, double, double pi) { return (a * a) * pi; }},
    {"ESFERA", " ESFERA ", "A = Pi * 4 * r²", 9, {"Radio: (r)", "", ""}, false, false, false,
     false, [](double a, double, double, double pi) { return (a * a) * (pi * 4); }},
    {"ROMBOIDE", " ROMBOIDE ", "A = b * h", 6, {"Base: (b)", "Altura: (h)", ""}, true, false, true,
     false, [](double a, double b, double, double) { return a * b; }},
};

constexpr int kColumnOrder[] = {1, 2, 3, 6, 4, 9, 5, 7, 8};

constexpr FigureShape kImages[] = {Square,  Rectangle, Triangle, Pentagon, Rhombus,
                                   Romboid, Trapezoid, Circle,   Sphere};

constexpr CalculatorTable kTable{
    "frmArea",
    "CALCULANDO ÁREA",
    2,
    "²",
    {"mm", "cm", "m", "km"},
    {"mm²", "cm²", "m²", "km²"},
    {{
        {dividedBy(1), dividedBy(100), dividedBy(1000000), dividedBy(1000000000000)},
        {times(100), times(1), times(0.0001), times(0.0000000001)},
        {times(1000000), times(10000), times(1), times(0.000001)},
        {times(1000000000000), times(10000000000), times(1000000), times(1)},
    }},
    kFigures,
    kColumnOrder,
    kImages,
    false,
};

}  // namespace

const CalculatorTable& areaTable() {
    return kTable;
}

}  // namespace zelmora
