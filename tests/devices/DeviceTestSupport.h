#pragma once
// Stand-ins for the controls around a device page (key buttons, selection panel, power
// panel, selector entry, owner window), a page class that records what the base calls, and
// an emulated bus with a channel opened on it, all on virtual time.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "devices/EntryTimers.h"
#include "devices/TessarinUSBDevice.h"
#include "emulator/Scenario.h"
#include "emulator/bus/VirtualBus.h"
#include "platform/clock/Clock.h"
#include "platform/hid/HidBackend.h"
#include "platform/loop/ManualLoop.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/layouts/DialogBuilder.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::test {

// A "DeviceKeyButton" that records what the page shows on it.
class FakeKeyButton final : public ui::CButtonUI, public devices::IKeyLightTarget {
  public:
    std::string GetClass() const override { return "DeviceKeyButton"; }
    void* GetInterface(std::string_view name) override {
        if (name == devices::kKeyLightInterface) {
            return static_cast<devices::IKeyLightTarget*>(this);
        }
        return CButtonUI::GetInterface(name);
    }
    void setLightState(std::uint32_t c, std::uint8_t b, bool l) override {
        colour = c;
        brightness = b;
        lit = l;
        ++lightCalls;
    }
    void setKeyColour(std::uint32_t c, std::uint8_t b) override {
        keyColour = c;
        keyBrightness = b;
    }
    std::uint32_t colour = 0;
    std::uint8_t brightness = 0;
    bool lit = false;
    int lightCalls = 0;
    std::uint32_t keyColour = 0;
    std::uint8_t keyBrightness = 0;
};

class FakeSelectPanel final : public ui::CVerticalLayoutUI {
  public:
    std::string GetClass() const override { return "SelectPanel"; }
};

class PageClasses final : public ui::IDialogBuilderCallback {
  public:
    ui::CControlUI* CreateControl(std::string_view className) override {
        if (className == "DeviceKeyButton") {
            return new FakeKeyButton;
        }
        if (className == "SelectPanel") {
            return new FakeSelectPanel;
        }
        return nullptr;
    }
};

// Fills the page from layout text (children of the page).
inline void buildPage(ui::CContainerUI& page, const std::string& xml) {
    PageClasses classes;
    ui::CDialogBuilder builder;
    ASSERT_NE(builder.Create(xml, {}, &classes, nullptr, &page), nullptr)
        << builder.GetLastErrorMessage();
}

class FakePowerView final : public devices::IPowerView {
  public:
    void showPowerLayout(bool shown) override { layoutShown.push_back(shown); }
    void showPowerState(const std::uint8_t* block, std::size_t length) override {
        states.emplace_back(block, block + length);
    }
    std::vector<bool> layoutShown;
    std::vector<std::vector<std::uint8_t>> states;
};

// A selector entry whose timers run on a ManualLoop; records when each timer was started.
class FakeEntry final : public devices::IDeviceEntry {
  public:
    FakeEntry(platform::ManualLoop& loop, devices::CTessarinUSBDevice& page)
        : loop_(loop), timers_(loop, [&page](unsigned id) { page.onEntryTimer(id); }) {}

    bool isEntryShown() const override { return shown; }
    bool isEntrySelected() const override { return selected; }
    void hideEntry() override {
        shown = false;
        ++hides;
    }
    bool startEntryTimer(unsigned id, unsigned ms) override {
        started.push_back("t=" + std::to_string(loop_.nowMs()) + " " + std::to_string(id) + "+" +
                          std::to_string(ms));
        return timers_.start(id, ms);
    }
    bool stopEntryTimer(unsigned id) override { return timers_.stop(id); }

    bool shown = true;
    bool selected = false;
    int hides = 0;
    std::vector<std::string> started;

  private:
    platform::ManualLoop& loop_;
    devices::EntryTimerHost timers_;
};

// The owner window: records the messages it is sent as "id:wParam:lParam".
class OwnerRecorder final : public platform::MessageTarget {
  public:
    platform::MessageResult handleMessage(const platform::Message& m) override {
        messages.push_back(std::to_string(m.id) + ":" + std::to_string(m.wParam) + ":" +
                           std::to_string(m.lParam));
        return 1;
    }
    std::vector<std::string> messages;
};

// A page that logs the base's calls of its virtual operations, at the loop's time.
class RecordingDevice final : public devices::CTessarinUSBDevice {
  public:
    void ReloadFromDevice() override { note("reload"); }
    void ReloadAfterDeviceChange() override { note("changed"); }
    void OnTimer1003() override { note("1003"); }
    void OnTimer1004() override { note("1004"); }
    void RefreshPowerState() override {
        note("power");
        if (pollsPower) {
            lastPoll = pollPowerBlock(checkRadio);
        }
    }
    bool IsReachable() override {
        note(reachable ? "reachable" : "unreachable");
        return reachable;
    }
    void PushLightFrame() override {
        note("frame");
        CTessarinUSBDevice::PushLightFrame();
    }
    int poll(bool radio) { return pollPowerBlock(radio); }
    bool radioAnswers() { return radioLinkAnswers(); }

    void note(const std::string& what) {
        calls.push_back(clock != nullptr ? "t=" + std::to_string(clock->nowMs()) + " " + what
                                         : what);
    }

    platform::ManualLoop* clock = nullptr;
    bool reachable = true;
    bool pollsPower = false;
    bool checkRadio = false;
    int lastPoll = -999;
    std::vector<std::string> calls;
};

// An emulated bus installed as the HID backend, on virtual time.
class EmulatedBus {
  public:
    explicit EmulatedBus(const std::string& scenario) {
        std::string error;
        bus_ = emulator::buildBusFromScenario(scenario, error, emulator::TimeMode::Virtual);
        EXPECT_NE(bus_, nullptr) << error;
        platform::hid::setHidBackend(bus_.get());
    }
    ~EmulatedBus() { platform::hid::setHidBackend(nullptr); }
    EmulatedBus(const EmulatedBus&) = delete;
    EmulatedBus& operator=(const EmulatedBus&) = delete;

    emulator::VirtualBus& bus() { return *bus_; }
    // Opens the device's command collection on the page's channel, as the device link does.
    void openCable(devices::CTessarinUSBDevice& page, int device) {
        openCable(page.channel(), device);
    }
    void openReceiver(devices::CTessarinUSBDevice& page, int device) {
        openReceiver(page.channel(), device);
    }
    void openCable(protocol::CommandChannel& channel, int device) {
        ASSERT_TRUE(
            channel.cableLink().open(bus_->collectionPath(device, 4), true, true, true, true));
        channel.setLinkMode(protocol::kLinkModeCable);
        channel.setOpen(true);
    }
    void openReceiver(protocol::CommandChannel& channel, int device) {
        ASSERT_TRUE(
            channel.radioLink().open(bus_->collectionPath(device, 4), true, true, true, true));
        channel.setLinkMode(protocol::kLinkModeReceiver);
        channel.setOpen(true);
    }

  private:
    platform::VirtualClock clock_;
    platform::ClockOverride clockOverride_{clock_};
    std::unique_ptr<emulator::VirtualBus> bus_;
};

}  // namespace vorn::test
