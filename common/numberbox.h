#pragma once

#include <QLineEdit>

// The number boxes of the calculators and the solver, and their convention: a box shows "0"
// when it is empty and does not have the focus.
namespace zelmora {

// A one-line text box that tells its window when it gains or loses the focus, when Enter is
// pressed in it and when it is double-clicked. A context menu takes the focus only for a moment,
// while the box is still being edited: that is neither a gain nor a loss. Enter is consumed,
// never inserted.
class NumberBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit NumberBox(const QString& text, QWidget* parent = nullptr);

  signals:
    void gotFocus();
    void lostFocus();
    void enterPressed();
    void doubleClicked();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// On gaining the focus a box that shows "0" is emptied, so that the user types over it.
inline void emptyZeroOnFocus(QLineEdit* box) {
    if (box->text() == QStringLiteral("0")) {
        box->clear();
    }
}

// On losing the focus an empty box shows "0" again.
inline void zeroWhenEmpty(QLineEdit* box) {
    if (box->text().isEmpty()) {
        box->setText(QStringLiteral("0"));
    }
}

// Moves the focus to a box. A box that holds the focus already gets no focus event, yet it must
// still show empty rather than "0" while it has the focus.
inline void giveFocus(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (box->hasFocus()) {
        emptyZeroOnFocus(box);
    }
}

}  // namespace zelmora
