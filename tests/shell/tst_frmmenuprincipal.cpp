#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/calculatorwindows.h"
#include "common/shape.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/frmmenuprincipal.h"
#include "shell/menucontrols.h"
#include "solver/frmpitagoras.h"
#include "tests/support/modal.h"

using zelmora::frmMenuPrincipal;
using zelmora::Shape;

namespace {

template <typename Window>
QList<Window*> openWindows() {
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget);
            window != nullptr && window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}

void freeClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Picks an item of the figures pop-up from a timer, as a user does with the keyboard; an empty
// text dismisses the pop-up with Escape.
void pickFromPopup(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        if (text.isEmpty()) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no item ") + text));
    });
}

}  // namespace

class FrmMenuPrincipalTest : public QObject {
    Q_OBJECT
  private:
    frmMenuPrincipal* menu = nullptr;

    bool lit(Shape* overlay) const { return overlay->fill() != Shape::Fill::Transparent; }

    QString litOverlays() const {
        QString names;
        for (Shape* overlay : {menu->Shape1, menu->Shape2, menu->Shape3}) {
            if (lit(overlay)) {
                names += overlay->objectName();
            }
        }
        return names;
    }

    // Moves the pointer over a control through the window system, so that whatever lies on top
    // at that point receives it.
    void pointAt(QWidget* control, QPoint at = QPoint(-1, -1)) {
        const QPoint local = at.x() < 0 ? control->rect().center() : at;
        QTest::mouseMove(menu, control->mapTo(menu, local));
        QCoreApplication::processEvents();
    }

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() {
        menu = new frmMenuPrincipal;
        menu->show();
        QVERIFY(QTest::qWaitForWindowActive(menu));
    }

    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != menu && widget->isWindow() && widget->isVisible()) {
                widget->close();
            }
        }
        delete menu;
        freeClosedWindows();
    }

    void freshMenu() {
        QCOMPARE(menu->objectName(), QStringLiteral("frmMenuPrincipal"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("ZELMORA"));
        QCOMPARE(menu->size(), QSize(553, 297));
        QCOMPARE(menu->lblShow->text(), QStringLiteral("BIENVENIDO"));
        QCOMPARE(menu->lblTitle[0]->text(), QStringLiteral("BIENVENIDO A ZELMORA"));
        QCOMPARE(menu->lblTitle[1]->text(),
                 QStringLiteral("Seleccione una categoría para empezar:"));
        QCOMPARE(menu->ShapeOn, short(0));
        QCOMPARE(litOverlays(), QString());
        QVERIFY(menu->frmePi->isHidden());
        QVERIFY(!menu->lblLink[0]->isOpaque());
        QVERIFY(!menu->lblLink[1]->isOpaque());
        QCOMPARE(menu->lblLink[0]->backgroundColour(), QColor(10, 10, 10));
        const QImage shown = menu->grab().toImage();
        QCOMPARE(shown.pixelColor(10, 150), QColor(250, 250, 250));
        QCOMPARE(shown.pixelColor(menu->lblShow->x() + 60, menu->lblShow->y() + 3),
                 QColor(20, 20, 20));
        QStringList items;
        for (QAction* action : menu->figMenu->actions()) {
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(items, QStringList({"Perímetro", "Área", "Volumen", "-", "Cancelar"}));
    }

    void hoverFollowsThePointer() {
        pointAt(menu->cmdButton[0]);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("CALCULAR FIGURAS"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape1"));
        // Straight onto the next picture: the light moves with the pointer.
        pointAt(menu->cmdButton[1]);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("TEOREMA DE PITÁGORAS"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape2"));
        pointAt(menu->cmdButton[2]);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("CONVERTIDOR DE UNIDADES"));
        QCOMPARE(litOverlays(), QStringLiteral("Shape3"));
        QCOMPARE(menu->ShapeOn, short(0));
        // The background between the pictures.
        QTest::mouseMove(menu, QPoint(190, 140));
        QCOMPARE(menu->lblShow->text(), QStringLiteral("BIENVENIDO"));
        QCOMPARE(litOverlays(), QString());
    }

    void titlesAndStatusStripRestoreTheWelcome() {
        for (QWidget* control :
             {static_cast<QWidget*>(menu->lblTitle[0]), static_cast<QWidget*>(menu->lblTitle[1]),
              static_cast<QWidget*>(menu->lblShow)}) {
            pointAt(menu->cmdButton[1]);
            QCOMPARE(litOverlays(), QStringLiteral("Shape2"));
            pointAt(control, QPoint(control->width() / 2 + 60, control->height() / 2));
            QCOMPARE(menu->lblShow->text(), QStringLiteral("BIENVENIDO"));
            QCOMPARE(litOverlays(), QString());
        }
    }

    void linksAboveTheStripTakeThePointer() {
        pointAt(menu->cmdButton[0]);
        pointAt(menu->lblLink[0]);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("ACERCA DE ZELMORA"));
        QVERIFY(menu->lblLink[0]->isOpaque());
        QCOMPARE(litOverlays(), QString());
        pointAt(menu->lblLink[1]);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("MANUAL DE ZELMORA"));
        QVERIFY(menu->lblLink[1]->isOpaque());
        QVERIFY(!menu->lblLink[0]->isOpaque());
        pointAt(menu->imgConf);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("ABRIR OPCIONES"));
        QVERIFY(!menu->lblLink[1]->isOpaque());
        QTest::mouseClick(menu->imgConf, Qt::LeftButton);
        QVERIFY(menu->frmePi->isVisible());
        pointAt(menu->imgConf, QPoint(4, 4));
        QCOMPARE(menu->lblShow->text(), QStringLiteral("CERRAR OPCIONES"));
        QTest::mouseClick(menu->imgConf, Qt::LeftButton);
        QVERIFY(menu->frmePi->isHidden());
    }

    void leavingFromAPictureKeepsItLit() {
        pointAt(menu->cmdButton[2]);
        QTest::mouseMove(menu, QPoint(-20, -20));
        QCoreApplication::processEvents();
        QCOMPARE(litOverlays(), QStringLiteral("Shape3"));
        QCOMPARE(menu->lblShow->text(), QStringLiteral("CONVERTIDOR DE UNIDADES"));
    }

    void optionsPanelIsQuietUnderThePointer() {
        menu->imgConf_Click();
        pointAt(menu->cmdButton[1]);
        for (QWidget* quiet :
             {static_cast<QWidget*>(menu->frmePi), static_cast<QWidget*>(menu->Label1),
              static_cast<QWidget*>(menu->txtFormat), static_cast<QWidget*>(menu->lblPi)}) {
            pointAt(quiet, quiet == menu->frmePi ? QPoint(480, 20) : QPoint(-1, -1));
            QCOMPARE(menu->lblShow->text(), QStringLiteral("TEOREMA DE PITÁGORAS"));
            QCOMPARE(litOverlays(), QStringLiteral("Shape2"));
        }
        pointAt(menu->lblLink[3]);
        QCOMPARE(menu->lblShow->text(), QStringLiteral("TEOREMA DE PITÁGORAS"));
        QCOMPARE(litOverlays(), QString());
        QVERIFY(menu->lblLink[3]->isOpaque());
    }

    void heldButtonDrawsAThinBorder() {
        for (zelmora::MenuButton* control : {static_cast<zelmora::MenuButton*>(menu->cmdButton[1]),
                                             static_cast<zelmora::MenuButton*>(menu->imgConf),
                                             static_cast<zelmora::MenuButton*>(menu->lblLink[1])}) {
            QTest::mousePress(control, Qt::RightButton);
            QVERIFY(control->heldBorder());
            QTest::mouseRelease(control, Qt::RightButton);
            QVERIFY(!control->heldBorder());
        }
    }

    void popupOpensEachCalculator_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Área") << "Área"
                              << "CALCULANDO ÁREA";
        QTest::newRow("Perímetro") << "Perímetro"
                                   << "CALCULANDO PERÍMETRO";
        QTest::newRow("Volumen") << "Volumen"
                                 << "CALCULANDO VOLUMEN";
    }
    void popupOpensEachCalculator() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        pickFromPopup(item);
        QTest::mouseClick(menu->cmdButton[0], Qt::LeftButton);
        const auto calculators = openWindows<zelmora::FigureCalculatorForm>();
        QCOMPARE(calculators.size(), 1);
        QCOMPARE(calculators[0]->windowTitle(), caption);
        QVERIFY(calculators[0]->parentWidget() == nullptr);
        QVERIFY(menu->isVisible());
        QVERIFY(menu->isEnabled());
    }

    void cancelOrDismissOpensNothing() {
        const auto before = QApplication::topLevelWidgets().size();
        pickFromPopup(QStringLiteral("Cancelar"));
        menu->cmdButton_Click(0);
        pickFromPopup(QString());
        menu->cmdButton_Click(0);
        QCOMPARE(openWindows<zelmora::FigureCalculatorForm>().size(), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }

    void picturesOpenTheSolverAndTheConverter() {
        QTest::mouseClick(menu->cmdButton[1], Qt::LeftButton);
        QTest::mouseClick(menu->cmdButton[1], Qt::LeftButton);
        QTest::mouseClick(menu->cmdButton[2], Qt::LeftButton);
        const auto solvers = openWindows<zelmora::frmPitagoras>();
        QCOMPARE(solvers.size(), 2);
        QVERIFY(solvers[0] != solvers[1]);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 1);
        QVERIFY(menu->isVisible());
    }

    void keyboardReachesThePictures() {
        menu->cmdButton[2]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(menu->cmdButton[2], Qt::Key_Return);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 1);
        QCOMPARE(menu->cmdButton[2]->accessibleName(), QStringLiteral("Convertidor de unidades"));
    }

    void windowsOfOneToolKeepSeparateState() {
        menu->figArea->trigger();
        menu->figArea->trigger();
        const auto calculators = openWindows<zelmora::frmArea>();
        QCOMPARE(calculators.size(), 2);
        calculators[0]->Text1->setText(QStringLiteral("3"));
        calculators[0]->cmdAnswer_Click();
        QCOMPARE(calculators[0]->txtAnswer->text(), QStringLiteral("9"));
        QCOMPARE(calculators[1]->txtAnswer->text(), QStringLiteral("0"));
        QCOMPARE(calculators[1]->cmdAnswer->text(), QStringLiteral("Ver Resultado"));
        QPointer<zelmora::frmArea> second = calculators[1];
        QVERIFY(calculators[0]->close());
        freeClosedWindows();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(openWindows<zelmora::frmArea>().size(), 1);
        QVERIFY(menu->isVisible());
    }

    void closeQuestionAnsweredNoKeepsEverything() {
        menu->figVolumen->trigger();
        menu->cmdButton_Click(2);
        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::No);
        QVERIFY(!menu->close());
        QVERIFY(seen->shown);
        QCOMPARE(seen->title, QStringLiteral("Zelmora"));
        QCOMPARE(seen->text, QStringLiteral("¿Seguro de querer cerrar el programa?"));
        QCOMPARE(seen->icon, QMessageBox::Question);
        QCOMPARE(seen->buttons.size(), 2);
        QVERIFY(seen->buttons.contains(QStringLiteral("Sí")));
        QVERIFY(seen->buttons.contains(QStringLiteral("No")));
        QVERIFY(menu->isVisible());
        QCOMPARE(openWindows<zelmora::frmVolumen>().size(), 1);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 1);
    }

    void closeQuestionAnsweredYesClosesEveryWindow() {
        menu->figArea->trigger();
        menu->figPerimetro->trigger();
        menu->cmdButton_Click(2);
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        const auto seen = zelmora::testing::answerNextMessageBox(QMessageBox::Yes);
        QVERIFY(menu->close());
        QVERIFY(seen->shown);
        freeClosedWindows();
        QVERIFY(!menu->isVisible());
        QCOMPARE(openWindows<zelmora::FigureCalculatorForm>().size(), 0);
        QCOMPARE(openWindows<zelmora::frmConvert>().size(), 0);
    }

    void openingAndClosingManyCalculatorsLeavesNothing() {
        const auto widgetsBefore = QApplication::allWidgets().size();
        for (QAction* item : {menu->figArea, menu->figPerimetro, menu->figVolumen}) {
            for (int i = 0; i < 300; ++i) {
                item->trigger();
                const auto opened = openWindows<zelmora::FigureCalculatorForm>();
                QCOMPARE(opened.size(), 1);
                opened[0]->Text1->setText(QStringLiteral("2"));
                opened[0]->cmdAnswer_Click();
                QVERIFY(opened[0]->close());
                freeClosedWindows();
            }
        }
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    }
};

QTEST_MAIN(FrmMenuPrincipalTest)
#include "tst_frmmenuprincipal.moc"
