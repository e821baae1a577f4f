#pragma once
// Drawing helpers shared by controls that paint themselves: image strings resolved against
// the resource folder and the manager's scale, frames and text in the manager's fonts.

#include <string_view>

#include "ui/framework/core/UiTypes.h"
#include "ui/framework/drawing/DrawInfo.h"
#include "ui/framework/drawing/Painter.h"

namespace vorn::ui {

class CPaintManagerUI;

class CRenderEngine {
  public:
    // Draws an image string over rcItem (clipped to rcPaint). `modify` adds or overrides
    // key='value' pairs. With tint set, the image is drawn in `tintColor` at `brightness`
    // (0-255). False when the string names no image or the image cannot be loaded.
    static bool DrawImageString(IPainter& painter, CPaintManagerUI* manager, const UiRect& rcItem,
                                const UiRect& rcPaint, std::string_view image,
                                std::string_view modify = {}, UiColor tintColor = 0,
                                int brightness = 255, bool tint = false);
    // Draws already parsed draw information.
    static bool DrawImage(IPainter& painter, CPaintManagerUI* manager, const UiRect& rcItem,
                          const UiRect& rcPaint, const TDrawInfo& info, UiColor tintColor = 0,
                          int brightness = 255, bool tint = false);
    static void DrawColor(IPainter& painter, const UiRect& rc, UiColor color);
    static void DrawGradient(IPainter& painter, const UiRect& rc, UiColor from, UiColor to,
                             bool vertical);
    static void DrawLine(IPainter& painter, const UiRect& rc, int size, UiColor color);
    static void DrawRect(IPainter& painter, const UiRect& rc, int size, UiColor color);
    static void DrawRoundRect(IPainter& painter, const UiRect& rc, int size, int radius,
                              UiColor color);
    static void DrawText(IPainter& painter, CPaintManagerUI* manager, const UiRect& rc,
                         std::string_view text, UiColor color, int font, unsigned style);
    // Text with simple markup (<b>, <i>, <u>, <c #AARRGGBB>, <n> line break): the tags are
    // honoured as far as one font per call allows and are never drawn as text.
    static void DrawHtmlText(IPainter& painter, CPaintManagerUI* manager, const UiRect& rc,
                             std::string_view text, UiColor color, unsigned style);
    // The text of markup without its tags (<n> becomes a line break).
    static std::string StripHtml(std::string_view text);
};

}  // namespace vorn::ui
