#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "platform/clock/Clock.h"

using vorn::test::CliRun;
using vorn::test::lines;
using vorn::test::vornctl;

namespace {

// The frames of a --trace output: title ("命令" or "返回") and the 64 bytes as hex text.
struct TracedFrame {
    std::string title;
    std::vector<std::string> bytes;
};

std::vector<TracedFrame> tracedFrames(const std::string& out) {
    std::vector<std::string> all = lines(out);
    std::vector<TracedFrame> frames;
    for (size_t i = 0; i + 2 < all.size(); ++i) {
        if (all[i] != "命令" && all[i] != "返回") {
            continue;
        }
        TracedFrame frame{all[i], {}};
        std::istringstream in(all[i + 1] + " " + all[i + 2]);
        for (std::string byte; in >> byte;) {
            frame.bytes.push_back(byte);
        }
        frames.push_back(frame);
    }
    return frames;
}

// Requests of one command id as "length@offset" (hex bytes 4, then 6 and 5).
std::vector<std::string> requestShapes(const std::string& out, const std::string& command) {
    std::vector<std::string> shapes;
    for (const TracedFrame& f : tracedFrames(out)) {
        if (f.title == "命令" && f.bytes.size() == 64 && f.bytes[3] == command) {
            shapes.push_back(f.bytes[4] + "@" + f.bytes[6] + f.bytes[5]);
        }
    }
    return shapes;
}

bool has(const std::string& text, const std::string& fragment) {
    return text.find(fragment) != std::string::npos;
}

// Device commands pause 20 ms per exchange; on virtual time the tests do not wait for them.
class DeviceCommands : public ::testing::Test {
  protected:
    vorn::platform::VirtualClock clock_;
    vorn::platform::ClockOverride override_{clock_};
};

}  // namespace

TEST_F(DeviceCommands, InfoReadsDeviceInfoInTwoFramesViaTheReceiverAndOneOnTheCable) {
    CliRun radio = vornctl({"info", "--sim", "dongle8k+t4ultra", "--trace"});
    ASSERT_EQ(radio.status, 0) << radio.err;
    EXPECT_EQ(requestShapes(radio.out, "03"), (std::vector<std::string>{"18@0000", "0a@0018"}));
    EXPECT_EQ(requestShapes(radio.out, "01").size(), 1u);
    EXPECT_EQ(requestShapes(radio.out, "02").size(), 1u);
    EXPECT_EQ(tracedFrames(radio.out).size(), 8u);  // 4 requests, 4 replies
    EXPECT_TRUE(has(radio.out, "slot 16 (receiver)"));
    EXPECT_TRUE(has(radio.out, "Paired model code:  2 (VORN-T4Ultra)\n"));
    EXPECT_TRUE(has(radio.out, "Product code:       0x3950\n"));
    EXPECT_TRUE(has(radio.out, "0x55AA (valid)"));

    CliRun cable = vornctl({"info", "--sim", "t4ultra", "--trace"});
    ASSERT_EQ(cable.status, 0) << cable.err;
    EXPECT_EQ(requestShapes(cable.out, "03"), (std::vector<std::string>{"22@0000"}));
    EXPECT_TRUE(has(cable.out, "via the cable"));
    // The cable's byte 7 is 0, which would read as the T4Pro's code.
    EXPECT_TRUE(has(cable.out, "Paired model code:  0 (only a receiver reports a paired model)\n"));

    CliRun quiet = vornctl({"info", "--sim", "t4ultra"});
    ASSERT_EQ(quiet.status, 0);
    EXPECT_TRUE(tracedFrames(quiet.out).empty());
}

