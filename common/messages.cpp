#include "common/messages.h"

#include <QMessageBox>

#include "common/windowstyle.h"

namespace zelmora {

void showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kAppTitle, text, QMessageBox::Ok);
}

void showInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kAppTitle, text, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace zelmora
