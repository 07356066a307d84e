#include "common/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zelmora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool isDropped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// &H and &O numbers are whole numbers of at most 32 bits; a value that fits in 16 bits is read
// as a signed 16-bit number, so &HFFFF is -1 and &H10000 is 65536. stop is where reading ended.
ParsedNumber parseRadix(std::string_view s, unsigned radix, std::size_t& stop) {
    std::uint64_t value = 0;
    std::size_t i = 2;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned d;
        if (isDigit(c)) {
            d = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            d = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            d = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        if (d >= radix) {
            break;
        }
        value = value * radix + d;
        if (value > 0xFFFFFFFFu) {
            stop = s.size();
            return {kInfinity, true};
        }
    }
    stop = i;
    if (value <= 0xFFFFu) {
        return {static_cast<double>(static_cast<std::int16_t>(value)), false};
    }
    return {static_cast<double>(static_cast<std::int32_t>(value)), false};
}

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A written exponent stops growing here. No text is long enough for its digits to make up for
// more, and the sum with the digits' own place stays far from the limits of a long long.
constexpr long long kExponentCap = 100'000'000'000'000'000;

// Which double lies nearest never depends on more significant digits than these: a midpoint
// between two doubles has at most 767 of them.
constexpr std::size_t kKeptDigits = 800;

// Reads the digits and point of number (no sign, no exponent) as a value whose first significant
// digit stands at 10^leading. The library is given at most kKeptDigits significant digits, a 1
// after them standing for any further digit that is not zero, and an exponent it reads in full, so
// the result rounds as the whole text would however long the text or its exponent. Kept out of
// line so that the quick path of short numbers does not carry its buffer.
[[gnu::noinline]] std::errc readLongDecimal(std::string_view number, long long leading,
                                            double& value) {
    std::array<char, kKeptDigits + 1 + 24> text;
    std::size_t count = 0;
    bool droppedDigit = false;
    for (const char c : number) {
        if (c == '.' || (count == 0 && c == '0')) {
            continue;
        }
        if (count < kKeptDigits) {
            text[count++] = c;
        } else if (c != '0') {
            droppedDigit = true;
            break;
        }
    }
    if (droppedDigit) {
        text[count++] = '1';
    }
    const long long scale = leading - static_cast<long long>(count - 1);
    char* end = text.data() + count;
    *end++ = 'e';
    end = std::to_chars(end, text.data() + text.size(), scale).ptr;
    return std::from_chars(text.data(), end, value).ec;
}

// The digits of a decimal number, before and after its point, as they are scanned.
struct ScannedDigits {
    std::size_t digits = 0;
    // Decimal exponent of the first significant digit, before the exponent part is added: with
    // it, the size of the number is known before any digit is converted.
    long long magnitude = 0;
    bool significant = false;
    // The digits from the first significant one as a whole number, while they fit in 15 digits,
    // and how many digits, the leading zeros included, stand after the point up to the last one
    // taken.
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0;
    long long fractionDigits = 0;
    bool exact = true;

    void take(char c, bool fraction) {
        if (!significant || !exact) {
            return;
        }
        if (mantissaDigits == 15) {
            exact = false;
            return;
        }
        mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        ++mantissaDigits;
        fractionDigits += fraction ? 1 : 0;
    }
};

// Scans the digits from i on, and the point with the digits after it; where they end. The digits
// on either side of the point may be missing ("5.", ".5"), not both.
std::size_t scanDigits(std::string_view s, std::size_t i, ScannedDigits& d) {
    while (i < s.size() && isDigit(s[i])) {
        if (d.significant) {
            ++d.magnitude;
        } else if (s[i] != '0') {
            d.significant = true;
        }
        d.take(s[i], false);
        ++d.digits;
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            if (!d.significant) {
                --d.magnitude;
                d.significant = s[i] != '0';
                d.fractionDigits += d.significant ? 0 : 1;
            }
            d.take(s[i], true);
            ++d.digits;
            ++i;
        }
    }
    return i;
}

// Scans an exponent part ("E5", "e-7") at i into exponent, capped; where it ends, or i itself
// when no exponent with a digit stands there.
std::size_t scanExponent(std::string_view s, std::size_t i, long long& exponent) {
    exponent = 0;
    if (i >= s.size() || (s[i] != 'E' && s[i] != 'e')) {
        return i;
    }
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
        negativeExponent = s[j] == '-';
        ++j;
    }
    if (j >= s.size() || !isDigit(s[j])) {
        return i;
    }
    while (j < s.size() && isDigit(s[j])) {
        if (exponent < kExponentCap) {
            exponent = exponent * 10 + (s[j] - '0');
        }
        ++j;
    }
    if (negativeExponent) {
        exponent = -exponent;
    }
    return j;
}

// The double nearest to the scanned digits (whose text is digitsText) times ten to the exponent.
ParsedNumber nearestDouble(std::string_view digitsText, const ScannedDigits& d, long long exponent,
                           bool negative) {
    const ParsedNumber zero = {negative ? -0.0 : 0.0, false};
    if (!d.significant) {
        return zero;
    }
    // Both the digits and the power of ten are exact doubles, so one multiplication or division
    // rounds correctly.
    const long long scale = exponent - d.fractionDigits;
    if (d.exact && scale >= -22 && scale <= 22) {
        const double whole = static_cast<double>(d.mantissa);
        const double power =
            kExactPowersOfTen[static_cast<std::size_t>(scale < 0 ? -scale : scale)];
        const double value = scale < 0 ? whole / power : whole * power;
        return {negative ? -value : value, false};
    }
    // At 10^309 or more the number is beyond the largest double (1.8 x 10^308); below 10^-324 it
    // is nearer 0 than the smallest (4.9 x 10^-324).
    const long long leading = d.magnitude + exponent;
    const ParsedNumber beyond = {negative ? -kInfinity : kInfinity, true};
    if (leading > 308) {
        return beyond;
    }
    if (leading < -324) {
        return zero;
    }
    double value = 0.0;
    if (readLongDecimal(digitsText, leading, value) == std::errc::result_out_of_range) {
        return leading < 0 ? zero : beyond;
    }
    return {negative ? -value : value, false};
}

