#pragma once

#include <QAction>
#include <QMenu>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// Pop-up menus, used from the keyboard: the keys take the same way on every Qt, while a synthetic
// click on a pop-up reaches no item on Qt 6.8's offscreen platform.
namespace zelmora::testing {

// Chooses an item of an open pop-up menu: Down until the item is highlighted, then Enter. False,
// with the menu left open, when no enabled item is `action`.
[[nodiscard]] bool chooseWithKeys(QMenu* popup, const QAction* action);

// What a pop-up showed: whether one opened and where, its items ("-" for a separator), and
// whether the item asked for was chosen.
struct SeenPopup {
    bool shown = false;
    QRect place;  // on the screen
    QStringList items;
    bool chosen = false;
};

// Runs `open`, which opens a pop-up and returns once it has closed, and answers the pop-up from a
// timer: the item whose text is `item` is chosen from the keyboard, and an empty text dismisses
// the pop-up with Escape, as does an item it lacks. Returns once the pop-up has freed itself.
SeenPopup chooseFromPopup(const std::function<void()>& open, const QString& item);

// The same, with the pointer going to the control and clicking it.
SeenPopup chooseFromPopup(QWidget* opener, const QString& item);

// Opens the widget's context menu as a right click does and returns it once it shows; nothing
// when no menu opened.
QMenu* openContextMenu(QWidget* widget);

// Opens the widget's context menu as a right click does and chooses the item that reads `item`
// (without its "&" and its shortcut). False when no menu opened or it has no such enabled item;
// the menu is then closed.
[[nodiscard]] bool chooseFromContextMenu(QWidget* widget, const QString& item);

}  // namespace zelmora::testing
