#include "ui/framework/drawing/Markup.h"

namespace vorn::ui {

std::vector<TTextRun> parseMarkup(std::string_view text) {
    std::vector<TTextRun> runs;
    int bold = 0;
    int italic = 0;
    int underline = 0;
    std::vector<UiColor> colors;
    TTextRun current;
    auto look = [&] {
        TTextRun r;
        r.bold = bold > 0;
        r.italic = italic > 0;
        r.underline = underline > 0;
        r.color = colors.empty() ? 0 : colors.back();
        return r;
    };
    auto flush = [&](bool lineBreak) {
        if (!current.text.empty() || lineBreak) {
            current.lineBreak = lineBreak;
            runs.push_back(current);
        }
        current = look();
    };
    auto counter = [&](std::string_view tag) -> int* {
        if (tag == "b") {
            return &bold;
        }
        if (tag == "i") {
            return &italic;
        }
        if (tag == "u") {
            return &underline;
        }
        return nullptr;
    };
    size_t i = 0;
    while (i < text.size()) {
        char open = text[i];
        if (open == '<' || open == '{') {
            size_t end = text.find(open == '<' ? '>' : '}', i);
            if (end != std::string_view::npos) {
                std::string_view tag = text.substr(i + 1, end - i - 1);
                i = end + 1;
                if (tag == "n") {
                    flush(true);
                    continue;
                }
                bool closing = !tag.empty() && tag[0] == '/';
                std::string_view name = closing ? tag.substr(1) : tag;
                flush(false);
                if (int* count = counter(name)) {
                    *count += closing ? (*count > 0 ? -1 : 0) : 1;
                } else if (closing && name == "c") {
                    if (!colors.empty()) {
                        colors.pop_back();
                    }
                } else if (!closing && name.size() > 2 && name.substr(0, 2) == "c ") {
                    std::string_view value = name.substr(2);
                    while (!value.empty() && value.front() == ' ') {
                        value.remove_prefix(1);
                    }
                    colors.push_back(parseColor(value));
                }
                current = look();
                continue;
            }
        }
        current.text.push_back(text[i++]);
    }
    flush(false);
    return runs;
}

std::string markupPlainText(std::string_view text) {
    std::string out;
    for (const TTextRun& run : parseMarkup(text)) {
        out += run.text;
        if (run.lineBreak) {
            out.push_back('\n');
        }
    }
    return out;
}

}  // namespace vorn::ui
