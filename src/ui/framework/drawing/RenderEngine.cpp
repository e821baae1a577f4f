#include "ui/framework/drawing/RenderEngine.h"

#include <algorithm>
#include <vector>

#include "ui/framework/drawing/Markup.h"
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
    return markupPlainText(text);
}

void CRenderEngine::DrawHtmlText(IPainter& painter, CPaintManagerUI* manager, const UiRect& rc,
                                 std::string_view text, UiColor color, unsigned style) {
    TFontInfo base = manager != nullptr ? manager->GetDefaultFontInfo() : TFontInfo{};
    if (manager != nullptr) {
        base.iSize = manager->GetDPIObj()->Scale(base.iSize);
    }
    // Runs are laid out one after the other; <n> starts a new line. Lines keep the
    // control's alignment, the block its vertical alignment.
    struct Piece {
        const TTextRun* run;
        TFontInfo font;
        UiSize size;
    };
    struct Line {
        std::vector<Piece> pieces;
        int width = 0;
        int height = 0;
    };
    std::vector<TTextRun> runs = parseMarkup(text);
    std::vector<Line> lines(1);
    for (const TTextRun& run : runs) {
        Piece piece{&run, base, {}};
        piece.font.bBold = base.bBold || run.bold;
        piece.font.bItalic = base.bItalic || run.italic;
        piece.font.bUnderline = base.bUnderline || run.underline;
        piece.size = painter.measureText(run.text.empty() ? "Ag" : run.text, piece.font, 0);
        Line& line = lines.back();
        if (!run.text.empty()) {
            line.width += piece.size.cx;
            line.pieces.push_back(piece);
        }
        line.height = std::max(line.height, piece.size.cy);
        if (run.lineBreak) {
            lines.emplace_back();
        }
    }
    int total = 0;
    for (Line& line : lines) {
        if (line.height == 0) {
            line.height = painter.measureText("Ag", base, 0).cy;
        }
        total += line.height;
    }
    int y = rc.top;
    if ((style & DT_VCENTER) != 0) {
        y = rc.top + (rc.height() - total) / 2;
    } else if ((style & DT_BOTTOM) != 0) {
        y = rc.bottom - total;
    }
    painter.pushClip(rc);
    for (const Line& line : lines) {
        int x = rc.left;
        if ((style & DT_CENTER) != 0) {
            x = rc.left + (rc.width() - line.width) / 2;
        } else if ((style & DT_RIGHT) != 0) {
            x = rc.right - line.width;
        }
        for (const Piece& p : line.pieces) {
            UiRect r{x, y, x + p.size.cx, y + line.height};
            painter.drawText(r, p.run->text, p.run->color != 0 ? p.run->color : color, p.font,
                             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            x += p.size.cx;
        }
        y += line.height;
    }
    painter.popClip();
}

}  // namespace vorn::ui
