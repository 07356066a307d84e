#pragma once

#include <span>
#include <string_view>

// The converter's three families of metric units, each an ordered table indexed from 1.
namespace zelmora {

struct UnitRow {
    std::string_view fullName;      // the unit label's caption
    std::string_view labelledName;  // the unit label's tool tip
    double toBase;                  // from this unit to the family's base unit
    double fromBase;                // from the family's base unit to this unit
};

// Family numbers as the option buttons give them.
inline constexpr int kAreaFamily = 1;    // "Área", base unit the square metre
inline constexpr int kLengthFamily = 2;  // "Longitud", base unit the metre
inline constexpr int kVolumeFamily = 3;  // "Volumen", base unit the litre

// The family's name on its option button, by family number; empty for a number that names no
// family.
std::string_view familyName(int modo);

// The family's table; empty for a number that names no family.
std::span<const UnitRow> unitTable(int modo);

// 7 for "Área" and "Longitud", 8 for "Volumen", 0 for a number that names no family.
int unitCount(int modo);

// Whether unidad is a 1-based index of the family's table.
bool isUnitIndex(int modo, int unidad);

// The row of a unit; only for an index that isUnitIndex accepts.
const UnitRow& unitRow(int modo, int unidad);

}  // namespace zelmora
