#include "converter/converter.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/numbertext.h"
#include "converter/unittables.h"

namespace zelmora {
namespace {

// The decimal exponent of every unit in its family's base unit, from the metric prefixes alone:
// squares for areas, litres for volumes.
const std::vector<int> kExponents[] = {
    {},
    {-6, -4, -2, 0, 2, 4, 6},
    {-3, -2, -1, 0, 1, 2, 3},
    {-6, -3, -2, -1, 0, 1, 2, 3},
};

// The double nearest to mantissa × 10^exponent, read without the code under test.
double decimal(const std::string& mantissa, int exponent) {
    const std::string text = mantissa + "e" + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc()) << text;
    return value;
}

struct Converter {
    ConverterState state;
    ConverterTexts texts;

    Converter() { loadConverter(state, texts); }

    // Types into box A (caja 1) or B (caja 2), whose unit is `from`, and converts into the other
    // box, whose unit is `to`.
    Converter& convert(int modo, int from, int to, const std::string& typed, int caja = 1) {
        state.Modo = static_cast<std::int16_t>(modo);
        state.Caja = static_cast<std::int16_t>(caja);
        (caja == 1 ? state.UnidadA : state.UnidadB) = static_cast<std::int16_t>(from);
        (caja == 1 ? state.UnidadB : state.UnidadA) = static_cast<std::int16_t>(to);
        (caja == 1 ? texts.txtCajaA : texts.txtCajaB) = typed;
        GoConvert(state, texts);
        return *this;
    }

