#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The data that turns the one figure calculator form into the area, perimeter or volume
// calculator, and the computation that the form's handlers call.
namespace zelmora {

// The calculator button's caption in each stage: the measures being entered, the answer shown.
inline constexpr std::string_view kComputeCaption = "Ver Resultado";
inline constexpr std::string_view kClearCaption = "Limpiar";

enum class FigureShape {
    Square,
    Rectangle,
    Triangle,
    Pentagon,
    Rhombus,
    Romboid,
    Trapezoid,
    Circle,
    Sphere,
    Cube,
    Parallelepiped,
    Prism,
    Cylinder,
    Cone,
    Pyramid,
    Octahedron,
};

// A figure's value from the measures A, B and C and pi, evaluated in the order of its brackets.
using Formula = double (*)(double a, double b, double c, double pi);

// Which of the optional controls a figure shows; Text1, Label1 and Combo1 are always shown.
struct ShownControls {
    bool text2 = false;  // with Label2
    bool text3 = false;  // with Label3
    bool combo2 = false;
    bool combo3 = false;
};

struct FigureRow {
    std::string_view caption;      // on the option button
    std::string_view toolTip;      // the full name between single blanks
    std::string_view formulaText;  // shown in lblForm
    int image;                     // the hidden picture ImageN that imgFig shows
    // Captions of Label1 to Label3; an empty name leaves the label's old caption.
    std::array<std::string_view, 3> measureNames;
    ShownControls shown;
    Formula formula;
};

struct UnitFactor {
    enum class Operation { Multiply, Divide };
    Operation operation;
    double operand;

    double apply(double value) const {
        return operation == Operation::Multiply ? value * operand : value / operand;
    }
};

inline constexpr UnitFactor times(double factor) {
    return {UnitFactor::Operation::Multiply, factor};
}
inline constexpr UnitFactor dividedBy(double divisor) {
    return {UnitFactor::Operation::Divide, divisor};
}

inline constexpr std::size_t kUnitCount = 4;

struct CalculatorTable {
    std::string_view formName;  // the window's object name
    std::string_view caption;   // the window's title
    std::string_view suffix;    // appended to a measure unit to name its answer unit
    std::array<std::string_view, kUnitCount> measureUnits;
    std::array<std::string_view, kUnitCount> answerUnits;
    // factors[measure unit][answer unit] turns Respuesta into the answer unit.
    std::array<std::array<UnitFactor, kUnitCount>, kUnitCount> factors;
    std::span<const FigureRow> figures;   // by option number: Option1 first
    std::span<const int> columnOrder;     // option numbers from the top of the column down
    std::span<const FigureShape> images;  // the pictures Image1, Image2, ...
    bool editableAnswerUnit;              // the answer unit box accepts typed text
};

const CalculatorTable& areaTable();
const CalculatorTable& perimeterTable();
const CalculatorTable& volumeTable();

// What the calculator's button computes: Respuesta, the chosen figure's value from the three
// measure texts read with the leading-numeric parse, and the text the answer box first shows.
struct FigureAnswer {
    double respuesta;
    std::string text;
};
FigureAnswer computeFigure(const CalculatorTable& table, int figure, std::string_view textA,
                           std::string_view textB, std::string_view textC, double pi);

// Respuesta converted into the answer unit, as the answer box shows it; nothing when either unit
// text is not one of the table's units (compared exactly, case and suffix included).
std::optional<std::string> convertedAnswerText(const CalculatorTable& table,
                                               std::string_view measureUnit,
                                               std::string_view answerUnit, double respuesta);

}  // namespace zelmora
