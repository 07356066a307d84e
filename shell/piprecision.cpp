#include "shell/piprecision.h"

#include "common/numbertext.h"

namespace zelmora {

std::string piText(int decimals) {
    return fixedDecimalText(kShownPi, decimals);
}

DecimalsChoice chooseDecimals(std::string_view typed) {
    const double n = leadingNumber(typed);
    if (n < kFewestPiDecimals || n > kMostPiDecimals) {
        return {std::nullopt, DecimalsLook::Refused};
    }
    if (n == static_cast<int>(n)) {
        return {piText(static_cast<int>(n)), DecimalsLook::Accepted};
    }
    return {std::nullopt, DecimalsLook::Unchanged};
}

std::optional<std::string> stepDecimals(std::string_view typed, int step) {
    const double n = leadingNumber(typed);
    if ((step < 0 && n > kFewestPiDecimals) || (step > 0 && n < kMostPiDecimals)) {
        return generalNumberText(n + step);
    }
    return std::nullopt;
}

}  // namespace zelmora
