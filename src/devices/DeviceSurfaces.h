#pragma once
// What a device page needs from the controls around it that it does not own: the key and
// light buttons of its device picture, its power panel, its light editor and its entry in
// the device selector. Each is a small interface, so the page works with whatever control
// implements it (and tests give it plain stand-ins).
//
// A control of the page's tree offers the first one through GetInterface(kKeyLightInterface).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorn::devices {

// The interface name under which a "DeviceKeyButton" answers IKeyLightTarget.
inline constexpr std::string_view kKeyLightInterface = "DeviceKeyLight";

// One key or light of the device picture. Colours are words of red (bits 0-7), green (8-15)
// and blue (16-23); brightness is 0-255. Neither call repaints by itself.
class IKeyLightTarget {
  public:
    virtual ~IKeyLightTarget() = default;
    // The light preview the button shows.
    virtual void setLightState(std::uint32_t colour, std::uint8_t brightness, bool lit) = 0;
    // The colour of the button face itself.
    virtual void setKeyColour(std::uint32_t colour, std::uint8_t brightness) = 0;
};

// The page's power and battery panel.
class IPowerView {
  public:
    virtual ~IPowerView() = default;
    // Whether the page has a power section at all.
    virtual void showPowerLayout(bool shown) = 0;
    // The device's power block (battery, charging, link and so on) as read.
    virtual void showPowerState(const std::uint8_t* block, std::size_t length) = 0;
};

// The page's light editor control: three values the keyboard keeps there.
class ILightEditorView {
  public:
    virtual ~ILightEditorView() = default;
    virtual void setEditorValues(int a, int b, int c) = 0;
    virtual void editorValues(int& a, int& b, int& c) const = 0;
};

// The page's entry (tile) in the device selector. It hosts the page's timers: a started
// timer falls due once, after which the entry calls the page's onEntryTimer with its id.
class IDeviceEntry {
  public:
    virtual ~IDeviceEntry() = default;
    virtual bool isEntryShown() const = 0;
    virtual bool isEntrySelected() const = 0;
    virtual void hideEntry() = 0;
    // Starting a running timer again restarts its interval.
    virtual bool startEntryTimer(unsigned timerId, unsigned elapseMs) = 0;
    virtual bool stopEntryTimer(unsigned timerId) = 0;
};

}  // namespace vorn::devices
