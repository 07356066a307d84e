#include "tests/support/toolwindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/controls.h"
#include "tests/support/popupmenu.h"

namespace zelmora::testing {
namespace {

void chooseFigures(QWidget* menu, const QString& item) {
    chooseFromPopup(control(menu, "cmdButton(0)"), item);
}

void clickPicture(QWidget* menu, const char* picture) {
    QTest::mouseClick(control(menu, picture), Qt::LeftButton);
}

void computeAFigure(QWidget* window) {
    QTest::keyClicks(control<QLineEdit>(window, "Text1"), "3");
    QTest::keyClicks(control<QLineEdit>(window, "Text2"), "4");
    QTest::mouseClick(control<QPushButton>(window, "cmdAnswer"), Qt::LeftButton);
}

}  // namespace

const std::vector<ToolKind>& toolKinds() {
    static const std::vector<ToolKind> kinds = {
        {"area", [](QWidget* m) { chooseFigures(m, QStringLiteral("Área")); }, computeAFigure},
        {"perimeter", [](QWidget* m) { chooseFigures(m, QStringLiteral("Perímetro")); },
         computeAFigure},
        {"volume", [](QWidget* m) { chooseFigures(m, QStringLiteral("Volumen")); }, computeAFigure},
        {"solver", [](QWidget* m) { clickPicture(m, "cmdButton(1)"); },
         [](QWidget* w) {
             QTest::keyClicks(control<QLineEdit>(w, "txtZ", 1), "3");
             QTest::keyClicks(control<QLineEdit>(w, "txtZ", 2), "4");
             QTest::mouseClick(control<QPushButton>(w, "cmdShow1"), Qt::LeftButton);
         }},
        {"converter", [](QWidget* m) { clickPicture(m, "cmdButton(2)"); },
         [](QWidget* w) {
             auto* box = control<QLineEdit>(w, "txtCajaA");
             QTest::keyClicks(box, "5");
             QTest::keyClick(box, Qt::Key_Return);
         }},
    };
    return kinds;
}

QWidget* openFromMenu(QWidget* menu, const ToolKind& kind) {
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
