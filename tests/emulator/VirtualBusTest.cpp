#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <thread>

#include "EmulatorTestSupport.h"

using namespace vorn::emulator;
using namespace vorn::test;
using vorn::platform::hid::HidIoStatus;
using vorn::platform::hid::HidOpenError;

namespace {

// The number after a marker such as "&col", read as hexadecimal; -1 when absent.
int numberAfter(const std::string& path, const char* marker) {
    size_t at = path.find(marker);
    unsigned value = 0;
    if (at == std::string::npos ||
        std::sscanf(path.c_str() + at + std::strlen(marker), "%x", &value) != 1) {
        return -1;
    }
    return static_cast<int>(value);
}

struct CableMouse : ::testing::Test {
    VirtualBus bus{TimeMode::Virtual};
    int mouse = bus.addMouse(model("t4"));
    int cable = bus.plugCable(mouse);
    uint8_t buffer[64] = {};
    size_t moved = 0;
};

}  // namespace

TEST(VirtualBus, EnumerateGivesOnePathPerCollectionInTheWindowsForm) {
    std::string error;
    VirtualBus bus(TimeMode::Virtual);
    int a = bus.addMouse(model("t4ultra"));
    bus.plugReceiver(DeviceKind::Receiver8K, a);
    bus.plugCable(bus.addMouse(model("t4")));

    std::vector<std::string> paths = bus.enumerate();
    ASSERT_EQ(paths.size(), 8u);
    const int pids[] = {0x22A0, 0x22B6};
    for (size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        EXPECT_EQ(paths[i].rfind("\\\\?\\hid#vid_320f&pid_", 0), 0u);
        EXPECT_NE(paths[i].find("#{4d1e55b2-f16f-11cf-88cb-001111000030}"), std::string::npos);
        EXPECT_EQ(numberAfter(paths[i], "vid_"), 0x320F);
        EXPECT_EQ(numberAfter(paths[i], "pid_"), pids[i / 4]);
        EXPECT_EQ(numberAfter(paths[i], "&mi_"), 1);
        EXPECT_EQ(numberAfter(paths[i], "&col"), static_cast<int>(i % 4) + 1);
        EXPECT_TRUE(bus.isPresent(paths[i]));
    }

    // Each path opens its own collection with the device's identity.
    HidOpenError openError = HidOpenError::None;
    auto handle = bus.open(paths[3], true, false, openError);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->collectionNumber(), 4);
    EXPECT_EQ(handle->productString(), "VORN-8K Dongle");
    EXPECT_EQ(handle->attributes().productId, 0x22A0);
    EXPECT_FALSE(handle->reportDescriptor().empty());
    EXPECT_EQ(bus.open(paths[6], true, false, openError)->productString(), "VORN-T4");
    // Windows paths compare without regard to case.
    std::string upper = paths[2];
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(bus.open(upper, true, false, openError)->collectionNumber(), 3);
}

TEST(VirtualBus, TwoIdenticalMiceGetDistinctPaths) {
    VirtualBus bus(TimeMode::Virtual);
    int first = bus.plugCable(bus.addMouse(model("t4pro")));
    int second = bus.plugCable(bus.addMouse(model("t4pro")));
    std::vector<std::string> all = bus.enumerate();
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 8u);

    // Commands reach the mouse behind the path that was opened.
    auto h = openCollection(bus, second, 4);
    EXPECT_EQ(roundTrip(*h, testRequest(0x06, 1, 0, {5}))[7], 0);
    EXPECT_EQ(bus.readMemory(1, MouseArea::Settings, 0, 1), std::vector<uint8_t>{5});
    EXPECT_EQ(bus.readMemory(0, MouseArea::Settings, 0, 1), std::vector<uint8_t>{0});
    EXPECT_NE(bus.collectionPath(first, 4), bus.collectionPath(second, 4));
}

