#pragma once

#include <optional>
#include <string>
#include <string_view>

// The options panel's choice of decimals of pi, without its window.
namespace zelmora {

// The pi that the panel shows, rounded to the chosen number of decimals.
inline constexpr double kShownPi = 3.14159265358979;
inline constexpr int kFewestPiDecimals = 4;
inline constexpr int kMostPiDecimals = 14;

// The Pi text for a number of decimals: kShownPi rounded to them, trailing zeros kept.
std::string piText(int decimals);

// How the box of decimals looks after a change: white for a whole number from 4 to 14, light red
// for a number outside that range, unchanged for a fraction inside it.
enum class DecimalsLook { Unchanged, Accepted, Refused };

struct DecimalsChoice {
    std::optional<std::string> piText;  // the new Pi text, when the number of decimals is whole
    DecimalsLook look;
};

// What a text in the box of decimals chooses, read with the leading-numeric parse.
DecimalsChoice chooseDecimals(std::string_view typed);

// The text that "-" (step -1) or "+" (step +1) writes into the box, or nothing at the end of the
// range.
std::optional<std::string> stepDecimals(std::string_view typed, int step);

}  // namespace zelmora
