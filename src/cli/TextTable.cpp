#include "cli/TextTable.h"

#include <algorithm>

#include "platform/text/Text.h"

namespace vorn::cli {
namespace {

size_t displayWidth(const std::string& text) {
    return platform::utf8ToWide(text).size();
}

void printLine(std::ostream& out, const std::vector<std::string>& cells,
               const std::vector<size_t>& widths) {
    std::string line;
    for (size_t c = 0; c < widths.size(); ++c) {
        const std::string& cell = c < cells.size() ? cells[c] : std::string();
        line += cell;
        if (c + 1 < widths.size()) {
            line.append(widths[c] - displayWidth(cell) + 2, ' ');
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    out << line << '\n';
}

}  // namespace

TextTable::TextTable(std::vector<std::string> headers) : headers_(std::move(headers)) {}

void TextTable::addRow(std::vector<std::string> cells) {
    cells.resize(headers_.size());
    rows_.push_back(std::move(cells));
}

void TextTable::print(std::ostream& out) const {
    std::vector<size_t> widths;
    for (const std::string& h : headers_) {
        widths.push_back(displayWidth(h));
    }
    for (const auto& row : rows_) {
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    }
    printLine(out, headers_, widths);
    std::vector<std::string> rule;
    for (size_t w : widths) {
        rule.emplace_back(w, '-');
    }
    printLine(out, rule, widths);
    for (const auto& row : rows_) {
        printLine(out, row, widths);
    }
}

}  // namespace vorn::cli
