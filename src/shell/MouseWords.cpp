#include "shell/MouseWords.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <string_view>

#include "devices/keys/MouseKeys.h"
#include "devices/mouse/MouseProfileBlock.h"
#include "platform/text/Text.h"

namespace vorn::shell {
namespace {

constexpr std::array<int, 7> kRatesHz = {125, 250, 500, 1000, 2000, 4000, 8000};
constexpr int kMaxTypedDpi = 999999;  // the page clamps what it is given; more is a typing slip
constexpr int kLightLevels = 5;       // brightness and speed 0-4
constexpr int kKeyCount = static_cast<int>(devices::kMouseLabelledKeyCount);

// A whole decimal number, at most max; none for anything else ("12a", "-1", "").
std::optional<int> wholeNumber(std::string_view text, int max) {
    const std::optional<int> value = platform::parseWholeNumber(text);
    return value && *value <= max ? value : std::nullopt;
}

std::optional<bool> onOff(std::string_view word) {
    if (word == "on") {
        return true;
    }
    if (word == "off") {
        return false;
    }
    return std::nullopt;
}

// The position of value in a table of numbers; none when it is not one of them.
template <std::size_t N, typename T>
std::optional<int> positionOf(const std::array<T, N>& table, int value) {
    const auto* at = std::find(table.begin(), table.end(), static_cast<T>(value));
    return at != table.end() ? std::optional<int>(static_cast<int>(at - table.begin()))
                             : std::nullopt;
}

// "1, 2, 4 ms"; the last value follows lastJoin ("1, 2 or 4 ms" with " or ").
std::string listOf(std::span<const int> values, std::string_view unit,
                   std::string_view lastJoin = ", ") {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += i + 1 == values.size() ? lastJoin : ", ";
        }
        text += std::to_string(values[i]);
    }
    return text + std::string(unit);
}

// The debounce times in milliseconds and the deep-sleep times in minutes, in the mouse's order.
std::vector<int> debounceTimes() {
    return {devices::mouse::kDebounceMs.begin(), devices::mouse::kDebounceMs.end()};
}

std::vector<int> sleepMinutes() {
    std::vector<int> minutes;
    for (std::uint16_t seconds : devices::mouse::kDeepSleepSeconds) {
        minutes.push_back(seconds / 60);
    }
    return minutes;
}

std::optional<std::array<std::uint8_t, 3>> colourOf(std::string_view text) {
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 3> colour{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [end, error] =
            std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, colour[i], 16);
        if (error != std::errc() || end != text.data() + 2 * i + 2) {
            return std::nullopt;
        }
    }
    return colour;
}

// --- The words ---

struct Options {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> named;  // option, value
};

const std::array<std::string_view, 5> kValueOptions = {"--model", "--slot", "--brightness",
                                                       "--speed", "--colour"};

bool splitOptions(const std::vector<std::string>& words, Options& options, bool& help,
                  std::string& error) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string word = words[i];
        if (word == "--help" || word == "-h") {
            help = true;
            continue;
        }
        if (word.size() < 3 || word.rfind("--", 0) != 0) {
            options.positional.push_back(word);
            continue;
        }
        std::string value;
        const std::size_t equals = word.find('=');
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
            word.resize(equals);
        }
        if (word == "--color") {
            word = "--colour";
        }
        if (std::find(kValueOptions.begin(), kValueOptions.end(), word) == kValueOptions.end()) {
            error = "unknown option '" + word + "'";
            return false;
        }
        if (equals == std::string::npos) {
            if (i + 1 >= words.size()) {
                error = word + " needs a value";
                return false;
            }
            value = words[++i];
        }
        options.named.emplace_back(word, value);
    }
    return true;
}

