// How much processor time idle solver windows take while their button timers tick:
//   zelmora-bench-solver-idle [WINDOWS [SECONDS]]
// Runs under the offscreen platform unless another one is chosen, and prints the processor
// time of the event loop alone as a share of one core, with and without the timers running.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/windowstyle.h"
#include "solver/frmpitagoras.h"

namespace {

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for the given time; returns the processor time as a percentage of it.
double idleShare(int milliseconds) {
    QElapsedTimer wall;
    const double before = processorSeconds();
    wall.start();
    QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double used = processorSeconds() - before;
    return 100.0 * used / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zelmora::setUpApplication(app);
    const int windows = argc > 1 ? std::atoi(argv[1]) : 20;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;

    std::vector<zelmora::frmPitagoras*> open;
    for (int i = 0; i < windows; ++i) {
        auto* window = new zelmora::frmPitagoras;
        window->show();
        open.push_back(window);
    }
    // Let the windows settle (first paint, activation) before measuring.
    idleShare(500);

    const double ticking = idleShare(seconds * 1000);
    for (zelmora::frmPitagoras* window : open) {
        window->tmrMoon->stop();
    }
    const double stopped = idleShare(seconds * 1000);
    std::printf("%d solver windows, %d s each run\n", windows, seconds);
    std::printf("timers running: %.2f %% of one core\n", ticking);
    std::printf("timers stopped: %.2f %% of one core\n", stopped);
    return 0;
}
