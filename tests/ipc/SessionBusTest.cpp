// The session bus as the program and its companions use it. The tests run on the private
// bus that the test run starts (dbus-run-session); without one they are skipped.

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "platform/ipc/BusNames.h"
#include "platform/ipc/SessionBus.h"
#include "platform/ipc/SleepWatcher.h"

using namespace vorn::platform::ipc;

namespace {

#define CONNECT_OR_SKIP(var)                                                     \
    std::unique_ptr<SessionBus> var = SessionBus::connect();                     \
    if (!var) {                                                                  \
        GTEST_SKIP() << "no session bus (run the tests under dbus-run-session)"; \
    }

// Dispatches bus until done() holds or about two seconds passed.
template <class Done>
bool dispatchUntil(SessionBus& bus, Done done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        bus.waitAndDispatch(10);
    }
    return done();
}

}  // namespace

TEST(SessionBus, FirstConnectionOwnsTheNameAndALaterOneIsToldItIsTaken) {
    CONNECT_OR_SKIP(first);
    CONNECT_OR_SKIP(second);
    const std::string name = std::string(kApplicationName) + ".Test1";
    EXPECT_EQ(first->claimName(name), NameClaim::Owned);
    EXPECT_EQ(second->claimName(name), NameClaim::HeldByAnother);
    first.reset();  // the first instance ends: the name is free again
    EXPECT_EQ(second->claimName(name), NameClaim::Owned);
}

TEST(SessionBus, RegisteredMessagesReachEveryListenerWithTheirParameters) {
    CONNECT_OR_SKIP(receiver);
    CONNECT_OR_SKIP(sender);
    std::vector<RegisteredSignal> got;
    ASSERT_EQ(receiver->listen([&](const RegisteredSignal& s) { got.push_back(s); }), 0);

    const char* request = "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";
    ASSERT_EQ(sender->broadcast(request, 1, 0x100000001LL), 0);
    ASSERT_EQ(sender->broadcast("Game_Start", 0xFFFFFFFFu, -3), 0);
    ASSERT_TRUE(dispatchUntil(*receiver, [&] { return got.size() >= 2; }));
    EXPECT_EQ(got[0].name, request);
    EXPECT_EQ(got[0].wParam, 1u);
    EXPECT_EQ(got[0].lParam, 0x100000001LL);
    EXPECT_EQ(got[0].sender, sender->uniqueName());
    EXPECT_EQ(got[1].name, "Game_Start");
    EXPECT_EQ(got[1].wParam, 0xFFFFFFFFu);
    EXPECT_EQ(got[1].lParam, -3);
}

TEST(SessionBus, SignalFromAScriptArrivesAsWell) {
    CONNECT_OR_SKIP(receiver);
    std::optional<RegisteredSignal> got;
    ASSERT_EQ(receiver->listen([&](const RegisteredSignal& s) { got = s; }), 0);
    const int status = std::system(
        "gdbus emit --session --object-path /io/vorn/Vorn "
        "--signal io.vorn.Messages1.Registered \"'Game_Death'\" 'uint32 2' 'int64 7' "
        ">/dev/null 2>&1");
    if (status != 0) {
        GTEST_SKIP() << "gdbus is not installed";
    }
    ASSERT_TRUE(dispatchUntil(*receiver, [&] { return got.has_value(); }));
    EXPECT_EQ(got->name, "Game_Death");
    EXPECT_EQ(got->wParam, 2u);
    EXPECT_EQ(got->lParam, 7);
}

TEST(SessionBus, CopyDataHandsOverTheExactBytesAndAnAbsentPeerIsSaidSo) {
    CONNECT_OR_SKIP(tool);
    CONNECT_OR_SKIP(application);
    const std::string name = std::string(kWorkToolName) + ".Test4";
    ASSERT_EQ(tool->claimName(name), NameClaim::Owned);
    std::vector<CopyDataCall> calls;
    ASSERT_EQ(
        tool->offerCopyData(kWorkToolPath, [&](const CopyDataCall& c) { calls.push_back(c); }), 0);

    // The tool answers on its own thread while the application waits for the answer.
    std::atomic<bool> stop{false};
    std::thread serve([&] {
        while (!stop) {
            tool->waitAndDispatch(10);
        }
    });
    const std::vector<std::uint8_t> block = {2, 3, 0, 2, 5, 0, 0xFF};
    EXPECT_EQ(application->copyData(name, kWorkToolPath, 5, block, 2000), 0);
    EXPECT_EQ(application->copyData(name, kWorkToolPath, 9, {}, 2000), 0);
    stop = true;
    serve.join();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].dwData, 5u);
    EXPECT_EQ(calls[0].data, block);
    EXPECT_EQ(calls[0].sender, application->uniqueName());
    EXPECT_EQ(calls[1].dwData, 9u);
    EXPECT_TRUE(calls[1].data.empty());

    EXPECT_EQ(application->copyData(std::string(kAudioRecordName) + ".Absent", kAudioRecordPath, 2,
                                    block, 500),
              -ENOENT);
}

