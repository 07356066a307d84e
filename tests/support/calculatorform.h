#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include "tests/support/controls.h"

// The controls of a figure calculator by their names in the design, and the one step every
// calculator suite takes.
namespace zelmora::testing::calculator {

inline QLineEdit* box(const QWidget* form, const char* name) {
    return control<QLineEdit>(form, QLatin1String(name));
}
inline QLabel* label(const QWidget* form, const char* name) {
    return control<QLabel>(form, QLatin1String(name));
}
inline QComboBox* combo(const QWidget* form, const char* name) {
    return control<QComboBox>(form, QLatin1String(name));
}
inline QRadioButton* option(const QWidget* form, int number) {
    return control<QRadioButton>(form, QStringLiteral("Option%1").arg(number));
}

// Clicks into the first measure box, types the measure and presses Enter.
inline void compute(QWidget* form, const QString& a) {
    QLineEdit* text1 = box(form, "Text1");
    QTest::mouseClick(text1, Qt::LeftButton);
    QTest::keyClicks(text1, a);
    QTest::keyClick(text1, Qt::Key_Return);
}

}  // namespace zelmora::testing::calculator
