#include "ui/controls/DeviceTileLook.h"

namespace vorn::ui {

std::optional<DeviceTileLook> deviceTileLookOf(int kind, int variant) {
    for (const DeviceTileLook& look : kDeviceTileLooks) {
        if (look.kind == kind && (look.variant == -1 || look.variant == variant)) {
            return look;
        }
    }
    if (kind == kMousePadKind) {
        return std::nullopt;
    }
    return kUnknownTileLook;
}

DeviceTileImages deviceTileImagesOf(std::string_view imageBase) {
    std::string base(imageBase);
    return {base + "normal.png", base + "selected.png", base + "synchro_normal.png",
            base + "synchro_selected.png"};
}

}  // namespace vorn::ui
