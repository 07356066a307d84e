#include "calculators/figurecalculatorform.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculators/figurepicture.h"
#include "common/accessibility.h"
#include "common/basvar.h"
#include "common/bridge.h"
#include "common/numberbox.h"
#include "common/shape.h"
#include "common/windowstyle.h"

namespace zelmora {
namespace {

const QColor kBorder(150, 150, 150);

Shape* border(QWidget* parent, const QString& name) {
    auto* shape = named(new Shape(parent), name);
    shape->setOutlineColour(kBorder);
    shape->setGeometry(parent->rect());
    return shape;
}

NumberBox* measureBox(QWidget* parent, const QString& name, int top) {
    auto* box = named(new NumberBox(QString(), parent), name);
    box->setGeometry(10, top, 126, 23);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(12);
    return box;
}

}  // namespace

FigureCalculatorForm::FigureCalculatorForm(const CalculatorTable& table, QWidget* parent)
    : QWidget(parent), table_(table) {
    setObjectName(toQString(table.formName));
    makeToolWindow(this, toQString(table.caption), kWidth, kHeight);
    buildControls();
    Form_Load();
}

FigureCalculatorForm::~FigureCalculatorForm() {
    // The boxes are freed after the form's own part, and the box that holds the focus loses it
    // then: that must not reach the form's handlers.
    for (NumberBox* box : measureBoxes()) {
        box->disconnect(this);
    }
}

void FigureCalculatorForm::buildControls() {
    buildFigureColumn();
    buildMeasureFrame();
    buildFormulaFrame();
    buildHiddenPictures();
    connectHandlers();
    // The first figure's side is where the user types first.
    Text1->setFocus();
}

// The figure options, in the table's column order.
void FigureCalculatorForm::buildFigureColumn() {
    const int figureCount = static_cast<int>(table_.figures.size());
    Frame2 = named(new QFrame(this), QStringLiteral("Frame2"));
    Frame2->setGeometry(8, 8, 132, 236);
    const int rowHeight = 226 / figureCount;
    const int firstRow = 5 + (226 - rowHeight * figureCount) / 2;
    Option.resize(table_.figures.size());
    for (int number = 1; number <= figureCount; ++number) {
        const FigureRow& row = table_.figures[static_cast<std::size_t>(number - 1)];
        auto* option = named(new QRadioButton(toQString(row.caption), Frame2),
                             QStringLiteral("Option%1").arg(number));
        option->setToolTip(toQString(row.toolTip));
        Option[static_cast<std::size_t>(number - 1)] = option;
    }
    for (std::size_t place = 0; place < table_.columnOrder.size(); ++place) {
        QRadioButton* option = Option[static_cast<std::size_t>(table_.columnOrder[place] - 1)];
        option->setGeometry(8, firstRow + static_cast<int>(place) * rowHeight, 120, rowHeight);
    }
    Option[0]->setChecked(true);
    Shape5 = border(Frame2, QStringLiteral("Shape5"));
}

// The measures with their units, the button, and the answer with its unit.
void FigureCalculatorForm::buildMeasureFrame() {
    Frame1 = named(new QFrame(this), QStringLiteral("Frame1"));
    Frame1->setGeometry(146, 8, 223, 236);
    setBackground(Frame1, Qt::white);
    Label1 = named(new QLabel(QStringLiteral("X"), Frame1), QStringLiteral("Label1"));
    Label1->setGeometry(10, 6, 205, 17);
    Text1 = measureBox(Frame1, QStringLiteral("Text1"), 23);
    Combo1 = named(new QComboBox(Frame1), QStringLiteral("Combo1"));
    Combo1->setGeometry(142, 23, 72, 23);
    Label2 = named(new QLabel(QStringLiteral("X"), Frame1), QStringLiteral("Label2"));
    Label2->setGeometry(10, 52, 205, 17);
    Text2 = measureBox(Frame1, QStringLiteral("Text2"), 69);
    Combo2 = named(new QLabel(Frame1), QStringLiteral("Combo2"));
    Combo2->setGeometry(146, 69, 68, 23);
    Label3 = named(new QLabel(QStringLiteral("X"), Frame1), QStringLiteral("Label3"));
    Label3->setGeometry(10, 98, 205, 17);
    Text3 = measureBox(Frame1, QStringLiteral("Text3"), 115);
    Combo3 = named(new QLabel(Frame1), QStringLiteral("Combo3"));
    Combo3->setGeometry(146, 115, 68, 23);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);

    cmdAnswer = named(new QPushButton(Frame1), QStringLiteral("cmdAnswer"));
    cmdAnswer->setGeometry(10, 152, 204, 32);
    // Enter on the focused button presses it, as on any desktop button.
    cmdAnswer->setAutoDefault(true);

