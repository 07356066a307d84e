#include "calculators/figuretable.h"

#include <cmath>

namespace zelmora {
namespace {

using enum FigureShape;

// The sphere and the octahedron take the cube with the general power function; the cube
// multiplies.
const FigureRow kFigures[] = {
    {"CUBO",
     " CUBO ",
     "V = a³",
     1,
     {"Arista: (a)", "", ""},
     false,
     false,
     false,
     false,
     [](double a, double, double, double) { return (a * a) * a; }},
    {"PARALELEPÍPED.",
     " PARALELEPÍPEDO ",
     "V = a1 * a2 * a3",
     2,
     {"Arista 1: (a1)", "Arista 2: (a2)", "Arista 3: (a3)"},
     true,
     true,
     true,
     true,
     [](double a, double b, double c, double) { return (a * b) * c; }},
    {"PRISMA",
     " PRISMA ",
     "V = Ab * h",
     3,
     {"Área (Base): (Ab)", "Altura: (h)", ""},
     true,
     false,
     true,
     false,
     [](double a, double b, double, double) { return a * b; }},
    {"CILINDRO",
     " CILINDRO ",
     "V = Pi * r² * h",
     4,
     {"Radio: (r)", "Altura: (h)", ""},
     true,
     false,
     true,
     false,
     [](double a, double b, double, double pi) { return b * ((a * a) * pi); }},
    {"CONO",
     " CONO ",
     "V = Pi * r² * h / 3",
     5,
     {"Radio: (r)", "Altura: (h)", ""},
     true,
     false,
     true,
     false,
     [](double a, double b, double, double pi) { return (b * ((a * a) * pi)) / 3; }},
    {"PIRÁMIDE",
     " PIRÁMIDE ",
     "V = Ab * h / 3",
     6,
     {"Área (Base): (Ab)", "Altura: (h)", ""},
     true,
     false,
     true,
     false,
     [](double a, double b, double, double) { return (a * b) / 3; }},
    {"ESFERA",
     " ESFERA ",
     "V = 4/3 * Pi * r³",
     7,
     {"Radio: (r)", "", ""},
     false,
     false,
     false,
     false,
     [](double a, double, double, double pi) { return (std::pow(a, 3) * (pi * 4)) / 3; }},
    {"OCTAEDRO REG.",
     " OCTAEDRO REGULAR ",
     "V = Raiz²(2)/3 * a³",
     8,
     {"Arista: (a)", "", ""},
     false,
     false,
     false,
     false,
     [](double a, double, double, double) { return (std::sqrt(2.0) / 3) * std::pow(a, 3); }},
};

constexpr int kColumnOrder[] = {1, 2, 3, 4, 5, 6, 7, 8};

constexpr FigureShape kImages[] = {Cube, Parallelepiped, Prism,  Cylinder,
                                   Cone, Pyramid,        Sphere, Octahedron};

const CalculatorTable kTable{
    "frmVolumen",
    "CALCULANDO VOLUMEN",
    3,
    "³",
    {"mm", "cm", "m", "km"},
    {"mm³", "cm³", "m³", "km³"},
    {{
        {times(1), times(0.001), times(0.000000001), times(1E-18)},
        {times(1000), times(1), times(0.000001), times(1E-15)},
        {times(1000000000), times(1000000), times(1), times(0.000000001)},
        {times(1E+18), times(1E+15), times(1000000000), times(1)},
    }},
    kFigures,
    kColumnOrder,
    kImages,
    true,
};

}  // namespace

const CalculatorTable& volumeTable() {
    return kTable;
}

}  // namespace zelmora
