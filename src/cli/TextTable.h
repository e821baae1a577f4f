#pragma once
// Plain-text tables for vornctl listings: a header row and data rows, each column as wide
// as its widest cell (counted in characters, not bytes), columns two blanks apart.

#include <ostream>
#include <string>
#include <vector>

namespace vorn::cli {

class TextTable {
  public:
    explicit TextTable(std::vector<std::string> headers);

    // Cells beyond the header count are dropped; missing cells print empty.
    void addRow(std::vector<std::string> cells);

    // Header, a rule of dashes, then the rows; no trailing blanks on any line.
    void print(std::ostream& out) const;

  private:
    std::vector<std::string> headers_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace vorn::cli
