#include "converter/converter.h"

#include "common/numbertext.h"
#include "converter/unittables.h"

namespace zelmora {
namespace {

// Where the family remembers the unit of box A (caja 1) or box B (caja 2); none for a number
// that names no family.
std::int16_t* rememberedUnit(ConverterState& state, int modo, int caja) {
    const bool boxA = caja == 1;
    switch (modo) {
        case kAreaFamily:
            return boxA ? &state.AreaA : &state.AreaB;
        case kLengthFamily:
            return boxA ? &state.LongitudA : &state.LongitudB;
        case kVolumeFamily:
            return boxA ? &state.VolumenA : &state.VolumenB;
        default:
            return nullptr;
    }
}

void showUnit(ConverterState& state, std::int16_t unidad, int caja, std::string& caption,
              std::string& toolTip) {
    if (!isUnitIndex(state.Modo, unidad)) {
        return;
    }
    const UnitRow& row = unitRow(state.Modo, unidad);
    caption = row.fullName;
    toolTip = row.labelledName;
    *rememberedUnit(state, state.Modo, caja) = unidad;
}

}  // namespace

void Unidades(ConverterState& state) {
    const auto table = unitTable(state.Modo);
    for (std::size_t i = 0; i < table.size(); ++i) {
        state.Factor(static_cast<int>(i) + 1) = table[i].toBase;
    }
}

void ConvertA(ConverterState& state, ConverterTexts& texts) {
    showUnit(state, state.UnidadA, 1, texts.lblUnidad1Caption, texts.lblUnidad1ToolTip);
}

void ConvertB(ConverterState& state, ConverterTexts& texts) {
    showUnit(state, state.UnidadB, 2, texts.lblUnidad2Caption, texts.lblUnidad2ToolTip);
}

void GoConvert(ConverterState& state, ConverterTexts& texts) {
    if (state.Caja == 1) {
        state.Entrada = texts.txtCajaA;
        state.Origen = state.UnidadA;
        state.Destino = state.UnidadB;
    } else if (state.Caja == 2) {
        state.Entrada = texts.txtCajaB;
        state.Origen = state.UnidadB;
        state.Destino = state.UnidadA;
    }
    Unidades(state);
    if (isUnitIndex(state.Modo, state.Origen)) {
        // A typed number beyond a double reads as an infinity, and a product beyond it is one;
        // either way the base-value text becomes the overflow text. A box that shows the
        // overflow text holds a quantity too large to tell, not a 0.
        texts.lblSafe = state.Entrada == kOverflowText
                            ? std::string(kOverflowText)
                            : generalNumberText(parseLeadingNumber(state.Entrada).value *
                                                state.Factor(state.Origen));
    }
    Conversion(state, texts);
}

void Conversion(ConverterState& state, ConverterTexts& texts) {
    if (isUnitIndex(state.Modo, state.Destino)) {
        // The overflow text would read back as 0, so an overflow is carried through by name.
        const ParsedNumber base = parseLeadingNumber(texts.lblSafe);
        if (texts.lblSafe == kOverflowText || base.outOfRange) {
            state.Salida = kOverflowText;
        } else {
            state.Salida =
                generalNumberText(base.value * unitRow(state.Modo, state.Destino).fromBase);
        }
    }
    if (state.Caja == 1) {
        texts.txtCajaB = state.Salida;
    } else if (state.Caja == 2) {
        texts.txtCajaA = state.Salida;
    }
}

void loadConverter(ConverterState& state, ConverterTexts& texts) {
    state.Modo = kLengthFamily;
    state.UnidadA = 2;
    state.UnidadB = 4;
    state.AreaA = 2;
    state.AreaB = 4;
    state.LongitudA = 2;
    state.LongitudB = 4;
    state.VolumenA = 2;
    state.VolumenB = 5;
    ConvertB(state, texts);
    ConvertA(state, texts);
}

void chooseFamily(ConverterState& state, ConverterTexts& texts, int modo) {
    if (unitCount(modo) == 0) {
        return;
    }
    state.Modo = static_cast<std::int16_t>(modo);
    state.UnidadA = *rememberedUnit(state, modo, 1);
    state.UnidadB = *rememberedUnit(state, modo, 2);
    ConvertB(state, texts);
    ConvertA(state, texts);
    GoConvert(state, texts);
}

std::int16_t steppedUnit(std::int16_t unidad, std::int16_t modo, Step step) {
    const int count = unitCount(modo);
    if (count == 0) {
        return unidad;
    }
    int unit = unidad;
    if (step == Step::Previous) {
        if (unit <= 1 || unit > count) {
            unit = count + 1;
        }
        return static_cast<std::int16_t>(unit - 1);
    }
    if (unit >= count || unit < 1) {
        unit = 0;
    }
    return static_cast<std::int16_t>(unit + 1);
}

void stepUnit(ConverterState& state, ConverterTexts& texts, int caja, Step step) {
    if (caja == 1) {
        state.UnidadA = steppedUnit(state.UnidadA, state.Modo, step);
        ConvertA(state, texts);
    } else if (caja == 2) {
        state.UnidadB = steppedUnit(state.UnidadB, state.Modo, step);
        ConvertB(state, texts);
    } else {
        return;
    }
    state.Caja = static_cast<std::int16_t>(caja);
    GoConvert(state, texts);
}

}  // namespace zelmora
