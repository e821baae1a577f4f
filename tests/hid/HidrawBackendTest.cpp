#include "platform/hidraw/HidrawBackend.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

#include "hid/FakeHidraw.h"
#include "hid/HidLastError.h"
#include "hid/HidTransport.h"
#include "platform/hidraw/HidrawIdentity.h"
#include "support/HidDescriptors.h"

using namespace vorn::platform::hidraw;
using vorn::platform::hid::HidDevice;
using vorn::platform::hid::HidIoStatus;
using vorn::platform::hid::HidOpenError;
using vorn::test::FakeHidrawSystem;
using vorn::test::FakeUdev;
using namespace std::chrono_literals;

namespace {

const std::string kNode = "/dev/hidraw3";
const std::string kCol3 = "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col03";
const std::string kCol4 = "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col04";
const std::string kMouseNode = "/dev/hidraw2";
const std::string kMousePath = "/dev/hidraw2#vid_320f&pid_22b6&mi_00";

HidrawUdevRecord record(const std::string& devnode, const std::string& interfaceNumber,
                        const std::vector<uint8_t>& descriptor) {
    HidrawUdevRecord r;
    r.devnode = devnode;
    r.hidId = "0003:0000320F:000022B6";
    r.hidName = "VORN Gaming VORN-T4";
    r.usbProduct = "VORN-T4";
    r.usbInterfaceNumber = interfaceNumber;
    r.usbInterfaceCount = " 2";
    r.usbVersion = "0102";
    r.reportDescriptor = descriptor;
    return r;
}

std::vector<uint8_t> commandReport(uint8_t first) {
    std::vector<uint8_t> r(64, 0);
    r[0] = 4;
    r[1] = first;
    return r;
}

// The backend the transport stands on while it lives.
struct InstalledBackend {
    explicit InstalledBackend(vorn::platform::hid::HidBackend& backend) {
        vorn::platform::hid::setHidBackend(&backend);
    }
    ~InstalledBackend() { vorn::platform::hid::setHidBackend(nullptr); }
};

class Hidraw : public ::testing::Test {
  protected:
    Hidraw() {
        sys->addNode(kNode, vorn::test::kCommandInterfaceDescriptor);
        udev->records.push_back(record(kNode, "01", vorn::test::kCommandInterfaceDescriptor));
        sys->addNode(kMouseNode, vorn::test::kGamingMouseDescriptor);
        udev->records.push_back(record(kMouseNode, "00", vorn::test::kGamingMouseDescriptor));
    }

    std::unique_ptr<HidDevice> open(const std::string& path, bool read = true, bool write = true) {
        HidOpenError error = HidOpenError::Failed;
        std::unique_ptr<HidDevice> d = backend.open(path, read, write, error);
        EXPECT_EQ(error, HidOpenError::None) << path;
        return d;
    }

    HidOpenError openError(const std::string& path, bool read = true, bool write = true) {
        HidOpenError error = HidOpenError::None;
        EXPECT_EQ(backend.open(path, read, write, error), nullptr);
        return error;
    }

    static std::vector<uint8_t> readReport(HidDevice& d, int timeoutMs = 5000,
                                           HidIoStatus expect = HidIoStatus::Ok) {
        std::vector<uint8_t> buf(128);
        size_t n = 0;
        EXPECT_EQ(d.read(buf.data(), buf.size(), n, timeoutMs), expect);
        buf.resize(n);
        return buf;
    }

    int opens(const std::string& devnode) {
        return sys->with(devnode, [](FakeHidrawSystem::Node& n) { return n.opens; });
    }

    std::shared_ptr<FakeHidrawSystem> sys = std::make_shared<FakeHidrawSystem>();
    std::shared_ptr<FakeUdev> udev = std::make_shared<FakeUdev>();
    HidrawBackend backend{sys, udev};
};

}  // namespace

