#include "converter/frmconvert.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <utility>

#include "common/bridge.h"
#include "common/windowstyle.h"
#include "converter/converterbox.h"
#include "converter/unittables.h"

namespace zelmora {
namespace {

const QColor kChosen(255, 255, 128);
const QColor kNotChosen(255, 255, 255);

QRadioButton* familyOption(QWidget* parent, const QString& name, const QString& caption, int left) {
    auto* option = named(new QRadioButton(caption, parent), name);
    option->setGeometry(left, 8, 113, 33);
    option->setFont(calibri(15.75));
    return option;
}

QPushButton* arrowButton(QWidget* parent, const QString& name, const QString& caption, int left,
                         int top, const QString& accessibleName) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setGeometry(left, top, 25, 49);
    button->setFont(calibri(15.75));
    button->setAccessibleName(accessibleName);
    return button;
}

ConverterBox* numberBox(QWidget* parent, const QString& name, int top,
                        const QString& accessibleName) {
    auto* box = named(new ConverterBox(parent), name);
    box->setGeometry(40, top, 273, 50);
    box->setFont(calibri(26.25));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setAccessibleName(accessibleName);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(224, 224, 224));
    box->setPalette(palette);
    box->writeText(kEmptyBoxText);
    return box;
}

QLabel* unitLabel(QWidget* parent, const QString& name, int top) {
    auto* label = named(new QLabel(parent), name);
    label->setGeometry(8, top, 337, 25);
    label->setFont(calibri(14.25, true));
    label->setIndent(4);
    return label;
}

// The family option's face; its round mark keeps a little distance from the edge of the colour.
void setOptionColour(QRadioButton* option, const QColor& colour) {
    option->setStyleSheet(
        QStringLiteral("QRadioButton { background-color: %1; padding-left: 6px; }")
            .arg(colour.name()));
}

}  // namespace

frmConvert::frmConvert(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmConvert"));
    makeToolWindow(this, toQString(kConverterTitle), kWidth, kHeight);
    buildControls();
    Form_Load();
}

void frmConvert::buildControls() {
    lblSafe = named(new QLabel(this), QStringLiteral("lblSafe"));
    lblSafe->setGeometry(320, 16, 17, 17);
    lblSafe->hide();

    Option2 =
        familyOption(this, QStringLiteral("Option2"), toQString(familyName(kLengthFamily)), 8);
    Option1 =
        familyOption(this, QStringLiteral("Option1"), toQString(familyName(kAreaFamily)), 120);
    Option3 =
        familyOption(this, QStringLiteral("Option3"), toQString(familyName(kVolumeFamily)), 232);
    Option2->setChecked(true);

    cmdIzqA = arrowButton(this, QStringLiteral("cmdIzqA"), QStringLiteral("<"), 8, 56,
                          QStringLiteral("Unidad anterior de la cantidad A"));
    txtCajaA = numberBox(this, QStringLiteral("txtCajaA"), 56, QStringLiteral("Cantidad A"));
    cmdDerA = arrowButton(this, QStringLiteral("cmdDerA"), QStringLiteral(">"), 320, 56,
                          QStringLiteral("Unidad siguiente de la cantidad A"));
    lblUnidad1 = unitLabel(this, QStringLiteral("lblUnidad1"), 112);

    cmdIzqB = arrowButton(this, QStringLiteral("cmdIzqB"), QStringLiteral("<"), 8, 152,
                          QStringLiteral("Unidad anterior de la cantidad B"));
    txtCajaB = numberBox(this, QStringLiteral("txtCajaB"), 152, QStringLiteral("Cantidad B"));
    cmdDerB = arrowButton(this, QStringLiteral("cmdDerB"), QStringLiteral(">"), 320, 152,
                          QStringLiteral("Unidad siguiente de la cantidad B"));
    lblUnidad2 = unitLabel(this, QStringLiteral("lblUnidad2"), 208);

    connect(Option1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            Option1_Click();
        }
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            Option2_Click();
        }
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) {
            Option3_Click();
        }
    });
    connect(cmdIzqA, &QPushButton::clicked, this, &frmConvert::cmdIzqA_Click);
    connect(cmdDerA, &QPushButton::clicked, this, &frmConvert::cmdDerA_Click);
    connect(cmdIzqB, &QPushButton::clicked, this, &frmConvert::cmdIzqB_Click);
    connect(cmdDerB, &QPushButton::clicked, this, &frmConvert::cmdDerB_Click);
    connect(txtCajaA, &NumberBox::gotFocus, this, &frmConvert::txtCajaA_GotFocus);
    connect(txtCajaB, &NumberBox::gotFocus, this, &frmConvert::txtCajaB_GotFocus);
    connect(txtCajaA, &NumberBox::enterPressed, this, &frmConvert::txtCajaA_KeyPress);
    connect(txtCajaB, &NumberBox::enterPressed, this, &frmConvert::txtCajaB_KeyPress);

    setTabChain(
        {txtCajaA, txtCajaB, cmdIzqA, cmdDerA, cmdIzqB, cmdDerB, Option2, Option1, Option3});
    // Box A is first in the tab order and takes the focus when the window opens; its "0" is
    // selected, so that the first number typed replaces it.
    txtCajaA->setFocus();
    txtCajaA->selectAll();
}

