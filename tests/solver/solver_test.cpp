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
SolverOutcome message(std::string_view text) {
    return SolverOutcome::showMessage(text);
}
const SolverOutcome kNothing = SolverOutcome::nothing();

struct TriangleCase {
    const char* name;
    TriangleTexts boxes;  // hypotenuse, leg A, leg B
    bool fourDecimals;
    SolverOutcome expected;
};

void PrintTo(const TriangleCase& c, std::ostream* out) {
    *out << c.name;
}

class TriangleTest : public testing::TestWithParam<TriangleCase> {};

TEST_P(TriangleTest, EndsInTheExpectedOutcome) {
    const TriangleCase& c = GetParam();
    EXPECT_EQ(solveTriangle(c.boxes, c.fourDecimals), c.expected)
        << "\"" << c.boxes[0] << "\", \"" << c.boxes[1] << "\", \"" << c.boxes[2] << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Results, TriangleTest,
    testing::Values(
        TriangleCase{"hypotenuse_345_ticked", {"0", "3", "4"}, kTicked, result(0, "5")},
        TriangleCase{"hypotenuse_345_cleared", {"0", "3", "4"}, kCleared, result(0, "5")},
        TriangleCase{"legA_from_5_and_4", {"5", "0", "4"}, kTicked, result(1, "3")},
        TriangleCase{"legB_from_5_and_3", {"5", "3", "0"}, kTicked, result(2, "4")},
        TriangleCase{"hypotenuse_5_12_13", {"0", "5", "12"}, kCleared, result(0, "13")},
        TriangleCase{"root2_ticked", {"0", "1", "1"}, kTicked, result(0, "1.4142")},
        TriangleCase{"root2_cleared", {"0", "1", "1"}, kCleared, result(0, "1.4142135623731")},
        TriangleCase{"root13_ticked", {"0", "2", "3"}, kTicked, result(0, "3.6056")},
        TriangleCase{"equal_hypotenuse_and_leg", {"2", "0", "2"}, kTicked, result(1, "0")},
        TriangleCase{"tiny_leg_ticked", {"1", "0", "0.999999999"}, kTicked, result(1, "0")},
        TriangleCase{"tiny_leg_cleared",
                     {"1", "0", "0.999999999"},
                     kCleared,
                     result(1, "4.47213589175926E-05")},
        TriangleCase{"decimal_legs", {"0", "0.3", "0.4"}, kCleared, result(0, "0.5")},
        TriangleCase{"comma_ends_the_number", {"0", "3,9", "4,2"}, kTicked, result(0, "5")},
        TriangleCase{"exponent_and_hexadecimal", {"0", "3E0", "&H4"}, kTicked, result(0, "5")},
        TriangleCase{"large_legs", {"0", "3E150", "4E150"}, kTicked, result(0, "5E+150")},
        TriangleCase{"large_legs_that_still_fit",
                     {"0", "1E153", "1E153"},
                     kCleared,
                     result(0, "1.4142135623731E+153")}));

INSTANTIATE_TEST_SUITE_P(
    ChecksAndMessages, TriangleTest,
    testing::Values(
        TriangleCase{"hypotenuse_shorter_than_legB",
                     {"3", "0", "4"},
                     kTicked,
                     message(kHypotenuseTooShort)},
        TriangleCase{"hypotenuse_shorter_than_legA",
                     {"3", "4", "0"},
                     kCleared,
                     message(kHypotenuseTooShort)},
        TriangleCase{"only_one_value", {"0", "0", "4"}, kTicked, message(kNeedTwoData)},
        TriangleCase{"no_value", {"0", "0", "0"}, kTicked, message(kNeedTwoData)},
        TriangleCase{"zero_point_zero_counts_as_zero",
                     {"5", "0.0", "0"},
                     kTicked,
                     message(kNeedTwoData)},
        TriangleCase{"empty_and_letters_count_as_zero",
                     {"", "abc", "4"},
                     kTicked,
                     message(kNeedTwoData)},
        TriangleCase{"only_a_hypotenuse", {"5", "0", "0"}, kTicked, message(kNeedTwoData)},
        // The values check comes before the comparison of the hypotenuse with a leg.
        TriangleCase{"value_check_first", {"0.0", "0", "4"}, kTicked, message(kNeedTwoData)},
        TriangleCase{"all_given", {"5", "3", "4"}, kTicked, kNothing},
        TriangleCase{"zero_point_zero_is_no_marker", {"5", "0.0", "3"}, kTicked, kNothing},
        TriangleCase{"empty_is_no_marker", {"", "3", "4"}, kTicked, kNothing},
        TriangleCase{"blank_zero_is_no_marker", {" 0", "3", "4"}, kTicked, kNothing},
        TriangleCase{"double_zero_is_no_marker", {"00", "3", "4"}, kTicked, kNothing},
        TriangleCase{"letters_are_no_marker", {"abc", "3", "4"}, kTicked, kNothing}));

