#include "common/numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace zelmora {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsTheLeadingNumber) {
    const ParseCase& c = GetParam();
    const ParsedNumber parsed = parseLeadingNumber(c.text);
    EXPECT_EQ(parsed.value, c.value) << '"' << c.text << '"';
    EXPECT_FALSE(parsed.outOfRange) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(NotANumber, ParseTest,
                         testing::Values(ParseCase{"", 0}, ParseCase{"0", 0}, ParseCase{"0.0", 0},
                                         ParseCase{"abc", 0}, ParseCase{",", 0}, ParseCase{"-", 0},
                                         ParseCase{"+", 0}, ParseCase{" 0", 0}, ParseCase{".", 0},
                                         ParseCase{"e5", 0}, ParseCase{"-.", 0},
                                         ParseCase{".e5", 0}, ParseCase{"-.E1", 0},
                                         ParseCase{"\xc3\xa1", 0}, ParseCase{"\t\n ", 0},
                                         ParseCase{"\r5", 0}));

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseTest,
    testing::Values(ParseCase{"12abc", 12}, ParseCase{"1,5", 1}, ParseCase{"2,5", 2},
                    ParseCase{"1e", 1}, ParseCase{"1e+", 1}, ParseCase{"1E-06", 0.000001},
                    ParseCase{"-5", -5}, ParseCase{"1 2.5", 12.5}, ParseCase{".5", 0.5},
                    ParseCase{"1e3", 1000}, ParseCase{"-3", -3}, ParseCase{"007.50", 7.5},
                    ParseCase{"+7", 7}, ParseCase{"5.", 5}, ParseCase{"1.5.3", 1.5},
                    ParseCase{"- 4", -4}, ParseCase{"3\t.\n2", 3.2}, ParseCase{"-.25", -0.25},
                    ParseCase{"2.5E+3x", 2500}, ParseCase{"1e-400", 0}, ParseCase{"0e999999", 0},
                    ParseCase{"1.79769313486231E+308", 1.79769313486231E+308},
                    ParseCase{"4.94065645841247E-324", 4.94065645841247E-324},
                    ParseCase{"0.1", 0.1}, ParseCase{"12e1", 120},
                    ParseCase{"123456789012345678901234567890", 1.2345678901234568e29}));

// A point with no digit after it still lets an exponent follow.
INSTANTIATE_TEST_SUITE_P(PointWithoutFraction, ParseTest,
                         testing::Values(ParseCase{"1.e5", 100000}, ParseCase{"2.E3", 2000},
                                         ParseCase{"-2.E1x", -20}, ParseCase{"1.e", 1},
                                         ParseCase{"1.e-2", 0.01}, ParseCase{"12.e+1", 120},
                                         ParseCase{"1.5.e3", 1.5}, ParseCase{"7. e2", 700},
                                         ParseCase{"0.e400", 0}, ParseCase{"1.e-400", 0}));

INSTANTIATE_TEST_SUITE_P(
    HexAndOctal, ParseTest,
    testing::Values(ParseCase{"&HFFFF", -1}, ParseCase{"&H10", 16}, ParseCase{"&h10", 16},
                    ParseCase{"&H7FFF", 32767}, ParseCase{"&H8000", -32768},
                    ParseCase{"&H10000", 65536}, ParseCase{"&HFFFFFFFF", -1},
                    ParseCase{"&H7FFFFFFF", 2147483647}, ParseCase{"&H0000FFFF", -1},
                    ParseCase{"&H", 0}, ParseCase{"&HG1", 0}, ParseCase{"&H1G", 1},
                    ParseCase{"&O17", 15}, ParseCase{"&o177777", -1}, ParseCase{"&O8", 0},
                    ParseCase{"& H10", 16}, ParseCase{"-&H10", 0}, ParseCase{"&", 0},
                    ParseCase{"&X10", 0}));

// A negative zero keeps its sign, as the C library reads it, and is written "0".
TEST(Parse, NegativeZeroKeepsItsSign) {
    for (const char* text : {"-0", "-0.0", "-0e5", "-1e-400"}) {
        const double value = leadingNumber(text);
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_TRUE(std::signbit(value)) << text;
        EXPECT_EQ(generalNumberText(value), "0") << text;
    }
    EXPECT_FALSE(std::signbit(leadingNumber("+0")));
}

