#include "ui/controls/PowerStateLook.h"

namespace vorn::ui::power {

const ChargingLook* chargingLookOf(uint8_t state) {
    for (const ChargingLook& look : kChargingLooks) {
        if (look.state == state) {
            return &look;
        }
    }
    return nullptr;
}

const PhoneLook& phoneLookOf(uint8_t type) {
    for (const PhoneLook& look : kPhoneLooks) {
        if (look.type == type) {
            return look;
        }
    }
    return kNoPhone;
}

}  // namespace vorn::ui::power