INSTANTIATE_TEST_SUITE_P(
    NegativeValues, TriangleTest,
    testing::Values(
        // 5 < -3 fails, so the leg is computed: 25 − 9 = 16.
        TriangleCase{"negative_given_leg", {"5", "0", "-3"}, kTicked, result(1, "4")},
        TriangleCase{"negative_legs", {"0", "-3", "-4"}, kTicked, result(0, "5")},
        TriangleCase{"negative_hypotenuse_shorter",
                     {"-5", "0", "3"},
                     kTicked,
                     message(kHypotenuseTooShort)},
        TriangleCase{"negative_hypotenuse_equal", {"-5", "-5", "0"}, kTicked, result(2, "0")},
        // The comparison passes but the difference of squares is negative: 9 − 25.
        TriangleCase{"no_triangle_3_and_minus_5",
                     {"3", "0", "-5"},
                     kTicked,
                     message(kNoSuchTriangle)},
        TriangleCase{"no_triangle_both_negative",
                     {"-3", "0", "-5"},
                     kTicked,
                     message(kNoSuchTriangle)},
        TriangleCase{"no_triangle_legB_missing",
                     {"-5", "-6", "0"},
                     kCleared,
                     message(kNoSuchTriangle)}));

INSTANTIATE_TEST_SUITE_P(
    BeyondADouble, TriangleTest,
    testing::Values(
        TriangleCase{"square_of_a_leg", {"0", "1E200", "1"}, kTicked, message(kNumbersTooLarge)},
        TriangleCase{"sum_of_squares", {"0", "1E154", "1E154"}, kTicked, message(kNumbersTooLarge)},
        TriangleCase{"square_of_hypotenuse",
                     {"1E200", "0", "1E200"},
                     kCleared,
                     message(kNumbersTooLarge)},
        TriangleCase{"typed_beyond_a_double", {"0", "1E400", "4"}, kTicked, message(kNumbersTooLarge)},
        TriangleCase{"typed_negative_beyond",
                     {"0", "-1E400", "4"},
                     kTicked,
                     message(kNumbersTooLarge)},
        TriangleCase{"hexadecimal_beyond_32_bits",
                     {"0", "&HFFFFFFFFFF", "4"},
                     kTicked,
                     message(kNumbersTooLarge)},
        TriangleCase{"hypotenuse_typed_beyond",
                     {"1E400", "0", "1E400"},
                     kTicked,
                     message(kNumbersTooLarge)},
        // The comparison is still true of a number beyond a double.
        TriangleCase{"leg_typed_beyond_the_hypotenuse",
                     {"3", "0", "1E400"},
                     kTicked,
                     message(kHypotenuseTooShort)},
        TriangleCase{"beyond_but_all_given", {"1E400", "3", "4"}, kTicked, kNothing}));

struct ProportionCase {
    const char* name;
    ProportionTexts boxes;  // box 3 / box 4 = box 5 / box 6
    bool fourDecimals;
    SolverOutcome expected;
};

void PrintTo(const ProportionCase& c, std::ostream* out) {
    *out << c.name;
}

class ProportionTest : public testing::TestWithParam<ProportionCase> {};

