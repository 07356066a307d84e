#include "tests/support/calculatorform.h"

#include <QLineEdit>
#include <QTest>

#include "tests/support/controls.h"

namespace zelmora::testing::calculator {

void compute(QWidget* form, const QString& a) {
    auto* text1 = control<QLineEdit>(form, "Text1");
    QTest::mouseClick(text1, Qt::LeftButton);
    QTest::keyClicks(text1, a);
    QTest::keyClick(text1, Qt::Key_Return);
}

}  // namespace zelmora::testing::calculator
