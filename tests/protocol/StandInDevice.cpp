#include "StandInDevice.h"

#include <algorithm>
#include <mutex>

#include "emulator/bus/VirtualHandle.h"
#include "emulator/firmware/ReceiverFirmware.h"

namespace vorn::test {

using emulator::CommandRequest;
using emulator::CommandResult;

namespace {

bool isWrite(uint8_t command) {
    return command == 0x06 || command == 0x09 || command == 0x0B || command == 0x12 ||
           command == 0x15 || command == 0x17 || command == 0x27;
}

// The command whose memory a command uses.
uint8_t familyOf(uint8_t command) {
    switch (command) {
        case 0x06:
            return 0x05;
        case 0x09:
        case 0x27:
            return 0x08;
        case 0x0B:
            return 0x0A;
        default:
            return command;
    }
}

}  // namespace

uint8_t StandInFirmware::pattern(uint8_t command, size_t offset) {
    return static_cast<uint8_t>((offset * 7 + familyOf(command)) & 0xFF);
}

std::vector<uint8_t>& StandInFirmware::area(uint8_t command) {
    const uint8_t family = familyOf(command);
    auto it = areas_.find(family);
    if (it == areas_.end()) {
        std::vector<uint8_t> fresh(kMemorySize);
        for (size_t i = 0; i < fresh.size(); ++i) {
            fresh[i] = pattern(family, i);
        }
        it = areas_.emplace(family, std::move(fresh)).first;
    }
    return it->second;
}

std::vector<uint8_t> StandInFirmware::memory(uint8_t command, size_t offset, size_t length) {
    const std::vector<uint8_t>& bytes = area(command);
    return {bytes.begin() + static_cast<long>(offset),
            bytes.begin() + static_cast<long>(offset + length)};
}

CommandResult StandInFirmware::execute(const CommandRequest& request) {
    CommandResult result;
    std::vector<uint8_t>& bytes = area(request.command);
    if (size_t{request.offset} + request.length > bytes.size()) {
        result.status = emulator::kStatusRefused;
    } else if (isWrite(request.command)) {
        std::copy_n(request.data.begin(), request.length, bytes.begin() + request.offset);
    } else {
        std::copy_n(bytes.begin() + request.offset, request.length, result.data.begin());
    }
    if (forcedStatus_) {
        result.status = *forcedStatus_;
        forcedStatus_.reset();
    }
    return result;
}

StandInBus::StandInBus()
    : core_(std::make_shared<emulator::BusCore>(emulator::TimeMode::Virtual)),
      firmware_(std::make_shared<StandInFirmware>()) {
    auto receiver = std::make_shared<emulator::ReceiverFirmware>();
    receiver->pair(firmware_);
    emulator::DeviceIdentity receiverId{0x320F, 0x22A0, 0x0105, "VORN-8K Dongle"};
    emulator::DeviceIdentity cableId{0x320F, 0x5000, 0x0100, "stand-in"};
    std::lock_guard<std::mutex> lock(core_->mutex);
    devices_.push_back(std::make_shared<emulator::VirtualDevice>(core_, 0, receiverId, receiver));
    devices_.push_back(std::make_shared<emulator::VirtualDevice>(core_, 1, cableId, firmware_));
    for (auto& device : devices_) {
        device->plug();
    }
}

StandInBus::~StandInBus() {
    std::lock_guard<std::mutex> lock(core_->mutex);
    for (auto& device : devices_) {
        device->unplug();
    }
}

std::string StandInBus::commandPath(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return devices_[static_cast<size_t>(device)]->path(4);
}

std::vector<emulator::FrameRecord> StandInBus::frameLog(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    const auto& log = devices_[static_cast<size_t>(device)]->frameLog();
    return {log.begin(), log.end()};
}

std::vector<std::string> StandInBus::enumerate() {
    std::lock_guard<std::mutex> lock(core_->mutex);
    std::vector<std::string> paths;
    for (auto& device : devices_) {
        for (std::string& path : device->paths()) {
            paths.push_back(std::move(path));
        }
    }
    return paths;
}

std::unique_ptr<platform::hid::HidDevice> StandInBus::open(const std::string& path, bool wantRead,
                                                           bool wantWrite,
                                                           platform::hid::HidOpenError& error) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    for (auto& device : devices_) {
        if (int collection = device->collectionOfPath(path); collection != 0) {
            error = platform::hid::HidOpenError::None;
            return std::make_unique<emulator::VirtualHandle>(device, collection, wantRead,
                                                             wantWrite);
        }
    }
    error = platform::hid::HidOpenError::NotFound;
    return nullptr;
}

bool StandInBus::isPresent(const std::string& path) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return std::any_of(devices_.begin(), devices_.end(),
                       [&](const auto& device) { return device->collectionOfPath(path) != 0; });
}

}  // namespace vorn::test
