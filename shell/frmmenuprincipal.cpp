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
#include "common/bridge.h"
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

const QColor kLinkText(224, 224, 224);

// Opens a new, independent tool window with no owner; the menu keeps no reference to it.
template <typename Window>
void openTool() {
    (new Window)->show();
}

}  // namespace

const std::array<frmMenuPrincipal::Tool, 3> frmMenuPrincipal::kTools = {{
    {drawFiguresPicture, kToolTexts[0], [](frmMenuPrincipal& menu) { menu.openFiguresMenu(); }},
    {drawBeardedHeadPicture, kToolTexts[1], [](frmMenuPrincipal&) { openTool<frmPitagoras>(); }},
    {drawMeasuresPicture, kToolTexts[2], [](frmMenuPrincipal&) { openTool<frmConvert>(); }},
}};

const std::array<frmMenuPrincipal::StripLink, 2> frmMenuPrincipal::kStripLinks = {{
    {"!", kAboutLinkTexts, 504},
    {"?", kManualLinkTexts, 488},
}};

frmMenuPrincipal::frmMenuPrincipal(QWidget* parent)
    : QWidget(parent), services_(&systemDesktopServices()) {
    setObjectName(QStringLiteral("frmMenuPrincipal"));
    makeToolWindow(this, toQString(kMenuTitle), kWidth, kHeight);
    buildControls();
    Form_Load();
}

void frmMenuPrincipal::buildControls() {
    const qreal titleSizes[] = {14.25, 11.25};
    for (int i = 0; i < 2; ++i) {
        lblTitle[i] = named(new QLabel(toQString(kMenuHeadings[i]), this),
                            QStringLiteral("lblTitle(%1)").arg(i));
        lblTitle[i]->setGeometry(32, 8 + i * 20, 489, 25);
        lblTitle[i]->setAlignment(Qt::AlignCenter);
        lblTitle[i]->setFont(calibri(titleSizes[i]));
    }

    for (int i = 0; i < 3; ++i) {
        cmdButton[i] = named(new PictureButton(kTools[i].picture, this),
                             QStringLiteral("cmdButton(%1)").arg(i));
        cmdButton[i]->setGeometry(32 + i * 168, 56, 153, 161);
        cmdButton[i]->setAccessibleName(toQString(kTools[i].texts.name));
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

    buildStatusStrip();

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

// The dark strip with the status text, and above it the gear and the "?" and "!" links.
void frmMenuPrincipal::buildStatusStrip() {
    lblShow = named(new QLabel(toQString(kWelcome), this), QStringLiteral("lblShow"));
    lblShow->setGeometry(32, 232, 489, 25);
    lblShow->setAlignment(Qt::AlignCenter);
    lblShow->setFont(calibri(14.25));
    QPalette strip = lblShow->palette();
    strip.setColor(QPalette::WindowText, kLinkText);
    lblShow->setPalette(strip);

    // The gear and the links lie above the status strip and take the pointer before it.
    imgConf = named(new PictureButton(drawGearsPicture, this), QStringLiteral("imgConf"));
    imgConf->setGeometry(32, 232, 25, 25);
    imgConf->setAccessibleName(toQString(kOptionsName));
    // Pressed while the options panel is open, which a screen reader tells.
    imgConf->setCheckable(true);
    // On the dark strip a black border would not show.
    imgConf->setHeldBorderColour(kLinkText);
    for (int i = About; i <= Manual; ++i) {
        const StripLink& row = kStripLinks[static_cast<std::size_t>(i)];
        lblLink[i] = named(new LinkLabel(QString::fromLatin1(row.caption), this),
                           QStringLiteral("lblLink(%1)").arg(i));
        lblLink[i]->setGeometry(row.left, 232, 17, 25);
        lblLink[i]->setTextColour(kLinkText);
        lblLink[i]->setHeldBorderColour(kLinkText);
        lblLink[i]->setFont(calibri(14.25));
        lblLink[i]->setAccessibleName(toQString(row.texts.name));
    }
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
    kTools[static_cast<std::size_t>(index)].open(*this);
}

void frmMenuPrincipal::openFiguresMenu() {
    // At the pointer, or under the picture when it was chosen from the keyboard.
    const QRect picture(cmdButton[0]->mapToGlobal(QPoint(0, 0)), cmdButton[0]->size());
    const QPoint at = picture.contains(QCursor::pos())
                          ? QCursor::pos()
                          : cmdButton[0]->mapToGlobal(cmdButton[0]->rect().center());
    // A pop-up of its own, with items of its own, for each opening, freed once it closes: on
    // Qt 6.4 a pop-up that is kept and shown again leaves a connection behind at every showing,
    // and a screen reader keeps hearing items kept beyond their first pop-up in that one.
    auto* figMenu = named(new QMenu(this), QStringLiteral("figMenu"));
    figMenu->setAttribute(Qt::WA_DeleteOnClose);
    const auto item = [figMenu](std::string_view text, const QString& name) {
        QAction* action = named(new QAction(toQString(text), figMenu), name);
        figMenu->addAction(action);
        return action;
    };
    connect(item(kFigureItems[0], QStringLiteral("figPerimetro")), &QAction::triggered, this,
            &frmMenuPrincipal::figPerimetro_Click);
    connect(item(kFigureItems[1], QStringLiteral("figArea")), &QAction::triggered, this,
            &frmMenuPrincipal::figArea_Click);
    connect(item(kFigureItems[2], QStringLiteral("figVolumen")), &QAction::triggered, this,
            &frmMenuPrincipal::figVolumen_Click);
    figMenu->addSeparator()->setObjectName(QStringLiteral("Line0"));
    item(kFigureItems[3], QStringLiteral("figCancel"));
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
    lblShow->setText(toQString(kWelcome));
}

void frmMenuPrincipal::cmdButton_MouseMove(int index) {
    lblShow->setText(toQString(kTools[static_cast<std::size_t>(index)].texts.status));
    overlays()[index]->setFill(Shape::Fill::Darken);
    ShapeOn = static_cast<short>(index + 1);
    BReset();
}

void frmMenuPrincipal::imgConf_MouseMove() {
    BReset();
    lblShow->setText(toQString(optionsPanel->isVisible() ? kCloseOptions : kOpenOptions));
}

void frmMenuPrincipal::lblLink_MouseMove(Link link) {
    BReset();
    if (link == About || link == Manual) {
        lblShow->setText(toQString(kStripLinks[link].texts.status));
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
    if (!askYesNo(this, toQString(kCloseQuestion))) {
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
