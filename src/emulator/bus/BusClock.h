#pragma once
// The bus's sense of time. In real mode it follows the monotonic clock. In virtual mode
// time stands still until a waiting call needs it to move: a read or a stalled write with a
// finite time-out jumps the clock to its deadline, or to the moment a delayed reply is due,
// whichever comes first, so time-outs and slow answers cost no real time in tests. Calls
// that wait without a time-out still block until a report, an abort or an unplug.
//
// Not locked: the bus guards it with its own mutex.

#include <chrono>
#include <cstdint>

namespace vorn::emulator {

enum class TimeMode { Real, Virtual };

class BusClock {
  public:
    explicit BusClock(TimeMode mode) : mode_(mode), start_(std::chrono::steady_clock::now()) {}

    TimeMode mode() const { return mode_; }
    // Microseconds since the bus was made.
    int64_t nowUs() const {
        if (mode_ == TimeMode::Virtual) {
            return virtualNowUs_;
        }
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now() - start_)
            .count();
    }
    // Virtual mode only: moves time forward (never back).
    void advanceTo(int64_t us) {
        if (mode_ == TimeMode::Virtual && us > virtualNowUs_) {
            virtualNowUs_ = us;
        }
    }
    // The real moment a bus time stands for (real mode).
    std::chrono::steady_clock::time_point realTime(int64_t us) const {
        return start_ + std::chrono::microseconds(us);
    }

  private:
    TimeMode mode_;
    std::chrono::steady_clock::time_point start_;
    int64_t virtualNowUs_ = 0;
};

}  // namespace vorn::emulator
