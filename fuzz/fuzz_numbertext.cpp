#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "common/numbertext.h"
#include "fuzz/properties.h"

// The general number text and the fixed-decimal text of any double (NaN and the infinities
// included) and of any typed text: only the overflow word or a text that reads back to itself,
// the same number to 15 significant digits as the C library's printf gives, and exactly the
// decimals asked for.
namespace {

using zelmora::fixedDecimalText;
using zelmora::generalNumberText;
using zelmora::kOverflowText;
using zelmora::parseLeadingNumber;
using zelmora::fuzz::isGeneralNumberText;

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// The value rounded to 15 significant digits by printf and read back by strtod, both under the C
// locale: an oracle that shares no code with the core.
double printfRounded(double value, bool& beyondDouble) {
    const locale_t previous = uselocale(cLocale());
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const double rounded = strtod_l(buffer, nullptr, cLocale());
    uselocale(previous);
    beyondDouble = std::isinf(rounded);
    return rounded;
}

void checkGeneral(double value) {
    const std::string text = generalNumberText(value);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == kOverflowText);
        return;
    }
    FUZZ_CHECK(isGeneralNumberText(text));
    FUZZ_CHECK(text.size() <= 22);  // "-1.23456789012345E-308"
    const double shown = parseLeadingNumber(text).value;
    bool beyondDouble = false;
    const double expected = printfRounded(value, beyondDouble);
    if (beyondDouble) {
        // The few doubles whose 15-digit rounding lies beyond the largest double are cut.
        FUZZ_CHECK(text == (value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308"));
        return;
    }
    FUZZ_CHECK(shown == expected || (shown == 0 && expected == 0));
    // Writing the shown number again changes nothing.
    FUZZ_CHECK(generalNumberText(shown) == text);
}

void checkFixed(double value, int decimals) {
    const std::string text = fixedDecimalText(value, decimals);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == kOverflowText);
        return;
    }
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t wholeStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    FUZZ_CHECK(i > wholeStart);
    FUZZ_CHECK(i == wholeStart + 1 || text[wholeStart] != '0');
    if (decimals == 0) {
        FUZZ_CHECK(i == text.size());
    } else {
        FUZZ_CHECK(i < text.size() && text[i] == '.');
        const std::size_t fraction = text.size() - i - 1;
        FUZZ_CHECK(fraction == static_cast<std::size_t>(decimals));
        for (std::size_t k = i + 1; k < text.size(); ++k) {
            FUZZ_CHECK(text[k] >= '0' && text[k] <= '9');
        }
    }
    // A text of zeros carries no sign.
    if (text[0] == '-') {
        FUZZ_CHECK(text.find_first_not_of("0.", 1) != std::string::npos);
    }
    // The text is the value within half a unit of its last decimal, give or take the 15-digit
    // rounding that comes first.
    const zelmora::ParsedNumber shown = parseLeadingNumber(text);
    if (shown.outOfRange) {
        FUZZ_CHECK(std::fabs(value) > 1.7976931348623e308);
        return;
    }
    const double tolerance =
        0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(value) * 1e-14;
    FUZZ_CHECK(std::fabs(shown.value - value) <= tolerance);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Any bit pattern is a double: NaNs, infinities, subnormals and negative zero included.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkGeneral(value);
        const int decimals = size > sizeof(double) ? data[sizeof(double)] % 21 : 4;
        checkFixed(value, decimals);
    }
    // The text as typed: read it, write it, and the written text reads back to itself.
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const double read = parseLeadingNumber(typed).value;
    checkGeneral(read);
    checkFixed(read, static_cast<int>(size % 15));
    return 0;
}
