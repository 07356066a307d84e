#include "shell/frmmenuprincipal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "calculators/calculatorwindows.h"
#include "common/messages.h"
#include "common/shape.h"
#include "common/windowstyle.h"
#include "converter/frmconvert.h"
#include "shell/desktopservices.h"
#include "shell/frmepi.h"
#include "shell/manual.h"
#include "shell/menucontrols.h"
#include "shell/menupictures.h"
#include "solver/frmpitagoras.h"

namespace zelmora {
namespace {

const QString kWelcome = QStringLiteral("BIENVENIDO");
const QColor kLinkText(224, 224, 224);

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
    // Pressed while the options panel is open, which a screen reader tells.
    imgConf->setCheckable(true);
    // On the dark strip a black border would not show.
    imgConf->setHeldBorderColour(kLinkText);
    const QString linkTexts[] = {QStringLiteral("!"), QStringLiteral("?")};
    const QString linkNames[] = {QStringLiteral("Acerca de Zelmora"),
                                 QStringLiteral("Manual de Zelmora")};
    for (int i = About; i <= Manual; ++i) {
        lblLink[i] = named(new LinkLabel(linkTexts[i], this), QStringLiteral("lblLink(%1)").arg(i));
        lblLink[i]->setGeometry(i == About ? 504 : 488, 232, 17, 25);
        lblLink[i]->setTextColour(kLinkText);
        lblLink[i]->setHeldBorderColour(kLinkText);
        lblLink[i]->setFont(calibri(14.25));
        lblLink[i]->setAccessibleName(linkNames[i]);
    }

    optionsPanel = new frmePi(this);
    lblLink[FewerDecimals] = optionsPanel->fewerLink();
    lblLink[MoreDecimals] = optionsPanel->moreLink();
    // The gear and the links are labels: a click leaves the focus where it was (the caret stays
    // in the box of decimals), while Tab still reaches them.
    imgConf->setFocusPolicy(Qt::TabFocus);
    for (LinkLabel* link : lblLink) {
        link->setFocusPolicy(Qt::TabFocus);
    }

    // Every control follows the pointer, so that the status text names what it rests on.
    setMouseTracking(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }

    for (int i = 0; i < 3; ++i) {
        connect(cmdButton[i], &QAbstractButton::clicked, this, [this, i] { cmdButton_Click(i); });
    }
    connect(imgConf, &QAbstractButton::clicked, this, &frmMenuPrincipal::imgConf_Click);
    for (const Link link : {About, Manual, FewerDecimals, MoreDecimals}) {
        connect(lblLink[link], &QAbstractButton::clicked, this,
                [this, link] { lblLink_Click(link); });
    }

    setTabChain({cmdButton[0], cmdButton[1], cmdButton[2], imgConf, lblLink[FewerDecimals]});
    // The panel orders its own "-", box of decimals and "+".
    setTabChain({lblLink[MoreDecimals], lblLink[Manual], lblLink[About]});
}

void frmMenuPrincipal::Form_Load() {
    for (const Link link : {About, Manual}) {
        lblLink[link]->setBackgroundColour(QColor(10, 10, 10));
        lblLink[link]->setOpaque(false);
    }
    setBackground(lblShow, QColor(20, 20, 20));
    setBackground(this, kWindowColour);
}

void frmMenuPrincipal::cmdButton_Click(int index) {
    switch (index) {
        case 0: {
            // At the pointer, or under the picture when it was chosen from the keyboard.
            const QRect picture(cmdButton[0]->mapToGlobal(QPoint(0, 0)), cmdButton[0]->size());
            const QPoint at = picture.contains(QCursor::pos())
                                  ? QCursor::pos()
                                  : cmdButton[0]->mapToGlobal(cmdButton[0]->rect().center());
            openFiguresMenu(at);
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

void frmMenuPrincipal::openFiguresMenu(const QPoint& at) {
    // A pop-up of its own, with items of its own, for each opening, freed once it closes: on
    // Qt 6.4 a pop-up that is kept and shown again leaves a connection behind at every showing,
    // and a screen reader keeps hearing items kept beyond their first pop-up in that one.
    auto* figMenu = named(new QMenu(this), QStringLiteral("figMenu"));
    figMenu->setAttribute(Qt::WA_DeleteOnClose);
    const auto item = [figMenu](const QString& text, const QString& name) {
        QAction* action = named(new QAction(text, figMenu), name);
        figMenu->addAction(action);
        return action;
    };
    connect(item(QStringLiteral("Perímetro"), QStringLiteral("figPerimetro")), &QAction::triggered,
            this, &frmMenuPrincipal::figPerimetro_Click);
    connect(item(QStringLiteral("Área"), QStringLiteral("figArea")), &QAction::triggered, this,
            &frmMenuPrincipal::figArea_Click);
    connect(item(QStringLiteral("Volumen"), QStringLiteral("figVolumen")), &QAction::triggered,
            this, &frmMenuPrincipal::figVolumen_Click);
    figMenu->addSeparator()->setObjectName(QStringLiteral("Line0"));
    item(QStringLiteral("Cancelar"), QStringLiteral("figCancel"));
    figMenu->exec(at);
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
    optionsPanel->setVisible(optionsPanel->isHidden());
    imgConf->setChecked(optionsPanel->isVisible());
}

void frmMenuPrincipal::lblLink_Click(Link link) {
    switch (link) {
        case About:
            services_->showAbout(this);
            break;
        case Manual:
            openManual(*services_, this);
            break;
        case FewerDecimals:
            optionsPanel->stepDecimals(-1);
            break;
        case MoreDecimals:
            optionsPanel->stepDecimals(+1);
            break;
    }
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
    lblShow->setText(optionsPanel->isVisible() ? QStringLiteral("CERRAR OPCIONES")
                                               : QStringLiteral("ABRIR OPCIONES"));
}

void frmMenuPrincipal::lblLink_MouseMove(Link link) {
    BReset();
    if (link == About) {
        lblShow->setText(QStringLiteral("ACERCA DE ZELMORA"));
    } else if (link == Manual) {
        lblShow->setText(QStringLiteral("MANUAL DE ZELMORA"));
    }
    lblLink[link]->setOpaque(true);
}

void frmMenuPrincipal::BReset() {
    lblLink[About]->setOpaque(false);
    lblLink[Manual]->setOpaque(false);
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
        lblLink_MouseMove(static_cast<Link>(link - lblLink.begin()));
    } else if (watched == imgConf) {
        imgConf_MouseMove();
    } else if (watched == lblShow || watched == lblTitle[0] || watched == lblTitle[1]) {
        Form_MouseMove();
    } else {
        handled = false;
    }
    // While a button is held the control keeps the move, to follow its pressed state.
    const bool held = static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
    return (handled && !held) || QWidget::eventFilter(watched, event);
}

}  // namespace zelmora
