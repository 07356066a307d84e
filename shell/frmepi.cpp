#include "shell/frmepi.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "common/accessibility.h"
#include "common/basvar.h"
#include "common/bridge.h"
#include "common/windowstyle.h"
#include "shell/menucontrols.h"

namespace zelmora {
namespace {

const QColor kLinkText(224, 224, 224);
const QColor kLinkBackground(64, 64, 64);
const QColor kBoxColour(224, 224, 224);
const QColor kLightRed(255, 128, 128);

LinkLabel* stepLink(QWidget* panel, int index, const QString& sign, const QString& name, int left) {
    auto* link = named(new LinkLabel(sign, panel), QStringLiteral("lblLink(%1)").arg(index));
    link->setGeometry(left, 4, 17, 25);
    link->setTextColour(kLinkText);
    link->setHeldBorderColour(kLinkText);
    link->setBackgroundColour(kLinkBackground);
    link->setOpaque(true);
    link->setFont(calibri(14.25));
    link->setAccessibleName(name);
    return link;
}

QLabel* valueLabel(QLabel* label, const QString& name, const QString& text, int left) {
    named(label, name)->setText(text);
    label->setFont(calibri(12, true));
    label->move(left, 4);
    label->setFixedHeight(25);
    label->adjustSize();
    return label;
}

}  // namespace

frmePi::frmePi(QWidget* menu) : QFrame(menu) {
    setObjectName(QStringLiteral("frmePi"));
    setGeometry(32, 256, 489, 33);
    setBackground(this, QColor(192, 192, 192));
    setMouseTracking(true);

    Label1 = named(new QLabel(QStringLiteral("Cantidad de decimales en Pi:"), this),
                   QStringLiteral("Label1"));
    Label1->setGeometry(8, 4, 257, 25);
    Label1->setFont(calibri(15.75));

    lblLink2 = stepLink(this, 2, QStringLiteral("-"), QStringLiteral("Menos decimales"), 264);

    txtFormat = named(new QLineEdit(toQString(panel_.decimals), this), QStringLiteral("txtFormat"));
    txtFormat->setGeometry(280, 4, 25, 25);
    txtFormat->setAlignment(Qt::AlignCenter);
    txtFormat->setFont(calibri(12));
    txtFormat->setFrame(false);
    txtFormat->setAccessibleName(Label1->text());
    Label1->setBuddy(txtFormat);
    QPalette box = txtFormat->palette();
    box.setColor(QPalette::Base, kBoxColour);
    box.setColor(QPalette::Text, Qt::black);
    txtFormat->setPalette(box);

    lblLink3 = stepLink(this, 3, QStringLiteral("+"), QStringLiteral("Más decimales"), 304);

    Line1 = named(new QFrame(this), QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(327, 0, 3, 33);

    Label2 =
        valueLabel(captionOfValue(this), QStringLiteral("Label2"), QStringLiteral("Pi ="), 336);
    lblPi = valueLabel(new QLabel(this), QStringLiteral("lblPi"), toQString(panel_.piText), 360);
    announceValue(lblPi, Label2, txtFormat);

    setTabChain({lblLink2, txtFormat, lblLink3});
    connect(txtFormat, &QLineEdit::textChanged, this, &frmePi::txtFormat_Change);
    hide();
}

void frmePi::stepDecimals(int step) {
    if (const auto next = zelmora::stepDecimals(panel_, step)) {
        display(*next);
    }
}

void frmePi::txtFormat_Change() {
    display(changeDecimals(panel_, txtFormat->text().toStdString()));
}

void frmePi::display(const PiPanel& panel) {
    panel_ = panel;
    const QString decimals = toQString(panel.decimals);
    if (txtFormat->text() != decimals) {
        // A text written by "-" or "+" is a change that the step has made already.
        const QSignalBlocker quiet(txtFormat);
        txtFormat->setText(decimals);
    }
    lblPi->setText(toQString(panel.piText));
    lblPi->adjustSize();
    announceValue(lblPi, Label2, txtFormat);
    if (panel.look != DecimalsLook::Initial) {
        QPalette box = txtFormat->palette();
        box.setColor(QPalette::Base,
                     panel.look == DecimalsLook::Accepted ? QColor(Qt::white) : kLightRed);
        txtFormat->setPalette(box);
    }
    basVar::Pi = panel.pi;
}

void frmePi::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace zelmora
