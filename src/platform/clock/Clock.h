#pragma once
// Monotonic millisecond time and pauses. Code asks the process-wide current clock through
// tickCount() and sleepMs(); tests substitute a VirtualClock with ClockOverride so that
// timing rules run without real waiting.

#include <atomic>
#include <cstdint>

namespace vorn::platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary fixed point; never goes backwards.
    virtual std::uint64_t tickCount() const = 0;
    // Pauses the calling thread for about ms milliseconds.
    virtual void sleepMs(std::uint32_t ms) = 0;
};

// The real monotonic clock (steady_clock).
class SystemClock final : public Clock {
  public:
    std::uint64_t tickCount() const override;
    void sleepMs(std::uint32_t ms) override;
};

// The one SystemClock instance.
Clock& systemClock();

// Time that moves only when told to. sleepMs advances the time by the pause instead of
// blocking, so "do something, pause, look again" runs at once and still sees the pause.
// Safe to use from several threads.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(std::uint64_t start = 0) : now_(start) {}
    std::uint64_t tickCount() const override { return now_.load(); }
    void sleepMs(std::uint32_t ms) override { advance(ms); }
    void advance(std::uint64_t ms) { now_.fetch_add(ms); }

  private:
    std::atomic<std::uint64_t> now_;
};

// The clock code currently uses: the system clock unless a ClockOverride is alive.
Clock& currentClock();

// Makes `clock` the current clock while it lives and restores the previous one after.
// Overrides nest; the clock must outlive the override and every thread that reads it.
class ClockOverride {
  public:
    explicit ClockOverride(Clock& clock);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

  private:
    Clock* previous_;
};

// currentClock().tickCount() and currentClock().sleepMs(ms).
std::uint64_t tickCount();
void sleepMs(std::uint32_t ms);

}  // namespace vorn::platform
