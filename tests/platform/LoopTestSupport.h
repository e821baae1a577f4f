#pragma once
// A message target for loop tests: writes every message it handles into a shared log and
// answers through an optional handler.

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/loop/MessageLoop.h"
#include "platform/text/Text.h"

namespace vorn::test {

class RecordingTarget : public platform::MessageTarget {
  public:
    RecordingTarget(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {}

    // Called after logging; its result is the message's result.
    std::function<platform::MessageResult(const platform::Message&)> onMessage;
    std::thread::id lastThread;

    platform::MessageResult handleMessage(const platform::Message& message) override {
        lastThread = std::this_thread::get_id();
        if (message.id == platform::kTimerMessage) {
            log_.push_back(platform::formatText("%s timer %u", name_.c_str(),
                                                static_cast<unsigned>(message.wParam)));
        } else {
            log_.push_back(platform::formatText("%s 0x%04X %lu %ld", name_.c_str(), message.id,
                                                static_cast<unsigned long>(message.wParam),
                                                static_cast<long>(message.lParam)));
        }
        return onMessage ? onMessage(message) : 0;
    }

  private:
    std::string name_;
    std::vector<std::string>& log_;
};

}  // namespace vorn::test