TEST(HidrawIdentity, UdevTextGivesIdsInterfaceAndProduct) {
    uint16_t bus = 0, vid = 0, pid = 0;
    ASSERT_TRUE(parseHidId("0003:0000320F:000022B6", bus, vid, pid));
    EXPECT_EQ(bus, 3);
    EXPECT_EQ(vid, 0x320F);
    EXPECT_EQ(pid, 0x22B6);
    EXPECT_FALSE(parseHidId("0003:0000320F", bus, vid, pid));
    EXPECT_FALSE(parseHidId("0003:320G:22B6", bus, vid, pid));
    EXPECT_FALSE(parseHidId("", bus, vid, pid));

    HidrawUdevRecord r = record(kNode, "01", {});
    std::optional<HidrawIdentity> id = identityOf(r);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->interfaceNumber, 1);
    EXPECT_TRUE(id->composite);
    EXPECT_EQ(id->version, 0x0102);
    EXPECT_EQ(id->product, "VORN-T4");  // HID_NAME also carries the maker's name

    r.usbProduct.clear();  // not a USB device: HID_NAME is all there is
    r.usbInterfaceNumber.clear();
    r.usbInterfaceCount.clear();
    r.hidName = "VORN-T4Ultra";
    id = identityOf(r);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->product, "VORN-T4Ultra");
    EXPECT_EQ(collectionPath("/dev/hidraw9", *id, 0), "/dev/hidraw9#vid_320f&pid_22b6");

    r.hidId = "garbage";
    EXPECT_FALSE(identityOf(r));
}

TEST_F(Hidraw, EnumerationGivesOnePathPerTopLevelCollection) {
    HidrawUdevRecord keyboard = record("/dev/hidraw4", "00", vorn::test::kKeyboardDescriptor);
    keyboard.hidId = "0003:0000320F:00001001";
    keyboard.usbInterfaceCount = " 1";  // single-interface device: no "&mi_" part
    udev->records.push_back(keyboard);
    HidrawUdevRecord broken = record("/dev/hidraw7", "00", {0x05, 0x01, 0xA1, 0x01});
    udev->records.push_back(broken);
    HidrawUdevRecord unread = record("/dev/hidraw8", "02", {});
    udev->records.push_back(unread);

    const std::vector<std::string> expected = {
        "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col01",
        "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col02",
        kCol3,
        kCol4,
        kMousePath,  // one collection: no "&col" part
        "/dev/hidraw4#vid_320f&pid_1001&col01",
        "/dev/hidraw4#vid_320f&pid_1001&col02",
        "/dev/hidraw4#vid_320f&pid_1001&col03",
        "/dev/hidraw4#vid_320f&pid_1001&col04",
        "/dev/hidraw8#vid_320f&pid_22b6&mi_02",  // descriptor unknown until opened
    };
    EXPECT_EQ(backend.enumerate(), expected);
    EXPECT_EQ(opens(kNode), 0);
}

TEST_F(Hidraw, CollectionsOfOneNodeShareOneOpenAndGetTheirOwnReports) {
    std::unique_ptr<HidDevice> events = open(kCol3);
    std::unique_ptr<HidDevice> commands = open(kCol4);
    EXPECT_EQ(opens(kNode), 1);
    EXPECT_EQ(events->collectionNumber(), 3);
    EXPECT_EQ(commands->attributes().productId, 0x22B6);
    EXPECT_EQ(commands->productString(), "VORN-T4");

    sys->push(kNode, {0x09, 0x01});        // no collection has report 9
    sys->push(kNode, {0x04, 0xAA});        // short: padded to 64
    sys->push(kNode, {0x03, 0x01, 0x04});  // event code 0x0401
    std::vector<uint8_t> command = readReport(*commands);
    ASSERT_EQ(command.size(), 64u);
    EXPECT_EQ(command[0], 0x04);
    EXPECT_EQ(command[1], 0xAA);
    EXPECT_EQ(command[63], 0x00);
    EXPECT_EQ(readReport(*events), (std::vector<uint8_t>{0x03, 0x01, 0x04}));
    // Everything before it was routed already; nothing else was for this collection.
    readReport(*events, 0, HidIoStatus::TimedOut);
    readReport(*commands, 0, HidIoStatus::TimedOut);
}

TEST_F(Hidraw, EveryHandleOfACollectionGetsEachReportAndFlushDropsOnlyItsOwn) {
    std::unique_ptr<HidDevice> a = open(kCol3);
    std::unique_ptr<HidDevice> b = open(kCol3);
    std::unique_ptr<HidDevice> c = open(kCol4);
    sys->push(kNode, {0x03, 0x02, 0x04});
    sys->push(kNode, commandReport(1));
    readReport(*c);  // the event report was routed before it
    EXPECT_TRUE(a->flushInput());
    readReport(*a, 0, HidIoStatus::TimedOut);
    EXPECT_EQ(readReport(*b), (std::vector<uint8_t>{0x03, 0x02, 0x04}));
}

