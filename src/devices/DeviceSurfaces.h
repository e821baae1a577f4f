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

#include "ui/controls/KeyLightTarget.h"

namespace vorn::devices {

using ui::IKeyLightTarget;
using ui::kKeyLightInterface;

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
