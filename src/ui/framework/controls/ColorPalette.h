#pragma once
// CColorPaletteUI: picks a colour on a hue/saturation plane with a brightness bar below.
// Releasing the mouse after picking raises "colorchanged" (wParam: the colour).

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

class CColorPaletteUI : public CControlUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsActiveControl() const override { return true; }

    // Selected colour, opaque 0xFFRRGGBB.
    UiColor GetSelectColor() const;
    // Moves the marks to the colour; no notification.
    void SetSelectColor(UiColor color);
    // A colour chosen by the user: selects it and raises "colorchanged".
    void PickColor(UiColor color);

    int GetPalletHeight() const;  // scaled
    void SetPalletHeight(int height);
    int GetBarHeight() const;  // scaled
    void SetBarHeight(int height);
    UiRect GetPalletRect() const;
    UiRect GetBarRect() const;
    // Hue 0-359, saturation and brightness 0-100 of the selection.
    int GetHue() const { return hue_; }
    int GetSaturation() const { return saturation_; }
    int GetBrightness() const { return brightness_; }

    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintStatusImage(IPainter& painter) override;

    static UiColor HsbToColor(int hue, int saturation, int brightness);
    static void ColorToHsb(UiColor color, int& hue, int& saturation, int& brightness);

  private:
    void pickAt(UiPoint point);

    int hue_ = 0;
    int saturation_ = 100;
    int brightness_ = 100;
    int palletHeight_ = 0;  // 0: everything above the bar
    int barHeight_ = 14;
    enum class Drag { None, Pallet, Bar } drag_ = Drag::None;
};

}  // namespace vorn::ui
