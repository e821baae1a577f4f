#include "ui/framework/drawing/RenderEngine.h"

#include <algorithm>

#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

bool CRenderEngine::DrawImage(IPainter& painter, CPaintManagerUI* manager, const UiRect& rcItem,
                              const UiRect& rcPaint, const TDrawInfo& info, UiColor tintColor,
                              int brightness, bool tint) {
    if (info.IsEmpty()) {
        return false;
    }
    UiRect dest = rcItem;
    const UiRect& d = info.rcDest;
    if (d.left != 0 || d.top != 0 || d.right != 0 || d.bottom != 0) {
        UiRect s = manager != nullptr ? manager->GetDPIObj()->Scale(d) : d;
        dest = {rcItem.left + s.left, rcItem.top + s.top, rcItem.left + s.right,
                rcItem.top + s.bottom};
        dest.right = std::min(dest.right, rcItem.right);
        dest.bottom = std::min(dest.bottom, rcItem.bottom);
    }
    if (dest.isEmpty() || (!dest.intersects(rcPaint) && !dest.intersects(rcItem))) {
        return false;
    }
    std::string path = CPaintManagerUI::ResolveResourcePath(info.sImageName);
    TDrawInfo scaled = info;
    if (manager != nullptr) {
        scaled.rcCorner = manager->GetDPIObj()->Scale(info.rcCorner);
    }
    if (tint) {
        return painter.drawTintedImage(path, dest, scaled, tintColor, brightness);
    }
    return painter.drawImage(path, dest, scaled);
}

bool CRenderEngine::DrawImageString(IPainter& painter, CPaintManagerUI* manager,
                                    const UiRect& rcItem, const UiRect& rcPaint,
                                    std::string_view image, std::string_view modify,
                                    UiColor tintColor, int brightness, bool tint) {
    TDrawInfo info;
    if (manager != nullptr) {
        info = manager->GetDrawInfo(image, modify);
    } else {
        std::string text(image);
        if (!modify.empty()) {
            if (text.find('=') == std::string::npos) {
                text = "file='" + text + "'";
            }
            text += " ";
            text += modify;
        }
        info = TDrawInfo::Parse(text);
    }
    return DrawImage(painter, manager, rcItem, rcPaint, info, tintColor, brightness, tint);
}

void CRenderEngine::DrawColor(IPainter& painter, const UiRect& rc, UiColor color) {
    if ((color >> 24) != 0) {
        painter.fillRect(rc, color);
    }
}

void CRenderEngine::DrawGradient(IPainter& painter, const UiRect& rc, UiColor from, UiColor to,
                                 bool vertical) {
    painter.fillGradient(rc, from, to, vertical);
}

void CRenderEngine::DrawLine(IPainter& painter, const UiRect& rc, int size, UiColor color) {
    painter.drawLine({rc.left, rc.top}, {rc.right, rc.bottom}, size, color);
}

void CRenderEngine::DrawRect(IPainter& painter, const UiRect& rc, int size, UiColor color) {
    painter.drawRect(rc, size, color, 0);
}

void CRenderEngine::DrawRoundRect(IPainter& painter, const UiRect& rc, int size, int radius,
                                  UiColor color) {
    painter.drawRect(rc, size, color, radius);
}

void CRenderEngine::DrawText(IPainter& painter, CPaintManagerUI* manager, const UiRect& rc,
                             std::string_view text, UiColor color, int font, unsigned style) {
    if (text.empty()) {
        return;
    }
    TFontInfo f = manager != nullptr ? manager->GetFontInfo(font) : TFontInfo{};
    if (manager != nullptr) {
        f.iSize = manager->GetDPIObj()->Scale(f.iSize);
    }
    painter.drawText(rc, text, color, f, style);
}

std::string CRenderEngine::StripHtml(std::string_view text) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '<' || text[i] == '{') {
            char close = text[i] == '<' ? '>' : '}';
            size_t end = text.find(close, i);
            if (end != std::string_view::npos) {
                std::string_view tag = text.substr(i + 1, end - i - 1);
                if (tag == "n") {
                    out.push_back('\n');
                }
                i = end + 1;
                continue;
            }
        }
        out.push_back(text[i++]);
    }
    return out;
}

void CRenderEngine::DrawHtmlText(IPainter& painter, CPaintManagerUI* manager, const UiRect& rc,
                                 std::string_view text, UiColor color, unsigned style) {
    TFontInfo f = manager != nullptr ? manager->GetDefaultFontInfo() : TFontInfo{};
    // One style per call: the first <b>/<i>/<u>/<c> tags decide the look of the whole text.
    if (text.find("<b>") != std::string_view::npos) {
        f.bBold = true;
    }
    if (text.find("<i>") != std::string_view::npos) {
        f.bItalic = true;
    }
    if (text.find("<u>") != std::string_view::npos) {
        f.bUnderline = true;
    }
    size_t c = text.find("<c ");
    if (c != std::string_view::npos) {
        size_t end = text.find('>', c);
        if (end != std::string_view::npos) {
            color = parseColor(text.substr(c + 3, end - c - 3));
        }
    }
    if (manager != nullptr) {
        f.iSize = manager->GetDPIObj()->Scale(f.iSize);
    }
    painter.drawText(rc, StripHtml(text), color, f, style);
}

}  // namespace vorn::ui
