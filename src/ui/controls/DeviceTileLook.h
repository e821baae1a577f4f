#pragma once
// The pictures and tooltip of a device selector tile by device kind: an image base that the
// tile completes with "normal.png", "selected.png", "synchro_normal.png" and
// "synchro_selected.png", and the language key of the tooltip.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vorn::ui {

struct DeviceTileLook {
    int kind;
    int variant;  // -1: any variant
    std::string_view imageBase;
    std::string_view tooltipKey;
};

inline constexpr std::array<DeviceTileLook, 8> kDeviceTileLooks = {{
    {1, -1, "common/device_ico/kb_device_", "kb_device_name_text"},
    {2, -1, "common/device_ico/ms_device_", "ms_device_name_text"},
    {10, -1, "common/device_ico/ms_device_", "ms_device_name_text"},
    {3, 0, "common/device_ico/hard_mp_device_", "hard_mp_device_name_text"},
    {3, 1, "common/device_ico/soft_mp_device_", "soft_mp_device_name_text"},
    {4, -1, "common/device_ico/hd_device_", "hd_device_name_text"},
    {7, -1, "common/device_ico/hd_device_", "hd_device_name_text"},
    {5, -1, "common/device_ico/hub_device_", "hub_device_name_text"},
}};
inline constexpr DeviceTileLook kUnknownTileLook = {0, -1, "common/device_ico/unknow_device_",
                                                    "unknow_device_name_text"};
inline constexpr int kMousePadKind = 3;

// The look of a kind and variant; none for a mouse pad of a variant without a row (the
// tile then stays as it is), the unknown look for a kind without a row.
std::optional<DeviceTileLook> deviceTileLookOf(int kind, int variant);

// The four pictures of a tile (image base + state).
struct DeviceTileImages {
    std::string normal;
    std::string selected;
    std::string synchroNormal;
    std::string synchroSelected;
};
DeviceTileImages deviceTileImagesOf(std::string_view imageBase);

}  // namespace vorn::ui
