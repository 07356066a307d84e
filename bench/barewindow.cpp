// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window
// of the splash's size. It reports its first paint as the program does (ZELMORA_STARTUP_TRACE)
// and ends right after it.
//
//     zelmora-bench-barewindow [--splash-window]
//
// With --splash-window the window is the splash's kind of window (a frameless splash, of fixed
// size, centred), which shows what the window manager's handling of such a window costs apart
// from anything the program does.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstring>

#include "shell/startuptrace.h"

namespace {

// The splash's client area in pixels.
constexpr int kWidth = 521;
constexpr int kHeight = 297;

class BareWindow final : public QWidget {
  protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (!painted_) {
            painted_ = true;
            zelmora::startupTrace("splash-painted");
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

  private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--splash-window") == 0) {
        window.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        window.setFixedSize(kWidth, kHeight);
        QRect frame = window.frameGeometry();
        frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
        window.move(frame.topLeft());
    } else {
        window.resize(kWidth, kHeight);
    }
    window.show();
    return QApplication::exec();
}
