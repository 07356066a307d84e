#include "shell/frmabout.h"

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
}

}  // namespace zelmora
