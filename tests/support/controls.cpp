#include "tests/support/controls.h"

#include <QtGlobal>

namespace zelmora::testing {

void missingControl(const QObject* window, const QString& name) {
    qFatal("%s has no control %s of the expected kind", qPrintable(window->objectName()),
           qPrintable(name));
}

QString numbered(const char* stem, int number) {
    return QLatin1String(stem) + QString::number(number);
}

}  // namespace zelmora::testing
