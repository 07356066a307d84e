#include "shell/frminicio.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cmath>
#include <utility>

#include "common/shape.h"
#include "common/windowstyle.h"
#include "shell/frmmenuprincipal.h"
#include "shell/startuptrace.h"

namespace zelmora {
namespace {

constexpr float kTwipsPerPixel = 15;

Shape* bar(QWidget* parent, const QString& name, const QColor& colour) {
    auto* shape = new Shape(parent);
    shape->setObjectName(name);
    shape->setOutlineColour(colour);
    shape->setFillColour(colour);
    shape->setFill(Shape::Fill::Solid);
    return shape;
}

QTimer* timer(QObject* parent, const QString& name, int interval) {
    auto* t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(interval);
    return t;
}

}  // namespace

frmInicio::frmInicio(std::function<void()> afterFirstPaint)
    : afterFirstPaint_(std::move(afterFirstPaint)) {
    setObjectName(QStringLiteral("frmInicio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowTitle(kAppTitle);
    setFixedSize(kWidth, kHeight);
    centerOnScreen(this);
    // The splash may be painted before the program's palette is set, so it carries its own white.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Created from the bottom of the drawing order up, so that each lies above the ones before.
    Shape1 = bar(this, QStringLiteral("Shape1"), QColor(255, 0, 0));
    Shape2 = bar(this, QStringLiteral("Shape2"), QColor(255, 255, 0));
    lblWord = new QLabel(QStringLiteral("ZELMORA"), this);
    lblWord->setObjectName(QStringLiteral("lblWord"));
    lblWord->setFont(calibri(24));
    lblWord->move(80, 152);
    // Sized to its text and shown once the first picture is on screen: measuring the text loads
    // the fonts, the dearest step of the splash, and white on white the name shows nothing yet.
    lblWord->hide();
    Shape3 = bar(this, QStringLiteral("Shape3"), QColor(255, 128, 0));
    Shape3->hide();
    Shape4 = new Shape(this);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Shape4->setOutlineColour(Qt::black);
    Shape4->setGeometry(rect());
    place(Shape1, shape1_);
    place(Shape2, shape2_);
    place(Shape3, shape3_);

    Timer1 = timer(this, QStringLiteral("Timer1"), 30);
    Timer2 = timer(this, QStringLiteral("Timer2"), 30);
    Timer3 = timer(this, QStringLiteral("Timer3"), 500);
    connect(Timer1, &QTimer::timeout, this, &frmInicio::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &frmInicio::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &frmInicio::Timer3_Timer);
    Form_Load();
    Timer1->start();
    Timer2->start();
}

SplashBars frmInicio::tick(const QTimer* timer) {
    if (timer == Timer1) {
        Timer1_Timer();
    } else if (timer == Timer2) {
        Timer2_Timer();
    } else if (timer == Timer3) {
        Timer3_Timer();
    }
    return {shape1_, shape2_, shape3_};
}

void frmInicio::Form_Load() {
    FadeLevel = 250;
    QPalette palette = lblWord->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 255));
    lblWord->setPalette(palette);
}

void frmInicio::Timer1_Timer() {
    if (FadeLevel > 0 && FadeLevel <= 250) {
        FadeLevel = static_cast<short>(FadeLevel - 10);
        QPalette palette = lblWord->palette();
        palette.setColor(QPalette::WindowText, QColor(FadeLevel, FadeLevel, FadeLevel));
        lblWord->setPalette(palette);
    } else {
        Timer1->stop();
    }
}

void frmInicio::Timer2_Timer() {
    if (shape2_.height < 4815) {
        shape2_.height += 120;
        // The red band keeps its right edge at the window's right edge.
        shape1_.left -= 200;
        shape1_.width += 200;
        if (shape1_.left >= 480 && shape1_.left <= 960) {
            shape3_.left = shape2_.left;
            shape3_.width = shape2_.width;
            place(Shape3, shape3_);
            Shape3->show();
        }
        place(Shape2, shape2_);
        place(Shape1, shape1_);
    } else {
        Timer2->stop();
        Timer3->start();
    }
}

void frmInicio::Timer3_Timer() {
    Timer3->stop();
    // The menu needs what was deferred, even if the splash was never painted.
    finishLoading();
    // The program's single menu.
    frmMenuPrincipal* menu = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* existing = qobject_cast<frmMenuPrincipal*>(window)) {
            menu = existing;
        }
    }
    if (menu == nullptr) {
        menu = new frmMenuPrincipal;
    }
    menu->show();
    startupTrace("menu-shown");
    close();
}

void frmInicio::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        startupTrace("splash-painted");
        // Queued, it runs once this paint has been flushed to the screen.
        QMetaObject::invokeMethod(this, &frmInicio::finishLoading, Qt::QueuedConnection);
    }
}

void frmInicio::finishLoading() {
    lblWord->adjustSize();
    lblWord->show();
    // Once: the hand-over comes here again after the first paint.
    if (afterFirstPaint_) {
        std::exchange(afterFirstPaint_, {})();
    }
}

void frmInicio::place(Shape* shape, const TwipRect& twips) {
    // Bars may reach beyond the window, where they are clipped.
    shape->setGeometry(static_cast<int>(std::lround(twips.left / kTwipsPerPixel)),
                       static_cast<int>(std::lround(twips.top / kTwipsPerPixel)),
                       static_cast<int>(std::lround(twips.width / kTwipsPerPixel)),
                       static_cast<int>(std::lround(twips.height / kTwipsPerPixel)));
}

}  // namespace zelmora