TEST_P(ProportionTest, EndsInTheExpectedOutcome) {
    const ProportionCase& c = GetParam();
    EXPECT_EQ(solveProportion(c.boxes, c.fourDecimals), c.expected)
        << "\"" << c.boxes[0] << "\" / \"" << c.boxes[1] << "\" = \"" << c.boxes[2] << "\" / \""
        << c.boxes[3] << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Results, ProportionTest,
    testing::Values(
        ProportionCase{"box6", {"2", "3", "4", "0"}, kTicked, result(6, "6")},
        ProportionCase{"box3", {"0", "3", "4", "6"}, kTicked, result(3, "2")},
        ProportionCase{"box4", {"2", "0", "4", "6"}, kTicked, result(4, "3")},
        ProportionCase{"box5", {"2", "3", "0", "6"}, kTicked, result(5, "4")},
        ProportionCase{"third_ticked", {"3", "1", "1", "0"}, kTicked, result(6, "0.3333")},
        ProportionCase{"third_cleared",
                       {"3", "1", "1", "0"},
                       kCleared,
                       result(6, "0.333333333333333")},
        ProportionCase{"two_thirds_ticked", {"0", "3", "2", "9"}, kTicked, result(3, "0.6667")},
        ProportionCase{"two_thirds_cleared",
                       {"0", "3", "2", "9"},
                       kCleared,
                       result(3, "0.666666666666667")},
        // The first marker is the missing term; a later "0" takes part as the value 0.
        ProportionCase{"later_marker_is_zero", {"0", "0", "4", "6"}, kTicked, result(3, "0")},
        ProportionCase{"letters_read_as_zero", {"0", "abc", "4", "6"}, kTicked, result(3, "0")},
        ProportionCase{"comma_ends_the_number", {"2,5", "3", "4", "0"}, kTicked, result(6, "6")},
        ProportionCase{"negative_divisor", {"-2", "3", "4", "0"}, kTicked, result(6, "-6")},
        ProportionCase{"negative_term", {"0", "-3", "4", "6"}, kTicked, result(3, "-2")},
        ProportionCase{"two_negative_terms", {"2", "-3", "-4", "0"}, kTicked, result(6, "6")},
        ProportionCase{"large_result_ticked", {"0", "1E10", "1E10", "1"}, kTicked, result(3, "1E+20")},
        ProportionCase{"tiny_result_ticked", {"0", "1E-300", "1", "1E5"}, kTicked, result(3, "0")},
        ProportionCase{"tiny_result_cleared",
                       {"0", "1E-300", "1", "1E5"},
                       kCleared,
                       result(3, "1E-305")},
        ProportionCase{"largest_double_ticked",
                       {"0", "1.7976931348623157E308", "1", "1"},
                       kTicked,
                       result(3, "1.79769313486231E+308")},
        ProportionCase{"largest_negative_double_ticked",
                       {"0", "-1.7976931348623157E308", "1", "1"},
                       kTicked,
                       result(3, "-1.79769313486231E+308")}));

INSTANTIATE_TEST_SUITE_P(
    NothingAndMessages, ProportionTest,
    testing::Values(
        ProportionCase{"all_given", {"2", "3", "4", "6"}, kTicked, kNothing},
        ProportionCase{"empty_is_no_marker", {"", "3", "4", "6"}, kTicked, kNothing},
        ProportionCase{"blank_zero_is_no_marker", {" 0", "3", "4", "6"}, kTicked, kNothing},
        ProportionCase{"zero_point_zero_is_no_marker", {"0.0", "3", "4", "6"}, kTicked, kNothing},
        ProportionCase{"letters_are_no_marker", {"abc", "3", "4", "6"}, kTicked, kNothing},
        // A freshly opened window: box 3 is missing and box 6 divides.
        ProportionCase{"fresh_window", {"0", "0", "0", "0"}, kTicked, message(kDivisionByZero)},
        ProportionCase{"box3_zero_divisor", {"0", "3", "4", "0"}, kTicked, message(kDivisionByZero)},
        ProportionCase{"box4_zero_divisor", {"2", "0", "0", "6"}, kTicked, message(kDivisionByZero)},
        ProportionCase{"box5_zero_divisor", {"2", "0.0", "0", "6"}, kTicked, message(kDivisionByZero)},
        ProportionCase{"box6_divisor_reads_zero",
                       {"0.0", "3", "4", "0"},
                       kTicked,
                       message(kDivisionByZero)},
        ProportionCase{"negative_zero_divisor",
                       {"-0", "3", "4", "0"},
                       kCleared,
                       message(kDivisionByZero)},
        // The product is formed first, so it overflows although the quotient would fit.
        ProportionCase{"product_overflows",
                       {"0", "1E200", "1E200", "1E300"},
                       kTicked,
                       message(kNumbersTooLarge)},
        ProportionCase{"quotient_overflows",
                       {"0", "1E300", "1", "1E-300"},
                       kTicked,
                       message(kNumbersTooLarge)},
        ProportionCase{"typed_divisor_beyond",
                       {"1E400", "3", "4", "0"},
                       kTicked,
                       message(kNumbersTooLarge)},
        ProportionCase{"typed_term_beyond",
                       {"0", "&HFFFFFFFFFF", "1", "1"},
                       kTicked,
                       message(kNumbersTooLarge)},
        ProportionCase{"beyond_times_zero",
                       {"0", "-1E400", "0", "1"},
                       kCleared,
                       message(kNumbersTooLarge)},
        ProportionCase{"beyond_but_all_given", {"1E400", "3", "4", "6"}, kTicked, kNothing}));

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

