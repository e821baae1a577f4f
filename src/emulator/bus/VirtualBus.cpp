#include "emulator/bus/VirtualBus.h"

#include <chrono>
#include <utility>

#include "emulator/bus/ReportDescriptors.h"
#include "emulator/bus/VirtualHandle.h"
#include "emulator/firmware/ReceiverFirmware.h"

namespace vorn::emulator {

using platform::hid::HidDevice;
using platform::hid::HidOpenError;

namespace {

constexpr uint16_t kReceiverVersion = 0x0105;
constexpr const char* kReceiver8KName = "VORN-8K Dongle";

}  // namespace

VirtualBus::VirtualBus(TimeMode mode) : core_(std::make_shared<BusCore>(mode)) {}

VirtualBus::~VirtualBus() {
    // Handles still open keep their device alive and fail from now on.
    std::lock_guard<std::mutex> lock(core_->mutex);
    for (DeviceEntry& entry : devices_) {
        entry.device->unplug();
    }
}

bool VirtualBus::validMouse(int mouse) const {
    return mouse >= 0 && static_cast<size_t>(mouse) < mice_.size();
}

bool VirtualBus::validDevice(int device) const {
    return device >= 0 && static_cast<size_t>(device) < devices_.size();
}

int VirtualBus::addDevice(DeviceKind kind, int mouse, DeviceIdentity identity,
                          std::shared_ptr<Firmware> firmware) {
    int id = static_cast<int>(devices_.size());
    auto device =
        std::make_shared<VirtualDevice>(core_, id, std::move(identity), std::move(firmware));
    device->plug();
    devices_.push_back({std::move(device), kind, mouse, false});
    notePlugChangeLocked();
    return id;
}

void VirtualBus::notePlugChangeLocked() {
    ++plugChanges_;
    plugChanged_.notify_all();
}

platform::hid::BusChange VirtualBus::waitForChange(int timeoutMs) {
    using platform::hid::BusChange;
    std::unique_lock<std::mutex> lock(core_->mutex);
    const auto ready = [&] { return changeWaitWoken_ || plugChanges_ != reportedChanges_; };
    if (timeoutMs < 0) {
        plugChanged_.wait(lock, ready);
    } else if (!plugChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
        return BusChange::TimedOut;
    }
    if (changeWaitWoken_) {
        changeWaitWoken_ = false;
        return BusChange::Woken;
    }
    reportedChanges_ = plugChanges_;
    return BusChange::Changed;
}

void VirtualBus::wakeChangeWait() {
    std::lock_guard<std::mutex> lock(core_->mutex);
    changeWaitWoken_ = true;
    plugChanged_.notify_all();
}

int VirtualBus::addMouse(const MouseModel& model) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    mice_.push_back({std::make_shared<MouseFirmware>(model), -1});
    return static_cast<int>(mice_.size()) - 1;
}

int VirtualBus::plugCable(int mouse) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse)) {
        return -1;
    }
    MouseEntry& entry = mice_[static_cast<size_t>(mouse)];
    if (entry.cableDevice < 0) {
        const MouseModel& model = entry.firmware->model();
        DeviceIdentity identity{0x320F, kCablePid, model.firmwareVersion, model.productString};
        entry.cableDevice = addDevice(DeviceKind::CableMouse, mouse, identity, entry.firmware);
    } else {
        devices_[static_cast<size_t>(entry.cableDevice)].device->plug();
        notePlugChangeLocked();
    }
    entry.firmware->setCharging(true);
    return entry.cableDevice;
}

bool VirtualBus::unplugCable(int mouse) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse) || mice_[static_cast<size_t>(mouse)].cableDevice < 0) {
        return false;
    }
    MouseEntry& entry = mice_[static_cast<size_t>(mouse)];
    devices_[static_cast<size_t>(entry.cableDevice)].device->unplug();
    notePlugChangeLocked();
    entry.firmware->setCharging(false);
    return true;
}

int VirtualBus::plugReceiver(DeviceKind kind, int mouse) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (kind == DeviceKind::CableMouse || (mouse != -1 && !validMouse(mouse)) ||
        (kind == DeviceKind::OwnReceiver && mouse == -1)) {
        return -1;
    }
    auto receiver = std::make_shared<ReceiverFirmware>();
    DeviceIdentity identity{0x320F, kReceiver8KPid, kReceiverVersion, kReceiver8KName};
    if (mouse != -1) {
        receiver->pair(mice_[static_cast<size_t>(mouse)].firmware);
    }
    if (kind == DeviceKind::OwnReceiver) {
        const MouseModel& model = mice_[static_cast<size_t>(mouse)].firmware->model();
        identity =
            DeviceIdentity{0x320F, kOwnReceiverPid, model.firmwareVersion, model.productString};
    }
    return addDevice(kind, mouse, identity, receiver);
}

