#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "emulator/Scenario.h"
#include "link/DeviceEvents.h"
#include "platform/sync/WorkerThread.h"

using namespace vorn;
using namespace vorn::link;
using Kind = EventAction::Kind;

TEST(DeviceEvents, CodesMeanWhatTheFamilyAndListenerMakeOfThem) {
    const EventListenerKind cable{true, true};
    const EventListenerKind radio{false, false};
    struct Case {
        std::uint16_t code;
        DeviceFamily family;
        EventListenerKind listener;
        Kind kind;
        int delayMs, selector, value;
    };
    for (const Case& c : {
             Case{0x401, DeviceFamily::Mouse, cable, Kind::Reload, 50, 0, 0},
             Case{0x401, DeviceFamily::Keyboard, radio, Kind::Reload, 50, 0, 0},
             Case{0x401, DeviceFamily::MousePad, cable, Kind::Reload, 500, 0, 0},
             Case{0x401, DeviceFamily::Headset, cable, Kind::Reload, 500, 0, 0},
             Case{0x402, DeviceFamily::Mouse, radio, Kind::Reload, 50, 0, 0},
             Case{0x402, DeviceFamily::Headset, cable, Kind::Ignore, 0, 0, 0},
             Case{0x403, DeviceFamily::Mouse, cable, Kind::PreviewReaction, 0, 0, 0},
             Case{0x403, DeviceFamily::Mouse, radio, Kind::FamilyEvent, 0, 0, 0x403},
             Case{0x503, DeviceFamily::Keyboard, cable, Kind::KeyboardLight, 0, 1, 3},
             Case{0x6FF, DeviceFamily::Keyboard, cable, Kind::KeyboardLight, 0, 2, 0xFF},
             Case{0x503, DeviceFamily::Keyboard, radio, Kind::FamilyEvent, 0, 0, 0x503},
             Case{0x1002, DeviceFamily::Mouse, radio, Kind::FamilyEvent, 0, 0, 0x1002},
             Case{0x1002, DeviceFamily::MousePad, cable, Kind::Ignore, 0, 0, 0},
             Case{0x0100, DeviceFamily::Mouse, cable, Kind::Ignore, 0, 0, 0},
         }) {
        const EventAction a = classifyDeviceEvent(c.code, c.family, c.listener);
        EXPECT_EQ(a.kind, c.kind) << std::hex << c.code;
        EXPECT_EQ(a.delayMs, c.delayMs) << std::hex << c.code;
        EXPECT_EQ(a.selector, c.selector) << std::hex << c.code;
        EXPECT_EQ(a.value, c.value) << std::hex << c.code;
    }
}

TEST(DeviceEvents, TheListenerHandsOverEachCodeAndEndsWhenStopped) {
    std::string error;
    auto bus = emulator::buildBusFromScenario("t4", error);
    ASSERT_TRUE(bus) << error;
    platform::hid::setHidBackend(bus.get());
    hid::HidTransport events;
    ASSERT_TRUE(events.open(bus->collectionPath(0, 3), true, true, true, true));

    std::mutex mutex;
    std::vector<std::uint16_t> codes;
    platform::WorkerThread thread("events");
    ASSERT_TRUE(thread.start([&](platform::Event& stop) {
        runEventListener(
            events, stop,
            [&](std::uint16_t code) {
                std::lock_guard<std::mutex> lock(mutex);
                codes.push_back(code);
            },
            true);
    }));
    bus->emitEvent(0, 0x401);
    bus->emitEvent(0, 0x1005);
    const auto received = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        return codes.size();
    };
    for (int i = 0; i < 200 && received() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        EXPECT_EQ(codes, (std::vector<std::uint16_t>{0x401, 0x1005}));
    }
    const auto begin = std::chrono::steady_clock::now();
    thread.requestStop();
    events.close();  // ends the waiting read
    EXPECT_EQ(thread.stop(1000), platform::StopResult::Stopped);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(500));
    platform::hid::setHidBackend(nullptr);
}
