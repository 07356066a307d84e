#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "common/numbertext.h"
#include "fuzz/properties.h"

// The leading-numeric parse on any bytes: never a NaN, an infinity exactly when the number lies
// beyond a double, blind to blanks and to what follows the number, and in agreement with the C
// library's own readers on every text that is a number and nothing else.
namespace {

using zelmora::ParsedNumber;
using zelmora::parseLeadingNumber;

bool isDropped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool sameNumber(const ParsedNumber& a, const ParsedNumber& b) {
    return a.outOfRange == b.outOfRange && a.value == b.value &&
           std::signbit(a.value) == std::signbit(b.value);
}

// The C library's readers under the C locale, whatever locale the process runs under.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Whether the text is exactly [+-]digits[.[digits]][E[+-]digits] or [+-].digits[...]: a number
// on which the parse and strtod must agree, however long its exponent.
bool isWholeDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
        }
        if (i == exponentStart) {
            return false;
        }
    }
    return i == s.size();
}

void checkAgainstStrtod(std::string_view compact, const ParsedNumber& parsed) {
    if (!isWholeDecimal(compact)) {
        return;
    }
    const std::string text(compact);
    errno = 0;
    const double expected = strtod_l(text.c_str(), nullptr, cLocale());
    if (std::isinf(expected)) {
        FUZZ_CHECK(parsed.outOfRange);
        FUZZ_CHECK(std::signbit(parsed.value) == std::signbit(expected));
        return;
    }
    FUZZ_CHECK(!parsed.outOfRange);
    FUZZ_CHECK(std::signbit(parsed.value) == std::signbit(expected));
    // A number too small for a normal double may read as 0 where strtod keeps a subnormal.
    if (parsed.value == 0 && std::fabs(expected) < std::numeric_limits<double>::min()) {
        return;
    }
    FUZZ_CHECK(parsed.value == expected);
}

// &H and &O: the run of digits read by strtoull, then cut to 16 or 32 signed bits.
void checkAgainstStrtoull(std::string_view compact, const ParsedNumber& parsed) {
    if (compact.size() < 2 || compact[0] != '&') {
        return;
    }
    int radix;
    if (compact[1] == 'H' || compact[1] == 'h') {
        radix = 16;
    } else if (compact[1] == 'O' || compact[1] == 'o') {
        radix = 8;
    } else {
        return;
    }
    std::string_view digits = compact.substr(2);
    std::size_t run = 0;
    auto isRadixDigit = [radix](char c) {
        if (radix == 8) {
            return c >= '0' && c <= '7';
        }
        return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    while (run < digits.size() && isRadixDigit(digits[run])) {
        ++run;
    }
    digits = digits.substr(0, run);
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    // More significant digits than 32 bits hold: beyond the range.
    const std::size_t maxDigits = radix == 16 ? 8 : 11;
    if (digits.size() > maxDigits) {
        FUZZ_CHECK(parsed.outOfRange);
        return;
    }
    const std::string text(digits.empty() ? "0" : digits);
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, radix);
    if (value > 0xFFFFFFFFull) {
        FUZZ_CHECK(parsed.outOfRange);
        FUZZ_CHECK(parsed.value > 0);
        return;
    }
    FUZZ_CHECK(!parsed.outOfRange);
    const double expected = value <= 0xFFFFull
                                ? static_cast<double>(static_cast<std::int16_t>(value))
                                : static_cast<double>(static_cast<std::int32_t>(value));
    FUZZ_CHECK(parsed.value == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedNumber parsed = parseLeadingNumber(text);

    FUZZ_CHECK(!std::isnan(parsed.value));
    FUZZ_CHECK(std::isinf(parsed.value) == parsed.outOfRange);
    FUZZ_CHECK(zelmora::leadingNumber(text) == parsed.value);

    // Blanks, tabs and line feeds count for nothing wherever they stand.
    std::string compact;
    for (char c : text) {
        if (!isDropped(c)) {
            compact.push_back(c);
        }
    }
    FUZZ_CHECK(sameNumber(parseLeadingNumber(compact), parsed));

    // What follows the number does not change it: "x" can continue no number.
    FUZZ_CHECK(sameNumber(parseLeadingNumber(std::string(text) + "x"), parsed));

    // A number beyond a double is beyond it whatever its sign.
    if (!compact.empty() && compact[0] != '-' && compact[0] != '+' && compact[0] != '&') {
        const ParsedNumber negated = parseLeadingNumber("-" + compact);
        FUZZ_CHECK(negated.outOfRange == parsed.outOfRange);
        FUZZ_CHECK(negated.value == -parsed.value);
    }

    checkAgainstStrtod(compact, parsed);
    checkAgainstStrtoull(compact, parsed);
    return 0;
}
