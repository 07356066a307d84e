#include "calculators/figuretable.h"

namespace zelmora {
namespace {

using enum FigureShape;

// clang-format off
constexpr FigureRow kFigures[] = {
    {"CUADRADO", " CUADRADO ", "P = L * 4", 1,
     {"Lado: (L)"}, {},
     [](double a, double, double, double) { return a * 4; }},
    {"RECTÁNGULO", " RECTÁNGULO ", "P = b * 2 + h * 2", 2,
     {"Base: (b)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return (a + a) + (b + b); }},
    {"TRIÁNGULO", " TRIÁNGULO ", "L1 + L2 + L3", 3,
     {"Lado 1: (L1)", "Lado 2: (L2)", "Lado 3: (L3)"},
     {.text2 = true, .text3 = true, .combo2 = true, .combo3 = true},
     [](double a, double b, double c, double) { return (a + b) + c; }},
    // The count of sides has no unit, so no unit label stands beside it.
    {"POLÍGONO REG.", " POLÍGONO REGULAR ", "P = L * #", 4,
     {"Lado: (L)", "No. lados: (#)"}, {.text2 = true},
     [](double a, double b, double, double) { return a * b; }},
    {"ROMBO", " ROMBO ", "P = L * 4", 5,
     {"Lado: (L)"}, {},
     [](double a, double, double, double) { return a * 4; }},
    // One base and one side wall are typed; each counts twice.
    {"ROMBOIDE", " ROMBOIDE ", "P = bs + ws", 6,
     {"Bases: (2): (bs)", "Paredes (2): (ws)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return (a + a) + (b + b); }},
    // The value typed under the walls is added once, as the formula text shows.
    {"TRAPECIO", " TRAPECIO ", "B + b + ws", 7,
     {"Base Mayor: (B)", "Base Menor: (b)", "Paredes (2): (ws)"},
     {.text2 = true, .text3 = true, .combo2 = true, .combo3 = true},
     [](double a, double b, double c, double) { return (a + b) + c; }},
    {"CIRCUNFERENC.", " CIRCUNFERENCIA ", "Pi * D", 8,
     {"Diametro: (D)"}, {},
     [](double a, double, double, double pi) { return a * pi; }},
};

constexpr int kColumnOrder[] = {1, 2, 3, 4, 5, 6, 7, 8};

constexpr FigureShape kImages[] = {
    Square, Rectangle, Triangle, Pentagon, Rhombus, Romboid, Trapezoid, Circle,
};

// Every entry is the ratio of the two lengths: to a larger unit it divides, to a smaller one it
// multiplies. The answer units are the measure units themselves.
constexpr CalculatorTable kTable{
    .formName = "frmPerimetro",
    .caption = "CALCULANDO PERÍMETRO",
    .suffix = "",
    .measureUnits = {"mm", "cm", "m", "km"},
    .answerUnits = {"mm", "cm", "m", "km"},
    .factors = {{
        {times(1),        dividedBy(10),  dividedBy(1000), dividedBy(1000000)},
        {times(10),       times(1),       dividedBy(100),  dividedBy(100000)},
        {times(1000),     times(100),     times(1),        dividedBy(1000)},
        {times(1000000),  times(100000),  times(1000),     times(1)},
    }},
    .figures = kFigures,
    .columnOrder = kColumnOrder,
    .images = kImages,
    .editableAnswerUnit = false,
};
// clang-format on

}  // namespace

const CalculatorTable& perimeterTable() {
    return kTable;
}

}  // namespace zelmora
