#include "ui/mainwnd/MainWnd.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iterator>
#include <thread>

#include "catalogue/StandardCatalogue.h"
#include "platform/debug/DebugSink.h"
#include "platform/debug/LogFile.h"
#include "platform/settings/Autostart.h"
#include "storage/DataFile.h"
#include "ui/controls/LayoutClassTable.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/WindowHost.h"
#include "ui/framework/windows/dialogs/AboutWnd.h"
#include "ui/framework/windows/dialogs/ScaleRule.h"
#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/FontTable.h"
#include "ui/mainwnd/WindowRules.h"
#include "ui/mainwnd/WorkToolReport.h"

namespace vorn::ui::mainwnd {
namespace {

constexpr char kLanguageSetting[] = "LANGUAGE";
constexpr char kAudioFile[] = "AudioFile.json";

// Logos by language index; other languages keep the logo shown.
constexpr const char* kLogos[] = {"file='main/logo_en.png'", "file='main/logo_cn.png'"};

}  // namespace

CMainWnd::CMainWnd(MainWndEnvironment environment)
    : env_(std::move(environment)),
      slots_(std::make_shared<link::LinkedSlots>(catalogue::kDeviceCatalogue)) {
    if (env_.companions == nullptr) {
        env_.companions = &noCompanions_;
    }
    for (std::size_t i = 0; i < kWorkerSlotCount; ++i) {
        workers_[i] = std::make_unique<platform::WorkerThread>("worker slot " + std::to_string(i),
                                                               kWorkerStopMs);
    }
    addWindowRows();
    addSelectorRows();
    addMouseRows();
    addProfileRows();
}

CMainWnd::~CMainWnd() {
    linker_.reset();
    selector_.reset();
    skinChangeNotices().remove(this);
    tray_.DeleteTrayIcon();
    CResourceManager::GetInstance().SetTextQueryInterface(nullptr);  // it asked this window
}

void CMainWnd::InitWindow() {
    platform::debugPrintf("InitWindow");
    CResourceManager& resources = CResourceManager::GetInstance();
    resources.SetTextQueryInterface(this);
    resources.LoadLanguage("lan_cn.xml");
    skinChangeNotices().add(this);
    mainPage_.SetPaintMgr(&m_pm);
    AddVirtualWnd("mainpage", &mainPage_);
    SetIcon(kTrayIconId);
    tray_.CreateTrayIcon(this, kTrayIconId, kAppIdentity, UIMSG_TRAYICON);
}

CControlUI* CMainWnd::CreateControl(std::string_view className) {
    return createCustomControl(className, &m_pm);
}

void CMainWnd::Notify(TNotifyUI& msg) {
    if (msg.sType != DUI_MSGTYPE_TIMER) {
        platform::debugPrintf("%s %s", msg.sType.c_str(),
                              msg.pSender != nullptr ? msg.pSender->GetName().c_str() : "");
    }
    if (msg.sType == "click_wpremove" || msg.sType == "click_wpedit") {
        return;  // not passed on
    }
    dispatch_.dispatch(msg);
    WindowImplBase::Notify(msg);
}

devices::CTessarinUSBDevice* CMainWnd::currentDevice() const {
    return selector_ ? selector_->currentDevice() : nullptr;
}

void CMainWnd::onWindowInit() {
    appMessageIds();  // registered before anything can arrive
    env_.companions->broadcast(kLightControlAnnounceName, 1, 1);

    languages_ = readLanguageList(env_.defaultDataFolder + "Language.config");
    const std::int64_t saved =
        env_.settings != nullptr ? env_.settings->readInt(kLanguageSetting, -1) : -1;
    const int named = languageIndexForName(languages_, env_.languageName);
    ApplyLanguage(named >= 0 ? named : languageIndexForId(languages_, static_cast<int>(saved)));

    // Every model's page exists before any device is found.
    selector_ =
        std::make_unique<selector::DeviceSelector>(m_pm, this, catalogue::kDeviceCatalogue, this);
    catalogue::LiveSlotList slots;
    {
        std::lock_guard<std::mutex> lock(slots_->mutex());
        slots = slots_->slots();
    }
    selector_->buildCataloguePages(slots);
    selector_->refresh();
    linker_ = std::make_unique<devicelink::DeviceLinker>(
        *slots_, *selector_, static_cast<devicelink::ILinkHost&>(*this));
    showPageSection(env_.firstSection != 0 ? env_.firstSection : kFirstPageSection);

    const UiRect screen = windowHost().screenRect(this);
    screenSize_ = {screen.width(), screen.height()};
    if (tray_.IsVisible()) {
        ShowWindow(false);
    }
    tellPagesShown();
    if (env_.scanDevices) {
        scan_ = std::make_shared<DeviceScan>(slots_, GetHWND());
        scan_->start(*workers_[0]);
    }
    SetTimer(kTimerScaleFit, 100);
    loadAudioLightData();
}

void CMainWnd::loadAudioLightData() {
    const storage::Document user = storage::ReadDocument(env_.userFolder + kAudioFile);
    audioLightData_ = user.state == storage::DocumentState::Read
                          ? user.value
                          : storage::ReadJsonFile(env_.defaultDataFolder + kAudioFile);
}

void CMainWnd::setLogo(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kLogos))) {
        return;
    }
    if (CControlUI* logo = m_pm.FindControl("device_logo_layout")) {
        logo->SetBkImage(kLogos[index]);
    }
}

