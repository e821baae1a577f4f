#pragma once
// One event of a macro or shoot file ("Events" element): a key, modifier or mouse button
// pressed or released, or a pointer move, followed by a delay.

#include <json/json.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vorn::macros {

// "Type" values.
inline constexpr int kEventMouseButton = 1;
inline constexpr int kEventMoveHorizontal = 4;
inline constexpr int kEventMoveVertical = 5;
inline constexpr int kEventModifier = 9;
inline constexpr int kEventKey = 10;

struct MacroEvent {
    bool down = false;        // "Action" is "down" (press; move left or up)
    std::int32_t type = 0;    // "Type"
    std::int32_t button = 0;  // "Button": usage, modifier bit, button bit or distance
    std::uint32_t delay = 0;  // "Delay" in milliseconds, after this event

    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

// The event an "Events" element describes. "Delay" is read as a decimal number whether it
// is stored as text (macro files) or as a number (shoot files, editor rows); text that is
// no number, and negative values, read as 0. "Action" is compared without regard to case.
MacroEvent readMacroEvent(const Json::Value& element);

// The "Events" of a macro or shoot document, in file order; empty when there are none.
std::vector<MacroEvent> readMacroEvents(const Json::Value& document);

// The events of the file at path: a missing, empty or damaged file has none.
std::vector<MacroEvent> readMacroEventFile(const std::string& path);

}  // namespace vorn::macros