    txtAnswer = named(new NumberBox(QString(), Frame1), QStringLiteral("txtAnswer"));
    txtAnswer->setGeometry(10, 198, 148, 25);
    txtAnswer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtAnswer->setReadOnly(true);
    txtAnswer->setAccessibleName(QStringLiteral("Resultado"));
    QPalette answerPalette = txtAnswer->palette();
    answerPalette.setColor(QPalette::Base, QColor(255, 255, 192));
    txtAnswer->setPalette(answerPalette);

    Combo4 = named(new QComboBox(Frame1), QStringLiteral("Combo4"));
    Combo4->setGeometry(162, 199, 52, 23);
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        Combo1->addItem(toQString(table_.measureUnits[i]));
        Combo4->addItem(toQString(table_.answerUnits[i]));
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setAccessibleName(QStringLiteral("Unidad de medida"));
    labelForScreenReaders(Combo1, Combo1->accessibleName());
    if (table_.editableAnswerUnit) {
        Combo4->setEditable(true);
        // Typed text is only text: it is never added to the list nor completed to an item.
        Combo4->setInsertPolicy(QComboBox::NoInsert);
        Combo4->setCompleter(nullptr);
        // An editable box chooses the item whose text was typed when the typing ends; here a
        // typed text stays text until an item is chosen from the list.
        disconnect(Combo4->lineEdit(), &QLineEdit::editingFinished, Combo4, nullptr);
    }
    Combo4->setCurrentIndex(-1);
    Combo4->setAccessibleName(QStringLiteral("Unidad del resultado"));
    labelForScreenReaders(Combo4, Combo4->accessibleName());
    Shape6 = border(Frame1, QStringLiteral("Shape6"));
}

// The formula of the chosen figure and its picture.
void FigureCalculatorForm::buildFormulaFrame() {
    Frame3 = named(new QFrame(this), QStringLiteral("Frame3"));
    Frame3->setGeometry(8, 250, 361, 39);
    setBackground(Frame3, QColor(224, 224, 224));
    Label4 = named(new QLabel(QStringLiteral("FÓRMULA:"), Frame3), QStringLiteral("Label4"));
    Label4->setGeometry(10, 3, 70, 33);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    lblForm = named(new QLabel(Frame3), QStringLiteral("lblForm"));
    lblForm->setGeometry(82, 3, 230, 33);
    QFont formulaFont = lblForm->font();
    formulaFont.setPointSizeF(11);
    lblForm->setFont(formulaFont);
    imgFig = named(new FigurePicture(Frame3), QStringLiteral("imgFig"));
    imgFig->move(361 - FigurePicture::kSide - 3, 3);
    imgFig->setAccessibleName(QStringLiteral("Figura"));
    Shape1 = border(Frame3, QStringLiteral("Shape1"));
}

// The hidden pictures that imgFig copies from.
void FigureCalculatorForm::buildHiddenPictures() {
    Frame4 = named(new QFrame(this), QStringLiteral("Frame4"));
    Frame4->hide();
    for (std::size_t i = 0; i < table_.images.size(); ++i) {
        auto* image = named(new FigurePicture(Frame4), QStringLiteral("Image%1").arg(i + 1));
        image->setPicture(table_.images[i]);
        Image.push_back(image);
    }
}

void FigureCalculatorForm::connectHandlers() {
    for (int i = 0; i < static_cast<int>(Option.size()); ++i) {
        const int number = i + 1;
        connect(Option[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, number](bool checked) {
                    if (!checked) {
                        return;
                    }
                    Option_Click(number);
                    // An arrow key checks the next option and then moves the focus to it, after
                    // this handler; the clearing gives the focus to the first box once that is
                    // done, whatever chose the figure.
                    QMetaObject::invokeMethod(
                        this, [this] { giveFocus(Text1); }, Qt::QueuedConnection);
                });
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &FigureCalculatorForm::Combo1_Click);
    connect(Combo4, &QComboBox::currentIndexChanged, this, &FigureCalculatorForm::Combo4_Click);
    if (table_.editableAnswerUnit) {
        // Choosing the item that is already current changes no index, yet the typed text that
        // the box shows may differ from it: the choice must still convert.
        connect(Combo4, &QComboBox::activated, this, &FigureCalculatorForm::Combo4_Click);
    }
    connect(cmdAnswer, &QPushButton::clicked, this, &FigureCalculatorForm::cmdAnswer_Click);
    for (NumberBox* box : measureBoxes()) {
        connect(box, &NumberBox::gotFocus, this, [this, box] { Text_GotFocus(box); });
        connect(box, &NumberBox::lostFocus, this, [this, box] { Text_LostFocus(box); });
        connect(box, &NumberBox::enterPressed, this, [this, box] { Text_KeyPress(box); });
    }

    // Tab order: as the window reads, each measure and the unit beside it, the button, the
    // answer and its unit, then the figure column.
    std::vector<QWidget*> chain = {Text1, Combo1, Text2, Text3, cmdAnswer, txtAnswer, Combo4};
    for (const int number : table_.columnOrder) {
        chain.push_back(Option[static_cast<std::size_t>(number - 1)]);
    }
    setTabChain(chain);
}

