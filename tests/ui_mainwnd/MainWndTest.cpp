// The main window on the manual loop: start, tray, scale, language, light control, the
// messages of other programs, suspend and shutdown.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "emulator/Scenario.h"
#include "platform/debug/DebugSink.h"
#include "platform/hid/HidBackend.h"
#include "platform/settings/Autostart.h"
#include "platform/settings/SettingsStore.h"
#include "platform/shell/FileDialogs.h"
#include "support/TempHome.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/controls/Menu.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/TrayIcon.h"
#include "ui/framework/windows/WindowHost.h"
#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/MainWnd.h"

using namespace vorn;
using namespace vorn::ui;
using namespace vorn::ui::mainwnd;
namespace fs = std::filesystem;

namespace {

const std::string kResources = std::string(VORN_SOURCE_DIR) + "/resources";

struct Sent {
    std::string what;  // "broadcast", "send" or "copy"
    std::string name;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    std::vector<std::uint8_t> data;
};

class RecordingCompanions final : public ICompanionLink {
  public:
    void broadcast(std::string_view name, std::uint32_t w, std::int64_t l) override {
        sent.push_back({"broadcast", std::string(name), w, l, {}});
    }
    bool isRunning(Companion who) override {
        return who == Companion::WorkTool ? workTool : audioRecord;
    }
    bool send(Companion, std::string_view name, std::uint32_t w, std::int64_t l) override {
        sent.push_back({"send", std::string(name), w, l, {}});
        return audioRecord;
    }
    bool copyData(Companion, std::uint64_t dwData, std::span<const std::uint8_t> data) override {
        sent.push_back({"copy", {}, dwData, 0, {data.begin(), data.end()}});
        return workTool;
    }
    std::vector<Sent> sent;
    bool workTool = false;
    bool audioRecord = false;
};

class MainWndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath(kResources + "/skin");
        headlessWindowHost().setScreen({0, 0, 1920, 1080}, {0, 0, 1920, 1040});
        headlessTrayHost().setAvailable(true);
    }
    void TearDown() override {
        window.reset();
        CResourceManager::GetInstance().ResetTextMap();
        CPaintManagerUI::SetResourcePath("");
        headlessTrayHost().setAvailable(true);
        CPaintManagerUI::SetAllDPI(96);
    }

    // Creates the window as the program does and lets its first display run.
    CMainWnd& start() {
        MainWndEnvironment env;
        env.companions = &companions;
        env.settings = &settings;
        env.defaultDataFolder = kResources + "/DefaultData/";
        env.userFolder = (home.root() / "user/").string();
        env.programPath = "/opt/vorn \"1\"/vorn";
        env.scanDevices = scanDevices;
        window = std::make_unique<CMainWnd>(env);
        EXPECT_TRUE(
            window->Create(nullptr, kAppIdentity, WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 572));
        window->ShowWindow(true);
        ui.loop().runPending();
        return *window;
    }
    CControlUI* control(const char* name) { return window->GetPaintManager().FindControl(name); }
    void post(std::uint32_t message, std::uintptr_t w = 0, std::intptr_t l = 0) {
        window->PostMessage(message, w, l);
        ui.loop().runPending();
    }

    test::TempHome home;
    ScopedManualUiLoop ui;
    RecordingCompanions companions;
    platform::SettingsStore settings{(home.root() / "settings.json").string()};
    std::unique_ptr<CMainWnd> window;
    bool scanDevices = false;
};

}  // namespace

TEST_F(MainWndTest, StartAnnouncesLightControlHidesIntoTheTrayAndFitsTheScale) {
    CMainWnd& w = start();
    ASSERT_FALSE(companions.sent.empty());
    EXPECT_EQ(companions.sent[0].what, "broadcast");
    EXPECT_EQ(companions.sent[0].name, "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}");
    EXPECT_EQ(companions.sent[0].wParam, 1u);
    EXPECT_EQ(companions.sent[0].lParam, 1);
    EXPECT_TRUE(w.GetTrayIcon().IsVisible());
    EXPECT_EQ(w.GetTrayIcon().GetTooltipText(), "VORN  8K Gaming Mouse");
    EXPECT_FALSE(w.IsWindowVisible());
    EXPECT_EQ(w.GetScreenSize().cx, 1920);

    ui.loop().advance(99);
    EXPECT_EQ(w.GetScale(), 96);
    ui.loop().advance(1);  // the first fit, 100 ms after the first display
    EXPECT_EQ(w.GetScale(), 144);
    EXPECT_FALSE(w.IsWindowVisible());  // fitted, still in the tray

    // The tray icon's left click shows it fitted; a second one hides it again.
    w.GetTrayIcon().OnTrayMouse(WM_LBUTTONUP);
    ui.loop().runPending();
    EXPECT_TRUE(w.IsWindowVisible());
    EXPECT_EQ(w.GetClientSize().cx, 1500);
    EXPECT_EQ(w.GetClientSize().cy, 960);
    EXPECT_TRUE(control("No_device_Link")->IsVisible());
    w.GetTrayIcon().OnTrayMouse(WM_LBUTTONUP);
    ui.loop().runPending();
    EXPECT_FALSE(w.IsWindowVisible());
}

