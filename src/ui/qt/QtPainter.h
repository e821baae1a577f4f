#pragma once
// IPainter on a QPainter: colours, frames, pies, text in the skin's fonts, and image files
// (PNG/JPEG/BMP/GIF, SVG rendered at the size drawn) with source windows, nine-patch
// corners, fading, tiling and tinting.

#include <QPainter>

#include <vector>

#include "ui/framework/drawing/Painter.h"

namespace vorn::ui::qt {

QColor toQColor(UiColor color);
QRect toQRect(const UiRect& rect);
// The Qt font for a skin font (size in pixels).
QFont toQFont(const TFontInfo& font);

class QtPainter final : public IPainter {
  public:
    explicit QtPainter(QPainter& painter);

    void fillRect(const UiRect& rect, UiColor color) override;
    void fillGradient(const UiRect& rect, UiColor from, UiColor to, bool vertical) override;
    void drawRect(const UiRect& rect, int width, UiColor color, int radius) override;
    void fillRoundRect(const UiRect& rect, int radius, UiColor color) override;
    void drawLine(UiPoint from, UiPoint to, int width, UiColor color) override;
    void fillEllipse(const UiRect& bounds, UiColor color) override;
    void fillPie(const UiRect& bounds, int startDegrees, int sweepDegrees, UiColor color) override;
    void drawText(const UiRect& rect, std::string_view text, UiColor color, const TFontInfo& font,
                  unsigned format) override;
    UiSize measureText(std::string_view text, const TFontInfo& font, int maxWidth) override;
    bool drawImage(const std::string& path, const UiRect& dest, const TDrawInfo& info) override;
    bool drawTintedImage(const std::string& path, const UiRect& dest, const TDrawInfo& info,
                         UiColor tint, int brightness) override;
    void pushClip(const UiRect& rect) override;
    void popClip() override;

  private:
    QPainter& p_;
    int depth_ = 0;
};

// The image of a file at a size (SVG rendered at that size; others loaded once and cached).
// Null when the file cannot be read.
QImage loadImage(const std::string& path, QSize size = {});
// The part of an image a draw information selects (source window, mask colour).
QImage selectSource(const QImage& image, const TDrawInfo& info);
// Forgets cached images (after a scale change).
void clearImageCache();

}  // namespace vorn::ui::qt