void CMainWnd::installFontTable() {
    // The table is the main window's own: the dialogs keep the fonts their layouts give them.
    installMainFontTable(m_pm);
}

void CMainWnd::ApplyLanguage(int index) {
    if (index == languageIndex_ || index < 0 || index >= static_cast<int>(languages_.size())) {
        return;
    }
    setLogo(index);
    installFontTable();
    languageIndex_ = index;
    const LanguageEntry& entry = languages_[static_cast<std::size_t>(index)];
    applyLanguage(entry);
    if (env_.settings != nullptr && env_.settings->writeInt(kLanguageSetting, entry.id)) {
        platform::debugPrintf("写成功！");
    }
    SetLightControl(lightControlFlag_, false);  // the flag's text in the new language
    if (aboutWindow_ != 0) {
        SendMessageTo(aboutWindow_, kMsgLanguage, 0, 0);
    }
    m_pm.NeedUpdate();
}

void CMainWnd::FitScale() {
    const UiRect monitor = windowHost().screenRect(this);
    const bool wasShown = IsWindowVisible() && !IsIconic();
    scale_ = checkedScale(fitScaleForMonitor(monitor), kScaleErrorText);
    CPaintManagerUI::SetAllDPI(96);
    ResizeClient(kMainWindowWidth, kMainWindowHeight);
    CPaintManagerUI::SetAllDPI(scale_);
    CenterWindow();
    if (wasShown) {
        ShowWindow(true);
    }
}

void CMainWnd::SetLightControl(bool on, bool broadcast) {
    lightControlFlag_ = on;
    if (broadcast) {
        env_.companions->broadcast(kLightControlAnnounceName, 1, on ? 1 : 0);
    }
    if (CControlUI* status = m_pm.FindControl("control_light_status")) {
        status->SetText(on ? "control_light_on_text" : "control_light_off_text");
    }
    if (selector_) {
        selector_->forEachPage([on](devices::CTessarinUSBDevice& page) {
            if (page.deviceKind() != devices::kDeviceKindHeadset) {
                page.setLightControl(on ? 1 : 0);
            }
        });
    }
}