struct OutOfRangeCase {
    const char* text;
    double sign;
};

TEST(Parse, SaysWhenTheNumberLiesBeyondADouble) {
    const OutOfRangeCase cases[] = {
        {"1E400", 1},       {"-1E400", -1},          {"1E309", 1},
        {"1.8e308", 1},     {"9999e99999999999", 1}, {"&HFFFFFFFFFF", 1},
        {"&H100000000", 1}, {"&O77777777777", 1},    {"1e99999999999999999999", 1},
        {"9.e308", 1},      {"-9.E308", -1},         {"2.e308x", 1},
    };
    for (const OutOfRangeCase& c : cases) {
        const ParsedNumber parsed = parseLeadingNumber(c.text);
        EXPECT_TRUE(parsed.outOfRange) << c.text;
        EXPECT_TRUE(std::isinf(parsed.value)) << c.text;
        EXPECT_EQ(std::signbit(parsed.value), c.sign < 0) << c.text;
    }
}

// Texts far longer than anything typed, whose digits and exponent must be weighed together:
// text is prefix, zeros times "0", then suffix.
struct LongCase {
    const char* prefix;
    std::size_t zeros;
    const char* suffix;
    double value;  // an infinity for a number beyond a double
};

TEST(Parse, WeighsTheDigitsAgainstTheExponentWhateverTheLength) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const LongCase cases[] = {
        {".", 1'000'000, "1e10000000", inf},
        {"-.", 999'999, "1e10000000", -inf},
        {"0.", 10'000'000, "15e10000003", 150},
        {"1", 1'000'000, "e-1000002", 0.01},
        {"1", 10'000'000, "e-10000320", 1e-320},
        {"1", 1'000'000, "e-2000000", 0},
        {"1", 2'000'000, "e-1000000", inf},
        {"1e", 0, "999999999999999999999999999999", inf},
        {"1e-", 0, "999999999999999999999999999999", 0},
        {"0.", 1'000'000, "1e999999999999999999999999999999", inf},
        // Halfway between two doubles but for a digit far beyond the first 800: rounds up.
        {"9007199254740993.", 1000, "1", 9007199254740994.0},
        {"-9007199254740993", 1000, "e-1000", -9007199254740992.0},
    };
    for (const LongCase& c : cases) {
        const std::string text = c.prefix + std::string(c.zeros, '0') + c.suffix;
        const ParsedNumber parsed = parseLeadingNumber(text);
        const std::string label =
            c.prefix + (" [" + std::to_string(c.zeros) + " zeros] ") + c.suffix;
        EXPECT_EQ(parsed.value, c.value) << label;
        EXPECT_EQ(parsed.outOfRange, std::isinf(c.value)) << label;
    }
}

struct TextCase {
    double value;
    const char* text;
};

class TextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextTest, WritesTheGeneralNumberText) {
    EXPECT_EQ(generalNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Plain, TextTest,
    testing::Values(TextCase{0.0, "0"}, TextCase{-0.0, "0"}, TextCase{-12, "-12"},
                    TextCase{6.25, "6.25"}, TextCase{0.0001, "0.0001"},
                    TextCase{123456789012345, "123456789012345"},
                    TextCase{100000000000000, "100000000000000"},
                    TextCase{1.0 / 3, "0.333333333333333"}, TextCase{2.0 / 3, "0.666666666666667"},
                    TextCase{-0.05, "-0.05"}, TextCase{0.3 * 100, "30"}, TextCase{0.1 + 0.2, "0.3"},
                    TextCase{3.141592654, "3.141592654"}, TextCase{12.566370616, "12.566370616"},
                    TextCase{99999999999999.9, "99999999999999.9"},
                    TextCase{0.00012345, "0.00012345"}, TextCase{-0.0001, "-0.0001"},
                    TextCase{1, "1"}, TextCase{10, "10"}, TextCase{1e14, "100000000000000"},
                    TextCase{4.18879020533333, "4.18879020533333"}));

INSTANTIATE_TEST_SUITE_P(
    Exponent, TextTest,
    testing::Values(
        TextCase{0.00001, "1E-05"}, TextCase{5e-10, "5E-10"}, TextCase{7e-05, "7E-05"},
        TextCase{1e15, "1E+15"}, TextCase{1000000000000000, "1E+15"},
        TextCase{1.52415787501905E+22, "1.52415787501905E+22"}, TextCase{-1e15, "-1E+15"},
        TextCase{1e-100, "1E-100"}, TextCase{1e100, "1E+100"}, TextCase{1.5e300, "1.5E+300"},
        TextCase{0.000099999999999999995, "0.0001"}, TextCase{999999999999999.5, "1E+15"},
        // Exactly halfway between two 15-digit texts: the even digit.
        TextCase{1000000000000005, "1E+15"}, TextCase{1000000000000015, "1.00000000000002E+15"},
        TextCase{1000000000000025, "1.00000000000002E+15"},
        TextCase{4.9406564584124654e-324, "4.94065645841247E-324"},
        TextCase{1.7976931348623157e308, "1.79769313486231E+308"},
        TextCase{-1.7976931348623157e308, "-1.79769313486231E+308"},
        TextCase{1.7976931348623e308, "1.7976931348623E+308"}));

TEST(Text, WritesTheOverflowWordForWhatIsNotFinite) {
    EXPECT_EQ(generalNumberText(std::numeric_limits<double>::infinity()), kOverflowText);
    EXPECT_EQ(generalNumberText(-std::numeric_limits<double>::infinity()), kOverflowText);
    EXPECT_EQ(generalNumberText(std::numeric_limits<double>::quiet_NaN()), kOverflowText);
}

// The number a text shows: the double nearest to its decimal value, read independently of the
// parse under test.
double shownNumber(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc()) << text;
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

// Within half a unit in the 15th significant digit of the value; the few values at the very top
// of the range, which are cut rather than rounded, within one unit.
void expectRoundTrip(double value, double lastDigitUnits = 0.5) {
    const std::string text = generalNumberText(value);
    const ParsedNumber back = parseLeadingNumber(text);
    ASSERT_FALSE(back.outOfRange) << text;
    EXPECT_EQ(back.value, shownNumber(text)) << text;
    EXPECT_EQ(generalNumberText(back.value), text) << value;
    const double unit = 1e-14 * std::pow(10.0, std::floor(std::log10(std::abs(value))));
    EXPECT_LE(std::abs(back.value - value),
              lastDigitUnits * unit + std::abs(std::nextafter(value, 0.0) - value))
        << text;
}

TEST(RoundTrip, EveryWrittenTextReadsBackAsTheNumberItShows) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> anyBits;
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        // Any bit pattern covers the whole range; short decimals near the notation boundary
        // cover what users type.
        double bits;
        const std::uint64_t pattern = anyBits(random);
        std::memcpy(&bits, &pattern, sizeof bits);
        if (std::isfinite(bits)) {
            expectRoundTrip(bits);
            ++checked;
        }
        expectRoundTrip(mantissa(random) * std::pow(10.0, exponent(random)));
        ++checked;
    }
    EXPECT_GT(checked, 390000);
}

// Any decimal text, short or long, reads as the library reads it: the quick path for short
// numbers and the library's path for the rest must agree to the last bit.
TEST(Parse, AgreesWithTheLibraryOnRandomDecimalTexts) {
    std::mt19937_64 random(8122026);
    std::uniform_int_distribution<int> length(1, 25);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-340, 340);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const int whole = length(random) - 1;
        for (int k = 0; k < whole; ++k) {
            text.push_back(static_cast<char>('0' + digit(random)));
        }
        if (coin(random) != 0) {
            text.push_back('.');
            const int fraction = length(random);
            for (int k = 0; k < fraction; ++k) {
                text.push_back(static_cast<char>('0' + digit(random)));
            }
        }
        if (text.empty() || text == ".") {
            text = "7";
        }
        if (coin(random) != 0) {
            text +=
                "e" + std::to_string(coin(random) == 0 ? exponent(random) : exponent(random) / 20);
        }
        double expected = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        const ParsedNumber parsed = parseLeadingNumber(text);
        if (result.ec == std::errc::result_out_of_range) {
            continue;  // told apart as overflow or underflow by their own tests
        }
        ASSERT_EQ(parsed.value, expected) << text;
        ASSERT_EQ(parseLeadingNumber("-" + text).value, -expected) << text;
    }
}

