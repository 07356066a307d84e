#include <malloc.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <functional>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"
#include "converter/converterbox.h"
#include "converter/frmconvert.h"
#include "shell/frmmenuprincipal.h"
#include "solver/frmpitagoras.h"

using zelmora::frmMenuPrincipal;

// Opening every kind of tool window from the menu and closing it again, hundreds of times with
// an answer computed in each: nothing stays behind, and memory stops growing.
class SoakTest : public QObject {
    Q_OBJECT
  private:
    frmMenuPrincipal* menu = nullptr;

    QWidget* openFromMenu(const std::function<void()>& choose) {
        const QWidgetList before = QApplication::topLevelWidgets();
        choose();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!before.contains(window) && window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }

    // One window of every kind, each used and closed.
    bool cycle() {
        const std::function<void()> choices[] = {
            [this] { menu->figArea->trigger(); }, [this] { menu->figPerimetro->trigger(); },
            [this] { menu->figVolumen->trigger(); }, [this] { menu->cmdButton_Click(1); },
            [this] { menu->cmdButton_Click(2); }};
        for (const auto& choose : choices) {
            QWidget* window = openFromMenu(choose);
            if (window == nullptr) {
                return false;
            }
            if (auto* calculator = qobject_cast<zelmora::FigureCalculatorForm*>(window)) {
                calculator->Text1->setText(QStringLiteral("3"));
                calculator->cmdAnswer_Click();
            } else if (auto* solver = qobject_cast<zelmora::frmPitagoras*>(window)) {
                solver->txtZ[1]->setText(QStringLiteral("3"));
                solver->txtZ[2]->setText(QStringLiteral("4"));
                solver->cmdShow1_Click();
            } else if (auto* converter = qobject_cast<zelmora::frmConvert*>(window)) {
                converter->txtCajaA->setText(QStringLiteral("5"));
                converter->txtCajaA_GotFocus();
                converter->txtCajaA_KeyPress();
            }
            QCoreApplication::processEvents();
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return true;
    }

  private slots:
    void initTestCase() {
        zelmora::setUpApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
        menu = new frmMenuPrincipal;
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }

    void cleanupTestCase() { delete menu; }

    void windowsComeAndGoWithoutAGrowingHeap() {
        const auto widgets = QApplication::allWidgets().size();
        const auto topLevels = QApplication::topLevelWidgets().size();
        // The first rounds fill the caches of fonts and drawings.
        for (int i = 0; i < 100; ++i) {
            QVERIFY(cycle());
        }
        const std::size_t warm = mallinfo2().uordblks;
        for (int i = 0; i < 300; ++i) {
            QVERIFY(cycle());
        }
        const std::size_t after = mallinfo2().uordblks;
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
        // 1500 more windows: a kilobyte kept by each would show as 1.5 MB here.
        const auto growth = static_cast<long long>(after) - static_cast<long long>(warm);
        QVERIFY2(growth < 128 * 1024,
                 qPrintable(QStringLiteral("heap grew by %1 bytes").arg(growth)));
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
