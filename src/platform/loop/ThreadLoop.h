#pragma once
// A message loop on real time for programs without a windowing toolkit: run() handles
// posted and sent messages and timers on the calling thread until quit() is called (from
// a handler or from any other thread).

#include "platform/loop/QueuedLoop.h"

namespace vorn::platform {

class ThreadLoop final : public QueuedLoop {
  public:
    ThreadLoop() = default;

    // Makes the calling thread the loop thread and handles messages until quit(). Returns
    // at once when the loop has already quit.
    void run();

  protected:
    std::uint64_t now() const override;
};

}  // namespace vorn::platform
