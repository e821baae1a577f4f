#pragma once
// The key info list of a device page and the labels of its key buttons: every key with the
// name of what it does, in the texts of the current language.

#include <span>
#include <string>
#include <string_view>

#include "profiles/records/KeyAssignment.h"

namespace vorn::ui {
class CContainerUI;
class CControlUI;
}  // namespace vorn::ui

namespace vorn::devices {

// One row per key record, in order: the text of the key's label (keyLabels[i], a language
// key; none past its end) in white and the name of the key's current assignment in blue,
// cut with an ellipsis. Rows already there are reused, missing ones added, surplus removed.
void showKeyInfoList(ui::CContainerUI& list, std::span<const std::string> keyLabels,
                     std::span<const profiles::KeyRecord> records,
                     std::span<const std::string> macroNames);

// A key button shows the text of its label; its tooltip adds the assignment's name on a
// second line.
void showKeyButton(ui::CControlUI& button, std::string_view keyLabel,
                   const profiles::KeyAssignment& code, std::span<const std::string> macroNames);

// The name of light mode `modeIndex`: entry index of the light-mode names, or entry
// index - 12 of the area light names from 12 on; empty when there is no such entry.
std::string lightModeName(std::span<const std::string> lightNames,
                          std::span<const std::string> areaLightNames, int modeIndex);

// The logo button of a mouse page: text "Logo", tooltip "Light_Set", a line break, then
// "Overall_Light_Set" and the light mode's name (each a language key or a text).
void showLogoButton(ui::CControlUI& logo, std::string_view modeName);

}  // namespace vorn::devices
