#include "ui/framework/resources/DuiString.h"

#include <cstdarg>
#include <cstdio>
#include <cwctype>
#include <vector>

#include "platform/text/Text.h"

namespace vorn::ui {
namespace {

// Byte offset of the character with the given index, or the text size past the end.
size_t byteOffset(const std::string& s, int charIndex) {
    if (charIndex <= 0) {
        return 0;
    }
    int n = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == charIndex) {
                return i;
            }
            ++n;
        }
    }
    return s.size();
}

int charIndex(const std::string& s, size_t byte) {
    int n = 0;
    for (size_t i = 0; i < byte && i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

}  // namespace

int CDuiString::GetLength() const {
    return charIndex(text_, text_.size());
}

int CDuiString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        va_end(args);
        text_.clear();
        return 0;
    }
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    va_end(args);
    text_.assign(buf.data(), static_cast<size_t>(n));
    return GetLength();
}

int CDuiString::CompareNoCase(std::string_view other) const {
    return platform::foldCase(text_).compare(platform::foldCase(other));
}

int CDuiString::Compare(std::string_view other) const {
    return text_.compare(other);
}

CDuiString& CDuiString::MakeLower() {
    text_ = platform::foldCase(text_);
    return *this;
}

CDuiString& CDuiString::MakeUpper() {
    std::wstring w = platform::utf8ToWide(text_);
    for (wchar_t& c : w) {
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    text_ = platform::wideToUtf8(w);
    return *this;
}

CDuiString CDuiString::Left(int count) const {
    // A negative count (a search that found nothing) takes nothing, not the whole text.
    return Mid(0, count < 0 ? 0 : count);
}

CDuiString CDuiString::Right(int count) const {
    int len = GetLength();
    if (count >= len) {
        return *this;
    }
    return Mid(len - (count < 0 ? 0 : count));
}

CDuiString CDuiString::Mid(int start, int count) const {
    if (start < 0) {
        start = 0;
    }
    size_t from = byteOffset(text_, start);
    if (count < 0) {
        return CDuiString(text_.substr(from));
    }
    size_t to = byteOffset(text_, start + count);
    return CDuiString(text_.substr(from, to - from));
}

int CDuiString::Find(std::string_view what, int start) const {
    size_t pos = text_.find(what, byteOffset(text_, start));
    return pos == std::string::npos ? -1 : charIndex(text_, pos);
}

int CDuiString::ReverseFind(std::string_view what) const {
    size_t pos = text_.rfind(what);
    return pos == std::string::npos ? -1 : charIndex(text_, pos);
}

int CDuiString::Replace(std::string_view from, std::string_view to) {
    if (from.empty()) {
        return 0;
    }
    int count = 0;
    size_t pos = 0;
    while ((pos = text_.find(from, pos)) != std::string::npos) {
        text_.replace(pos, from.size(), to);
        pos += to.size();
        ++count;
    }
    return count;
}

}  // namespace vorn::ui
