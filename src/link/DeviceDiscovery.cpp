#include "link/DeviceDiscovery.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/DeviceSlot.h"
#include "hid/HidPathNumbers.h"
#include "hid/HidTransport.h"
#include "platform/debug/DebugSink.h"

namespace vorn::link {
namespace {

bool everySlotTaken(const catalogue::LiveSlotList& slots) {
    return std::all_of(slots.begin(), slots.end(), [](const catalogue::DeviceSlot& s) {
        return s.linked != 0 || !s.devicePath.empty();
    });
}

}  // namespace

DeviceDiscovery::DeviceDiscovery(LinkedSlots& slots, IDiscoverySink& sink)
    : slots_(slots), sink_(sink) {}

void DeviceDiscovery::bindNewCollections(hid::HidTransport& bus) {
    while (const std::string* listed = bus.nextPath()) {
        if (listed->empty()) {
            break;  // an empty entry ends the list
        }
        const std::string path = *listed;
        const std::uint16_t vendor = hid::vendorIdFromPath(path);
        const std::uint16_t product = hid::productIdFromPath(path);
        const std::uint16_t collection = hid::collectionFromPath(path);
        const std::uint16_t interface = hid::interfaceFromPath(path);
        {
            std::lock_guard<std::mutex> lock(slots_.mutex());
            if (!catalogue::preMatch(slots_.tables(), slots_.slots(), vendor, product, collection,
                                     interface)) {
                continue;
            }
        }
        hid::HidTransport probe;
        if (!probe.open(path, true, false, true, true)) {
            continue;
        }
        catalogue::DeviceSlot candidate;
        candidate.vendorId = probe.attributes().vendorId;
        candidate.productId = probe.attributes().productId;
        candidate.interfaceNumber = interface;
        candidate.collectionNumber = collection;
        candidate.usagePage = probe.caps().usagePage;
        candidate.usage = probe.caps().usage;
        candidate.productString = probe.productString().value_or(std::string());
        candidate.devicePath = path;
        probe.close();
        int bound = catalogue::kNoIndex;
        {
            std::lock_guard<std::mutex> lock(slots_.mutex());
            bound = catalogue::claimSlot(slots_.tables(), slots_.slots(), candidate);
        }
        if (bound != catalogue::kNoIndex) {
            sink_.slotBound(bound);  // outside the lock: the window reads the slots meanwhile
        }
    }
}

void DeviceDiscovery::checkPresence() {
    // Every slot holding a device: the linked ones, and the receiver's command slot, which
    // keeps its path unlinked until its mouse answers (a receiver pulled out before that
    // must free it too, or no receiver could be bound again).
    std::vector<std::pair<int, std::string>> linked;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        const catalogue::LiveSlotList& slots = slots_.slots();
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].linked != 0 || !slots[i].devicePath.empty()) {
                linked.emplace_back(static_cast<int>(i), slots[i].devicePath);
            }
        }
    }
    platform::hid::HidBackend& backend = platform::hid::currentHidBackend();
    for (const auto& [index, path] : linked) {
        if (backend.isPresent(path)) {
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(slots_.mutex());
            catalogue::DeviceSlot& slot = slots_.slots()[static_cast<std::size_t>(index)];
            if (slot.devicePath != path) {
                continue;  // the window changed it meanwhile
            }
            slot.linked = 0;
            slot.devicePath.clear();
            if (slot.deviceType == catalogue::DeviceType::Receiver) {
                slots_.receiver().commandDeviceLink = 0;
                if (index == catalogue::kReceiverEventSlot) {
                    slots_.receiver().reportedModelCode = -1;
                }
            }
        }
        sink_.slotLost(index);
    }
}

bool DeviceDiscovery::runPass() {
    ++passes_;
    bool listable = true;
    bool bind = true;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        bind = !everySlotTaken(slots_.slots());
    }
    if (bind) {
        hid::HidTransport bus;
        listable = bus.enumerate();
        if (listable) {
            bindNewCollections(bus);
        }
    }
    if (!listable) {
        return false;
    }
    checkPresence();
    return true;
}

void DeviceDiscovery::run(platform::Event& stop) {
    platform::hid::HidBackend& backend = platform::hid::currentHidBackend();
    bool first = true;
    for (;;) {
        if (stop.wait(0) == platform::WaitResult::Signalled) {
            break;
        }
        if (!runPass()) {
            platform::debugPrintf("the HID bus cannot be listed: discovery ends");
            return;
        }
        if (first) {
            sink_.firstPassDone();
            first = false;
        }
        // At most one pass per interval, however fast changes come.
        if (stop.wait(kPassIntervalMs) == platform::WaitResult::Signalled) {
            break;
        }
        platform::hid::BusChange change = platform::hid::BusChange::Woken;
        while (change == platform::hid::BusChange::Woken ||
               change == platform::hid::BusChange::TimedOut) {
            if (stop.wait(0) == platform::WaitResult::Signalled) {
                platform::debugPrintf("抓取设备线程设定退出");
                return;
            }
            change = backend.waitForChange(-1);
        }
        // Changed: pass now; Unsupported: the interval above was the poll.
    }
    platform::debugPrintf("抓取设备线程设定退出");
}

void DeviceDiscovery::wake() {
    platform::hid::currentHidBackend().wakeChangeWait();
}

}  // namespace vorn::link
