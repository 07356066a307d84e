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
// as a signed 16-bit number, so &HFFFF is -1 and &H10000 is 65536.
ParsedNumber parseRadix(std::string_view digits, unsigned radix) {
    std::uint64_t value = 0;
    for (char c : digits) {
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
            return {kInfinity, true};
        }
    }
    if (value <= 0xFFFFu) {
        return {static_cast<double>(static_cast<std::int16_t>(value)), false};
    }
    return {static_cast<double>(static_cast<std::int32_t>(value)), false};
}

ParsedNumber parseDecimal(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t numberStart = i;  // from_chars takes no "+"
    std::size_t digits = 0;
    // Decimal exponent of the first significant digit, before the exponent part is added: tells
    // an overflow from an underflow when the double cannot hold the number.
    long long magnitude = 0;
    bool significant = false;
    while (i < s.size() && isDigit(s[i])) {
        if (significant) {
            ++magnitude;
        } else if (s[i] != '0') {
            significant = true;
        }
        ++digits;
        ++i;
    }
    if (i < s.size() && s[i] == '.' && i + 1 < s.size() && isDigit(s[i + 1])) {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            if (!significant) {
                --magnitude;
                significant = s[i] != '0';
            }
            ++digits;
            ++i;
        }
    }
    if (digits == 0) {
        return {};
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                if (exponent < 1'000'000) {  // far beyond any double; keeps the sum exact
                    exponent = exponent * 10 + (s[j] - '0');
                }
                ++j;
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
            i = j;
        }
    }
    if (!significant) {
        return {negative ? -0.0 : 0.0, false};
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data() + numberStart, s.data() + i, value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude + exponent < 0) {
            return {negative ? -0.0 : 0.0, false};
        }
        return {negative ? -kInfinity : kInfinity, true};
    }
    return {negative ? -value : value, false};
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
    // Most texts hold no blank; only those are copied to drop them.
    std::string compact;
    std::string_view s = text;
    for (char c : text) {
        if (isDropped(c)) {
            compact.reserve(text.size());
            for (char k : text) {
                if (!isDropped(k)) {
                    compact.push_back(k);
                }
            }
            s = compact;
            break;
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') {
            return parseRadix(s.substr(2), 16);
        }
        if (s[1] == 'O' || s[1] == 'o') {
            return parseRadix(s.substr(2), 8);
        }
    }
    return parseDecimal(s);
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

    std::string text;
    text.reserve(24);
    if (decimal.negative) {
        text.push_back('-');
    }
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            text.append("0.");
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text.append(digits.data(), count);
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (count <= whole) {
                text.append(digits.data(), count);
                text.append(whole - count, '0');
            } else {
                text.append(digits.data(), whole);
                text.push_back('.');
                text.append(digits.data() + whole, count - whole);
            }
        }
        return text;
    }
    text.push_back(digits[0]);
    if (count > 1) {
        text.push_back('.');
        text.append(digits.data() + 1, count - 1);
    }
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        text.push_back('0');
    }
    std::array<char, 4> exponentDigits;
    const auto end = std::to_chars(exponentDigits.data(),
                                   exponentDigits.data() + exponentDigits.size(), magnitude)
                         .ptr;
    text.append(exponentDigits.data(), end);
    return text;
}

std::string fixedDecimalText(double value, int decimals) {
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
