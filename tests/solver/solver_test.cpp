#include "solver/solver.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "common/numbertext.h"

namespace zelmora {
namespace {

constexpr bool kTicked = true;
constexpr bool kCleared = false;

SolverOutcome result(int box, const char* text) {
    return SolverOutcome::result(box, text);
}
const SolverOutcome kNothing = SolverOutcome::nothing();
const SolverOutcome kTwoData = SolverOutcome::showMessage(kNeedTwoData);
const SolverOutcome kTooShort = SolverOutcome::showMessage(kHypotenuseTooShort);
const SolverOutcome kNoTriangle = SolverOutcome::showMessage(kNoSuchTriangle);
const SolverOutcome kByZero = SolverOutcome::showMessage(kDivisionByZero);
const SolverOutcome kTooLarge = SolverOutcome::showMessage(kNumbersTooLarge);

template <std::size_t N>
struct Case {
    std::array<std::string_view, N> boxes;
    bool fourDecimals;
    SolverOutcome expected;
};

template <std::size_t N>
void PrintTo(const Case<N>& c, std::ostream* out) {
    for (std::string_view box : c.boxes) {
        *out << "\"" << box << "\" ";
    }
    *out << (c.fourDecimals ? "ticked" : "cleared");
}

using TriangleCase = Case<3>;    // hypotenuse, leg A, leg B
using ProportionCase = Case<4>;  // box 3 / box 4 = box 5 / box 6

class TriangleTest : public testing::TestWithParam<TriangleCase> {};

TEST_P(TriangleTest, EndsInTheExpectedOutcome) {
    EXPECT_EQ(solveTriangle(GetParam().boxes, GetParam().fourDecimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Results, TriangleTest,
    testing::Values(
        TriangleCase{{"0", "3", "4"}, kTicked, result(0, "5")},
        TriangleCase{{"0", "3", "4"}, kCleared, result(0, "5")},
        TriangleCase{{"5", "0", "4"}, kTicked, result(1, "3")},
        TriangleCase{{"5", "3", "0"}, kTicked, result(2, "4")},
        TriangleCase{{"0", "5", "12"}, kCleared, result(0, "13")},
        TriangleCase{{"0", "1", "1"}, kTicked, result(0, "1.4142")},
        TriangleCase{{"0", "1", "1"}, kCleared, result(0, "1.4142135623731")},
        TriangleCase{{"0", "2", "3"}, kTicked, result(0, "3.6056")},
        // A hypotenuse equal to the leg is accepted and gives the other leg 0.
        TriangleCase{{"2", "0", "2"}, kTicked, result(1, "0")},
        TriangleCase{{"1", "0", "0.999999999"}, kTicked, result(1, "0")},
        TriangleCase{{"1", "0", "0.999999999"}, kCleared, result(1, "4.47213589175926E-05")},
        TriangleCase{{"0", "0.3", "0.4"}, kCleared, result(0, "0.5")},
        TriangleCase{{"0", "3,9", "4,2"}, kTicked, result(0, "5")},
        TriangleCase{{"0", "3E0", "&H4"}, kTicked, result(0, "5")},
        TriangleCase{{"0", "3E150", "4E150"}, kTicked, result(0, "5E+150")},
        TriangleCase{{"0", "1E153", "1E153"}, kCleared, result(0, "1.4142135623731E+153")}));

INSTANTIATE_TEST_SUITE_P(
    ChecksAndMessages, TriangleTest,
    testing::Values(TriangleCase{{"3", "0", "4"}, kTicked, kTooShort},
                    TriangleCase{{"3", "4", "0"}, kCleared, kTooShort},
                    TriangleCase{{"0", "0", "4"}, kTicked, kTwoData},
                    TriangleCase{{"0", "0", "0"}, kTicked, kTwoData},
                    TriangleCase{{"5", "0", "0"}, kTicked, kTwoData},
                    // Values that read as zero count as missing data, marker or not.
                    TriangleCase{{"5", "0.0", "0"}, kTicked, kTwoData},
                    TriangleCase{{"", "abc", "4"}, kTicked, kTwoData},
                    // The values check comes before the comparison with the hypotenuse.
                    TriangleCase{{"0.0", "0", "4"}, kTicked, kTwoData},
                    TriangleCase{{"5", "3", "4"}, kTicked, kNothing},
                    // Only the exact text "0" marks the missing term.
                    TriangleCase{{"5", "0.0", "3"}, kTicked, kNothing},
                    TriangleCase{{"", "3", "4"}, kTicked, kNothing},
                    TriangleCase{{" 0", "3", "4"}, kTicked, kNothing},
                    TriangleCase{{"00", "3", "4"}, kTicked, kNothing},
                    TriangleCase{{"abc", "3", "4"}, kTicked, kNothing}));

INSTANTIATE_TEST_SUITE_P(
    NegativeValues, TriangleTest,
    testing::Values(
        // 5 < -3 fails, so the leg is computed: 25 − 9 = 16.
        TriangleCase{{"5", "0", "-3"}, kTicked, result(1, "4")},
        TriangleCase{{"0", "-3", "-4"}, kTicked, result(0, "5")},
        TriangleCase{{"-5", "0", "3"}, kTicked, kTooShort},
        TriangleCase{{"-5", "-5", "0"}, kTicked, result(2, "0")},
        // The comparison passes but the difference of squares is negative: 9 − 25.
        TriangleCase{{"3", "0", "-5"}, kTicked, kNoTriangle},
        TriangleCase{{"-3", "0", "-5"}, kTicked, kNoTriangle},
        TriangleCase{{"-5", "-6", "0"}, kCleared, kNoTriangle}));

INSTANTIATE_TEST_SUITE_P(
    BeyondADouble, TriangleTest,
    testing::Values(TriangleCase{{"0", "1E200", "1"}, kTicked, kTooLarge},
                    TriangleCase{{"0", "1E154", "1E154"}, kTicked, kTooLarge},  // the sum
                    TriangleCase{{"1E200", "0", "1E200"}, kCleared, kTooLarge},
                    TriangleCase{{"0", "1E400", "4"}, kTicked, kTooLarge},
                    TriangleCase{{"0", "-1E400", "4"}, kTicked, kTooLarge},
                    TriangleCase{{"0", "&HFFFFFFFFFF", "4"}, kTicked, kTooLarge},
                    TriangleCase{{"1E400", "0", "1E400"}, kTicked, kTooLarge},
                    // The comparison is still true of a number beyond a double.
                    TriangleCase{{"3", "0", "1E400"}, kTicked, kTooShort},
                    TriangleCase{{"1E400", "3", "4"}, kTicked, kNothing}));

class ProportionTest : public testing::TestWithParam<ProportionCase> {};

TEST_P(ProportionTest, EndsInTheExpectedOutcome) {
    EXPECT_EQ(solveProportion(GetParam().boxes, GetParam().fourDecimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ProportionTest,
    testing::Values(ProportionCase{{"2", "3", "4", "0"}, kTicked, result(6, "6")},
                    ProportionCase{{"0", "3", "4", "6"}, kTicked, result(3, "2")},
                    ProportionCase{{"2", "0", "4", "6"}, kTicked, result(4, "3")},
                    ProportionCase{{"2", "3", "0", "6"}, kTicked, result(5, "4")},
                    ProportionCase{{"3", "1", "1", "0"}, kTicked, result(6, "0.3333")},
                    ProportionCase{{"3", "1", "1", "0"}, kCleared, result(6, "0.333333333333333")},
                    ProportionCase{{"0", "3", "2", "9"}, kTicked, result(3, "0.6667")},
                    ProportionCase{{"0", "3", "2", "9"}, kCleared, result(3, "0.666666666666667")},
                    // The first marker is the missing term; a later "0" takes part as the value 0.
                    ProportionCase{{"0", "0", "4", "6"}, kTicked, result(3, "0")},
                    ProportionCase{{"0", "abc", "4", "6"}, kTicked, result(3, "0")},
                    ProportionCase{{"2,5", "3", "4", "0"}, kTicked, result(6, "6")},
                    ProportionCase{{"-2", "3", "4", "0"}, kTicked, result(6, "-6")},
                    ProportionCase{{"0", "-3", "4", "6"}, kTicked, result(3, "-2")},
                    ProportionCase{{"2", "-3", "-4", "0"}, kTicked, result(6, "6")},
                    ProportionCase{{"0", "1E10", "1E10", "1"}, kTicked, result(3, "1E+20")},
                    ProportionCase{{"0", "1E-300", "1", "1E5"}, kTicked, result(3, "0")},
                    ProportionCase{{"0", "1E-300", "1", "1E5"}, kCleared, result(3, "1E-305")},
                    ProportionCase{{"0", "1.7976931348623157E308", "1", "1"},
                                   kTicked,
                                   result(3, "1.79769313486231E+308")},
                    ProportionCase{{"0", "-1.7976931348623157E308", "1", "1"},
                                   kTicked,
                                   result(3, "-1.79769313486231E+308")}));

INSTANTIATE_TEST_SUITE_P(
    NothingAndMessages, ProportionTest,
    testing::Values(ProportionCase{{"2", "3", "4", "6"}, kTicked, kNothing},
                    ProportionCase{{"", "3", "4", "6"}, kTicked, kNothing},
                    ProportionCase{{" 0", "3", "4", "6"}, kTicked, kNothing},
                    ProportionCase{{"0.0", "3", "4", "6"}, kTicked, kNothing},
                    ProportionCase{{"abc", "3", "4", "6"}, kTicked, kNothing},
                    // A freshly opened window: box 3 is missing and box 6 divides.
                    ProportionCase{{"0", "0", "0", "0"}, kTicked, kByZero},
                    ProportionCase{{"0", "3", "4", "0"}, kTicked, kByZero},
                    ProportionCase{{"2", "0", "0", "6"}, kTicked, kByZero},
                    ProportionCase{{"2", "0.0", "0", "6"}, kTicked, kByZero},
                    ProportionCase{{"0.0", "3", "4", "0"}, kTicked, kByZero},
                    ProportionCase{{"-0", "3", "4", "0"}, kCleared, kByZero},
                    // The product is formed first: it overflows although the quotient fits.
                    ProportionCase{{"0", "1E200", "1E200", "1E300"}, kTicked, kTooLarge},
                    ProportionCase{{"0", "1E300", "1", "1E-300"}, kTicked, kTooLarge},
                    ProportionCase{{"1E400", "3", "4", "0"}, kTicked, kTooLarge},
                    ProportionCase{{"0", "&HFFFFFFFFFF", "1", "1"}, kTicked, kTooLarge},
                    ProportionCase{{"0", "-1E400", "0", "1"}, kCleared, kTooLarge},
                    ProportionCase{{"1E400", "3", "4", "6"}, kTicked, kNothing}));

struct RoundingCase {
    double value;
    const char* pattern;  // the "0.0###" text
    const char* ticked;   // the box text with the flag ticked
};

class FourDecimalTest : public testing::TestWithParam<RoundingCase> {};

TEST_P(FourDecimalTest, RoundsTheFifteenDigitDecimalForm) {
    const RoundingCase& c = GetParam();
    EXPECT_EQ(fourDecimalPattern(c.value), c.pattern);
    EXPECT_EQ(resultText(c.value, true), c.ticked);
    EXPECT_EQ(resultText(c.value, false), generalNumberText(c.value));
}

// The halves. The double of several of them lies just below the decimal half, so that
// printf("%.4f") or rounding x × 10000 goes down (2.00005, 0.00015, 8.12345, 99999.99995)
// where the rounding of their 15-digit form goes up.
INSTANTIATE_TEST_SUITE_P(
    Halves, FourDecimalTest,
    testing::Values(
        RoundingCase{2.00005, "2.0001", "2.0001"}, RoundingCase{-2.00005, "-2.0001", "-2.0001"},
        RoundingCase{1.00005, "1.0001", "1.0001"}, RoundingCase{1.23455, "1.2346", "1.2346"},
        RoundingCase{0.00015, "0.0002", "0.0002"}, RoundingCase{0.00005, "0.0001", "0.0001"},
        RoundingCase{-0.00005, "-0.0001", "-0.0001"}, RoundingCase{8.12345, "8.1235", "8.1235"},
        RoundingCase{1234567890.12345, "1234567890.1235", "1234567890.1235"},
        RoundingCase{9.99995, "10.0", "10"}, RoundingCase{-9.99995, "-10.0", "-10"},
        RoundingCase{99999.99995, "100000.0", "100000"}, RoundingCase{0.99995, "1.0", "1"},
        RoundingCase{0.000049999, "0.0", "0"}, RoundingCase{1.0000499999999, "1.0", "1"}));

INSTANTIATE_TEST_SUITE_P(
    Values, FourDecimalTest,
    testing::Values(
        RoundingCase{5, "5.0", "5"}, RoundingCase{0, "0.0", "0"}, RoundingCase{-0.0, "0.0", "0"},
        RoundingCase{0.5, "0.5", "0.5"}, RoundingCase{-12.25, "-12.25", "-12.25"},
        RoundingCase{3.605551275463989, "3.6056", "3.6056"},
        RoundingCase{1.0 / 3, "0.3333", "0.3333"}, RoundingCase{-2.0 / 3, "-0.6667", "-0.6667"},
        RoundingCase{0.00004, "0.0", "0"}, RoundingCase{-0.00004, "0.0", "0"},
        RoundingCase{4.47213589175926E-05, "0.0", "0"}, RoundingCase{1e-300, "0.0", "0"},
        RoundingCase{1e20, "100000000000000000000.0", "1E+20"},
        RoundingCase{12345678901234.56, "12345678901234.6", "12345678901234.6"},
        RoundingCase{123456789012345678.0, "123456789012346000.0", "1.23456789012346E+17"},
        RoundingCase{0.1 + 0.2, "0.3", "0.3"}));

TEST(FourDecimalTest, LargestDoublesAreWrittenCut) {
    constexpr double kLargest = std::numeric_limits<double>::max();
    EXPECT_EQ(resultText(kLargest, true), "1.79769313486231E+308");
    EXPECT_EQ(resultText(-kLargest, true), "-1.79769313486231E+308");
    EXPECT_EQ(resultText(1e308, true), "1E+308");
}

// Every decimal with five decimals ending in 5 rounds up at the fourth, away from zero,
// whatever side of the half its double lies on. The expected text is built from the digits.
TEST(FourDecimalTest, EveryFiveDecimalHalfRoundsAwayFromZero) {
    int checked = 0;
    for (long long n = 0; n < 300000; n += 7) {
        for (const long long whole : {0LL, 1LL, 37LL, 123456LL}) {
            const std::string four = std::to_string(10000 + n % 10000).substr(1);
            const std::string half = std::to_string(whole + n / 10000) + "." + four + "5";
            const long long up = (whole + n / 10000) * 10000 + n % 10000 + 1;
            const std::string upFour = std::to_string(10000 + up % 10000).substr(1);
            const std::string expected = std::to_string(up / 10000) + "." + upFour;
            for (const char* sign : {"", "-"}) {
                const double value = leadingNumber(sign + half);
                ASSERT_EQ(resultText(value, true),
                          generalNumberText(leadingNumber(sign + expected)))
                    << sign << half;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

TEST(FourDecimalTest, ResultsReadBackAsTheNumberTheyShow) {
    const std::vector<double> values = {3.605551275463989, 1.0 / 3,   2.00005,  1e20,
                                        0.99995,           123.45678, -7.77775, 1e-3};
    for (const double value : values) {
        const std::string text = resultText(value, true);
        EXPECT_EQ(generalNumberText(leadingNumber(text)), text) << value;
        EXPECT_LE(std::abs(leadingNumber(text) - value), 0.00005 + 1e-12 * std::abs(value))
            << value;
    }
}

struct EnablingCase {
    std::vector<std::string_view> boxes;
    bool enabled;
};

class ButtonEnablingTest : public testing::TestWithParam<EnablingCase> {};

TEST_P(ButtonEnablingTest, EnabledWhileATermReadsZero) {
    EXPECT_EQ(anyTermReadsZero(GetParam().boxes), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ButtonEnablingTest,
    testing::Values(
        EnablingCase{{"0", "3", "4"}, true}, EnablingCase{{"5", "3", "4"}, false},
        EnablingCase{{"", "3", "4"}, true}, EnablingCase{{"5", "abc", "4"}, true},
        EnablingCase{{"5", "3", "0.0"}, true}, EnablingCase{{"-0", "3", "4"}, true},
        EnablingCase{{"1E-400", "3", "4"}, true}, EnablingCase{{"1E400", "3", "4"}, false},
        EnablingCase{{"-5", "-3", "-4"}, false}, EnablingCase{{".5", "2,5", "&HFFFF"}, false},
        EnablingCase{{"2", "3", "4", "6"}, false}, EnablingCase{{"2", "3", "4", "0"}, true}));

}  // namespace
}  // namespace zelmora
