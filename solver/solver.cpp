#include "solver/solver.h"

#include <array>
#include <cmath>

#include "common/numbertext.h"

namespace zelmora {
namespace {

SolverOutcome computed(int box, double value, bool fourDecimals) {
    return SolverOutcome::result(box, resultText(value, fourDecimals));
}

// A leg from the hypotenuse and the other leg: the square root of h² − other².
SolverOutcome leg(int box, double h, double other, bool fourDecimals) {
    if (h < other) {
        return SolverOutcome::showMessage(kHypotenuseTooShort);
    }
    const double hh = h * h;
    const double oo = other * other;
    if (!std::isfinite(hh) || !std::isfinite(oo)) {
        return SolverOutcome::showMessage(kNumbersTooLarge);
    }
    const double difference = hh - oo;
    if (difference < 0) {
        return SolverOutcome::showMessage(kNoSuchTriangle);
    }
    return computed(box, std::sqrt(difference), fourDecimals);
}

SolverOutcome hypotenuse(double a, double b, bool fourDecimals) {
    const double sum = a * a + b * b;
    if (!std::isfinite(sum)) {
        return SolverOutcome::showMessage(kNumbersTooLarge);
    }
    return computed(0, std::sqrt(sum), fourDecimals);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const SolverOutcome& outcome) {
    switch (outcome.kind) {
        case SolverOutcome::Kind::Nothing:
            return out << "nothing";
        case SolverOutcome::Kind::Message:
            return out << "message \"" << outcome.message << "\"";
        case SolverOutcome::Kind::Result:
            return out << "box " << outcome.box << " = \"" << outcome.text << "\"";
    }
    return out;
}

SolverOutcome solveTriangle(const TriangleTexts& boxes, bool fourDecimals) {
    const double h = leadingNumber(boxes[0]);
    const double a = leadingNumber(boxes[1]);
    const double b = leadingNumber(boxes[2]);
    // The values decide whether enough was given; the marker then decides which side is missing.
    if ((h == 0) + (a == 0) + (b == 0) >= 2) {
        return SolverOutcome::showMessage(kNeedTwoData);
    }
    if (boxes[1] == kMissingTerm) {
        return leg(1, h, b, fourDecimals);
    }
    if (boxes[2] == kMissingTerm) {
        return leg(2, h, a, fourDecimals);
    }
    if (boxes[0] == kMissingTerm) {
        return hypotenuse(a, b, fourDecimals);
    }
    return SolverOutcome::nothing();
}

SolverOutcome solveProportion(const ProportionTexts& boxes, bool fourDecimals) {
    std::size_t missing = 0;
    while (missing < boxes.size() && boxes[missing] != kMissingTerm) {
        ++missing;
    }
    if (missing == boxes.size()) {
        return SolverOutcome::nothing();
    }
    std::array<double, 4> p;
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = leadingNumber(boxes[i]);
    }
    // The two terms across from the missing one, and the one beside it that divides.
    struct Terms {
        std::size_t first, second, divisor;
    };
    static constexpr std::array<Terms, 4> kCross = {Terms{1, 2, 3}, Terms{0, 3, 2}, Terms{0, 3, 1},
                                                    Terms{1, 2, 0}};
    const Terms& terms = kCross[missing];
    const double first = p[terms.first];
    const double second = p[terms.second];
    const double divisor = p[terms.divisor];
    if (divisor == 0) {
        return SolverOutcome::showMessage(kDivisionByZero);
    }
    // A typed term beyond the range of a double reads as an infinity: nothing sound can be
    // computed with it, even where the quotient would come out finite.
    if (!std::isfinite(first) || !std::isfinite(second) || !std::isfinite(divisor)) {
        return SolverOutcome::showMessage(kNumbersTooLarge);
    }
    const double product = first * second;
    const double quotient = product / divisor;
    if (!std::isfinite(product) || !std::isfinite(quotient)) {
        return SolverOutcome::showMessage(kNumbersTooLarge);
    }
    return computed(static_cast<int>(3 + missing), quotient, fourDecimals);
}

std::string resultText(double value, bool fourDecimals) {
    if (!fourDecimals) {
        return generalNumberText(value);
    }
    const ParsedNumber rounded = parseLeadingNumber(fourDecimalPattern(value));
    // The 15-digit form of a value within a part in 10^15 of the largest double lies beyond it;
    // such a value has no decimals to round, and is written as the general number text does.
    if (rounded.outOfRange) {
        return generalNumberText(value);
    }
    return generalNumberText(rounded.value);
}

std::string fourDecimalPattern(double value) {
    if (!std::isfinite(value)) {
        return "0.0";
    }
    // "0.0###": four decimals at most and one at least.
    std::string text = fixedDecimalText(value, 4);
    while (text.back() == '0' && text[text.size() - 2] != '.') {
        text.pop_back();
    }
    return text;
}

bool anyTermReadsZero(std::span<const std::string_view> boxes) {
    for (std::string_view box : boxes) {
        if (leadingNumber(box) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace zelmora
