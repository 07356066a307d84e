#pragma once

#include <QFont>
#include <QLineEdit>

namespace zelmora {

// A one-line number box of the converter. The user may type or paste at most kTypedLimit
// characters; a text that the converter writes is kept whole, however long. A text too wide for
// the box is shown in a smaller font, so that the whole number stays readable.
class ConverterBox : public QLineEdit {
    Q_OBJECT
  public:
    static constexpr int kTypedLimit = 15;

    explicit ConverterBox(QWidget* parent = nullptr);

    // Writes a text of any length, as the converter does with its results. A plain setText
    // counts as typing and is limited like it.
    void writeText(const QString& text);

    // The font for texts that fit the box.
    void setBaseFont(const QFont& font);
    QFont baseFont() const { return baseFont_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class TypingLimit;

    void fitText();

    QFont baseFont_;
    QString lastText_;  // the text before the edit being validated
    bool writing_ = false;
};

}  // namespace zelmora
