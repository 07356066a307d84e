#pragma once

#include <array>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "common/numbertext.h"

// The right-triangle and proportion calculators of the solver window, as operations on the texts
// of its boxes and the state of its rounding check box.
namespace zelmora {

// A box whose text is exactly this is the term to compute; 0.0, " 0" or an empty box are not.
inline constexpr std::string_view kMissingTerm = kEmptyBox;

// The window's title, its two buttons' caption and its check box's caption.
inline constexpr std::string_view kSolverTitle = "TEOREMA DE PITÁGORAS";
inline constexpr std::string_view kSolveCaption = "Resolver";
inline constexpr std::string_view kFourDecimalsCaption = "Sólo 4 decimales";

inline constexpr std::string_view kNeedTwoData = "Debe introducir al menos 2 datos numéricos.";
inline constexpr std::string_view kHypotenuseTooShort =
    "La hipotenusa debe ser mayor que los catetos.";
// A leg whose square would be negative: the given leg is longer than the hypotenuse although
// the signs let the comparison pass.
inline constexpr std::string_view kNoSuchTriangle =
    "No existe un triángulo rectángulo con esos datos.";
inline constexpr std::string_view kDivisionByZero = "No se puede dividir entre cero.";
// A typed number beyond the range of a double, or a square, sum, product or quotient beyond it.
inline constexpr std::string_view kNumbersTooLarge =
    "Los números son demasiado grandes para este cálculo.";

// What a click on a "Resolver" button does: nothing, an error message, or a new text for one box.
struct SolverOutcome {
    enum class Kind { Nothing, Message, Result };

    Kind kind = Kind::Nothing;
    std::string_view message;  // Message: one of the constants above
    int box = -1;              // Result: the index of the box in the window's array txtZ
    std::string text;          // Result: the box's new text

    static SolverOutcome nothing() { return {}; }
    static SolverOutcome showMessage(std::string_view text) {
        return {Kind::Message, text, -1, {}};
    }
    static SolverOutcome result(int box, std::string text) {
        return {Kind::Result, {}, box, std::move(text)};
    }

    bool operator==(const SolverOutcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SolverOutcome& outcome);

// Boxes 0, 1 and 2: hypotenuse, leg A, leg B.
using TriangleTexts = std::array<std::string_view, 3>;
// Boxes 3 to 6: the proportion box 3 / box 4 = box 5 / box 6.
using ProportionTexts = std::array<std::string_view, 4>;

// Completes the right triangle by Pythagoras' theorem; a result goes to box 0, 1 or 2.
SolverOutcome solveTriangle(const TriangleTexts& boxes, bool fourDecimals);

// Computes the missing term of the proportion by the rule of three; a result goes to box 3 to 6.
SolverOutcome solveProportion(const ProportionTexts& boxes, bool fourDecimals);

// The value written as a box's text: in full, or rounded to at most four decimals.
std::string resultText(double value, bool fourDecimals);

// The value in the pattern "0.0###": its 15-significant-digit decimal form rounded at the fourth
// decimal, halves away from zero, with one to four decimals (5.0, 3.6056, 0.0).
std::string fourDecimalPattern(double value);

// True while a calculator has a term left to compute: one of its boxes reads as zero.
bool anyTermReadsZero(std::span<const std::string_view> boxes);

}  // namespace zelmora
