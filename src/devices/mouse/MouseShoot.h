#pragma once
// The four recoil ("shoot") sequences as the mouse takes them: an image of the macro image's
// layout with one record per gun file.

#include <string>

#include "devices/mouse/DeviceMacroImage.h"
#include "protocol/CommandChannel.h"

namespace vorn::devices::mouse {

using ShootImage = DeviceMacroImage;

// The image of the gun files "ShootData_0.Shoot" ... "ShootData_3.Shoot" of folder; a
// missing or damaged file gives a record without events. Empty when the files are too large
// for an image.
ShootImage buildShootImage(const std::string& folder);

// Reads DeviceInfo, then sends the image of folder's gun files with WriteShootData (0x17) in
// 56-byte chunks in one session. Result kMouseOk, or kMouseFailed when the channel is
// closed, the mouse cannot be reached, the image cannot be built or a command fails (the
// mouse refuses an image larger than its shoot memory).
int downloadShootData(protocol::CommandChannel& channel, const std::string& folder);

}  // namespace vorn::devices::mouse
