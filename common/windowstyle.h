#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <initializer_list>
#include <span>

class QAbstractButton;
class QWidget;

// What every window of the program shares in its look and its frame.
namespace zelmora {

// The background of every window.
inline const QColor kWindowColour(250, 250, 250);

// The text of a disabled control.
inline const QColor kDisabledText(100, 100, 100);

// The contrast of two colours as the accessibility guidelines measure it, from 1 to 21.
double contrastRatio(const QColor& one, const QColor& other);

// The title of every message box and the About box.
inline const QString kAppTitle = QStringLiteral("Zelmora");

// Fusion with one light palette of the program's own, so that the fixed light backgrounds stay
// legible under a dark desktop theme, and Calibri as the default font.
void applyProgramLook();

QFont calibri(qreal points, bool italic = false);

// Paints the widget's own background in the colour.
// The widget's background role is where the colour goes (Window for most widgets, Button for
// buttons).
void setBackground(QWidget* widget, const QColor& colour);

// A button face in the colour, with a text colour that stays legible on it.
void setButtonColour(QAbstractButton* button, const QColor& colour);

// The buttons a tool window's title bar shows.
enum class TitleButtons { MinimizeAndClose, CloseOnly };

// A tool window: no owner, fixed client size, freed when closed, centred on the screen.
void makeToolWindow(QWidget* window, const QString& title, int width, int height,
                    TitleButtons buttons = TitleButtons::MinimizeAndClose);

// The Tab order of a window, first to last: each control comes after the one before it.
void setTabChain(std::initializer_list<QWidget*> chain);
void setTabChain(std::span<QWidget* const> chain);

// Places a window in the centre of the screen that holds the pointer.
void centerOnScreen(QWidget* window);

}  // namespace zelmora
