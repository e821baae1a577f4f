#pragma once
// The output side of one hidraw node. A hidraw write returns only once the device took the
// report or the kernel gave up on it, seconds later, whatever the descriptor's flags say; so
// the writes are made one at a time on a thread of their own and a caller waits for its own
// write no longer than it asked. A write already in the kernel when its caller stops waiting
// still ends there; one still queued is dropped.
//
// The queue is guarded by the node's lock, so one condition variable tells a waiting caller
// of its write's end, the node's end and an abort alike.

#include <sys/types.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/hidraw/HidrawFile.h"
#include "platform/hidraw/HidrawSystem.h"

namespace vorn::platform::hidraw {

// A node's lock and the condition that changes under it; shared, so a write the kernel still
// holds when the node goes can end without the node.
struct HidrawLock {
    std::mutex mutex;
    std::condition_variable changed;
};

// One report on its way out; guarded by the node's lock.
struct HidrawWrite {
    std::vector<uint8_t> data;
    bool done = false;
    ssize_t result = 0;  // of the system call, once done
};

class HidrawWriter {
  public:
    // The thread starts with the first write.
    HidrawWriter(std::shared_ptr<HidrawSystem> system, std::shared_ptr<HidrawFile> file,
                 std::shared_ptr<HidrawLock> lock);
    // Stops the thread without waiting for a write the kernel still holds; that write ends on
    // its own and lets go of the file after it.
    ~HidrawWriter();
    HidrawWriter(const HidrawWriter&) = delete;
    HidrawWriter& operator=(const HidrawWriter&) = delete;

    // Both with the node's lock held: queues a copy of a report, and drops a queued one the
    // kernel has not been given yet.
    std::shared_ptr<HidrawWrite> submit(const uint8_t* data, size_t size);
    void withdraw(const std::shared_ptr<HidrawWrite>& write);

  private:
    struct State {
        std::shared_ptr<HidrawSystem> system;
        std::shared_ptr<HidrawFile> file;
        std::shared_ptr<HidrawLock> lock;
        std::deque<std::shared_ptr<HidrawWrite>> queue;
        bool inKernel = false;
        bool stop = false;
    };
    static void run(const std::shared_ptr<State>& state);

    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace vorn::platform::hidraw
