#pragma once
// The light-mode list of a model, from "default_light.json" in the default data folder:
// "DefaultLightName"[set] lists the modes (display name, shown or hidden, and the code the
// device understands for the mode), "AreaLightName"[set] the names of the light areas. A
// mode index is a position in that list; the device speaks in codes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn::devices::mouse {

inline constexpr char kLightNameFileName[] = "default_light.json";
// Mode indexes the mouse can be sent; a higher index goes out as the first mode's code.
inline constexpr int kAddressableLightModes = 12;

struct LightModeRow {
    std::string name;       // "LightName": a language key
    bool visible = false;   // "visible": listed but hidden when false
    std::uint8_t code = 0;  // "value": the device's code for the mode

    friend bool operator==(const LightModeRow&, const LightModeRow&) = default;
};

struct LightNames {
    std::vector<LightModeRow> modes;  // "DefaultLightName"[set]
    std::vector<std::string> areas;   // "AreaLightName"[set], their "LightName"s

    friend bool operator==(const LightNames&, const LightNames&) = default;
};

// The lists of light name set `set` in the file at path; empty lists for a missing or
// damaged file or a set the file does not have.
LightNames readLightNames(const std::string& path, int set);

// The code sent for mode index `mode`: the row's code; the first row's code for an index of
// kAddressableLightModes or more, a negative one, or one past the list. Without any row the
// index itself goes out, as a code not in the list is taken back unchanged.
std::uint8_t lightModeCode(const LightNames& names, int mode);

// The mode index of a code read from the device: the first of the addressable rows with that
// code; none when no such row has it.
std::optional<std::uint8_t> lightModeIndex(const LightNames& names, std::uint8_t code);

}  // namespace vorn::devices::mouse
