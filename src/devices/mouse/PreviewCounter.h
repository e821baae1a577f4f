#pragma once
// The preview's tick counting, worked out from pass to pass without waiting in between. The
// preview is defined as a loop
// that makes one pass per millisecond: a pass whose tick lies at least 2 past the tick it
// last remembered counts one and remembers its tick; a pass that finds the count at the
// mode's interval restarts the count and runs a frame. The counter answers when that loop's
// next frame falls and replays the passes of a stretch in one step, so the preview can sleep
// from frame to frame and still run each frame at the tick the loop would.

#include <cstdint>

namespace vorn::devices::mouse {

class PreviewCounter {
  public:
    // Starts afresh at tick `now`: count 0, `now` remembered, no pass made after it.
    void restart(std::uint64_t now);

    // Makes the passes after the last one up to and including tick `until` with the given
    // interval. True when a frame fell among them; the caller runs it. Only one frame is
    // owed per call: should a second fall in the stretch (the caller woke far too late, as
    // after a suspend), the passes after the first frame are dropped, as a loop that stalled
    // there would have missed them.
    bool passUntil(std::uint64_t until, std::uint8_t interval);

    // Passes up to `until` that did nothing (the channel busy, the custom programme running,
    // the preview paused): nothing is counted and the remembered tick stays.
    void skipUntil(std::uint64_t until);

    // The tick of the next pass that runs a frame with this interval, if nothing else
    // intervenes.
    std::uint64_t nextFrameTick(std::uint8_t interval) const;

  private:
    std::uint64_t nextPass(std::uint8_t interval) const;

    std::uint32_t count_ = 0;
    std::uint64_t remembered_ = 0;
    std::uint64_t lastPass_ = 0;
};

}  // namespace vorn::devices::mouse
