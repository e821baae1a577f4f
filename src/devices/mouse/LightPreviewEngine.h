#pragma once
// The light preview of a device page: recomputes the page's light words in the rhythm of the
// light setting's mode and speed, for the page to show; it never talks to the device.
//
// The preview's rhythm is that of a loop passing once per millisecond and counting the
// ticks (see PreviewCounter). The engine runs exactly the frames that loop would, at the
// ticks it would, but sleeps from one frame to the next instead of passing every
// millisecond, and does not run at all while the window is hidden or the channel closed.
// Whoever changes what the preview depends on wakes it (wake()): the window shown again,
// the light setting changed, the channel opened. While the channel is busy with an exchange
// it looks again every millisecond and counts nothing, so it never competes with the
// exchange.

#include <cstdint>
#include <memory>

#include "devices/mouse/PreviewModes.h"
#include "platform/sync/Event.h"
#include "platform/sync/WorkerThread.h"
#include "profiles/records/LightSetting.h"

namespace vorn::devices::mouse {

// What the preview works on: the page's state and its frame operations. Called on the
// preview thread.
class ILightPreviewTarget {
  public:
    virtual ~ILightPreviewTarget() = default;
    // The main window is shown (the page's windowShown).
    virtual bool previewShown() = 0;
    virtual bool channelOpen() = 0;
    virtual bool channelBusy() = 0;
    // The light setting whose mode and speed set the rhythm.
    virtual profiles::LightSetting previewSetting() = 0;
    // Recomputes the light words with one frame of the mode.
    virtual void runPreviewFrame(PreviewFrame frame) = 0;
    // The next step of the custom light programme (the modes without a frame row). False
    // when there is no programme to step: the preview then sleeps until woken.
    virtual bool stepCustomProgramme() = 0;
};

class LightPreviewEngine {
  public:
    // The preview thread's stop waits this long before leaving the thread to end alone.
    static constexpr std::uint32_t kStopWaitMs = 1000;
    // runDue's answer when only a wake() can bring the next frame.
    static constexpr std::uint32_t kUntilWoken = platform::Event::kInfinite;
    // How soon a busy channel is looked at again.
    static constexpr std::uint32_t kBusyRetryMs = 1;
    // How soon the custom light programme's next step runs: every pass of the loop.
    static constexpr std::uint32_t kPassMs = 1;

    // The target must outlive the engine's thread (stop() or the destructor).
    explicit LightPreviewEngine(ILightPreviewTarget& target);
    ~LightPreviewEngine();
    LightPreviewEngine(const LightPreviewEngine&) = delete;
    LightPreviewEngine& operator=(const LightPreviewEngine&) = delete;

    // Starts the preview thread, counting afresh from now. False when it runs already or
    // the thread could not be made.
    bool start();
    // Ends the preview thread: wakes it and waits up to timeoutMs. A thread that overruns
    // the wait is left to end alone and calls the target no more.
    platform::StopResult stop(std::uint32_t timeoutMs = kStopWaitMs);
    bool running() const { return worker_.started() && !worker_.finished(); }

    // Something the preview depends on changed: the thread looks at once. Any thread; a
    // wake while no thread runs is forgotten.
    void wake();

    // One wake-up of the preview at the current tick (platform::tickCount): makes the passes
    // the loop would have made since the last one, runs the frame due among them, and
    // answers how many milliseconds to sleep until the next frame is due (kUntilWoken when
    // none will be). The preview thread calls it after every wait; tests on virtual time
    // call it directly.
    std::uint32_t runDue();
    // Counts afresh from the current tick, as a newly started preview does.
    void restart();
    // How often runDue ran (since construction, or since a thread was left to end alone).
    std::uint64_t wakeups() const;

  private:
    struct Core;
    ILightPreviewTarget& target_;
    std::shared_ptr<Core> core_;
    // Never replaced, so wake() from any thread always reaches the running thread.
    std::shared_ptr<platform::Event> wakeEvent_;
    platform::WorkerThread worker_;
};

}  // namespace vorn::devices::mouse
