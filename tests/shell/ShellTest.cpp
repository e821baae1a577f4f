// The program's shell on a private session bus: one instance, the registered messages of
// other programs reaching the main window, and the command line.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <thread>

#include "platform/ipc/BusNames.h"
#include "shell/BusCompanionLink.h"
#include "shell/MessageBridge.h"
#include "shell/SingleInstance.h"
#include "shell/StartOptions.h"
#include "support/TempHome.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/TrayIcon.h"
#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/MainWnd.h"

using namespace vorn;
using namespace vorn::shell;

namespace {

const std::string kResources = std::string(VORN_SOURCE_DIR) + "/resources";
// Each test program has a name of its own on the shared test bus, as the program has its one.
const std::string kBusName = "io.vorn.VornTest" + std::to_string(::getpid());

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::CPaintManagerUI::SetResourcePath(kResources + "/skin");
        ui::headlessTrayHost().setAvailable(true);
        instance = claimSingleInstance((home.root() / "vorn.lock").string(), kBusName);
        if (!instance.bus) {
            GTEST_SKIP() << "no session bus (run the tests under dbus-run-session)";
        }
        ASSERT_EQ(instance.role, InstanceRole::First);
        companions = std::make_unique<BusCompanionLink>(*instance.bus);
        openWindow();
        ASSERT_TRUE(bridge->listening());
    }
    // The main window through its first display, with the bus's messages bridged to it.
    void openWindow() {
        ui::mainwnd::MainWndEnvironment env;
        env.companions = companions.get();
        env.defaultDataFolder = kResources + "/DefaultData/";
        window = std::make_unique<ui::mainwnd::CMainWnd>(env);
        ASSERT_TRUE(
            window->Create(nullptr, ui::mainwnd::kAppIdentity, ui::WS_POPUP, 0, 0, 0, 800, 572));
        window->ShowWindow(true);
        loop.loop().runPending();
        bridge = std::make_unique<MessageBridge>(*instance.bus, *window);
    }
    void TearDown() override {
        bridge.reset();
        window.reset();
        companions.reset();
        instance = {};
        ui::CResourceManager::GetInstance().ResetTextMap();
        ui::CPaintManagerUI::SetResourcePath("");
        ui::CPaintManagerUI::SetAllDPI(96);
    }
    // Dispatches the bus and the loop until done() or about two seconds passed.
    template <class Done>
    bool pumpUntil(Done done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            instance.bus->waitAndDispatch(10);
            loop.loop().runPending();
        }
        return done();
    }

    test::TempHome home;
    ui::ScopedManualUiLoop loop;
    SingleInstance instance;
    std::unique_ptr<BusCompanionLink> companions;
    std::unique_ptr<ui::mainwnd::CMainWnd> window;
    std::unique_ptr<MessageBridge> bridge;
};

}  // namespace

