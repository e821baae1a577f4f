#pragma once
// One HID top-level collection the program is willing to open: a row of the slot table
// as it lives in the main window's slot list, plus the run-time binding (linked, path).

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::catalogue {

// Device kind codes. The link code dispatches on them, so codes no catalogue row carries
// (mouse pad, headset) stay valid values.
enum class DeviceType : std::uint16_t {
    Keyboard = 1,
    KeyboardOtherLink = 9,  // a keyboard on its other link (slots 2-3 pair with 0-1)
    Mouse = 2,              // mouse on the cable link
    MouseOwnReceiver = 6,   // mouse on its own 2.4 GHz link; its page comes from its cable slot
    MousePad = 3,
    Headset = 7,
    Receiver = 10,  // 2.4 GHz receiver: no page of its own, it reports the paired mouse
};

// Which collection of a device a slot stands for.
enum class SlotRole : std::uint16_t {
    Command = 0,  // vendor collection 4 (usage page 0xFF1C, usage 0x0092): commands go here
    Event = 255,  // consumer collection 3 (usage page 0x000C, usage 0x0001): event reports
};

// Short readable names for listings and diagnostics ("mouse", "event", ...).
std::string_view deviceTypeName(DeviceType type);
std::string_view slotRoleName(SlotRole role);

// Receiver model code of a slot whose model the receiver cannot report.
inline constexpr std::uint16_t kModelNotReportable = 100;

struct DeviceSlot {
    std::uint16_t vendorId = 0;  // 0 only in rows that never bind
    std::uint16_t productId = 0;
    std::uint16_t interfaceNumber = 0;   // "&mi_" number of the device path
    std::uint16_t collectionNumber = 0;  // "&col" number of the device path
    DeviceType deviceType = DeviceType::Keyboard;
    SlotRole role = SlotRole::Command;
    std::uint16_t linked = 0;  // 1 while a device is bound to the slot
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t alternateSlotFlag = 0;   // 1 when the device has a slot on its other link
    std::uint16_t alternateSlotIndex = 0;  // that slot; an index past the list names none
    std::string devicePath;                // path of the bound collection; empty when free
    std::string productString;             // HID product string, compared ignoring case
    std::uint16_t pairedModelCode = kModelNotReportable;
};

// Same vendor/product id, interface, collection, type, role, usage page and usage, and
// product strings equal ignoring case. Binding state, alternate and model code don't count.
bool sameIdentity(const DeviceSlot& a, const DeviceSlot& b);

}  // namespace vorn::catalogue