void FigureCalculatorForm::Form_Load() {
    setBackground(this, kWindowColour);
    setBackground(Frame2, kWindowColour);
    setButtonColour(cmdAnswer, QColor(250, 40, 40));
    Combo1->setCurrentIndex(Combo1->findText(QStringLiteral("cm")));
    Option_Click(1);
    basVar::Pi = basVar::kCalculatorPi;
}

void FigureCalculatorForm::Option_Click(int number) {
    const FigureRow& row = table_.figures[static_cast<std::size_t>(number - 1)];
    lblForm->setText(toQString(row.formulaText));
    imgFig->setPicture(Image[static_cast<std::size_t>(row.image - 1)]->picture());
    imgFig->setAccessibleDescription(figureDescription(*imgFig->picture()));
    Limpiar();
    const std::array<QLabel*, 3> labels = {Label1, Label2, Label3};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!row.measureNames[i].empty()) {
            labels[i]->setText(toQString(row.measureNames[i]));
        }
    }
    Label2->setVisible(row.shown.text2);
    Text2->setVisible(row.shown.text2);
    Label3->setVisible(row.shown.text3);
    Text3->setVisible(row.shown.text3);
    Combo2->setVisible(row.shown.combo2);
    Combo3->setVisible(row.shown.combo3);
}

void FigureCalculatorForm::Limpiar() {
    for (NumberBox* box : measureBoxes()) {
        box->setText(kEmptyBoxText);
    }
    txtAnswer->setText(kEmptyBoxText);
    Respuesta = 0.0;
    setStage(Stage::Entering);
    // Before the window is shown the focus cannot move; the clearing then ends here.
    if (!isVisible()) {
        return;
    }
    giveFocus(Text1);
}

void FigureCalculatorForm::Combo1_Click() {
    const QString unit = Combo1->currentText();
    Combo2->setText(unit);
    Combo3->setText(unit);
    const QString answerUnit = unit + toQString(table_.suffix);
    if (table_.editableAnswerUnit) {
        // Only the text is written; no item becomes chosen, so nothing is converted.
        Combo4->setEditText(answerUnit);
        return;
    }
    const int index = Combo4->findText(answerUnit);
    if (index == Combo4->currentIndex()) {
        // The unit stays chosen, but the answer now counts in another measure unit.
        Combo4_Click();
    } else {
        Combo4->setCurrentIndex(index);
    }
}

void FigureCalculatorForm::Combo4_Click() {
    const auto converted = convertedAnswerText(table_, Combo1->currentText().toStdString(),
                                               Combo4->currentText().toStdString(), Respuesta);
    if (converted) {
        txtAnswer->setText(toQString(*converted));
    }
}

void FigureCalculatorForm::cmdAnswer_Click() {
    const QString stage = cmdAnswer->text();
    if (stage == toQString(kClearCaption)) {
        Limpiar();
        return;
    }
    if (stage != toQString(kComputeCaption)) {
        return;
    }
    for (std::size_t i = 0; i < Option.size(); ++i) {
        if (Option[i]->isChecked()) {
            const FigureAnswer answer =
                computeFigure(table_, static_cast<int>(i) + 1, Text1->text().toStdString(),
                              Text2->text().toStdString(), Text3->text().toStdString(), basVar::Pi);
            Respuesta = answer.respuesta;
            txtAnswer->setText(toQString(answer.text));
            break;
        }
    }
    Combo4_Click();
    // The focus leaves the boxes about to be disabled for the button, so that Enter then clears
    // for the next figure.
    if (Text1->hasFocus() || Text2->hasFocus() || Text3->hasFocus()) {
        cmdAnswer->setFocus(Qt::OtherFocusReason);
    }
    setStage(Stage::ShowingAnswer);
}

void FigureCalculatorForm::setStage(Stage stage) {
    // The button's caption is the stage; the measures may be edited only while they are entered.
    const bool entering = stage == Stage::Entering;
    cmdAnswer->setText(toQString(entering ? kComputeCaption : kClearCaption));
    for (NumberBox* box : measureBoxes()) {
        box->setEnabled(entering);
    }
}

void FigureCalculatorForm::Text_GotFocus(NumberBox* box) {
    emptyZeroOnFocus(box);
}

void FigureCalculatorForm::Text_LostFocus(NumberBox* box) {
    zeroWhenEmpty(box);
}

void FigureCalculatorForm::Text_KeyPress(NumberBox* box) {
    if (box == Text1 && Text2->isVisibleTo(this)) {
        Text2->setFocus(Qt::TabFocusReason);
    } else if (box == Text2 && Text3->isVisibleTo(this)) {
        Text3->setFocus(Qt::TabFocusReason);
    } else {
        cmdAnswer_Click();
    }
}

}  // namespace zelmora
