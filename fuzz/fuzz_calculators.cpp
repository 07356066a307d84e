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

// The area, perimeter and volume calculators: any figure of any table, any measure texts, any
// unit texts (the table's own units or anything typed) and any pi. The answer is always the
// overflow word or a general number text that reads back to itself, and it is the figure's value
// converted by the ratio of the two units raised to the table's power.
namespace {

using namespace zelmora;
using zelmora::fuzz::isOutputText;
using zelmora::fuzz::Reader;

const CalculatorTable& table(std::uint8_t choice) {
    switch (choice % 3) {
        case 0:
            return areaTable();
        case 1:
            return perimeterTable();
        default:
            return volumeTable();
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
    const CalculatorTable& t = table(in.byte());
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

    const std::string answer = computeAnswerText(t, figure, a, b, c, measureUnit, answerUnit, pi);
    FUZZ_CHECK(isOutputText(answer));
    // The same texts give the same answer.
    FUZZ_CHECK(computeAnswerText(t, figure, a, b, c, measureUnit, answerUnit, pi) == answer);

    const double respuesta =
        figureValue(t.figures[static_cast<std::size_t>(figure - 1)], a, b, c, pi);
    const auto row = indexOf(t.measureUnits, measureUnit);
    const auto column = indexOf(t.answerUnits, answerUnit);
    const std::optional<double> converted = convertAnswer(t, measureUnit, answerUnit, respuesta);
    FUZZ_CHECK(converted.has_value() == (row && column));
    if (!converted) {
        FUZZ_CHECK(answer == generalNumberText(respuesta));
        return 0;
    }
    // A value beyond a double, or a NaN from one, shows as the overflow word.
    if (!std::isfinite(*converted)) {
        FUZZ_CHECK(answer == kOverflowText);
        return 0;
    }
    FUZZ_CHECK(answer != kOverflowText);
    // The conversion is the ratio of the two lengths raised to the table's power.
    const double ratio = std::pow(kMillimetres[*row] / kMillimetres[*column], t.power);
    const double expected = respuesta * ratio;
    const double shown = leadingNumber(answer);
    if (std::fabs(expected) > 1e-290 && std::fabs(expected) < 1e300) {
        FUZZ_CHECK(std::fabs(shown - expected) <= std::fabs(expected) * 1e-14);
    }
    return 0;
}
