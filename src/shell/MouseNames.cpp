#include "shell/MouseNames.h"

#include <algorithm>
#include <span>

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyCodeTables.h"
#include "devices/keys/KeyPageModel.h"
#include "devices/keys/KeySetControlUI.h"
#include "devices/keys/MouseKeys.h"
#include "platform/paths/Paths.h"
#include "platform/text/Text.h"

namespace vorn::shell {
namespace {

using devices::KeyCodeRow;

// Blanks, '-', '_' and ',' set aside, letters in lower case: "Left button" reads as
// "left-button", "Breathing, four colours" as "breathing-four-colours".
std::string plainName(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '_' || c == ',') {
            continue;
        }
        plain += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return plain;
}

int rowNamed(std::span<const KeyCodeRow> rows, std::string_view key) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The short words of the functions a mouse key most often gets.
struct FunctionWord {
    std::string_view word;
    int function;
    std::span<const KeyCodeRow> rows;
    std::string_view rowKey;
};
const std::array<FunctionWord, 8> kFunctionWords = {{
    {"left", devices::kFunctionMouseButton, devices::kMouseButtonRows, "mouse_key_left"},
    {"right", devices::kFunctionMouseButton, devices::kMouseButtonRows, "mouse_key_right"},
    {"middle", devices::kFunctionMouseButton, devices::kMouseButtonRows, "mouse_key_middle"},
    {"back", devices::kFunctionMouseButton, devices::kMouseButtonRows, "mouse_key_back"},
    {"forward", devices::kFunctionMouseButton, devices::kMouseButtonRows, "mouse_key_forward"},
    {"dpi-up", devices::kFunctionDpi, devices::kDpiRows, "mouse_key_DPI_add"},
    {"dpi-down", devices::kFunctionDpi, devices::kDpiRows, "mouse_key_DPI_sub"},
    {"dpi-cycle", devices::kFunctionDpi, devices::kDpiRows, "mouse_key_DPI_loop"},
}};

// The shortcut texts carry their keys in brackets ("Copy (Ctrl+C)"): the name is before them.
std::string_view withoutBrackets(std::string_view text) {
    const std::size_t bracket = text.find(" (");
    return bracket == std::string_view::npos ? text : text.substr(0, bracket);
}

struct ModifierWord {
    std::string_view word;
    int option;
};
constexpr std::array<ModifierWord, 5> kModifierWords = {
    {{"ctrl", 1}, {"shift", 2}, {"alt", 3}, {"win", 4}, {"super", 4}}};

std::optional<int> modifierOption(std::string_view word) {
    for (const ModifierWord& m : kModifierWords) {
        if (platform::equalsIgnoreCase(word, m.word)) {
            return m.option;
        }
    }
    return std::nullopt;
}

// A key the key page can take by capture: keyboard rows after the modifiers with a scan code.
int keyboardRow(std::string_view word, const EnglishTexts& english) {
    for (std::size_t row = devices::kModifierRowCount; row < devices::kKeyCaptureRowCount; ++row) {
        if (devices::kKeyboardRows[row].code.kind == devices::kKindKeyboard &&
            sameName(word, english(devices::kKeyboardRows[row].name))) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

// "a", "f5", "ctrl+c", "shift" (the modifier alone).
bool keyboardChoice(std::string_view words, const EnglishTexts& english, KeyFunctionChoice& choice,
                    std::string& error) {
    std::vector<std::string> parts(1);
    for (char c : words) {
        if (c == '+') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    // A key named with its '+' ("num+", "ctrl+num+").
    if (parts.size() >= 2 && parts.back().empty()) {
        parts.pop_back();
        parts.back() += '+';
    }
    choice = {devices::kFunctionKeyboard, -1, 0, -1};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        if (const auto modifier = modifierOption(parts[i])) {
            if (choice.modifier != 0) {
                error = "the key page takes one modifier (Ctrl, Shift, Alt or Win) with a key";
                return false;
            }
            choice.modifier = *modifier;
            continue;
        }
        if (!last) {
            return false;
        }
        choice.keyboardRow = keyboardRow(parts[i], english);
        if (choice.keyboardRow < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

EnglishTexts::EnglishTexts() : texts_(platform::readEnglishTexts()) {}

std::string_view EnglishTexts::operator()(std::string_view key) const {
    const auto found = texts_.find(key);
    return found != texts_.end() ? std::string_view(found->second) : key;
}

bool sameName(std::string_view typed, std::string_view text) {
    if (platform::equalsIgnoreCase(typed, text)) {
        return true;
    }
    const std::string plain = plainName(typed);
    return !plain.empty() && plain == plainName(text);
}

std::optional<int> mouseKeyNamed(std::string_view word, const EnglishTexts& english) {
    for (std::size_t i = 0; i < devices::kMouseLabelledKeyCount; ++i) {
        if (sameName(word, english(devices::mouseKeyLabel(i)))) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<KeyFunctionChoice> keyFunctionNamed(std::string_view word,
                                                  const EnglishTexts& english, std::string& error) {
    if (platform::equalsIgnoreCase(word, "default")) {
        return KeyFunctionChoice{};
    }
    if (platform::equalsIgnoreCase(word, "disable")) {
        return KeyFunctionChoice{devices::kFunctionKeyboard, -1, 0, -1};
    }
    for (const FunctionWord& f : kFunctionWords) {
        if (sameName(word, f.word)) {
            return KeyFunctionChoice{f.function, rowNamed(f.rows, f.rowKey), 0, -1};
        }
    }
    // The key page's lists, whose rows are named by their texts.
    for (const devices::FunctionTable& list : devices::kFunctionTables) {
        for (std::size_t row = 0; row < list.rows.size(); ++row) {
            if (sameName(word, withoutBrackets(english(list.rows[row].name)))) {
                return KeyFunctionChoice{list.function, static_cast<int>(row), 0, -1};
            }
        }
    }
    KeyFunctionChoice choice;
    if (keyboardChoice(word, english, choice, error)) {
        return choice;
    }
    if (error.empty()) {
        error = "unknown function '" + std::string(word) +
                "' (left, right, middle, back, forward, dpi-up, dpi-down, dpi-cycle, a media "
                "or system function, a keyboard key such as a, f5 or ctrl+c, disable, default)";
    }
    return std::nullopt;
}

int lightModeNamed(const devices::mouse::LightNames& names, std::string_view typed,
                   const EnglishTexts& english) {
    const std::size_t addressable = std::min<std::size_t>(
        names.modes.size(), static_cast<std::size_t>(devices::mouse::kAddressableLightModes));
    for (std::size_t i = 0; i < addressable; ++i) {
        if (names.modes[i].visible && sameName(typed, english(names.modes[i].name))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool knownLightMode(std::string_view word, const EnglishTexts& english) {
    const std::string file = platform::defaultDataFolder() + devices::mouse::kLightNameFileName;
    for (int set = 0;; ++set) {
        const devices::mouse::LightNames names = devices::mouse::readLightNames(file, set);
        if (names.modes.empty()) {
            return false;
        }
        if (lightModeNamed(names, word, english) >= 0) {
            return true;
        }
    }
}

}  // namespace vorn::shell
