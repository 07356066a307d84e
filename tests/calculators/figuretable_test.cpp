#include "calculators/figuretable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

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

// What the answer box shows after the button: the figure's value, converted into the answer unit
// when both units are the table's.
std::string shownAnswer(const CalculatorTable& table, int figure, std::string_view a,
                        std::string_view b, std::string_view c, std::string_view measureUnit,
                        std::string_view answerUnit, double pi) {
    const FigureAnswer answer = computeFigure(table, figure, a, b, c, pi);
    return convertedAnswerText(table, measureUnit, answerUnit, answer.respuesta)
        .value_or(answer.text);
}

class ComputeTest : public testing::TestWithParam<Case> {};

TEST_P(ComputeTest, GivesTheKnownAnswer) {
    const Case& c = GetParam();
    const CalculatorTable& table = c.table();
    EXPECT_EQ(shownAnswer(table, c.figure, c.a, c.b, c.c, c.measureUnit, c.answerUnit, kPi),
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
                    // Values at which the general power function and repeated multiplication
                    // give different doubles, and different texts.
                    Case{volumeTable, 7, "1.3", "0", "0", "cm", "cm³", "9.20277208111733"},
                    Case{volumeTable, 7, "2.3", "0", "0", "cm", "cm³", "50.9650104282907"},
                    Case{volumeTable, 8, "1.06", "0", "0", "cm", "cm³", "0.561450326734451"},
                    Case{volumeTable, 8, "2.47", "0", "0", "cm", "cm³", "7.10369984700819"},
                    Case{volumeTable, 1, "2", "0", "0", "cm", "m³", "8E-06"},
                    Case{volumeTable, 4, "1", "2", "0", "m", "cm³", "6283185.308"},
                    Case{volumeTable, 1, "2", "0", "0", "m", "cm³", "8000000"},
                    Case{volumeTable, 1, "2", "0", "0", "cm", "cm³ ", "8"},
                    Case{volumeTable, 1, "1E103", "0", "0", "cm", "cm³", "Desbordamiento"},
                    Case{volumeTable, 7, "1E103", "0", "0", "cm", "cm³", "Desbordamiento"},
                    Case{volumeTable, 1, "1E100", "0", "0", "km", "mm³", "Desbordamiento"}));

TEST(Formulas, ReadPiWhenTheyCompute) {
    EXPECT_EQ(computeFigure(areaTable(), 7, "1", "0", "0", 3.1415927).text, "3.1415927");
    EXPECT_EQ(computeFigure(perimeterTable(), 8, "1", "0", "0", 3.14159).text, "3.14159");
}

TEST(Formulas, RespuestaIsTheValueInTheMeasureUnit) {
    const FigureAnswer answer = computeFigure(areaTable(), 1, "1.5", "0", "0", kPi);
    EXPECT_EQ(answer.respuesta, 2.25);
    EXPECT_EQ(answer.text, "2.25");
    EXPECT_EQ(computeFigure(areaTable(), 1, "1E200", "0", "0", kPi).text, "Desbordamiento");
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

struct FactorCase {
    const CalculatorTable& (*table)();
    int power;  // of the length ratio: 2 for areas, 1 for lengths, 3 for volumes
};

class FactorTest : public testing::TestWithParam<FactorCase> {};

// Every entry is the ratio of the two lengths raised to the calculator's power, and converting
// there and back returns the value.
TEST_P(FactorTest, EveryEntryIsThePowerOfTheLengthRatioAndRoundTrips) {
    const CalculatorTable& table = GetParam().table();
    for (std::string_view measure : table.measureUnits) {
        for (std::string_view answer : table.answerUnits) {
            const double expected = std::pow(metres(measure) / metres(answer), GetParam().power);
            const auto converted = convertedAnswerText(table, measure, answer, 1.0);
            ASSERT_TRUE(converted) << measure << " " << answer;
            EXPECT_EQ(*converted, generalNumberText(expected)) << measure << " to " << answer;

            const std::string back(answer.substr(0, answer.size() - table.suffix.size()));
            const std::string backAnswer = std::string(measure) + std::string(table.suffix);
            const auto there = convertedAnswerText(table, measure, answer, 7.25);
            const auto returned =
                convertedAnswerText(table, back, backAnswer, leadingNumber(there.value()));
            ASSERT_TRUE(returned) << back << " " << backAnswer;
            EXPECT_EQ(*returned, "7.25") << measure << " to " << answer;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllCalculators, FactorTest,
                         testing::Values(FactorCase{areaTable, 2}, FactorCase{perimeterTable, 1},
                                         FactorCase{volumeTable, 3}));

TEST(Tables, UnitsOutsideTheTableConvertNothing) {
    EXPECT_FALSE(convertedAnswerText(areaTable(), "", "cm²", 4));
    EXPECT_FALSE(convertedAnswerText(areaTable(), "cm", "", 4));
    EXPECT_FALSE(convertedAnswerText(areaTable(), "CM", "cm²", 4));
    EXPECT_FALSE(convertedAnswerText(volumeTable(), "cm", "cm3", 4));
}

// The picture each figure shows, by option number, written out from the figure tables.
struct PictureCase {
    const CalculatorTable& (*table)();
    std::vector<FigureShape> shapes;
};

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, EveryFigureShowsThePictureOfItsShape) {
    const CalculatorTable& table = GetParam().table();
    const std::vector<FigureShape>& shapes = GetParam().shapes;
    ASSERT_EQ(table.figures.size(), shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const int image = table.figures[i].image;
        ASSERT_GE(image, 1);
        ASSERT_LE(image, static_cast<int>(table.images.size()));
        EXPECT_EQ(table.images[static_cast<std::size_t>(image - 1)], shapes[i])
            << table.formName << " " << table.figures[i].caption;
    }
    EXPECT_EQ(table.columnOrder.size(), table.figures.size());
}

using enum FigureShape;
INSTANTIATE_TEST_SUITE_P(
    AllCalculators, PictureTest,
    testing::Values(
        PictureCase{
            areaTable,
            {Square, Rectangle, Triangle, Rhombus, Trapezoid, Pentagon, Circle, Sphere, Romboid}},
        PictureCase{perimeterTable,
                    {Square, Rectangle, Triangle, Pentagon, Rhombus, Romboid, Trapezoid, Circle}},
        PictureCase{volumeTable,
                    {Cube, Parallelepiped, Prism, Cylinder, Cone, Pyramid, Sphere, Octahedron}}));

}  // namespace
}  // namespace zelmora
