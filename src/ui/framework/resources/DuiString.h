#pragma once
// The string type of the control interfaces: UTF-8 text with the character-wise operations
// the windows and pages use (positions and lengths count characters, not bytes).

#include <string>
#include <string_view>

namespace vorn::ui {

class CDuiString {
  public:
    CDuiString() = default;
    CDuiString(const char* text) : text_(text != nullptr ? text : "") {}  // NOLINT: implicit
    CDuiString(std::string text) : text_(std::move(text)) {}              // NOLINT: implicit
    CDuiString(std::string_view text) : text_(text) {}                    // NOLINT: implicit

    operator const std::string&() const { return text_; }  // NOLINT: implicit
    operator std::string_view() const { return text_; }    // NOLINT: implicit
    const std::string& str() const { return text_; }
    const char* GetData() const { return text_.c_str(); }

    // Length in characters.
    int GetLength() const;
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }

    // printf into this string; returns the new length in characters.
    int Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // 0 when equal without regard to case; otherwise <0 or >0 as by byte order of the
    // case-folded texts.
    int CompareNoCase(std::string_view other) const;
    int Compare(std::string_view other) const;
    CDuiString& MakeLower();
    CDuiString& MakeUpper();

    // Character-based slices; out-of-range arguments are clamped.
    CDuiString Left(int count) const;
    CDuiString Right(int count) const;
    CDuiString Mid(int start, int count = -1) const;

    // Character index of the first / last occurrence, or -1.
    int Find(std::string_view what, int start = 0) const;
    int Find(char c, int start = 0) const { return Find(std::string_view(&c, 1), start); }
    int ReverseFind(std::string_view what) const;
    int ReverseFind(char c) const { return ReverseFind(std::string_view(&c, 1)); }
    // Replaces every occurrence; returns the number replaced.
    int Replace(std::string_view from, std::string_view to);

    CDuiString& operator+=(std::string_view more) {
        text_ += more;
        return *this;
    }
    friend CDuiString operator+(const CDuiString& a, std::string_view b) {
        return CDuiString(a.text_ + std::string(b));
    }
    friend bool operator==(const CDuiString& a, const CDuiString& b) { return a.text_ == b.text_; }
    friend bool operator==(const CDuiString& a, std::string_view b) { return a.text_ == b; }
    friend bool operator==(const CDuiString& a, const char* b) {
        return a.text_ == std::string_view(b != nullptr ? b : "");
    }

  private:
    std::string text_;
};

}  // namespace vorn::ui
