#include <QApplication>

#include "calculators/calculatorwindows.h"
#include "common/windowstyle.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelmora::setUpApplication(app);
    (new zelmora::frmArea)->show();
    return QApplication::exec();
}
