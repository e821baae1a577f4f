#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "emulator/Scenario.h"

namespace {

// A ReadSettings request for the active profile byte, with its additive checksum.
std::array<uint8_t, 64> readActiveProfileFrame() {
    std::array<uint8_t, 64> frame{};
    frame[0] = 4;
    frame[3] = 0x05;
    frame[4] = 1;
    uint32_t sum = 0;
    for (size_t i = 3; i < frame.size(); ++i) {
        sum += frame[i];
    }
    frame[1] = static_cast<uint8_t>(sum & 0xFF);
    frame[2] = static_cast<uint8_t>((sum >> 8) & 0xFF);
    return frame;
}

}  // namespace

// One command round trip on the first device of a scenario: write the request, read the reply.
static void commandRoundTrip(benchmark::State& state, const char* scenario, int writeTimeoutMs,
                             int readTimeoutMs) {
    std::string error;
    auto bus = vorn::emulator::buildBusFromScenario(scenario, error);
    vorn::platform::hid::HidOpenError openError;
    auto handle = bus->open(bus->collectionPath(0, 4), true, true, openError);
    auto request = readActiveProfileFrame();
    std::array<uint8_t, 64> reply{};
    size_t moved = 0;
    for (auto _ : state) {
        handle->write(request.data(), request.size(), moved, writeTimeoutMs);
        handle->read(reply.data(), reply.size(), moved, readTimeoutMs);
        benchmark::DoNotOptimize(reply);
    }
}

// A cable mouse, with the cable link's time-outs.
static void BM_CommandRoundTripCable(benchmark::State& state) {
    commandRoundTrip(state, "t4ultra", 1000, 1000);
}
BENCHMARK(BM_CommandRoundTripCable);

// The same through the 8K receiver to its paired mouse.
static void BM_CommandRoundTripReceiver(benchmark::State& state) {
    commandRoundTrip(state, "dongle8k+t4max", 5000, 500);
}
BENCHMARK(BM_CommandRoundTripReceiver);
