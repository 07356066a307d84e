#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

// Every kind of tool window, opened from the menu and used the way a user does it, with the
// mouse and the keyboard, for the soak test, the window benchmarks and the render tool.
namespace zelmora::testing {

struct ToolKind {
    const char* name;
    std::function<void(QWidget* menu)> open;
    std::function<void(QWidget* window)> computeAnAnswer;
};

const std::vector<ToolKind>& toolKinds();

// Opens a tool from the menu and returns its new window, or nothing when none opened.
QWidget* openFromMenu(QWidget* menu, const ToolKind& kind);

}  // namespace zelmora::testing