TEST_F(MainWndTest, SmallMonitorGivesTheWindowAtNinetySix) {
    headlessWindowHost().setScreen({0, 0, 1366, 768}, {0, 0, 1366, 728});
    CMainWnd& w = start();
    w.GetTrayIcon().OnTrayMouse(WM_LBUTTONUP);
    ui.loop().runPending();
    EXPECT_EQ(w.GetScale(), 96);
    EXPECT_EQ(w.GetClientSize().cx, 1000);
    EXPECT_EQ(w.GetClientSize().cy, 640);
}

TEST_F(MainWndTest, WithoutATrayTheWindowStaysShownAndClosingEndsTheProgram) {
    headlessTrayHost().setAvailable(false);
    CMainWnd& w = start();
    EXPECT_FALSE(w.GetTrayIcon().IsVisible());
    EXPECT_TRUE(w.IsWindowVisible());
    control("closebtn")->Activate();
    ui.loop().runPending();
    EXPECT_TRUE(ui.loop().quitting());
}

TEST_F(MainWndTest, LanguageFollowsTheSavedIdAndTheCurrentOneWritesNothing) {
    settings.writeInt("LANGUAGE", 4242);  // no entry has it: the first language
    CMainWnd& w = start();
    EXPECT_EQ(w.GetLanguageIndex(), 0);
    EXPECT_EQ(settings.readInt("LANGUAGE", 0), 1033);
    EXPECT_EQ(control("no_device_title_text") == nullptr, true);
    EXPECT_EQ(control("control_light_status")->GetText(), "Lighting: on");

    fs::remove(settings.filePath());
    post(kMsgLanguage, 0);  // already current: nothing happens, nothing is written
    EXPECT_FALSE(fs::exists(settings.filePath()));

    post(kMsgLanguage, 1);
    EXPECT_EQ(w.GetLanguageIndex(), 1);
    EXPECT_EQ(settings.readInt("LANGUAGE", 0), 2052);
    EXPECT_EQ(control("control_light_status")->GetText(), "控制灯光");
    EXPECT_EQ(control("device_logo_layout")->GetBkImage(), "file='main/logo_cn.png'");
    EXPECT_EQ(w.GetPaintManager().GetFontInfo(3).iSize, 30);
    EXPECT_TRUE(w.GetPaintManager().GetFontInfo(1).bUnderline);

    settings.writeInt("LANGUAGE", 2052);
    window.reset();
    CMainWnd& again = start();
    EXPECT_EQ(again.GetLanguageIndex(), 1);
}

TEST_F(MainWndTest, LightControlByClickIsBroadcastByRequestNot) {
    CMainWnd& w = start();
    companions.sent.clear();
    control("control_light_status")->Activate();
    ui.loop().runPending();
    EXPECT_FALSE(w.GetLightControlFlag());
    EXPECT_EQ(control("control_light_status")->GetText(), "Lighting: off");
    ASSERT_EQ(companions.sent.size(), 1u);
    EXPECT_EQ(companions.sent[0].name, "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}");
    EXPECT_EQ(companions.sent[0].wParam, 1u);
    EXPECT_EQ(companions.sent[0].lParam, 0);

    const AppMessageIds& ids = appMessageIds();
    post(ids.lightControlRequest, 1, 1);
    EXPECT_TRUE(w.GetLightControlFlag());
    EXPECT_EQ(control("control_light_status")->GetText(), "Lighting: on");
    post(ids.lightControlRequest, 2, 0);  // only wParam 1 asks
    EXPECT_TRUE(w.GetLightControlFlag());
    EXPECT_EQ(companions.sent.size(), 1u);
}

