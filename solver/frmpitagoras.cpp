#include "solver/frmpitagoras.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "common/bridge.h"
#include "common/messages.h"
#include "common/numberbox.h"
#include "common/windowstyle.h"

namespace zelmora {
namespace {

// The marker of the missing term, which a number box shows when empty.
const QString& kMarker = kEmptyBoxText;
const QColor kBoxColour(255, 255, 192);
const QColor kButtonColour(192, 192, 192);
// The triangle's labels are as tall as the boxes beside them, so that their captions stand on
// the same line as the numbers.
constexpr int kBoxHeight = 25;

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& place,
              Qt::Alignment alignment, qreal points) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFont(calibri(points));
    return label;
}

QFrame* line(QWidget* parent, const QString& name, QFrame::Shape shape, const QRect& place) {
    auto* line = named(new QFrame(parent), name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(place);
    return line;
}

QPushButton* solveButton(QWidget* parent, const QString& name, const QRect& place,
                         const QString& description) {
    auto* button = named(new QPushButton(toQString(kSolveCaption), parent), name);
    button->setGeometry(place);
    button->setFont(calibri(12));
    setButtonColour(button, kButtonColour);
    // Enter has no effect anywhere in the window, on a focused button neither.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setAccessibleDescription(description);
    return button;
}

// The texts of `count` boxes from `first` on, and views of them for the core.
template <std::size_t N>
struct BoxTexts {
    std::array<std::string, N> texts;
    std::array<std::string_view, N> views;

    BoxTexts(const std::array<NumberBox*, frmPitagoras::kBoxCount>& boxes, std::size_t first) {
        for (std::size_t i = 0; i < N; ++i) {
            texts[i] = boxes[first + i]->text().toStdString();
            views[i] = texts[i];
        }
    }
    BoxTexts(const BoxTexts&) = delete;
    BoxTexts& operator=(const BoxTexts&) = delete;
};

}  // namespace

frmPitagoras::frmPitagoras(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPitagoras"));
    // Only the close button: the window has neither a minimize nor a maximize button.
    makeToolWindow(this, toQString(kSolverTitle), kWidth, kHeight, TitleButtons::CloseOnly);
    buildControls();
    Form_Load();
}

frmPitagoras::~frmPitagoras() {
    // The boxes are freed after the window's own part, and the box that holds the focus loses it
    // then: that must not reach the window's handlers.
    for (NumberBox* box : txtZ) {
        box->disconnect(this);
    }
}

