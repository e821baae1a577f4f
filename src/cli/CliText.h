#pragma once
// Reading numbers and byte strings from the command line, and printing bytes.

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::cli {

// A non-negative number in decimal or with a 0x prefix in hexadecimal; none when the text is
// not a whole number or exceeds max.
std::optional<uint32_t> parseNumber(std::string_view text, uint32_t max);

// Hexadecimal bytes: pairs of digits, optionally apart by blanks, ':', ',' or '-'
// ("0a0b0c", "0a 0b 0c", "0a:0b"). none on an odd digit count or any other character.
std::optional<std::vector<uint8_t>> parseHexBytes(std::string_view text);

// "0a 0b 0c" (lower case, one blank apart).
std::string hexBytes(std::span<const uint8_t> bytes);

// Rows of 16 bytes, each led by its address (firstAddress + position, four hex digits).
void printHexDump(std::ostream& out, std::span<const uint8_t> bytes, uint32_t firstAddress,
                  std::string_view indent = "  ");

}  // namespace vorn::cli
