#include <gtest/gtest.h>

#include "EmulatorTestSupport.h"
#include "emulator/Scenario.h"

using namespace vorn::emulator;
using namespace vorn::test;

TEST(Scenario, GoodStringsBuildTheirDevices) {
    std::string error;
    auto bus = buildBusFromScenario("t4", error);
    ASSERT_NE(bus, nullptr) << error;
    EXPECT_EQ(bus->deviceCount(), 1);
    EXPECT_EQ(bus->deviceKind(0), DeviceKind::CableMouse);
    EXPECT_NE(bus->collectionPath(0, 4).find("pid_22b6"), std::string::npos);

    bus = buildBusFromScenario("dongle8k+t4ultra", error);
    ASSERT_NE(bus, nullptr) << error;
    EXPECT_EQ(bus->deviceCount(), 1);
    EXPECT_EQ(bus->deviceKind(0), DeviceKind::Receiver8K);
    EXPECT_EQ(bus->mouseStatus(0).model, "t4ultra");
    EXPECT_TRUE(bus->mouseStatus(0).poweredOn);

    bus = buildBusFromScenario(" t4 , DONGLE8K+T4Max:off ", error);
    ASSERT_NE(bus, nullptr) << error;
    EXPECT_EQ(bus->deviceCount(), 2);
    EXPECT_EQ(bus->mouseOfDevice(1), 1);
    EXPECT_EQ(bus->mouseStatus(1).model, "t4max");
    EXPECT_FALSE(bus->mouseStatus(1).poweredOn);

    bus = buildBusFromScenario("t4ultra@own:away,dongle8k", error);
    ASSERT_NE(bus, nullptr) << error;
    EXPECT_EQ(bus->deviceKind(0), DeviceKind::OwnReceiver);
    EXPECT_NE(bus->collectionPath(0, 3).find("pid_22ba"), std::string::npos);
    EXPECT_FALSE(bus->mouseStatus(0).inReach);
    EXPECT_EQ(bus->mouseOfDevice(1), -1);

    bus = buildBusFromScenario("dongle8k+t4pro:cable:off", error);
    ASSERT_NE(bus, nullptr) << error;
    EXPECT_EQ(bus->deviceCount(), 2);
    EXPECT_EQ(bus->deviceKind(1), DeviceKind::CableMouse);
    EXPECT_TRUE(bus->mouseStatus(0).cablePlugged);

    bus = buildBusFromScenario("none", error);
    ASSERT_NE(bus, nullptr) << error;
    EXPECT_TRUE(bus->enumerate().empty());
}

TEST(Scenario, BadStringsSayWhatIsWrong) {
    struct Case {
        const char* scenario;
        const char* mention;
    };
    for (Case c : {Case{"", "empty"}, Case{"t5", "'t5'"}, Case{"t4,,t4pro", "empty device"},
                   Case{"t4:off", "receiver"}, Case{"dongle8k+", "names no mouse"},
                   Case{"dongle8k+t9", "'t9'"}, Case{"dongle8k+t4@own", "own receiver"},
                   Case{"t4pro+t4", "only dongle8k"}, Case{"t4ultra@usb", "'@usb'"},
                   Case{"dongle8k+t4:off:off", "twice"}, Case{"dongle8k:off", "no suffix"},
                   Case{"dongle8k+t4:fast", "':fast'"}}) {
        SCOPED_TRACE(c.scenario);
        std::string error;
        EXPECT_EQ(buildBusFromScenario(c.scenario, error), nullptr);
        EXPECT_NE(error.find(c.mention), std::string::npos) << error;
    }
}

TEST(Scenario, HelpTextNamesEveryForm) {
    std::string help = scenarioHelpText();
    for (const char* form :
         {"t4max", "dongle8k+MODEL", "@own", ":off", ":away", ":cable", "none"}) {
        EXPECT_NE(help.find(form), std::string::npos) << form;
    }
}