bool VirtualBus::unplug(int device) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device)) {
        return false;
    }
    DeviceEntry& entry = devices_[static_cast<size_t>(device)];
    entry.device->unplug();
    notePlugChangeLocked();
    if (entry.kind == DeviceKind::CableMouse) {
        mice_[static_cast<size_t>(entry.mouse)].firmware->setCharging(false);
    }
    return true;
}

bool VirtualBus::replug(int device) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device)) {
        return false;
    }
    DeviceEntry& entry = devices_[static_cast<size_t>(device)];
    entry.device->plug();
    notePlugChangeLocked();
    if (entry.kind == DeviceKind::CableMouse) {
        mice_[static_cast<size_t>(entry.mouse)].firmware->setCharging(true);
    }
    return true;
}

bool VirtualBus::setMousePower(int mouse, bool on) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse)) {
        return false;
    }
    mice_[static_cast<size_t>(mouse)].firmware->setPoweredOn(on);
    return true;
}

bool VirtualBus::setMouseInReach(int mouse, bool inReach) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse)) {
        return false;
    }
    mice_[static_cast<size_t>(mouse)].firmware->setInReach(inReach);
    return true;
}

bool VirtualBus::setBattery(int mouse, int percent) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse) || percent < 0 || percent > 100) {
        return false;
    }
    mice_[static_cast<size_t>(mouse)].firmware->setBattery(static_cast<uint8_t>(percent));
    return true;
}

bool VirtualBus::emitEventLocked(int device, uint16_t code) {
    if (!validDevice(device)) {
        return false;
    }
    std::vector<uint8_t> report = {kEventReportId, static_cast<uint8_t>(code & 0xFF),
                                   static_cast<uint8_t>(code >> 8)};
    return devices_[static_cast<size_t>(device)].device->queueInput(report);
}

bool VirtualBus::emitEvent(int device, uint16_t code) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return emitEventLocked(device, code);
}

bool VirtualBus::pressButtonLocked(int mouse, uint16_t code) {
    const MouseEntry& entry = mice_[static_cast<size_t>(mouse)];
    if (entry.cableDevice >= 0 &&
        devices_[static_cast<size_t>(entry.cableDevice)].device->plugged()) {
        return emitEventLocked(entry.cableDevice, code);
    }
    if (!entry.firmware->radioReachable()) {
        return false;
    }
    for (size_t i = 0; i < devices_.size(); ++i) {
        const DeviceEntry& device = devices_[i];
        if (device.kind != DeviceKind::CableMouse && device.mouse == mouse &&
            device.device->plugged()) {
            return emitEventLocked(static_cast<int>(i), code);
        }
    }
    return false;
}

bool VirtualBus::pressButton(int mouse, uint16_t code) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validMouse(mouse) && pressButtonLocked(mouse, code);
}

bool VirtualBus::selectProfile(int mouse, int profile) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse)) {
        return false;
    }
    uint16_t code = mice_[static_cast<size_t>(mouse)].firmware->selectProfile(profile);
    if (code == 0) {
        return false;
    }
    pressButtonLocked(mouse, code);  // the change stands even when no link carries the report
    return true;
}

bool VirtualBus::selectStage(int mouse, int stage) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse)) {
        return false;
    }
    uint16_t code = mice_[static_cast<size_t>(mouse)].firmware->selectStage(stage);
    if (code == 0) {
        return false;
    }
    pressButtonLocked(mouse, code);
    return true;
}

std::vector<uint8_t> VirtualBus::readMemory(int mouse, MouseArea area, size_t offset,
                                            size_t length) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    std::vector<uint8_t> bytes(length);
    if (!validMouse(mouse) || !mice_[static_cast<size_t>(mouse)].firmware->area(area).read(
                                  offset, length, bytes.data())) {
        return {};
    }
    return bytes;
}

bool VirtualBus::writeMemory(int mouse, MouseArea area, size_t offset,
                             const std::vector<uint8_t>& bytes) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validMouse(mouse) && mice_[static_cast<size_t>(mouse)].firmware->area(area).write(
                                    offset, bytes.data(), bytes.size());
}

bool VirtualBus::restoreFactory(int mouse) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validMouse(mouse)) {
        return false;
    }
    mice_[static_cast<size_t>(mouse)].firmware->restoreFactory();
    return true;
}

