#pragma once
// CMainWnd: the one top-level window of the program and the hub of its messages. It owns
// the tray icon and its menu, the scale and the language, the light-control flag it shares
// with other programs, the worker slots of the background threads, and answers the
// private and registered messages of the system. The device selector and the device pages
// come in through the window's skin ("XML_MAIN") and the dispatch of their controls.
//
// The window starts visible, hides itself at its first display and lives in the tray; a
// left click on the tray icon, or a second start of the program, brings it back. Without a
// tray it stays shown, since a hidden window could not be reached.

#include <json/json.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "devices/mouse/TessarinMouseDevice.h"
#include "link/LinkedSlots.h"
#include "platform/settings/SettingsStore.h"
#include "platform/sync/WorkerThread.h"
#include "ui/devicelink/DeviceLinker.h"
#include "ui/dispatch/ControlDispatch.h"
#include "ui/framework/controls/Menu.h"
#include "ui/framework/windows/TrayIcon.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/framework/windows/dialogs/AboutWnd.h"
#include "ui/language/LanguageList.h"
#include "ui/mainwnd/CompanionLink.h"
#include "ui/mainwnd/DeviceScan.h"
#include "ui/mainwnd/SkinFrame.h"
#include "ui/selector/DeviceSelector.h"

namespace vorn::ui {
class CDeviceProfileUI;
}

namespace vorn::ui::mainwnd {

// Private messages of the system.
inline constexpr std::uint32_t kMsgShowSettingProgress = 0x0C00;
inline constexpr std::uint32_t kMsgLanguage = kLanguageChangedMessage;  // also to dialogs
inline constexpr std::uint32_t kMsgDeviceAdded = 0x0C12;
inline constexpr std::uint32_t kMsgDeviceRemoved = 0x0C13;
inline constexpr std::uint32_t kMsgOpenSettings = 0x0C15;
inline constexpr std::uint32_t kMsgClearUpdateMark = 0x0C16;
inline constexpr std::uint32_t kMsgKeyCapture = 0x041E;
inline constexpr std::uint32_t kMsgDpiNotice = 0x04C8;
inline constexpr std::uint32_t kMsgEntryReport = 0x0D03;  // a page's selector entry report
inline constexpr std::uint32_t kMsgReadNotice = 0x0D00;   // 0x0D00-0x0D02: no effect
inline constexpr std::uint32_t kMsgPowerNotice = 0x0D01;
inline constexpr std::uint32_t kMsgNotice0D02 = 0x0D02;

// Power broadcasts (WM_POWERBROADCAST wParam).
inline constexpr std::uintptr_t kPowerSuspend = 0x04;
inline constexpr std::uintptr_t kPowerResume = 0x12;

// Timers.
inline constexpr unsigned kTimerScaleFit = 1011;
inline constexpr unsigned kTimerTrayMenu = 1032;
inline constexpr unsigned kTimerProfileSwitch = 1055;
inline constexpr unsigned kProfileSwitchDelayMs = 400;
inline constexpr unsigned kTimerGameLight = 1066;
inline constexpr unsigned kTimerReceiverPoll = devicelink::kTimerReceiverPoll;  // 1068

// The section every page shows first: the performance page (sensitivity and report rate).
inline constexpr int kFirstPageSection = 8;

inline constexpr std::size_t kWorkerSlotCount = 20;
inline constexpr std::uint32_t kWorkerStopMs = 1000;
inline constexpr unsigned kTrayIconId = 107;
inline constexpr char kScaleErrorText[] = "MAIN_WND DPI SET ERROR";

// Where the window finds what it needs outside itself.
struct MainWndEnvironment {
    ICompanionLink* companions = nullptr;         // null: no companions
    platform::SettingsStore* settings = nullptr;  // the saved "LANGUAGE"; null: nothing kept
    std::string defaultDataFolder;                // "Language.config", "AudioFile.json"
    std::string userFolder;                       // the user's "AudioFile.json"
    std::string languageName;                     // chosen at start ("en"); empty: the saved one
    bool scanDevices = false;                     // run the device scan on worker slot 0
    std::string programPath;  // what the autostart entry starts; empty: no autostart item
    int firstSection = 0;     // the page number the device pages show first; 0: performance
};

// The virtual window "mainpage" of the main window's notify pump: it holds the window's paint
// manager for pages that route through it and handles nothing itself.
class CMainPage : public CNotifyPump {
  public:
    void SetPaintMgr(CPaintManagerUI* manager) { manager_ = manager; }
    CPaintManagerUI* GetPaintMgr() const { return manager_; }

