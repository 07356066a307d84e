#pragma once

class QApplication;

namespace zelmora {

// The program's look (applyProgramLook), the accessibility of its windows, and Qt's Spanish texts
// for the standard buttons and the text boxes' context menu, whatever the system's language.
void setUpApplication(QApplication& app);

// Starts the program: names it for the desktop, shows the splash at once, and right after the
// splash's first paint completes the set-up that the splash does not need (the look and the
// Spanish texts of setUpApplication, and the program's icon), so that the first picture waits
// for none of it.
void startApplication(QApplication& app);

}  // namespace zelmora
