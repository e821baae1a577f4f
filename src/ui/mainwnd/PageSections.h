#pragma once
// The section tabs of the main window's title bar: each tab, the page number the device pages
// show for it, and the word vorn's --section names the section by (empty for the sections it
// does not offer).

#include <array>
#include <string_view>

namespace vorn::ui::mainwnd {

struct PageSection {
    std::string_view tab;
    int pageNumber;
    std::string_view word;
};
inline constexpr std::array<PageSection, 10> kPageSections = {{
    {"deng_Op_tab", 1, "light"},
    {"key_Op_tab", 2, "keys"},
    {"macro_Op_tab", 3, "macros"},
    {"system_Op_tab", 4, "system"},
    {"cursor_Op_tab", 5, ""},
    {"6533_voice_Op_tab", 6, ""},
    {"magic_Op_tab", 7, ""},
    {"performance_Op_tab", 8, "performance"},
    {"About_Op_tab", 9, "about"},
    {"Virtual7.1_Op_tab", 10, ""},
}};

// The page number of the section a word names; 0 for another word.
constexpr int pageNumberOfSection(std::string_view word) {
    for (const PageSection& section : kPageSections) {
        if (!section.word.empty() && section.word == word) {
            return section.pageNumber;
        }
    }
    return 0;
}

}  // namespace vorn::ui::mainwnd
