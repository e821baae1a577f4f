#pragma once
// The four recoil ("shoot") sequences of a mouse: gun g is the file "ShootData_" + g +
// ".Shoot" in the device data folder (a factory copy of the same name lies in the default
// data folder), written in the macro event format with six events per bullet.

#include <string>
#include <vector>

#include "macros/MacroEvent.h"

namespace vorn::macros {

inline constexpr int kShootGunCount = 4;
inline constexpr int kShootBulletCount = 30;
inline constexpr int kShootEventsPerBullet = 6;

// folder + "ShootData_" + gun + ".Shoot"; folder ends with a separator.
std::string shootFilePath(const std::string& folder, int gun);

// The events of gun g's file in folder; none for a missing, empty or damaged file.
std::vector<MacroEvent> readShootEvents(const std::string& folder, int gun);

}  // namespace vorn::macros
