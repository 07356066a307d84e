#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

// What the manual's writer builds its page with: escaped text, the program's own texts in place
// of their @NAME@ placeholders, the windows' pictures, and a check that stops the build when an
// example no longer holds.
namespace zelmora::manual {

std::string escaped(std::string_view text);

// The tool tips hold the figure's full name between single blanks.
std::string_view trimmed(std::string_view text);

// Stops the build, naming the example, when it no longer holds.
void require(bool holds, std::string_view what);

// The program's own texts, which the page's prose names as @NAME@ (@COMPUTE@, @SOLVER@,
// @LENGTH@...), written as the program shows them.
std::string withProgramTexts(std::string_view text);

// The items as code, one after another with the separator between them.
std::string joined(std::span<const std::string_view> items, std::string_view separator);

class ManualWriter {
  public:
    ManualWriter(std::filesystem::path pictures, std::filesystem::path manual);

    std::string html;

    // HTML of the page's own, with the program's texts put in.
    void add(std::string_view text) { html += withProgramTexts(text); }
    // Plain text, escaped.
    void text(std::string_view plain) { html += escaped(plain); }

    // A window's picture from the render tool, copied beside the page and shown at the size the
    // window has on a screen of ordinary density.
    void picture(std::string_view name, std::string_view alt, std::string_view caption);

  private:
    std::filesystem::path pictures_;
    std::filesystem::path manual_;
};

}  // namespace zelmora::manual
