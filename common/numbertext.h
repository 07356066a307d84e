#pragma once

#include <string>
#include <string_view>

// The two conversions through which every number typed or shown passes. Both are pure and
// ignore the locale: "." is the only decimal point, whatever the user's language.
namespace zelmora {

// What a window shows in place of a number that lies beyond the range of a double.
inline constexpr std::string_view kOverflowText = "Desbordamiento";

// What a measure box shows when it holds nothing: the calculators, the converter and the solver
// all start from it, and the solver takes a box that shows it as the term to compute.
inline constexpr std::string_view kEmptyBox = "0";

struct ParsedNumber {
    // The number read; 0 when the text begins with no number. When the number lies beyond the
    // range of a double this is an infinity of the number's sign.
    double value = 0.0;
    // True when the text's number lies beyond the range of a double (1E400, or &H with more than
    // 32 bits), so that callers can act on it instead of computing with the infinity.
    bool outOfRange = false;
};

// The leading-numeric parse. Blanks, tabs and line feeds are dropped wherever they stand; then
// &H or &O introduce a hexadecimal or octal whole number (16-bit signed when it fits, 32-bit
// signed otherwise); otherwise the longest leading decimal number is read, with an optional
// sign, fraction and exponent. Text that begins with no number reads as 0.
ParsedNumber parseLeadingNumber(std::string_view text);

inline double leadingNumber(std::string_view text) {
    return parseLeadingNumber(text).value;
}

// The general number text: 15 significant digits, plain notation for decimal exponents from -4
// to 14 and exponent notation (1E+15, 5E-10) otherwise; zero, also negative zero, is "0".
// Every text it writes reads back through parseLeadingNumber as the number it shows.
// A value that is not finite is written as kOverflowText.
std::string generalNumberText(double value);

// The value's decimal form to 15 significant digits, rounded at the given number of decimals
// with halves away from zero and written in plain notation with exactly that many decimals:
// the format pattern "0.0000" for 4, "0" for 0 or fewer. A value that is not finite is written as
// kOverflowText.
std::string fixedDecimalText(double value, int decimals);

}  // namespace zelmora
