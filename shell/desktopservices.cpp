#include "shell/desktopservices.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <QDesktopServices>
#include <QUrl>

#include "shell/frmabout.h"

namespace zelmora {
namespace {

class SystemDesktopServices final : public DesktopServices {
  public:
    void showAbout(QWidget* owner) override {
        frmAbout about(owner);
        about.exec();
    }

    bool networkIsUp() override {
        ifaddrs* interfaces = nullptr;
        if (getifaddrs(&interfaces) != 0) {
            return false;
        }
        bool up = false;
        for (const ifaddrs* i = interfaces; i != nullptr && !up; i = i->ifa_next) {
            const bool running = (i->ifa_flags & IFF_UP) && (i->ifa_flags & IFF_RUNNING);
            const bool loopback = i->ifa_flags & IFF_LOOPBACK;
            const bool hasAddress = i->ifa_addr != nullptr && (i->ifa_addr->sa_family == AF_INET ||
                                                               i->ifa_addr->sa_family == AF_INET6);
            up = running && !loopback && hasAddress;
        }
        freeifaddrs(interfaces);
        return up;
    }

    bool openInBrowser(const QString& address) override {
        // The desktop starts the browser in its own process; nothing here waits for the page.
        return QDesktopServices::openUrl(QUrl(address));
    }
};

}  // namespace

DesktopServices& systemDesktopServices() {
    static SystemDesktopServices services;
    return services;
}

}  // namespace zelmora
