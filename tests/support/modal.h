#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

namespace zelmora::testing {

// What a modal message box showed before the test answered it.
struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next modal message box with the given button from a timer, so that a test never
// hangs on it; the result tells what the box showed. Call before the action that opens the box.
inline std::shared_ptr<SeenMessage> answerNextMessageBox(
    QMessageBox::StandardButton answer = QMessageBox::Ok) {
    auto seen = std::make_shared<SeenMessage>();
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("answerNextMessageBox"));
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen->buttons << button->text().remove(QLatin1Char('&'));
        }
        if (QAbstractButton* button = box->button(answer)) {
            button->click();
        } else {
            box->reject();
        }
    });
    timer->start();
    return seen;
}

// Stops a pending answerNextMessageBox when no box came, so its timer does not outlive the test.
inline void stopAnswering() {
    for (QTimer* timer : qApp->findChildren<QTimer*>(QStringLiteral("answerNextMessageBox"),
                                                     Qt::FindDirectChildrenOnly)) {
        timer->stop();
        timer->deleteLater();
    }
}

}  // namespace zelmora::testing
