#include <QApplication>

#include "common/windowstyle.h"
#include "shell/frmmenuprincipal.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelmora::setUpApplication(app);
    (new zelmora::frmMenuPrincipal)->show();
    return QApplication::exec();
}
