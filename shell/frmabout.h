#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zelmora {

// The program's About box: its name, the maker's name, the product's name and its icon.
class frmAbout final : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

  private:
    QLabel* lblName;
    QLabel* lblMaker;
    QLabel* lblProduct;
    QPushButton* cmdOK;
};

}  // namespace zelmora
