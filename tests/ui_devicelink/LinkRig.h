#pragma once
// The device selector and the device link of a window built from the program's own skin,
// with discovery passes made by the test on an emulated bus, all on virtual time.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/StandardCatalogue.h"
#include "devices/PageFactory.h"
#include "emulator/Scenario.h"
#include "link/DeviceDiscovery.h"
#include "platform/clock/Clock.h"
#include "platform/debug/DebugSink.h"
#include "platform/hid/HidBackend.h"
#include "platform/paths/Paths.h"
#include "support/TempHome.h"
#include "ui/controls/LayoutClassTable.h"
#include "ui/devicelink/DeviceLinker.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/profiles/DeviceProfileUI.h"
#include "ui/selector/DeviceSelector.h"

namespace vorn::test {

inline const std::string kSkin = std::string(VORN_SOURCE_DIR) + "/resources/skin";

// The window: the main window's skin, with the link's timer and the entry report.
class LinkWindow final : public ui::WindowImplBase, public ui::devicelink::ILinkHost {
  public:
    std::string GetWindowClassName() const override { return "LinkTest"; }
    std::string GetSkinFile() const override { return "XML_MAIN"; }
    ui::CControlUI* CreateControl(std::string_view className) override {
        return ui::createCustomControl(className, &m_pm);
    }
    intptr_t HandleCustomMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                 bool& handled) override {
        if (message == ui::WM_TIMER && wParam == ui::devicelink::kTimerReceiverPoll) {
            KillTimer(ui::devicelink::kTimerReceiverPoll);
            ++polls;
            linker->pollReceiver();
            handled = true;
        } else if (message == 0x0D03) {
            reports.push_back(std::to_string(wParam) + ":" + std::to_string(lParam));
            selector->onEntryReport(static_cast<int>(wParam), lParam != 0);
            handled = true;
        }
        return 0;
    }
    void startReceiverPoll(unsigned ms) override {
        SetTimer(ui::devicelink::kTimerReceiverPoll, ms);
    }
    void stopReceiverPoll() override { KillTimer(ui::devicelink::kTimerReceiverPoll); }
    void closeSettingsWindow() override { ++settingsClosed; }
    void sendEntryReport(int position, int shown) override {
        SendMessage(0x0D03, static_cast<std::uintptr_t>(position), shown);
    }
    void focusMainWindow() override { ++focused; }

    ui::selector::DeviceSelector* selector = nullptr;
    ui::devicelink::DeviceLinker* linker = nullptr;
    int polls = 0;
    int settingsClosed = 0;
    int focused = 0;
    std::vector<std::string> reports;
};

class LinkRig : public link::IDiscoverySink {
  public:
    explicit LinkRig(const std::string& scenario) {
        platform::setProgramFolderOverride(std::string(VORN_SOURCE_DIR) + "/resources/");
        ui::CPaintManagerUI::SetResourcePath(kSkin);
        devices::registerPageControls();
        std::string error;
        bus = emulator::buildBusFromScenario(scenario, error, emulator::TimeMode::Virtual);
        EXPECT_NE(bus, nullptr) << error;
        platform::hid::setHidBackend(bus.get());
        EXPECT_TRUE(
            window.Create(nullptr, "link test", ui::WS_POPUP | ui::WS_VISIBLE, 0, 0, 0, 1000, 640));
        selector = std::make_unique<ui::selector::DeviceSelector>(
            window.GetPaintManager(), &window, catalogue::kDeviceCatalogue, &window);
        selector->buildCataloguePages(slots.slots());
        selector->refresh();
        linker = std::make_unique<ui::devicelink::DeviceLinker>(slots, *selector, window);
        window.selector = selector.get();
        window.linker = linker.get();
    }
    ~LinkRig() override {
        linker.reset();
        selector.reset();
        window.DestroyWindow();
        platform::hid::setHidBackend(nullptr);
        ui::CPaintManagerUI::SetResourcePath("");
        platform::setProgramFolderOverride("");
    }

    // One discovery pass; the window handles each report at once, as the scan waits for it.
    std::vector<std::string> pass() {
        events.clear();
        EXPECT_TRUE(discovery.runPass());
        loop().runPending();
        return events;
    }
    void slotBound(int index) override {
        events.push_back("+" + std::to_string(index));
        linker->onSlotLinked(index);
    }
    void slotLost(int index) override {
        events.push_back("-" + std::to_string(index));
        linker->onSlotLost(index);
    }
    void firstPassDone() override {}

    platform::ManualLoop& loop() { return ui.loop(); }
    // Lets the listener threads' reports in (real time, bounded) and handles them.
    bool pumpUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            loop().waitForMessage(10);
            loop().runPending();
        }
        return done();
    }
    devices::CTessarinUSBDevice& page(int entry) { return *selector->entry(entry)->page; }
    ui::CDeviceOptionUI& tile(int entry) { return *selector->entry(entry)->tile; }
    ui::CControlUI* control(const char* name) { return window.GetPaintManager().FindControl(name); }

    TempHome home;
    platform::VirtualClock clock;
    platform::ClockOverride clockOverride{clock};
    ui::ScopedManualUiLoop ui{&clock};
    std::unique_ptr<emulator::VirtualBus> bus;
    link::LinkedSlots slots{catalogue::kDeviceCatalogue};
    link::DeviceDiscovery discovery{slots, *this};
    LinkWindow window;
    std::unique_ptr<ui::selector::DeviceSelector> selector;
    std::unique_ptr<ui::devicelink::DeviceLinker> linker;
    std::vector<std::string> events;
};

// The selector entries of the catalogue's pages.
inline constexpr int kKeyboardEntry = 0;
inline constexpr int kT4Entry = 1;
inline constexpr int kT4ProEntry = 2;
inline constexpr int kT4UltraEntry = 3;
inline constexpr int kT4MaxEntry = 4;

}  // namespace vorn::test