  private:
    CPaintManagerUI* manager_ = nullptr;
};

class CMainWnd : public WindowImplBase, public ISkinChangeReceiver, private devicelink::ILinkHost {
  public:
    explicit CMainWnd(MainWndEnvironment environment);
    ~CMainWnd() override;

    std::string GetWindowClassName() const override { return "MainWnd"; }
    std::uint32_t GetClassStyle() const override { return 8; }  // double clicks
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    // The program's own controls named by the window's layouts (device tiles, key buttons,
    // power panels, the pages' custom controls).
    CControlUI* CreateControl(std::string_view className) override;

    // State that the rest of the program (and tests) read.
    int GetScale() const { return scale_; }
    int GetLanguageIndex() const { return languageIndex_; }
    const std::vector<LanguageEntry>& GetLanguages() const { return languages_; }
    bool GetLightControlFlag() const { return lightControlFlag_; }
    bool IsSystemAwake() const { return systemAwake_; }
    bool IsWindowActive() const { return windowActive_; }
    CTrayIcon& GetTrayIcon() { return tray_; }
    UiSize GetScreenSize() const { return screenSize_; }
    const std::vector<std::uint8_t>& GetAudioBuffer(int which) const {
        return audioBuffers_[which == 0 ? 0 : 1];
    }
    // The live slot list the device scan keeps.
    const link::LinkedSlots& GetLinkedSlots() const { return *slots_; }
    link::LinkedSlots& GetLinkedSlots() { return *slots_; }
    // The device selector with its pages (built at the first display); null before.
    selector::DeviceSelector* GetSelector() const { return selector_.get(); }
    devicelink::DeviceLinker* GetLinker() const { return linker_.get(); }
    // The device page the page-specific controls act on; null when none is connected and
    // selected.
    devices::CTessarinUSBDevice* currentDevice() const;
    devices::CTessarinMouseDevice* currentMouse() const;
    // Where the window's messages to the user go instead of its message box (a program
    // without a window: vornctl), and who answers its questions.
    void SetNoticeSink(std::function<void(const std::string&)> sink) {
        noticeSink_ = std::move(sink);
    }
    void SetConfirmSink(std::function<bool(const std::string&)> sink) {
        confirmSink_ = std::move(sink);
    }
    // The worker slots: slot 0 runs the device scan, slot 8 the light synchronisation.
    platform::WorkerThread& WorkerSlot(std::size_t index) { return *workers_[index]; }

    // Applies language index (step of the language list): logo, fonts, texts, the saved
    // "LANGUAGE" value. Nothing happens for the current index or one outside the list.
    void ApplyLanguage(int index);
    // Fits the scale to the monitor that holds the window and sizes the window for it.
    void FitScale();
    // Sets the light-control flag and the text of "control_light_status"; broadcast tells
    // other programs (a click does, a request from another program does not).
    void SetLightControl(bool on, bool broadcast);
    // Hides a shown window, shows a hidden or minimised one (the tray icon's left click).
    void ToggleFromTray();
    // The two halves of it: shown fitted and in front, or hidden into the tray with the
    // auxiliary windows closed. Either way the pages learn it.
    void ShowFromTray();
    void HideToTray();
    // Restores the window and raises it without leaving it on top (a second start).
    void BringToFront();
    // The skin frame's notice: a colour or a picture for the window's background.
    void OnSkinChanged(const SkinChangedParam& change) override;
    // The open skin frame; 0 when none is open.
    UiWindowHandle GetSkinFrame() const;

  protected:
    std::string GetSkinFile() const override { return "XML_MAIN"; }
    std::string ScaleErrorText() const override { return kScaleErrorText; }
    intptr_t HandleCustomMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                 bool& handled) override;
    intptr_t OnDestroy(bool& handled) override;
    intptr_t OnSize(uintptr_t wParam, intptr_t lParam, bool& handled) override;
    // A key pressed while keys are captured goes to the key page instead of the focus.
    intptr_t HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    // Clicks go through the control dispatch like every other event.
    void OnClick(TNotifyUI&) override {}

