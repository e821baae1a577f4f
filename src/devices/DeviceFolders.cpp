// The folders of a device: the factory data beside the program and the user's data folder
// named after the device.

#include "devices/TessarinUSBDevice.h"
#include "platform/paths/Paths.h"
#include "profiles/PlainName.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::devices {

std::string CTessarinUSBDevice::defaultDataFolder() const {
    return ui::CPaintManagerUI::GetInstancePath() + "DefaultData" + "/";
}

std::string CTessarinUSBDevice::defaultProfilePath() const {
    return defaultDataFolder() + profiles::PlainName(displayName_) + ".Json";
}

std::string CTessarinUSBDevice::deviceDataFolder() const {
    // The display name comes from the catalogue; reducing it to a plain name still keeps a
    // folder name with a separator (or "..") from reaching outside the user folder.
    const std::string name = profiles::PlainName(displayName_);
    if (name.empty()) {
        return platform::userFolder();
    }
    return platform::deviceDataFolder(name);
}

}  // namespace vorn::devices