TEST_F(ShellTest, SecondStartEndsWithZeroAndTheFirstWindowComesBack) {
    ASSERT_FALSE(window->IsWindowVisible());  // in the tray
    const std::string lock = (home.root() / "other.lock").string();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance second = claimSingleInstance(lock, kBusName);
        _exit(second.role == InstanceRole::Second ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(pumpUntil([&] { return window->IsWindowVisible(); }));
    EXPECT_FALSE(window->IsIconic());
    EXPECT_FALSE(window->IsTopmost());
}

TEST_F(ShellTest, RegisteredMessageFromAScriptReachesTheWindowWithItsParameters) {
    ASSERT_TRUE(window->GetLightControlFlag());
    const int r = std::system(
        "gdbus emit --session --object-path /io/vorn/Vorn --signal io.vorn.Messages1.Registered "
        "\"'{4695579F-999A-41d4-9FAF-EFFCE93EBF17}'\" 'uint32 1' 'int64 0' >/dev/null 2>&1");
    if (r != 0) {
        GTEST_SKIP() << "gdbus is not installed";
    }
    ASSERT_TRUE(pumpUntil([&] { return !window->GetLightControlFlag(); }));
    // A name this program never registered means nothing to it.
    std::system(
        "gdbus emit --session --object-path /io/vorn/Vorn --signal io.vorn.Messages1.Registered "
        "\"'Unknown_Name'\" 'uint32 1' 'int64 1' >/dev/null 2>&1");
    pumpUntil([] { return false; });
    EXPECT_FALSE(window->GetLightControlFlag());
}

TEST_F(ShellTest, CopyDataFromAnotherProgramArrivesAndAnEmptyBlockIsIgnored) {
    auto peer = platform::ipc::SessionBus::connect();
    ASSERT_TRUE(peer);
    std::atomic<bool> done{false};
    std::thread caller([&] {
        const std::uint8_t samples[] = {9, 8, 7};
        peer->copyData(kBusName, platform::ipc::kApplicationPath, 0, {}, 2000);
        peer->copyData(kBusName, platform::ipc::kApplicationPath, 1, samples, 2000);
        done = true;
    });
    pumpUntil([&] { return done.load(); });
    caller.join();
    EXPECT_EQ(window->GetAudioBuffer(0), (std::vector<std::uint8_t>{9, 8, 7}));
}

TEST(StartOptions, UnderstoodArgumentsAndClearRefusals) {
    std::ostringstream err;
    auto o = parseStartOptions({"--demo", "--lang", "zh", "--screenshot", "main.png"}, err);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->demo, std::string(kDefaultDemoScenario));
    EXPECT_EQ(o->language, "zh");
    EXPECT_EQ(o->screenshot, "main.png");
    o = parseStartOptions({"--demo=t4"}, err);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->demo, std::string("t4"));

    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    for (const Case& c : {Case{{"--lang", "fr"}, "vorn: --lang takes en or zh, not 'fr'\n"},
                          Case{{"--screenshot"}, "vorn: --screenshot needs a value\n"},
                          Case{{"--demo="}, "vorn: --demo: the scenario is empty\n"},
                          Case{{"-x"}, "vorn: unknown argument '-x' (see vorn --help)\n"}}) {
        std::ostringstream refused;
        EXPECT_FALSE(parseStartOptions(c.args, refused)) << c.args[0];
        EXPECT_EQ(refused.str(), c.message);
    }
    std::ostringstream refused;
    EXPECT_FALSE(parseStartOptions({"--demo=bogus"}, refused));
    EXPECT_EQ(refused.str().rfind("vorn: --demo: scenario 'bogus'", 0), 0u) << refused.str();
}

#include "emulator/Scenario.h"
#include "shell/SimControl.h"

TEST(SimControl, WordsDriveTheEmulatedBusOrAreRefusedWithoutOne) {
    auto refused = answerSim(nullptr, {"unplug", "t4"});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.text, "vorn does not run on emulated devices (start it with vorn --demo)");
    std::string error;
    auto bus = emulator::buildBusFromScenario("t4", error);
    auto done = answerSim(bus.get(), {"unplug", "t4"});
    EXPECT_TRUE(done.ok);
    EXPECT_EQ(done.text, "unplugged t4");
    EXPECT_FALSE(bus->devicePlugged(0));
    auto unread = answerSim(bus.get(), {"fly"});
    EXPECT_FALSE(unread.ok);
    EXPECT_EQ(unread.text, "unknown command 'fly' (plug, unplug, power or cable)");
}

#include "shell/ControlClasses.h"
#include "shell/ControlCommands.h"

TEST_F(ShellTest, DevicesAreListedOnlyOnceShownAndUnknownCommandsAreRefused) {
    // A window whose layouts know the program's controls, as the program registers them.
    bridge.reset();
    window.reset();
    registerControlClasses();
    openWindow();
    // The catalogue's pages exist, none of their devices is connected.
    ASSERT_NE(window->GetSelector(), nullptr);
    ASSERT_EQ(window->GetSelector()->entryCount(), 5);
    auto none = answerCommand(*window, {"devices"});
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.text, "");
    window->GetSelector()->selectDeviceTile(1, true, true);
    auto one = answerCommand(*window, {"devices"});
    // The profile its list selects, though the list was read while the page was hidden.
    EXPECT_EQ(one.text, "VORN-T4\tnot linked\t-1\t0\tProfile1\t1\n");
    auto refused = answerCommand(*window, {"mouse", "fly"});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.text, "unknown command 'fly'");
    EXPECT_FALSE(answerCommand(*window, {"fly"}).ok);
    EXPECT_TRUE(answerCommand(*window, {"window", "show"}).ok);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(answerCommand(*window, {"window", "hide"}).text, "the window is in the tray");
    EXPECT_FALSE(window->IsWindowVisible());
}
