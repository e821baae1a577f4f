#pragma once
// CDeviceKeyButtonUI: one key or one light of a device picture. Besides the button's own
// images it shows a light image tinted in the light's colour while lit, and the key-set and
// key-unset marks while they are not hidden. The selection panel picks it by dragging, and
// a double click raises "dbclick".

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/controls/KeyLightTarget.h"
#include "ui/framework/controls/Button.h"

namespace vorn::ui {

class CDeviceKeyButtonUI : public CButtonUI, public IKeyLightTarget {
  public:
    static constexpr std::string_view kClassName = "DeviceKeyButton";

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsSelfDrawn() const override { return true; }

    // The light as the device page composes it: the colour word holds red in its low byte,
    // then green and blue; brightness 0-255. Stored only; the page repaints.
    void setLightState(uint32_t colourWord, std::uint8_t brightness, bool lit) override;
    // The button face's own colour (kept for the page; the face is drawn from its images).
    void setKeyColour(uint32_t colourWord, std::uint8_t brightness) override;
    uint32_t keyColour() const { return keyColour_; }
    std::uint8_t keyBrightness() const { return keyBrightness_; }
    uint32_t lightColour() const { return lightColour_; }
    int brightness() const { return brightness_; }
    bool isLit() const { return lit_; }

    // Flags of the two key marks (non-zero hides the mark) and the page's key mark (not
    // drawn). Each repaints only when it changes.
    void setKeySetHidden(int flag);
    void setKeyUnsetHidden(int flag);
    void setKeyMark(int flag);
    int keySetHidden() const { return keySetHidden_; }
    int keyUnsetHidden() const { return keyUnsetHidden_; }
    int keyMark() const { return keyMark_; }

    // Set by the selection panel; no repaint.
    void setPicked(int flag) { picked_ = flag; }
    int isPicked() const { return picked_; }

    const std::string& lightImage() const { return lightImage_; }
    const std::string& keySetImage() const { return keySetImage_; }
    const std::string& keyUnsetImage() const { return keyUnsetImage_; }

    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintStatusImage(IPainter& painter) override;

    // The colour of a light word as the painter takes it (opaque 0xAARRGGBB).
    static UiColor tintOf(uint32_t colourWord);

  private:
    bool setFlag(int& field, int flag);

    std::string lightImage_;
    std::string keySetImage_;
    std::string keyUnsetImage_;
    bool lit_ = false;
    uint32_t lightColour_ = 255;
    uint32_t keyColour_ = 0xFFFFFF;
    std::uint8_t keyBrightness_ = 255;
    int brightness_ = 200;
    int keySetHidden_ = 1;
    int keyUnsetHidden_ = 1;
    int keyMark_ = 0;
    int picked_ = 0;
};

}  // namespace vorn::ui