TEST_F(MainWndTest, SecondStartRestoresAndRaisesWithoutStayingOnTop) {
    CMainWnd& w = start();
    w.ShowWindow(true);
    w.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(w.IsIconic());
    post(appMessageIds().app, 0, 1);
    EXPECT_TRUE(w.IsWindowVisible());
    EXPECT_FALSE(w.IsIconic());
    EXPECT_FALSE(w.IsTopmost());
}

TEST_F(MainWndTest, WorkToolGetsTheDeviceReportWhenItRuns) {
    start();
    companions.sent.clear();
    post(appMessageIds().workToolRequest);
    EXPECT_TRUE(companions.sent.empty());  // no work tool: nothing to send to

    companions.workTool = true;
    post(appMessageIds().workToolRequest);
    ASSERT_EQ(companions.sent.size(), 1u);
    EXPECT_EQ(companions.sent[0].what, "copy");
    EXPECT_EQ(companions.sent[0].wParam, 5u);
    ASSERT_EQ(companions.sent[0].data.size(), 1024u);
    EXPECT_EQ(companions.sent[0].data[0], 2);
    EXPECT_EQ(companions.sent[0].data[16], 5);
}

TEST_F(MainWndTest, CopyDataFillsTheAudioBuffersAndAnEmptyBlockIsIgnored) {
    CMainWnd& w = start();
    const std::vector<std::uint8_t> samples = {1, 2, 3};
    const std::vector<std::uint8_t> none;
    CopyDataBlock block{1, &samples};
    w.SendMessage(WM_COPYDATA, 0, reinterpret_cast<std::intptr_t>(&block));
    EXPECT_EQ(w.GetAudioBuffer(0), samples);
    block = {1, &none};
    w.SendMessage(WM_COPYDATA, 0, reinterpret_cast<std::intptr_t>(&block));
    EXPECT_EQ(w.GetAudioBuffer(0), samples);
    block = {2, &samples};
    w.SendMessage(WM_COPYDATA, 0, reinterpret_cast<std::intptr_t>(&block));
    EXPECT_EQ(w.GetAudioBuffer(1), samples);
}

TEST_F(MainWndTest, WhileSuspendedHookGameAndDeviceMessagesAreIgnored) {
    CMainWnd& w = start();
    post(WM_POWERBROADCAST, kPowerSuspend);
    EXPECT_FALSE(w.IsSystemAwake());
    post(kMsgShowSettingProgress);
    post(kMsgLanguage, 1);
    EXPECT_FALSE(control("setting_progress")->IsVisible());
    EXPECT_EQ(w.GetLanguageIndex(), 0);

    post(WM_POWERBROADCAST, kPowerResume);
    EXPECT_TRUE(w.IsSystemAwake());
    post(kMsgShowSettingProgress);
    EXPECT_TRUE(control("setting_progress")->IsVisible());
}

TEST_F(MainWndTest, TrayMenuOpensAfterTheRightClickAndExitEndsTheProgram) {
    CMainWnd& w = start();
    w.GetTrayIcon().OnTrayMouse(WM_RBUTTONUP);
    ui.loop().advance(10);
    // Choosing "exit" in the menu: the window closes and the loop ends.
    auto* command = new MenuCmd{"exit", "", "Exit", false};
    w.SendMessage(WM_MENUCLICK, reinterpret_cast<std::uintptr_t>(command), 0);
    ui.loop().runPending();
    EXPECT_TRUE(ui.loop().quitting());
    EXPECT_FALSE(w.IsWindow());
}

