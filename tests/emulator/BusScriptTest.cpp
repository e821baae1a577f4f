#include <gtest/gtest.h>

#include "emulator/BusScript.h"
#include "emulator/Scenario.h"

using namespace vorn::emulator;

namespace {

std::string run(VirtualBus& bus, std::vector<std::string> words, bool expectOk = true) {
    BusScriptCommand command;
    std::string error;
    if (!parseBusScript(words, command, error)) {
        ADD_FAILURE() << error;
        return error;
    }
    bool ok = false;
    std::string said = runBusScript(bus, command, ok);
    EXPECT_EQ(ok, expectOk) << said;
    return said;
}

std::string refusal(std::vector<std::string> words) {
    BusScriptCommand command;
    std::string error;
    EXPECT_FALSE(parseBusScript(words, command, error));
    return error;
}

}  // namespace

TEST(BusScript, PlugUnplugPowerAndCableOnARunningBus) {
    std::string error;
    auto bus = buildBusFromScenario("none", error);
    ASSERT_TRUE(bus);
    EXPECT_EQ(run(*bus, {"plug", "t4,dongle8k+t4max:off"}), "plugged t4,dongle8k+t4max:off");
    EXPECT_EQ(bus->deviceCount(), 2);
    EXPECT_FALSE(bus->mouseStatus(1).poweredOn);
    EXPECT_EQ(run(*bus, {"power", "T4Max", "on"}), "T4Max switched on");
    EXPECT_TRUE(bus->mouseStatus(1).poweredOn);
    EXPECT_EQ(run(*bus, {"cable", "t4max", "in"}), "t4max cable plugged in");
    EXPECT_TRUE(bus->mouseStatus(1).cablePlugged);
    EXPECT_EQ(run(*bus, {"cable", "t4max", "out"}), "t4max cable pulled out");

    EXPECT_EQ(run(*bus, {"unplug", "t4"}), "unplugged t4");
    EXPECT_FALSE(bus->mouseStatus(0).cablePlugged);
    EXPECT_EQ(run(*bus, {"unplug", "t4"}, false), "no t4 is plugged in");
    EXPECT_EQ(run(*bus, {"unplug", "dongle8k"}), "unplugged dongle8k");
    EXPECT_EQ(run(*bus, {"power", "t4ultra", "on"}, false), "no t4ultra on the emulated bus");
    EXPECT_EQ(run(*bus, {"plug", "bogus"}, false),
              "scenario 'bogus': unknown device 'bogus' (devices: t4, t4pro, t4ultra, t4max, "
              "dongle8k)");
}

TEST(BusScript, WordsThatCannotBeReadAreRefusedInWords) {
    EXPECT_EQ(refusal({}), "no command (plug, unplug, power or cable)");
    EXPECT_EQ(refusal({"jump"}), "unknown command 'jump' (plug, unplug, power or cable)");
    EXPECT_EQ(refusal({"plug"}), "plug takes one argument");
    EXPECT_EQ(refusal({"power", "t4"}), "power takes a model and a state");
    EXPECT_EQ(refusal({"power", "t4", "maybe"}), "power takes on or off");
    EXPECT_EQ(refusal({"cable", "t4", "on"}), "cable takes in or out");
    EXPECT_EQ(refusal({"power", "dongle8k", "on"}),
              "no mouse model 'dongle8k' (t4, t4pro, t4ultra or t4max)");
    EXPECT_EQ(refusal({"unplug", "x9"}), "no model 'x9' (t4, t4pro, t4ultra, t4max or dongle8k)");
}
