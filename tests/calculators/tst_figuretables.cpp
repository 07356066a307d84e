#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "calculators/calculatorwindows.h"
#include "calculators/figurepicture.h"
#include "tests/support/controls.h"
#include "tests/support/userinput.h"
#include "tests/support/windowsuite.h"

using zelmora::testing::clickOption;
using zelmora::testing::control;
using zelmora::testing::numbered;

namespace {

// One figure as the calculator's own figure table and its table of boxes state it; an empty
// measure name is a label the figure does not set, which is then hidden.
struct Figure {
    int option;
    const char* caption;
    const char* toolTip;
    const char* formula;
    int image;
    const char* label1;
    const char* label2;
    const char* label3;
    bool text2;
    bool text3;
    bool combo2;
    bool combo3;
};

// What each calculator is: how to open it, its figures, and their order in the column.
struct Calculator {
    const char* name;
    std::function<QWidget*()> open;
    std::vector<Figure> figures;
    std::vector<int> columnOrder;
};

const std::vector<Calculator>& calculators() {
    static const std::vector<Calculator> all = {
        {"frmArea",
         [] { return new zelmora::frmArea; },
         {
             {1, "CUADRADO", " CUADRADO ", "A = L²", 1, "Lado: (L)", "", "", false, false, false,
              false},
             {2, "RECTÁNGULO", " RECTÁNGULO ", "A = b * h", 2, "Base: (b)", "Altura: (h)", "", true,
              false, true, false},
             {3, "TRIÁNGULO", " TRIÁNGULO ", "A = b * h / 2", 3, "Base: (b)", "Altura: (h)", "",
              true, false, true, false},
             {4, "ROMBO", " ROMBO ", "A = D * d / 2", 5, "Diagonal Mayor: (D)",
              "Diagonal Menor: (d)", "", true, false, true, false},
             {5, "TRAPECIO", " TRAPECIO ", "A = (B + b) * h / 2", 7, "Base Mayor: (B)",
              "Base Menor: (b)", "Altura: (h)", true, true, true, true},
             {6, "POLÍGONO REG.", " POLÍGONO REGULAR ", "A = L * # * a / 2", 4, "Lado: (L)",
              "No. lados: (#)", "Apotema: (a)", true, true, false, true},
             {7, "CÍRCULO", " CÍRCULO ", "A = Pi * r²", 8, "Radio: (r)", "", "", false, false,
              false, false},
             {8, "ESFERA", " ESFERA ", "A = Pi * 4 * r²", 9, "Radio: (r)", "", "", false, false,
              false, false},
             {9, "ROMBOIDE", " ROMBOIDE ", "A = b * h", 6, "Base: (b)", "Altura: (h)", "", true,
              false, true, false},
         },
         {1, 2, 3, 6, 4, 9, 5, 7, 8}},
        {"frmPerimetro",
         [] { return new zelmora::frmPerimetro; },
         {
             {1, "CUADRADO", " CUADRADO ", "P = L * 4", 1, "Lado: (L)", "", "", false, false, false,
              false},
             {2, "RECTÁNGULO", " RECTÁNGULO ", "P = b * 2 + h * 2", 2, "Base: (b)", "Altura: (h)",
              "", true, false, true, false},
             {3, "TRIÁNGULO", " TRIÁNGULO ", "L1 + L2 + L3", 3, "Lado 1: (L1)", "Lado 2: (L2)",
              "Lado 3: (L3)", true, true, true, true},
             {4, "POLÍGONO REG.", " POLÍGONO REGULAR ", "P = L * #", 4, "Lado: (L)",
              "No. lados: (#)", "", true, false, false, false},
             {5, "ROMBO", " ROMBO ", "P = L * 4", 5, "Lado: (L)", "", "", false, false, false,
              false},
             {6, "ROMBOIDE", " ROMBOIDE ", "P = bs + ws", 6, "Bases: (2): (bs)",
              "Paredes (2): (ws)", "", true, false, true, false},
             {7, "TRAPECIO", " TRAPECIO ", "B + b + ws", 7, "Base Mayor: (B)", "Base Menor: (b)",
              "Paredes (2): (ws)", true, true, true, true},
             {8, "CIRCUNFERENC.", " CIRCUNFERENCIA ", "Pi * D", 8, "Diametro: (D)", "", "", false,
              false, false, false},
         },
         {1, 2, 3, 4, 5, 6, 7, 8}},
        {"frmVolumen",
         [] { return new zelmora::frmVolumen; },
         {
             {1, "CUBO", " CUBO ", "V = a³", 1, "Arista: (a)", "", "", false, false, false, false},
             {2, "PARALELEPÍPED.", " PARALELEPÍPEDO ", "V = a1 * a2 * a3", 2, "Arista 1: (a1)",
              "Arista 2: (a2)", "Arista 3: (a3)", true, true, true, true},
             {3, "PRISMA", " PRISMA ", "V = Ab * h", 3, "Área (Base): (Ab)", "Altura: (h)", "",
              true, false, true, false},
             {4, "CILINDRO", " CILINDRO ", "V = Pi * r² * h", 4, "Radio: (r)", "Altura: (h)", "",
              true, false, true, false},
             {5, "CONO", " CONO ", "V = Pi * r² * h / 3", 5, "Radio: (r)", "Altura: (h)", "", true,
              false, true, false},
             {6, "PIRÁMIDE", " PIRÁMIDE ", "V = Ab * h / 3", 6, "Área (Base): (Ab)", "Altura: (h)",
              "", true, false, true, false},
             {7, "ESFERA", " ESFERA ", "V = 4/3 * Pi * r³", 7, "Radio: (r)", "", "", false, false,
              false, false},
             {8, "OCTAEDRO REG.", " OCTAEDRO REGULAR ", "V = Raiz²(2)/3 * a³", 8, "Arista: (a)", "",
              "", false, false, false, false},
         },
         {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    return all;
}

}  // namespace

// Every figure of the three calculators, chosen as a user chooses it, against what the figure
// tables say the window then shows.
class FigureTablesTest : public zelmora::testing::WindowSuite {
    Q_OBJECT
  private slots:
    void everyFigureShowsWhatItsRowSays_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("figure");
        for (int c = 0; c < static_cast<int>(calculators().size()); ++c) {
            const Calculator& calculator = calculators()[static_cast<std::size_t>(c)];
            for (int f = 0; f < static_cast<int>(calculator.figures.size()); ++f) {
                QTest::addRow("%s %s", calculator.name,
                              calculator.figures[static_cast<std::size_t>(f)].caption)
                    << c << f;
            }
        }
    }
    void everyFigureShowsWhatItsRowSays() {
        QFETCH(int, window);
        QFETCH(int, figure);
        const Calculator& table = calculators()[static_cast<std::size_t>(window)];
        const Figure& row = table.figures[static_cast<std::size_t>(figure)];
        QWidget* w = table.open();
        QVERIFY(zelmora::testing::showActive(w));
        // From another figure, so that the choice is one.
        const int other = row.option == 1 ? 2 : 1;
        clickOption(control<QRadioButton>(w, numbered("Option", other)));
        QRadioButton* option = control<QRadioButton>(w, numbered("Option", row.option));
        clickOption(option);
        QVERIFY(option->isChecked());

        QCOMPARE(option->text(), QString::fromUtf8(row.caption));
        QCOMPARE(option->toolTip(), QString::fromUtf8(row.toolTip));
        QCOMPARE(control<QLabel>(w, "lblForm")->text(), QString::fromUtf8(row.formula));
        const auto* picture = control<zelmora::FigurePicture>(w, "imgFig");
        QVERIFY(picture->picture().has_value());
        QCOMPARE(picture->picture(),
                 control<zelmora::FigurePicture>(w, QStringLiteral("Image%1").arg(row.image))
                     ->picture());
        const auto shown = [w](const char* name) { return control<QWidget>(w, name)->isVisible(); };
        QCOMPARE(control<QLabel>(w, "Label1")->text(), QString::fromUtf8(row.label1));
        QVERIFY(shown("Label1") && shown("Text1") && shown("Combo1"));
        QCOMPARE(shown("Label2"), row.text2);
        QCOMPARE(shown("Text2"), row.text2);
        QCOMPARE(shown("Label3"), row.text3);
        QCOMPARE(shown("Text3"), row.text3);
        QCOMPARE(shown("Combo2"), row.combo2);
        QCOMPARE(shown("Combo3"), row.combo3);
        // A measure the figure names is shown under its name; one it does not name is hidden.
        for (const auto& [name, measure] :
             {std::pair{"Label2", row.label2}, std::pair{"Label3", row.label3}}) {
            QLabel* label = control<QLabel>(w, name);
            if (*measure != '\0') {
                QCOMPARE(label->text(), QString::fromUtf8(measure));
                QVERIFY(label->isVisible());
            } else {
                QVERIFY(!label->isVisible());
            }
        }
    }

    void optionsStandInTheColumnOrder_data() {
        QTest::addColumn<int>("window");
        for (int c = 0; c < static_cast<int>(calculators().size()); ++c) {
            QTest::newRow(calculators()[static_cast<std::size_t>(c)].name) << c;
        }
    }
    void optionsStandInTheColumnOrder() {
        QFETCH(int, window);
        const Calculator& table = calculators()[static_cast<std::size_t>(window)];
        std::unique_ptr<QWidget> w(table.open());
        QList<QRadioButton*> byHeight = w->findChildren<QRadioButton*>();
        std::sort(byHeight.begin(), byHeight.end(),
                  [](QRadioButton* a, QRadioButton* b) { return a->y() < b->y(); });
        QStringList names;
        for (const QRadioButton* option : byHeight) {
            names << option->objectName();
        }
        QStringList expected;
        for (const int number : table.columnOrder) {
            expected << QStringLiteral("Option%1").arg(number);
        }
        QCOMPARE(names, expected);
    }
};

QTEST_MAIN(FigureTablesTest)
#include "tst_figuretables.moc"