TEST(SessionBus, ASignalForOneProgramReachesOnlyIt) {
    CONNECT_OR_SKIP(audio);
    CONNECT_OR_SKIP(other);
    CONNECT_OR_SKIP(application);
    const std::string name = std::string(kAudioRecordName) + ".Test5";
    ASSERT_EQ(audio->claimName(name), NameClaim::Owned);
    EXPECT_TRUE(application->hasOwner(name));
    EXPECT_FALSE(application->hasOwner(name + ".Nobody"));
    std::vector<RegisteredSignal> toAudio, toOther;
    audio->listen([&](const RegisteredSignal& s) { toAudio.push_back(s); });
    other->listen([&](const RegisteredSignal& s) { toOther.push_back(s); });

    ASSERT_EQ(application->signalTo(name, "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}", 4, 0), 0);
    ASSERT_TRUE(dispatchUntil(*audio, [&] { return !toAudio.empty(); }));
    EXPECT_EQ(toAudio[0].wParam, 4u);
    other->waitAndDispatch(100);
    EXPECT_TRUE(toOther.empty());
    EXPECT_EQ(application->signalTo(name + ".Nobody", "x", 0, 0), -ENOENT);
}

TEST(SleepWatcher, SuspendAndResumeAsTheLoginManagerAnnouncesThem) {
    std::vector<bool> seen;
    auto watcher = SleepWatcher::watch([&](bool suspending) { seen.push_back(suspending); },
                                       SleepWatcher::Bus::Session);
    if (!watcher) {
        GTEST_SKIP() << "no session bus (run the tests under dbus-run-session)";
    }
    const char* emit =
        "gdbus emit --session --object-path /org/freedesktop/login1 "
        "--signal org.freedesktop.login1.Manager.PrepareForSleep %s >/dev/null 2>&1";
    char command[256];
    std::snprintf(command, sizeof command, emit, "true");
    if (std::system(command) != 0) {
        GTEST_SKIP() << "gdbus is not installed";
    }
    std::snprintf(command, sizeof command, emit, "false");
    ASSERT_EQ(std::system(command), 0);
    for (int i = 0; i < 200 && seen.size() < 2; ++i) {
        watcher->waitAndDispatch(10);
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(SessionBus, ControlCallsAreAnsweredInWords) {
    CONNECT_OR_SKIP(program);
    CONNECT_OR_SKIP(tool);
    const std::string name = std::string(kApplicationName) + ".Test8";
    ASSERT_EQ(program->claimName(name), NameClaim::Owned);
    std::vector<std::string> heard;
    std::vector<std::string> methods;
    ASSERT_EQ(program->offerControl(
                  kApplicationPath,
                  [&](const std::string& method, const std::vector<std::string>& words) {
                      methods.push_back(method);
                      heard = words;
                      return SessionBus::ControlAnswer{
                          true, method == "Sim" ? "unplugged t4" : "2 devices"};
                  }),
              0);
    std::atomic<bool> stop{false};
    std::thread serve([&] {
        while (!stop) {
            program->waitAndDispatch(10);
        }
    });
    SessionBus::ControlAnswer answer;
    SessionBus::ControlAnswer devices;
    EXPECT_EQ(tool->callControl(name, kApplicationPath, kCommandMethod, {"devices"}, 2000, devices),
              0);
    EXPECT_EQ(tool->callControl(name, kApplicationPath, kSimMethod, {"unplug", "t4"}, 2000, answer),
              0);
    EXPECT_EQ(tool->callControl(name + ".Nobody", kApplicationPath, kSimMethod, {"x"}, 500, answer),
              -ENOENT);
    stop = true;
    serve.join();
    EXPECT_EQ(methods, (std::vector<std::string>{"Command", "Sim"}));
    EXPECT_EQ(heard, (std::vector<std::string>{"unplug", "t4"}));
    EXPECT_EQ(devices.text, "2 devices");
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.text, "unplugged t4");
}

#include "platform/ipc/DeviceLines.h"

TEST(DeviceLines, RoundTripKeepsEveryFieldAndOddTextIsRefused) {
    const std::vector<DeviceLine> lines = {
        {"VORN-T4", "cable", 80, true, "Profile\t1", true},
        {"VORN-T4Ultra", "receiver", -1, false, "", false},
    };
    const std::string text = encodeDeviceLines(lines);
    EXPECT_EQ(text, "VORN-T4\tcable\t80\t1\tProfile 1\t1\nVORN-T4Ultra\treceiver\t-1\t0\t\t0\n");
    const auto back = decodeDeviceLines(text);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[0].profile, "Profile 1");  // a tab in a name cannot split the line
    EXPECT_EQ((*back)[0].battery, 80);
    EXPECT_TRUE((*back)[0].charging);
    EXPECT_EQ((*back)[1].link, "receiver");
    EXPECT_FALSE((*back)[1].selected);
    EXPECT_TRUE(decodeDeviceLines("")->empty());
    EXPECT_FALSE(decodeDeviceLines("VORN-T4\tcable\n").has_value());
    EXPECT_FALSE(decodeDeviceLines("VORN-T4\tcable\tfull\t0\tP\t1\n").has_value());
}
