#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
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

void checkTriangle(const TriangleTexts& boxes, bool fourDecimals) {
    const SolverOutcome outcome = solveTriangle(boxes, fourDecimals);
    checkOutcome(outcome, boxes, 0, fourDecimals);
    if (outcome.kind != SolverOutcome::Kind::Result) {
        return;
    }
    const double side = leadingNumber(outcome.text);
    FUZZ_CHECK(side >= 0);  // a square root
    const double h = leadingNumber(boxes[0]);
    const double a = leadingNumber(boxes[1]);
    const double b = leadingNumber(boxes[2]);
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
    const bool anyMarker = std::find(boxes.begin(), boxes.end(), kMissingTerm) != boxes.end();
    FUZZ_CHECK((outcome.kind == SolverOutcome::Kind::Nothing) == !anyMarker);
    if (outcome.kind != SolverOutcome::Kind::Result || fourDecimals) {
        return;
    }
    // The rule of three: the cross products agree.
    std::array<double, 4> p;
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = leadingNumber(boxes[i]);
    }
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
