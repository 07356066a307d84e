#pragma once

#include <QWidget>

#include "converter/converter.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace zelmora {

class ConverterBox;

// The unit converter window: three families, two number boxes that convert into each other,
// and arrow buttons that step each box's unit. Every window has a converter state of its own.
class frmConvert : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 353;
    static constexpr int kHeight = 257;

    explicit frmConvert(QWidget* parent = nullptr);

  private:
    void buildControls();
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void cmdIzqA_Click();
    void cmdDerA_Click();
    void cmdIzqB_Click();
    void cmdDerB_Click();
    void txtCajaA_GotFocus();
    void txtCajaB_GotFocus();
    void txtCajaA_KeyPress();
    void txtCajaB_KeyPress();
    // The family chosen, in the colours of the options and in the converter.
    void showFamily(int modo);
    void colourFamilies(int modo);
    void arrow(int caja, Step step);
    void GoConvert();
    // The boxes' texts into the converter, before a routine reads them.
    void readBoxes();
    // The converter's texts into the controls, after a routine wrote them.
    void showTexts();

    ConverterState state_;
    ConverterTexts texts_;

    QLabel* lblSafe;
    QRadioButton* Option2;
    QRadioButton* Option1;
    QRadioButton* Option3;
    QPushButton* cmdIzqA;
    ConverterBox* txtCajaA;
    QPushButton* cmdDerA;
    QLabel* lblUnidad1;
    QPushButton* cmdIzqB;
    ConverterBox* txtCajaB;
    QPushButton* cmdDerB;
    QLabel* lblUnidad2;
};

}  // namespace zelmora
