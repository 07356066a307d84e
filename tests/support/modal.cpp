#include "tests/support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace zelmora::testing {

std::shared_ptr<SeenMessage> answerNextMessageBox(QMessageBox::StandardButton answer) {
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

void stopAnswering() {
    for (QTimer* timer : qApp->findChildren<QTimer*>(QStringLiteral("answerNextMessageBox"),
                                                     Qt::FindDirectChildrenOnly)) {
        timer->stop();
        timer->deleteLater();
    }
}

void failOnUnexpectedBoxes() {
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

void stopFailingOnUnexpectedBoxes() {
    qDeleteAll(qApp->findChildren<QTimer*>(QStringLiteral("unexpectedMessageBox"),
                                           Qt::FindDirectChildrenOnly));
}

}  // namespace zelmora::testing