TEST_F(Hidraw, ShortBufferTakesTheReportTruncated) {
    std::unique_ptr<HidDevice> commands = open(kCol4);
    sys->push(kNode, commandReport(0x11));
    sys->push(kNode, commandReport(0x22));
    uint8_t small[2] = {};
    size_t n = 0;
    ASSERT_EQ(commands->read(small, sizeof small, n, 5000), HidIoStatus::Ok);
    EXPECT_EQ(n, 2u);
    EXPECT_EQ(small[1], 0x11);
    // The rest of the first report is gone: the next read gets the second one whole.
    EXPECT_EQ(readReport(*commands), commandReport(0x22));
    readReport(*commands, 0, HidIoStatus::TimedOut);
}

TEST_F(Hidraw, UnnumberedReportsGetAZeroIdByte) {
    std::unique_ptr<HidDevice> mouse = open(kMousePath);
    EXPECT_EQ(mouse->collectionNumber(), 0);
    sys->push(kMouseNode, {0x01, 0x00, 0xFE, 0xFF, 0x02, 0x00, 0x00, 0x00});
    EXPECT_EQ(readReport(*mouse),
              (std::vector<uint8_t>{0x00, 0x01, 0x00, 0xFE, 0xFF, 0x02, 0x00, 0x00, 0x00}));
}

TEST_F(Hidraw, WritesGoOutWithTheReportIdFirst) {
    std::unique_ptr<HidDevice> commands = open(kCol4);
    std::vector<uint8_t> frame = commandReport(0x8F);
    size_t n = 0;
    ASSERT_EQ(commands->write(frame.data(), frame.size(), n, 1000), HidIoStatus::Ok);
    EXPECT_EQ(n, 64u);
    sys->with(kNode, [&](FakeHidrawSystem::Node& node) {
        ASSERT_EQ(node.written.size(), 1u);
        EXPECT_EQ(node.written[0], frame);
    });
    std::unique_ptr<HidDevice> readOnly = open(kCol4, true, false);
    EXPECT_EQ(readOnly->write(frame.data(), frame.size(), n, 1000), HidIoStatus::Failed);
}

TEST_F(Hidraw, UnplugHandsOutQueuedReportsThenFailsAtOnce) {
    std::unique_ptr<HidDevice> events = open(kCol3);
    std::unique_ptr<HidDevice> commands = open(kCol4);
    sys->push(kNode, {0x03, 0x01, 0x04});
    sys->push(kNode, {0x03, 0x02, 0x04});
    sys->unplug(kNode);
    EXPECT_EQ(readReport(*events)[1], 0x01);
    EXPECT_EQ(readReport(*events)[1], 0x02);
    // Long time-outs: only an immediate failure keeps the test quick.
    readReport(*events, 60000, HidIoStatus::Disconnected);
    readReport(*events, -1, HidIoStatus::Disconnected);
    readReport(*commands, -1, HidIoStatus::Disconnected);
    std::vector<uint8_t> frame = commandReport(1);
    size_t n = 0;
    EXPECT_EQ(commands->write(frame.data(), frame.size(), n, 60000), HidIoStatus::Disconnected);
    EXPECT_FALSE(commands->setOutputReport(frame.data(), frame.size()));

    udev->records.erase(udev->records.begin());
    EXPECT_FALSE(backend.isPresent(kCol4));
    EXPECT_EQ(openError(kCol4), HidOpenError::NotFound);
}

