#pragma once

#include "common/numberbox.h"

namespace zelmora {

// A one-line number box of the converter. The user may type or paste at most kTypedLimit
// characters; a text that the converter writes is kept whole, however long, and shown whole as
// every number box shows it.
class ConverterBox : public NumberBox {
    Q_OBJECT
  public:
    static constexpr int kTypedLimit = 15;

    explicit ConverterBox(QWidget* parent = nullptr);

    // Writes a text of any length, as the converter does with its results. A plain setText
    // counts as typing and is limited like it.
    void writeText(const QString& text);

  private:
    class TypingLimit;

    QString lastText_;  // the text before the edit being validated
    bool writing_ = false;
};

}  // namespace zelmora
