#pragma once
// Text helpers shared by every layer. Text inside the program is UTF-8 in std::string;
// std::wstring (UTF-32 on Linux) appears only where a character-wise view is needed.

#include <optional>
#include <string>
#include <string_view>

namespace vorn::platform {

// Strict conversions; invalid UTF-8 sequences become U+FFFD, never undefined reads.
std::wstring utf8ToWide(std::string_view utf8);
std::string wideToUtf8(std::wstring_view wide);

// Unicode-aware lower-casing of UTF-8 text (Latin, Greek, Cyrillic and every other script
// the C library's UTF-8 tables know), used wherever names compare without regard to case.
std::string foldCase(std::string_view utf8);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Removes white space (ASCII and Unicode spaces) at both ends.
std::string trimSpace(std::string_view utf8);

// Whether the text holds a control character: a byte below 0x20 (line break, tab, ...)
// or 0x7F.
bool hasControlCharacter(std::string_view text);

// A typed integer as a field reads it: leading blanks, an optional sign, then decimal digits
// up to the first other character; 0 when there are none ("" and "abc" read 0, " 7x" 7).
// Values past the range of int read as its end.
int parseTypedInteger(std::string_view text);
// The whole text as a non-negative decimal number; none for "", signs, other characters or
// a number past the range of int ("12" 12, "12a" and "-1" none).
std::optional<int> parseWholeNumber(std::string_view text);

// printf into a std::string.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vorn::platform
