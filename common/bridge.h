#pragma once

#include <QString>
#include <string_view>

// What the windows use to join the core and the design: a control under its design name, and the
// core's UTF-8 texts as Qt strings.
namespace zelmora {

// A control under its name in the window, which tests and screen readers find it by.
template <typename T>
T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zelmora
