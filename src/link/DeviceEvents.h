#pragma once
// What the event reports of a device mean, and the thread that reads them. The event code of
// a report is the first usage of its first item; the family of the device and the listener
// the report arrived on decide what becomes of it.

#include <cstdint>
#include <functional>

#include "hid/HidTransport.h"
#include "platform/sync/Event.h"

namespace vorn::link {

enum class DeviceFamily { Mouse, Keyboard, MousePad, Headset };

// Which of a device's event listeners a report came through.
struct EventListenerKind {
    bool cable = true;    // the mouse's cable event collection (else its 2.4 GHz one)
    bool typeOne = true;  // a keyboard's event collection of type 1 (else its other link)
};

struct EventAction {
    enum class Kind {
        Ignore,
        Reload,           // the page re-reads the device: timer 1002 after delayMs
        PreviewReaction,  // the mouse's preview reaction
        KeyboardLight,    // value with selector 1 or 2, to the keyboard page
        FamilyEvent,      // to the family's event handler (codes 0x10xx and 0x11xx act)
    };
    Kind kind = Kind::Ignore;
    int delayMs = 0;
    int selector = 0;
    int value = 0;
};

inline constexpr std::uint16_t kEventReload = 0x401;
inline constexpr std::uint16_t kEventReloadToo = 0x402;
inline constexpr std::uint16_t kEventPreviewReaction = 0x403;

EventAction classifyDeviceEvent(std::uint16_t code, DeviceFamily family,
                                EventListenerKind listener);

// The event thread of one event transport: reads reports without time-out while the
// transport is open, hands each report's code to onCode, and ends when stop is set (whoever
// sets it closes or aborts the transport so that a waiting read returns). While the
// transport is closed, or after a failed read, it waits on stop instead of spinning.
void runEventListener(hid::HidTransport& transport, platform::Event& stop,
                      const std::function<void(std::uint16_t)>& onCode, bool mouseOrKeyboardThread);

}  // namespace vorn::link
