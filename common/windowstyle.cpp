#include "common/windowstyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace zelmora {
namespace {

// The line that shows the keyboard focus on a control.
const QColor kFocusLine(30, 30, 30);

// Fusion with two changes of the program's own.
class ProgramStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    // Fusion shows the keyboard focus as a pale blue tint over the caption, which changes the
    // colour of a face that carries meaning and is faint on others; the program draws a dark
    // dotted line around the caption instead, and leaves the face its colour.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (!(option->state & State_KeyboardFocusChange)) {
            return;
        }
        painter->save();
        QPen pen(kFocusLine, 1, Qt::DotLine);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
    }

    // Fusion keeps its drawings of combo boxes in the pixmap cache under a key that names the
    // palette's identity. Every widget holds its own copy of the program's palette, so every
    // window added drawings and keys of its own that outlived it; drawn with the program's
    // palette itself, as the colours are the same, all windows share them.

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control == CC_ComboBox && combo != nullptr &&
            combo->palette == QApplication::palette()) {
            QStyleOptionComboBox shared = *combo;
            shared.palette = QApplication::palette();
            shared.palette.setCurrentColorGroup(combo->palette.currentColorGroup());
            QProxyStyle::drawComplexControl(control, &shared, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
};

// The frame that the window manager put around the last window whose frame was known. A window
// manager adds its frame only once a window is shown, so a new window is first centred with the
// frame its predecessors had, which is usually its own: it then opens in its place at once.
QMargins knownFrame;

// Moves the window so that its frame, the given margins around its client area, lies in the
// centre of the screen that holds the pointer. move() places the frame's top-left corner.
void centreFrame(QWidget* window, const QMargins& frame) {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    QRect outer(QPoint(0, 0), window->size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    window->move(outer.topLeft());
}

// Centres the window again once its real frame is known after it is shown (it stays where it is
// when that frame is the one it was centred with); then it lets the window be.
class FrameCentring final : public QObject {
    Q_OBJECT

  public:
    explicit FrameCentring(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Paint) {
            return false;
        }
        const QWindow* handle = window_->windowHandle();
        if (handle == nullptr || !handle->isVisible()) {
            return false;
        }
        const QMargins frame = handle->frameMargins();
        // Without a frame by the first paint, the window manager draws none.
        if (frame.isNull() && type != QEvent::Paint) {
            return false;
        }
        window_->removeEventFilter(this);
        deleteLater();
        if (!frame.isNull()) {
            knownFrame = frame;
            centreFrame(window_, frame);
        }
        return false;
    }

  private:
    QWidget* window_;
};

}  // namespace

void applyProgramLook() {
    QStyle* fusion = new ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setStyle(fusion);
    // Every window of the program paints its background in this near white.
    QPalette light = fusion->standardPalette();
    light.setColor(QPalette::Window, kWindowColour);
    light.setColor(QPalette::Base, Qt::white);
    // A disabled control's text stays readable, at 4.5:1 against every background of the
    // palette, yet lighter than the black of an enabled one.
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        light.setColor(QPalette::Disabled, role, kDisabledText);
    }
    QApplication::setPalette(light);
    QApplication::setFont(calibri(10));
}

QFont calibri(qreal points, bool italic) {
    QFont font(QStringLiteral("Calibri"));
    font.setPointSizeF(points);
    font.setItalic(italic);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour) {
    // A colour of the program's palette is taken by its role, so that the controls inside keep
    // the program's palette and share the style's cached drawings (see ProgramStyle).
    const QPalette program = QApplication::palette();
    if (colour == program.color(QPalette::Window)) {
        widget->setBackgroundRole(QPalette::Window);
    } else if (colour == program.color(QPalette::Base)) {
        widget->setBackgroundRole(QPalette::Base);
    } else {
        QPalette palette = widget->palette();
        palette.setColor(widget->backgroundRole(), colour);
        widget->setPalette(palette);
    }
    widget->setAutoFillBackground(true);
}

double contrastRatio(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

void setButtonColour(QAbstractButton* button, const QColor& colour) {
    // A style sheet keeps the face exactly the colour asked for, where a style would shade it.
    const QColor text = contrastRatio(colour, Qt::black) >= contrastRatio(colour, Qt::white)
                            ? QColor(Qt::black)
                            : QColor(Qt::white);
    button->setStyleSheet(
        QStringLiteral("QAbstractButton { background-color: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 3px; padding: 2px 6px; }"
                       "QAbstractButton:hover { background-color: %4; }"
                       "QAbstractButton:pressed { background-color: %5; }"
                       "QAbstractButton:focus { border: 2px solid %6; }"
                       "QAbstractButton:disabled { color: %7; }")
            .arg(colour.name(), text.name(), colour.darker(160).name(), colour.lighter(108).name(),
                 colour.darker(120).name(), kFocusLine.name(), kDisabledText.name()));
}

void makeToolWindow(QWidget* window, const QString& title, int width, int height,
                    TitleButtons buttons) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (buttons == TitleButtons::MinimizeAndClose) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    window->setWindowFlags(flags);
    window->setWindowTitle(title);
    window->setFixedSize(width, height);
    centerOnScreen(window);
}

void setTabChain(std::span<QWidget* const> chain) {
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

void setTabChain(std::initializer_list<QWidget*> chain) {
    setTabChain(std::span<QWidget* const>(chain.begin(), chain.size()));
}

void centerOnScreen(QWidget* window) {
    if (window->findChild<FrameCentring*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
        new FrameCentring(window);
    }
    const QWindow* handle = window->windowHandle();
    centreFrame(window,
                handle != nullptr && handle->isVisible() ? handle->frameMargins() : knownFrame);
}

}  // namespace zelmora

#include "windowstyle.moc"