void frmPitagoras::buildControls() {
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("HIPOTENUSA ="),
                   QRect(8, 16, 105, kBoxHeight), Qt::AlignRight, 12);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("CATETO A      ="),
                   QRect(8, 48, 105, kBoxHeight), Qt::AlignRight, 12);
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("CATETO B      ="),
                   QRect(8, 80, 105, kBoxHeight), Qt::AlignRight, 12);

    const std::array<QRect, kBoxCount> places = {
        QRect(120, 16, 89, kBoxHeight), QRect(120, 48, 89, kBoxHeight),
        QRect(120, 80, 89, kBoxHeight), QRect(240, 16, 81, kBoxHeight),
        QRect(240, 56, 81, kBoxHeight), QRect(352, 16, 81, kBoxHeight),
        QRect(352, 56, 81, kBoxHeight)};
    const std::array<QString, kBoxCount> names = {
        QStringLiteral("Hipotenusa"),
        QStringLiteral("Cateto A"),
        QStringLiteral("Cateto B"),
        QStringLiteral("Numerador de la primera razón"),
        QStringLiteral("Denominador de la primera razón"),
        QStringLiteral("Numerador de la segunda razón"),
        QStringLiteral("Denominador de la segunda razón")};
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = named(new NumberBox(kMarker, this), QStringLiteral("txtZ(%1)").arg(i));
        box->setGeometry(places[static_cast<std::size_t>(i)]);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFont(calibri(12));
        box->setAccessibleName(names[static_cast<std::size_t>(i)]);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, kBoxColour);
        box->setPalette(palette);
        // A flat box: one thin line around it instead of the style's sunken frame.
        box->setStyleSheet(
            QStringLiteral("QLineEdit { background-color: %1; border: 1px solid black;"
                           " padding: 0px 2px; }"
                           "QLineEdit:focus { border: 1px solid palette(highlight); }")
                .arg(kBoxColour.name()));
        connect(box, &NumberBox::gotFocus, this, [this, i] { txtZ_GotFocus(i); });
        connect(box, &NumberBox::lostFocus, this, [this, i] { txtZ_LostFocus(i); });
        connect(box, &NumberBox::doubleClicked, this, [this, i] { txtZ_DblClick(i); });
        txtZ[static_cast<std::size_t>(i)] = box;
    }

    cmdShow1 = solveButton(this, QStringLiteral("cmdShow1"), QRect(16, 120, 193, 33),
                           QStringLiteral("Calcula el lado que falta del triángulo"));
    Line1 = line(this, QStringLiteral("Line1"), QFrame::VLine, QRect(224, 8, 1, 153));
    Line3 = line(this, QStringLiteral("Line3"), QFrame::HLine, QRect(240, 48, 81, 1));
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("="), QRect(320, 36, 33, 25),
                   Qt::AlignHCenter, 14.25);
    Line2 = line(this, QStringLiteral("Line2"), QFrame::HLine, QRect(352, 48, 81, 1));

    Check1 = named(new QCheckBox(toQString(kFourDecimalsCaption), this), QStringLiteral("Check1"));
    Check1->setGeometry(240, 88, 121, 17);
    Check1->setFont(calibri(9.75));
    Check1->setChecked(true);

    cmdShow2 = solveButton(this, QStringLiteral("cmdShow2"), QRect(240, 120, 193, 33),
                           QStringLiteral("Calcula el término que falta de la proporción"));

    tmrMoon = named(new QTimer(this), QStringLiteral("tmrMoon"));
    tmrMoon->setInterval(100);

    connect(cmdShow1, &QPushButton::clicked, this, &frmPitagoras::cmdShow1_Click);
    connect(cmdShow2, &QPushButton::clicked, this, &frmPitagoras::cmdShow2_Click);
    connect(tmrMoon, &QTimer::timeout, this, &frmPitagoras::tmrMoon_Timer);

    setTabChain({txtZ[0], txtZ[1], txtZ[2], cmdShow1, txtZ[3], txtZ[4], txtZ[5], txtZ[6], cmdShow2,
                 Check1});
    // The hypotenuse box, first in the tab order, is emptied for typing when the window's
    // activation gives it the focus.
    txtZ[0]->setFocus();
    tmrMoon->start();
}

void frmPitagoras::Form_Load() {
    setBackground(this, kWindowColour);
    // A button fills its background from the button colour unless told otherwise.
    setBackground(Check1, kWindowColour);
}

void frmPitagoras::cmdShow1_Click() {
    const BoxTexts<3> boxes(txtZ, 0);
    showOutcome(solveTriangle(boxes.views, Check1->isChecked()));
}

void frmPitagoras::cmdShow2_Click() {
    const BoxTexts<4> boxes(txtZ, 3);
    showOutcome(solveProportion(boxes.views, Check1->isChecked()));
}

void frmPitagoras::Limpiar1() {
    for (std::size_t i = 0; i < 3; ++i) {
        txtZ[i]->setText(kMarker);
    }
}

void frmPitagoras::Limpiar2() {
    for (std::size_t i = 3; i < txtZ.size(); ++i) {
        txtZ[i]->setText(kMarker);
    }
}

void frmPitagoras::showOutcome(const SolverOutcome& outcome) {
    switch (outcome.kind) {
        case SolverOutcome::Kind::Nothing:
            return;
        case SolverOutcome::Kind::Message:
            showError(this, toQString(outcome.message));
            return;
        case SolverOutcome::Kind::Result: {
            NumberBox* box = txtZ[static_cast<std::size_t>(outcome.box)];
            box->setText(toQString(outcome.text));
            // A result "0" shows empty while its box has the focus.
            giveFocus(box);
            return;
        }
    }
}

void frmPitagoras::txtZ_GotFocus(int index) {
    emptyZeroOnFocus(txtZ[static_cast<std::size_t>(index)]);
}

void frmPitagoras::txtZ_LostFocus(int index) {
    zeroWhenEmpty(txtZ[static_cast<std::size_t>(index)]);
}

void frmPitagoras::txtZ_DblClick(int index) {
    txtZ[static_cast<std::size_t>(index)]->clear();
}

void frmPitagoras::tmrMoon_Timer() {
    const BoxTexts<kBoxCount> boxes(txtZ, 0);
    const std::span<const std::string_view> views(boxes.views);
    cmdShow1->setEnabled(anyTermReadsZero(views.first(3)));
    cmdShow2->setEnabled(anyTermReadsZero(views.subspan(3)));
}

}  // namespace zelmora
