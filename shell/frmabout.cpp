#include "shell/frmabout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "common/windowstyle.h"
#include "shell/menupictures.h"

namespace zelmora {
namespace {

class AppIcon final : public QWidget {
  public:
    explicit AppIcon(QWidget* parent) : QWidget(parent) {
        setFixedSize(64, 64);
        setAccessibleName(QStringLiteral("Icono de Zelmora"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawAppIcon(painter, QRectF(rect()));
    }
};

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de ") + kAppTitle);
    setModal(true);

    auto* icon = new AppIcon(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    lblName = new QLabel(kAppTitle, this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setFont(calibri(20));
    // The maker's name and the product's name, one under the other.
    lblMaker = new QLabel(QStringLiteral("Quimbel"), this);
    lblMaker->setObjectName(QStringLiteral("lblMaker"));
    lblProduct = new QLabel(QStringLiteral("Zelmora"), this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setHorizontalSpacing(18);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(lblName, 0, 1);
    layout->addWidget(lblMaker, 1, 1);
    layout->addWidget(lblProduct, 2, 1);
    layout->addWidget(cmdOK, 3, 0, 1, 2, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // A window manager shortens a title that does not fit between the icon and the buttons of its
    // title bar, and many draw it larger or bolder than the system's title font: the box is made
    // wide enough for the title a quarter wider than in that font, beside room for the title bar's
    // icon and buttons.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const int titleBarWidth = title.horizontalAdvance(windowTitle()) * 5 / 4 + 8 * title.height();
    const QMargins margins = layout->contentsMargins();
    layout->setColumnMinimumWidth(1, titleBarWidth - margins.left() - margins.right() -
                                         icon->width() - layout->horizontalSpacing());
}

}  // namespace zelmora
