// Renders the program's windows to PNG files, so that they can be looked at without a display:
//   zelmora-render OUTPUT_DIR [SCALE]
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <functional>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"
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
    window->close();
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
