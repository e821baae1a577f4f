#include "ui/framework/controls/ColorPalette.h"

#include <algorithm>
#include <cmath>

#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

std::string CColorPaletteUI::GetClass() const {
    return "ColorPaletteUI";
}

void* CColorPaletteUI::GetInterface(std::string_view name) {
    return name == "ColorPalette" ? this : CControlUI::GetInterface(name);
}

UiColor CColorPaletteUI::HsbToColor(int hue, int saturation, int brightness) {
    double h = ((hue % 360) + 360) % 360 / 60.0;
    double s = std::clamp(saturation, 0, 100) / 100.0;
    double v = std::clamp(brightness, 0, 100) / 100.0;
    int sector = static_cast<int>(h);
    double f = h - sector;
    double p = v * (1 - s);
    double q = v * (1 - s * f);
    double t = v * (1 - s * (1 - f));
    double r = v, g = t, b = p;
    switch (sector) {
        case 1:
            r = q;
            g = v;
            b = p;
            break;
        case 2:
            r = p;
            g = v;
            b = t;
            break;
        case 3:
            r = p;
            g = q;
            b = v;
            break;
        case 4:
            r = t;
            g = p;
            b = v;
            break;
        case 5:
            r = v;
            g = p;
            b = q;
            break;
        default:
            break;
    }
    auto byte = [](double x) { return static_cast<UiColor>(std::lround(x * 255)); };
    return 0xFF000000u | (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

void CColorPaletteUI::ColorToHsb(UiColor color, int& hue, int& saturation, int& brightness) {
    double r = ((color >> 16) & 0xFF) / 255.0;
    double g = ((color >> 8) & 0xFF) / 255.0;
    double b = (color & 0xFF) / 255.0;
    double mx = std::max({r, g, b});
    double mn = std::min({r, g, b});
    double d = mx - mn;
    double h = 0;
    if (d > 0) {
        if (mx == r) {
            h = 60 * std::fmod((g - b) / d, 6.0);
        } else if (mx == g) {
            h = 60 * ((b - r) / d + 2);
        } else {
            h = 60 * ((r - g) / d + 4);
        }
    }
    if (h < 0) {
        h += 360;
    }
    hue = static_cast<int>(std::lround(h)) % 360;
    saturation = mx > 0 ? static_cast<int>(std::lround(d / mx * 100)) : 0;
    brightness = static_cast<int>(std::lround(mx * 100));
}

UiColor CColorPaletteUI::GetSelectColor() const {
    return HsbToColor(hue_, saturation_, brightness_);
}

void CColorPaletteUI::SetSelectColor(UiColor color) {
    int h = 0, s = 0, b = 0;
    ColorToHsb(color, h, s, b);
    // A grey keeps the hue it had; black keeps hue and saturation.
    if (b > 0) {
        if (s > 0) {
            hue_ = h;
        }
        saturation_ = s;
    }
    brightness_ = b;
    NotifyChanged(CHANGE_VALUE);
}

void CColorPaletteUI::PickColor(UiColor color) {
    SetSelectColor(color);
    if (manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_COLORCHANGED, GetSelectColor(), 0);
    }
}

int CColorPaletteUI::GetPalletHeight() const {
    return Scale(palletHeight_);
}

void CColorPaletteUI::SetPalletHeight(int height) {
    palletHeight_ = height;
    NotifyChanged(CHANGE_STYLE);
}

int CColorPaletteUI::GetBarHeight() const {
    return Scale(barHeight_);
}

void CColorPaletteUI::SetBarHeight(int height) {
    barHeight_ = height;
    NotifyChanged(CHANGE_STYLE);
}

UiRect CColorPaletteUI::GetPalletRect() const {
    UiRect rc = GetPos();
    int gap = Scale(6);
    int pallet = GetPalletHeight() > 0 ? GetPalletHeight() : rc.height() - GetBarHeight() - gap;
    return {rc.left, rc.top, rc.right, rc.top + std::max(0, pallet)};
}

UiRect CColorPaletteUI::GetBarRect() const {
    UiRect rc = GetPos();
    return {rc.left, std::max(rc.top, rc.bottom - GetBarHeight()), rc.right, rc.bottom};
}

void CColorPaletteUI::pickAt(UiPoint p) {
    if (drag_ == Drag::Pallet) {
        UiRect r = GetPalletRect();
        int w = std::max(1, r.width() - 1);
        int h = std::max(1, r.height() - 1);
        hue_ = std::clamp((p.x - r.left) * 359 / w, 0, 359);
        saturation_ = 100 - std::clamp((p.y - r.top) * 100 / h, 0, 100);
    } else if (drag_ == Drag::Bar) {
        UiRect r = GetBarRect();
        int w = std::max(1, r.width() - 1);
        brightness_ = std::clamp((p.x - r.left) * 100 / w, 0, 100);
    }
    NotifyChanged(CHANGE_VALUE);
}

void CColorPaletteUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
            if (!IsEnabled()) {
                return;
            }
            if (GetPalletRect().contains(event.ptMouse)) {
                drag_ = Drag::Pallet;
            } else if (GetBarRect().contains(event.ptMouse)) {
                drag_ = Drag::Bar;
            } else {
                return;
            }
            pickAt(event.ptMouse);
            return;
        case UIEVENT_MOUSEMOVE:
            if (drag_ != Drag::None) {
                pickAt(event.ptMouse);
            }
            return;
        case UIEVENT_BUTTONUP:
            if (drag_ != Drag::None) {
                pickAt(event.ptMouse);
                drag_ = Drag::None;
                if (manager_ != nullptr) {
                    manager_->SendNotify(this, DUI_MSGTYPE_COLORCHANGED, GetSelectColor(), 0);
                }
            }
            return;
        default:
            break;
    }
    CControlUI::DoEvent(event);
}

void CColorPaletteUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "palletheight") {
        SetPalletHeight(parseInt(value));
    } else if (name == "barheight") {
        SetBarHeight(parseInt(value, 14));
    } else if (name == "selectcolor" || name == "color") {
        SetSelectColor(parseColor(value));
    }
    CControlUI::SetAttribute(name, value);
}

void CColorPaletteUI::PaintStatusImage(IPainter& painter) {
    UiRect pallet = GetPalletRect();
    const int strip = std::max(1, Scale(3));
    for (int x = pallet.left; x < pallet.right; x += strip) {
        int hue = (x - pallet.left) * 359 / std::max(1, pallet.width() - 1);
        UiRect column{x, pallet.top, std::min(x + strip, pallet.right), pallet.bottom};
        painter.fillGradient(column, HsbToColor(hue, 100, brightness_),
                             HsbToColor(hue, 0, brightness_), true);
    }
    UiRect bar = GetBarRect();
    painter.fillGradient(bar, 0xFF000000u, HsbToColor(hue_, saturation_, 100), false);

    // Marks: a ring on the plane, a bar on the brightness strip.
    int r = Scale(5);
    int mx = pallet.left + hue_ * std::max(1, pallet.width() - 1) / 359;
    int my = pallet.top + (100 - saturation_) * std::max(1, pallet.height() - 1) / 100;
    painter.drawRect({mx - r, my - r, mx + r, my + r}, Scale(2), 0xFFFFFFFFu, r);
    int bx = bar.left + brightness_ * std::max(1, bar.width() - 1) / 100;
    painter.drawRect({bx - Scale(2), bar.top - Scale(2), bx + Scale(2), bar.bottom + Scale(2)},
                     Scale(1), 0xFFFFFFFFu, 0);
}

}  // namespace vorn::ui
