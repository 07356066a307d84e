#pragma once

#include <optional>
#include <string>
#include <string_view>

// The options panel's choice of decimals of pi, without its window: the panel's state and the
// one step that every change of it takes.
namespace zelmora {

// The pi that the panel shows, rounded to the chosen number of decimals.
inline constexpr double kShownPi = 3.14159265358979;
inline constexpr int kFewestPiDecimals = 4;
inline constexpr int kMostPiDecimals = 14;

// The Pi text for a number of decimals: kShownPi rounded to them, trailing zeros kept.
std::string piText(int decimals);

// The background of the box of decimals: light grey until its first change, then white for a
// whole number from 4 to 14 and light red for a number outside that range; a fraction inside the
// range keeps the colour it had.
enum class DecimalsLook { Initial, Accepted, Refused };

// What the panel shows, and the shared pi that goes with it.
struct PiPanel {
    std::string decimals{"14"};              // the text of the box of decimals
    std::string piText{"3.14159265358979"};  // the value on display
    DecimalsLook look = DecimalsLook::Initial;
    double pi = 0.0;  // the number on display, which the panel writes into the shared pi
};

// The panel after its box of decimals came to read `typed`, whether typed or written by "-" or
// "+". The shared pi is always the value on display.
PiPanel changeDecimals(const PiPanel& panel, std::string_view typed);

// "-" (step -1) or "+" (step +1): the box's number one less or one more, and the change that
// makes. Nothing happens at the end of the range, nor for a number beyond a double.
std::optional<PiPanel> stepDecimals(const PiPanel& panel, int step);

}  // namespace zelmora
