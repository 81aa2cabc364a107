#pragma once
#include <span>
#include <string_view>

namespace res {

// One menu entry; id 0 with no text is a separator. "\t" parts the item's
// text from the keys shown beside it.
struct MenuItem {
    int id = 0;
    std::string_view text;

    bool IsSeparator() const { return id == 0; }
};

struct MenuDef {
    std::string_view title;
    std::span<const MenuItem> items;
};

// The main frame's menu bar as the resource holds it, before the frame
// removes Open, Save and the recent-file entry from File.
std::span<const MenuDef> MainMenu();

// File menu positions removed at creation, in the order they are removed.
std::span<const int> FileMenuDeletions();

}  // namespace res
