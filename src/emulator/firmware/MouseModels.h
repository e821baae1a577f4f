#pragma once
// The T4 family as the emulator builds it: one row per model with what its firmware reports
// about itself and where its factory key table puts each button.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vorn::emulator {

// One 3-byte key assignment as the key tables store it: kind, parameter 1, parameter 2.
using KeyCode = std::array<uint8_t, 3>;

// The twelve factory codes of a mouse's logical keys, in logical order: forward, left,
// middle, right, back, DPI up, DPI down, DPI cycle, polling-rate cycle, GM key, DPI shift,
// rapid fire.
constexpr size_t kMouseFactoryCodeCount = 12;
extern const std::array<KeyCode, kMouseFactoryCodeCount> kMouseFactoryCodes;

struct MouseModel {
    const char* token;          // scenario name, e.g. "t4ultra"
    const char* productString;  // HID product string on the cable and the own receiver
    uint8_t modelCode;          // how a receiver names the model (DeviceInfo byte 7)
    uint16_t sensorId;          // DeviceInfo bytes 9-10
    uint8_t keySlots;           // DeviceInfo byte 5; key tables hold 3 bytes per slot
    uint8_t macroUnits;         // DeviceInfo byte 6; macro memory in 128-byte units
    uint8_t lightCount;         // individually coloured lights
    uint16_t firmwareVersion;   // USB version number and DeviceInfo bytes 3-4
    // Key slot that holds factory code j (j in kMouseFactoryCodes order); slots that no code
    // names hold zeros.
    std::array<uint8_t, kMouseFactoryCodeCount> factorySlots;
};

const std::vector<MouseModel>& mouseModels();
// The row whose token matches (ignoring case), or null.
const MouseModel* findMouseModel(std::string_view token);

}  // namespace vorn::emulator
