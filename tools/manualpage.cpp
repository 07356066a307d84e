#include "tools/manualpage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "calculators/figuretable.h"
#include "converter/converter.h"
#include "converter/unittables.h"
#include "solver/solver.h"

namespace fs = std::filesystem;

namespace zelmora::manual {
namespace {

struct PictureSize {
    int width;
    int height;
};

// A PNG's size in pixels, from its header.
PictureSize pngSize(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 24> header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    constexpr std::array<unsigned char, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!in || !std::equal(kSignature.begin(), kSignature.end(), header.begin())) {
        throw std::runtime_error("not a PNG picture: " + file.string());
    }
    const auto bigEndian = [&header](std::size_t at) {
        return static_cast<int>((std::uint32_t{header[at]} << 24) |
                                (std::uint32_t{header[at + 1]} << 16) |
                                (std::uint32_t{header[at + 2]} << 8) | header[at + 3]);
    };
    return {bigEndian(16), bigEndian(20)};
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

void require(bool holds, std::string_view what) {
    if (!holds) {
        throw std::runtime_error("the manual's example no longer holds: " + std::string(what));
    }
}

std::string withProgramTexts(std::string_view text) {
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"@COMPUTE@", kComputeCaption},
        {"@CLEAR@", kClearCaption},
        {"@SOLVER@", kSolverTitle},
        {"@SOLVE@", kSolveCaption},
        {"@FOUR_DECIMALS@", kFourDecimalsCaption},
        {"@CONVERTER@", kConverterTitle},
        {"@LENGTH@", familyName(kLengthFamily)},
        {"@AREA@", familyName(kAreaFamily)},
        {"@VOLUME@", familyName(kVolumeFamily)},
    };
    std::string out(text);
    for (const auto& [name, shown] : texts) {
        for (std::size_t at = out.find(name); at != std::string::npos;
             at = out.find(name, at + shown.size())) {
            out.replace(at, name.size(), shown);
        }
    }
    return out;
}

std::string joined(std::span<const std::string_view> items, std::string_view separator) {
    std::string out;
    for (const std::string_view item : items) {
        if (!out.empty()) {
            out += separator;
        }
        out += "<code>" + escaped(item) + "</code>";
    }
    return out;
}

ManualWriter::ManualWriter(fs::path pictures, fs::path manual)
    : pictures_(std::move(pictures)), manual_(std::move(manual)) {}

void ManualWriter::picture(std::string_view name, std::string_view alt, std::string_view caption) {
    const std::string file = std::string(name) + ".png";
    fs::create_directories(manual_ / "imagenes");
    fs::copy_file(pictures_ / file, manual_ / "imagenes" / file,
                  fs::copy_options::overwrite_existing);
    const PictureSize size = pngSize(pictures_ / file);
    html += "<figure><img src=\"imagenes/" + file + "\" width=\"" +
            std::to_string((size.width + 1) / 2) + "\" height=\"" +
            std::to_string((size.height + 1) / 2) + "\" alt=\"" + escaped(withProgramTexts(alt)) +
            "\"><figcaption>" + escaped(withProgramTexts(caption)) + "</figcaption></figure>\n";
}

}  // namespace zelmora::manual