void frmConvert::Form_Load() {
    setBackground(this, kWindowColour);
    for (QPushButton* button : {cmdIzqA, cmdDerA, cmdIzqB, cmdDerB}) {
        setButtonColour(button, kNotChosen);
    }
    setBackground(lblUnidad1, kNotChosen);
    setBackground(lblUnidad2, kNotChosen);
    loadConverter(state_, texts_);
    colourFamilies(state_.Modo);
    showTexts();
}

void frmConvert::Option1_Click() {
    showFamily(kAreaFamily);
}

void frmConvert::Option2_Click() {
    showFamily(kLengthFamily);
}

void frmConvert::Option3_Click() {
    showFamily(kVolumeFamily);
}

void frmConvert::showFamily(int modo) {
    colourFamilies(modo);
    readBoxes();
    chooseFamily(state_, texts_, modo);
    showTexts();
}

void frmConvert::colourFamilies(int modo) {
    // The option numbers are the family numbers.
    const std::array<QRadioButton*, 3> options = {Option1, Option2, Option3};
    for (int number = 1; number <= 3; ++number) {
        setOptionColour(options[static_cast<std::size_t>(number - 1)],
                        number == modo ? kChosen : kNotChosen);
    }
}

void frmConvert::cmdIzqA_Click() {
    arrow(1, Step::Previous);
}

void frmConvert::cmdDerA_Click() {
    arrow(1, Step::Next);
}

void frmConvert::cmdIzqB_Click() {
    arrow(2, Step::Previous);
}

void frmConvert::cmdDerB_Click() {
    arrow(2, Step::Next);
}

void frmConvert::arrow(int caja, Step step) {
    readBoxes();
    stepUnit(state_, texts_, caja, step);
    showTexts();
}

void frmConvert::txtCajaA_GotFocus() {
    state_.Caja = 1;
}

void frmConvert::txtCajaB_GotFocus() {
    state_.Caja = 2;
}

void frmConvert::txtCajaA_KeyPress() {
    GoConvert();
}

void frmConvert::txtCajaB_KeyPress() {
    GoConvert();
}

void frmConvert::GoConvert() {
    readBoxes();
    zelmora::GoConvert(state_, texts_);
    showTexts();
}

void frmConvert::readBoxes() {
    texts_.txtCajaA = txtCajaA->text().toStdString();
    texts_.txtCajaB = txtCajaB->text().toStdString();
}

void frmConvert::showTexts() {
    // A box is written only when its text changes, so that the box being typed in keeps its
    // cursor and its undo history.
    for (auto [box, text] :
         {std::pair{txtCajaA, &texts_.txtCajaA}, std::pair{txtCajaB, &texts_.txtCajaB}}) {
        const QString shown = toQString(*text);
        if (box->text() != shown) {
            box->writeText(shown);
        }
    }
    lblUnidad1->setText(toQString(texts_.lblUnidad1Caption));
    lblUnidad1->setToolTip(toQString(texts_.lblUnidad1ToolTip));
    txtCajaA->setAccessibleDescription(lblUnidad1->toolTip());
    lblUnidad2->setText(toQString(texts_.lblUnidad2Caption));
    lblUnidad2->setToolTip(toQString(texts_.lblUnidad2ToolTip));
    txtCajaB->setAccessibleDescription(lblUnidad2->toolTip());
    lblSafe->setText(toQString(texts_.lblSafe));
}

}  // namespace zelmora
