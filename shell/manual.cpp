#include "shell/manual.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "common/bridge.h"
#include "common/messages.h"
#include "common/windowstyle.h"
#include "shell/desktopservices.h"
#include "shell/manualsettings.h"
#include "shell/shelltexts.h"

namespace zelmora {

ManualSource builtInManual() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {
        QString::fromUtf8(kManualWebAddress),
        {programFolder.filePath(QString::fromUtf8(kManualInstalledFolder) + u'/' + kManualPageName),
         programFolder.filePath(QStringLiteral("manual/") + kManualPageName)}};
}

void openManual(DesktopServices& services, QWidget* owner, const ManualSource& source) {
    QString address;
    QString shownAddress;
    if (!source.webAddress.isEmpty()) {
        if (!services.networkIsUp()) {
            showInformation(owner, toQString(kNoConnection));
            return;
        }
        address = shownAddress = source.webAddress;
    } else {
        for (const QString& path : source.pagePaths) {
            if (QFileInfo(path).isFile()) {
                shownAddress = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
                address = QUrl::fromLocalFile(shownAddress).toString(QUrl::FullyEncoded);
                break;
            }
        }
        if (address.isEmpty()) {
            showError(owner, QStringLiteral("No se encuentra el manual de Zelmora en este equipo. "
                                            "Vuelva a instalar el programa para recuperarlo."));
            return;
        }
    }
    if (!services.openInBrowser(address)) {
        showError(owner, QStringLiteral("No se pudo abrir el navegador web para mostrar el manual. "
                                        "Puede abrirlo usted mismo en esta dirección:\n") +
                             shownAddress);
    }
}

}  // namespace zelmora
