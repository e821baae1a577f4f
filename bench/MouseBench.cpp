#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "BenchHome.h"
#include "emulator/Scenario.h"
#include "platform/hid/HidBackend.h"
#include "platform/paths/Paths.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/mainwnd/HeadlessWindow.h"

using namespace vorn;
using Clock = std::chrono::steady_clock;

// From a sensitivity slider's "valuechanged" on the page to the mouse's answer to the last
// frame of the block write (the profile saved on the way), on the emulated bus in real time:
// the command channel's pauses after each write are the floor of this figure.
static void BM_DpiChangeToLastAnswer(benchmark::State& state, const char* scenario) {
    bench::BenchHome home;
    ui::CPaintManagerUI::SetResourcePath(platform::skinFolder());
    std::string error;
    std::unique_ptr<emulator::VirtualBus> bus = emulator::buildBusFromScenario(scenario, error);
    platform::hid::setHidBackend(bus.get());
    {
        ui::mainwnd::MainWndEnvironment env;
        env.defaultDataFolder = platform::defaultDataFolder();
        env.userFolder = platform::userFolder();
        ui::mainwnd::HeadlessWindow headless(env);
        headless.scan();
        devices::CTessarinMouseDevice* mouse = headless.window().currentMouse();
        ui::CControlUI* control =
            mouse != nullptr ? mouse->FindSubControl("DPI_slider_3") : nullptr;
        auto* slider = ui::interfaceOf<ui::CSliderUI>(control, "Slider");
        if (slider == nullptr) {
            state.SkipWithError("no mouse page");
        } else {
            int value = 1600;
            for (auto _ : state) {
                value = value == 1600 ? 1650 : 1600;
                slider->SetValue(value);
                const auto begin = Clock::now();
                headless.raise("valuechanged", slider);
                state.SetIterationTime(std::chrono::duration<double>(Clock::now() - begin).count());
            }
        }
    }
    platform::hid::setHidBackend(nullptr);
}
BENCHMARK_CAPTURE(BM_DpiChangeToLastAnswer, cable, "t4")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_DpiChangeToLastAnswer, receiver, "dongle8k+t4")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
