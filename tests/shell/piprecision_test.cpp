#include "shell/piprecision.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

struct ChoiceCase {
    const char* typed;
    const char* piText;  // nullptr: the Pi text stays
    DecimalsLook look;
};

class ChooseDecimalsTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseDecimalsTest, ChoosesThePiTextAndTheLook) {
    const ChoiceCase& c = GetParam();
    const DecimalsChoice choice = chooseDecimals(c.typed);
    EXPECT_EQ(choice.look, c.look) << c.typed;
    if (c.piText == nullptr) {
        EXPECT_FALSE(choice.piText) << c.typed;
    } else {
        EXPECT_EQ(choice.piText.value_or("none"), c.piText) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ChooseDecimalsTest,
                         testing::Values(ChoiceCase{"4", "3.1416", DecimalsLook::Accepted},
                                         ChoiceCase{"9", "3.141592654", DecimalsLook::Accepted},
                                         ChoiceCase{"12", "3.141592653590", DecimalsLook::Accepted},
                                         ChoiceCase{"14", "3.14159265358979",
                                                    DecimalsLook::Accepted},
                                         ChoiceCase{"1e1", "3.1415926536", DecimalsLook::Accepted},
                                         ChoiceCase{"7.0", "3.1415927", DecimalsLook::Accepted},
                                         ChoiceCase{"4.5", nullptr, DecimalsLook::Unchanged},
                                         ChoiceCase{"", nullptr, DecimalsLook::Refused},
                                         ChoiceCase{"3", nullptr, DecimalsLook::Refused},
                                         ChoiceCase{"-3", nullptr, DecimalsLook::Refused},
                                         ChoiceCase{"15", nullptr, DecimalsLook::Refused},
                                         ChoiceCase{"99", nullptr, DecimalsLook::Refused},
                                         ChoiceCase{"1E400", nullptr, DecimalsLook::Refused},
                                         ChoiceCase{"abc", nullptr, DecimalsLook::Refused}));

TEST(StepDecimals, StepsWithinTheRangeOnly) {
    EXPECT_EQ(stepDecimals("5", -1).value_or("none"), "4");
    EXPECT_FALSE(stepDecimals("4", -1));
    EXPECT_EQ(stepDecimals("13", +1).value_or("none"), "14");
    EXPECT_FALSE(stepDecimals("14", +1));
    EXPECT_EQ(stepDecimals("", +1).value_or("none"), "1");  // the empty text reads as 0
    EXPECT_EQ(stepDecimals("4.5", -1).value_or("none"), "3.5");
    EXPECT_EQ(stepDecimals("99", -1).value_or("none"), "98");
    // A number beyond a double steps to the overflow word, never to inf.
    EXPECT_EQ(stepDecimals("1E400", -1).value_or("none"), "Desbordamiento");
}

}  // namespace
}  // namespace zelmora