// A command: its word, its number of arguments, and what the usage text says of it (the
// debounce and deep-sleep summaries end in their list of times).
struct VerbRow {
    std::string_view word;
    MouseVerb verb;
    std::size_t arguments;
    std::string_view usage;
    std::string_view summary;
};
constexpr std::array<VerbRow, 13> kVerbs = {{
    {"show", MouseVerb::Show, 0, "show", "every setting of the mouse in words"},
    {"dpi", MouseVerb::Dpi, 2, "dpi STAGE VALUE",
     "the DPI of stage 1-6 (the page keeps it within 50 and the sensor's most)"},
    {"stage", MouseVerb::Stage, 1, "stage STAGE", "make stage 1-6 the active one"},
    {"enable", MouseVerb::Enable, 2, "enable STAGE on|off",
     "use a stage or not (the active stage and the last one in use stay on)"},
    {"rate", MouseVerb::Rate, 1, "rate HZ|POSITION",
     "the polling rate in Hz (125 ... 8000) or as position 0-6"},
    {"liftoff", MouseVerb::LiftOff, 1, "liftoff 1|2", "the lift-off distance in mm"},
    {"motion-sync", MouseVerb::MotionSync, 1, "motion-sync on|off", "motion sync"},
    {"calibration", MouseVerb::Calibration, 1, "calibration on|off", "linear calibration"},
    {"silent", MouseVerb::Silent, 1, "silent 1|2|3", "the silent altitude level"},
    {"debounce", MouseVerb::Debounce, 1, "debounce MS", "the button debounce time: "},
    {"sleep", MouseVerb::Sleep, 1, "sleep off|MINUTES", "deep sleep off, or after "},
    {"key", MouseVerb::Key, 2, "key KEY FUNCTION",
     "what key 1-11 (or its name) does: left, right, middle, back, forward, dpi-up,\n"
     "      dpi-down, dpi-cycle, a media or system function, a keyboard key (a, f5,\n"
     "      ctrl+c), disable or default"},
    {"light", MouseVerb::Light, 1, "light MODE [--brightness 0-4] [--speed 0-4] [--colour RRGGBB]",
     "the light mode by name (static, breathing, wave, off, ...)"},
}};

bool stageNumber(std::string_view word, int& stage, std::string& error) {
    const auto number = wholeNumber(word, 99);
    if (!number || *number < 1 || *number > 6) {
        error = "a stage is 1 to 6, not '" + std::string(word) + "'";
        return false;
    }
    stage = *number - 1;
    return true;
}

bool onOffWord(std::string_view word, bool& on, std::string& error) {
    const auto value = onOff(word);
    if (!value) {
        error = "say on or off, not '" + std::string(word) + "'";
        return false;
    }
    on = *value;
    return true;
}

bool readArguments(const VerbRow& verb, const std::vector<std::string>& args,
                   const EnglishTexts& english, MouseRequest& r, std::string& error) {
    switch (verb.verb) {
        case MouseVerb::Show:
            return true;
        case MouseVerb::Dpi: {
            if (!stageNumber(args[0], r.stage, error)) {
                return false;
            }
            const auto dpi = wholeNumber(args[1], kMaxTypedDpi);
            if (!dpi) {
                error = "a DPI value is a whole number, not '" + args[1] + "'";
                return false;
            }
            r.number = *dpi;
            return true;
        }
        case MouseVerb::Stage:
            return stageNumber(args[0], r.stage, error);
        case MouseVerb::Enable:
            return stageNumber(args[0], r.stage, error) && onOffWord(args[1], r.on, error);
        case MouseVerb::Rate: {
            const auto number = wholeNumber(args[0], 99999);
            const auto position =
                !number ? std::nullopt : (*number <= 6 ? number : positionOf(kRatesHz, *number));
            if (!position) {
                error = "a polling rate is one of " + listOf(kRatesHz, " Hz") +
                        ", or its position 0 to 6, not '" + args[0] + "'";
                return false;
            }
            r.number = *position;
            return true;
        }
        case MouseVerb::LiftOff:
        case MouseVerb::Silent: {
            const int count = verb.verb == MouseVerb::LiftOff ? 2 : 3;
            const auto number = wholeNumber(args[0], 9);
            if (!number || *number < 1 || *number > count) {
                error = verb.verb == MouseVerb::LiftOff
                            ? "the lift-off distance is 1 or 2 (mm), not '" + args[0] + "'"
                            : "the silent altitude is level 1, 2 or 3, not '" + args[0] + "'";
                return false;
            }
            r.number = *number - 1;
            return true;
        }
        case MouseVerb::MotionSync:
        case MouseVerb::Calibration:
            return onOffWord(args[0], r.on, error);
        case MouseVerb::Debounce: {
            const auto ms = wholeNumber(args[0], 999);
            const auto position = ms ? positionOf(devices::mouse::kDebounceMs, *ms) : std::nullopt;
            if (!position) {
                error = "the debounce time is one of " + listOf(debounceTimes(), " ms") +
                        ", not '" + args[0] + "'";
                return false;
            }
            r.number = *position;
            return true;
        }
        case MouseVerb::Sleep: {
            if (args[0] == "off") {
                r.number = -1;
                return true;
            }
            const auto minutes = wholeNumber(args[0], 9999);
            const std::vector<int> times = sleepMinutes();
            const auto at = minutes ? std::find(times.begin(), times.end(), *minutes) : times.end();
            if (at == times.end()) {
                error = "deep sleep is off or after " + listOf(times, " minutes") + ", not '" +
                        args[0] + "'";
                return false;
            }
            r.number = static_cast<int>(at - times.begin()) + 1;
            return true;
        }
        case MouseVerb::Key: {
            const auto number = wholeNumber(args[0], 99);
            const auto key =
                number ? (*number >= 1 && *number <= kKeyCount ? std::optional<int>(*number - 1)
                                                               : std::nullopt)
                       : mouseKeyNamed(args[0], english);
            if (!key) {
                error = "a key is 1 to " + std::to_string(devices::kMouseLabelledKeyCount) +
                        " or its name (see vornctl mouse show), not '" + args[0] + "'";
                return false;
            }
            r.key = *key;
            const auto function = keyFunctionNamed(args[1], english, error);
            if (!function) {
                return false;
            }
            r.function = *function;
            return true;
        }
        case MouseVerb::Light:
            if (!knownLightMode(args[0], english)) {
                error = "unknown light mode '" + args[0] + "'";
                return false;
            }
            r.light.mode = args[0];
            return true;
    }
    return false;
}

