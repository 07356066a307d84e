#pragma once

#include <array>
#include <string_view>

// The texts of the menu and of the manual link, which the windows show and the manual names.
namespace zelmora {

inline constexpr std::string_view kMenuTitle = "ZELMORA";
inline constexpr std::array<std::string_view, 2> kMenuHeadings = {
    "BIENVENIDO A ZELMORA", "Seleccione una categoría para empezar:"};

// The status strip: what the pointer rests on.
inline constexpr std::string_view kWelcome = "BIENVENIDO";
inline constexpr std::string_view kOpenOptions = "ABRIR OPCIONES";
inline constexpr std::string_view kCloseOptions = "CERRAR OPCIONES";

// A picture or link of the menu: its accessible name and the status text it shows.
struct MenuEntryTexts {
    std::string_view name;
    std::string_view status;
};
// The three pictures, cmdButton(0) to cmdButton(2).
inline constexpr std::array<MenuEntryTexts, 3> kToolTexts = {{
    {"Calcular figuras", "CALCULAR FIGURAS"},
    {"Teorema de Pitágoras", "TEOREMA DE PITÁGORAS"},
    {"Convertidor de unidades", "CONVERTIDOR DE UNIDADES"},
}};
inline constexpr MenuEntryTexts kAboutLinkTexts = {"Acerca de Zelmora", "ACERCA DE ZELMORA"};
inline constexpr MenuEntryTexts kManualLinkTexts = {"Manual de Zelmora", "MANUAL DE ZELMORA"};
inline constexpr std::string_view kOptionsName = "Opciones";

// The figures pop-up's items, from the top; the separator stands before the last.
inline constexpr std::array<std::string_view, 4> kFigureItems = {"Perímetro", "Área", "Volumen",
                                                                 "Cancelar"};

inline constexpr std::string_view kCloseQuestion = "¿Seguro de querer cerrar el programa?";

// What the manual link says when it cannot open the manual.
inline constexpr std::string_view kNoConnection =
    "Se requiere una conexión a Internet, intente más tarde.";

}  // namespace zelmora