TEST_F(Hidraw, WriteRefusedWithNoDeviceMarksTheNodeGone) {
    std::unique_ptr<HidDevice> events = open(kCol3);
    std::unique_ptr<HidDevice> commands = open(kCol4);
    sys->with(kNode, [](FakeHidrawSystem::Node& n) { n.writeError = ENODEV; });
    std::vector<uint8_t> frame = commandReport(1);
    size_t n = 0;
    EXPECT_EQ(commands->write(frame.data(), frame.size(), n, 1000), HidIoStatus::Disconnected);
    readReport(*events, 60000, HidIoStatus::Disconnected);

    sys->with(kNode, [](FakeHidrawSystem::Node& node) { node.writeError = EPIPE; });
    std::unique_ptr<HidDevice> reopened = open(kCol4);  // a gone node is not reused
    EXPECT_EQ(opens(kNode), 2);
    EXPECT_EQ(reopened->write(frame.data(), frame.size(), n, 1000), HidIoStatus::Failed);
}

TEST_F(Hidraw, HangUpWithoutDataEndsAWaitingRead) {
    std::unique_ptr<HidDevice> events = open(kCol3);
    HidIoStatus status = HidIoStatus::Ok;
    std::thread reader([&] {
        std::vector<uint8_t> buf(8);
        size_t n = 0;
        status = events->read(buf.data(), buf.size(), n, -1);
    });
    sys->hangUp(kNode);
    reader.join();
    EXPECT_EQ(status, HidIoStatus::Disconnected);
}

TEST_F(Hidraw, ReadTimesOutAndAbortWakesAWaitingRead) {
    std::unique_ptr<HidDevice> events = open(kCol3);
    events->abort();  // nothing waits: forgotten
    readReport(*events, 20, HidIoStatus::TimedOut);

    std::atomic<bool> done{false};
    HidIoStatus status = HidIoStatus::Ok;
    std::thread reader([&] {
        std::vector<uint8_t> buf(8);
        size_t n = 0;
        status = events->read(buf.data(), buf.size(), n, -1);
        done = true;
    });
    while (!done) {
        events->abort();
        std::this_thread::yield();
    }
    reader.join();
    EXPECT_EQ(status, HidIoStatus::Aborted);
}

TEST_F(Hidraw, TransportCloseEndsABlockedReadWithAborted) {
    vorn::platform::hid::setHidBackend(&backend);
    vorn::hid::HidTransport t;
    ASSERT_TRUE(t.open(kCol3, true, true, true, false));
    EXPECT_EQ(t.caps().inputReportByteLength, 3);
    bool result = true;
    uint32_t error = 0;
    std::thread reader([&] {
        uint8_t buf[3];
        uint32_t n = 0;
        result = t.read(buf, 3, n, vorn::hid::kInfiniteTimeout);
        error = vorn::hid::hidLastError();
    });
    while (!t.readPending()) {
        std::this_thread::yield();
    }
    t.close();
    reader.join();
    vorn::platform::hid::setHidBackend(nullptr);
    EXPECT_FALSE(result);
    EXPECT_EQ(error, vorn::hid::kErrorOperationAborted);
}

TEST_F(Hidraw, WriteEndsAtItsTimeOutAndDropsWhatNeverReachedTheDevice) {
    InstalledBackend installed(backend);
    vorn::hid::HidTransport t;
    ASSERT_TRUE(t.open(kCol4, true, true, true, false));
    sys->stallWrites(kNode, 5000);  // the device takes nothing; the kernel gives up after 5 s
    const std::vector<uint8_t> held = commandReport(1);
    const std::vector<uint8_t> queued = commandReport(2);
    const std::vector<uint8_t> next = commandReport(3);
    for (const std::vector<uint8_t>* frame : {&held, &queued}) {
        // The second waits behind the first, which the kernel still holds.
        const auto start = std::chrono::steady_clock::now();
        uint32_t n = 1;
        EXPECT_FALSE(t.write(frame->data(), 64, n, 50));
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(vorn::hid::hidLastError(), vorn::hid::kWaitTimeout);
        EXPECT_EQ(n, 0u);
        EXPECT_GE(took, 50ms);
        EXPECT_LT(took, 500ms);
    }
    sys->stallWrites(kNode, 0);
    uint32_t n = 0;
    EXPECT_TRUE(t.write(next.data(), 64, n, 1000));
    EXPECT_EQ(n, 64u);
    // The held write went out late; the one that timed out in the queue never did.
    sys->with(kNode, [&](FakeHidrawSystem::Node& node) {
        EXPECT_EQ(node.written, (std::vector<std::vector<uint8_t>>{held, next}));
    });
}

