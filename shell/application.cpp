#include "shell/application.h"

#include <QApplication>
#include <QIcon>

#include "common/windowstyle.h"
#include "shell/frminicio.h"
#include "shell/menupictures.h"

namespace zelmora {

void startApplication(QApplication& app) {
    // Before the first window: the window system reads these when a window is created.
    QApplication::setApplicationName(kAppTitle);
    QApplication::setOrganizationName(QStringLiteral("Quimbel"));
    // A Wayland desktop, which ignores window icons, finds the icon through the installed
    // launcher of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELMORA_APP_ID));
    auto* splash = new frmInicio([&app] {
        setUpApplication(app);
        // Every window shows the program's icon.
        QApplication::setWindowIcon(appIcon());
    });
    splash->show();
}

}  // namespace zelmora
