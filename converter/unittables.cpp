#include "converter/unittables.h"

namespace zelmora {
namespace {

// Both factor columns are written out: each is the double nearest to its decimal value, which
// the reciprocal of the other column is not always.
// clang-format off
constexpr UnitRow kArea[] = {
    {"Milímetros cuadrados",  "Milímetros cuadrados (mm²)",                 0.000001, 1000000},
    {"Centímetros cuadrados", "Centímetros cuadrados (cm²)",                0.0001,   10000},
    {"Decímetros cuadrados",  "Decímetros (dm²)",                           0.01,     100},
    {"Metros cuadrados",      "Metros cuadrados (m²)",                      1,        1},
    {"Áreas",                 "Áreas (a)/Decámetros cuadrados (dam²)",      100,      0.01},
    {"Hectáreas",             "Hectáreas (ha)/Hectómetros cuadrados (hm²)", 10000,    0.0001},
    {"Kilómetros cuadrados",  "Kilómetros cuadrados (km²)",                 1000000,  0.000001},
};

constexpr UnitRow kLength[] = {
    {"Milímetros",  "Milímetros (mm)",  0.001, 1000},
    {"Centímetros", "Centímetros (cm)", 0.01,  100},
    {"Decímetros",  "Decímetros (dm)",  0.1,   10},
    {"Metros",      "Metros (m)",       1,     1},
    {"Decametros",  "Decámetros (dam)", 10,    0.1},
    {"Hectómetros", "Hectómetros (hm)", 100,   0.01},
    {"Kilómetros",  "Kilómetros (km)",  1000,  0.001},
};

constexpr UnitRow kVolume[] = {
    {"Microlitros",    "Microlitros (µl)/Milímetros cúbicos (mm³)", 0.000001, 1000000},
    {"Mililitros",     "Mililitros (ml)/Centímetros cúbicos (cm³)", 0.001,    1000},
    {"Centilitros",    "Centilitros (cl)",                          0.01,     100},
    {"Decilitros",     "Decilitros (dl)",                           0.1,      10},
    {"Litros",         "Litros (l)/Decímetros cúbicos (dm³)",       1,        1},
    {"Decalitros",     "Decalitros (dal³)",                         10,       0.1},
    {"Hectolitros",    "Hectolitros (hl)",                          100,      0.01},
    {"Metros cúbicos", "Metros cúbicos (m³)/Kilolitros (kl)",       1000,     0.001},
};
// clang-format on

// A family: the name on its option button and its table of units.
struct Family {
    std::string_view name;
    std::span<const UnitRow> units;
};

// By family number, from kAreaFamily.
const Family kFamilies[] = {{"Área", kArea}, {"Longitud", kLength}, {"Volumen", kVolume}};
static_assert(kAreaFamily == 1 && kLengthFamily == 2 && kVolumeFamily == 3);

// The family of the number, or nothing for a number that names none.
const Family* family(int modo) {
    return modo >= kAreaFamily && modo <= kVolumeFamily ? &kFamilies[modo - kAreaFamily] : nullptr;
}

}  // namespace

std::string_view familyName(int modo) {
    const Family* found = family(modo);
    return found != nullptr ? found->name : std::string_view();
}

std::span<const UnitRow> unitTable(int modo) {
    const Family* found = family(modo);
    return found != nullptr ? found->units : std::span<const UnitRow>();
}

int unitCount(int modo) {
    return static_cast<int>(unitTable(modo).size());
}

bool isUnitIndex(int modo, int unidad) {
    return unidad >= 1 && unidad <= unitCount(modo);
}

const UnitRow& unitRow(int modo, int unidad) {
    return unitTable(modo)[static_cast<std::size_t>(unidad - 1)];
}

}  // namespace zelmora
