#include "shell/piprecision.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

// The panel as it opens: "14" on light grey, the Pi text of 14 decimals, no pi written yet.
const PiPanel kAtStart{};

struct ChangeCase {
    const char* typed;
    const char* piText;  // what the panel shows afterwards
    DecimalsLook look;
    double pi;
};

class ChangeDecimalsTest : public testing::TestWithParam<ChangeCase> {};

// Starting from 5 decimals chosen, so that an unchanged value is told apart from the default.
TEST_P(ChangeDecimalsTest, ShowsThePiTextAndWritesItsValue) {
    const ChangeCase& c = GetParam();
    const PiPanel five = changeDecimals(kAtStart, "5");
    const PiPanel panel = changeDecimals(five, c.typed);
    EXPECT_EQ(panel.decimals, c.typed);
    EXPECT_EQ(panel.piText, c.piText) << c.typed;
    EXPECT_EQ(panel.look, c.look) << c.typed;
    EXPECT_EQ(panel.pi, c.pi) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChangeDecimalsTest,
    testing::Values(ChangeCase{"4", "3.1416", DecimalsLook::Accepted, 3.1416},
                    ChangeCase{"9", "3.141592654", DecimalsLook::Accepted, 3.141592654},
                    ChangeCase{"12", "3.141592653590", DecimalsLook::Accepted, 3.14159265359},
                    ChangeCase{"14", "3.14159265358979", DecimalsLook::Accepted, 3.14159265358979},
                    ChangeCase{"1e1", "3.1415926536", DecimalsLook::Accepted, 3.1415926536},
                    ChangeCase{"7.0", "3.1415927", DecimalsLook::Accepted, 3.1415927},
                    ChangeCase{"4.5", "3.14159", DecimalsLook::Accepted, 3.14159},
                    ChangeCase{"", "3.14159", DecimalsLook::Refused, 3.14159},
                    ChangeCase{"3", "3.14159", DecimalsLook::Refused, 3.14159},
                    ChangeCase{"-3", "3.14159", DecimalsLook::Refused, 3.14159},
                    ChangeCase{"15", "3.14159", DecimalsLook::Refused, 3.14159},
                    ChangeCase{"1E400", "3.14159", DecimalsLook::Refused, 3.14159},
                    ChangeCase{"abc", "3.14159", DecimalsLook::Refused, 3.14159}));

TEST(ChangeDecimals, AFractionInTheRangeKeepsTheLookItHad) {
    EXPECT_EQ(changeDecimals(kAtStart, "4.5").look, DecimalsLook::Initial);
    EXPECT_EQ(changeDecimals(changeDecimals(kAtStart, "99"), "4.5").look, DecimalsLook::Refused);
}

struct StepCase {
    const char* decimals;
    int step;
    const char* written;  // nullptr: nothing happens
};

class StepDecimalsTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepDecimalsTest, StepsWithinTheRangeOnly) {
    const StepCase& c = GetParam();
    PiPanel panel = kAtStart;
    panel.decimals = c.decimals;
    const auto stepped = stepDecimals(panel, c.step);
    if (c.written == nullptr) {
        EXPECT_FALSE(stepped) << c.decimals;
        return;
    }
    ASSERT_TRUE(stepped) << c.decimals;
    EXPECT_EQ(stepped->decimals, c.written);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepDecimalsTest,
                         testing::Values(StepCase{"5", -1, "4"}, StepCase{"4", -1, nullptr},
                                         StepCase{"13", +1, "14"}, StepCase{"14", +1, nullptr},
                                         StepCase{"", +1, "1"},  // the empty text reads as 0
                                         StepCase{"4.5", -1, "3.5"}, StepCase{"99", -1, "98"},
                                         StepCase{"1E400", -1, nullptr},
                                         StepCase{"-1E400", +1, nullptr},
                                         StepCase{"&HFFFFFFFFFF", -1, nullptr}));

TEST(StepDecimals, WritesTheStepsPiText) {
    PiPanel panel = kAtStart;
    panel.decimals = "5";
    const auto fewer = stepDecimals(panel, -1);
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->piText, "3.1416");
    EXPECT_EQ(fewer->look, DecimalsLook::Accepted);
    EXPECT_EQ(fewer->pi, 3.1416);
}

}  // namespace
}  // namespace zelmora