TEST_F(MainWndTest, ShutdownEndsWithinItsBoundEvenWhenAWorkerOverruns) {
    CMainWnd& w = start();
    companions.audioRecord = true;
    auto overrunDone = std::make_shared<std::atomic<bool>>(false);
    ASSERT_TRUE(w.WorkerSlot(0).start([overrunDone](platform::Event&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // ignores its stop
        *overrunDone = true;
    }));
    ASSERT_TRUE(w.WorkerSlot(8).start([](platform::Event& stop) { stop.wait(5000); }));
    companions.sent.clear();
    const auto begin = std::chrono::steady_clock::now();
    w.DestroyWindow();
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_LT(took, std::chrono::milliseconds(1800));
    EXPECT_TRUE(ui.loop().quitting());
    // The audio capture program is told 2, 4 and 5.
    ASSERT_EQ(companions.sent.size(), 3u);
    const std::uint64_t commands[] = {2, 4, 5};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(companions.sent[i].name, "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}");
        EXPECT_EQ(companions.sent[i].wParam, commands[i]);
    }
    while (!*overrunDone) {  // the detached worker ends on its own
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

TEST_F(MainWndTest, TrayMenuSwitchesTheStartWithTheDesktop) {
    CMainWnd& w = start();
    const fs::path entry = home.configHome() / "autostart" / "io.vorn.Vorn.desktop";
    EXPECT_EQ(platform::autostartEntryPath(), entry.string());
    EXPECT_FALSE(platform::isAutostartEnabled());
    w.SendMessage(WM_MENUCLICK,
                  reinterpret_cast<std::uintptr_t>(new MenuCmd{"autostart_menu", "", "", true}));
    EXPECT_TRUE(platform::isAutostartEnabled());
    const std::string text = test::readBytes(entry);
    EXPECT_NE(text.find("\nExec=\"/opt/vorn \\\\\"1\\\\\"/vorn\"\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
    w.SendMessage(WM_MENUCLICK,
                  reinterpret_cast<std::uintptr_t>(new MenuCmd{"autostart_menu", "", "", false}));
    EXPECT_FALSE(fs::exists(entry));
}

TEST_F(MainWndTest, SkinFrameColoursAndPicturesReachTheBackgroundAndArePicturesNoted) {
    CMainWnd& w = start();
    control("skinbtn")->Activate();
    ui.loop().runPending();
    auto* frame = dynamic_cast<CSkinFrame*>(CWindowWnd::FromHandle(w.GetSkinFrame()));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetWindowClassName(), "UISkinFrame");
    EXPECT_EQ(frame->GetStyle(), 0x90000000u);
    EXPECT_EQ(frame->GetExStyle(), 0x08000088u);
    const auto inFrame = [&](const char* name) {
        return frame->GetPaintManager().FindControl(name);
    };
    CControlUI* root = control("root");
    const std::string ini = (home.root() / "user" / "main.ini").string();
    fs::create_directories(home.root() / "user");

    inFrame("skin_color")->Activate();
    EXPECT_EQ(dynamic_cast<CTabLayoutUI*>(inFrame("skin_tab"))->GetCurSel(), 1);
    inFrame("skin_color_btn")->Activate();
    EXPECT_EQ(root->GetBkColor(), 0xFF15171Cu);
    EXPECT_EQ(root->GetBkImage(), "");
    EXPECT_FALSE(fs::exists(ini));  // a colour is not noted

    inFrame("skin_image")->Activate();
    inFrame("skin_image_btn")->Activate();
    EXPECT_EQ(root->GetBkColor(), 0u);
    EXPECT_EQ(root->GetBkImage(), inFrame("skin_image_btn")->GetUserData());
    EXPECT_EQ(test::readBytes(ini),
              "[SKINIMAGE]\nFLAGS=1\nIMAGE=" + inFrame("skin_image_btn")->GetUserData() + "\n");

    inFrame("skin_reset")->Activate();
    EXPECT_EQ(root->GetBkImage(), "common/background.png");
    EXPECT_EQ(test::readBytes(ini), "[SKINIMAGE]\nFLAGS=0\nIMAGE=common/background.png\n");

    platform::ScriptedFileDialogs dialogs;
    dialogs.answers = {std::nullopt, std::string("/home/me/wall.png")};
    platform::setFileDialogs(&dialogs);
    inFrame("skin_Custom")->Activate();  // cancelled: nothing changes
    EXPECT_EQ(root->GetBkImage(), "common/background.png");
    inFrame("skin_Custom")->Activate();
    platform::setFileDialogs(nullptr);
    EXPECT_EQ(root->GetBkImage(), "/home/me/wall.png");
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[0].filter, "(*.png) | *.png |(*.*)|*.*||");
    EXPECT_EQ(dialogs.asked[0].defaultExtension, "png");
    EXPECT_EQ(test::readBytes(ini), "[SKINIMAGE]\nFLAGS=0\nIMAGE=common/background.png\n");

    // One frame at a time; the tray's click closes it with the other auxiliary windows.
    const UiWindowHandle open = w.GetSkinFrame();
    control("skinbtn")->Activate();
    EXPECT_EQ(w.GetSkinFrame(), open);
    w.GetTrayIcon().OnTrayMouse(WM_LBUTTONUP);
    ui.loop().runPending();
    EXPECT_EQ(w.GetSkinFrame(), 0u);
}

TEST_F(MainWndTest, LayoutsOfTheWindowBuildTheProgramsOwnControls) {
    CMainWnd& w = start();
    // Tag names as layouts write them, in any case.
    for (const char* name : {"CircleProgress", "selectpanel", "DeviceKeyButton"}) {
        std::unique_ptr<CControlUI> control(w.CreateControl(name));
        EXPECT_NE(control, nullptr) << name;
    }
    EXPECT_EQ(w.CreateControl("NoSuchControl"), nullptr);
}

TEST_F(MainWndTest, DeviceScanReportsSlotsAndBringsTheWindowUpAfterItsFirstPass) {
    std::string error;
    auto bus = emulator::buildBusFromScenario("t4", error);
    platform::hid::setHidBackend(bus.get());
    scanDevices = true;
    CMainWnd& w = start();
    platform::DebugCapture capture;
    const auto pumpUntil = [&](auto done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            ui.loop().waitForMessage(10);
            ui.loop().runPending();
        }
        return done();
    };
    // Both slots bound and reported; the first pass then brings the window up.
    ASSERT_TRUE(
        pumpUntil([&] { return w.GetLinkedSlots().slot(4).linked == 1 && w.IsWindowVisible(); }));
    EXPECT_EQ(w.GetLinkedSlots().slot(5).linked, 1);
    ASSERT_TRUE(pumpUntil([&] { return capture.lines().size() >= 2; }));
    EXPECT_TRUE(capture.contains("添加一个鼠标设备"));

    fs::create_directories(home.dataHome() / "VORN  P6");  // the log is kept where it exists
    bus->unplugCable(0);
    ASSERT_TRUE(pumpUntil([&] { return w.GetLinkedSlots().slot(4).linked == 0; }));
    ASSERT_TRUE(pumpUntil([&] { return capture.contains("删除一个鼠标设备"); }));
    EXPECT_EQ(w.GetLinkedSlots().receiverState().commandDeviceLink, 0);
    const std::string log = test::readBytes(home.dataHome() / "VORN  P6" / "Ombrix.log");
    ASSERT_GE(log.size(), 50u) << log;  // two lines, one for each slot of the mouse
    EXPECT_EQ(log.substr(log.size() - 31), ":m_nCommandDeviceLink    FALSE\n");

    const auto begin = std::chrono::steady_clock::now();
    w.DestroyWindow();  // the scan sleeps until the bus changes: the stop wakes it
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(500));
    window.reset();
    platform::hid::setHidBackend(nullptr);
}

