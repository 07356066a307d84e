#include "calculators/figuretable.h"

#include <algorithm>

#include "common/numbertext.h"

namespace zelmora {
namespace {

std::optional<std::size_t> unitIndex(const std::array<std::string_view, kUnitCount>& units,
                                     std::string_view unit) {
    const auto found = std::find(units.begin(), units.end(), unit);
    if (found == units.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - units.begin());
}

}  // namespace

FigureAnswer computeFigure(const CalculatorTable& table, int figure, std::string_view textA,
                           std::string_view textB, std::string_view textC, double pi) {
    const FigureRow& row = table.figures[static_cast<std::size_t>(figure - 1)];
    const double respuesta =
        row.formula(leadingNumber(textA), leadingNumber(textB), leadingNumber(textC), pi);
    // Overflow anywhere (a measure beyond a double, a product) ends in an infinity or a NaN,
    // which the general number text writes as the overflow word.
    return {respuesta, generalNumberText(respuesta)};
}

std::optional<std::string> convertedAnswerText(const CalculatorTable& table,
                                               std::string_view measureUnit,
                                               std::string_view answerUnit, double respuesta) {
    const auto row = unitIndex(table.measureUnits, measureUnit);
    const auto column = unitIndex(table.answerUnits, answerUnit);
    if (!row || !column) {
        return std::nullopt;
    }
    return generalNumberText(table.factors[*row][*column].apply(respuesta));
}

}  // namespace zelmora
