#include "common/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace zelmora {
namespace {

// Marks a caption that is heard within its value's phrase.
constexpr char kHeardWithValue[] = "zelmoraHeardWithValue";

// A radio button as Qt presents it, except for its description: the figure options pad their
// tool tips with blanks around the caption, and a tool tip that only repeats the caption is not
// read a second time. One that says more ("POLÍGONO REGULAR" for "POLÍGONO REG.") still is.
class RadioButtonInterface final : public QAccessibleWidget {
  public:
    explicit RadioButtonInterface(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        const auto* button = static_cast<const QRadioButton*>(widget());
        if (kind == QAccessible::Name) {
            const QString name = button->accessibleName();
            return name.isEmpty() ? QString(button->text()).remove(QLatin1Char('&')) : name;
        }
        if (kind == QAccessible::Description) {
            const QString description = button->accessibleDescription();
            if (!description.isEmpty()) {
                return description;
            }
            const QString tip = button->toolTip().trimmed();
            return tip == text(QAccessible::Name) ? QString() : tip;
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<const QRadioButton*>(widget())->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return widget()->isEnabled() ? QStringList{toggleAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            static_cast<QRadioButton*>(widget())->click();
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// A caption that a value's phrase already names has nothing of its own to say.
class SilentCaption final : public QAccessibleWidget {
  public:
    explicit SilentCaption(QWidget* caption)
        : QAccessibleWidget(caption, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Description) {
            return QString();
        }
        return QAccessibleWidget::text(kind);
    }
};

// Asked for every class of an object's ancestry, most derived first and before Qt's own
// interfaces: answering only at QWidget itself leaves dialogs, message boxes, menus and every
// control to Qt, and takes only the windows that would otherwise fall back to a panel.
QAccessibleInterface* programInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QRadioButton")) {
        return new RadioButtonInterface(static_cast<QRadioButton*>(object));
    }
    if (className == QLatin1String("QLabel") && object->property(kHeardWithValue).toBool()) {
        return new SilentCaption(static_cast<QWidget*>(object));
    }
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
    QAccessible::installFactory(programInterface);
}

QLabel* labelForScreenReaders(QWidget* control, const QString& purpose) {
    auto* label = new QLabel(purpose, control->parentWidget());
    label->setObjectName(control->objectName() + QStringLiteral("Purpose"));
    label->setBuddy(control);
    label->hide();
    return label;
}

QLabel* captionOfValue(QWidget* parent) {
    auto* caption = new QLabel(parent);
    caption->setProperty(kHeardWithValue, true);
    return caption;
}

void announceValue(QLabel* value, const QLabel* caption, QWidget* setter) {
    const QString phrase = caption->text() + QLatin1Char(' ') + value->text();
    value->setAccessibleName(phrase);
    setter->setAccessibleDescription(phrase);
}

}  // namespace zelmora
