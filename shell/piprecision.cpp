#include "shell/piprecision.h"

#include "common/numbertext.h"

namespace zelmora {

std::string piText(int decimals) {
    return fixedDecimalText(kShownPi, decimals);
}

PiPanel changeDecimals(const PiPanel& panel, std::string_view typed) {
    PiPanel next = panel;
    next.decimals = std::string(typed);
    const double n = leadingNumber(typed);
    if (n < kFewestPiDecimals || n > kMostPiDecimals) {
        next.look = DecimalsLook::Refused;
    } else if (n == static_cast<int>(n)) {
        next.piText = piText(static_cast<int>(n));
        next.look = DecimalsLook::Accepted;
    }
    next.pi = leadingNumber(next.piText);
    return next;
}

std::optional<PiPanel> stepDecimals(const PiPanel& panel, int step) {
    const ParsedNumber n = parseLeadingNumber(panel.decimals);
    // A number beyond a double is an error in the handling, which then ends silently.
    if (n.outOfRange) {
        return std::nullopt;
    }
    if ((step < 0 && n.value > kFewestPiDecimals) || (step > 0 && n.value < kMostPiDecimals)) {
        return changeDecimals(panel, generalNumberText(n.value + step));
    }
    return std::nullopt;
}

}  // namespace zelmora
