#include "ui/framework/resources/Icons.h"

#include <map>

#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {
namespace {

std::map<unsigned, std::string>& icons() {
    static std::map<unsigned, std::string> map;
    return map;
}

}  // namespace

void registerIconFile(unsigned resourceId, std::string_view skinFile) {
    icons()[resourceId] = std::string(skinFile);
}

std::string iconFile(unsigned resourceId) {
    auto it = icons().find(resourceId);
    return CPaintManagerUI::ResolveResourcePath(it != icons().end() ? it->second
                                                                    : "common/app_icon.svg");
}

}  // namespace vorn::ui
