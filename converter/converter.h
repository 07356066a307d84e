#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/numbertext.h"

// The unit converter without its window: the state of one converter window, the texts that the
// window shows, and the routines that its handlers call. A conversion runs in two steps through
// the family's base unit, each written as general number text, so the base value is rounded to
// 15 significant digits between them.
namespace zelmora {

inline constexpr std::string_view kConverterTitle = "CONVERTIDOR DE UNIDADES";

// The to-base factors of the current family: eight doubles indexed from 1, as the unit tables
// are. An index outside 1 to 8 throws std::out_of_range.
class FactorArray {
  public:
    static constexpr int kSize = 8;

    double& operator()(int index) { return values_.at(position(index)); }
    double operator()(int index) const { return values_.at(position(index)); }
    bool operator==(const FactorArray&) const = default;

  private:
    static std::size_t position(int index) { return static_cast<std::size_t>(index - 1); }

    std::array<double, kSize> values_{};
};

struct ConverterState {
    std::int16_t Modo = 0;     // 1 "Área", 2 "Longitud", 3 "Volumen"
    std::int16_t UnidadA = 0;  // box A's unit, 1-based in the family's table
    std::int16_t UnidadB = 0;  // box B's unit
    std::int16_t Caja = 0;     // the active box: 0 none yet, 1 box A, 2 box B
    std::int16_t Origen = 0;   // the unit the last conversion started from
    std::int16_t Destino = 0;  // the unit the last conversion went to
    std::string Entrada;       // the active box's text when the last conversion started
    std::string Salida;        // the text of the last result
    FactorArray Factor;
    // The unit each box had when its family was last shown.
    std::int16_t AreaA = 0;
    std::int16_t AreaB = 0;
    std::int16_t LongitudA = 0;
    std::int16_t LongitudB = 0;
    std::int16_t VolumenA = 0;
    std::int16_t VolumenB = 0;

    bool operator==(const ConverterState&) const = default;
};

// What the converter window shows, in UTF-8; the window mirrors these into its controls.
struct ConverterTexts {
    std::string txtCajaA{kEmptyBox};
    std::string txtCajaB{kEmptyBox};
    std::string lblUnidad1Caption;
    std::string lblUnidad1ToolTip;
    std::string lblUnidad2Caption;
    std::string lblUnidad2ToolTip;
    std::string lblSafe;  // the base value of the last conversion, never shown

    bool operator==(const ConverterTexts&) const = default;
};

// Loads Factor(1) to Factor(7), or to Factor(8) for "Volumen", with the to-base factors of the
// current family; the other entries keep their values.
void Unidades(ConverterState& state);

// Shows unit UnidadA of the current family under box A and remembers it as the family's unit for
// box A. An index outside the family's table changes nothing.
void ConvertA(ConverterState& state, ConverterTexts& texts);

// The same for box B.
void ConvertB(ConverterState& state, ConverterTexts& texts);

// Converts the active box's number into the other box: its text times the source unit's to-base
// factor becomes the base-value text, then Conversion finishes. The active box's own text is
// never rewritten. A number or product beyond the range of a double makes the other box show
// the overflow text, and so does a source box that shows it.
void GoConvert(ConverterState& state, ConverterTexts& texts);

// The second step of GoConvert: the base-value text times the target unit's from-base factor
// becomes Salida, which is written into the box that is not active.
void Conversion(ConverterState& state, ConverterTexts& texts);

// The window's load step: the first units of every family, "Longitud" chosen, both unit labels
// shown. No conversion runs.
void loadConverter(ConverterState& state, ConverterTexts& texts);

// A family chosen by its number: the boxes take the family's remembered units and the active box
// is converted at once. A number that names no family changes nothing.
void chooseFamily(ConverterState& state, ConverterTexts& texts, int modo);

enum class Step { Previous, Next };

// The unit one step away in the family's table, wrapping around at both ends. An index outside
// the table lands on its last unit (Previous) or its first (Next). For a number that names no
// family the unit is returned unchanged.
std::int16_t steppedUnit(std::int16_t unidad, std::int16_t modo, Step step);

// An arrow button of box A (caja 1) or box B (caja 2): steps that box's unit, shows it, makes that
// box the active one and converts from it into the other. Any other caja changes nothing.
void stepUnit(ConverterState& state, ConverterTexts& texts, int caja, Step step);

}  // namespace zelmora
