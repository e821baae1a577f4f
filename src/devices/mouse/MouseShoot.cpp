#include "devices/mouse/MouseShoot.h"

#include <vector>

#include "devices/mouse/MouseResults.h"
#include "devices/mouse/MouseSession.h"
#include "macros/ShootFiles.h"
#include "protocol/Commands.h"

namespace vorn::devices::mouse {

ShootImage buildShootImage(const std::string& folder) {
    std::vector<std::vector<macros::MacroEvent>> guns;
    for (int gun = 0; gun < macros::kShootGunCount; ++gun) {
        guns.push_back(macros::readShootEvents(folder, gun));
    }
    return buildDeviceMacroImage(guns);
}

int downloadShootData(protocol::CommandChannel& channel, const std::string& folder) {
    protocol::DeviceInfo info;
    if (!readInfoFirst(channel, info)) {
        return kMouseFailed;
    }
    const ShootImage image = buildShootImage(folder);
    if (image.empty()) {
        return kMouseFailed;
    }
    const bool sent =
        writeInSession(channel, [&] { return protocol::WriteShootData(channel, image); });
    return sent ? kMouseOk : kMouseFailed;
}

}  // namespace vorn::devices::mouse
