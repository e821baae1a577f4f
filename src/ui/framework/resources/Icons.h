#pragma once
// Window and tray icons by resource number: each number names an image of the skin.

#include <string>
#include <string_view>

namespace vorn::ui {

// The program icon's resource number.
inline constexpr unsigned kAppIconId = 107;

void registerIconFile(unsigned resourceId, std::string_view skinFile);
// The image of a resource number, as a path below the resource folder ("common/app_icon.svg"
// when the number is not registered).
std::string iconFile(unsigned resourceId);

}  // namespace vorn::ui
