#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace zelmora::testing {

// Types any text, accents and superscripts included, one key event per character: keyClicks
// takes only ASCII.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace zelmora::testing
