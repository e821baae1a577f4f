#include <gtest/gtest.h>

#include <sstream>

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
    EXPECT_EQ(runVornctlArgs({"list", "--sim", "t5"}, out, err), 1);
    EXPECT_NE(err.find("unknown device 't5'"), std::string::npos);
    EXPECT_EQ(runVornctlArgs({"list", "--sim"}, out, err), 2);
    EXPECT_EQ(runVornctlArgs({"list", "--bogus"}, out, err), 2);
}
