#pragma once

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <vector>

#include "calculators/calculatorwindows.h"
#include "converter/converterbox.h"
#include "converter/frmconvert.h"
#include "shell/frmmenuprincipal.h"
#include "solver/frmpitagoras.h"

// Every kind of tool window, opened the way the menu opens it and used the way a user uses it,
// for the soak test and the window benchmarks.
namespace zelmora::testing {

struct ToolKind {
    const char* name;
    std::function<void(frmMenuPrincipal&)> open;  // the menu's own action
    std::function<void(QWidget*)> computeAnAnswer;
};

inline void computeAFigure(QWidget* window) {
    auto* form = qobject_cast<FigureCalculatorForm*>(window);
    form->Text1->setText(QStringLiteral("3"));
    form->Text2->setText(QStringLiteral("4"));
    form->cmdAnswer_Click();
}

inline const std::vector<ToolKind>& toolKinds() {
    static const std::vector<ToolKind> kinds = {
        {"area", [](frmMenuPrincipal& m) { m.figArea->trigger(); }, computeAFigure},
        {"perimeter", [](frmMenuPrincipal& m) { m.figPerimetro->trigger(); }, computeAFigure},
        {"volume", [](frmMenuPrincipal& m) { m.figVolumen->trigger(); }, computeAFigure},
        {"solver", [](frmMenuPrincipal& m) { m.cmdButton_Click(1); },
         [](QWidget* w) {
             auto* solver = qobject_cast<frmPitagoras*>(w);
             solver->txtZ[1]->setText(QStringLiteral("3"));
             solver->txtZ[2]->setText(QStringLiteral("4"));
             solver->cmdShow1_Click();
         }},
        {"converter", [](frmMenuPrincipal& m) { m.cmdButton_Click(2); },
         [](QWidget* w) {
             auto* converter = qobject_cast<frmConvert*>(w);
             converter->txtCajaA->setText(QStringLiteral("5"));
             converter->txtCajaA_GotFocus();
             converter->txtCajaA_KeyPress();
         }},
    };
    return kinds;
}

// Opens a tool from the menu and returns its new window, or nothing when none opened.
inline QWidget* openFromMenu(frmMenuPrincipal& menu, const ToolKind& kind) {
    const QWidgetList before = QApplication::topLevelWidgets();
    kind.open(menu);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!before.contains(window) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace zelmora::testing
