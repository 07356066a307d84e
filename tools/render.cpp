// Renders the program's windows to PNG files, so that they can be looked at without a display:
//   zelmora-render OUTPUT_DIR [SCALE]
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <tuple>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/application.h"
#include "shell/frmabout.h"
#include "shell/frminicio.h"
#include "shell/frmmenuprincipal.h"
#include "solver/frmpitagoras.h"
#include "tests/support/controls.h"
#include "tests/support/userinput.h"

namespace {

using zelmora::testing::control;

void click(QWidget* window, const QString& name) {
    QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
}

// Clicks into a box (which empties its "0") and types over whatever it holds. A box that does
// not take the focus would leave the picture without the text, so the tool stops.
void typeInto(QWidget* window, const QString& name, const char* text) {
    if (!zelmora::testing::typeOver(control<QLineEdit>(window, name), QLatin1String(text))) {
        std::fprintf(stderr, "%s: %s does not take the focus\n", qPrintable(window->objectName()),
                     qPrintable(name));
        std::exit(1);
    }
}

void moveOver(QWidget* window, const QString& name) {
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), QPointF(4, 4), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(control<QWidget>(window, name), &move);
}

// Shows the window, lets the user's actions run on it, and saves what it then shows.
void render(QWidget* window, const QDir& directory, const QString& name,
            const std::function<void(QWidget*)>& use = {}) {
    window->show();
    window->activateWindow();
    QCoreApplication::processEvents();
    if (use) {
        use(window);
        QCoreApplication::processEvents();
    }
    const QString path = directory.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
    // Hidden and freed rather than closed: closing the menu would ask its question.
    window->hide();
    window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Chooses a figure and computes it from up to three measures.
std::function<void(QWidget*)> computing(int figure, const char* a, const char* b, const char* c) {
    return [=](QWidget* form) {
        click(form, QStringLiteral("Option%1").arg(figure));
        const char* measures[] = {a, b, c};
        for (int i = 0; i < 3; ++i) {
            const QString name = QStringLiteral("Text%1").arg(i + 1);
            if (control<QLineEdit>(form, name)->isVisible()) {
                typeInto(form, name, measures[i]);
            }
        }
        click(form, QStringLiteral("cmdAnswer"));
    };
}

void renderCalculators(const QDir& directory) {
    render(new zelmora::frmArea, directory, QStringLiteral("frmArea"));
    render(new zelmora::frmArea, directory, QStringLiteral("frmArea-trapecio"),
           computing(5, "5", "3", "2"));
    render(new zelmora::frmArea, directory, QStringLiteral("frmArea-longest"),
           computing(2, "-1.23456E-60", "1.234567E-60", "0"));
    render(new zelmora::frmPerimetro, directory, QStringLiteral("frmPerimetro"),
           computing(3, "3", "4", "5"));
    render(new zelmora::frmVolumen, directory, QStringLiteral("frmVolumen"),
           computing(2, "2", "3", "4"));
}

void renderShell(const QDir& directory) {
    render(new zelmora::frmMenuPrincipal, directory, QStringLiteral("frmMenuPrincipal"));
    render(new zelmora::frmMenuPrincipal, directory, QStringLiteral("frmMenuPrincipal-lit"),
           [](QWidget* menu) { moveOver(menu, QStringLiteral("cmdButton(1)")); });
    render(new zelmora::frmMenuPrincipal, directory, QStringLiteral("frmMenuPrincipal-options"),
           [](QWidget* menu) {
               click(menu, QStringLiteral("imgConf"));
               typeInto(menu, QStringLiteral("txtFormat"), "7");
               moveOver(menu, QStringLiteral("lblLink(0)"));
           });
    render(new zelmora::frmAbout, directory, QStringLiteral("frmAbout"));
    // The splash halfway through its animation and at its end, stepped without the clock.
    for (const auto& [name, fades, bars] : {std::tuple{QStringLiteral("frmInicio-mid"), 10, 20},
                                            std::tuple{QStringLiteral("frmInicio-end"), 26, 41}}) {
        auto* splash = new zelmora::frmInicio;
        const auto timer = [splash](const char* timerName) {
            return control<QTimer>(splash, QString::fromLatin1(timerName));
        };
        timer("Timer1")->stop();
        timer("Timer2")->stop();
        // The name is shown after the first paint, which a grab is.
        splash->grab();
        for (int i = 0; i < fades; ++i) {
            splash->tick(timer("Timer1"));
        }
        for (int i = 0; i < bars; ++i) {
            splash->tick(timer("Timer2"));
        }
        timer("Timer3")->stop();
        render(splash, directory, name);
    }
}

void renderConverter(const QDir& directory) {
    render(new zelmora::frmConvert, directory, QStringLiteral("frmConvert"));
    render(new zelmora::frmConvert, directory, QStringLiteral("frmConvert-volumen"),
           [](QWidget* converter) {
               typeInto(converter, QStringLiteral("txtCajaA"), "5");
               QTest::keyClick(control<QWidget>(converter, QStringLiteral("txtCajaA")),
                               Qt::Key_Return);
               click(converter, QStringLiteral("Option3"));
           });
    // A long result: fifteen digits of square kilometres in square millimetres.
    render(new zelmora::frmConvert, directory, QStringLiteral("frmConvert-longest"),
           [](QWidget* converter) {
               click(converter, QStringLiteral("Option1"));
               click(converter, QStringLiteral("cmdIzqA"));
               click(converter, QStringLiteral("cmdIzqA"));
               for (int i = 0; i < 3; ++i) {
                   click(converter, QStringLiteral("cmdIzqB"));
               }
               typeInto(converter, QStringLiteral("txtCajaA"), "-12345678901234");
               QTest::keyClick(control<QWidget>(converter, QStringLiteral("txtCajaA")),
                               Qt::Key_Return);
           });
}

void renderSolver(const QDir& directory) {
    render(new zelmora::frmPitagoras, directory, QStringLiteral("frmPitagoras"));
    render(new zelmora::frmPitagoras, directory, QStringLiteral("frmPitagoras-resuelto"),
           [](QWidget* solver) {
               for (const auto& [index, text] :
                    {std::pair{1, "3"}, std::pair{2, "4"}, std::pair{3, "1"}, std::pair{4, "3"},
                     std::pair{5, "-123.5"}}) {
                   typeInto(solver, QStringLiteral("txtZ(%1)").arg(index), text);
               }
               click(solver, QStringLiteral("cmdShow1"));
               click(solver, QStringLiteral("cmdShow2"));
           });
    // Fifteen digits: the square root of two with all its decimals, and a third.
    render(new zelmora::frmPitagoras, directory, QStringLiteral("frmPitagoras-largo"),
           [](QWidget* solver) {
               click(solver, QStringLiteral("Check1"));
               for (const auto& [index, text] :
                    {std::pair{1, "1"}, std::pair{2, "1"}, std::pair{3, "3"}, std::pair{4, "1"},
                     std::pair{5, "1"}}) {
                   typeInto(solver, QStringLiteral("txtZ(%1)").arg(index), text);
               }
               click(solver, QStringLiteral("cmdShow1"));
               click(solver, QStringLiteral("cmdShow2"));
           });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zelmora-render OUTPUT_DIR [SCALE]\n");
        return 2;
    }
    if (argc > 2) {
        qputenv("QT_SCALE_FACTOR", argv[2]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zelmora::setUpApplication(app);
    QDir directory(QString::fromLocal8Bit(argv[1]));
    directory.mkpath(QStringLiteral("."));

    renderCalculators(directory);
    renderShell(directory);
    renderConverter(directory);
    renderSolver(directory);
    return 0;
}
