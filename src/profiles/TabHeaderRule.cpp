#include "profiles/TabHeaderRule.h"

namespace vorn::profiles {
namespace {

constexpr std::string_view kCursorOnly[] = {"cursor_Op_tab"};
constexpr std::string_view kAllButSystem[] = {"cursor_Op_tab", "macro_Op_tab", "key_Op_tab"};
constexpr std::string_view kFour[] = {"cursor_Op_tab", "macro_Op_tab", "system_Op_tab",
                                      "key_Op_tab"};
constexpr std::string_view kHeadsetTabs[] = {"6533_voice_Op_tab", "magic_Op_tab",
                                             "Virtual7.1_Op_tab"};

}  // namespace

TabHeaderRule TabHeadersFor(int deviceType) {
    switch (deviceType) {
        case 1:
            return {kCursorOnly, {}};
        case 3:
        case 5:
            return {kFour, {}};
        case 4:
            return {kAllButSystem, {}};
        case 7:
            return {kFour, kHeadsetTabs};
        default:
            return {};
    }
}

}  // namespace vorn::profiles