void CMainWnd::BringToFront() {
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    ShowWindow(true);
    SetTopmost(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    SetTopmost(false);
    tellPagesShown();
}

void CMainWnd::ToggleFromTray() {
    if (selector_ && selector_->connectedCount() == 0) {
        if (CControlUI* none = m_pm.FindControl("No_device_Link")) {
            none->SetVisible(true);
        }
    }
    if (IsWindowVisible() && !IsIconic()) {
        HideToTray();
        return;
    }
    closeAuxiliaryWindows();
    ShowFromTray();
}

void CMainWnd::ShowFromTray() {
    ShowWindow(true);
    FitScale();
    BringToFront();
    m_pm.NeedUpdate();
}

void CMainWnd::HideToTray() {
    closeAuxiliaryWindows();
    ShowWindow(false);
    tellPagesShown();
}

UiWindowHandle CMainWnd::GetSkinFrame() const {
    return CWindowWnd::FromHandle(skinFrame_) != nullptr ? skinFrame_ : 0;
}

void CMainWnd::openSkinFrame(CControlUI* button) {
    if (GetSkinFrame() != 0) {
        return;
    }
    auto* frame = new CSkinFrame(env_.userFolder);
    if (!frame->Create(this, "skinframe", 0x90000000u, 0x08000088u)) {
        delete frame;
        return;
    }
    // Below the button, its right edge under the button's.
    const UiRect window = GetWindowRect();
    const UiRect at = button->GetPos();
    const UiSize size = frame->GetClientSize();
    const int right = window.left + at.right;
    const int top = window.top + at.bottom + 4;
    frame->MoveWindow({right - size.cx, top, right, top + size.cy});
    skinFrame_ = frame->GetHWND();
}

void CMainWnd::OnSkinChanged(const SkinChangedParam& change) {
    CControlUI* root = m_pm.FindControl("root");
    if (root == nullptr) {
        return;
    }
    if (change.colour) {
        root->SetBkColor(change.colourValue);
        root->SetBkImage("");
    } else {
        root->SetBkColor(0);
        root->SetBkImage(change.image);
    }
}

void CMainWnd::closeAuxiliaryWindows() {
    if (CWindowWnd* frame = CWindowWnd::FromHandle(skinFrame_)) {
        frame->Close(0);
    }
    skinFrame_ = 0;
    // The menu may have closed itself since (choosing an item does): asked by handle.
    if (auto* menu = dynamic_cast<CMenuWnd*>(CWindowWnd::FromHandle(trayMenu_))) {
        menu->DestroyMenu();
    }
    trayMenu_ = 0;
}

void CMainWnd::onTrayMouse(std::intptr_t mouseMessage) {
    if (mouseMessage == WM_LBUTTONUP) {
        ToggleFromTray();
    } else if (mouseMessage == WM_RBUTTONUP) {
        SetTimer(kTimerTrayMenu, 10);
    }
}

void CMainWnd::openTrayMenu() {
    closeAuxiliaryWindows();
    const IWindowHost& host = windowHost();
    const UiRect screen = host.screenRect(this);
    UiRect taskbar = taskbarRect(screen, host.workArea(this));
    // The anchor rule speaks of the panel relative to the screen's corner.
    if (!taskbar.isEmpty()) {
        taskbar = {taskbar.left - screen.left, taskbar.top - screen.top,
                   taskbar.right - screen.left, taskbar.bottom - screen.top};
    }
    UiPoint cursor = host.cursorPos();
    cursor = {cursor.x - screen.left, cursor.y - screen.top};
    MenuAnchor anchor = trayMenuAnchor(taskbar, cursor);
    anchor.point = {anchor.point.x + screen.left, anchor.point.y + screen.top};
    menuChecks_ = {{"autostart_menu", platform::isAutostartEnabled()}};
    CMenuWnd* menu = CMenuWnd::CreateMenu(nullptr, "menu.xml", anchor.point, &m_pm, &menuChecks_,
                                          anchor.alignment);
    if (menu != nullptr && env_.programPath.empty()) {
        if (CMenuElementUI* item = menu->FindItem("autostart_menu")) {
            item->SetVisible(false);  // nothing to start
        }
    }
    trayMenu_ = menu != nullptr ? menu->GetHWND() : 0;
}

void CMainWnd::onMenuCommand(const MenuCmd& command) {
    if (command.szName == "exit") {
        closeAuxiliaryWindows();
        Close(0);
    } else if (command.szName == "about_menu") {
        ShowAboutWindow(this, aboutWindow_, scale_);
    } else if (command.szName == "autostart_menu") {
        if (!env_.programPath.empty() &&
            !platform::setAutostartEnabled(command.bChecked, env_.programPath)) {
            platform::debugPrintf("%s not written: %s", platform::autostartEntryPath().c_str(),
                                  std::strerror(errno));
        }
    } else if (command.szName == "setwnd_menu") {
        platform::debugPrintf("setwnd_menu: the settings window is not part of this build yet");
    }
}

void CMainWnd::sendWorkToolReport() {
    if (!env_.companions->isRunning(Companion::WorkTool)) {
        return;
    }
    const auto block = workToolReport(catalogue::kDeviceCatalogue.options);
    env_.companions->copyData(Companion::WorkTool, kWorkToolReportKind, block);
}

void CMainWnd::onCopyData(std::uint64_t dwData, const std::vector<std::uint8_t>& data) {
    if (data.empty()) {
        return;
    }
    if (dwData == 1) {
        audioBuffers_[0] = data;
    } else if (dwData == 2) {
        audioBuffers_[1] = data;
    }
}

void CMainWnd::onTimer(unsigned id) {
    KillTimer(id);  // every timer of the main window runs once
    switch (id) {
        case kTimerScaleFit:
            FitScale();
            m_pm.NeedUpdate();
            break;
        case kTimerTrayMenu:
            openTrayMenu();
            break;
        case kTimerGameLight:
            break;  // the saved light mode returns with the device pages
        case kTimerProfileSwitch:
            switchProfile();
            break;
        case kTimerReceiverPoll:
            if (linker_) {
                linker_->pollReceiver();
            }
            break;
        default:
            break;
    }
}

bool CMainWnd::handleRegistered(std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    const AppMessageIds& ids = appMessageIds();
    if (message == ids.app) {
        platform::debugPrintf("软件标示 %u，%zxd%zxd", message, static_cast<std::size_t>(wParam),
                              static_cast<std::size_t>(lParam));
        BringToFront();
        return true;
    }
    if (message == ids.companion0 || message == ids.companion1) {
        return true;  // for the settings window, which is not part of this build yet
    }
    if (message == ids.lightControlRequest) {
        if (wParam == 1) {
            SetLightControl(lParam != 0, false);
        }
        return true;
    }
    if (message == ids.workToolRequest) {
        sendWorkToolReport();
        return true;
    }
    return false;
}

bool CMainWnd::handleAwakeMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam, bool& handled) {
    const AppMessageIds& ids = appMessageIds();
    for (std::size_t i = 0; i < ids.keyHook.size(); ++i) {
        if (message == ids.keyHook[i]) {
            if (i == kKeyHookMsMacro) {
                platform::debugPrintf("WM_HOOK_KEY_MSMACRO");
            }
            return true;  // key capture and macro recording come with the key pages
        }
    }
    for (std::uint32_t game : ids.game) {
        if (message == game) {
            SetTimer(kTimerGameLight, 5000);
            return true;
        }
    }
    switch (message) {
        case kMsgShowSettingProgress:
            if (CControlUI* progress = m_pm.FindControl("setting_progress")) {
                progress->SetVisible(true);
            }
            return true;
        case kMsgLanguage:
            ApplyLanguage(static_cast<int>(wParam));
            return true;
        case kMsgClearUpdateMark:
            if (CControlUI* set = m_pm.FindControl("setbtn")) {
                set->SetForeImage("");
            }
            return true;
        case UIMSG_TRAYICON:
            onTrayMouse(lParam);
            return true;
        case WM_MENUCLICK: {
            auto* command = reinterpret_cast<MenuCmd*>(wParam);
            if (command != nullptr) {
                onMenuCommand(*command);
                CPaintManagerUI::DeletePtr(command);
            }
            handled = true;
            return true;
        }
        case kMsgDpiNotice:
            platform::debugPrintf("界面 DPI 1发生变化");
            return true;
        case kMsgEntryReport:
            onEntryReport(wParam, lParam);
            return true;
        case kMsgKeyCapture:
            // Keys are taken in this window itself; no hook reaches into other programs.
            capturingKeys_ = wParam == 1;
            return true;

        case kMsgReadNotice:
        case kMsgPowerNotice:
        case kMsgNotice0D02:
            return true;
        case WM_DPICHANGED:
            HandleDpiChanged(wParam, lParam);
            scale_ = m_pm.GetDPIObj()->GetDPI();
            CenterWindow();
            platform::debugPrintf("界面 DPI 发生变化");
            return true;
        case WM_COPYDATA:
            if (const auto* block = reinterpret_cast<const CopyDataBlock*>(lParam);
                block != nullptr && block->data != nullptr) {
                onCopyData(block->dwData, *block->data);
            }
            return true;
        case WM_DISPLAYCHANGE:
            platform::debugPrintf("显示器分辨率发生变化");
            displayChanged_ = true;
            FitScale();
            return true;
        case WM_TIMER:
            onTimer(static_cast<unsigned>(wParam));
            handled = true;
            return true;
        default:
            return false;
    }
}

