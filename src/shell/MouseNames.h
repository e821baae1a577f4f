#pragma once
// What a person names the mouse page's keys, functions and light modes by: the English texts
// the page shows, ignoring case, blanks, '-', '_' and ',' ("left-button" for "Left button",
// "volume-up" for "Volume up"), and a few short words ("left", "dpi-up", "ctrl+c").

#include <optional>
#include <string>
#include <string_view>

#include "devices/mouse/LightModeNames.h"
#include "platform/text/LanguageFile.h"

namespace vorn::shell {

// The skin's English language file, read once.
class EnglishTexts {
  public:
    EnglishTexts();
    // The text of a language key; the key itself when the file has none.
    std::string_view operator()(std::string_view key) const;

  private:
    platform::LanguageTexts texts_;
};

// What a key is to do, as the key page chooses it: the page function ("keyset_function_combo"
// item), the row of the function's list, or for a keyboard key the modifier option and the
// keyboard row.
struct KeyFunctionChoice {
    int function = 0;      // 0 the key's own function (default)
    int row = -1;          // mouse button, DPI, media, system or shortcut list position
    int modifier = 0;      // keyboard: 0 none, 1 Ctrl, 2 Shift, 3 Alt, 4 Win
    int keyboardRow = -1;  // keyboard: the key; -1 none (the key does nothing, or the
                           // modifier alone)

    friend bool operator==(const KeyFunctionChoice&, const KeyFunctionChoice&) = default;
};

// A name as typed and a text the page shows name the same thing.
bool sameName(std::string_view typed, std::string_view text);

// The logical key (0-10) a label names ("right-button").
std::optional<int> mouseKeyNamed(std::string_view word, const EnglishTexts& english);

// The function a word names: "default", "disable", a mouse button, a DPI function, a media,
// system or shortcut function by its text, or a keyboard key with at most one modifier
// ("a", "f5", "ctrl+c", "shift"). None with a sentence when the word names none.
std::optional<KeyFunctionChoice> keyFunctionNamed(std::string_view word,
                                                  const EnglishTexts& english, std::string& error);

// The position in a mode list of the shown mode a person names; -1 when none is so named.
int lightModeNamed(const devices::mouse::LightNames& names, std::string_view typed,
                   const EnglishTexts& english);
// Whether the word names a shown mode of one of the mode lists of "default_light.json".
bool knownLightMode(std::string_view word, const EnglishTexts& english);

}  // namespace vorn::shell
