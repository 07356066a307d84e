#include "common/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace zelmora {
namespace {

// Asked for every class of an object's ancestry, most derived first and before Qt's own
// interfaces: answering only at QWidget itself leaves dialogs, message boxes, menus and every
// control to Qt, and takes only the windows that would otherwise fall back to a panel.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget")) {
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || widget->windowType() != Qt::Window) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void installWindowAccessibility() {
    QAccessible::installFactory(windowInterface);
}

QLabel* labelForScreenReaders(QWidget* control, const QString& purpose) {
    auto* label = new QLabel(purpose, control->parentWidget());
    label->setObjectName(control->objectName() + QStringLiteral("Purpose"));
    label->setBuddy(control);
    label->hide();
    return label;
}

void announceValue(QLabel* value, const QLabel* caption, QWidget* setter) {
    const QString phrase = caption->text() + QLatin1Char(' ') + value->text();
    value->setAccessibleName(phrase);
    setter->setAccessibleDescription(phrase);
}

}  // namespace zelmora
