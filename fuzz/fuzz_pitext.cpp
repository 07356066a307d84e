#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/numbertext.h"
#include "fuzz/properties.h"
#include "shell/piprecision.h"

// The menu's options panel through the steps its window takes: any text typed into the box of
// decimals, and the "-" and "+" links. Pi is always one of the eleven texts from 4 to 14
// decimals, with exactly that many decimals, and the shared pi is its value.
namespace {

using namespace zelmora;
using zelmora::fuzz::Reader;

// Pi to 4 ... 14 decimals, rounded by hand from 3.14159265358979.
constexpr std::array<std::string_view, 11> kPiTexts = {
    "3.1416",         "3.14159",         "3.141593",         "3.1415927",
    "3.14159265",     "3.141592654",     "3.1415926536",     "3.14159265359",
    "3.141592653590", "3.1415926535898", "3.14159265358979",
};

void checkPanel(const PiPanel& panel) {
    std::size_t shown = kPiTexts.size();
    for (std::size_t i = 0; i < kPiTexts.size(); ++i) {
        if (panel.piText == kPiTexts[i]) {
            shown = i;
        }
    }
    FUZZ_CHECK(shown < kPiTexts.size());
    FUZZ_CHECK(panel.piText.size() - panel.piText.find('.') - 1 == shown + 4);
    FUZZ_CHECK(panel.pi == leadingNumber(panel.piText));
    FUZZ_CHECK(panel.pi > 3.1415 && panel.pi < 3.1416001);

    // The box is red exactly for a number of decimals out of range; a fraction within the range
    // keeps the colour it had.
    const ParsedNumber n = parseLeadingNumber(panel.decimals);
    FUZZ_CHECK(!n.outOfRange || panel.look == DecimalsLook::Refused);
    if (n.value < 4 || n.value > 14) {
        FUZZ_CHECK(panel.look == DecimalsLook::Refused);
    } else if (n.value == static_cast<int>(n.value)) {
        FUZZ_CHECK(panel.look == DecimalsLook::Accepted);
        FUZZ_CHECK(shown + 4 == static_cast<std::size_t>(n.value));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    // The panel as the menu opens it, after its first change.
    PiPanel panel = changeDecimals(PiPanel{}, "14");
    checkPanel(panel);
    for (int actions = 0; actions < 256 && !in.empty(); ++actions) {
        switch (in.byte() % 3) {
            case 0:
                panel = changeDecimals(panel, in.text());
                break;
            default: {
                const std::string before = panel.decimals;
                const int step = in.byte() % 2 == 0 ? -1 : +1;
                if (const auto stepped = stepDecimals(panel, step)) {
                    // A step always changes the text of the box.
                    FUZZ_CHECK(stepped->decimals != before);
                    panel = *stepped;
                }
                break;
            }
        }
        checkPanel(panel);
    }
    return 0;
}