TEST_F(Hidraw, TransportCloseEndsAWriteTheDeviceHoldsWithAborted) {
    InstalledBackend installed(backend);
    vorn::hid::HidTransport t;
    ASSERT_TRUE(t.open(kCol4, true, true, true, false));
    sys->stallWrites(kNode, 5000);
    bool result = true;
    uint32_t error = 0;
    std::thread writer([&] {
        const std::vector<uint8_t> frame = commandReport(1);
        uint32_t n = 0;
        result = t.write(frame.data(), 64, n, 5000);
        error = vorn::hid::hidLastError();
    });
    EXPECT_TRUE(sys->waitWriteHeld(kNode, 5000));
    const auto start = std::chrono::steady_clock::now();
    t.close();
    writer.join();
    // Neither the write nor the close waited for the kernel.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_FALSE(result);
    EXPECT_EQ(error, vorn::hid::kErrorOperationAborted);
    // The node stays open under the held write and is let go once the kernel is done with it.
    EXPECT_EQ(sys->openDescriptors(), 1);
    sys->stallWrites(kNode, 0);
    EXPECT_TRUE(sys->waitOpenDescriptors(0, 5000));
}

TEST_F(Hidraw, PermissionAndAbsenceAreToldApart) {
    sys->with(kNode, [](FakeHidrawSystem::Node& n) { n.openError = EACCES; });
    EXPECT_EQ(openError(kCol4), HidOpenError::PermissionDenied);
    EXPECT_EQ(openError("/dev/hidraw3#vid_320f&pid_22b7&mi_01&col04"), HidOpenError::NotFound);
    EXPECT_EQ(openError("/dev/hidraw3#vid_320f&pid_22b6&mi_01&col05"), HidOpenError::NotFound);
    EXPECT_EQ(openError("/dev/hidraw3"), HidOpenError::NotFound);
    udev->records.push_back(record("/dev/hidraw5", "01", vorn::test::kCommandInterfaceDescriptor));
    EXPECT_EQ(openError("/dev/hidraw5#vid_320f&pid_22b6&mi_01&col04"), HidOpenError::NotFound);

    // Without read or write access nothing is opened: the collection is described from udev.
    std::unique_ptr<HidDevice> described = open(kCol4, false, false);
    EXPECT_EQ(opens(kNode), 0);
    EXPECT_EQ(described->attributes().vendorId, 0x320F);
    EXPECT_EQ(described->productString(), "VORN-T4");
    EXPECT_EQ(described->reportDescriptor(), vorn::test::kCommandInterfaceDescriptor);
    readReport(*described, 0, HidIoStatus::Failed);
}

TEST_F(Hidraw, DescriptorFromTheNodeWhenSysfsHasNone) {
    udev->records[1].reportDescriptor.clear();
    std::unique_ptr<HidDevice> mouse = open(kMousePath);
    EXPECT_EQ(mouse->reportDescriptor(), vorn::test::kGamingMouseDescriptor);
}

TEST_F(Hidraw, NodeWithoutSysfsDescriptorIsAskedForItsCollections) {
    udev->records[0].reportDescriptor.clear();
    const std::vector<std::string> expected = {
        "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col01",
        "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col02",
        kCol3,
        kCol4,
        kMousePath,
    };
    EXPECT_EQ(backend.enumerate(), expected);
    EXPECT_EQ(sys->openDescriptors(), 0);  // the probe closed the node again

    // The node's own descriptor also describes and checks a collection without opening it
    // for use.
    std::unique_ptr<HidDevice> described = open(kCol4, false, false);
    EXPECT_EQ(described->reportDescriptor(), vorn::test::kCommandInterfaceDescriptor);
    EXPECT_EQ(openError("/dev/hidraw3#vid_320f&pid_22b6&mi_01&col05", false, false),
              HidOpenError::NotFound);
    EXPECT_EQ(sys->openDescriptors(), 0);
}

