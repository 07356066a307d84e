#pragma once

#include <QFont>
#include <QLineEdit>

#include "common/bridge.h"
#include "common/numbertext.h"

// The number boxes of the calculators, the solver and the converter, and their convention: a
// measure box shows "0" when it is empty and does not have the focus.
namespace zelmora {

// A one-line text box that tells its window when it gains or loses the focus, when Enter is
// pressed in it and when it is double-clicked. A context menu takes the focus only for a moment,
// while the box is still being edited: that is neither a gain nor a loss. Enter is consumed,
// never inserted.
//
// A number is read from its first digit: a text too wide for the box is shown in a smaller font
// until it fits whole, and a box left with a text that even the smallest font cannot fit shows
// its start rather than its end.
class NumberBox : public QLineEdit {
    Q_OBJECT
  public:
    // The smallest font a text is shrunk to.
    static constexpr qreal kSmallestPoints = 5;

    explicit NumberBox(const QString& text = QString(), QWidget* parent = nullptr);

    // The font set on the box, which every text that fits is shown in.
    QFont baseFont() const { return baseFont_; }

  signals:
    void gotFocus();
    void lostFocus();
    void enterPressed();
    void doubleClicked();

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void fitText();

    QFont baseFont_;
    bool fitting_ = false;
};

inline const QString kEmptyBoxText = toQString(kEmptyBox);

// On gaining the focus a box that shows "0" is emptied, so that the user types over it.
inline void emptyZeroOnFocus(QLineEdit* box) {
    if (box->text() == kEmptyBoxText) {
        box->clear();
    }
}

// On losing the focus an empty box shows "0" again.
inline void zeroWhenEmpty(QLineEdit* box) {
    if (box->text().isEmpty()) {
        box->setText(kEmptyBoxText);
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
