#include "macros/ShootFiles.h"

namespace vorn::macros {

std::string shootFilePath(const std::string& folder, int gun) {
    return folder + "ShootData_" + std::to_string(gun) + ".Shoot";
}

std::vector<MacroEvent> readShootEvents(const std::string& folder, int gun) {
    return readMacroEventFile(shootFilePath(folder, gun));
}

}  // namespace vorn::macros
