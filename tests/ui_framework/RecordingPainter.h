#pragma once
// An IPainter that writes down what it is asked to draw, one line per call.

#include <string>
#include <vector>

#include "platform/text/Text.h"
#include "ui/framework/drawing/Painter.h"

namespace vorn::test {

class RecordingPainter : public ui::IPainter {
  public:
    void fillRect(const ui::UiRect& r, ui::UiColor c) override { add("fill", r, c); }
    void fillGradient(const ui::UiRect& r, ui::UiColor a, ui::UiColor, bool) override {
        add("gradient", r, a);
    }
    void drawRect(const ui::UiRect& r, int w, ui::UiColor c, int radius) override {
        add("frame", r, c, platform::formatText(" w%d r%d", w, radius));
    }
    void fillRoundRect(const ui::UiRect& r, int radius, ui::UiColor c) override {
        add("round", r, c, platform::formatText(" r%d", radius));
    }
    void drawLine(ui::UiPoint a, ui::UiPoint b, int, ui::UiColor c) override {
        add("line", {a.x, a.y, b.x, b.y}, c);
    }
    void fillEllipse(const ui::UiRect& r, ui::UiColor c) override { add("ellipse", r, c); }
    void fillPie(const ui::UiRect& r, int start, int sweep, ui::UiColor c) override {
        add("pie", r, c, platform::formatText(" %d+%d", start, sweep));
    }
    void drawText(const ui::UiRect& r, std::string_view text, ui::UiColor c, const ui::TFontInfo& f,
                  unsigned) override {
        add("text", r, c,
            platform::formatText(" '%.*s' %d%s%s%s", static_cast<int>(text.size()), text.data(),
                                 f.iSize, f.bBold ? " bold" : "", f.bItalic ? " italic" : "",
                                 f.bUnderline ? " underline" : ""));
    }
    ui::UiSize measureText(std::string_view text, const ui::TFontInfo& f, int) override {
        return {static_cast<int>(text.size()) * f.iSize / 2, f.iSize};
    }
    bool drawImage(const std::string& path, const ui::UiRect& dest,
                   const ui::TDrawInfo& info) override {
        add("image", dest, 0,
            platform::formatText(" %s", baseName(path).c_str()) +
                (info.uFade != 255 ? platform::formatText(" fade %d", info.uFade) : ""));
        return true;
    }
    bool drawTintedImage(const std::string& path, const ui::UiRect& dest, const ui::TDrawInfo&,
                         ui::UiColor tint, int brightness) override {
        add("tinted", dest, tint,
            platform::formatText(" %s %d", baseName(path).c_str(), brightness));
        return true;
    }
    void pushClip(const ui::UiRect&) override {}
    void popClip() override {}

    bool has(const std::string& fragment) const {
        for (const auto& c : calls) {
            if (c.find(fragment) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
    std::vector<std::string> calls;

  private:
    static std::string baseName(const std::string& path) {
        size_t slash = path.rfind('/');
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }
    void add(const char* what, const ui::UiRect& r, ui::UiColor c, const std::string& extra = {}) {
        calls.push_back(platform::formatText("%s %d,%d,%d,%d #%08X", what, r.left, r.top, r.right,
                                             r.bottom, c) +
                        extra);
    }
};

}  // namespace vorn::test