constexpr double kLargest = std::numeric_limits<double>::max();

// The halves. The double of several of them lies just below the decimal half, so that
// printf("%.4f") or rounding x × 10000 goes down (2.00005, 0.00015, 8.12345, 99999.99995)
// where the rounding of their 15-digit form goes up.
INSTANTIATE_TEST_SUITE_P(
    Halves, FourDecimalTest,
    testing::Values(RoundingCase{2.00005, "2.0001", "2.0001"},
                    RoundingCase{-2.00005, "-2.0001", "-2.0001"},
                    RoundingCase{1.00005, "1.0001", "1.0001"},
                    RoundingCase{1.23455, "1.2346", "1.2346"},
                    RoundingCase{0.00015, "0.0002", "0.0002"},
                    RoundingCase{0.00005, "0.0001", "0.0001"},
                    RoundingCase{-0.00005, "-0.0001", "-0.0001"},
                    RoundingCase{8.12345, "8.1235", "8.1235"},
                    RoundingCase{1234567890.12345, "1234567890.1235", "1234567890.1235"},
                    RoundingCase{9.99995, "10.0", "10"},
                    RoundingCase{-9.99995, "-10.0", "-10"},
                    RoundingCase{99999.99995, "100000.0", "100000"},
                    RoundingCase{0.99995, "1.0", "1"},
                    RoundingCase{0.000049999, "0.0", "0"},
                    RoundingCase{1.0000499999999, "1.0", "1"}));

INSTANTIATE_TEST_SUITE_P(
    Values, FourDecimalTest,
    testing::Values(RoundingCase{5, "5.0", "5"},
                    RoundingCase{0, "0.0", "0"},
                    RoundingCase{-0.0, "0.0", "0"},
                    RoundingCase{0.5, "0.5", "0.5"},
                    RoundingCase{-12.25, "-12.25", "-12.25"},
                    RoundingCase{3.605551275463989, "3.6056", "3.6056"},
                    RoundingCase{1.0 / 3, "0.3333", "0.3333"},
                    RoundingCase{-2.0 / 3, "-0.6667", "-0.6667"},
                    RoundingCase{0.00004, "0.0", "0"},
                    RoundingCase{-0.00004, "0.0", "0"},
                    RoundingCase{4.47213589175926E-05, "0.0", "0"},
                    RoundingCase{1e-300, "0.0", "0"},
                    RoundingCase{1e20, "100000000000000000000.0", "1E+20"},
                    RoundingCase{12345678901234.56, "12345678901234.6", "12345678901234.6"},
                    RoundingCase{123456789012345678.0, "123456789012346000.0",
                                 "1.23456789012346E+17"},
                    RoundingCase{0.1 + 0.2, "0.3", "0.3"}));

TEST(FourDecimalTest, LargestDoublesAreWrittenCut) {
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
    const std::vector<double> values = {3.605551275463989, 1.0 / 3, 2.00005, 1e20, 0.99995,
                                        123.45678, -7.77775, 1e-3};
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
    const EnablingCase& c = GetParam();
    EXPECT_EQ(anyTermReadsZero(c.boxes), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ButtonEnablingTest,
    testing::Values(EnablingCase{{"0", "3", "4"}, true}, EnablingCase{{"5", "3", "4"}, false},
                    EnablingCase{{"", "3", "4"}, true}, EnablingCase{{"5", "abc", "4"}, true},
                    EnablingCase{{"5", "3", "0.0"}, true}, EnablingCase{{"-0", "3", "4"}, true},
                    EnablingCase{{"1E-400", "3", "4"}, true},
                    EnablingCase{{"1E400", "3", "4"}, false},
                    EnablingCase{{"-5", "-3", "-4"}, false},
                    EnablingCase{{".5", "2,5", "&HFFFF"}, false},
                    EnablingCase{{"2", "3", "4", "6"}, false},
                    EnablingCase{{"2", "3", "4", "0"}, true}));

}  // namespace
}  // namespace zelmora
