#pragma once

#include <QAction>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QWidget>

// Pop-up menus, used from the keyboard: the keys take the same way on every Qt, while a synthetic
// click on a pop-up reaches no item on Qt 6.8's offscreen platform.
namespace zelmora::testing {

// Chooses an item of an open pop-up menu: Down until the item is highlighted, then Enter. False,
// with the menu left open, when no enabled item is `action`.
[[nodiscard]] bool chooseWithKeys(QMenu* popup, const QAction* action);

// What a pop-up showed: whether one opened, its items ("-" for a separator), and whether the item
// asked for was chosen.
struct SeenPopup {
    bool shown = false;
    QStringList items;
    bool chosen = false;
};

// The pointer goes to the control and clicks it, and the pop-up that opens is answered from a
// timer: the item whose text is `item` is chosen from the keyboard, and an empty text dismisses
// the pop-up with Escape, as does an item it lacks. Returns once the pop-up has closed and freed
// itself.
SeenPopup chooseFromPopup(QWidget* opener, const QString& item);

// Opens the widget's context menu as a right click does and chooses the item that reads `item`
// (without its "&" and its shortcut). False when no menu opened or it has no such enabled item;
// the menu is then closed.
[[nodiscard]] bool chooseFromContextMenu(QWidget* widget, const QString& item);

}  // namespace zelmora::testing
