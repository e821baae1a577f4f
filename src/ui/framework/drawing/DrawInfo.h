#pragma once
// Image strings of the layouts: either a bare file name ("common/logo.png") or key='value'
// pairs separated by blanks: file (or res), restype, dest, source, corner, mask, fade,
// hole, xtiled, ytiled, hsl. TDrawInfo is the parsed form.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/framework/core/UiTypes.h"

namespace vorn::ui {

struct TDrawInfo {
    std::string sDrawString;  // the text as written
    std::string sImageName;   // file (relative to the resource folder) or resource name
    std::string sResType;
    UiRect rcDest;    // within the control; all zero: the whole control
    UiRect rcSource;  // within the image; all zero: the whole image
    UiRect rcCorner;  // nine-patch corners kept unscaled
    UiColor dwMask = 0;
    uint8_t uFade = 255;
    bool bHole = false;
    bool bTiledX = false;
    bool bTiledY = false;
    bool bHSL = false;

    bool IsEmpty() const { return sImageName.empty(); }
    static TDrawInfo Parse(std::string_view drawString);
};

// Width and height of an image file read from its header (PNG, JPEG, BMP, GIF) or, for
// SVG, from its width/height or viewBox. False when the file is missing or unreadable.
bool readImageSize(const std::string& path, int& width, int& height);

}  // namespace vorn::ui
