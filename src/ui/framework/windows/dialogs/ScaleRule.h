#pragma once
// The scale rule every window of the system shares: a window accepts 48, 72, 96, 120, 144,
// 168 or 192 DPI (50 % to 200 % in steps of 25 %); any other request writes the window's
// error text to the debug output and uses 96.

#include <string_view>

namespace vorn::ui {

bool isAcceptedScale(int dpi);

// The scale to use for a request: the request when accepted, else 96 (after the error
// text is written).
int checkedScale(int requested, std::string_view errorText);

// Applies a request to a window whose scale is `current`: the checked value is ignored when
// it equals `current`; otherwise it becomes current and every paint manager takes it.
// True when the scale changed.
bool applyWindowScale(int requested, int& current, std::string_view errorText);

}  // namespace vorn::ui