ParsedNumber parseDecimal(std::string_view s, std::size_t& stop) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t numberStart = i;
    ScannedDigits digits;
    i = scanDigits(s, i, digits);
    const std::size_t numberEnd = i;
    if (digits.digits == 0) {
        stop = i;
        return {};
    }
    long long exponent = 0;
    stop = scanExponent(s, i, exponent);
    return nearestDouble(s.substr(numberStart, numberEnd - numberStart), digits, exponent,
                         negative);
}

ParsedNumber parseWithoutBlanks(std::string_view s, std::size_t& stop) {
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return parseRadix(s, 16, stop);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return parseRadix(s, 8, stop);
        }
    }
    return parseDecimal(s, stop);
}

// A finite, non-zero value rounded to 15 significant digits: d.dddddddddddddd x 10^exponent.
struct SignificantDigits {
    bool negative;
    std::array<char, 15> digits;
    int exponent;
};

SignificantDigits significantDigits(double value) {
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(), result.ptr - buffer.data());
    SignificantDigits decimal{};
    decimal.negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::size_t count = 0;
    for (std::size_t i = decimal.negative ? 1 : 0; i < e; ++i) {
        if (scientific[i] != '.') {
            decimal.digits[count++] = scientific[i];
        }
    }
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                    scientific.data() + scientific.size(), decimal.exponent);
    return decimal;
}

}  // namespace

ParsedNumber parseLeadingNumber(std::string_view text) {
    std::size_t stop = 0;
    const ParsedNumber number = parseWithoutBlanks(text, stop);
    // Reading looks at most two characters past where it stops. Only a blank, tab or line feed
    // there can have cut the number short; then the text is read again without them.
    const std::size_t end = std::min(text.size(), stop + 3);
    for (std::size_t i = stop; i < end; ++i) {
        if (isDropped(text[i])) {
            std::string compact;
            compact.reserve(text.size());
            for (char c : text) {
                if (!isDropped(c)) {
                    compact.push_back(c);
                }
            }
            return parseWithoutBlanks(compact, stop);
        }
    }
    return number;
}

std::string generalNumberText(double value) {
    if (!std::isfinite(value)) {
        return std::string(kOverflowText);
    }
    if (value == 0.0) {
        return "0";
    }
    SignificantDigits decimal = significantDigits(value);
    auto& digits = decimal.digits;
    const int exponent = decimal.exponent;
    std::size_t count = digits.size();

    // Near the top of the range the rounded digits would exceed the largest double and could not
    // be read back; those few values are cut to 15 digits instead.
    if (exponent == 308 && std::string_view(digits.data(), 15) > "179769313486231") {
        std::string_view("179769313486231").copy(digits.data(), 15);
    }
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }

    // At most a sign, "0.000", 15 digits, or "E-308": written in place, then copied once.
    std::array<char, 32> text;
    char* out = text.data();
    const auto put = [&out](const char* from, std::size_t n) {
        out = std::copy(from, from + n, out);
    };
    if (decimal.negative) {
        *out++ = '-';
    }
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            put("0.000", static_cast<std::size_t>(1 - exponent));
            put(digits.data(), count);
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (count <= whole) {
                put(digits.data(), count);
                out = std::fill_n(out, whole - count, '0');
            } else {
                put(digits.data(), whole);
                *out++ = '.';
                put(digits.data() + whole, count - whole);
            }
        }
        return std::string(text.data(), out);
    }
    *out++ = digits[0];
    if (count > 1) {
        *out++ = '.';
        put(digits.data() + 1, count - 1);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        *out++ = '0';
    }
    out = std::to_chars(out, text.data() + text.size(), magnitude).ptr;
    return std::string(text.data(), out);
}

std::string fixedDecimalText(double value, int decimals) {
    decimals = std::max(decimals, 0);
    if (!std::isfinite(value)) {
        return std::string(kOverflowText);
    }
    if (value == 0.0) {
        return decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    }
    const SignificantDigits decimal = significantDigits(value);
    // The digits from the highest place (at least the units) down to the last kept decimal.
    const int first = decimal.exponent;  // power of ten of the first significant digit
    const int top = std::max(first, 0);
    const int bottom = -decimals;
    std::string kept;
    kept.reserve(static_cast<std::size_t>(top - bottom + 2));
    for (int power = top; power >= bottom; --power) {
        const int index = first - power;
        kept.push_back(index >= 0 && index < 15 ? decimal.digits[static_cast<std::size_t>(index)]
                                                : '0');
    }
    // Halves away from zero: the first dropped digit decides.
    const int droppedIndex = first - (bottom - 1);
    if (droppedIndex >= 0 && droppedIndex < 15 &&
        decimal.digits[static_cast<std::size_t>(droppedIndex)] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    const std::size_t whole = kept.size() - static_cast<std::size_t>(decimals);
    std::string text;
    if (decimal.negative && kept.find_first_not_of('0') != std::string::npos) {
        text.push_back('-');
    }
    text.append(kept, 0, whole);
    if (decimals > 0) {
        text.push_back('.');
        text.append(kept, whole, std::string::npos);
    }
    return text;
}

}  // namespace zelmora
