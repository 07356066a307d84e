#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calculators/figuretable.h"
#include "common/numbertext.h"
#include "fuzz/properties.h"

// The area, perimeter and volume calculators through the functions their button and answer unit
// call: any figure of any table, any measure texts, any unit texts (the table's own units or
// anything typed) and any pi. Every answer is the overflow word or a general number text, and
// the converted answer is the figure's value times the ratio of the two units raised to the
// calculator's power.
namespace {

using namespace zelmora;
using zelmora::fuzz::isOutputText;
using zelmora::fuzz::Reader;

struct Calculator {
    const CalculatorTable& table;
    int power;  // of the length ratio between two units
};

Calculator calculator(std::uint8_t choice) {
    switch (choice % 3) {
        case 0:
            return {areaTable(), 2};
        case 1:
            return {perimeterTable(), 1};
        default:
            return {volumeTable(), 3};
    }
}

// A unit text: most choices name one of the table's units, the rest take a typed text.
std::string_view unitText(Reader& in, const std::array<std::string_view, kUnitCount>& units) {
    const std::uint8_t choice = in.byte();
    if (choice % 8 < kUnitCount) {
        return units[choice % 8];
    }
    return in.text();
}

// Millimetres in each measure unit: mm, cm, m, km.
constexpr std::array<double, kUnitCount> kMillimetres = {1, 10, 1000, 1000000};

std::optional<std::size_t> indexOf(const std::array<std::string_view, kUnitCount>& units,
                                   std::string_view unit) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] == unit) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    const auto [t, power] = calculator(in.byte());
    const int figure = static_cast<int>(in.byte() % t.figures.size()) + 1;
    // Pi as the options panel sets it (4 to 14 decimals), or read from any text.
    const std::uint8_t piChoice = in.byte();
    const double pi = piChoice < 128
                          ? leadingNumber(fixedDecimalText(3.14159265358979, 4 + piChoice % 11))
                          : leadingNumber(in.text());
    const std::string_view measureUnit = unitText(in, t.measureUnits);
    const std::string_view answerUnit = unitText(in, t.answerUnits);
    const std::string_view a = in.text();
    const std::string_view b = in.text();
    const std::string_view c = in.rest();

    // The button: Respuesta and its text, then the answer unit's conversion.
    const FigureAnswer answer = computeFigure(t, figure, a, b, c, pi);
    FUZZ_CHECK(isOutputText(answer.text));

    const auto row = indexOf(t.measureUnits, measureUnit);
    const auto column = indexOf(t.answerUnits, answerUnit);
    const std::optional<std::string> converted =
        convertedAnswerText(t, measureUnit, answerUnit, answer.respuesta);
    FUZZ_CHECK(converted.has_value() == (row && column));
    if (!converted) {
        return 0;
    }
    FUZZ_CHECK(isOutputText(*converted));
    // The conversion is the ratio of the two lengths raised to the calculator's power.
    const double ratio = std::pow(kMillimetres[*row] / kMillimetres[*column], power);
    const double expected = answer.respuesta * ratio;
    // A value beyond a double, or a NaN from one, shows as the overflow word, and nothing else
    // does.
    if (!std::isfinite(answer.respuesta)) {
        FUZZ_CHECK(*converted == kOverflowText);
    }
    if (*converted == kOverflowText) {
        FUZZ_CHECK(!(std::fabs(expected) < 1e300));
        return 0;
    }
    const double shown = leadingNumber(*converted);
    if (std::fabs(expected) > 1e-290 && std::fabs(expected) < 1e300) {
        FUZZ_CHECK(std::fabs(shown - expected) <= std::fabs(expected) * 1e-14);
    }
    return 0;
}
