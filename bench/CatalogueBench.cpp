#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"

using namespace vorn::catalogue;

namespace {

DeviceSlot collection(std::uint16_t vid, std::uint16_t pid, std::uint16_t col,
                      const char* product) {
    static int next = 0;
    DeviceSlot c;
    c.vendorId = vid;
    c.productId = pid;
    c.interfaceNumber = 1;
    c.collectionNumber = col;
    c.usagePage = col == 4 ? 0xFF1C : 0x000C;
    c.usage = col == 4 ? 0x0092 : 0x0001;
    c.productString = product;
    c.devicePath = "/dev/hidraw" + std::to_string(next++);
    return c;
}

// A busy bus: every catalogue model on cable and radio, a receiver, a second T4, and
// foreign devices that must not be opened.
std::vector<DeviceSlot> busCollections() {
    std::vector<DeviceSlot> bus;
    for (const char* model : {"VORN-T4", "vorn-t4pro", "VORN-T4Ultra", "VORN-T4MAX", "VORN-T4"}) {
        bus.push_back(collection(0x320F, 0x22B6, 4, model));
        bus.push_back(collection(0x320F, 0x22B6, 3, model));
    }
    for (const char* model : {"VORN-T4", "VORN-T4Pro"}) {
        bus.push_back(collection(0x320F, 0x22BA, 4, model));
        bus.push_back(collection(0x320F, 0x22BA, 3, model));
    }
    bus.push_back(collection(0x320F, 0x22A0, 4, "VORN-8K Dongle"));
    bus.push_back(collection(0x320F, 0x22A0, 3, "VORN-8K Dongle"));
    bus.push_back(collection(0x320F, 0x22B6, 4, "VORN-T9"));
    while (bus.size() < 30) {
        bus.push_back(collection(0x046D, static_cast<std::uint16_t>(0xC000 + bus.size()),
                                 static_cast<std::uint16_t>(bus.size() % 5), "Other Mouse"));
    }
    return bus;
}

}  // namespace

// One discovery pass: every collection on the bus is pre-matched and, if worth opening,
// claimed against a fresh live slot list.
static void BM_DiscoveryPassOver30Collections(benchmark::State& state) {
    const std::vector<DeviceSlot> bus = busCollections();
    const LiveSlotList fresh = makeLiveSlotList(kDeviceCatalogue);
    int claimed = 0;
    for (auto _ : state) {
        LiveSlotList live = fresh;
        claimed = 0;
        for (DeviceSlot candidate : bus) {
            if (preMatch(kDeviceCatalogue, live, candidate.vendorId, candidate.productId,
                         candidate.collectionNumber, candidate.interfaceNumber) &&
                claimSlot(kDeviceCatalogue, live, candidate) != kNoIndex) {
                ++claimed;
            }
        }
        benchmark::DoNotOptimize(live.data());
    }
    state.counters["claimed"] = claimed;
}
BENCHMARK(BM_DiscoveryPassOver30Collections);

// The share of the pass above that only copies the live list and the candidates.
static void BM_CopyLiveListAndCandidates(benchmark::State& state) {
    const std::vector<DeviceSlot> bus = busCollections();
    const LiveSlotList fresh = makeLiveSlotList(kDeviceCatalogue);
    for (auto _ : state) {
        LiveSlotList live = fresh;
        for (DeviceSlot candidate : bus) {
            benchmark::DoNotOptimize(candidate.devicePath.data());
        }
        benchmark::DoNotOptimize(live.data());
    }
}
BENCHMARK(BM_CopyLiveListAndCandidates);
