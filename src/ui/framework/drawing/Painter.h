#pragma once
// The drawing surface of controls that paint themselves. The Qt realisation implements it on
// QPainter; tests can record calls. Coordinates are window-client pixels.

#include <string>
#include <string_view>

#include "ui/framework/core/UiTypes.h"
#include "ui/framework/drawing/DrawInfo.h"

namespace vorn::ui {

// Text layout flags (combinable).
inline constexpr unsigned DT_LEFT = 0x0000;
inline constexpr unsigned DT_CENTER = 0x0001;
inline constexpr unsigned DT_RIGHT = 0x0002;
inline constexpr unsigned DT_VCENTER = 0x0004;
inline constexpr unsigned DT_BOTTOM = 0x0008;
inline constexpr unsigned DT_WORDBREAK = 0x0010;
inline constexpr unsigned DT_SINGLELINE = 0x0020;
inline constexpr unsigned DT_NOPREFIX = 0x0800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

struct TFontInfo {
    std::string sFontName;
    int iSize = 13;  // pixels at 96 DPI
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    friend bool operator==(const TFontInfo&, const TFontInfo&) = default;
};

class IPainter {
  public:
    virtual ~IPainter() = default;

    virtual void fillRect(const UiRect& rect, UiColor color) = 0;
    virtual void fillGradient(const UiRect& rect, UiColor from, UiColor to, bool vertical) = 0;
    // A frame of the given width inside the rectangle; rounded when radius > 0.
    virtual void drawRect(const UiRect& rect, int width, UiColor color, int radius) = 0;
    virtual void fillRoundRect(const UiRect& rect, int radius, UiColor color) = 0;
    virtual void drawLine(UiPoint from, UiPoint to, int width, UiColor color) = 0;
    virtual void fillEllipse(const UiRect& bounds, UiColor color) = 0;
    // A pie of the ellipse inscribed in bounds. Angles in degrees, clockwise from the
    // positive x axis (90 is straight down).
    virtual void fillPie(const UiRect& bounds, int startDegrees, int sweepDegrees,
                         UiColor color) = 0;
    virtual void drawText(const UiRect& rect, std::string_view text, UiColor color,
                          const TFontInfo& font, unsigned format) = 0;
    virtual UiSize measureText(std::string_view text, const TFontInfo& font, int maxWidth) = 0;
    // Draws (part of) an image file into dest, honouring source, corner, fade, tiling and
    // hole of the draw information. False when the image cannot be loaded.
    virtual bool drawImage(const std::string& path, const UiRect& dest, const TDrawInfo& info) = 0;
    // Draws the image with its colours replaced by `tint` (keeping the image's alpha),
    // at a brightness of 0 (black) to 255 (the tint itself).
    virtual bool drawTintedImage(const std::string& path, const UiRect& dest, const TDrawInfo& info,
                                 UiColor tint, int brightness) = 0;
    virtual void pushClip(const UiRect& rect) = 0;
    virtual void popClip() = 0;
};

}  // namespace vorn::ui
