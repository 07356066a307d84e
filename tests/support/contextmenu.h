#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QString>
#include <QTest>
#include <QWidget>

#include "tests/support/popupmenu.h"

namespace zelmora::testing {

// Opens the widget's context menu as a right click does and chooses the item that reads `item`
// from the keyboard
// (without its "&" and its shortcut). False when no menu opened or it has no such enabled item;
// the menu is then closed.
inline bool chooseFromContextMenu(QWidget* widget, const QString& item) {
    // QTest's mouse events go to the widget itself, past the window that turns a right click
    // into a context-menu event; this is the event that window sends.
    const QPoint inside = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000)) {
        return false;
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return false;
    }
    QAction* wanted = nullptr;
    for (QAction* action : menu->actions()) {
        const QString text =
            action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        if (text == item && action->isEnabled()) {
            wanted = action;
        }
    }
    const bool chosen = wanted != nullptr && chooseWithKeys(menu, wanted);
    if (!chosen) {
        menu->close();
    }
    // A closed context menu deletes itself later; it must not outlive the call, or freeing its
    // window would leave it among the top-level widgets that a test's clean-up walks.
    const bool closed =
        QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return chosen && closed;
}

}  // namespace zelmora::testing
