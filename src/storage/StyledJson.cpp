#include "storage/StyledJson.h"

#include <optional>
#include <string_view>

#include "platform/text/Text.h"

namespace vorn::storage {
namespace {

// The value of four hex digits at text[at], if they are four hex digits.
std::optional<unsigned> hex4(std::string_view text, std::size_t at) {
    if (at + 4 > text.size()) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        char c = text[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

// Decodes a "\uXXXX" (or a surrogate pair "\uD8xx\uDCxx") escape at text[at] naming a
// character beyond ASCII; returns its UTF-8 bytes and the length of the escape.
std::optional<std::pair<std::string, std::size_t>> nonAsciiEscape(std::string_view text,
                                                                  std::size_t at) {
    std::optional<unsigned> first = hex4(text, at + 2);
    if (!first || *first < 0x80 || (*first >= 0xDC00 && *first <= 0xDFFF)) {
        return std::nullopt;
    }
    char32_t cp = *first;
    std::size_t length = 6;
    if (*first >= 0xD800 && *first <= 0xDBFF) {
        if (text.substr(at + 6, 2) != "\\u") {
            return std::nullopt;
        }
        std::optional<unsigned> second = hex4(text, at + 8);
        if (!second || *second < 0xDC00 || *second > 0xDFFF) {
            return std::nullopt;
        }
        cp = 0x10000 + ((*first - 0xD800) << 10) + (*second - 0xDC00);
        length = 12;
    }
    return std::make_pair(platform::wideToUtf8(std::wstring(1, static_cast<wchar_t>(cp))), length);
}

// The JSON library escapes every character beyond ASCII in strings; the program's files
// keep such text as UTF-8. Only escapes inside strings are touched: comments carried over
// from a read document stay as they were.
std::string restoreUtf8(std::string_view styled) {
    enum class State { Plain, String, LineComment, BlockComment };
    State state = State::Plain;
    std::string out;
    out.reserve(styled.size());
    std::size_t i = 0;
    while (i < styled.size()) {
        char c = styled[i];
        char next = i + 1 < styled.size() ? styled[i + 1] : '\0';
        switch (state) {
            case State::Plain:
                if (c == '"') {
                    state = State::String;
                } else if (c == '/' && next == '/') {
                    state = State::LineComment;
                } else if (c == '/' && next == '*') {
                    state = State::BlockComment;
                    out.append("/*");
                    i += 2;
                    continue;
                }
                break;
            case State::String:
                if (c == '"') {
                    state = State::Plain;
                } else if (c == '\\' && next == 'u') {
                    if (auto decoded = nonAsciiEscape(styled, i)) {
                        out.append(decoded->first);
                        i += decoded->second;
                        continue;
                    }
                } else if (c == '\\') {
                    out.append(styled.substr(i, 2));
                    i += 2;
                    continue;
                }
                break;
            case State::LineComment:
                if (c == '\n') {
                    state = State::Plain;
                }
                break;
            case State::BlockComment:
                if (c == '*' && next == '/') {
                    state = State::Plain;
                    out.append("*/");
                    i += 2;
                    continue;
                }
                break;
        }
        out.push_back(c);
        ++i;
    }
    return out;
}

}  // namespace

std::string StyledJsonText(const Json::Value& value) {
    // The styled writer is marked deprecated in some releases of the library; its exact
    // layout is the one the program's files have always had, so it stays in use here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Json::StyledWriter writer;
    std::string styled = writer.write(value);
#pragma GCC diagnostic pop
    return restoreUtf8(styled);
}

}  // namespace vorn::storage
