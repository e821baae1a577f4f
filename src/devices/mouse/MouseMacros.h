#pragma once
// The macros a mouse's keys refer to, and their download. A macro key names a macro by its
// position in the model's macro list; on the device it names the macro's record in the
// macro image, which holds only the macros some key uses, in the order the keys first refer
// to them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "devices/mouse/ButtonSlotMap.h"
#include "devices/mouse/DeviceMacroImage.h"
#include "profiles/records/KeyAssignment.h"
#include "protocol/CommandChannel.h"

namespace vorn::devices::mouse {

inline constexpr std::uint8_t kKindMacro = 0x70;
inline constexpr std::uint8_t kKindMacroRepeated = 0x71;

constexpr bool isMacroKind(std::uint8_t kind) {
    return kind == kKindMacro || kind == kKindMacroRepeated;
}

// The macro indexes the keys refer to, each once, in the order of first reference: keys in
// index order up to the size of the slot map; keys whose slot is noSlot are skipped, as are
// macro indexes at or beyond macroCount (they name no macro).
std::vector<int> collectMacroList(std::span<const profiles::KeyRecord> keys,
                                  std::span<const std::uint8_t> slotMap, std::uint8_t noSlot,
                                  int macroCount);

// collectMacroList for the mouse's buttons (no slot: 0xAA).
std::vector<int> GetMacroList(std::span<const profiles::KeyRecord> keys, const ButtonSlotMap& map,
                              int macroCount);

// The image of the listed macros of folder's macro list, checked against the device's macro
// memory.
struct MacroImagePlan {
    enum class Outcome {
        Ready,          // image holds the macros and fits
        NothingToSend,  // the macro list is empty, missing or damaged
        TooLarge,       // eventsTooMany events must go first
        Unsendable,     // larger than any image can describe
    };
    Outcome outcome = Outcome::NothingToSend;
    DeviceMacroImage image;
    int eventsTooMany = 0;
};

// Macro k of the index list is record k; an index the macro list does not have, and a macro
// whose file is missing or damaged, give a record without events.
MacroImagePlan planMacroImage(const std::string& folder, std::span<const int> macroIndexes,
                              std::size_t memory);

// Downloads the macros (WriteMacroData, 0x15, from offset 0) after reading the macro memory
// size from the device. Results: kMacrosDone when sent, or when the macro list is empty or
// unreadable (nothing is sent); a positive count of events too many (nothing is sent);
// kMacrosFailed when the channel is closed, the mouse cannot be reached, or a command fails.
int WriteMacros(protocol::CommandChannel& channel, const std::string& folder,
                std::span<const int> macroIndexes);

}  // namespace vorn::devices::mouse