MouseStatus VirtualBus::mouseStatus(int mouse) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    MouseStatus status;
    if (!validMouse(mouse)) {
        return status;
    }
    const MouseEntry& entry = mice_[static_cast<size_t>(mouse)];
    const MouseFirmware& firmware = *entry.firmware;
    status.model = firmware.model().token;
    status.poweredOn = firmware.poweredOn();
    status.inReach = firmware.inReach();
    status.cablePlugged = entry.cableDevice >= 0 &&
                          devices_[static_cast<size_t>(entry.cableDevice)].device->plugged();
    status.sessionOpen = firmware.sessionOpen();
    status.activeProfile = firmware.activeProfile();
    status.commandCount = firmware.commandCount();
    return status;
}

bool VirtualBus::injectFault(int device, const Fault& fault) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device) || fault.skipFrames < 0) {
        return false;
    }
    devices_[static_cast<size_t>(device)].device->injectFault(fault);
    return true;
}

bool VirtualBus::setReplyDelay(int device, int ms) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device)) {
        return false;
    }
    devices_[static_cast<size_t>(device)].device->setReplyDelayMs(ms);
    return true;
}

bool VirtualBus::setOpenDenied(int device, bool denied) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device)) {
        return false;
    }
    devices_[static_cast<size_t>(device)].openDenied = denied;
    return true;
}

int VirtualBus::mouseCount() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return static_cast<int>(mice_.size());
}

int VirtualBus::deviceCount() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return static_cast<int>(devices_.size());
}

DeviceKind VirtualBus::deviceKind(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validDevice(device) ? devices_[static_cast<size_t>(device)].kind
                               : DeviceKind::CableMouse;
}

int VirtualBus::mouseOfDevice(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validDevice(device) ? devices_[static_cast<size_t>(device)].mouse : -1;
}

int VirtualBus::cableDeviceOf(int mouse) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validMouse(mouse) ? mice_[static_cast<size_t>(mouse)].cableDevice : -1;
}

bool VirtualBus::devicePlugged(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validDevice(device) && devices_[static_cast<size_t>(device)].device->plugged();
}

std::vector<std::string> VirtualBus::paths(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return validDevice(device) ? devices_[static_cast<size_t>(device)].device->paths()
                               : std::vector<std::string>{};
}

std::string VirtualBus::collectionPath(int device, int collection) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device) || collectionByNumber(collection) == nullptr) {
        return {};
    }
    return devices_[static_cast<size_t>(device)].device->path(collection);
}

std::vector<FrameRecord> VirtualBus::frameLog(int device) const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (!validDevice(device)) {
        return {};
    }
    const auto& log = devices_[static_cast<size_t>(device)].device->frameLog();
    return std::vector<FrameRecord>(log.begin(), log.end());
}

void VirtualBus::clearFrameLog(int device) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (validDevice(device)) {
        devices_[static_cast<size_t>(device)].device->clearFrameLog();
    }
}

TimeMode VirtualBus::timeMode() const {
    return core_->clock.mode();
}

int64_t VirtualBus::nowMs() const {
    std::lock_guard<std::mutex> lock(core_->mutex);
    return core_->clock.nowUs() / 1000;
}

void VirtualBus::advanceTime(int ms) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    if (ms <= 0) {
        return;
    }
    core_->clock.advanceTo(core_->clock.nowUs() + int64_t{ms} * 1000);
    for (DeviceEntry& entry : devices_) {
        entry.device->deliverDue();
    }
    core_->changed.notify_all();
}

std::vector<std::string> VirtualBus::enumerate() {
    std::lock_guard<std::mutex> lock(core_->mutex);
    std::vector<std::string> result;
    for (const DeviceEntry& entry : devices_) {
        if (entry.device->plugged()) {
            for (std::string& path : entry.device->paths()) {
                result.push_back(std::move(path));
            }
        }
    }
    return result;
}

std::unique_ptr<HidDevice> VirtualBus::open(const std::string& path, bool wantRead, bool wantWrite,
                                            HidOpenError& error) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    for (const DeviceEntry& entry : devices_) {
        if (!entry.device->plugged()) {
            continue;
        }
        int collection = entry.device->collectionOfPath(path);
        if (collection != 0 && entry.openDenied) {
            error = HidOpenError::PermissionDenied;
            return nullptr;
        }
        if (collection != 0) {
            error = HidOpenError::None;
            return std::make_unique<VirtualHandle>(entry.device, collection, wantRead, wantWrite);
        }
    }
    error = HidOpenError::NotFound;
    return nullptr;
}

bool VirtualBus::isPresent(const std::string& path) {
    std::lock_guard<std::mutex> lock(core_->mutex);
    for (const DeviceEntry& entry : devices_) {
        if (entry.device->plugged() && entry.device->collectionOfPath(path) != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace vorn::emulator
