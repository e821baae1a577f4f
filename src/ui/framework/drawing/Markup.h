#pragma once
// Markup of texts (labels with showhtml, list rows with itemshowhtml): <b>, <i>, <u> and
// <c #AARRGGBB> with their closing tags, and <n> for a line break; braces work as angle
// brackets ({b}, {c #FF0000}). Other tags are dropped. Both drawing paths, the painted one
// and the native label's, show the runs of this one parser.

#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/core/UiTypes.h"

namespace vorn::ui {

struct TTextRun {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    UiColor color = 0;       // 0: the control's text colour
    bool lineBreak = false;  // a line break follows the run
    friend bool operator==(const TTextRun&, const TTextRun&) = default;
};

// The runs of a text in order: each holds text of one look (empty only before a line break).
std::vector<TTextRun> parseMarkup(std::string_view text);
// The text without its tags (line breaks as '\n').
std::string markupPlainText(std::string_view text);

}  // namespace vorn::ui
