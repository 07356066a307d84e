#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "common/numbertext.h"
#include "fuzz/properties.h"
#include "solver/solver.h"

// The right-triangle and proportion calculators on any box texts, with and without the rounding
// to four decimals. An outcome is nothing, one of the known messages, or a general number text
// for a box that held the missing-term marker; the result satisfies the theorem or the rule of
// three it comes from.
namespace {

using namespace zelmora;
using zelmora::fuzz::isGeneralNumberText;
using zelmora::fuzz::Reader;

bool isKnownMessage(std::string_view message) {
    constexpr std::array<std::string_view, 5> kMessages = {
        kNeedTwoData, kHypotenuseTooShort, kNoSuchTriangle, kDivisionByZero, kNumbersTooLarge};
    return std::find(kMessages.begin(), kMessages.end(), message) != kMessages.end();
}

// A box text: half the choices put the missing-term marker or a blank box, the rest a typed text.
std::string_view boxText(Reader& in) {
    switch (in.byte() % 4) {
        case 0:
            return kMissingTerm;
        case 1:
            return "";
        default:
            return in.text();
    }
}

// With the rounding on, a plain result has at most four decimals.
bool hasAtMostFourDecimals(std::string_view text) {
    if (text.find('E') != std::string_view::npos) {
        // Only numbers too large for plain notation keep an exponent once rounded.
        return text.find("E+") != std::string_view::npos;
    }
    const std::size_t point = text.find('.');
    return point == std::string_view::npos || text.size() - point - 1 <= 4;
}

void checkOutcome(const SolverOutcome& outcome, std::span<const std::string_view> boxes,
                  int firstBox, bool fourDecimals) {
    switch (outcome.kind) {
        case SolverOutcome::Kind::Nothing:
            // Nothing happens only when no box holds the marker.
            FUZZ_CHECK(std::find(boxes.begin(), boxes.end(), kMissingTerm) == boxes.end());
            FUZZ_CHECK(outcome.text.empty());
            break;
        case SolverOutcome::Kind::Message:
            FUZZ_CHECK(isKnownMessage(outcome.message));
            FUZZ_CHECK(outcome.text.empty());
            break;
        case SolverOutcome::Kind::Result: {
            const int index = outcome.box - firstBox;
            FUZZ_CHECK(index >= 0 && index < static_cast<int>(boxes.size()));
            FUZZ_CHECK(boxes[static_cast<std::size_t>(index)] == kMissingTerm);
            // A result is a number, never the overflow word: overflow is a message.
            FUZZ_CHECK(isGeneralNumberText(outcome.text));
            if (fourDecimals) {
                FUZZ_CHECK(hasAtMostFourDecimals(outcome.text));
            }
            break;
        }
    }
}

// Whether x and y agree to a relative tolerance, or both lie below the absolute one.
bool near(double x, double y, double relative, double absolute) {
    return std::fabs(x - y) <= std::max(relative * std::max(std::fabs(x), std::fabs(y)), absolute);
}

// Beyond the largest double, give or take its last digit.
bool beyondDouble(long double x) {
    return !std::isfinite(x) ||
           std::fabs(x) >
               static_cast<long double>(std::numeric_limits<double>::max()) * (1 - 1e-15L);
}

// A message says what is wrong with the numbers; checked in long double, whose range holds
// every square and product of doubles.
void checkTriangleMessage(std::string_view message, const TriangleTexts& boxes, double h, double a,
                          double b) {
    const int zeros = (h == 0) + (a == 0) + (b == 0);
    FUZZ_CHECK((message == kNeedTwoData) == (zeros >= 2));
    if (message == kNeedTwoData) {
        return;
    }
    // The side to compute: leg A, else leg B, else the hypotenuse.
    if (boxes[1] == kMissingTerm || boxes[2] == kMissingTerm) {
        const double other = boxes[1] == kMissingTerm ? b : a;
        const long double hh = static_cast<long double>(h) * h;
        const long double oo = static_cast<long double>(other) * other;
        FUZZ_CHECK((message == kHypotenuseTooShort) == (h < other));
        if (message == kNoSuchTriangle) {
            FUZZ_CHECK(hh < oo);
        }
        if (message == kNumbersTooLarge) {
            FUZZ_CHECK(beyondDouble(hh) || beyondDouble(oo));
        }
        FUZZ_CHECK(message != kDivisionByZero);
    } else {
        const long double sum = static_cast<long double>(a) * a + static_cast<long double>(b) * b;
        FUZZ_CHECK(message == kNumbersTooLarge && beyondDouble(sum));
    }
}

void checkTriangle(const TriangleTexts& boxes, bool fourDecimals) {
    const SolverOutcome outcome = solveTriangle(boxes, fourDecimals);
    checkOutcome(outcome, boxes, 0, fourDecimals);
    const double h = leadingNumber(boxes[0]);
    const double a = leadingNumber(boxes[1]);
    const double b = leadingNumber(boxes[2]);
    if (outcome.kind == SolverOutcome::Kind::Message) {
        checkTriangleMessage(outcome.message, boxes, h, a, b);
    }
    if (outcome.kind != SolverOutcome::Kind::Result) {
        return;
    }
    FUZZ_CHECK((h == 0) + (a == 0) + (b == 0) < 2);
    const double side = leadingNumber(outcome.text);
    FUZZ_CHECK(side >= 0);  // a square root
    if (outcome.box != 0) {
        FUZZ_CHECK(std::fabs(h) >= std::fabs(outcome.box == 1 ? b : a));
    }
    if (fourDecimals || std::max({std::fabs(h), std::fabs(a), std::fabs(b)}) > 1e150 ||
        std::min({std::fabs(h), std::fabs(a), std::fabs(b)}) < 1e-150) {
        return;
    }
    // Pythagoras, with the computed side in its place; the square of the longest side bounds
    // the rounding error of the subtraction.
    const double scale = std::max({h * h, a * a, b * b, side * side});
    switch (outcome.box) {
        case 0:
            FUZZ_CHECK(near(side * side, a * a + b * b, 0, scale * 1e-13));
            break;
        case 1:
            FUZZ_CHECK(near(side * side + b * b, h * h, 0, scale * 1e-13));
            break;
        default:
            FUZZ_CHECK(near(side * side + a * a, h * h, 0, scale * 1e-13));
            break;
    }
}

void checkProportion(const ProportionTexts& boxes, bool fourDecimals) {
    const SolverOutcome outcome = solveProportion(boxes, fourDecimals);
    checkOutcome(outcome, boxes, 3, fourDecimals);
    const auto marker = std::find(boxes.begin(), boxes.end(), kMissingTerm);
    FUZZ_CHECK((outcome.kind == SolverOutcome::Kind::Nothing) == (marker == boxes.end()));
    if (marker == boxes.end()) {
        return;
    }
    std::array<double, 4> p;
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = leadingNumber(boxes[i]);
    }
    // The term diagonally across from the missing one divides the product of the other two: the
    // one beside the missing term and the one across from that.
    const std::size_t missing = static_cast<std::size_t>(marker - boxes.begin());
    constexpr std::array<std::size_t, 4> kBeside = {1, 0, 3, 2};
    const double divisor = p[3 - missing];
    const long double product =
        static_cast<long double>(p[kBeside[missing]]) * p[3 - kBeside[missing]];
    const bool tooLarge = !std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]) ||
                          !std::isfinite(p[3]) || beyondDouble(product) ||
                          beyondDouble(product / divisor);
    if (divisor == 0) {
        FUZZ_CHECK(outcome.kind == SolverOutcome::Kind::Message &&
                   outcome.message == kDivisionByZero);
        return;
    }
    FUZZ_CHECK(outcome.message != kDivisionByZero);
    if (outcome.kind == SolverOutcome::Kind::Message) {
        FUZZ_CHECK(outcome.message == kNumbersTooLarge && tooLarge);
        return;
    }
    if (fourDecimals) {
        return;
    }
    // The rule of three: the cross products agree.
    p[static_cast<std::size_t>(outcome.box - 3)] = leadingNumber(outcome.text);
    for (double term : p) {
        if (term == 0 || std::fabs(term) > 1e100 || std::fabs(term) < 1e-100) {
            return;
        }
    }
    FUZZ_CHECK(near(p[0] * p[3], p[1] * p[2], 1e-13, 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    const std::uint8_t flags = in.byte();
    const bool fourDecimals = (flags & 1) != 0;
    if ((flags & 2) == 0) {
        TriangleTexts boxes;
        for (auto& box : boxes) {
            box = boxText(in);
        }
        checkTriangle(boxes, fourDecimals);
    } else {
        ProportionTexts boxes;
        for (auto& box : boxes) {
            box = boxText(in);
        }
        checkProportion(boxes, fourDecimals);
    }
    return 0;
}
