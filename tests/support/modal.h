#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTest>
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
    QString defaultButton;  // the button Enter presses
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
        if (QPushButton* button = box->defaultButton()) {
            seen->defaultButton = button->text().remove(QLatin1Char('&'));
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

// While a test runs, a message box that no answerNextMessageBox waits for fails the test at once
// with what it said, and is closed, so that the test goes on to its end instead of hanging.
inline void failOnUnexpectedBoxes() {
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("unexpectedMessageBox"));
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        for (const QTimer* answer : qApp->findChildren<QTimer*>(
                 QStringLiteral("answerNextMessageBox"), Qt::FindDirectChildrenOnly)) {
            if (answer->isActive()) {
                return;
            }
        }
        const QString said = box->text();
        box->reject();
        QTest::qFail(
            qPrintable(
                QStringLiteral("a message box that no test expected said: \"%1\"").arg(said)),
            __FILE__, __LINE__);
    });
    timer->start();
}

inline void stopFailingOnUnexpectedBoxes() {
    qDeleteAll(qApp->findChildren<QTimer*>(QStringLiteral("unexpectedMessageBox"),
                                           Qt::FindDirectChildrenOnly));
}

}  // namespace zelmora::testing
