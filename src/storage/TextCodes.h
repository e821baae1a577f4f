#pragma once
// Conversions between wide strings (one wchar_t per character) and the byte encodings the
// program stores or sends. On this system the ANSI and OEM code pages are both UTF-8.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vorn::storage {

std::string WideToUtf8(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);

// A new buffer with the text in the ANSI code page followed by two zero bytes, so it can
// serve as a narrow or a wide zero-terminated string; null for a null input.
std::unique_ptr<char[]> WideToAnsi(const wchar_t* wide);

// A new zero-terminated buffer with the text in the OEM code page; null for a null input.
std::unique_ptr<char[]> WideToOem(const wchar_t* wide);

// The value as 8 upper-case hexadecimal digits, e.g. "00C0FFEE".
std::string HexWord(std::uint32_t value);

}  // namespace vorn::storage