bool readOptions(const Options& options, MouseRequest& r, std::string& error) {
    for (const auto& [name, value] : options.named) {
        if (name == "--model") {
            r.model = value;
            continue;
        }
        if (name == "--slot") {
            const auto slot = wholeNumber(value, 0xFFFF);
            if (!slot) {
                error = "--slot needs a slot number, not '" + value + "'";
                return false;
            }
            r.slot = *slot;
            continue;
        }
        if (r.verb != MouseVerb::Light) {
            error = name + " belongs to the light command";
            return false;
        }
        if (name == "--colour") {
            r.light.colour = colourOf(value);
            if (!r.light.colour) {
                error = "a colour is six hexadecimal digits RRGGBB, not '" + value + "'";
                return false;
            }
            continue;
        }
        const auto level = wholeNumber(value, kLightLevels - 1);
        if (!level) {
            error = name + " is 0 to " + std::to_string(kLightLevels - 1) + ", not '" + value + "'";
            return false;
        }
        (name == "--brightness" ? r.light.brightness : r.light.speed) = *level;
    }
    if (!r.model.empty() && r.slot) {
        error = "--model and --slot exclude each other";
        return false;
    }
    return true;
}

}  // namespace

int pollingRateHz(int position) {
    return position >= 0 && position < static_cast<int>(kRatesHz.size())
               ? kRatesHz[static_cast<std::size_t>(position)]
               : 0;
}

bool parseMouseWords(const std::vector<std::string>& words, MouseRequest& request,
                     std::string& error) {
    request = {};
    Options options;
    if (!splitOptions(words, options, request.help, error)) {
        return false;
    }
    if (request.help || (!options.positional.empty() && options.positional[0] == "help")) {
        request.help = true;
        return true;
    }
    if (options.positional.empty()) {
        error = "say what to do (show, dpi, stage, enable, rate, ...)";
        return false;
    }
    const std::string& word = options.positional[0];
    const auto* verb = std::find_if(kVerbs.begin(), kVerbs.end(),
                                    [&](const VerbRow& row) { return row.word == word; });
    if (verb == kVerbs.end()) {
        error = "unknown command '" + word + "'";
        return false;
    }
    request.verb = verb->verb;
    const std::vector<std::string> args(options.positional.begin() + 1, options.positional.end());
    if (args.size() != verb->arguments) {
        error = "usage: vornctl mouse " + std::string(verb->usage);
        return false;
    }
    const EnglishTexts english;
    return readArguments(*verb, args, english, request, error) &&
           readOptions(options, request, error);
}

std::string mouseUsageText() {
    std::string text =
        "Usage: vornctl mouse COMMAND [--model MODEL | --slot N] [--sim SCENARIO] [--trace]\n"
        "\n"
        "Commands (each changes one setting of the mouse page, stores it into the selected\n"
        "profile and writes the mouse, as the page does):\n";
    for (const VerbRow& verb : kVerbs) {
        std::string summary(verb.summary);
        if (verb.verb == MouseVerb::Debounce) {
            summary += listOf(debounceTimes(), " ms", " or ");
        } else if (verb.verb == MouseVerb::Sleep) {
            summary += listOf(sleepMinutes(), " minutes", " or ");
        }
        text += "  " + std::string(verb.usage) + "\n      " + summary + "\n";
    }
    text +=
        "\n"
        "--model MODEL or --slot N choose the mouse (its tile is selected first); otherwise\n"
        "the mouse the window shows. When vorn runs, it does the work (without --sim);\n"
        "otherwise vornctl opens the mouse itself.\n";
    return text;
}

}  // namespace vorn::shell
