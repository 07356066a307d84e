// Writes the user's manual, one Spanish HTML page, from the program's own tables, so that the
// manual names exactly the figures, formulas, units, texts and messages that the program shows:
//   zelmora-manual PICTURES_DIR MANUAL_DIR VERSION
// PICTURES_DIR holds the render tool's pictures of the windows, drawn at twice the screen's scale;
// the page, zelmora-help.html, and the pictures it shows go to MANUAL_DIR. Every worked example is
// computed here by the program's core; an example that no longer gives what the text around it
// says stops the build instead of shipping a manual that disagrees with the program.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calculators/figuretable.h"
#include "common/basvar.h"
#include "common/numbertext.h"
#include "converter/converter.h"
#include "converter/unittables.h"
#include "shell/piprecision.h"
#include "shell/shelltexts.h"
#include "solver/solver.h"
#include "tools/manualpage.h"

namespace fs = std::filesystem;
using namespace zelmora;
using namespace zelmora::manual;

namespace {

void writeHead(ManualWriter& page) {
    page.add(R"(<!DOCTYPE html>
<html lang="es">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Manual de Zelmora</title>
<style>
body { font-family: Carlito, Calibri, "Liberation Sans", Arial, sans-serif; font-size: 1.05rem;
  line-height: 1.5; color: #1a1a1a; background: #fafafa; max-width: 52rem; margin: 0 auto;
  padding: 1rem 1.5rem 3rem; }
header { border-bottom: 4px solid #fa2828; margin-bottom: 1.5rem; }
h1 { font-size: 2.2rem; margin: 0.5rem 0 0.25rem; letter-spacing: 0.04em; }
h2 { font-size: 1.5rem; margin-top: 2.5rem; padding-bottom: 0.2rem; border-bottom: 2px solid #ccc; }
h3 { font-size: 1.2rem; margin-top: 1.8rem; }
a { color: #0b57a4; }
code, kbd { font-family: "DejaVu Sans Mono", "Liberation Mono", monospace; font-size: 0.92em; }
code { background: #ffffc0; padding: 0 0.2em; border-radius: 3px; }
kbd { border: 1px solid #999; border-bottom-width: 2px; border-radius: 4px; padding: 0 0.3em;
  background: #fff; }
nav { background: #fff; border: 1px solid #ddd; border-radius: 6px; padding: 0.5rem 1.5rem; }
nav h2 { margin-top: 0.5rem; border: none; font-size: 1.2rem; }
nav ol { columns: 2; margin-top: 0; }
nav ol ol { columns: 1; }
nav li { break-inside: avoid; }
figure { margin: 1.2rem 0; text-align: center; }
figure img { max-width: 100%; height: auto; border: 1px solid #bbb;
  box-shadow: 0 2px 6px rgba(0, 0, 0, 0.15); }
figcaption { font-size: 0.9rem; color: #444; margin-top: 0.4rem; }
table { border-collapse: collapse; margin: 1rem 0; width: 100%; background: #fff; }
caption { text-align: left; font-weight: bold; padding-bottom: 0.3rem; }
th, td { border: 1px solid #ccc; padding: 0.3rem 0.5rem; text-align: left; vertical-align: top; }
thead th { background: #e0e0e0; }
td ul { margin: 0; padding-left: 1.1rem; }
.nota { background: #fff; border-left: 4px solid #0b57a4; padding: 0.5rem 1rem; }
footer { margin-top: 3rem; font-size: 0.9rem; color: #555; border-top: 1px solid #ccc; }
@media print {
  body { background: #fff; max-width: none; font-size: 11pt; padding: 0; }
  a { color: inherit; text-decoration: none; }
  h2, h3 { break-after: avoid; }
  figure, table, .nota { break-inside: avoid; }
  figure img { box-shadow: none; }
}
</style>
</head>
<body>
<header>
<h1>Manual de Zelmora</h1>
<p>Zelmora es una calculadora para estudiantes: calcula áreas, perímetros y volúmenes de figuras,
completa triángulos rectángulos y proporciones (regla de tres) y convierte unidades métricas de
longitud, área y volumen. Este manual explica cada herramienta, cómo se escriben los números y qué
significa cada mensaje.</p>
</header>
<nav aria-labelledby="indice">
<h2 id="indice">Índice</h2>
<ol>
<li><a href="#inicio">Inicio del programa</a></li>
<li><a href="#menu">El menú principal</a></li>
<li><a href="#numeros">Cómo escribir los números</a></li>
<li><a href="#calculadoras">Las calculadoras de figuras</a>
<ol>
<li><a href="#area">Área</a></li>
<li><a href="#perimetro">Perímetro</a></li>
<li><a href="#volumen">Volumen</a></li>
</ol></li>
<li><a href="#pitagoras">Teorema de Pitágoras y regla de tres</a></li>
<li><a href="#convertidor">Convertidor de unidades</a></li>
<li><a href="#pi">Los decimales de Pi</a></li>
<li><a href="#teclado">Uso con el teclado</a></li>
<li><a href="#acerca">Acerca de Zelmora y este manual</a></li>
</ol>
</nav>
<main>
)");
}

void writeStartAndMenu(ManualWriter& page) {
    page.add(R"(<section id="inicio">
<h2>Inicio del programa</h2>
<p>Al abrir Zelmora aparece durante un par de segundos una presentación con el nombre del programa
y unas barras de colores. No hace falta tocar nada: al terminar se abre sola el menú principal.</p>
)");
    page.picture("frmInicio-end",
                 "Presentación de Zelmora: la palabra ZELMORA sobre fondo blanco, "
                 "cruzada por una columna amarilla y una banda roja que se encuentran en un "
                 "cuadrado naranja.",
                 "La presentación al terminar su animación.");
    const auto strong = [](std::string_view text) {
        return "<strong>" + escaped(text) + "</strong>";
    };
    page.add("</section>\n<section id=\"menu\">\n<h2>El menú principal</h2>\n<p>La ventana " +
             strong(kMenuTitle) + R"( es el punto de partida. Tiene tres dibujos, uno por
categoría; al pasar el puntero por encima, el dibujo se oscurece y la franja oscura de abajo dice
qué abre:</p>
<ul>
<li>El dibujo del cuadrado, el círculo y el triángulo ()" +
             strong(kToolTexts[0].status) + R"() abre un
menú emergente con las opciones )" +
             strong(kFigureItems[0]) + ", " + strong(kFigureItems[1]) + ",\n" +
             strong(kFigureItems[2]) + " y " + strong(kFigureItems[3]) +
             R"(. Las tres primeras abren la
<a href="#calculadoras">calculadora de figuras</a> correspondiente; )" +
             strong(kFigureItems[3]) + R"( (o
pulsar fuera del menú) no abre nada.</li>
<li>La cabeza con barba ()" +
             strong(kToolTexts[1].status) + R"() abre el
<a href="#pitagoras">solucionador de triángulos rectángulos y proporciones</a>.</li>
<li>La jarra y la cinta métrica ()" +
             strong(kToolTexts[2].status) + R"() abren el
<a href="#convertidor">convertidor de unidades</a>.</li>
</ul>
<p>Cada vez que elige una herramienta se abre una ventana nueva, aunque ya haya otra igual abierta:
puede tener, por ejemplo, dos calculadoras de área a la vez, cada una con sus propios datos. El
menú sigue abierto mientras tanto. Cada herramienta se cierra con el botón de cerrar de su
ventana.</p>
<p>En la franja oscura están además el engranaje ()" +
             strong(kOpenOptions) + R"(), que muestra el
<a href="#pi">panel de los decimales de Pi</a>, y dos enlaces pequeños a la derecha:
<strong>?</strong> ()" +
             strong(kManualLinkTexts.status) + R"() abre este manual y <strong>!</strong>
()" + strong(kAboutLinkTexts.status) +
             R"() muestra la <a href="#acerca">información del
programa</a>.</p>
)");
    page.picture(
        "frmMenuPrincipal",
        "Menú principal de Zelmora: el título " + std::string(kMenuHeadings[0]) +
            ", "
            "tres dibujos (figuras de colores, la cabeza de un hombre con barba, una jarra "
            "con agua y una cinta métrica) y debajo la franja oscura con el engranaje, el "
            "texto " +
            std::string(kWelcome) + " y los enlaces ? y !.",
        "El menú principal recién abierto.");
    page.add("<p>Al cerrar el menú, Zelmora pregunta <q>" + escaped(kCloseQuestion) + R"(</q>.
<strong>Sí</strong> cierra el programa entero, con todas las ventanas de herramientas que estén
abiertas; <strong>No</strong> lo deja todo como estaba.</p>
</section>
)");
}

struct ReadExample {
    std::string_view typed;
    std::string_view meaning;
};

void writeNumbers(ManualWriter& page) {
    page.add(R"(<section id="numeros">
<h2>Cómo escribir los números</h2>
<p>Todas las herramientas leen los números de la misma manera, sea cual sea el idioma del
ordenador:</p>
<ul>
<li>El separador decimal es el <strong>punto</strong>: escriba <code>2.5</code>, no
<code>2,5</code>. La coma no forma parte del número: el programa lee hasta ella.</li>
<li>Se lee el número con que empieza el texto; lo que sigue se ignora. Un texto que no empieza
por un número vale 0. Los espacios no cuentan.</li>
<li>Puede escribir un signo (<code>-3</code>) y un exponente de diez con la letra E
(<code>1E3</code> es 1000, <code>1E-6</code> es una millonésima).</li>
</ul>
<table>
<caption>Cómo lee Zelmora lo que se escribe</caption>
<thead><tr><th scope="col">Se escribe</th><th scope="col">Se lee</th><th scope="col">Por qué</th></tr></thead>
<tbody>
)");
    const ReadExample kRead[] = {
        {"2.5", "el punto separa los decimales"},
        {"2,5", "la coma termina el número"},
        {"12abc", "las letras terminan el número"},
        {"abc", "no empieza por un número"},
        {".5", "se puede omitir el cero antes del punto"},
        {"1 2.5", "los espacios se quitan"},
        {"1E3", "1 por 10 elevado a 3"},
        {"-3", "los números negativos se aceptan"},
    };
    for (const auto& [typed, meaning] : kRead) {
        page.add("<tr><td><code>" + escaped(typed) + "</code></td><td>" +
                 escaped(generalNumberText(leadingNumber(typed))) + "</td><td>" + escaped(meaning) +
                 "</td></tr>\n");
    }
    page.add(R"(</tbody>
</table>
<p>Los resultados se escriben con hasta 15 cifras significativas y siempre con punto decimal. Los
números muy pequeños (menores que 0.0001) o muy grandes (de mil billones en adelante) se escriben
con exponente: )");
    page.add("<code>" + generalNumberText(0.00001) + "</code> es 0.00001 y <code>" +
             generalNumberText(1e15) +
             "</code> es 1 seguido de 15 ceros. Así, un tercio se "
             "escribe <code>" +
             generalNumberText(1.0 / 3.0) + "</code>.</p>\n");

    // The converter turns a quantity that fits in a double into one that does not.
    ConverterState state;
    ConverterTexts texts;
    loadConverter(state, texts);
    chooseFamily(state, texts, kAreaFamily);
    state.UnidadA = 7;
    state.UnidadB = 1;
    texts.txtCajaA = "1E308";
    state.Caja = 1;
    GoConvert(state, texts);
    require(texts.txtCajaB == kOverflowText, "1E308 km² in mm² overflows");
    page.add(
        "<h3 id=\"desbordamiento\">Desbordamiento</h3>\n<p>Cuando un número escrito o un "
        "resultado es demasiado grande para el ordenador (por ejemplo <code>1E400</code>, o "
        "1E308 kilómetros cuadrados pasados a milímetros cuadrados), en lugar del número "
        "aparece la palabra <strong>" +
        escaped(kOverflowText) +
        "</strong>. El programa sigue funcionando: corrija el dato, o elija una unidad del "
        "resultado en la que el número quepa.</p>\n</section>\n");
}

void writeFigureTable(ManualWriter& page, const CalculatorTable& table, std::string_view id,
                      std::string_view picture, std::string_view alt, std::string_view note) {
    page.add("<section id=\"" + std::string(id) + "\">\n<h3>" + escaped(table.caption) + "</h3>\n");
    page.picture(picture, alt, std::string("La ventana ") + std::string(table.caption) + ".");
    page.add("<p>Unidades de las medidas: " + joined(table.measureUnits, ", ") +
             ". Unidades del resultado: " + joined(table.answerUnits, ", ") + ".</p>\n");
    if (!note.empty()) {
        page.add("<p>");
        page.add(note);
        page.add("</p>\n");
    }
    page.add("<table>\n<caption>Figuras de " + escaped(table.caption) +
             ", en el orden en que aparecen en la ventana</caption>\n"
             "<thead><tr><th scope=\"col\">Botón</th><th scope=\"col\">Nombre completo</th>"
             "<th scope=\"col\">Fórmula</th><th scope=\"col\">Medidas que se escriben</th>"
             "</tr></thead>\n<tbody>\n");
    for (const int option : table.columnOrder) {
        const FigureRow& figure = table.figures[static_cast<std::size_t>(option - 1)];
        const std::array<bool, 3> shown{true, figure.shown.text2, figure.shown.text3};
        const std::array<bool, 3> unit{true, figure.shown.combo2, figure.shown.combo3};
        std::string measures = "<ul>";
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i]) {
                measures += "<li>" + escaped(figure.measureNames[i]) +
                            (unit[i] ? "" : " <em>(sin unidad)</em>") + "</li>";
            }
        }
        measures += "</ul>";
        page.add("<tr><th scope=\"row\">" + escaped(figure.caption) + "</th><td>" +
                 escaped(trimmed(figure.toolTip)) + "</td><td><code>" +
                 escaped(figure.formulaText) + "</code></td><td>" + measures + "</td></tr>\n");
    }
    page.add("</tbody>\n</table>\n</section>\n");
}

void writeCalculators(ManualWriter& page) {
    const CalculatorTable& area = areaTable();
    const CalculatorTable& perimeter = perimeterTable();
    const CalculatorTable& volume = volumeTable();
    page.add(R"(<section id="calculadoras">
<h2>Las calculadoras de figuras</h2>
<p>Las tres calculadoras (área, perímetro y volumen) se usan igual:</p>
<ol>
<li>Elija la figura en la columna de la izquierda. Al pasar el puntero por un botón se ve el
nombre completo de la figura. Abajo aparecen su fórmula y su dibujo.</li>
<li>Escriba las medidas en las casillas blancas; cada casilla tiene encima el nombre de su medida.
Con <kbd>Intro</kbd> pasa a la casilla siguiente.</li>
<li>Elija la unidad en que están las medidas (a la derecha de la primera casilla) y la unidad en
que quiere el resultado (a la derecha del resultado).</li>
<li>Pulse <strong>@COMPUTE@</strong> (o <kbd>Intro</kbd> en la última casilla). El resultado
aparece en la casilla amarilla y el botón pasa a llamarse <strong>@CLEAR@</strong>.</li>
<li>Con el resultado a la vista puede elegir otra unidad del resultado: el mismo resultado se
muestra en la nueva unidad. <strong>@CLEAR@</strong>, o elegir otra figura, deja las casillas
listas para un cálculo nuevo.</li>
</ol>
<p>Por ejemplo, un CUADRADO de lado 3 en <code>cm</code> da 9 <code>cm²</code>; si después elige
<code>m²</code> como unidad del resultado, se muestra 0.0009.</p>
<p class="nota">Las calculadoras no comprueban los datos: una medida negativa o cero se usa tal
cual, y un texto que no es un número vale 0.</p>
<p>Cómo leer las fórmulas: <code>*</code> es multiplicar, <code>/</code> dividir, <code>²</code> y
<code>³</code> elevar al cuadrado y al cubo, <code>Pi</code> es el número π (vea
<a href="#pi">los decimales de Pi</a>), <code>#</code> es el número de lados del polígono y
<code>Raiz²(2)</code> la raíz cuadrada de 2. Las letras son las de cada medida (entre paréntesis
en su nombre).</p>
)");
    writeFigureTable(page, area, "area", "frmArea-trapecio",
                     std::string("Ventana ") + std::string(area.caption) +
                         " con la figura TRAPECIO elegida: base mayor 5, base menor 3, altura 2, "
                         "unidades cm y cm², y el resultado 8.",
                     "");
    writeFigureTable(page, perimeter, "perimetro", "frmPerimetro",
                     std::string("Ventana ") + std::string(perimeter.caption) +
                         " con la figura TRIÁNGULO elegida: lados 3, 4 y 5 en cm, y el resultado "
                         "12.",
                     "En el perímetro, la unidad del resultado es una longitud, como la de las "
                     "medidas. En el ROMBOIDE se escribe una base y una pared, y cada una cuenta "
                     "dos veces.");
    writeFigureTable(page, volume, "volumen", "frmVolumen",
                     std::string("Ventana ") + std::string(volume.caption) +
                         " con la figura PARALELEPÍPED. elegida: aristas 2, 3 y 4 en cm, y el "
                         "resultado 24 en cm³.",
                     "En el PRISMA y la PIRÁMIDE la primera medida es el área de la base, en la "
                     "unidad de medida al cuadrado. En la unidad del resultado también se puede "
                     "escribir: el resultado solo se convierte cuando el texto es una de las "
                     "cuatro unidades de la lista. Al cambiar la unidad de las medidas con un "
                     "resultado a la vista, elija de nuevo la unidad del resultado en la lista "
                     "para verlo convertido.");
    page.add("</section>\n");
}

std::string triangleResult(const TriangleTexts& boxes, bool fourDecimals, int box) {
    const SolverOutcome outcome = solveTriangle(boxes, fourDecimals);
    require(outcome.kind == SolverOutcome::Kind::Result && outcome.box == box,
            "a right triangle's side");
    return outcome.text;
}

std::string proportionResult(const ProportionTexts& boxes, bool fourDecimals, int box) {
    const SolverOutcome outcome = solveProportion(boxes, fourDecimals);
    require(outcome.kind == SolverOutcome::Kind::Result && outcome.box == box,
            "a proportion's term");
    return outcome.text;
}

void writeSolver(ManualWriter& page) {
    page.add(R"(<section id="pitagoras">
<h2>Teorema de Pitágoras y regla de tres</h2>
<p>La ventana <strong>@SOLVER@</strong> tiene dos calculadoras independientes, cada una
con su botón <strong>@SOLVE@</strong>. En las dos, el dato que falta se deja en
<code>0</code>, y el resultado se escribe en esa casilla.</p>
)");
    page.picture("frmPitagoras-resuelto",
                 "Ventana @SOLVER@: a la izquierda HIPOTENUSA 5, CATETO A 3 y "
                 "CATETO B 4; a la derecha la proporción 1 / 3 = -123.5 / -370.5, la casilla "
                 "@FOUR_DECIMALS@ marcada y dos botones @SOLVE@.",
                 "El solucionador después de resolver el triángulo y la proporción.");
    const std::string hypotenuse = triangleResult({"0", "3", "4"}, true, 0);
    const std::string legA = triangleResult({"5", "0", "4"}, true, 1);
    const std::string rootTicked = triangleResult({"0", "1", "1"}, true, 0);
    const std::string rootFull = triangleResult({"0", "1", "1"}, false, 0);
    page.add(
        "<h3>El triángulo rectángulo</h3>\n<p>Escriba dos de los tres lados "
        "(<strong>HIPOTENUSA</strong>, <strong>CATETO A</strong>, <strong>CATETO B</strong>) "
        "y deje el tercero en <code>0</code>. Ejemplos:</p>\n<ul>\n<li>Catetos 3 y 4, "
        "hipotenusa <code>0</code>: la hipotenusa es " +
        hypotenuse +
        ".</li>\n<li>Hipotenusa 5, cateto B 4 y cateto A <code>0</code>: el cateto A es " + legA +
        ".</li>\n<li>Catetos 1 y 1: la hipotenusa es " + rootTicked +
        " con <strong>@FOUR_DECIMALS@</strong> marcada, y " + rootFull +
        " sin marcar.</li>\n</ul>\n");
    const std::string fourth = proportionResult({"2", "3", "4", "0"}, true, 6);
    const std::string third = proportionResult({"3", "1", "1", "0"}, true, 6);
    page.add(
        "<h3>La proporción (regla de tres)</h3>\n<p>Las cuatro casillas de la derecha forman "
        "dos fracciones iguales: arriba a la izquierda entre abajo a la izquierda es igual a "
        "arriba a la derecha entre abajo a la derecha. Escriba tres términos y deje el que "
        "falta en <code>0</code>. Por ejemplo, 2 / 3 = 4 / <code>0</code> da " +
        fourth + ", y 3 / 1 = 1 / <code>0</code> da " + third +
        " con <strong>@FOUR_DECIMALS@</strong> marcada.</p>\n");
    page.add(R"(<p>Con <strong>@FOUR_DECIMALS@</strong> marcada (así se abre la ventana) los
resultados se redondean a cuatro decimales; sin marcar, se escriben completos. Cambiarla no
modifica lo que ya está escrito.</p>
<p>Después de resolver, el botón se desactiva hasta que vuelva a faltar un dato: haga doble clic
en una casilla para vaciarla y escriba los datos nuevos. <kbd>Intro</kbd> no resuelve en esta
ventana: use el botón.</p>
<table>
<caption>Mensajes del solucionador</caption>
<thead><tr><th scope="col">Mensaje</th><th scope="col">Cuándo aparece</th><th scope="col">Ejemplo</th></tr></thead>
<tbody>
)");
    struct MessageExample {
        std::string_view message;
        std::string_view when;
        std::string_view example;
        SolverOutcome outcome;
    };
    const MessageExample kMessages[] = {
        {kNeedTwoData, "En el triángulo hay menos de dos lados distintos de cero.",
         "Hipotenusa 0, cateto A 0, cateto B 4.", solveTriangle({"0", "0", "4"}, true)},
        {kHypotenuseTooShort, "La hipotenusa escrita es menor que el cateto escrito.",
         "Hipotenusa 3, cateto A 0, cateto B 4.", solveTriangle({"3", "0", "4"}, true)},
        {kNoSuchTriangle, "Con números negativos, los datos no forman ningún triángulo rectángulo.",
         "Hipotenusa 3, cateto A 0, cateto B -5.", solveTriangle({"3", "0", "-5"}, true)},
        {kDivisionByZero, "El cálculo de la proporción tendría que dividir entre cero.",
         "Las cuatro casillas en 0, como al abrir la ventana.",
         solveProportion({"0", "0", "0", "0"}, true)},
        {kNumbersTooLarge,
         "Un dato o un resultado intermedio es demasiado grande (vea "
         "<a href=\"#desbordamiento\">Desbordamiento</a>).",
         "Hipotenusa 0, cateto A 1E200, cateto B 1.", solveTriangle({"0", "1E200", "1"}, true)},
    };
    for (const auto& [message, when, example, outcome] : kMessages) {
        require(outcome.kind == SolverOutcome::Kind::Message && outcome.message == message,
                message);
        page.add("<tr><td><q>" + escaped(message) + "</q></td><td>" + std::string(when) +
                 "</td><td>" + escaped(example) + "</td></tr>\n");
    }
    page.add(
        "</tbody>\n</table>\n<p>Cada mensaje se cierra con <strong>Aceptar</strong>; las "
        "casillas quedan como estaban para que corrija los datos.</p>\n</section>\n");
}

void writeConverter(ManualWriter& page) {
    page.add(R"(<section id="convertidor">
<h2>Convertidor de unidades</h2>
<p>La ventana <strong>@CONVERTER@</strong> convierte longitudes, áreas y volúmenes
entre unidades métricas. Arriba se elige la familia (<strong>@LENGTH@</strong>,
<strong>@AREA@</strong> o <strong>@VOLUME@</strong>); la elegida se ve en amarillo. Hay dos casillas,
A y B, cada una con su unidad escrita debajo; los botones <strong>&lt;</strong> y
<strong>&gt;</strong> de cada casilla cambian su unidad a la anterior o a la siguiente de la
lista.</p>
)");
    page.picture("frmConvert-volumen",
                 "Ventana @CONVERTER@ con la familia @VOLUME@ elegida: la casilla A "
                 "con 5 en Mililitros y la casilla B con 0.005 en Litros.",
                 "El convertidor con 5 mililitros pasados a litros.");
    ConverterState state;
    ConverterTexts texts;
    loadConverter(state, texts);
    texts.txtCajaA = "5";
    state.Caja = 1;
    GoConvert(state, texts);
    const std::string lengthExample =
        "5 " + texts.lblUnidad1Caption + " son " + texts.txtCajaB + " " + texts.lblUnidad2Caption;
    chooseFamily(state, texts, kAreaFamily);
    const std::string areaExample =
        "5 " + texts.lblUnidad1Caption + " son " + texts.txtCajaB + " " + texts.lblUnidad2Caption;
    page.add(
        "<p>Escriba el número en una casilla y pulse <kbd>Intro</kbd>: el resultado aparece "
        "en la otra casilla, y lo que escribió se queda como está. Por ejemplo, con las "
        "unidades con que se abre la ventana, " +
        escaped(lengthExample) +
        ". Cambiar de familia o pulsar una flecha convierte de nuevo en el acto: con el 5 "
        "todavía en la casilla A, elegir <strong>@AREA@</strong> muestra que " +
        escaped(areaExample) +
        ". Una flecha convierte desde su propia casilla: el número de esa casilla se queda "
        "y pasa a contar en la unidad nueva. Cada familia recuerda las últimas unidades de "
        "cada casilla.</p>\n<p>Cada casilla admite hasta 15 caracteres escritos; los "
        "resultados se muestran completos.</p>\n");
    for (const int modo : {kLengthFamily, kAreaFamily, kVolumeFamily}) {
        const std::string_view name = familyName(modo);
        const std::span<const UnitRow> units = unitTable(modo);
        std::string_view base;
        for (const UnitRow& unit : units) {
            if (unit.toBase == 1.0) {
                base = unit.fullName;
            }
        }
        page.add("<table>\n<caption>Unidades de " + escaped(name) +
                 " (unidad base: " + escaped(base) +
                 ")</caption>\n<thead><tr><th scope=\"col\">Unidad</th><th scope=\"col\">Nombre "
                 "completo y símbolo</th><th scope=\"col\">Equivale a, en " +
                 escaped(base) + "</th></tr></thead>\n<tbody>\n");
        for (const UnitRow& unit : units) {
            page.add("<tr><th scope=\"row\">" + escaped(unit.fullName) + "</th><td>" +
                     escaped(unit.labelledName) + "</td><td>" +
                     escaped(generalNumberText(unit.toBase)) + "</td></tr>\n");
        }
        page.add("</tbody>\n</table>\n");
    }
    page.add("</section>\n");
}

void writePi(ManualWriter& page) {
    page.add(R"(<section id="pi">
<h2>Los decimales de Pi</h2>
<p>El engranaje de la franja oscura del menú abre y cierra un panel en el que se elige con cuántos
decimales usan π las calculadoras de figuras. Use <strong>-</strong> y <strong>+</strong>, o
escriba el número de decimales en la casilla; a la derecha se ve el valor resultante
(<strong>Pi&nbsp;=</strong>). Un número fuera del intervalo colorea la casilla de rojo y no cambia el
valor.</p>
)");
    page.picture("frmMenuPrincipal-options",
                 "Menú principal con el panel de opciones abierto bajo la franja oscura: "
                 "Cantidad de decimales en Pi, los botones - y +, la casilla con 7 y Pi = " +
                     piText(7) + ".",
                 "El panel de los decimales de Pi con 7 decimales.");
    page.add(
        "<table>\n<caption>Valor de Pi según el número de decimales</caption>\n<thead><tr>"
        "<th scope=\"col\">Decimales</th><th scope=\"col\">Pi</th></tr></thead>\n<tbody>\n");
    for (int decimals = kFewestPiDecimals; decimals <= kMostPiDecimals; ++decimals) {
        page.add("<tr><td>" + std::to_string(decimals) + "</td><td>" + piText(decimals) +
                 "</td></tr>\n");
    }
    page.add(
        "</tbody>\n</table>\n<p class=\"nota\">Cada vez que se abre una calculadora de "
        "figuras, π vuelve a valer " +
        generalNumberText(basVar::kCalculatorPi) +
        " (nueve decimales). Si quiere usar otro número de decimales, ábralas primero y "
        "elija después los decimales en el panel: las calculadoras abiertas usan el valor "
        "nuevo desde su siguiente resultado.</p>\n</section>\n");
}

void writeKeyboardAboutAndEnd(ManualWriter& page, std::string_view version) {
    page.add(R"(<section id="teclado">
<h2>Uso con el teclado</h2>
<p>Todo Zelmora se puede usar sin ratón:</p>
<ul>
<li><kbd>Tab</kbd> y <kbd>Mayús</kbd>+<kbd>Tab</kbd> recorren los controles de cada ventana. En el
menú, los dibujos, el engranaje y los enlaces <strong>?</strong> y <strong>!</strong> se eligen con
<kbd>Intro</kbd> o con la barra espaciadora; el menú emergente de las figuras se recorre con las
flechas.</li>
<li>En una calculadora de figuras, <kbd>Intro</kbd> en una casilla pasa a la siguiente y, en la
última, calcula. Después el foco queda en <strong>@CLEAR@</strong>, así que otro <kbd>Intro</kbd>
deja la ventana lista para la figura siguiente. Las figuras y las unidades se eligen con las
flechas.</li>
<li>En el convertidor, <kbd>Intro</kbd> en una casilla convierte su número a la otra.</li>
<li>En el solucionador, <kbd>Tab</kbd> llega a cada casilla y a los botones
<strong>@SOLVE@</strong>, que se pulsan con la barra espaciadora.</li>
<li>Una casilla que muestra <code>0</code> se vacía al entrar en ella, para escribir encima; si la
deja vacía, vuelve a mostrar <code>0</code>.</li>
<li>Los mensajes se cierran con <kbd>Intro</kbd>; en la pregunta de cierre, <kbd>Intro</kbd>
responde <strong>No</strong>.</li>
</ul>
</section>
<section id="acerca">
<h2>Acerca de Zelmora y este manual</h2>
<p>El enlace <strong>!</strong> del menú muestra la ventana <strong>Acerca de Zelmora</strong>, con
el nombre del programa, el fabricante y el producto. No necesita conexión a Internet.</p>
)");
    page.picture("frmAbout",
                 "Ventana Acerca de Zelmora: el icono del programa, el nombre Zelmora, el "
                 "fabricante Quimbel, el producto Zelmora y el botón Aceptar.",
                 "La ventana Acerca de Zelmora.");
    page.add(R"(<p>El enlace <strong>?</strong> abre este manual en el navegador web. El manual se
instala con el programa y se abre sin conexión a Internet. Si Zelmora no lo encuentra, o no puede
abrir el navegador, lo dice con un mensaje; en el segundo caso el mensaje indica dónde está el
manual para abrirlo a mano. Si el manual se consulta en la web de Quimbel, el enlace comprueba
antes la conexión y, sin ella, muestra <q>)" +
             escaped(kNoConnection) + R"(</q></p>
</section>
</main>
<footer>
<p>Zelmora )");
    page.text(version);
    page.add(R"( · Quimbel. Este manual se genera a partir de las tablas del propio programa.</p>
</footer>
</body>
</html>
)");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zelmora-manual PICTURES_DIR MANUAL_DIR VERSION\n");
        return 2;
    }
    try {
        ManualWriter page(argv[1], argv[2]);
        writeHead(page);
        writeStartAndMenu(page);
        writeNumbers(page);
        writeCalculators(page);
        writeSolver(page);
        writeConverter(page);
        writePi(page);
        writeKeyboardAboutAndEnd(page, argv[3]);
        const fs::path target = fs::path(argv[2]) / "zelmora-help.html";
        std::ofstream out(target, std::ios::binary);
        out << page.html;
        if (!out.flush()) {
            throw std::runtime_error("could not write " + target.string());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zelmora-manual: %s\n", error.what());
        return 1;
    }
    return 0;
}
