#pragma once
// The virtual HID bus: a HidBackend whose devices are emulated mice and receivers, and the
// script that drives them (plug, unplug, power a paired mouse on or off, press its buttons,
// look into its memory, inject faults).
//
// Ids: mice and devices are numbered from 0 in the order they were added; a mouse is the
// hardware (firmware and memory), a device is one USB interface on the bus (a mouse's cable,
// or a receiver). A mouse can be reached through its cable device, a receiver paired with
// it, or both. Every call is thread-safe.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "emulator/bus/BusClock.h"
#include "emulator/bus/Faults.h"
#include "emulator/bus/VirtualDevice.h"
#include "emulator/firmware/MouseFirmware.h"
#include "emulator/firmware/MouseModels.h"
#include "platform/hid/HidBackend.h"

namespace vorn::emulator {

enum class DeviceKind {
    CableMouse,   // a mouse on its cable (product id 0x22B6)
    Receiver8K,   // the 8K receiver (0x22A0, "VORN-8K Dongle")
    OwnReceiver,  // a mouse's own receiver (0x22BA, the mouse's product string)
};

constexpr uint16_t kCablePid = 0x22B6;
constexpr uint16_t kOwnReceiverPid = 0x22BA;
constexpr uint16_t kReceiver8KPid = 0x22A0;

// A snapshot of a mouse's state for tests and the demo.
struct MouseStatus {
    std::string model;  // the model's token, e.g. "t4ultra"
    bool poweredOn = false;
    bool inReach = false;
    bool cablePlugged = false;
    bool sessionOpen = false;
    int activeProfile = 0;
    uint32_t commandCount = 0;
};

class VirtualBus final : public platform::hid::HidBackend {
  public:
    explicit VirtualBus(TimeMode mode = TimeMode::Real);
    ~VirtualBus() override;
    VirtualBus(const VirtualBus&) = delete;
    VirtualBus& operator=(const VirtualBus&) = delete;

    // --- Building and plugging ---
    // A mouse of the model, switched on and within reach, not yet on any link.
    int addMouse(const MouseModel& model);
    // Plugs the mouse's cable (its cable device is made the first time, and keeps its paths
    // afterwards); returns the device id, -1 for an unknown mouse.
    int plugCable(int mouse);
    bool unplugCable(int mouse);
    // Plugs a receiver paired with the mouse (-1: nothing paired; an own receiver needs a
    // mouse). Returns the device id, -1 on a bad argument.
    int plugReceiver(DeviceKind kind, int mouse);
    bool unplug(int device);
    bool replug(int device);

    // --- The mouse ---
    bool setMousePower(int mouse, bool on);
    bool setMouseInReach(int mouse, bool inReach);
    bool setBattery(int mouse, int percent);
    // Event report with the code through the mouse's link: its cable when plugged, else a
    // receiver it answers. False when no link carries it.
    bool pressButton(int mouse, uint16_t code);
    // The profile and stage buttons: the memory changes and the mouse reports 0x100p / 0x11sp.
    bool selectProfile(int mouse, int profile);
    bool selectStage(int mouse, int stage);
    // Event report on a device's event collection (3), whatever is behind it.
    bool emitEvent(int device, uint16_t code);

    // Device memory (empty result / false when the range does not fit the area).
    std::vector<uint8_t> readMemory(int mouse, MouseArea area, size_t offset, size_t length) const;
    bool writeMemory(int mouse, MouseArea area, size_t offset, const std::vector<uint8_t>& bytes);
    bool restoreFactory(int mouse);
    MouseStatus mouseStatus(int mouse) const;

    // --- Faults ---
    bool injectFault(int device, const Fault& fault);
    bool setReplyDelay(int device, int ms);
    // While set, opening the device's paths fails with PermissionDenied (a node without the
    // udev rule); it stays present and enumerated.
    bool setOpenDenied(int device, bool denied);

    // --- Looking at the bus ---
    int mouseCount() const;
    int deviceCount() const;
    DeviceKind deviceKind(int device) const;
    int mouseOfDevice(int device) const;  // -1: none
    int cableDeviceOf(int mouse) const;   // -1: never plugged
    bool devicePlugged(int device) const;
    // Paths of the device's collections 1-4 (whether plugged or not).
    std::vector<std::string> paths(int device) const;
    std::string collectionPath(int device, int collection) const;
    std::vector<FrameRecord> frameLog(int device) const;
    void clearFrameLog(int device);

    // --- Time ---
    TimeMode timeMode() const;
    int64_t nowMs() const;
    // Virtual mode: moves the clock on (delayed replies fall due); real mode: no effect.
    void advanceTime(int ms);

    // --- HidBackend ---
    std::vector<std::string> enumerate() override;
    std::unique_ptr<platform::hid::HidDevice> open(const std::string& path, bool wantRead,
                                                   bool wantWrite,
                                                   platform::hid::HidOpenError& error) override;
    bool isPresent(const std::string& path) override;
    // Sleeps until a device is plugged or unplugged (real time in both time modes: the
    // waiting thread stands for the program's discovery thread).
    platform::hid::BusChange waitForChange(int timeoutMs) override;
    void wakeChangeWait() override;

  private:
    struct MouseEntry {
        std::shared_ptr<MouseFirmware> firmware;
        int cableDevice = -1;
    };
    struct DeviceEntry {
        std::shared_ptr<VirtualDevice> device;
        DeviceKind kind;
        int mouse;  // -1: none
        bool openDenied = false;
    };

    bool validMouse(int mouse) const;
    bool validDevice(int device) const;
    int addDevice(DeviceKind kind, int mouse, DeviceIdentity identity,
                  std::shared_ptr<Firmware> firmware);
    bool emitEventLocked(int device, uint16_t code);
    bool pressButtonLocked(int mouse, uint16_t code);
    // With the bus lock held: a device came or went.
    void notePlugChangeLocked();

    std::shared_ptr<BusCore> core_;
    std::vector<MouseEntry> mice_;
    std::vector<DeviceEntry> devices_;
    std::condition_variable plugChanged_;
    std::uint64_t plugChanges_ = 0;      // every plug and unplug
    std::uint64_t reportedChanges_ = 0;  // as far as waitForChange has told
    bool changeWaitWoken_ = false;
};

}  // namespace vorn::emulator
