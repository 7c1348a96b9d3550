#pragma once
// The main window's commands: every menu item with its object name, caption and shortcut, in
// menu order. Every item carries out its command.
#include <string_view>
#include <vector>

namespace tablamor::ui {

struct MenuItem {
    std::string_view menu; // the menu's caption
    std::string_view name; // object name of the item ("" for a separator)
    std::string_view caption;
    std::string_view shortcut; // in QKeySequence text form
};

const std::vector<MenuItem>& MainMenuItems();

} // namespace tablamor::ui
