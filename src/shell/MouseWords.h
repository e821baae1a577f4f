#pragma once
// The words of "vornctl mouse": what a person asks of the mouse page, read and checked
// without a window, so that a command that cannot be understood is refused before anything
// is built or sent. Keys, functions and light modes are named as MouseNames.h says.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/MouseNames.h"

namespace vorn::shell {

enum class MouseVerb {
    Show,
    Dpi,          // stage, number: the typed DPI
    Stage,        // stage
    Enable,       // stage, on
    Rate,         // number: the polling-rate position 0-6
    LiftOff,      // number: option 0 (1 mm) or 1 (2 mm)
    MotionSync,   // on
    Calibration,  // on
    Silent,       // number: option 0-2
    Debounce,     // number: position 0-5 of the debounce times
    Sleep,        // number: -1 no deep sleep, else the sleep time 1-6
    Key,          // key, function
    Light,        // light
};

struct LightChoice {
    std::string mode;  // as typed; the page's own mode list names it
    std::optional<int> brightness;
    std::optional<int> speed;
    std::optional<std::array<std::uint8_t, 3>> colour;
};

struct MouseRequest {
    MouseVerb verb = MouseVerb::Show;
    int stage = 0;  // 0-5 (the person says 1-6)
    int number = 0;
    bool on = false;
    int key = 0;  // 0-10 (the person says 1-11)
    KeyFunctionChoice function;
    LightChoice light;
    std::string model;        // --model; empty: the current mouse
    std::optional<int> slot;  // --slot: the mouse whose device claims that catalogue slot
    bool help = false;        // "help" or --help: only the usage is wanted
};

// Reads the words after "mouse". False with a sentence naming what was wrong.
bool parseMouseWords(const std::vector<std::string>& words, MouseRequest& request,
                     std::string& error);

// The usage text: every command with its arguments (lines end with '\n').
std::string mouseUsageText();

// The polling rate of a position (0 125 Hz ... 6 8000 Hz); 0 outside 0-6.
int pollingRateHz(int position);

}  // namespace vorn::shell