void CMainWnd::onSlotReport(std::uint32_t message, std::uintptr_t index) {
    if (systemAwake_ && linker_) {
        if (message == kMsgDeviceAdded) {
            linker_->onSlotLinked(static_cast<int>(index));
        } else {
            linker_->onSlotLost(static_cast<int>(index));
        }
        updatePageTabs();
    }
    // The scan waits for this, asleep or awake.
    if (scan_) {
        scan_->acknowledge();
    }
}

intptr_t CMainWnd::HandleCustomMessage(std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam, bool& handled) {
    switch (message) {
        case kMsgDeviceAdded:
        case kMsgDeviceRemoved:
            onSlotReport(message, wParam);
            return 0;
        case WM_ACTIVATE:
            windowActive_ = wParam != 0;
            return 0;
        case WM_MOUSELEAVE:
            platform::debugPrintf("鼠标移出");
            return 0;
        case WM_MOUSEHOVER:
            platform::debugPrintf("鼠标移入");
            return 0;
        case WM_POWERBROADCAST:
            // While the computer sleeps the devices run their own lighting.
            if (wParam == kPowerResume) {
                systemAwake_ = true;
                SetLightControl(lightControlFlag_, false);
            } else if (wParam == kPowerSuspend) {
                systemAwake_ = false;
                if (selector_) {
                    selector_->forEachPage(
                        [](devices::CTessarinUSBDevice& page) { page.setLightControl(0); });
                }
            }
            return 0;
        default:
            break;
    }
    if (handleRegistered(message, wParam, lParam)) {
        return 0;
    }
    if (systemAwake_) {
        handleAwakeMessage(message, wParam, lParam, handled);
        return 0;
    }
    // While the computer sleeps, hook, game and device messages are left alone; timers
    // and the tray still take their turn so the window stays usable on waking.
    (void)lParam;
    return 0;
}

intptr_t CMainWnd::OnDestroy(bool& handled) {
    platform::debugPrintf("退出测试");
    shutdown();
    tray_.DeleteTrayIcon();
    if (platform::MessageLoop* loop = uiLoop()) {
        loop->quit();
    }
    handled = true;
    return 0;
}

void CMainWnd::shutdown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    closeAuxiliaryWindows();
    ShowWindow(false);
    KillTimer(kTimerReceiverPoll);
    if (selector_) {
        // The listeners end with their collections closed.
        selector_->forEachPage([](devices::CTessarinUSBDevice& page) { page.closeEventLinks(); });
    }
    for (auto& worker : workers_) {
        worker->requestStop();
    }
    if (scan_) {
        scan_->wake();  // it may sleep until the bus changes
    }
    for (auto& worker : workers_) {
        worker->stop(kWorkerStopMs);
    }
    if (env_.companions->isRunning(Companion::AudioRecord)) {
        for (std::uint32_t command : {2u, 4u, 5u}) {
            env_.companions->send(Companion::AudioRecord, kAudioRecordMessageName, command, 0);
        }
    }
}

}  // namespace vorn::ui::mainwnd
