#include "calculators/figuretable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/numbertext.h"

namespace zelmora {
namespace {

constexpr double kPi = 3.141592654;

struct Case {
    const CalculatorTable& (*table)();
    int figure;
    const char* a;
    const char* b;
    const char* c;
    const char* measureUnit;
    const char* answerUnit;
    const char* answer;
};

class ComputeTest : public testing::TestWithParam<Case> {};

TEST_P(ComputeTest, GivesTheKnownAnswer) {
    const Case& c = GetParam();
    const CalculatorTable& table = c.table();
    EXPECT_EQ(computeAnswerText(table, c.figure, c.a, c.b, c.c, c.measureUnit, c.answerUnit, kPi),
              c.answer)
        << table.formName << " " << table.figures[c.figure - 1].caption << " " << c.a << ", " << c.b
        << ", " << c.c << " " << c.measureUnit << " to " << c.answerUnit;
}

INSTANTIATE_TEST_SUITE_P(
    Area, ComputeTest,
    testing::Values(Case{areaTable, 1, "3", "0", "0", "cm", "cm²", "9"},
                    Case{areaTable, 1, "3", "0", "0", "m", "cm²", "90000"},
                    Case{areaTable, 1, "2,5", "0", "0", "cm", "cm²", "4"},
                    Case{areaTable, 1, "2.5", "0", "0", "cm", "cm²", "6.25"},
                    Case{areaTable, 1, "abc", "0", "0", "cm", "cm²", "0"},
                    Case{areaTable, 2, "3", "4", "0", "cm", "cm²", "12"},
                    Case{areaTable, 2, "-3", "4", "0", "cm", "cm²", "-12"},
                    Case{areaTable, 3, "3", "4", "0", "cm", "cm²", "6"},
                    Case{areaTable, 4, "3", "4", "0", "cm", "cm²", "6"},
                    Case{areaTable, 5, "5", "3", "2", "cm", "cm²", "8"},
                    Case{areaTable, 6, "2", "6", "1.5", "cm", "cm²", "9"},
                    Case{areaTable, 7, "1", "0", "0", "cm", "cm²", "3.141592654"},
                    Case{areaTable, 8, "1", "0", "0", "cm", "cm²", "12.566370616"},
                    Case{areaTable, 9, "3", "4", "0", "cm", "cm²", "12"},
                    Case{areaTable, 1, "1000", "0", "0", "mm", "m²", "1"},
                    Case{areaTable, 1, "1000000", "0", "0", "mm", "km²", "1"},
                    Case{areaTable, 1, "1", "0", "0", "cm", "km²", "1E-10"},
                    Case{areaTable, 1, "1", "0", "0", "km", "mm²", "1000000000000"},
                    Case{areaTable, 1, "1E200", "0", "0", "cm", "cm²", "Desbordamiento"},
                    Case{areaTable, 1, "1E150", "0", "0", "km", "mm²", "Desbordamiento"},
                    Case{areaTable, 1, "1E150", "0", "0", "km", "km²", "1E+300"},
                    Case{areaTable, 1, "1E400", "0", "0", "cm", "cm²", "Desbordamiento"},
                    Case{areaTable, 2, "1E400", "0", "0", "cm", "cm²", "Desbordamiento"},
                    Case{areaTable, 1, "-1E400", "0", "0", "cm", "m²", "Desbordamiento"},
                    Case{areaTable, 1, "3", "0", "0", "cm", "pies", "9"},
                    Case{areaTable, 1, "3", "1E400", "0", "cm", "cm²", "9"}));

INSTANTIATE_TEST_SUITE_P(
    Perimeter, ComputeTest,
    testing::Values(Case{perimeterTable, 1, "3", "0", "0", "cm", "cm", "12"},
                    Case{perimeterTable, 1, "3", "0", "0", "m", "cm", "1200"},
                    Case{perimeterTable, 2, "3", "4", "0", "cm", "cm", "14"},
                    Case{perimeterTable, 3, "3", "4", "5", "cm", "cm", "12"},
                    Case{perimeterTable, 4, "2", "6", "0", "cm", "cm", "12"},
                    Case{perimeterTable, 5, "3", "0", "0", "cm", "cm", "12"},
                    Case{perimeterTable, 6, "3", "4", "0", "cm", "cm", "14"},
                    Case{perimeterTable, 7, "5", "3", "2", "cm", "cm", "10"},
                    Case{perimeterTable, 8, "2", "0", "0", "cm", "cm", "6.283185308"},
                    Case{perimeterTable, 1, "0.25", "0", "0", "cm", "km", "1E-05"},
                    Case{perimeterTable, 5, "250", "0", "0", "mm", "m", "1"},
                    Case{perimeterTable, 1, "1E308", "0", "0", "cm", "cm", "Desbordamiento"}));

INSTANTIATE_TEST_SUITE_P(
    Volume, ComputeTest,
    testing::Values(Case{volumeTable, 1, "2", "0", "0", "cm", "cm³", "8"},
                    Case{volumeTable, 2, "2", "3", "4", "cm", "cm³", "24"},
                    Case{volumeTable, 3, "10", "3", "0", "cm", "cm³", "30"},
                    Case{volumeTable, 4, "1", "2", "0", "cm", "cm³", "6.283185308"},
                    Case{volumeTable, 5, "1", "3", "0", "cm", "cm³", "3.141592654"},
                    Case{volumeTable, 6, "9", "2", "0", "cm", "cm³", "6"},
                    Case{volumeTable, 7, "1", "0", "0", "cm", "cm³", "4.18879020533333"},
                    Case{volumeTable, 8, "1", "0", "0", "cm", "cm³", "0.471404520791032"},
                    Case{volumeTable, 8, "3", "0", "0", "cm", "cm³", "12.7279220613579"},
                    Case{volumeTable, 1, "2", "0", "0", "cm", "m³", "8E-06"},
                    Case{volumeTable, 4, "1", "2", "0", "m", "cm³", "6283185.308"},
                    Case{volumeTable, 1, "2", "0", "0", "m", "cm³", "8000000"},
                    Case{volumeTable, 1, "2", "0", "0", "cm", "cm³ ", "8"},
                    Case{volumeTable, 1, "1E103", "0", "0", "cm", "cm³", "Desbordamiento"},
                    Case{volumeTable, 7, "1E103", "0", "0", "cm", "cm³", "Desbordamiento"},
                    Case{volumeTable, 1, "1E100", "0", "0", "km", "mm³", "Desbordamiento"}));

TEST(Formulas, ReadPiWhenTheyCompute) {
    EXPECT_EQ(computeAnswerText(areaTable(), 7, "1", "0", "0", "cm", "cm²", 3.1415927),
              "3.1415927");
    EXPECT_EQ(computeAnswerText(perimeterTable(), 8, "1", "0", "0", "cm", "cm", 3.14159),
              "3.14159");
}

TEST(Formulas, VolumePowerIsTheGeneralPowerFunction) {
    const FigureRow& sphere = volumeTable().figures[6];
    const FigureRow& octahedron = volumeTable().figures[7];
    const double a = 1.1;
    EXPECT_EQ(sphere.formula(a, 0, 0, kPi), (std::pow(a, 3) * (kPi * 4)) / 3);
    EXPECT_EQ(octahedron.formula(a, 0, 0, kPi), (std::sqrt(2.0) / 3) * std::pow(a, 3));
    EXPECT_EQ(volumeTable().figures[0].formula(a, 0, 0, kPi), (a * a) * a);
}

double metres(std::string_view unit) {
    if (unit.starts_with("mm")) {
        return 0.001;
    }
    if (unit.starts_with("cm")) {
        return 0.01;
    }
    if (unit.starts_with("km")) {
        return 1000;
    }
    return 1;
}

class FactorTest : public testing::TestWithParam<const CalculatorTable& (*)()> {};

// Every entry is the ratio of the two lengths raised to the calculator's power, and converting
// there and back returns the value.
TEST_P(FactorTest, EveryEntryIsThePowerOfTheLengthRatioAndRoundTrips) {
    const CalculatorTable& table = GetParam()();
    for (std::string_view measure : table.measureUnits) {
        for (std::string_view answer : table.answerUnits) {
            const double expected = std::pow(metres(measure) / metres(answer), table.power);
            const auto converted = convertAnswer(table, measure, answer, 1.0);
            ASSERT_TRUE(converted) << measure << " " << answer;
            EXPECT_EQ(generalNumberText(*converted), generalNumberText(expected))
                << measure << " to " << answer;

            const std::string back(answer.substr(0, answer.size() - table.suffix.size()));
            const std::string backAnswer = std::string(measure) + std::string(table.suffix);
            const auto there = convertAnswer(table, measure, answer, 7.25);
            const auto returned = convertAnswer(table, back, backAnswer, *there);
            ASSERT_TRUE(returned) << back << " " << backAnswer;
            EXPECT_EQ(generalNumberText(*returned), "7.25") << measure << " to " << answer;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllCalculators, FactorTest,
                         testing::Values(areaTable, perimeterTable, volumeTable));

TEST(Tables, UnitsOutsideTheTableConvertNothing) {
    EXPECT_FALSE(convertAnswer(areaTable(), "", "cm²", 4));
    EXPECT_FALSE(convertAnswer(areaTable(), "cm", "", 4));
    EXPECT_FALSE(convertAnswer(areaTable(), "CM", "cm²", 4));
    EXPECT_FALSE(convertAnswer(volumeTable(), "cm", "cm3", 4));
}

TEST(Tables, EveryFigureShowsItsOwnPicture) {
    for (const CalculatorTable* table : {&areaTable(), &perimeterTable(), &volumeTable()}) {
        std::vector<bool> used(table->images.size(), false);
        for (const FigureRow& row : table->figures) {
            ASSERT_GE(row.image, 1);
            ASSERT_LE(row.image, static_cast<int>(table->images.size()));
            EXPECT_FALSE(used[row.image - 1]) << table->formName << " " << row.caption;
            used[row.image - 1] = true;
        }
        EXPECT_EQ(table->columnOrder.size(), table->figures.size());
    }
}

}  // namespace
}  // namespace zelmora
