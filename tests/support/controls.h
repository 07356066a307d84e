#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

// Tests, benchmarks and the render tool reach a window's controls the way a screen reader or a
// user does: by the control's name in the window, never through the window's members. This is
// the one way they do.
namespace zelmora::testing {

// Stops the program with the window's and the control's names.
[[noreturn]] void missingControl(const QObject* window, const QString& name);

// The control of the window under its name. A control that is missing, or of another kind, is a
// fault of the window or of the test: it stops the program with the name rather than letting a
// null pointer stand in for it.
template <typename T = QWidget>
T* control(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) {
        missingControl(window, name);
    }
    return found;
}

// An element of a control array, as the design names it: ("txtZ", 3) is "txtZ(3)".
template <typename T = QWidget>
T* control(const QObject* window, const char* array, int index) {
    return control<T>(window, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
}

// One of a window's numbered controls: ("Option", 2) is "Option2".
QString numbered(const char* stem, int number);

}  // namespace zelmora::testing