  private:
    void onWindowInit();
    // 0x0C12 and 0x0C13: a slot bound or lost by the device scan.
    void onSlotReport(std::uint32_t message, std::uintptr_t index);
    // 0x0D03: a page's entry shown or hidden.
    void onEntryReport(std::uintptr_t position, std::intptr_t shown);
    // The rows of the control dispatch: the window's own controls, the selector's and the
    // light editor's sliders.
    void addWindowRows();
    void addSelectorRows();
    void addMouseRows();
    void addProfileRows();
    // The profile control of the current page; null without one.
    CDeviceProfileUI* currentProfiles() const;
    // The current device's action, when it is a mouse.
    void onMouse(const std::function<void(devices::CTessarinMouseDevice&)>& action);
    // A message to the user: the language text of key, its "%d" replaced by number.
    void tellUser(std::string_view key, int number = 0);
    // A question with OK and Cancel; true for OK.
    bool askUser(std::string_view key);
    void tellKeySave(const devices::KeySaveOutcome& outcome);
    // WM_KEYDOWN while keys are captured: the current mouse's key page takes the key.
    bool captureKey(std::intptr_t nativeScanCode);
    // Timer 1055: the current page takes the profile its profile list selects.
    void switchProfile();
    // "device_reset_btn": the current page's profile gets the factory settings, on the
    // device as well.
    void resetDevice();
    void onCloseButton();
    // Every page learns whether the window is seen (shown and not minimised).
    void tellPagesShown();
    // The page tabs of the title bar work while a device is connected.
    void updatePageTabs();
    // A page tab chose page number n: every page shows that section.
    void showPageSection(int pageNumber);

    // ILinkHost
    void startReceiverPoll(unsigned elapseMs) override { SetTimer(kTimerReceiverPoll, elapseMs); }
    void stopReceiverPoll() override { KillTimer(kTimerReceiverPoll); }
    void closeSettingsWindow() override {}  // the settings window is not part of this build yet
    void sendEntryReport(int position, int shown) override;
    void focusMainWindow() override;
    // The messages that are handled only while the computer is awake; false when message
    // is none of them.
    bool handleAwakeMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                            bool& handled);
    bool handleRegistered(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void onTimer(unsigned id);
    void onTrayMouse(std::intptr_t mouseMessage);
    void openTrayMenu();
    void onMenuCommand(const MenuCmd& command);
    void onCopyData(std::uint64_t dwData, const std::vector<std::uint8_t>& data);
    void sendWorkToolReport();
    void loadAudioLightData();
    void shutdown();
    void closeAuxiliaryWindows();
    void openSkinFrame(CControlUI* button);
    void setLogo(int index);
    void installFontTable();

    MainWndEnvironment env_;
    CMainPage mainPage_;
    NoCompanionLink noCompanions_;
    CTrayIcon tray_;
    UiWindowHandle trayMenu_ = 0;
    UiWindowHandle skinFrame_ = 0;
    std::map<std::string, bool> menuChecks_;
    UiWindowHandle aboutWindow_ = 0;
    std::vector<LanguageEntry> languages_;
    int languageIndex_ = -1;
    int scale_ = 96;
    bool lightControlFlag_ = true;
    bool systemAwake_ = true;
    bool windowActive_ = false;
    bool displayChanged_ = false;
    bool shutDown_ = false;
    UiSize screenSize_;
    Json::Value audioLightData_;
    std::array<std::vector<std::uint8_t>, 2> audioBuffers_;
    std::array<std::unique_ptr<platform::WorkerThread>, kWorkerSlotCount> workers_;
    std::shared_ptr<link::LinkedSlots> slots_;
    std::shared_ptr<DeviceScan> scan_;
    std::unique_ptr<selector::DeviceSelector> selector_;
    std::unique_ptr<devicelink::DeviceLinker> linker_;
    dispatch::ControlDispatch dispatch_;
    int shownToPages_ = -1;  // what the pages were last told
    std::function<void(const std::string&)> noticeSink_;
    std::function<bool(const std::string&)> confirmSink_;
    bool capturingKeys_ = false;  // 0x041E: the key page's keyboard key field has the focus
};

// The main window's private message that carries a CopyData block from another program:
// lParam points at a CopyDataBlock, valid while the message is handled.
struct CopyDataBlock {
    std::uint64_t dwData = 0;
    const std::vector<std::uint8_t>* data = nullptr;
};

}  // namespace vorn::ui::mainwnd
