#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/numbertext.h"
#include "fuzz/properties.h"
#include "shell/piprecision.h"

// The Pi text of the menu's options panel, driven as its handlers drive it: any text typed into
// the box of decimals, and the "-" and "+" links that step it, through the same core functions
// that the window's txtFormat_Change and link handlers call. Pi is always one of the eleven texts
// from 4 to 14 decimals, with exactly that many decimals, and the shared pi is its value.
namespace {

using namespace zelmora;
using zelmora::fuzz::Reader;

// Pi to 4 ... 14 decimals, rounded by hand from 3.14159265358979.
constexpr std::array<std::string_view, 11> kPiTexts = {
    "3.1416",         "3.14159",         "3.141593",         "3.1415927",
    "3.14159265",     "3.141592654",     "3.1415926536",     "3.14159265359",
    "3.141592653590", "3.1415926535898", "3.14159265358979",
};

enum class Colour { White, LightRed };

struct Panel {
    std::string txtFormat = "14";
    std::string lblPi = "3.14159265358979";
    Colour colour = Colour::White;
    double pi = 3.14159265358979;
};

// txtFormat_Change: the number of decimals read from the box chooses the Pi text.
void formatChanged(Panel& panel) {
    const DecimalsChoice choice = chooseDecimals(panel.txtFormat);
    if (choice.piText) {
        panel.lblPi = *choice.piText;
    }
    if (choice.look != DecimalsLook::Unchanged) {
        panel.colour = choice.look == DecimalsLook::Accepted ? Colour::White : Colour::LightRed;
    }
    panel.pi = leadingNumber(panel.lblPi);
}

// The "-" (index 2) and "+" (index 3) links.
void link(Panel& panel, int index) {
    const auto stepped = stepDecimals(panel.txtFormat, index == 2 ? -1 : +1);
    // The box signals a change only when its text changes.
    if (stepped && *stepped != panel.txtFormat) {
        panel.txtFormat = *stepped;
        formatChanged(panel);
    }
}

void checkPanel(const Panel& panel) {
    std::size_t shown = kPiTexts.size();
    for (std::size_t i = 0; i < kPiTexts.size(); ++i) {
        if (panel.lblPi == kPiTexts[i]) {
            shown = i;
        }
    }
    FUZZ_CHECK(shown < kPiTexts.size());
    FUZZ_CHECK(panel.lblPi.size() - panel.lblPi.find('.') - 1 == shown + 4);
    FUZZ_CHECK(panel.pi == leadingNumber(panel.lblPi));
    FUZZ_CHECK(panel.pi > 3.1415 && panel.pi < 3.1416001);

    // The box is red exactly for a number of decimals out of range; a fraction within the range
    // keeps the colour it had.
    const ParsedNumber n = parseLeadingNumber(panel.txtFormat);
    FUZZ_CHECK(!n.outOfRange || panel.colour == Colour::LightRed);
    if (n.value < 4 || n.value > 14) {
        FUZZ_CHECK(panel.colour == Colour::LightRed);
    } else if (n.value == static_cast<int>(n.value)) {
        FUZZ_CHECK(panel.colour == Colour::White);
        FUZZ_CHECK(shown + 4 == static_cast<std::size_t>(n.value));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    Panel panel;
    checkPanel(panel);
    for (int actions = 0; actions < 256 && !in.empty(); ++actions) {
        switch (in.byte() % 3) {
            case 0: {
                const std::string typed(in.text());
                if (typed != panel.txtFormat) {
                    panel.txtFormat = typed;
                    formatChanged(panel);
                }
                break;
            }
            case 1:
                link(panel, 2);
                break;
            default:
                link(panel, 3);
                break;
        }
        checkPanel(panel);
    }
    return 0;
}
