#include "shell/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/accessibility.h"
#include "common/windowstyle.h"
#include "shell/frminicio.h"
#include "shell/menupictures.h"

namespace zelmora {

void setUpApplication(QApplication& app) {
    installWindowAccessibility();
    applyProgramLook();
    // Only texts are translated; numbers never go through the locale.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

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
