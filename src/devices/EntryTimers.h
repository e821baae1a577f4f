#pragma once
// One-shot timers on a message loop for a device selector entry: whoever implements
// IDeviceEntry can keep one of these and hand each due timer to its page. Loop thread only.

#include <functional>

#include "platform/loop/MessageLoop.h"

namespace vorn::devices {

class EntryTimerHost final : public platform::MessageTarget {
  public:
    using DueFn = std::function<void(unsigned timerId)>;

    // Registers with the loop; due timers go to `due`.
    EntryTimerHost(platform::MessageLoop& loop, DueFn due);
    ~EntryTimerHost() override;
    EntryTimerHost(const EntryTimerHost&) = delete;
    EntryTimerHost& operator=(const EntryTimerHost&) = delete;

    bool start(unsigned timerId, unsigned elapseMs);
    bool stop(unsigned timerId);

    platform::MessageResult handleMessage(const platform::Message& message) override;

  private:
    platform::MessageLoop& loop_;
    DueFn due_;
};

}  // namespace vorn::devices
