#pragma once

#include <QString>

class QWidget;

namespace zelmora {

// What the menu's links need from the desktop. The menu asks through this interface so that
// tests can put fakes in its place.
class DesktopServices {
  public:
    virtual ~DesktopServices() = default;

    // A modal About box with the program's name, the maker's name, the product's name and the
    // program's icon; returns when the user closes it.
    virtual void showAbout(QWidget* owner) = 0;

    // Whether a network connection other than the loopback is up.
    virtual bool networkIsUp() = 0;

    // Hands the address to the desktop's web browser and returns at once; false when no
    // browser could be asked.
    virtual bool openInBrowser(const QString& address) = 0;
};

// The services of the desktop the program runs on.
DesktopServices& systemDesktopServices();

}  // namespace zelmora
