#pragma once
// What an assignment is called: the key info list, the key buttons' tooltips and the labels
// of a mouse's logical keys name every code by its kind, from the code tables.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/records/KeyAssignment.h"

namespace vorn::devices {

// The display name of an assignment: language keys, shown as their texts joined with "+";
// or, with no keys, a plain text (a macro's own name, or the word for an unknown kind);
// both empty: no name.
struct AssignmentName {
    std::vector<std::string> keys;
    std::string plain;

    bool empty() const { return keys.empty() && plain.empty(); }
    friend bool operator==(const AssignmentName&, const AssignmentName&) = default;
};

// The language key shown for a kind no table knows: the word for a key that does nothing,
// in the user's language.
inline constexpr std::string_view kUnknownKindKey = "close_text";

// The name of `code`; macroNames are the names of "macro.config" in list order.
AssignmentName assignmentName(const profiles::KeyAssignment& code,
                              std::span<const std::string> macroNames);

// The texts of the current language: the keys' texts joined with "+", else the plain text.
std::string displayText(const AssignmentName& name);
// The current language's text of one language key.
std::string languageText(std::string_view key);

}  // namespace vorn::devices
