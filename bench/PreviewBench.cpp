// What a mouse page's light preview costs on the real clock: CPU time, wake-ups and context
// switches per second of the preview thread, with the window shown and in the tray, against
// a loop that passes every millisecond as the preview's rhythm is defined.
// Arguments: window shown (1) or hidden (0), speed level of the breathing effect.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

#include "devices/TessarinUSBDevice.h"
#include "devices/mouse/LightPreviewEngine.h"
#include "devices/mouse/MousePreviewFrames.h"
#include "devices/mouse/MousePreviewTarget.h"
#include "platform/clock/Clock.h"
#include "platform/sync/WorkerThread.h"

using namespace vorn;
using namespace vorn::devices;
using namespace vorn::devices::mouse;

namespace {

constexpr auto kRunTime = std::chrono::seconds(2);
constexpr int kBreathingMode = 1;

// The page's preview target, counting the frames it runs.
class CountingTarget final : public MousePreviewTarget {
  public:
    using MousePreviewTarget::MousePreviewTarget;
    void runPreviewFrame(PreviewFrame frame) override {
        frames.fetch_add(1);
        MousePreviewTarget::runPreviewFrame(frame);
    }
    std::atomic<std::uint64_t> frames{0};
};

// A mouse page on an open channel showing a breathing preview.
struct PreviewPage {
    PreviewPage(bool shown, std::uint8_t speed) {
        page.setLightCount(kMouseLightCount);
        profiles::LightSetting light;
        light.mode = kBreathingMode;
        light.brightness = 4;
        light.speed = speed;
        light.direction = 1;
        light.multiColour = 1;
        page.SetLightParameters(light);
        page.channel().setOpen(true);
        page.setWindowShown(shown ? 1 : 0);
    }
    CTessarinUSBDevice page;
    MouseReaction reaction;
    CountingTarget target{page, reaction};
};

// The preview as the loop it is defined by: a 1 ms wait on the stop event per pass.
void millisecondLoop(platform::Event& stop, ILightPreviewTarget& target,
                     std::atomic<std::uint64_t>& passes) {
    std::uint64_t remembered = platform::tickCount();
    unsigned count = 0;
    while (stop.wait(1) == platform::WaitResult::TimedOut) {
        passes.fetch_add(1);
        if (!target.channelOpen()) {
            platform::sleepMs(100);
            continue;
        }
        if (target.channelBusy()) {
            continue;
        }
        const profiles::LightSetting light = target.previewSetting();
        const PreviewModeRow* row = previewModeRow(light.mode);
        if (row == nullptr) {
            target.stepCustomProgramme();
            continue;
        }
        const std::uint64_t now = platform::tickCount();
        if (now - remembered > 1) {
            ++count;
            remembered = now;
        }
        if (count >= previewInterval(row->intervalRow, light.speed)) {
            count = 0;
            target.runPreviewFrame(row->frame);
        }
    }
}

struct Usage {
    double cpuMs = 0;
    double switches = 0;
};

Usage usageNow() {
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {static_cast<double>(cpu.tv_sec) * 1000.0 + static_cast<double>(cpu.tv_nsec) / 1e6,
            static_cast<double>(usage.ru_nvcsw + usage.ru_nivcsw)};
}

void report(benchmark::State& state, const Usage& before, const Usage& after, double seconds,
            std::uint64_t wakeups, std::uint64_t frames) {
    state.counters["cpu_ms_per_s"] = (after.cpuMs - before.cpuMs) / seconds;
    state.counters["ctx_switches_per_s"] = (after.switches - before.switches) / seconds;
    state.counters["wakeups_per_s"] = static_cast<double>(wakeups) / seconds;
    state.counters["frames_per_s"] = static_cast<double>(frames) / seconds;
}

void BM_PreviewEngineBreathing(benchmark::State& state) {
    PreviewPage preview(state.range(0) != 0, static_cast<std::uint8_t>(state.range(1)));
    LightPreviewEngine engine(preview.target);
    for (auto _ : state) {
        const Usage before = usageNow();
        const auto start = std::chrono::steady_clock::now();
        engine.start();
        std::this_thread::sleep_for(kRunTime);
        engine.stop();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        report(state, before, usageNow(), took.count(), engine.wakeups(),
               preview.target.frames.load());
    }
}
// Shown at speeds 2 and 4 (interval 0: a frame on every pass), and hidden.
void previewCases(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shown", "speed"})
        ->Args({1, 2})
        ->Args({1, 4})
        ->Args({0, 2})
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_PreviewEngineBreathing)->Apply(previewCases);

void BM_MillisecondLoopBreathing(benchmark::State& state) {
    PreviewPage preview(state.range(0) != 0, static_cast<std::uint8_t>(state.range(1)));
    std::atomic<std::uint64_t> passes{0};
    for (auto _ : state) {
        platform::WorkerThread loop("preview loop");
        const Usage before = usageNow();
        const auto start = std::chrono::steady_clock::now();
        loop.start([&preview, &passes](platform::Event& stop) {
            millisecondLoop(stop, preview.target, passes);
        });
        std::this_thread::sleep_for(kRunTime);
        loop.stop();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        report(state, before, usageNow(), took.count(), passes.load(),
               preview.target.frames.load());
    }
}
BENCHMARK(BM_MillisecondLoopBreathing)->Apply(previewCases);

}  // namespace