TEST(RoundTrip, HoldsAtTheEdgesOfTheRange) {
    const double edges[] = {
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        std::numeric_limits<double>::min(),
        std::numeric_limits<double>::denorm_min(),
        std::nextafter(1e15, 0.0),
        1e15,
        std::nextafter(0.0001, 0.0),
        0.0001,
        std::nextafter(1.7976931348623157e308, 0.0),
        1.797693134862315e308,
    };
    for (double value : edges) {
        const double units = std::abs(value) >= 1.797693134862315e308 ? 1.0 : 0.5;
        expectRoundTrip(value, units);
        expectRoundTrip(-value, units);
    }
}

TEST(Notation, SwitchesAtTheBoundaries) {
    struct Boundary {
        double value;
        bool exponent;
    };
    const Boundary boundaries[] = {
        {0.0001, false},
        {0.00009999999999999, true},
        {0.000099999999999999995, false},  // rounds to 0.0001 at 15 digits
        {999999999999999, false},
        {999999999999999.4, false},
        {999999999999999.6, true},  // rounds to 1E+15
        {1e15, true},
    };
    for (const Boundary& b : boundaries) {
        const std::string text = generalNumberText(b.value);
        EXPECT_EQ(text.find('E') != std::string::npos, b.exponent) << text;
        EXPECT_EQ(generalNumberText(-b.value), "-" + text);
    }
}

}  // namespace
}  // namespace zelmora

namespace zelmora {
namespace {

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

class FixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedTest, RoundsTheFifteenDigitFormAtTheDecimals) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(fixedDecimalText(c.value, c.decimals), c.text) << c.value << " at " << c.decimals;
}

// Pi as the options panel shows it, trailing zeros kept.
INSTANTIATE_TEST_SUITE_P(PiTexts, FixedTest,
                         testing::Values(FixedCase{3.14159265358979, 4, "3.1416"},
                                         FixedCase{3.14159265358979, 5, "3.14159"},
                                         FixedCase{3.14159265358979, 6, "3.141593"},
                                         FixedCase{3.14159265358979, 7, "3.1415927"},
                                         FixedCase{3.14159265358979, 8, "3.14159265"},
                                         FixedCase{3.14159265358979, 9, "3.141592654"},
                                         FixedCase{3.14159265358979, 10, "3.1415926536"},
                                         FixedCase{3.14159265358979, 11, "3.14159265359"},
                                         FixedCase{3.14159265358979, 12, "3.141592653590"},
                                         FixedCase{3.14159265358979, 13, "3.1415926535898"},
                                         FixedCase{3.14159265358979, 14, "3.14159265358979"}));

// Halves go away from zero on the 15-digit decimal form, where printf("%.4f") and rounding
// x * 10000 look at the binary value and often go the other way.
INSTANTIATE_TEST_SUITE_P(
    Halves, FixedTest,
    testing::Values(FixedCase{1.00005, 4, "1.0001"}, FixedCase{-1.00005, 4, "-1.0001"},
                    FixedCase{0.00005, 4, "0.0001"}, FixedCase{0.00004, 4, "0.0000"},
                    FixedCase{-0.00004, 4, "0.0000"}, FixedCase{2.00015, 4, "2.0002"},
                    FixedCase{1.23455, 4, "1.2346"}, FixedCase{0.5, 0, "1"}, FixedCase{2.5, 0, "3"},
                    FixedCase{-2.5, 0, "-3"}, FixedCase{9.99995, 4, "10.0000"},
                    FixedCase{0.99995, 4, "1.0000"}, FixedCase{3.605551275463989, 4, "3.6056"},
                    FixedCase{1.0 / 3, 4, "0.3333"}));

INSTANTIATE_TEST_SUITE_P(
    Magnitudes, FixedTest,
    testing::Values(FixedCase{0, 4, "0.0000"}, FixedCase{-0.0, 2, "0.00"},
                    FixedCase{5, 4, "5.0000"}, FixedCase{1e20, 4, "100000000000000000000.0000"},
                    FixedCase{123456789012345678.0, 1, "123456789012346000.0"},
                    FixedCase{1e-20, 4, "0.0000"}, FixedCase{12.5, 1, "12.5"},
                    FixedCase{2.5, -1, "3"}, FixedCase{2.5, -9, "3"},
                    FixedCase{std::numeric_limits<double>::infinity(), 4, "Desbordamiento"}));

}  // namespace
}  // namespace zelmora
