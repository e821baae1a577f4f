// The power block poll the families share, and the radio reachability test of the mice and
// keyboards.

#include <array>

#include "devices/TessarinUSBDevice.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

namespace vorn::devices {

bool CTessarinUSBDevice::radioLinkAnswers() {
    return channel_.isOpen() && channel_.viaReceiver() &&
           protocol::QueryRadioLink(channel_) == protocol::kResultOk;
}

int CTessarinUSBDevice::pollPowerBlock(bool checkRadio) {
    if (!channel_.isOpen()) {
        return protocol::kResultNoReply;
    }
    if (checkRadio) {
        if (powerPollStopped_.load()) {
            return protocol::kResultNoReply;
        }
        if (protocol::QueryRadioLink(channel_) != protocol::kResultOk) {
            return protocol::kResultNoReply;
        }
    }
    std::array<std::uint8_t, kPowerBlockSize> block{};
    const int result = protocol::ReadShort(channel_, block, 0);
    if (result != protocol::kResultOk) {
        return result;
    }
    block[3] = channel_.viaReceiver() ? 1 : 0;
    {
        std::lock_guard<std::mutex> guard(powerBlockLock_);
        lastPowerBlock_ = block;
    }
    if (powerControl_ != nullptr) {
        powerControl_->showPowerState(block.data(), block.size());
    }
    return protocol::kResultOk;
}

std::optional<std::array<std::uint8_t, kPowerBlockSize>> CTessarinUSBDevice::lastPowerBlock()
    const {
    std::lock_guard<std::mutex> guard(powerBlockLock_);
    return lastPowerBlock_;
}

}  // namespace vorn::devices
