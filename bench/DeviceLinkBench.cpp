#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "BenchHome.h"
#include "devices/PageFactory.h"
#include "emulator/Scenario.h"
#include "emulator/firmware/MouseModels.h"
#include "platform/hid/HidBackend.h"
#include "platform/paths/Paths.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/WindowMessages.h"
#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/MainWnd.h"

using namespace vorn;
using Clock = std::chrono::steady_clock;

namespace {

template <class Done>
bool pump(platform::ManualLoop& loop, Done done) {
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (!done() && Clock::now() < until) {
        loop.waitForMessage(1);
        loop.runPending();
    }
    return done();
}

}  // namespace

// From a cable mouse plugged into a quiet bus to its tile shown in the main window: the
// discovery thread wakes on the change, binds the collections, the window links the page and
// shows its tile. Real threads and real time; the bus is the emulator's.
static void BM_PlugToTileShown(benchmark::State& state) {
    bench::BenchHome home;
    ui::CPaintManagerUI::SetResourcePath(platform::skinFolder());
    devices::registerPageControls();
    ui::ScopedManualUiLoop ui;
    std::string error;
    std::unique_ptr<emulator::VirtualBus> bus = emulator::buildBusFromScenario("dongle8k", error);
    platform::hid::setHidBackend(bus.get());
    const int mouse = bus->addMouse(*emulator::findMouseModel("t4"));
    {
        ui::mainwnd::MainWndEnvironment env;
        env.defaultDataFolder = platform::defaultDataFolder();
        env.userFolder = platform::userFolder();
        env.scanDevices = true;
        ui::mainwnd::CMainWnd window(env);
        window.Create(nullptr, ui::mainwnd::kAppIdentity, ui::WS_POPUP | ui::WS_VISIBLE, 0, 0, 0,
                      800, 572);
        window.ShowWindow(true);
        pump(ui.loop(), [&] { return window.GetSelector() != nullptr; });
        auto tileShown = [&] {
            const ui::selector::SelectorEntry* t4 = window.GetSelector()->entry(1);
            return t4 != nullptr && t4->tile->isTileVisible();
        };
        for (auto _ : state) {
            const auto begin = Clock::now();
            bus->plugCable(mouse);
            if (!pump(ui.loop(), tileShown)) {
                state.SkipWithError("the tile did not show");
                break;
            }
            state.SetIterationTime(std::chrono::duration<double>(Clock::now() - begin).count());
            bus->unplugCable(mouse);
            pump(ui.loop(), [&] { return !tileShown(); });
            // The scan rests 100 ms after a pass: the next plug finds it waiting on a quiet bus.
            const auto quiet = Clock::now() + std::chrono::milliseconds(150);
            pump(ui.loop(), [&] { return Clock::now() >= quiet; });
        }
        window.DestroyWindow();
    }
    platform::hid::setHidBackend(nullptr);
}
BENCHMARK(BM_PlugToTileShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
