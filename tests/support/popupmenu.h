#pragma once

#include <QAction>
#include <QMenu>
#include <QTest>

namespace zelmora::testing {

// Chooses an item of an open pop-up menu as a keyboard user does: Down until the item is
// highlighted, then Enter. False, with the menu left open, when no enabled item is `action`.
// The keys take the same way on every Qt, while a synthetic click on a pop-up reaches no item on
// Qt 6.8's offscreen platform.
inline bool chooseWithKeys(QMenu* popup, const QAction* action) {
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

}  // namespace zelmora::testing
