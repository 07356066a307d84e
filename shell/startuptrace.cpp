#include "shell/startuptrace.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace zelmora {

void startupTrace(const char* milestone) {
    static const char* const mode = std::getenv("ZELMORA_STARTUP_TRACE");
    if (mode == nullptr) {
        return;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "zelmora-trace %s %lld\n", milestone,
                 static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
    if (std::strcmp(mode, "exit") == 0 && std::strcmp(milestone, "menu-shown") == 0) {
        // exit() leaves the event loop without closing the windows, so the menu asks nothing.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
}

}  // namespace zelmora
