// Renders the program's windows to PNG files, so that they can be looked at without a display:
//   zelmora-render OUTPUT_DIR [SCALE]
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <tuple>

#include "calculators/calculatorwindows.h"
#include "common/shape.h"
#include "common/windowstyle.h"
#include "converter/converterbox.h"
#include "converter/frmconvert.h"
#include "shell/frmabout.h"
#include "shell/frminicio.h"
#include "shell/frmmenuprincipal.h"
#include "shell/menucontrols.h"
#include "solver/frmpitagoras.h"

namespace {

void save(QWidget* window, const QDir& directory, const QString& name) {
    window->show();
    QCoreApplication::processEvents();
    const QString path = directory.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
    // Hidden and freed rather than closed: closing the menu would ask its question.
    window->hide();
    window->deleteLater();
}

void computeWith(zelmora::FigureCalculatorForm* form, int figure, const char* a, const char* b,
                 const char* c) {
    form->Option[figure - 1]->click();
    form->Text1->setText(QString::fromLatin1(a));
    form->Text2->setText(QString::fromLatin1(b));
    form->Text3->setText(QString::fromLatin1(c));
    form->cmdAnswer_Click();
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

    save(new zelmora::frmArea, directory, QStringLiteral("frmArea"));
    auto* area = new zelmora::frmArea;
    computeWith(area, 5, "5", "3", "2");
    save(area, directory, QStringLiteral("frmArea-trapecio"));
    auto* longest = new zelmora::frmArea;
    computeWith(longest, 2, "-1.23456E-60", "1.234567E-60", "0");
    save(longest, directory, QStringLiteral("frmArea-longest"));
    auto* perimeter = new zelmora::frmPerimetro;
    computeWith(perimeter, 3, "3", "4", "5");
    save(perimeter, directory, QStringLiteral("frmPerimetro"));
    auto* volume = new zelmora::frmVolumen;
    computeWith(volume, 2, "2", "3", "4");
    save(volume, directory, QStringLiteral("frmVolumen"));
    save(new zelmora::frmMenuPrincipal, directory, QStringLiteral("frmMenuPrincipal"));
    auto* lit = new zelmora::frmMenuPrincipal;
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 40), QPointF(40, 40), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(lit->cmdButton[1], &move);
    save(lit, directory, QStringLiteral("frmMenuPrincipal-lit"));
    auto* panel = new zelmora::frmMenuPrincipal;
    panel->imgConf_Click();
    panel->txtFormat->setText(QStringLiteral("7"));
    QCoreApplication::sendEvent(panel->lblLink[0], &move);
    save(panel, directory, QStringLiteral("frmMenuPrincipal-options"));
    save(new zelmora::frmAbout, directory, QStringLiteral("frmAbout"));
    // The splash halfway through its animation and at its end, stepped without the clock.
    for (const auto& [name, fades, bars] : {std::tuple{QStringLiteral("frmInicio-mid"), 10, 20},
                                            std::tuple{QStringLiteral("frmInicio-end"), 26, 41}}) {
        auto* splash = new zelmora::frmInicio;
        const auto timer = [splash](const char* timerName) {
            return splash->findChild<QTimer*>(QString::fromLatin1(timerName));
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
        save(splash, directory, name);
    }

    save(new zelmora::frmConvert, directory, QStringLiteral("frmConvert"));
    auto* converter = new zelmora::frmConvert;
    converter->txtCajaA->setText(QStringLiteral("5"));
    converter->txtCajaA_GotFocus();
    converter->txtCajaA_KeyPress();
    converter->Option3->click();
    save(converter, directory, QStringLiteral("frmConvert-volumen"));
    // A long result: fifteen digits of square kilometres in square millimetres.
    auto* longResults = new zelmora::frmConvert;
    longResults->Option1->click();
    longResults->txtCajaA_GotFocus();
    longResults->cmdIzqA_Click();
    longResults->cmdIzqA_Click();
    for (int i = 0; i < 3; ++i) {
        longResults->cmdIzqB_Click();
    }
    longResults->txtCajaA->setText(QStringLiteral("-12345678901234"));
    longResults->txtCajaA_GotFocus();
    longResults->txtCajaA_KeyPress();
    save(longResults, directory, QStringLiteral("frmConvert-longest"));

    save(new zelmora::frmPitagoras, directory, QStringLiteral("frmPitagoras"));
    auto* solver = new zelmora::frmPitagoras;
    for (const auto& [index, text] : {std::pair{1, "3"}, std::pair{2, "4"}, std::pair{3, "1"},
                                      std::pair{4, "3"}, std::pair{5, "-123.5"}}) {
        solver->txtZ[index]->setText(QString::fromLatin1(text));
    }
    solver->txtZ[0]->setText(QStringLiteral("0"));
    solver->cmdShow1_Click();
    solver->cmdShow2_Click();
    save(solver, directory, QStringLiteral("frmPitagoras-resuelto"));
    return 0;
}
