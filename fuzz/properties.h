#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/numbertext.h"

// What every fuzz target shares: a property check that stops the run, the properties of the
// texts that the core writes, and a reader that turns the fuzzer's bytes into choices and texts.
namespace zelmora::fuzz {

// A violated property aborts, which libFuzzer records as a crash and the replay as a failure.
#define FUZZ_CHECK(condition)                                                          \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: property violated: %s\n", __FILE__, __LINE__, \
                         #condition);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (false)

// The shape of a general number text: an optional "-", digits with no needless zeros, an
// optional fraction that does not end in 0, and an optional exponent "E+15" or "E-05".
inline bool hasGeneralNumberShape(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    const std::size_t wholeStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    const std::size_t wholeDigits = i - wholeStart;
    if (wholeDigits == 0 || (wholeDigits > 1 && text[wholeStart] == '0')) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        if (i == fractionStart || text[i - 1] == '0') {
            return false;
        }
    }
    if (i < text.size() && text[i] == 'E') {
        ++i;
        if (i == text.size() || (text[i] != '+' && text[i] != '-')) {
            return false;
        }
        const std::size_t exponentStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        const std::size_t exponentDigits = i - exponentStart;
        if (exponentDigits < 2 || exponentDigits > 3) {
            return false;
        }
    }
    // "-0" is never written: zero is "0" whatever its sign.
    return i == text.size() && text != "-0";
}

// A general number text that reads back as a finite number and is written again unchanged.
inline bool isGeneralNumberText(std::string_view text) {
    if (!hasGeneralNumberShape(text)) {
        return false;
    }
    const ParsedNumber parsed = parseLeadingNumber(text);
    return !parsed.outOfRange && generalNumberText(parsed.value) == text;
}

// What the core may write into a number box: the overflow word or a general number text.
inline bool isOutputText(std::string_view text) {
    return text == kOverflowText || isGeneralNumberText(text);
}

// Takes choices and texts from the front of the fuzzer's bytes; once they run out, every choice
// is 0 and every text empty, so that any input is a complete case.
class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return bytes_.empty(); }

    std::uint8_t byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const auto b = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return b;
    }

    // A text up to the next separator byte (0x1F, the unit separator) or the end.
    std::string_view text() {
        const std::size_t end = bytes_.find('\x1f');
        const std::string_view taken = bytes_.substr(0, end);
        bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
        return taken;
    }

    std::string_view rest() {
        const std::string_view taken = bytes_;
        bytes_ = {};
        return taken;
    }

  private:
    std::string_view bytes_;
};

}  // namespace zelmora::fuzz
