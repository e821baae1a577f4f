#pragma once
// The key page's rules without its controls: the state of the page's fields, the
// assignment they build, and the fields an assignment shows. The page control reads its
// combos, edits and options into KeyPageFields and writes them back.

#include <string_view>

#include "platform/text/Text.h"
#include "profiles/records/KeyAssignment.h"

namespace vorn::devices {

// The page functions: the user data of the items of "keyset_function_combo", and the item
// of "function_switch_tablayout" that holds the function's sub-page.
inline constexpr int kFunctionDefault = 0;
inline constexpr int kFunctionMouseButton = 1;
inline constexpr int kFunctionPointer = 2;
inline constexpr int kFunctionWheel = 3;
inline constexpr int kFunctionDpi = 4;
inline constexpr int kFunctionRapidFire = 5;
inline constexpr int kFunctionKeyboard = 6;
inline constexpr int kFunctionConsumer = 7;
inline constexpr int kFunctionSystem = 8;
inline constexpr int kFunctionMacro = 9;
inline constexpr int kFunctionShoot = 10;
inline constexpr int kFunctionShortcut = 11;
inline constexpr int kFunctionCount = 12;

// The play mode that repeats a macro a typed number of times.
inline constexpr int kMacroModeRepeat = 4;
inline constexpr int kMacroModeCount = 5;
inline constexpr int kShootCount = 4;
inline constexpr int kModifierOptionCount = 5;  // none, Ctrl, Shift, Alt, Win
// The smallest rapid-fire interval.
inline constexpr int kMinFireInterval = 10;

// Pointer movement or wheel scrolling: the direction list and the three edits.
struct MotionFields {
    int direction = -1;  // item of the direction list; -1 none selected
    int delay = 0;
    int speed = 0;
    int count = 0;
    friend bool operator==(const MotionFields&, const MotionFields&) = default;
};

// Combo positions are -1 when nothing is selected; edits hold the integers typed.
struct KeyPageFields {
    int function = -1;  // -1: no function (the page's editing part is hidden)
    int mouseButton = -1;
    MotionFields pointer;
    MotionFields wheel;
    int dpi = -1;
    int fireInterval = 0;
    int fireCount = 0;
    int modifierOption = -1;  // "key_ComBox_check_" n
    int keyboardRow = -1;     // the keyboard row the key edit names; -1 when it is empty
    int consumer = -1;
    int system = -1;
    int macro = -1;
    int macroMode = -1;
    int macroRepeat = 0;
    bool macroRepeatShown = false;  // "keyset_macro_cycle_layout"
    int shoot = -1;
    int shortcut = -1;
    friend bool operator==(const KeyPageFields&, const KeyPageFields&) = default;
};

// The assignment the fields build for a key whose assignment is `current` and whose factory
// assignment is `factory`; macroCount is the number of listed macros. A rapid-fire interval
// below the minimum is raised in `fields` as well (the edit shows it).
profiles::KeyAssignment buildFromFields(KeyPageFields& fields,
                                        const profiles::KeyAssignment& current,
                                        const profiles::KeyAssignment& factory, int macroCount);

// The function that shows `code` (-1: none) and the fields of its sub-page, written into
// `fields`; fields of other sub-pages keep their values.
void showInFields(const profiles::KeyAssignment& code, const profiles::KeyAssignment& factory,
                  int macroCount, KeyPageFields& fields);

// A typed integer (the text layer's reading, as every typed field reads).
using platform::parseTypedInteger;

}  // namespace vorn::devices
