#include "calculators/figuretable.h"

#include <cmath>

namespace zelmora {
namespace {

using enum FigureShape;

// The sphere and the octahedron take the cube with the general power function; the cube
// multiplies.
// clang-format off
const FigureRow kFigures[] = {
    {"CUBO", " CUBO ", "V = a³", 1,
     {"Arista: (a)"}, {},
     [](double a, double, double, double) { return (a * a) * a; }},
    {"PARALELEPÍPED.", " PARALELEPÍPEDO ", "V = a1 * a2 * a3", 2,
     {"Arista 1: (a1)", "Arista 2: (a2)", "Arista 3: (a3)"},
     {.text2 = true, .text3 = true, .combo2 = true, .combo3 = true},
     [](double a, double b, double c, double) { return (a * b) * c; }},
    {"PRISMA", " PRISMA ", "V = Ab * h", 3,
     {"Área (Base): (Ab)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return a * b; }},
    {"CILINDRO", " CILINDRO ", "V = Pi * r² * h", 4,
     {"Radio: (r)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double pi) { return b * ((a * a) * pi); }},
    {"CONO", " CONO ", "V = Pi * r² * h / 3", 5,
     {"Radio: (r)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double pi) { return (b * ((a * a) * pi)) / 3; }},
    {"PIRÁMIDE", " PIRÁMIDE ", "V = Ab * h / 3", 6,
     {"Área (Base): (Ab)", "Altura: (h)"}, {.text2 = true, .combo2 = true},
     [](double a, double b, double, double) { return (a * b) / 3; }},
    {"ESFERA", " ESFERA ", "V = 4/3 * Pi * r³", 7,
     {"Radio: (r)"}, {},
     [](double a, double, double, double pi) { return (std::pow(a, 3) * (pi * 4)) / 3; }},
    {"OCTAEDRO REG.", " OCTAEDRO REGULAR ", "V = Raiz²(2)/3 * a³", 8,
     {"Arista: (a)"}, {},
     [](double a, double, double, double) { return (std::sqrt(2.0) / 3) * std::pow(a, 3); }},
};

constexpr int kColumnOrder[] = {1, 2, 3, 4, 5, 6, 7, 8};

constexpr FigureShape kImages[] = {
    Cube, Parallelepiped, Prism, Cylinder, Cone, Pyramid, Sphere, Octahedron,
};

// Every entry is the cube of the ratio of the two lengths, and every entry multiplies. The answer
// unit box is editable: typed text is compared with the units only when an answer is converted.
const CalculatorTable kTable{
    .formName = "frmVolumen",
    .caption = "CALCULANDO VOLUMEN",
    .suffix = "³",
    .measureUnits = {"mm", "cm", "m", "km"},
    .answerUnits = {"mm³", "cm³", "m³", "km³"},
    .factors = {{
        {times(1),           times(0.001),     times(0.000000001),  times(1E-18)},
        {times(1000),        times(1),         times(0.000001),     times(1E-15)},
        {times(1000000000),  times(1000000),   times(1),            times(0.000000001)},
        {times(1E+18),       times(1E+15),     times(1000000000),   times(1)},
    }},
    .figures = kFigures,
    .columnOrder = kColumnOrder,
    .images = kImages,
    .editableAnswerUnit = true,
};
// clang-format on

}  // namespace

const CalculatorTable& volumeTable() {
    return kTable;
}

}  // namespace zelmora
