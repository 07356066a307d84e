#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

// Tests, benchmarks and the render tool reach a window's controls the way a screen reader or a
// user does: by the control's name in the window, never through the window's members.
namespace zelmora::testing {

// The control of the window under its name (an array element is "txtZ(3)"). A control that is
// missing, or of another kind, is a fault of the window or of the test: it stops the program
// with the name rather than letting a null pointer stand in for it.
template <typename T>
T* control(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("%s has no control %s of the expected kind", qPrintable(window->objectName()),
               qPrintable(name));
    }
    return found;
}

}  // namespace zelmora::testing
