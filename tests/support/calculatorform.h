#pragma once

#include <QString>
#include <QWidget>

namespace zelmora::testing::calculator {

// The one step every calculator suite takes: clicks into the first measure box, types the measure
// and presses Enter.
void compute(QWidget* form, const QString& a);

}  // namespace zelmora::testing::calculator
