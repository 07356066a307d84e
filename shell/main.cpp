#include <QApplication>

#include "common/windowstyle.h"
#include "shell/frminicio.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelmora::setUpApplication(app);
    (new zelmora::frmInicio)->show();
    return QApplication::exec();
}