#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/Progress.h"

TEST_F(MainWndTest, ThePadsSensitivityEditIsClampedAndMovesItsSlider) {
    CMainWnd& w = start();
    auto* root = dynamic_cast<CContainerUI*>(control("root"));
    ASSERT_NE(root, nullptr);
    auto* pair = new CHorizontalLayoutUI;
    auto* edit = new CEditUI;
    edit->SetName("zelta_DPI_edit_1");
    auto* slider = new CSliderUI;
    slider->SetName("zelta_DPI_slider_1");
    slider->SetMinValue(0);
    slider->SetMaxValue(10000);
    pair->Add(edit);
    pair->Add(slider);
    root->Add(pair);
    const auto leave = [&](const char* text) {
        edit->SetText(text);
        TNotifyUI msg;
        msg.sType = DUI_MSGTYPE_KILLFOCUS;
        msg.pSender = edit;
        w.Notify(msg);
        return edit->GetText();
    };
    EXPECT_EQ(leave("150"), "200");
    EXPECT_EQ(slider->GetValue(), 200);
    EXPECT_EQ(leave("7000"), "6500");
    EXPECT_EQ(slider->GetValue(), 6500);
    EXPECT_EQ(leave("3200"), "3200");
    // The slider moving writes its value into the edit.
    slider->SetValue(1234);
    TNotifyUI moved;
    moved.sType = DUI_MSGTYPE_MOVEVALUECHANGED;
    moved.pSender = slider;
    w.Notify(moved);
    EXPECT_EQ(edit->GetText(), "1234");
}
