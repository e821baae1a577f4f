#include "cli/CliText.h"

#include <algorithm>
#include <charconv>

#include "platform/text/Text.h"

namespace vorn::cli {

std::optional<uint32_t> parseNumber(std::string_view text, uint32_t max) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value > max) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

std::optional<std::vector<uint8_t>> parseHexBytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    int pending = -1;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c == ' ' || c == ':' || c == ',' || c == '-') {
            if (pending >= 0) {
                return std::nullopt;  // a lone digit before a separator
            }
            continue;
        } else {
            return std::nullopt;
        }
        if (pending < 0) {
            pending = digit;
        } else {
            bytes.push_back(static_cast<uint8_t>(pending * 16 + digit));
            pending = -1;
        }
    }
    if (pending >= 0) {
        return std::nullopt;
    }
    return bytes;
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    std::string text;
    for (uint8_t b : bytes) {
        text += text.empty() ? "" : " ";
        text += platform::formatText("%02x", b);
    }
    return text;
}

void printHexDump(std::ostream& out, std::span<const uint8_t> bytes, uint32_t firstAddress,
                  std::string_view indent) {
    for (size_t row = 0; row < bytes.size(); row += 16) {
        const size_t n = std::min<size_t>(16, bytes.size() - row);
        out << indent << platform::formatText("%04x: ", static_cast<unsigned>(firstAddress + row))
            << hexBytes(bytes.subspan(row, n)) << "\n";
    }
}

}  // namespace vorn::cli