TEST_F(Hidraw, ProbeOpensReadOnlySoAReadOnlyNodeIsListed) {
    udev->records[0].reportDescriptor.clear();
    sys->with(kNode, [](FakeHidrawSystem::Node& n) { n.readOnly = true; });
    EXPECT_EQ(backend.enumerate().size(), 5u);  // four collections and the mouse
    const std::vector<int> probes =
        sys->with(kNode, [](FakeHidrawSystem::Node& n) { return n.openFlags; });
    ASSERT_EQ(probes.size(), 1u);
    EXPECT_EQ(probes[0] & O_ACCMODE, O_RDONLY);

    // Opening for use asks for writing too, which this user may not do.
    EXPECT_EQ(openError(kCol4), HidOpenError::PermissionDenied);
    sys->with(kNode, [](FakeHidrawSystem::Node& n) {
        ASSERT_FALSE(n.openFlags.empty());
        EXPECT_EQ(n.openFlags.back() & O_ACCMODE, O_RDWR);
        n.readOnly = false;
    });
    EXPECT_NE(open(kCol4), nullptr);
}

TEST_F(Hidraw, OutputReportUsesTheControlPipeAndFallsBackToWrite) {
    std::unique_ptr<HidDevice> commands = open(kCol4);
    const std::vector<uint8_t> frame = commandReport(0x12);
    ASSERT_TRUE(commands->setOutputReport(frame.data(), frame.size()));
    sys->with(kNode, [](FakeHidrawSystem::Node& n) { n.outputReportError = ENOTTY; });
    ASSERT_TRUE(commands->setOutputReport(frame.data(), frame.size()));
    sys->with(kNode, [&](FakeHidrawSystem::Node& n) {
        EXPECT_EQ(n.outputReports.size(), 1u);
        EXPECT_EQ(n.written.size(), 1u);
    });
}

TEST_F(Hidraw, ClosingTheLastHandleReleasesTheNode) {
    std::unique_ptr<HidDevice> a = open(kCol3);
    std::unique_ptr<HidDevice> b = open(kCol4);
    EXPECT_EQ(sys->openDescriptors(), 3);  // the node and the reader's wake pipe
    a.reset();
    EXPECT_EQ(sys->openDescriptors(), 3);
    b.reset();
    EXPECT_EQ(sys->openDescriptors(), 0);
    open(kCol4);
    EXPECT_EQ(opens(kNode), 2);
}

TEST_F(Hidraw, PresenceCheckOpensNothingAndNoticesAnotherDevice) {
    EXPECT_TRUE(backend.isPresent(kCol4));
    EXPECT_TRUE(backend.isPresent(kMousePath));
    EXPECT_FALSE(backend.isPresent("/dev/hidraw9#vid_320f&pid_22b6&mi_01&col04"));
    udev->records[0].hidId = "0003:0000320F:000022A0";  // the node now belongs to a receiver
    EXPECT_FALSE(backend.isPresent(kCol4));
    EXPECT_EQ(opens(kNode), 0);
}

TEST_F(Hidraw, ChangeWaitSleepsUntilANodeComesOrGoes) {
    using vorn::platform::hid::BusChange;
    vorn::test::FakeUdevMonitor* monitor = udev->monitor;
    EXPECT_EQ(backend.waitForChange(0), BusChange::Changed);  // the monitor starts listening
    EXPECT_EQ(backend.waitForChange(20), BusChange::TimedOut);
    monitor->announce("change");  // a node changed but none came or went
    EXPECT_EQ(backend.waitForChange(20), BusChange::TimedOut);
    monitor->announce("add");
    EXPECT_EQ(backend.waitForChange(-1), BusChange::Changed);
    std::thread later([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        monitor->announce("remove");
    });
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(backend.waitForChange(5000), BusChange::Changed);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(2000));
    later.join();

    // A stop from another thread ends a wait without limit; one given before is kept.
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        backend.wakeChangeWait();
    });
    EXPECT_EQ(backend.waitForChange(-1), BusChange::Woken);
    stopper.join();
    backend.wakeChangeWait();
    EXPECT_EQ(backend.waitForChange(-1), BusChange::Woken);
}

TEST(HidrawChangeWait, WithoutAMonitorTheCallerPolls) {
    auto udev = std::make_shared<FakeUdev>();
    udev->nextMonitor.reset();
    HidrawBackend backend{std::make_shared<FakeHidrawSystem>(), udev};
    EXPECT_EQ(backend.waitForChange(10), vorn::platform::hid::BusChange::Unsupported);
    EXPECT_EQ(backend.waitForChange(10), vorn::platform::hid::BusChange::Unsupported);
}
