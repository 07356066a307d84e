#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "calculators/figuretable.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelmora {

class FigurePicture;
class NumberBox;
class Shape;

// The one figure calculator form. A figure table makes it the area, perimeter or volume
// calculator; everything that differs between them is in the table.
class FigureCalculatorForm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 377;
    static constexpr int kHeight = 297;

    ~FigureCalculatorForm() override;

  protected:
    FigureCalculatorForm(const CalculatorTable& table, QWidget* parent);

  private:
    // Entering the measures ("Ver Resultado") or showing the answer ("Limpiar").
    enum class Stage { Entering, ShowingAnswer };

    void buildControls();
    void buildFigureColumn();
    void buildMeasureFrame();
    void buildFormulaFrame();
    void buildHiddenPictures();
    void connectHandlers();
    void setStage(Stage stage);
    void Form_Load();
    void Option_Click(int number);
    void Limpiar();
    void Combo1_Click();
    void Combo4_Click();
    void cmdAnswer_Click();
    void Text_GotFocus(NumberBox* box);
    void Text_LostFocus(NumberBox* box);
    void Text_KeyPress(NumberBox* box);
    std::array<NumberBox*, 3> measureBoxes() const { return {Text1, Text2, Text3}; }

    const CalculatorTable& table_;

    // The last computed value, in the measure unit raised to the calculator's power.
    double Respuesta = 0.0;

    QFrame* Frame1;
    QFrame* Frame2;
    QFrame* Frame3;
    QFrame* Frame4;
    std::vector<QRadioButton*> Option;  // Option[0] is Option1
    Shape* Shape5;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    NumberBox* Text1;
    NumberBox* Text2;
    NumberBox* Text3;
    QComboBox* Combo1;
    QLabel* Combo2;
    QLabel* Combo3;
    QPushButton* cmdAnswer;
    NumberBox* txtAnswer;
    QComboBox* Combo4;
    Shape* Shape6;
    QLabel* Label4;
    QLabel* lblForm;
    FigurePicture* imgFig;
    Shape* Shape1;
    std::vector<FigurePicture*> Image;  // Image[0] is Image1
};

}  // namespace zelmora
