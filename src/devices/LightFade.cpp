// The state of the reactive and moving effects: per-light fade intensities and the pattern
// ring of the marquee.

#include <algorithm>

#include "devices/LightTables.h"
#include "devices/TessarinUSBDevice.h"

namespace vorn::devices {

void CTessarinUSBDevice::FadeLight(int index, int mode) {
    if (index < 0 || static_cast<std::size_t>(index) >= kFadeLevelCount) {
        return;
    }
    std::lock_guard<std::mutex> guard(effectLock_);
    std::uint8_t& level = fadeLevels_[static_cast<std::size_t>(index)];
    level = fadeStep(level, mode);
}

void CTessarinUSBDevice::RotateMarquee(bool direction) {
    std::lock_guard<std::mutex> guard(effectLock_);
    if (direction) {
        std::rotate(marqueeRing_.rbegin(), marqueeRing_.rbegin() + 1, marqueeRing_.rend());
    } else {
        std::rotate(marqueeRing_.begin(), marqueeRing_.begin() + 1, marqueeRing_.end());
    }
}

void CTessarinUSBDevice::LightMarquee() {
    std::lock_guard<std::mutex> guard(effectLock_);
    for (std::size_t i = 0; i < kMarqueeLitCount; ++i) {
        if (marqueeRing_[i] != 0) {
            fadeLevels_[i] = 255;
        }
    }
}

void CTessarinUSBDevice::ClearFadeState() {
    std::lock_guard<std::mutex> guard(effectLock_);
    fadeLevels_.fill(0);
    marqueeRing_.fill(0);
}

std::uint8_t CTessarinUSBDevice::fadeLevel(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= kFadeLevelCount) {
        return 0;
    }
    std::lock_guard<std::mutex> guard(effectLock_);
    return fadeLevels_[static_cast<std::size_t>(index)];
}

void CTessarinUSBDevice::setFadeLevel(int index, std::uint8_t value) {
    if (index < 0 || static_cast<std::size_t>(index) >= kFadeLevelCount) {
        return;
    }
    std::lock_guard<std::mutex> guard(effectLock_);
    fadeLevels_[static_cast<std::size_t>(index)] = value;
}

std::array<std::uint8_t, kMarqueeRingSize> CTessarinUSBDevice::marqueeRing() const {
    std::lock_guard<std::mutex> guard(effectLock_);
    return marqueeRing_;
}

void CTessarinUSBDevice::setMarqueeRing(const std::array<std::uint8_t, kMarqueeRingSize>& ring) {
    std::lock_guard<std::mutex> guard(effectLock_);
    marqueeRing_ = ring;
}

}  // namespace vorn::devices
