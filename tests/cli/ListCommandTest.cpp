#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

using namespace vorn::cli;

namespace {

int runVornctlArgs(std::vector<const char*> args, std::string& out, std::string& err) {
    args.insert(args.begin(), "vornctl");
    std::ostringstream o, e;
    int rc = runVornctl(static_cast<int>(args.size()), args.data(), o, e);
    out = o.str();
    err = e.str();
    return rc;
}

}  // namespace

TEST(ListCommand, SimulatedReceiverAndCableMouseClaimTheirSlotsInBusOrder) {
    std::string out, err;
    ASSERT_EQ(runVornctlArgs({"list", "--sim", "dongle8k+t4ultra,t4,t4"}, out, err), 0) << err;
    // Receiver command and event collections, then the first cable T4's; the second T4
    // finds its slots taken.
    EXPECT_NE(out.find("collection 4  usage ff1c:0092  in 64  out 64  feature 0  slot 16"),
              std::string::npos);
    EXPECT_NE(out.find("slot 17"), std::string::npos);
    EXPECT_NE(out.find("slot 4\n"), std::string::npos);
    EXPECT_NE(out.find("slot 5\n"), std::string::npos);
    EXPECT_EQ(out.find("slot 6"), std::string::npos);
    EXPECT_NE(out.find("12 HID collections"), std::string::npos);
}

TEST(ListCommand, MalformedScenarioAndMissingValueAreRefused) {
    std::string out, err;
    EXPECT_EQ(runVornctlArgs({"list", "--sim", "t5"}, out, err), 2);
    EXPECT_EQ(err,
              "vornctl list: scenario 't5': unknown device 't5' (devices: t4, t4pro, t4ultra, "
              "t4max, dongle8k)\n");
    EXPECT_EQ(out, "");
    EXPECT_EQ(runVornctlArgs({"list", "--sim", "dongle8k+"}, out, err), 2);
    EXPECT_EQ(runVornctlArgs({"list", "--sim="}, out, err), 2);
    EXPECT_EQ(runVornctlArgs({"list", "--sim"}, out, err), 2);
    EXPECT_EQ(runVornctlArgs({"list", "--bogus"}, out, err), 2);
}

namespace {

// The lines printed below the command collection (collection 4) of each device, in order.
std::vector<std::string> commandCollectionNotes(const std::string& out) {
    std::vector<std::string> notes;
    std::istringstream in(out);
    bool below = false;
    for (std::string line; std::getline(in, line);) {
        if (line.find("collection 4  usage ff1c:0092") != std::string::npos) {
            below = true;
            notes.push_back(line.substr(line.rfind("slot ")));
        } else if (line.rfind("    ", 0) != 0 || line.find("  collection ") != std::string::npos) {
            below = false;
        } else if (below && line.rfind("    product ", 0) != 0) {
            notes.push_back(line.substr(4));
        }
    }
    return notes;
}

}  // namespace

TEST(ListCommand, ReceiversNameTheirMouseAndUnboundDevicesSayWhy) {
    std::string out, err;
    ASSERT_EQ(
        runVornctlArgs({"list", "--sim", "dongle8k+t4max:off,t4ultra@own,dongle8k,t4@own:away"},
                       out, err),
        0)
        << err;
    EXPECT_EQ(commandCollectionNotes(out),
              (std::vector<std::string>{
                  "slot 16",
                  "paired with VORN-T4Max (model code 11), switched off",
                  "slot -",
                  "paired with VORN-T4Ultra (model code 2)",
                  "never bound: the catalogue has no slot for \"VORN-T4Ultra\" with product id "
                  "22ba, so no command can reach it",
                  "slot -",  // the first receiver holds the receiver's slot
                  "paired with no mouse",
                  "slot 6",
                  "paired with VORN-T4 (model code 1), out of reach",
              }));
    // A cable mouse has no pairing to tell.
    ASSERT_EQ(runVornctlArgs({"list", "--sim", "t4pro"}, out, err), 0) << err;
    EXPECT_EQ(commandCollectionNotes(out), (std::vector<std::string>{"slot 8"}));
}
