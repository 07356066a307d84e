#include "converter/converterbox.h"

#include <QValidator>
#include <algorithm>

namespace zelmora {

// Every edit by the user passes through the validator, which may change the edited text; a
// maximum length would also cut the converter's own long results, so the limit lives here.
// Characters that an edit inserts beyond the limit are dropped, as a length limit does: the
// inserted text ends just before the cursor, and only it is cut, never the text around it.
class ConverterBox::TypingLimit : public QValidator {
  public:
    explicit TypingLimit(ConverterBox* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& pos) const override {
        const qsizetype excess = input.size() - kTypedLimit;
        if (box_->writing_ || excess <= 0) {
            return Acceptable;
        }
        const QString& before = box_->lastText_;
        // The text after the cursor is what stood after the edit before it; what comes before
        // it and matches the old text was not inserted.
        const qsizetype after = input.size() - pos;
        qsizetype kept = std::min<qsizetype>(pos, std::max<qsizetype>(0, before.size() - after));
        qsizetype common = 0;
        while (common < kept && input[common] == before[common]) {
            ++common;
        }
        kept = common;
        const qsizetype cut = std::min(excess, pos - kept);
        if (cut > 0) {
            input.remove(pos - cut, cut);
            pos -= static_cast<int>(cut);
        }
        return Acceptable;
    }

  private:
    ConverterBox* box_;
};

ConverterBox::ConverterBox(QWidget* parent) : NumberBox(QString(), parent) {
    setValidator(new TypingLimit(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText_ = text; });
}

void ConverterBox::writeText(const QString& text) {
    writing_ = true;
    setText(text);
    writing_ = false;
}

}  // namespace zelmora
