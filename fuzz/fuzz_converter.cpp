#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/numbertext.h"
#include "converter/converter.h"
#include "converter/unittables.h"
#include "fuzz/properties.h"

// The unit converter driven as a user drives its window: the bytes are a sequence of actions
// (typing into a box, Enter, the arrow buttons, a family option, moving the focus) applied to
// one converter. After every action the units lie within their tables, the unit labels name the
// boxes' units, the active box keeps the text typed into it, and every text the converter wrote
// is the overflow word or a general number text that reads back to itself and is the typed
// quantity in the other unit.
namespace {

using namespace zelmora;
using zelmora::fuzz::isOutputText;
using zelmora::fuzz::Reader;

struct Converter {
    ConverterState state;
    ConverterTexts texts;
    // The text last typed into each box, while the converter has not written over it.
    std::optional<std::string> typedA = std::string("0");
    std::optional<std::string> typedB = std::string("0");
};

// Whether the index names a unit of the family: the families' sizes as the converter's design
// gives them (seven areas, seven lengths, eight volumes), not as the tables count them, and the
// tables' own check agreeing.
bool inFamily(int modo, int unidad) {
    const int size = modo == kVolumeFamily ? 8 : 7;
    const bool named = unidad >= 1 && unidad <= size;
    FUZZ_CHECK(isUnitIndex(modo, unidad) == named);
    return named;
}

void checkBox(const std::string& text, const std::optional<std::string>& typed) {
    FUZZ_CHECK((typed && text == *typed) || isOutputText(text));
}

void checkInvariants(const Converter& c) {
    const ConverterState& s = c.state;
    FUZZ_CHECK(s.Modo >= kAreaFamily && s.Modo <= kVolumeFamily);
    FUZZ_CHECK(inFamily(s.Modo, s.UnidadA));
    FUZZ_CHECK(inFamily(s.Modo, s.UnidadB));
    FUZZ_CHECK(inFamily(kAreaFamily, s.AreaA) && inFamily(kAreaFamily, s.AreaB));
    FUZZ_CHECK(inFamily(kLengthFamily, s.LongitudA) && inFamily(kLengthFamily, s.LongitudB));
    FUZZ_CHECK(inFamily(kVolumeFamily, s.VolumenA) && inFamily(kVolumeFamily, s.VolumenB));
    FUZZ_CHECK(s.Caja >= 0 && s.Caja <= 2);
    FUZZ_CHECK(s.Origen >= 0 && s.Origen <= 8 && s.Destino >= 0 && s.Destino <= 8);
    // The labels name the units of the boxes.
    FUZZ_CHECK(c.texts.lblUnidad1Caption == unitRow(s.Modo, s.UnidadA).fullName);
    FUZZ_CHECK(c.texts.lblUnidad1ToolTip == unitRow(s.Modo, s.UnidadA).labelledName);
    FUZZ_CHECK(c.texts.lblUnidad2Caption == unitRow(s.Modo, s.UnidadB).fullName);
    FUZZ_CHECK(c.texts.lblUnidad2ToolTip == unitRow(s.Modo, s.UnidadB).labelledName);
    checkBox(c.texts.txtCajaA, c.typedA);
    checkBox(c.texts.txtCajaB, c.typedB);
    FUZZ_CHECK(c.texts.lblSafe.empty() || isOutputText(c.texts.lblSafe));
    FUZZ_CHECK(s.Salida.empty() || isOutputText(s.Salida));
}

// After a conversion from the active box: the other box holds the typed quantity in its unit,
// to the two 15-digit roundings on the way through the base unit.
void checkConversion(const Converter& before, const Converter& after) {
    const ConverterState& s = after.state;
    if (s.Caja == 0) {
        FUZZ_CHECK(after.texts.txtCajaA == before.texts.txtCajaA);
        FUZZ_CHECK(after.texts.txtCajaB == before.texts.txtCajaB);
        return;
    }
    const bool fromA = s.Caja == 1;
    const std::string& source = fromA ? after.texts.txtCajaA : after.texts.txtCajaB;
    const std::string& target = fromA ? after.texts.txtCajaB : after.texts.txtCajaA;
    // The active box is never rewritten.
    FUZZ_CHECK(source == (fromA ? before.texts.txtCajaA : before.texts.txtCajaB));
    FUZZ_CHECK(s.Origen == (fromA ? s.UnidadA : s.UnidadB));
    FUZZ_CHECK(s.Destino == (fromA ? s.UnidadB : s.UnidadA));
    FUZZ_CHECK(target == s.Salida);
    const ParsedNumber typed = parseLeadingNumber(source);
    if (source == kOverflowText || typed.outOfRange) {
        FUZZ_CHECK(target == kOverflowText);
        return;
    }
    const double expected =
        typed.value * unitRow(s.Modo, s.Origen).toBase * unitRow(s.Modo, s.Destino).fromBase;
    const double base = typed.value * unitRow(s.Modo, s.Origen).toBase;
    if (std::fabs(base) < 1e300 && std::fabs(expected) < 1e300 &&
        (expected == 0 || (std::fabs(base) > 1e-290 && std::fabs(expected) > 1e-290))) {
        FUZZ_CHECK(target != kOverflowText);
        FUZZ_CHECK(std::fabs(leadingNumber(target) - expected) <= std::fabs(expected) * 2e-14);
    }
}

Step stepOf(std::uint8_t b) {
    return (b & 1) != 0 ? Step::Next : Step::Previous;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    Converter c;
    loadConverter(c.state, c.texts);
    checkInvariants(c);
    // A bounded number of actions keeps every input quick.
    for (int actions = 0; actions < 256 && !in.empty(); ++actions) {
        const Converter before = c;
        const std::uint8_t action = in.byte();
        switch (action % 10) {
            case 0:  // typing into box A: the box takes the whole text
                c.texts.txtCajaA = std::string(in.text());
                c.typedA = c.texts.txtCajaA;
                break;
            case 1:
                c.texts.txtCajaB = std::string(in.text());
                c.typedB = c.texts.txtCajaB;
                break;
            case 2:  // Enter in the active box
                GoConvert(c.state, c.texts);
                checkConversion(before, c);
                break;
            case 3:  // focus on box A
                c.state.Caja = 1;
                break;
            case 4:
                c.state.Caja = 2;
                break;
            case 5:  // an arrow button of box A or box B
            case 6: {
                const int caja = action % 10 == 5 ? 1 : 2;
                stepUnit(c.state, c.texts, caja, stepOf(in.byte()));
                FUZZ_CHECK(c.state.Caja == caja);
                checkConversion(before, c);
                break;
            }
            case 7: {  // a family option, or a number that names no family
                const int modo = static_cast<std::int8_t>(in.byte()) % 6;
                chooseFamily(c.state, c.texts, modo);
                if (unitCount(modo) == 0) {
                    FUZZ_CHECK(c.state == before.state && c.texts == before.texts);
                } else {
                    FUZZ_CHECK(c.state.Modo == modo);
                    checkConversion(before, c);
                }
                break;
            }
            case 8: {  // an arrow of no box changes nothing
                int caja = static_cast<std::int8_t>(in.byte());
                if (caja == 1 || caja == 2) {
                    caja = 0;
                }
                stepUnit(c.state, c.texts, caja, stepOf(in.byte()));
                FUZZ_CHECK(c.state == before.state && c.texts == before.texts);
                break;
            }
            default:  // the focus leaves both boxes' texts as they are
                break;
        }
        // What the converter wrote over a typed text is no longer the user's.
        if (c.texts.txtCajaA != before.texts.txtCajaA && action % 10 != 0) {
            c.typedA.reset();
        }
        if (c.texts.txtCajaB != before.texts.txtCajaB && action % 10 != 1) {
            c.typedB.reset();
        }
        checkInvariants(c);
    }
    return 0;
}
