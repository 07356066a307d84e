#include "tests/support/popupmenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

namespace zelmora::testing {
namespace {

QString itemText(const QAction* action) {
    return action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
}

}  // namespace

bool chooseWithKeys(QMenu* popup, const QAction* action) {
    for (qsizetype step = 0; popup->activeAction() != action && step < popup->actions().size();
         ++step) {
        QTest::keyClick(popup, Qt::Key_Down);
    }
    if (popup->activeAction() != action || !action->isEnabled()) {
        return false;
    }
    QTest::keyClick(popup, Qt::Key_Return);
    return true;
}

SeenPopup chooseFromPopup(const std::function<void()>& open, const QString& item) {
    SeenPopup seen;
    // `open` returns once the pop-up has closed, so the timer lives exactly as long.
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&timer, &seen, &item] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (popup == nullptr) {
            return;
        }
        timer.stop();
        seen.shown = true;
        seen.place = popup->geometry();
        const QAction* wanted = nullptr;
        for (const QAction* action : popup->actions()) {
            seen.items << (action->isSeparator() ? QStringLiteral("-") : itemText(action));
            if (!item.isEmpty() && itemText(action) == item) {
                wanted = action;
            }
        }
        seen.chosen = wanted != nullptr && chooseWithKeys(popup, wanted);
        if (!seen.chosen) {
            QTest::keyClick(popup, Qt::Key_Escape);
        }
    });
    timer.start();
    open();
    // The closed pop-up frees itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seen;
}

SeenPopup chooseFromPopup(QWidget* opener, const QString& item) {
    return chooseFromPopup(
        [opener] {
            QTest::mouseMove(opener);
            QTest::mouseClick(opener, Qt::LeftButton);
        },
        item);
}

QMenu* openContextMenu(QWidget* widget) {
    // QTest's mouse events go to the widget itself, past the window that turns a right click
    // into a context-menu event; this is the event that window sends.
    const QPoint inside = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000)) {
        return nullptr;
    }
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

bool chooseFromContextMenu(QWidget* widget, const QString& item) {
    QMenu* menu = openContextMenu(widget);
    if (menu == nullptr) {
        return false;
    }
    QAction* wanted = nullptr;
    for (QAction* action : menu->actions()) {
        if (itemText(action) == item && action->isEnabled()) {
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
