#include "emulator/firmware/MouseModels.h"

#include "platform/text/Text.h"

namespace vorn::emulator {

const std::array<KeyCode, kMouseFactoryCodeCount> kMouseFactoryCodes = {{
    {0x10, 0x10, 0x00},  // forward
    {0x10, 0x01, 0x00},  // left
    {0x10, 0x04, 0x00},  // middle
    {0x10, 0x02, 0x00},  // right
    {0x10, 0x08, 0x00},  // back
    {0x13, 0x01, 0x00},  // DPI up
    {0x13, 0x02, 0x00},  // DPI down
    {0x13, 0x03, 0x00},  // DPI cycle
    {0x15, 0x03, 0x00},  // polling-rate cycle
    {0xA0, 0x1B, 0x00},  // GM key
    {0x16, 0x90, 0x01},  // DPI shift
    {0x14, 0x78, 0x02},  // rapid fire
}};

const std::vector<MouseModel>& mouseModels() {
    // Each model lays its buttons out in its own slot order; the larger models have spare
    // slots that stay zero.
    static const std::vector<MouseModel> models = {
        {"t4", "VORN-T4", 1, 0x3395, 12, 16, 15, 0x0112, {4, 0, 2, 1, 3, 5, 6, 7, 8, 9, 10, 11}},
        {"t4pro",
         "VORN-T4Pro",
         0,
         0x3395,
         12,
         16,
         15,
         0x0120,
         {3, 0, 2, 1, 4, 6, 7, 5, 9, 8, 11, 10}},
        {"t4ultra",
         "VORN-T4Ultra",
         2,
         0x3950,
         16,
         32,
         15,
         0x0203,
         {4, 0, 2, 1, 3, 8, 9, 7, 12, 10, 5, 6}},
        {"t4max",
         "VORN-T4Max",
         11,
         0x3950,
         16,
         32,
         15,
         0x0301,
         {5, 0, 1, 2, 6, 10, 11, 9, 3, 12, 13, 14}},
    };
    return models;
}

const MouseModel* findMouseModel(std::string_view token) {
    for (const MouseModel& model : mouseModels()) {
        if (platform::equalsIgnoreCase(model.token, token)) {
            return &model;
        }
    }
    return nullptr;
}

}  // namespace vorn::emulator
