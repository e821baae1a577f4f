#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"
#include "emulator/Scenario.h"
#include "hid/HidPathNumbers.h"
#include "hid/HidTransport.h"

using namespace vorn;

// One pass of the discovery loop's cheap part: list every collection on the bus and decide
// from its path alone whether it is worth opening. Eight emulated devices give 32 collections.
static void BM_EnumerateAndPreMatch32Collections(benchmark::State& state) {
    std::string error;
    std::unique_ptr<emulator::VirtualBus> bus = emulator::buildBusFromScenario(
        "t4,t4pro,t4ultra,t4max,dongle8k+t4,t4@own,t4pro,t4ultra", error);
    platform::hid::setHidBackend(bus.get());
    const catalogue::LiveSlotList live = catalogue::makeLiveSlotList(catalogue::kDeviceCatalogue);
    hid::HidTransport probe;
    int worth = 0;
    for (auto _ : state) {
        probe.enumerate();
        worth = 0;
        while (const std::string* path = probe.nextPath()) {
            if (catalogue::preMatch(catalogue::kDeviceCatalogue, live, hid::vendorIdFromPath(*path),
                                    hid::productIdFromPath(*path), hid::collectionFromPath(*path),
                                    hid::interfaceFromPath(*path))) {
                ++worth;
            }
        }
        benchmark::DoNotOptimize(worth);
    }
    state.counters["collections"] = static_cast<double>(probe.pathCount());
    state.counters["worth_opening"] = worth;
    platform::hid::setHidBackend(nullptr);
}
BENCHMARK(BM_EnumerateAndPreMatch32Collections);