TEST_F(CableMouse, UnplugLetsReadsDrainTheQueueThenFailWhileWritesFailAtOnce) {
    auto events = openCollection(bus, cable, 3);
    auto commands = openCollection(bus, cable, 4);
    bus.pressButton(mouse, 0x0401);
    bus.pressButton(mouse, 0x0402);
    bus.unplug(cable);

    EXPECT_FALSE(bus.isPresent(bus.collectionPath(cable, 3)));
    EXPECT_TRUE(bus.enumerate().empty());
    TestFrame request = testRequest(0x01, 0, 0);
    EXPECT_EQ(commands->write(request.data(), request.size(), moved, 1000),
              HidIoStatus::Disconnected);
    EXPECT_EQ(events->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(buffer[1], 0x01);
    EXPECT_EQ(events->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(buffer[1], 0x02);
    int64_t before = bus.nowMs();
    EXPECT_EQ(events->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Disconnected);
    EXPECT_EQ(bus.nowMs(), before);  // at once, not after the time-out
    EXPECT_FALSE(events->flushInput());
    EXPECT_FALSE(commands->setOutputReport(request.data(), request.size()));

    HidOpenError error = HidOpenError::None;
    EXPECT_EQ(bus.open(bus.collectionPath(cable, 4), true, true, error), nullptr);
    EXPECT_EQ(error, HidOpenError::NotFound);
    bus.replug(cable);
    bus.setOpenDenied(cable, true);
    EXPECT_TRUE(bus.isPresent(bus.collectionPath(cable, 4)));
    EXPECT_EQ(bus.open(bus.collectionPath(cable, 4), true, true, error), nullptr);
    EXPECT_EQ(error, HidOpenError::PermissionDenied);
    bus.setOpenDenied(cable, false);

    // Plugged in again: the same paths, new handles work, the old ones stay dead.
    EXPECT_EQ(bus.enumerate().size(), 4u);
    EXPECT_EQ(commands->write(request.data(), request.size(), moved, 1000),
              HidIoStatus::Disconnected);
    auto again = openCollection(bus, cable, 4);
    EXPECT_EQ(roundTrip(*again, request)[3], 0x01);
}

TEST_F(CableMouse, UnplugEndsAReadWaitingWithoutTimeOut) {
    auto commands = openCollection(bus, cable, 4);
    HidIoStatus status = HidIoStatus::Ok;
    // Whether the read is already waiting or starts after the unplug, it ends Disconnected
    // (a read that kept waiting would hang the test).
    std::thread reader([&] { status = commands->read(buffer, sizeof buffer, moved, -1); });
    bus.unplug(cable);
    reader.join();
    EXPECT_EQ(status, HidIoStatus::Disconnected);
}

TEST_F(CableMouse, ReadTimesOutInVirtualTimeAndLeavesNothingPending) {
    auto commands = openCollection(bus, cable, 4);
    int64_t start = bus.nowMs();
    EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::TimedOut);
    EXPECT_EQ(bus.nowMs() - start, 1000);
    EXPECT_EQ(moved, 0u);
    // An abort now finds nothing pending and is not remembered.
    commands->abort();
    TestFrame request = testRequest(0x01, 0, 0);
    EXPECT_EQ(roundTrip(*commands, request)[3], 0x01);
}

TEST_F(CableMouse, AbortFromAnotherThreadEndsABlockedRead) {
    auto commands = openCollection(bus, cable, 4);
    std::atomic<bool> done{false};
    HidIoStatus status = HidIoStatus::Ok;
    std::thread reader([&] {
        status = commands->read(buffer, sizeof buffer, moved, -1);
        done = true;
    });
    while (!done) {
        commands->abort();
        std::this_thread::yield();
    }
    reader.join();
    EXPECT_EQ(status, HidIoStatus::Aborted);
}

TEST_F(CableMouse, StalledWriteEndsByTimeOutOrAbort) {
    auto commands = openCollection(bus, cable, 4);
    TestFrame request = testRequest(0x06, 1, 0, {7});
    bus.injectFault(cable, Fault{FaultKind::StallWrite});
    EXPECT_EQ(commands->write(request.data(), request.size(), moved, 5000), HidIoStatus::TimedOut);
    EXPECT_EQ(bus.nowMs(), 5000);
    EXPECT_TRUE(bus.frameLog(cable).empty());  // the device never saw it

    bus.injectFault(cable, Fault{FaultKind::StallWrite});
    std::atomic<bool> done{false};
    HidIoStatus status = HidIoStatus::Ok;
    std::thread writer([&] {
        status = commands->write(request.data(), request.size(), moved, -1);
        done = true;
    });
    while (!done) {
        commands->abort();
        std::this_thread::yield();
    }
    writer.join();
    EXPECT_EQ(status, HidIoStatus::Aborted);
    EXPECT_EQ(bus.readMemory(mouse, MouseArea::Settings, 0, 1), std::vector<uint8_t>{0});

    // An unplug ends a stalled write as well.
    bus.injectFault(cable, Fault{FaultKind::StallWrite});
    std::thread lastWriter(
        [&] { status = commands->write(request.data(), request.size(), moved, -1); });
    bus.unplug(cable);
    lastWriter.join();
    EXPECT_EQ(status, HidIoStatus::Disconnected);
}

TEST_F(CableMouse, InjectedReplyFaults) {
    auto commands = openCollection(bus, cable, 4);
    TestFrame begin = testRequest(0x01, 0, 0);
    TestFrame read = testRequest(0x05, 1, 0);

    // A dropped reply: the command ran, nothing comes back.
    bus.injectFault(cable, Fault{FaultKind::DropReply});
    EXPECT_EQ(commands->write(begin.data(), begin.size(), moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::TimedOut);
    EXPECT_TRUE(bus.mouseStatus(mouse).sessionOpen);

    // A stale reply: the earlier (dropped) reply comes first, then the right one.
    bus.injectFault(cable, Fault{FaultKind::StaleReply});
    EXPECT_EQ(commands->write(read.data(), read.size(), moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(buffer[3], 0x01);
    EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(buffer[3], 0x05);

    // A bad checksum in the reply, on the second frame from now.
    bus.injectFault(cable, Fault{FaultKind::BadChecksum, 1});
    TestFrame good = roundTrip(*commands, read);
    TestFrame bad = roundTrip(*commands, read);
    EXPECT_EQ(good[1] | (good[2] << 8), testSum(good));
    EXPECT_NE(bad[1] | (bad[2] << 8), testSum(bad));

    // A slow reply arrives after its delay and not before.
    bus.injectFault(cable, Fault{FaultKind::SlowReply, 0, 300});
    int64_t start = bus.nowMs();
    EXPECT_EQ(commands->write(read.data(), read.size(), moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 100), HidIoStatus::TimedOut);
    EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Ok);
    EXPECT_EQ(bus.nowMs() - start, 300);
}

TEST_F(CableMouse, UnplugMidTransferKeepsTheChunksBeforeIt) {
    auto commands = openCollection(bus, cable, 4);
    bus.injectFault(cable, Fault{FaultKind::UnplugMidTransfer, 2});
    std::vector<HidIoStatus> writes;
    for (uint16_t chunk = 0; chunk < 4; ++chunk) {
        TestFrame f = testRequest(0x06, 2, static_cast<uint16_t>(100 + 2 * chunk),
                                  {static_cast<uint8_t>(chunk + 1), 0xEE});
        writes.push_back(commands->write(f.data(), f.size(), moved, 1000));
        if (writes.back() != HidIoStatus::Ok) {
            break;
        }
        EXPECT_EQ(commands->read(buffer, sizeof buffer, moved, 1000), HidIoStatus::Ok);
    }
    EXPECT_EQ(writes, (std::vector<HidIoStatus>{HidIoStatus::Ok, HidIoStatus::Ok,
                                                HidIoStatus::Disconnected}));
    EXPECT_EQ(bus.readMemory(mouse, MouseArea::Settings, 100, 6),
              (std::vector<uint8_t>{1, 0xEE, 2, 0xEE, 0, 0}));
    EXPECT_FALSE(bus.devicePlugged(cable));
}

TEST_F(CableMouse, FlushInputDropsQueuedReports) {
    auto events = openCollection(bus, cable, 3);
    bus.pressButton(mouse, 0x0401);
    bus.pressButton(mouse, 0x0402);
    EXPECT_TRUE(events->flushInput());
    EXPECT_EQ(events->read(buffer, sizeof buffer, moved, 0), HidIoStatus::TimedOut);
}

TEST_F(CableMouse, ReportsGoOnlyToReadingHandlesOfTheirCollection) {
    auto events = openCollection(bus, cable, 3);
    auto probe = openCollection(bus, cable, 4, true, false);
    auto commands = openCollection(bus, cable, 4);
    TestFrame request = testRequest(0x01, 0, 0);

    // A handle without write access cannot write; wrong ids and lengths are refused.
    EXPECT_EQ(probe->write(request.data(), request.size(), moved, 1000), HidIoStatus::Failed);
    TestFrame wrongId = request;
    wrongId[0] = 3;
    EXPECT_EQ(commands->write(wrongId.data(), wrongId.size(), moved, 1000), HidIoStatus::Failed);
    EXPECT_EQ(commands->write(request.data(), 63, moved, 1000), HidIoStatus::Failed);
    EXPECT_EQ(events->write(request.data(), request.size(), moved, 1000), HidIoStatus::Failed);

    // Every reading handle of the command collection sees the reply; the event one does not.
    EXPECT_EQ(roundTrip(*commands, request)[3], 0x01);
    EXPECT_EQ(probe->read(buffer, sizeof buffer, moved, 0), HidIoStatus::Ok);
    EXPECT_EQ(events->read(buffer, sizeof buffer, moved, 0), HidIoStatus::TimedOut);

    // A short buffer gets the front of the report.
    bus.pressButton(mouse, 0x0403);
    EXPECT_EQ(events->read(buffer, 2, moved, 0), HidIoStatus::Ok);
    EXPECT_EQ(moved, 2u);
}

TEST(VirtualBus, MouseMovesBetweenCableAndReceiver) {
    VirtualBus bus(TimeMode::Virtual);
    int mouse = bus.addMouse(model("t4"));
    int receiver = bus.plugReceiver(DeviceKind::OwnReceiver, mouse);
    EXPECT_EQ(bus.paths(receiver).size(), 4u);
    auto radioEvents = openCollection(bus, receiver, 3);
    int cable = bus.plugCable(mouse);
    auto wireEvents = openCollection(bus, cable, 3);
    EXPECT_TRUE(bus.mouseStatus(mouse).cablePlugged);

    uint8_t report[8];
    size_t moved = 0;
    bus.pressButton(mouse, 0x0401);
    EXPECT_EQ(wireEvents->read(report, sizeof report, moved, 0), HidIoStatus::Ok);
    EXPECT_EQ(radioEvents->read(report, sizeof report, moved, 0), HidIoStatus::TimedOut);

    bus.unplugCable(mouse);
    bus.pressButton(mouse, 0x0401);
    EXPECT_EQ(radioEvents->read(report, sizeof report, moved, 0), HidIoStatus::Ok);
    EXPECT_EQ(bus.readMemory(mouse, MouseArea::Power, 1, 1), std::vector<uint8_t>{0});
    // Plugged back, the cable keeps its paths.
    EXPECT_EQ(bus.plugCable(mouse), cable);
    EXPECT_EQ(bus.enumerate().size(), 8u);
}

TEST(VirtualBus, ChangeWaitReportsPlugAndUnplugAndWakesOnRequest) {
    using vorn::platform::hid::BusChange;
    VirtualBus bus;
    EXPECT_EQ(bus.waitForChange(0), BusChange::TimedOut);  // an empty bus has not changed
    const int mouse = bus.addMouse(model("t4"));
    EXPECT_EQ(bus.waitForChange(0), BusChange::TimedOut);  // a mouse on no link is no device
    const int cable = bus.plugCable(mouse);
    EXPECT_EQ(bus.waitForChange(0), BusChange::Changed);
    EXPECT_EQ(bus.waitForChange(10), BusChange::TimedOut);  // reported once
    bus.setBattery(mouse, 40);
    EXPECT_EQ(bus.waitForChange(10), BusChange::TimedOut);  // not a plug change

    std::thread unplugger([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bus.unplug(cable);
    });
    EXPECT_EQ(bus.waitForChange(-1), BusChange::Changed);
    unplugger.join();
    bus.replug(cable);
    bus.unplugCable(mouse);
    EXPECT_EQ(bus.waitForChange(0), BusChange::Changed);  // two changes, one report

    std::thread waker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bus.wakeChangeWait();
    });
    EXPECT_EQ(bus.waitForChange(-1), BusChange::Woken);
    waker.join();
}
