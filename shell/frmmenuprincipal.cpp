#include "shell/frmmenuprincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "calculators/calculatorwindows.h"
#include "common/basvar.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "common/shape.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/desktopservices.h"
#include "shell/manual.h"
#include "shell/menucontrols.h"
#include "shell/menupictures.h"
#include "shell/piprecision.h"
#include "solver/frmpitagoras.h"

namespace zelmora {
namespace {

const QString kWelcome = QStringLiteral("BIENVENIDO");
const QColor kLinkText(224, 224, 224);
const QColor kLightRed(255, 128, 128);

// Opens a new, independent tool window with no owner; the menu keeps no reference to it.
template <typename Window>
void openTool() {
    (new Window)->show();
}

}  // namespace

frmMenuPrincipal::frmMenuPrincipal(QWidget* parent)
    : QWidget(parent), services_(&systemDesktopServices()) {
    setObjectName(QStringLiteral("frmMenuPrincipal"));
    makeToolWindow(this, QStringLiteral("ZELMORA"), kWidth, kHeight);
    buildControls();
    Form_Load();
}

void frmMenuPrincipal::buildControls() {
    const QString titles[] = {QStringLiteral("BIENVENIDO A ZELMORA"),
                              QStringLiteral("Seleccione una categoría para empezar:")};
    const qreal titleSizes[] = {14.25, 11.25};
    for (int i = 0; i < 2; ++i) {
        lblTitle[i] = named(new QLabel(titles[i], this), QStringLiteral("lblTitle(%1)").arg(i));
        lblTitle[i]->setGeometry(32, 8 + i * 20, 489, 25);
        lblTitle[i]->setAlignment(Qt::AlignCenter);
        lblTitle[i]->setFont(calibri(titleSizes[i]));
    }

    const PictureButton::Drawing pictures[] = {drawFiguresPicture, drawBeardedHeadPicture,
                                               drawMeasuresPicture};
    const QString pictureNames[] = {QStringLiteral("Calcular figuras"),
                                    QStringLiteral("Teorema de Pitágoras"),
                                    QStringLiteral("Convertidor de unidades")};
    for (int i = 0; i < 3; ++i) {
        cmdButton[i] =
            named(new PictureButton(pictures[i], this), QStringLiteral("cmdButton(%1)").arg(i));
        cmdButton[i]->setGeometry(32 + i * 168, 56, 153, 161);
        cmdButton[i]->setAccessibleName(pictureNames[i]);
    }
    // The overlays lie above the pictures and let the pointer through to them.
    Shape1 = named(new Shape(this), QStringLiteral("Shape1"));
    Shape2 = named(new Shape(this), QStringLiteral("Shape2"));
    Shape3 = named(new Shape(this), QStringLiteral("Shape3"));
    for (int i = 0; i < 3; ++i) {
        Shape* overlay = overlays()[i];
        overlay->setGeometry(cmdButton[i]->geometry());
        overlay->setOutlineColour(QColor(128, 128, 128));
        overlay->setFillColour(QColor(64, 64, 64));
    }

    lblShow = named(new QLabel(kWelcome, this), QStringLiteral("lblShow"));
    lblShow->setGeometry(32, 232, 489, 25);
    lblShow->setAlignment(Qt::AlignCenter);
    lblShow->setFont(calibri(14.25));
    QPalette strip = lblShow->palette();
    strip.setColor(QPalette::WindowText, kLinkText);
    lblShow->setPalette(strip);

    // The gear and the links lie above the status strip and take the pointer before it.
    imgConf = named(new PictureButton(drawGearsPicture, this), QStringLiteral("imgConf"));
    imgConf->setGeometry(32, 232, 25, 25);
    imgConf->setAccessibleName(QStringLiteral("Opciones"));
    const QString linkTexts[] = {QStringLiteral("!"), QStringLiteral("?")};
    const QString linkNames[] = {QStringLiteral("Acerca de Zelmora"),
                                 QStringLiteral("Manual de Zelmora")};
    for (int i = 0; i < 2; ++i) {
        lblLink[i] = named(new LinkLabel(linkTexts[i], this), QStringLiteral("lblLink(%1)").arg(i));
        lblLink[i]->setGeometry(i == 0 ? 504 : 488, 232, 17, 25);
        lblLink[i]->setTextColour(kLinkText);
        lblLink[i]->setFont(calibri(14.25));
        lblLink[i]->setAccessibleName(linkNames[i]);
    }

    buildOptionsPanel();

    // Every control follows the pointer, so that the status text names what it rests on.
    setMouseTracking(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }

    figMenu = named(new QMenu(this), QStringLiteral("figMenu"));
    figPerimetro = figMenu->addAction(QStringLiteral("Perímetro"));
    figPerimetro->setObjectName(QStringLiteral("figPerimetro"));
    figArea = figMenu->addAction(QStringLiteral("Área"));
    figArea->setObjectName(QStringLiteral("figArea"));
    figVolumen = figMenu->addAction(QStringLiteral("Volumen"));
    figVolumen->setObjectName(QStringLiteral("figVolumen"));
    figMenu->addSeparator()->setObjectName(QStringLiteral("Line0"));
    figCancel = figMenu->addAction(QStringLiteral("Cancelar"));
    figCancel->setObjectName(QStringLiteral("figCancel"));

    for (int i = 0; i < 3; ++i) {
        connect(cmdButton[i], &QAbstractButton::clicked, this, [this, i] { cmdButton_Click(i); });
    }
    connect(figArea, &QAction::triggered, this, &frmMenuPrincipal::figArea_Click);
    connect(figPerimetro, &QAction::triggered, this, &frmMenuPrincipal::figPerimetro_Click);
    connect(figVolumen, &QAction::triggered, this, &frmMenuPrincipal::figVolumen_Click);
    connect(imgConf, &QAbstractButton::clicked, this, &frmMenuPrincipal::imgConf_Click);
    for (int i = 0; i < 4; ++i) {
        connect(lblLink[i], &QAbstractButton::clicked, this, [this, i] { lblLink_Click(i); });
    }
    connect(txtFormat, &QLineEdit::textChanged, this, &frmMenuPrincipal::txtFormat_Change);

    setTabOrder(cmdButton[0], cmdButton[1]);
    setTabOrder(cmdButton[1], cmdButton[2]);
    setTabOrder(cmdButton[2], imgConf);
    setTabOrder(imgConf, lblLink[2]);
    setTabOrder(lblLink[2], txtFormat);
    setTabOrder(txtFormat, lblLink[3]);
    setTabOrder(lblLink[3], lblLink[1]);
    setTabOrder(lblLink[1], lblLink[0]);
}

void frmMenuPrincipal::buildOptionsPanel() {
    frmePi = named(new QFrame(this), QStringLiteral("frmePi"));
    frmePi->setGeometry(32, 256, 489, 33);
    setBackground(frmePi, QColor(192, 192, 192));

    Label1 = named(new QLabel(QStringLiteral("Cantidad de decimales en Pi:"), frmePi),
                   QStringLiteral("Label1"));
    Label1->setGeometry(8, 4, 257, 25);
    Label1->setFont(calibri(15.75));

    const QString signs[] = {QStringLiteral("-"), QStringLiteral("+")};
    const QString signNames[] = {QStringLiteral("Menos decimales"),
                                 QStringLiteral("Más decimales")};
    for (int i = 2; i < 4; ++i) {
        lblLink[i] =
            named(new LinkLabel(signs[i - 2], frmePi), QStringLiteral("lblLink(%1)").arg(i));
        lblLink[i]->setGeometry(i == 2 ? 264 : 304, 4, 17, 25);
        lblLink[i]->setTextColour(QColor(224, 224, 224));
        lblLink[i]->setBackgroundColour(QColor(64, 64, 64));
        lblLink[i]->setOpaque(true);
        lblLink[i]->setFont(calibri(14.25));
        lblLink[i]->setAccessibleName(signNames[i - 2]);
    }

    txtFormat = named(new QLineEdit(QStringLiteral("14"), frmePi), QStringLiteral("txtFormat"));
    txtFormat->setGeometry(280, 4, 25, 25);
    txtFormat->setAlignment(Qt::AlignCenter);
    txtFormat->setFont(calibri(12));
    txtFormat->setFrame(false);
    txtFormat->setAccessibleName(Label1->text());
    Label1->setBuddy(txtFormat);
    QPalette box = txtFormat->palette();
    box.setColor(QPalette::Base, QColor(224, 224, 224));
    box.setColor(QPalette::Text, Qt::black);
    txtFormat->setPalette(box);

    Line1 = named(new QFrame(frmePi), QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(327, 0, 3, 33);

    Label2 = named(new QLabel(QStringLiteral("Pi ="), frmePi), QStringLiteral("Label2"));
    Label2->setFont(calibri(12, true));
    Label2->move(336, 4);
    Label2->setFixedHeight(25);
    Label2->adjustSize();
    lblPi = named(new QLabel(toQString(piText(kMostPiDecimals)), frmePi), QStringLiteral("lblPi"));
    lblPi->setFont(calibri(12, true));
    lblPi->move(360, 4);
    lblPi->setFixedHeight(25);
    lblPi->adjustSize();
    lblPi->setAccessibleName(QStringLiteral("Valor de Pi"));

    frmePi->hide();
}

void frmMenuPrincipal::Form_Load() {
    for (int i = 0; i < 2; ++i) {
        lblLink[i]->setBackgroundColour(QColor(10, 10, 10));
        lblLink[i]->setOpaque(false);
    }
    setBackground(lblShow, QColor(20, 20, 20));
    setBackground(this, QColor(250, 250, 250));
}

void frmMenuPrincipal::cmdButton_Click(int index) {
    switch (index) {
        case 0: {
            // At the pointer, or under the picture when it was chosen from the keyboard.
            const QRect picture(cmdButton[0]->mapToGlobal(QPoint(0, 0)), cmdButton[0]->size());
            const QPoint at = picture.contains(QCursor::pos())
                                  ? QCursor::pos()
                                  : cmdButton[0]->mapToGlobal(cmdButton[0]->rect().center());
            figMenu->exec(at);
            break;
        }
        case 1:
            openTool<frmPitagoras>();
            break;
        case 2:
            openTool<frmConvert>();
            break;
        default:
            break;
    }
}

void frmMenuPrincipal::figArea_Click() {
    openTool<frmArea>();
}

void frmMenuPrincipal::figPerimetro_Click() {
    openTool<frmPerimetro>();
}

void frmMenuPrincipal::figVolumen_Click() {
    openTool<frmVolumen>();
}

void frmMenuPrincipal::imgConf_Click() {
    frmePi->setVisible(frmePi->isHidden());
}

void frmMenuPrincipal::lblLink_Click(int index) {
    switch (index) {
        case 0:
            services_->showAbout(this);
            break;
        case 1:
            openManual(*services_, this);
            break;
        case 2:
        case 3:
            if (const auto stepped =
                    stepDecimals(txtFormat->text().toStdString(), index == 2 ? -1 : +1)) {
                txtFormat->setText(toQString(*stepped));
            }
            break;
        default:
            break;
    }
}

void frmMenuPrincipal::txtFormat_Change() {
    const DecimalsChoice choice = chooseDecimals(txtFormat->text().toStdString());
    if (choice.piText) {
        lblPi->setText(toQString(*choice.piText));
        lblPi->adjustSize();
    }
    if (choice.look != DecimalsLook::Unchanged) {
        QPalette box = txtFormat->palette();
        box.setColor(QPalette::Base,
                     choice.look == DecimalsLook::Accepted ? QColor(Qt::white) : kLightRed);
        txtFormat->setPalette(box);
    }
    // The shared pi is always the value on display.
    basVar::Pi = leadingNumber(lblPi->text().toStdString());
}

void frmMenuPrincipal::Form_MouseMove() {
    BReset();
    lblShow->setText(kWelcome);
}

void frmMenuPrincipal::cmdButton_MouseMove(int index) {
    const QString texts[] = {QStringLiteral("CALCULAR FIGURAS"),
                             QStringLiteral("TEOREMA DE PITÁGORAS"),
                             QStringLiteral("CONVERTIDOR DE UNIDADES")};
    lblShow->setText(texts[index]);
    overlays()[index]->setFill(Shape::Fill::Darken);
    ShapeOn = static_cast<short>(index + 1);
    BReset();
}

void frmMenuPrincipal::imgConf_MouseMove() {
    BReset();
    lblShow->setText(frmePi->isVisible() ? QStringLiteral("CERRAR OPCIONES")
                                         : QStringLiteral("ABRIR OPCIONES"));
}

void frmMenuPrincipal::lblLink_MouseMove(int index) {
    BReset();
    if (index == 0) {
        lblShow->setText(QStringLiteral("ACERCA DE ZELMORA"));
    } else if (index == 1) {
        lblShow->setText(QStringLiteral("MANUAL DE ZELMORA"));
    }
    lblLink[index]->setOpaque(true);
}

void frmMenuPrincipal::BReset() {
    lblLink[0]->setOpaque(false);
    lblLink[1]->setOpaque(false);
    for (int i = 0; i < 3; ++i) {
        if (ShapeOn != i + 1) {
            overlays()[i]->setFill(Shape::Fill::Transparent);
        }
    }
    ShapeOn = 0;
}

bool frmMenuPrincipal::Form_Unload() {
    if (!askYesNo(this, QStringLiteral("¿Seguro de querer cerrar el programa?"))) {
        return false;
    }
    // Every window of the program closes with the menu, without further questions.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    return true;
}

void frmMenuPrincipal::closeEvent(QCloseEvent* event) {
    if (Form_Unload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void frmMenuPrincipal::mouseMoveEvent(QMouseEvent*) {
    Form_MouseMove();
}

bool frmMenuPrincipal::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(watched, event);
    }
    auto* control = qobject_cast<MenuButton*>(watched);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
        // A picture or link shows a thin border while a mouse button is held on it.
        if (control != nullptr) {
            control->setHeldBorder(type == QEvent::MouseButtonPress);
        }
        return QWidget::eventFilter(watched, event);
    }

    bool handled = true;
    if (const auto picture = std::find(cmdButton.begin(), cmdButton.end(), watched);
        picture != cmdButton.end()) {
        cmdButton_MouseMove(static_cast<int>(picture - cmdButton.begin()));
    } else if (const auto link = std::find(lblLink.begin(), lblLink.end(), watched);
               link != lblLink.end()) {
        lblLink_MouseMove(static_cast<int>(link - lblLink.begin()));
    } else if (watched == imgConf) {
        imgConf_MouseMove();
    } else if (watched == lblShow || watched == lblTitle[0] || watched == lblTitle[1]) {
        Form_MouseMove();
    } else if (auto* widget = qobject_cast<QWidget*>(watched);
               widget != nullptr && (widget == frmePi || frmePi->isAncestorOf(widget))) {
        // The options panel's own background, captions, value and box change nothing.
    } else {
        handled = false;
    }
    // While a button is held the control keeps the move, to follow its pressed state.
    const bool held = static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    return (handled && !held) || QWidget::eventFilter(watched, event);
}

}  // namespace zelmora