    const std::string& active(int caja = 1) const {
        return caja == 1 ? texts.txtCajaA : texts.txtCajaB;
    }
    const std::string& other(int caja = 1) const {
        return caja == 1 ? texts.txtCajaB : texts.txtCajaA;
    }
};

TEST(UnitTables, EveryFactorIsTheNearestDoubleToItsPowerOfTen) {
    for (int modo = 1; modo <= 3; ++modo) {
        const auto table = unitTable(modo);
        ASSERT_EQ(table.size(), kExponents[modo].size()) << "family " << modo;
        EXPECT_EQ(unitCount(modo), static_cast<int>(table.size()));
        for (std::size_t i = 0; i < table.size(); ++i) {
            const int exponent = kExponents[modo][i];
            EXPECT_EQ(table[i].toBase, decimal("1", exponent)) << table[i].fullName;
            EXPECT_EQ(table[i].fromBase, decimal("1", -exponent)) << table[i].fullName;
        }
    }
}

TEST(UnitTables, OnlyTheThreeFamiliesHaveUnits) {
    EXPECT_EQ(unitCount(kAreaFamily), 7);
    EXPECT_EQ(unitCount(kLengthFamily), 7);
    EXPECT_EQ(unitCount(kVolumeFamily), 8);
    for (int modo : {0, 4, -1, 32767, -32768}) {
        EXPECT_EQ(unitCount(modo), 0) << modo;
        EXPECT_FALSE(isUnitIndex(modo, 1)) << modo;
    }
    EXPECT_FALSE(isUnitIndex(kLengthFamily, 0));
    EXPECT_TRUE(isUnitIndex(kLengthFamily, 7));
    EXPECT_FALSE(isUnitIndex(kLengthFamily, 8));
    EXPECT_TRUE(isUnitIndex(kVolumeFamily, 8));
    EXPECT_FALSE(isUnitIndex(kVolumeFamily, 9));
}

struct Worked {
    int modo, from, to;
    const char* typed;
    const char* base;
    const char* result;
};

std::ostream& operator<<(std::ostream& out, const Worked& w) {
    return out << "family " << w.modo << " unit " << w.from << " to " << w.to << ": " << w.typed;
}

class WorkedValues : public testing::TestWithParam<Worked> {};

TEST_P(WorkedValues, GiveTheKnownBaseAndResultFromEitherBox) {
    const Worked& w = GetParam();
    for (int caja : {1, 2}) {
        Converter c;
        c.convert(w.modo, w.from, w.to, w.typed, caja);
        EXPECT_EQ(c.texts.lblSafe, w.base) << "box " << caja;
        EXPECT_EQ(c.other(caja), w.result) << "box " << caja;
        EXPECT_EQ(c.state.Salida, w.result);
        EXPECT_EQ(c.active(caja), w.typed) << "the typed text stays as typed";
        EXPECT_EQ(c.state.Entrada, w.typed);
        EXPECT_EQ(c.state.Origen, w.from);
        EXPECT_EQ(c.state.Destino, w.to);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedValues,
                         testing::Values(Worked{2, 2, 4, "5", "0.05", "0.05"},
                                         Worked{2, 4, 2, "0.3", "0.3", "30"},
                                         Worked{2, 2, 7, "7", "0.07", "7E-05"},
                                         Worked{1, 7, 1, "1", "1000000", "1000000000000"},
                                         Worked{1, 1, 7, "1", "1E-06", "1E-12"},
                                         Worked{1, 7, 1, "1000000000", "1E+15", "1E+21"},
                                         Worked{3, 5, 2, "2.5", "2.5", "2500"},
                                         Worked{3, 8, 1, "1", "1000", "1000000000"}));

struct Edge {
    const char* name;
    int modo, from, to;
    const char* typed;
    const char* result;
};

std::ostream& operator<<(std::ostream& out, const Edge& e) {
    return out << e.name << ": " << e.typed;
}

class EdgeCases : public testing::TestWithParam<Edge> {};

TEST_P(EdgeCases, ConvertAsTheUserExpects) {
    const Edge& e = GetParam();
    Converter c;
    c.convert(e.modo, e.from, e.to, e.typed);
    EXPECT_EQ(c.texts.txtCajaB, e.result) << e.name;
    EXPECT_EQ(c.texts.txtCajaA, e.typed) << e.name;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EdgeCases,
    testing::Values(Edge{"1E-4 plain", 2, 4, 2, "0.000001", "0.0001"},
                    Edge{"below 1E-4 exponent", 2, 4, 2, "0.0000001", "1E-05"},
                    Edge{"-1E-4 plain", 2, 2, 4, "-0.01", "-0.0001"},
                    Edge{"below -1E-4 exponent", 2, 2, 4, "-0.001", "-1E-05"},
                    Edge{"fifteen digits plain", 2, 4, 4, "123456789012345", "123456789012345"},
                    Edge{"fifteen digits scaled", 2, 4, 2, "1234567890123.45", "123456789012345"},
                    Edge{"1E15 exponent", 2, 4, 1, "1234567890123.45", "1.23456789012345E+15"},
                    Edge{"just below 1E15", 1, 4, 1, "999999999.999999", "999999999999999"},
                    Edge{"1E15 from rounding", 1, 4, 1, "999999999.9999999", "1E+15"},
                    Edge{"three-digit exponent", 1, 1, 7, "1E-90", "1E-102"},
                    Edge{"largest double", 2, 4, 4, "1.79769313486231E+308",
                         "1.79769313486231E+308"},
                    Edge{"below the smallest double", 2, 4, 4, "1E-400", "0"},
                    Edge{"hidden representation error", 2, 4, 2, "0.3", "30"},
                    Edge{"within one unit", 2, 4, 4, "007.50", "7.5"},
                    Edge{"micro litres", 3, 8, 1, "2.5", "2500000000"}));

INSTANTIATE_TEST_SUITE_P(BadText, EdgeCases,
                         testing::Values(Edge{"empty", 2, 2, 4, "", "0"},
                                         Edge{"letters", 2, 2, 4, "abc", "0"},
                                         Edge{"lone comma", 2, 2, 4, ",", "0"},
                                         Edge{"lone minus", 2, 2, 4, "-", "0"},
                                         Edge{"blank and zero", 2, 2, 4, " 0", "0"},
                                         Edge{"trailing letters", 2, 4, 2, "12abc", "1200"},
                                         Edge{"decimal comma", 2, 4, 2, "1,5", "100"},
                                         Edge{"exponent without digits", 2, 4, 2, "1e", "100"},
                                         Edge{"blanks inside", 2, 4, 2, "1 2.5", "1250"},
                                         Edge{"hexadecimal", 2, 4, 2, "&H10", "1600"},
                                         Edge{"hexadecimal minus one", 2, 4, 2, "&HFFFF", "-100"},
                                         Edge{"non-ASCII letters", 1, 4, 2, "5 m²", "50000"},
                                         Edge{"eñe", 1, 4, 2, "ñ5", "0"}));

INSTANTIATE_TEST_SUITE_P(Negative, EdgeCases,
                         testing::Values(Edge{"centimetres to metres", 2, 2, 4, "-5", "-0.05"},
                                         Edge{"square kilometres to square millimetres", 1, 7, 1,
                                              "-2", "-2000000000000"},
                                         Edge{"tiny", 3, 1, 8, "-1E-20", "-1E-29"},
                                         Edge{"negative zero", 2, 4, 2, "-0", "0"}));

struct Overflow {
    const char* name;
    int modo, from, to;
    const char* typed;
    const char* base;
    const char* result;
};

std::ostream& operator<<(std::ostream& out, const Overflow& o) {
    return out << o.name << ": " << o.typed;
}

class Overflows : public testing::TestWithParam<Overflow> {};

TEST_P(Overflows, ShowTheWordAndKeepTheTypedText) {
    const Overflow& o = GetParam();
    for (int caja : {1, 2}) {
        Converter c;
        c.convert(o.modo, o.from, o.to, o.typed, caja);
        EXPECT_EQ(c.texts.lblSafe, o.base) << o.name;
        EXPECT_EQ(c.other(caja), o.result) << o.name;
        EXPECT_EQ(c.active(caja), o.typed) << o.name;
        // The next conversion is an ordinary one again.
        c.convert(2, 2, 4, "5", caja);
        EXPECT_EQ(c.texts.lblSafe, "0.05");
        EXPECT_EQ(c.other(caja), "0.05");
    }
}

INSTANTIATE_TEST_SUITE_P(
    BeyondADouble, Overflows,
    testing::Values(
        Overflow{"first step", 1, 7, 1, "1E308", "Desbordamiento", "Desbordamiento"},
        Overflow{"second step", 1, 7, 1, "1E300", "1E+306", "Desbordamiento"},
        Overflow{"typed", 2, 4, 4, "1E400", "Desbordamiento", "Desbordamiento"},
        Overflow{"typed downwards", 1, 1, 7, "1E400", "Desbordamiento", "Desbordamiento"},
        Overflow{"typed negative", 3, 5, 2, "-1E400", "Desbordamiento", "Desbordamiento"},
        Overflow{"negative product", 1, 7, 1, "-1E300", "-1E+306", "Desbordamiento"},
        Overflow{"hexadecimal beyond 32 bits", 2, 4, 2, "&HFFFFFFFFFF", "Desbordamiento",
                 "Desbordamiento"},
        Overflow{"downwards fits", 1, 1, 7, "1E308", "1E+302", "1E+296"},
        Overflow{"from a box that overflowed", 1, 1, 7, "Desbordamiento", "Desbordamiento",
                 "Desbordamiento"}));

struct Quantity {
    const char* typed;
    const char* shown;     // what the round trip writes back
    const char* mantissa;  // the typed number is mantissa × 10^exponent
    int exponent;
};

// Every unit of every family into every other and back: the result is the typed number times
// the power of ten between the units, and converting it back gives the typed number again.
TEST(AllUnits, ConvertIntoEveryOtherAndBack) {
    const Quantity quantities[] = {
        {"1", "1", "1", 0},
        {"0.3", "0.3", "3", -1},
        {"-2.75", "-2.75", "-2.75", 0},
        {"123456.789", "123456.789", "1.23456789", 5},
        {"9.99999999999999", "9.99999999999999", "9.99999999999999", 0},
        {"1E-30", "1E-30", "1", -30},
        {"-4.5E+200", "-4.5E+200", "-4.5", 200},
        {"007.50", "7.5", "7.5", 0},
    };
    int conversions = 0;
    for (int modo = 1; modo <= 3; ++modo) {
        const int count = unitCount(modo);
        for (int from = 1; from <= count; ++from) {
            for (int to = 1; to <= count; ++to) {
                for (const Quantity& q : quantities) {
                    Converter c;
                    c.convert(modo, from, to, q.typed);
                    const int shift = kExponents[modo][from - 1] - kExponents[modo][to - 1];
                    EXPECT_EQ(leadingNumber(c.texts.txtCajaB),
                              decimal(q.mantissa, q.exponent + shift))
                        << "family " << modo << " unit " << from << " to " << to << ": " << q.typed
                        << " gave " << c.texts.txtCajaB;
                    // Back from box B, whose unit is still `to`, into box A.
                    c.state.Caja = 2;
                    GoConvert(c.state, c.texts);
                    EXPECT_EQ(c.texts.txtCajaA, q.shown)
                        << "family " << modo << " unit " << to << " back to " << from;
                    ++conversions;
                }
            }
        }
    }
    EXPECT_EQ(conversions, (49 + 49 + 64) * 8);
}

TEST(Conversion, NothingHappensBeforeABoxWasActive) {
    Converter c;
    c.texts.txtCajaA = "5";
    const ConverterTexts texts = c.texts;
    const ConverterState state = c.state;
    GoConvert(c.state, c.texts);
    EXPECT_EQ(c.texts, texts);
    EXPECT_EQ(c.state.Caja, 0);
    EXPECT_EQ(c.state.Origen, state.Origen);
    EXPECT_EQ(c.state.Destino, state.Destino);
    EXPECT_EQ(c.state.Entrada, state.Entrada);
    EXPECT_EQ(c.state.Salida, state.Salida);
}

TEST(Conversion, TheActiveBoxIsTheSource) {
    Converter c;
    c.texts.txtCajaA = "5";
    c.texts.txtCajaB = "3";
    c.state.Caja = 2;
    GoConvert(c.state, c.texts);  // 3 metres into centimetres
    EXPECT_EQ(c.texts.txtCajaA, "300");
    EXPECT_EQ(c.texts.txtCajaB, "3");
    c.state.Caja = 1;
    GoConvert(c.state, c.texts);
    EXPECT_EQ(c.texts.txtCajaB, "3");
}

TEST(Unidades, LoadsTheFamilysToBaseFactors) {
    ConverterState state;
    state.Factor(8) = 42;
    state.Modo = kLengthFamily;
    Unidades(state);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(state.Factor(i), decimal("1", kExponents[kLengthFamily][i - 1])) << i;
    }
    EXPECT_EQ(state.Factor(8), 42) << "the eighth factor is left as it was";
    state.Modo = kVolumeFamily;
    Unidades(state);
    EXPECT_EQ(state.Factor(8), 1000);
    EXPECT_EQ(state.Factor(1), decimal("1", -6));
    const FactorArray before = state.Factor;
    for (std::int16_t modo : {0, 4, -1}) {
        state.Modo = modo;
        Unidades(state);
        EXPECT_EQ(state.Factor, before) << modo;
    }
}

TEST(FactorArray, IsIndexedFromOneToEight) {
    FactorArray factor;
    factor(1) = 1;
    factor(8) = 8;
    EXPECT_EQ(factor(1), 1);
    EXPECT_EQ(factor(8), 8);
    EXPECT_THROW(factor(0), std::out_of_range);
    EXPECT_THROW(factor(9), std::out_of_range);
}

TEST(Load, SetsTheInitialUnitsAndLabelsWithoutConverting) {
    ConverterState state;
    ConverterTexts texts;
    loadConverter(state, texts);
    EXPECT_EQ(state.Modo, kLengthFamily);
    EXPECT_EQ(state.UnidadA, 2);
    EXPECT_EQ(state.UnidadB, 4);
    EXPECT_EQ(state.Caja, 0);
    EXPECT_EQ(state.AreaA, 2);
    EXPECT_EQ(state.AreaB, 4);
    EXPECT_EQ(state.LongitudA, 2);
    EXPECT_EQ(state.LongitudB, 4);
    EXPECT_EQ(state.VolumenA, 2);
    EXPECT_EQ(state.VolumenB, 5);
    EXPECT_EQ(texts.lblUnidad1Caption, "Centímetros");
    EXPECT_EQ(texts.lblUnidad1ToolTip, "Centímetros (cm)");
    EXPECT_EQ(texts.lblUnidad2Caption, "Metros");
    EXPECT_EQ(texts.lblUnidad2ToolTip, "Metros (m)");
    EXPECT_EQ(texts.txtCajaA, "0");
    EXPECT_EQ(texts.txtCajaB, "0");
    EXPECT_EQ(texts.lblSafe, "");
    EXPECT_EQ(state.Salida, "");
}

TEST(ChooseFamily, ConvertsAtOnceWithTheRememberedUnits) {
    Converter c;
    c.state.Caja = 1;
    c.texts.txtCajaA = "5";
    chooseFamily(c.state, c.texts, kAreaFamily);
    EXPECT_EQ(c.texts.lblUnidad1Caption, "Centímetros cuadrados");
    EXPECT_EQ(c.texts.lblUnidad2Caption, "Metros cuadrados");
    EXPECT_EQ(c.texts.txtCajaB, "0.0005");
    chooseFamily(c.state, c.texts, kVolumeFamily);
    EXPECT_EQ(c.texts.lblUnidad1Caption, "Mililitros");
    EXPECT_EQ(c.texts.lblUnidad2Caption, "Litros");
    EXPECT_EQ(c.texts.lblUnidad2ToolTip, "Litros (l)/Decímetros cúbicos (dm³)");
    EXPECT_EQ(c.texts.txtCajaB, "0.005");
    for (int i = 0; i < 5; ++i) {
        stepUnit(c.state, c.texts, 1, Step::Next);  // Mililitros to Hectolitros
    }
    EXPECT_EQ(c.texts.lblUnidad1Caption, "Hectolitros");
    EXPECT_EQ(c.texts.txtCajaB, "500");
    chooseFamily(c.state, c.texts, kAreaFamily);
    chooseFamily(c.state, c.texts, kVolumeFamily);
    EXPECT_EQ(c.texts.lblUnidad1Caption, "Hectolitros");
    EXPECT_EQ(c.state.UnidadA, 7);
    EXPECT_EQ(c.state.VolumenA, 7);
    EXPECT_EQ(c.state.AreaA, 2);
    EXPECT_EQ(c.texts.txtCajaB, "500");
}

TEST(ChooseFamily, AnUnknownFamilyChangesNothing) {
    Converter c;
    c.state.Caja = 1;
    const ConverterState state = c.state;
    const ConverterTexts texts = c.texts;
    for (int modo : {0, 4, -1, 70000}) {
        chooseFamily(c.state, c.texts, modo);
        EXPECT_EQ(c.state, state) << modo;
        EXPECT_EQ(c.texts, texts) << modo;
    }
}

TEST(StepUnit, KeepsTheNumberAndConvertsFromTheSteppedBox) {
    Converter c;
    c.state.Caja = 1;
    c.texts.txtCajaA = "5";
    GoConvert(c.state, c.texts);
    ASSERT_EQ(c.texts.txtCajaB, "0.05");
    stepUnit(c.state, c.texts, 2, Step::Previous);  // box B: Metros to Decímetros
    EXPECT_EQ(c.state.Caja, 2);
    EXPECT_EQ(c.texts.lblUnidad2Caption, "Decímetros");
    EXPECT_EQ(c.state.LongitudB, 3);
    EXPECT_EQ(c.texts.txtCajaB, "0.05");
    EXPECT_EQ(c.texts.txtCajaA, "0.5");
    stepUnit(c.state, c.texts, 1, Step::Next);  // box A: Centímetros to Decímetros
    EXPECT_EQ(c.state.Caja, 1);
    EXPECT_EQ(c.texts.txtCajaA, "0.5");
    EXPECT_EQ(c.texts.txtCajaB, "0.5");
    const ConverterState state = c.state;
    const ConverterTexts texts = c.texts;
    for (int caja : {0, 3, -1}) {
        stepUnit(c.state, c.texts, caja, Step::Next);
        EXPECT_EQ(c.state, state) << caja;
        EXPECT_EQ(c.texts, texts) << caja;
    }
}

TEST(SteppedUnit, WrapsAroundAtBothEnds) {
    for (std::int16_t modo = 1; modo <= 3; ++modo) {
        const int count = unitCount(modo);
        for (int unit = 1; unit <= count; ++unit) {
            const auto u = static_cast<std::int16_t>(unit);
            EXPECT_EQ(steppedUnit(u, modo, Step::Previous), unit == 1 ? count : unit - 1);
            EXPECT_EQ(steppedUnit(u, modo, Step::Next), unit == count ? 1 : unit + 1);
        }
    }
}

TEST(SteppedUnit, AnyIndexLandsInTheTable) {
    for (std::int16_t modo = 1; modo <= 3; ++modo) {
        const int count = unitCount(modo);
        for (int unit = std::numeric_limits<std::int16_t>::min();
             unit <= std::numeric_limits<std::int16_t>::max(); ++unit) {
            const auto u = static_cast<std::int16_t>(unit);
            const int previous = steppedUnit(u, modo, Step::Previous);
            const int next = steppedUnit(u, modo, Step::Next);
            ASSERT_TRUE(previous >= 1 && previous <= count) << modo << " " << unit;
            ASSERT_TRUE(next >= 1 && next <= count) << modo << " " << unit;
        }
        EXPECT_EQ(steppedUnit(0, modo, Step::Previous), count);
        EXPECT_EQ(steppedUnit(static_cast<std::int16_t>(count + 1), modo, Step::Previous), count);
        EXPECT_EQ(steppedUnit(static_cast<std::int16_t>(count + 1), modo, Step::Next), 1);
        EXPECT_EQ(steppedUnit(-5, modo, Step::Next), 1);
    }
    for (std::int16_t modo : {0, 4, -1}) {
        EXPECT_EQ(steppedUnit(3, modo, Step::Next), 3);
        EXPECT_EQ(steppedUnit(3, modo, Step::Previous), 3);
    }
}

TEST(Guards, UnitsOutsideTheTableChangeNoLabel) {
    for (std::int16_t unit : {0, -1, 8, 9, 32767, -32768}) {
        Converter c;
        const ConverterState state = c.state;
        const ConverterTexts texts = c.texts;
        c.state.UnidadA = unit;
        c.state.UnidadB = unit;
        EXPECT_NO_THROW(ConvertA(c.state, c.texts));
        EXPECT_NO_THROW(ConvertB(c.state, c.texts));
        EXPECT_EQ(c.texts, texts) << unit;
        EXPECT_EQ(c.state.LongitudA, state.LongitudA) << unit;
        EXPECT_EQ(c.state.LongitudB, state.LongitudB) << unit;
    }
    Converter c;
    const ConverterTexts texts = c.texts;
    for (std::int16_t modo : {0, 4, -1, 32767}) {
        c.state.Modo = modo;
        EXPECT_NO_THROW(ConvertA(c.state, c.texts));
        EXPECT_NO_THROW(ConvertB(c.state, c.texts));
        EXPECT_EQ(c.texts, texts) << modo;
    }
}

TEST(Guards, ConversionsWithUnitsOutsideTheTableKeepTheirTexts) {
    Converter c;
    c.convert(2, 2, 4, "5");
    ASSERT_EQ(c.texts.lblSafe, "0.05");
    // A source outside the table keeps the base value; the target still converts it.
    EXPECT_NO_THROW(c.convert(2, 8, 2, "7"));
    EXPECT_EQ(c.texts.lblSafe, "0.05");
    EXPECT_EQ(c.texts.txtCajaB, "5");
    // A target outside the table keeps the last result.
    EXPECT_NO_THROW(c.convert(2, 4, 0, "9"));
    EXPECT_EQ(c.texts.lblSafe, "9");
    EXPECT_EQ(c.state.Salida, "5");
    for (std::int16_t modo : {0, 4, -1, -32768}) {
        EXPECT_NO_THROW(c.convert(modo, 1, 1, "3"));
        EXPECT_EQ(c.texts.lblSafe, "9") << modo;
        EXPECT_EQ(c.state.Salida, "5") << modo;
    }
    for (std::int16_t unit : {-32768, -1, 9, 32767}) {
        EXPECT_NO_THROW(c.convert(3, unit, unit, "3"));
        EXPECT_EQ(c.texts.lblSafe, "9") << unit;
        EXPECT_EQ(c.state.Salida, "5") << unit;
    }
}

}  // namespace
}  // namespace zelmora
