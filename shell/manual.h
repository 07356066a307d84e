#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zelmora {

class DesktopServices;

// The page's name, on the maker's site and where it is installed.
inline const QString kManualPageName = QStringLiteral("zelmora-help.html");

// Where "?" finds the manual: the maker's web address when the build names one, otherwise the
// page installed with the program.
struct ManualSource {
    QString webAddress;     // empty: the installed page
    QStringList pagePaths;  // the installed page's possible places; the first that exists wins
};

// The build's choice: its web address, or the page installed beside the program (for an
// installed program) and the build folder's copy (for a program run from its build folder).
ManualSource builtInManual();

// The whole behaviour of the menu's "?". A web address needs a network connection and says so
// without one; the installed page opens at once. A page that is not there, or a browser that
// cannot be started, ends with a message, so that the click never goes unanswered.
void openManual(DesktopServices& services, QWidget* owner,
                const ManualSource& source = builtInManual());

}  // namespace zelmora
