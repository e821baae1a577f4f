#pragma once
// Plain value types of the control tree (points, sizes, rectangles, colours) and the parsers
// for their layout-file spellings ("10,20", "0,0,100,30", "#FF202020", "true").

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorn::ui {

// Colours are 32-bit words 0xAARRGGBB; an alpha of 0 means "no colour".
using UiColor = uint32_t;

struct UiPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const UiPoint&, const UiPoint&) = default;
};

struct UiSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const UiSize&, const UiSize&) = default;
};

struct UiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(UiPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    UiPoint center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    void offset(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    // Shrinks by the four values of another rectangle used as margins.
    UiRect deflated(const UiRect& m) const {
        return {left + m.left, top + m.top, right - m.right, bottom - m.bottom};
    }
    // The common part, or an empty rectangle.
    UiRect intersected(const UiRect& o) const;
    bool intersects(const UiRect& o) const { return !intersected(o).isEmpty(); }
    friend bool operator==(const UiRect&, const UiRect&) = default;
};

// Reads "a,b,..." as integers; missing or malformed parts read as 0. Blanks are allowed.
std::vector<int> parseIntList(std::string_view text);
UiRect parseRect(std::string_view text);
UiSize parseSize(std::string_view text);
UiPoint parsePoint(std::string_view text);
int parseInt(std::string_view text, int fallback = 0);
// "true" (any case) and "1" are true; everything else false.
bool parseBool(std::string_view text);
// "#AARRGGBB", "#RRGGBB" (opaque), "0xAARRGGBB" or decimal. Malformed text gives 0.
UiColor parseColor(std::string_view text);
std::string formatColor(UiColor color);

// Splits an attribute list `name="value" other='x'` into pairs, in order. Values keep
// their inner quotes of the other kind, so image strings survive.
std::vector<std::pair<std::string, std::string>> parseAttributeList(std::string_view text);

}  // namespace vorn::ui
