#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "CliRun.h"
#include "cli/Cli.h"

using vorn::test::CliRun;
using vorn::test::vornctl;

namespace {

// An output that takes no byte, as standard output on a full disk.
class FullBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

CliRun vornctlIntoFullOutput(std::vector<const char*> args) {
    args.insert(args.begin(), "vornctl");
    FullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    const int status = vorn::cli::runVornctl(static_cast<int>(args.size()), args.data(), out, err);
    return {status, "", err.str()};
}

constexpr char kOutputLost[] = "vornctl: the output could not be written (is the disk full?)\n";

}  // namespace

TEST(ExitStatus, EveryUsageErrorGivesTwo) {
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {},
             {"frobnicate"},
             {"catalogue", "extra"},
             {"list", "--sim", "t4@far"},
             {"list", "extra"},
             {"info", "--sim", ""},
             {"power", "--sim", "dongle8k:off"},
             {"read-keys", "--sim", "t4,,t4"},
             {"read-settings", "x", "1", "--sim", "t4"},
             {"profile", "list"},
         }) {
        const CliRun r = vornctl(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]) << ": " << r.err;
    }
}

TEST(ExitStatus, ALostOutputIsAFailure) {
    CliRun r = vornctlIntoFullOutput({"catalogue"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, kOutputLost);
    r = vornctlIntoFullOutput({"list", "--sim", "t4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, kOutputLost);
    r = vornctlIntoFullOutput({"--help"});
    EXPECT_EQ(r.status, 1);

    // A command that failed keeps its own status; one that wrote nothing has lost nothing.
    r = vornctlIntoFullOutput({"catalogue", "extra"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vornctl catalogue: takes no arguments\n");
    EXPECT_EQ(vornctl({"catalogue"}).status, 0);
}

TEST(SimCommand, UsageErrorsExitWithTwoAndNoRunningProgramWithOne) {
    using vorn::test::vornctl;
    auto r = vornctl({"sim"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("vornctl sim: no command (plug, unplug, power or cable)\n", 0), 0u)
        << r.err;
    r = vornctl({"sim", "power", "t4", "maybe"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("vornctl sim: power takes on or off\n", 0), 0u) << r.err;
    // No vorn owns its bus name here (or there is no bus at all): a failure, in words.
    r = vornctl({"sim", "unplug", "t4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err == "vornctl sim: vorn is not running (start it with vorn --demo)\n" ||
                r.err.rfind("vornctl sim: no session bus", 0) == 0)
        << r.err;
}
