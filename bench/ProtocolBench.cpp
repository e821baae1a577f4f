#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "emulator/Scenario.h"
#include "platform/clock/Clock.h"
#include "platform/debug/DebugSink.h"
#include "platform/hid/HidBackend.h"
#include "protocol/CommandChannel.h"
#include "protocol/Commands.h"

namespace {

using vorn::protocol::CommandChannel;
using vorn::protocol::CommandFrame;

// A channel open on the first device of a scenario: the receiver's radio link when the
// scenario starts with one, else the cable.
struct OpenChannel {
    explicit OpenChannel(const std::string& scenario, bool receiver) {
        std::string error;
        bus = vorn::emulator::buildBusFromScenario(scenario, error);
        vorn::platform::hid::setHidBackend(bus.get());
        const std::string path = bus->collectionPath(0, 4);
        auto& link = receiver ? channel.radioLink() : channel.cableLink();
        link.open(path, true, true, true, true);
        channel.setLinkMode(receiver ? vorn::protocol::kLinkModeReceiver
                                     : vorn::protocol::kLinkModeCable);
        channel.setOpen(true);
    }
    ~OpenChannel() {
        channel.cableLink().close();
        channel.radioLink().close();
        vorn::platform::hid::setHidBackend(nullptr);
    }

    std::unique_ptr<vorn::emulator::VirtualBus> bus;
    CommandChannel channel;
};

// One traced exchange (ReadSettings of one byte) without the 20 ms pause after the write:
// the pause runs on a virtual clock. Argument 1 adds a listener, so the trace lines are
// really built and written.
void exchangeBench(benchmark::State& state, const char* scenario, bool receiver) {
    vorn::platform::VirtualClock clock;
    vorn::platform::ClockOverride useVirtualTime(clock);
    OpenChannel open(scenario, receiver);
    const int listener =
        state.range(0) != 0 ? vorn::platform::addDebugListener([](std::string_view) {}) : 0;
    const CommandFrame request = CommandFrame::readRequest(0x05, 1, 0);
    CommandFrame reply;
    for (auto _ : state) {
        if (open.channel.exchange(request, reply) != 1) {
            state.SkipWithError("exchange failed");
            break;
        }
        benchmark::DoNotOptimize(reply);
    }
    if (listener != 0) {
        vorn::platform::removeDebugListener(listener);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ExchangeCable(benchmark::State& state) {
    exchangeBench(state, "t4ultra", false);
}
BENCHMARK(BM_ExchangeCable)->Arg(0)->Arg(1);

void BM_ExchangeReceiver(benchmark::State& state) {
    exchangeBench(state, "dongle8k+t4ultra", true);
}
BENCHMARK(BM_ExchangeReceiver)->Arg(0)->Arg(1);

// StreamLightData of one colour frame of state.range(0) lights on the real clock (the light
// stream makes no pause); items are frames on the wire, so items/s is frames per second.
void streamBench(benchmark::State& state, const char* scenario, bool receiver) {
    OpenChannel open(scenario, receiver);
    const size_t bytes = static_cast<size_t>(state.range(0)) * 3;
    std::vector<uint8_t> colours(bytes);
    for (size_t i = 0; i < bytes; ++i) {
        colours[i] = static_cast<uint8_t>(i * 31);
    }
    const size_t chunk = open.channel.chunkSize();
    for (auto _ : state) {
        if (vorn::protocol::StreamLightData(open.channel, colours) != 1) {
            state.SkipWithError("stream failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>((bytes + chunk - 1) / chunk));
    state.SetLabel("frames/s");
}

void BM_StreamLightDataReceiver(benchmark::State& state) {
    streamBench(state, "dongle8k+t4ultra", true);
}
BENCHMARK(BM_StreamLightDataReceiver)->Arg(16)->Arg(170);

void BM_StreamLightDataCable(benchmark::State& state) {
    streamBench(state, "t4ultra", false);
}
BENCHMARK(BM_StreamLightDataCable)->Arg(16)->Arg(170);

}  // namespace
