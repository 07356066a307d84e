// How much processor time idle solver windows take while their button timers tick:
//   zelmora-bench-solver-idle [WINDOWS [SECONDS]]
// Runs under the offscreen platform unless another one is chosen, and prints the processor
// time of the event loop alone as a share of one core, with and without the timers running.
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/windowstyle.h"
#include "solver/frmpitagoras.h"

namespace {

// The process's processor time as getrusage reports it (user and system), and as the scheduler
// counts it exactly; getrusage may be sampled at the clock tick, which blurs a small share.
struct ProcessorTime {
    double rusage;
    double exact;
};

ProcessorTime processorTime() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    timespec exact{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &exact);
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), exact.tv_sec + exact.tv_nsec / 1e9};
}

// Runs the event loop for the given time; returns the processor time as percentages of it.
ProcessorTime idleShare(int milliseconds) {
    QElapsedTimer wall;
    const ProcessorTime before = processorTime();
    wall.start();
    // A loop of its own: quitting the application would close every window first.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    const ProcessorTime after = processorTime();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    return {100.0 * (after.rusage - before.rusage) / elapsed,
            100.0 * (after.exact - before.exact) / elapsed};
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

    std::vector<QPointer<zelmora::frmPitagoras>> open;
    for (int i = 0; i < windows; ++i) {
        auto* window = new zelmora::frmPitagoras;
        window->show();
        open.push_back(window);
    }
    // Let the windows settle (first paint, activation) before measuring.
    idleShare(500);

    const ProcessorTime ticking = idleShare(seconds * 1000);
    for (const QPointer<zelmora::frmPitagoras>& window : open) {
        if (window == nullptr || !window->isVisible()) {
            std::fprintf(stderr, "a solver window closed during the run\n");
            return 1;
        }
        window->tmrMoon->stop();
    }
    const ProcessorTime stopped = idleShare(seconds * 1000);
    std::printf("%d solver windows, %d s each run\n", windows, seconds);
    std::printf("timers running: %.2f %% of one core (getrusage %.2f %%)\n", ticking.exact,
                ticking.rusage);
    std::printf("timers stopped: %.2f %% of one core (getrusage %.2f %%)\n", stopped.exact,
                stopped.rusage);
    return 0;
}
