#include "common/numberbox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace zelmora {

NumberBox::NumberBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void NumberBox::focusInEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        emit gotFocus();
    }
    QLineEdit::focusInEvent(event);
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) {
        emit lostFocus();
    }
    QLineEdit::focusOutEvent(event);
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QLineEdit::mouseDoubleClickEvent(event);
}

}  // namespace zelmora
