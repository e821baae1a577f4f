#pragma once
// One opened collection of an emulated device: the HidDevice the bus hands out.
//
// Reads take the collection's queued input reports (one per call, truncated to the buffer
// like hidraw does). After the device has left the bus, reads still hand out what was queued
// and then fail with Disconnected; writes fail with Disconnected at once.

#include <functional>
#include <memory>
#include <mutex>

#include "emulator/bus/VirtualDevice.h"
#include "platform/hid/HidBackend.h"

namespace vorn::emulator {

class VirtualHandle final : public platform::hid::HidDevice {
  public:
    // Expects the bus mutex held (it attaches to the device).
    VirtualHandle(std::shared_ptr<VirtualDevice> device, int collection, bool wantRead,
                  bool wantWrite);
    ~VirtualHandle() override;

    platform::hid::HidAttributes attributes() const override;
    const std::vector<uint8_t>& reportDescriptor() const override;
    int collectionNumber() const override;
    std::string productString() const override;

    platform::hid::HidIoStatus read(uint8_t* buffer, size_t size, size_t& transferred,
                                    int timeoutMs) override;
    platform::hid::HidIoStatus write(const uint8_t* buffer, size_t size, size_t& transferred,
                                     int timeoutMs) override;
    void abort() override;
    bool flushInput() override;
    bool setOutputReport(const uint8_t* buffer, size_t size) override;

  private:
    enum class WaitEnd { Ready, Aborted, Disconnected, TimedOut };
    // Waits under the bus lock until ready() holds, the handle is aborted or disconnected, or
    // the time-out runs out (timeoutMs < 0: no time-out).
    WaitEnd wait(std::unique_lock<std::mutex>& lock, int timeoutMs,
                 const std::function<bool()>& ready);

    std::shared_ptr<VirtualDevice> device_;
    std::shared_ptr<HandleState> state_;
};

}  // namespace vorn::emulator