TEST_F(DeviceCommands, DeviceIsChosenBySlotOrPath) {
    CliRun bySlot = vornctl({"info", "--sim", "t4,dongle8k+t4max", "--slot", "16"});
    ASSERT_EQ(bySlot.status, 0) << bySlot.err;
    EXPECT_TRUE(has(bySlot.out, "Paired model code:  11 (VORN-T4Max)\n"));

    CliRun first = vornctl({"info", "--sim", "t4,dongle8k+t4max"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(has(first.out, "slot 4 (mouse"));
    const std::string path = lines(first.out)[1].substr(9);

    CliRun byPath = vornctl({"power", "--sim", "t4,dongle8k+t4max", "--path", path.c_str()});
    ASSERT_EQ(byPath.status, 0) << byPath.err;
    EXPECT_TRUE(has(byPath.out, "Link:        cable\n"));

    CliRun absent = vornctl({"info", "--sim", "t4", "--slot", "12"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_TRUE(has(absent.err, "no device present for slot 12"));
    CliRun event = vornctl({"info", "--sim", "t4", "--slot", "5"});
    EXPECT_EQ(event.status, 1);
    EXPECT_TRUE(has(event.err, "event collection"));
}

TEST_F(DeviceCommands, FailuresNameTheResultCodeAndExitWith1) {
    CliRun off = vornctl({"info", "--sim", "dongle8k+t4ultra:off"});
    EXPECT_EQ(off.status, 1);
    EXPECT_EQ(off.out, "");
    EXPECT_EQ(off.err, "BeginSession failed: -101 (the receiver cannot reach the mouse)\n");

    CliRun none = vornctl({"info", "--sim", "none"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(has(none.err, "no device found"));

    CliRun away = vornctl({"power", "--sim", "dongle8k+t4max:away"});
    EXPECT_EQ(away.status, 1);
    EXPECT_EQ(
        away.err,
        "QueryRadioLink failed: no answer (the mouse does not answer through the receiver)\n");
}

TEST_F(DeviceCommands, WrongUsageExitsWith2BeforeTouchingADevice) {
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"info", "--sim"},
             {"info", "--sim", "bogus"},
             {"info", "--sim", "t4", "--slot", "4", "--path", "x"},
             {"info", "--sim", "t4", "--bogus"},
             {"info", "--sim", "t4", "extra"},
             {"read-settings", "0", "--sim", "t4"},
             {"read-settings", "0", "0", "--sim", "t4"},
             {"read-settings", "0xfff0", "0x20", "--sim", "t4"},
             {"write-settings", "0x10", "0a0", "--sim", "t4"},
             {"write-settings", "0x10", "zz", "--sim", "t4"},
             {"write-settings", "0x10000", "00", "--sim", "t4"},
         }) {
        CliRun r = vornctl(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << r.err;
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_FALSE(r.err.empty());
    }
}

TEST_F(DeviceCommands, WriteSettingsSendsTheBytesAndReadSettingsPrintsThem) {
    CliRun write =
        vornctl({"write-settings", "0x10", "0a", "0b:0c", "--sim", "dongle8k+t4max", "--trace"});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_TRUE(has(write.out, "Wrote 3 bytes to the settings from 0x0010.\n"));
    std::vector<TracedFrame> frames = tracedFrames(write.out);
    ASSERT_EQ(frames.size(), 6u);
    const std::vector<std::string> expected = {"06", "03", "10", "00", "00", "0a", "0b", "0c"};
    EXPECT_EQ(std::vector<std::string>(frames[2].bytes.begin() + 3, frames[2].bytes.begin() + 11),
              expected);

    CliRun read = vornctl({"read-settings", "0", "20", "--sim", "dongle8k+t4ultra"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_TRUE(has(read.out,
                    "Settings, 20 bytes from 0x0000:\n"
                    "  0000: 00 01 03 03 00 01 ff 00 00 00 03 03 01 00 01 00\n"
                    "  0010: 90 01 90 01\n"));
}

TEST_F(DeviceCommands, ReadKeysAndPowerOfAMouse) {
    CliRun keys = vornctl({"read-keys", "--sim", "t4ultra"});
    ASSERT_EQ(keys.status, 0) << keys.err;
    EXPECT_TRUE(has(keys.out, "Key slots: 16 (blocks of 48 bytes)\n"));
    EXPECT_TRUE(has(keys.out, "Factory key block (ReadBlock):\n  slot   0: 10 01 00\n"));
    EXPECT_TRUE(has(keys.out, "Current key page (ReadPage 0):\n  slot   0: 10 01 00\n"));
    EXPECT_TRUE(has(keys.out, "  slot  15: 00 00 00\n"));

    CliRun power = vornctl({"power", "--sim", "dongle8k+t4ultra"});
    ASSERT_EQ(power.status, 0) << power.err;
    EXPECT_TRUE(has(power.out, "Battery:     80 %\n"));
    EXPECT_TRUE(has(power.out,
                    "Charging:    no\n"
                    "Link:        receiver\n"
                    "Byte 4:      0\n"
                    "Phone type:  no phone\n"));
    EXPECT_TRUE(has(power.out, "Power block: 50 00 00 01 00 00\n"));
}

TEST_F(DeviceCommands, HelpDescribesDeviceOptionsAndScenarios) {
    CliRun help = vornctl({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* text :
         {"info", "read-settings OFFSET LENGTH", "write-settings OFFSET HEXBYTES", "read-keys",
          "power", "--sim SCENARIO", "--slot N", "--path PATH", "--trace", "dongle8k+MODEL",
          ":off"}) {
        EXPECT_TRUE(has(help.out, text)) << text;
    }
}

TEST_F(DeviceCommands, NothingPastTheSettingsAreaIsSent) {
    struct Case {
        std::vector<const char*> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"read-settings", "0x2f0", "0x20", "--sim", "t4", "--trace"},
         "vornctl read-settings: 32 bytes from 0x02f0 run past the settings area, which holds "
         "768 bytes (0x0000 to 0x02ff)\n"},
        {{"read-settings", "0", "769", "--sim", "t4", "--trace"},
         "vornctl read-settings: LENGTH must be a number from 1 to 768, not '769'\n"},
        {{"read-settings", "0x300", "1", "--sim", "t4", "--trace"},
         "vornctl read-settings: OFFSET must be a number from 0 to 0x2ff (the settings area "
         "holds 768 bytes), not '0x300'\n"},
        {{"write-settings", "0x2fe", "00", "11", "22", "--sim", "dongle8k+t4", "--trace"},
         "vornctl write-settings: 3 bytes from 0x02fe run past the settings area, which holds "
         "768 bytes (0x0000 to 0x02ff)\n"},
    };
    for (const Case& c : cases) {
        CliRun r = vornctl(c.args);
        EXPECT_EQ(r.status, 2) << c.err;
        EXPECT_EQ(r.out, "") << c.err;  // no frame traced: nothing was sent
        EXPECT_EQ(r.err, c.err);
    }

    // The last bytes of the area are the device's as well.
    CliRun last = vornctl({"write-settings", "0x2fd", "00", "11", "22", "--sim", "t4"});
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_TRUE(has(last.out, "Wrote 3 bytes to the settings from 0x02fd.\n"));
    CliRun whole = vornctl({"read-settings", "0", "768", "--sim", "t4"});
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_TRUE(has(whole.out, "  02f0: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"));
}

TEST_F(DeviceCommands, InfoNamesThePairedModelOfTheCatalogue) {
    CliRun pro = vornctl({"info", "--sim", "dongle8k+t4pro"});
    ASSERT_EQ(pro.status, 0) << pro.err;
    EXPECT_TRUE(has(pro.out, "Paired model code:  0 (VORN-T4Pro)\n"));
    CliRun own = vornctl({"info", "--sim", "t4@own"});
    ASSERT_EQ(own.status, 0) << own.err;
    EXPECT_TRUE(has(own.out, "via the receiver"));
    EXPECT_TRUE(has(own.out, "Paired model code:  1 (VORN-T4)\n"));
}

TEST_F(DeviceCommands, ScenariosTheCatalogueNeverBindsAreRefusedInWords) {
    for (const char* command : {"info", "power", "read-keys"}) {
        CliRun r = vornctl({command, "--sim", "t4ultra@own"});
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err,
                  "vornctl: no device found: the catalogue has no slot for \"VORN-T4Ultra\" with "
                  "product id 22ba, so no command can reach it\n");
    }
    // A device the catalogue binds is still found beside one it never binds.
    CliRun mixed = vornctl({"info", "--sim", "t4max@own,t4pro"});
    EXPECT_EQ(mixed.status, 0) << mixed.err;
    EXPECT_TRUE(has(mixed.out, "\"VORN-T4Pro\", via the cable"));

    CliRun help = vornctl({"--help"});
    EXPECT_TRUE(has(help.out,
                    "Never bound, as the catalogue has no slot for them (list marks them, the "
                    "device\ncommands refuse them):\n  t4ultra@own\n  t4max@own\n\n"));
}
