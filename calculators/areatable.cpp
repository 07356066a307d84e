#include "calculators/figuretable.h"

namespace zelmora {
namespace {

using enum FigureShape;

// clang-format off
constexpr FigureRow kFigures[] = {
    {"CUADRADO", " CUADRADO ", "A = L²", 1,
     {"Lado: (L)"}, {},
     [](double a, double, double, double) { return a * a; }},
    {"RECTÁNGULO", " RECTÁNGULO ", "A = b * h", 2,
     {"Base: (b)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return a * b; }},
    {"TRIÁNGULO", " TRIÁNGULO ", "A = b * h / 2", 3,
     {"Base: (b)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return (a * b) / 2; }},
    {"ROMBO", " ROMBO ", "A = D * d / 2", 5,
     {"Diagonal Mayor: (D)", "Diagonal Menor: (d)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return (a * b) / 2; }},
    {"TRAPECIO", " TRAPECIO ", "A = (B + b) * h / 2", 7,
     {"Base Mayor: (B)", "Base Menor: (b)", "Altura: (h)"},
     {.text2 = true, .text3 = true, .combo2 = true, .combo3 = true},
     [](double a, double b, double c, double) { return ((a + b) * c) / 2; }},
    // The count of sides has no unit, so no unit label stands beside it.
    {"POLÍGONO REG.", " POLÍGONO REGULAR ", "A = L * # * a / 2", 4,
     {"Lado: (L)", "No. lados: (#)", "Apotema: (a)"}, {.text2 = true, .text3 = true, .combo3 = true},
     [](double a, double b, double c, double) { return ((a * b) * c) / 2; }},
    {"CÍRCULO", " CÍRCULO ", "A = Pi * r²", 8,
     {"Radio: (r)"}, {},
     [](double a, double, double, double pi) { return (a * a) * pi; }},
    {"ESFERA", " ESFERA ", "A = Pi * 4 * r²", 9,
     {"Radio: (r)"}, {},
     [](double a, double, double, double pi) { return (a * a) * (pi * 4); }},
    {"ROMBOIDE", " ROMBOIDE ", "A = b * h", 6,
     {"Base: (b)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return a * b; }},
};

constexpr int kColumnOrder[] = {1, 2, 3, 6, 4, 9, 5, 7, 8};

constexpr FigureShape kImages[] = {
    Square, Rectangle, Triangle, Pentagon, Rhombus, Romboid, Trapezoid, Circle, Sphere,
};

// Every entry is the square of the ratio of the two lengths; the row "mm" divides.
constexpr CalculatorTable kTable{
    .formName = "frmArea",
    .caption = "CALCULANDO ÁREA",
    .suffix = "²",
    .measureUnits = {"mm", "cm", "m", "km"},
    .answerUnits = {"mm²", "cm²", "m²", "km²"},
    .factors = {{
        {dividedBy(1),          dividedBy(100),       dividedBy(1000000), dividedBy(1000000000000)},
        {times(100),            times(1),             times(0.0001),      times(0.0000000001)},
        {times(1000000),        times(10000),         times(1),           times(0.000001)},
        {times(1000000000000),  times(10000000000),   times(1000000),     times(1)},
    }},
    .figures = kFigures,
    .columnOrder = kColumnOrder,
    .images = kImages,
    .editableAnswerUnit = false,
};
// clang-format on

}  // namespace

const CalculatorTable& areaTable() {
    return kTable;
}

}  // namespace zelmora
