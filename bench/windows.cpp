// What the tool windows cost: the time to open one from the menu, the memory each open window
// adds, the processor time of idle windows, and a soak of opening and closing them.
//   zelmora-bench-windows open [REPEATS]
//   zelmora-bench-windows idle [WINDOWS_PER_KIND [SECONDS]]
//   zelmora-bench-windows soak [CYCLES [KIND]]
// Runs under the offscreen platform unless another one is chosen.
#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "common/windowstyle.h"
#include "shell/application.h"
#include "shell/frmmenuprincipal.h"
#include "tests/support/toolwindows.h"

namespace {

using zelmora::frmMenuPrincipal;

using zelmora::testing::openFromMenu;
using zelmora::testing::ToolKind;
using zelmora::testing::toolKinds;

double heapInUseKiB() {
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4.0;
}

double processorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Runs the event loop for a while; quitting the application would close every window.
void runFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void freeClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PaintWatch : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

int openTimes(QWidget* menu, int repeats) {
    std::printf("%-10s %14s %14s %14s %14s\n", "window", "shown (ms)", "painted (ms)",
                "heap/window", "RSS/window");
    for (const ToolKind& kind : toolKinds()) {
        std::vector<double> shown;
        std::vector<double> painted;
        std::vector<QPointer<QWidget>> open;
        const double heapBefore = heapInUseKiB();
        const double residentBefore = residentKiB();
        for (int i = 0; i < repeats; ++i) {
            QElapsedTimer clock;
            clock.start();
            QWidget* window = openFromMenu(menu, kind);
            shown.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            if (window == nullptr) {
                std::fprintf(stderr, "%s: no window opened\n", kind.name);
                return 1;
            }
            PaintWatch watch;
            window->installEventFilter(&watch);
            while (!watch.painted) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            }
            painted.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            window->removeEventFilter(&watch);
            open.push_back(window);
        }
        const double heapPerWindow = (heapInUseKiB() - heapBefore) / repeats;
        const double residentPerWindow = (residentKiB() - residentBefore) / repeats;
        std::sort(shown.begin(), shown.end());
        std::sort(painted.begin(), painted.end());
        std::printf("%-10s %14.2f %14.2f %11.0f KiB %11.0f KiB\n", kind.name,
                    shown[shown.size() / 2], painted[painted.size() / 2], heapPerWindow,
                    residentPerWindow);
        for (const QPointer<QWidget>& window : open) {
            if (window) {
                window->close();
            }
        }
        freeClosed();
    }
    std::printf("(medians of %d openings; memory from the heap in use and the resident set)\n",
                repeats);
    return 0;
}

int idle(QWidget* menu, int perKind, int seconds) {
    for (const ToolKind& kind : toolKinds()) {
        for (int i = 0; i < perKind; ++i) {
            kind.open(menu);
        }
    }
    runFor(500);  // first paints and activation settle
    QElapsedTimer wall;
    wall.start();
    const double before = processorSeconds();
    runFor(seconds * 1000);
    const double share =
        100.0 * (processorSeconds() - before) / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
    std::printf("%d idle windows (%d of each kind) and the menu for %d s: %.2f %% of one core\n",
                perKind * static_cast<int>(toolKinds().size()), perKind, seconds, share);
    return 0;
}

int soak(QWidget* menu, int cycles, const std::string& only) {
    const auto windowCount = [] { return QApplication::allWidgets().size(); };
    const auto widgetsAtStart = windowCount();
    std::printf("%8s %10s %14s %14s\n", "cycle", "widgets", "heap (KiB)", "RSS (KiB)");
    std::printf("%8d %10lld %14.0f %14.0f\n", 0, static_cast<long long>(widgetsAtStart),
                heapInUseKiB(), residentKiB());
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (const ToolKind& kind : toolKinds()) {
            if (!only.empty() && only != kind.name) {
                continue;
            }
            QWidget* window = openFromMenu(menu, kind);
            kind.computeAnAnswer(window);
            QCoreApplication::processEvents();
            window->close();
            freeClosed();
        }
        if (cycle % (cycles / 10 > 0 ? cycles / 10 : 1) == 0) {
            std::printf("%8d %10lld %14.0f %14.0f\n", cycle, static_cast<long long>(windowCount()),
                        heapInUseKiB(), residentKiB());
        }
    }
    return windowCount() == widgetsAtStart ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zelmora::setUpApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
    auto* menu = new frmMenuPrincipal;
    menu->setAttribute(Qt::WA_DeleteOnClose, false);
    menu->show();
    runFor(200);

    const std::string mode = argc > 1 ? argv[1] : "open";
    const auto number = [&](int index, int fallback) {
        return argc > index ? std::atoi(argv[index]) : fallback;
    };
    int result = 2;
    if (mode == "open") {
        result = openTimes(menu, number(2, 50));
    } else if (mode == "idle") {
        result = idle(menu, number(2, 20), number(3, 10));
    } else if (mode == "soak") {
        result = soak(menu, number(2, 500), argc > 3 ? argv[3] : "");
    } else {
        std::fprintf(stderr, "usage: zelmora-bench-windows open|idle|soak [N [SECONDS]]\n");
    }
    delete menu;
    return result;
}
