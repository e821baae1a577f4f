#pragma once
// A main window without a display on the emulated bus, on virtual time: devices found by a
// discovery pass, control events raised on the current mouse page's controls as a user's
// clicks raise them, and what reached the mouse and the profile file.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "emulator/Scenario.h"
#include "platform/clock/Clock.h"
#include "platform/hid/HidBackend.h"
#include "platform/paths/Paths.h"
#include "storage/DataFile.h"
#include "support/FramesSeen.h"
#include "support/TempHome.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/mainwnd/HeadlessWindow.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::test {

inline const std::string kResourceFolder = std::string(VORN_SOURCE_DIR) + "/resources/";

class MouseRig {
  public:
    explicit MouseRig(const std::string& scenario) {
        platform::setProgramFolderOverride(kResourceFolder);
        ui::CPaintManagerUI::SetResourcePath(kResourceFolder + "skin");
        std::string error;
        bus = emulator::buildBusFromScenario(scenario, error, emulator::TimeMode::Virtual);
        EXPECT_NE(bus, nullptr) << error;
        platform::hid::setHidBackend(bus.get());
        ui::mainwnd::MainWndEnvironment env;
        env.defaultDataFolder = kResourceFolder + "DefaultData/";
        env.userFolder = platform::userFolder();
        headless = std::make_unique<ui::mainwnd::HeadlessWindow>(env);
        EXPECT_TRUE(headless->ready());
        headless->window().SetNoticeSink([this](const std::string& text) { notices += text; });
        EXPECT_TRUE(headless->scan());
    }
    ~MouseRig() {
        headless.reset();
        platform::hid::setHidBackend(nullptr);
        ui::CResourceManager::GetInstance().ResetTextMap();
        ui::CPaintManagerUI::SetResourcePath("");
        platform::setProgramFolderOverride("");
    }

    devices::CTessarinMouseDevice& mouse() {
        devices::CTessarinMouseDevice* current = headless->window().currentMouse();
        EXPECT_NE(current, nullptr);
        return *current;
    }
    ui::CControlUI* control(const std::string& name) {
        ui::CControlUI* found = mouse().FindSubControl(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void raise(const char* type, const std::string& name) { headless->raise(type, control(name)); }
    // The frames the mouse's device saw since the last call.
    std::vector<std::string> takeFrames(int device = 0) {
        std::vector<std::string> frames = framesSeen(*bus, device);
        bus->clearFrameLog(device);
        return frames;
    }
    // The mouse's entry of its current profile file, as stored.
    Json::Value storedEntry() {
        return storage::ReadJsonFile(mouse().GetProfilePath())["Device"][0];
    }
    std::vector<std::uint8_t> settingsBlock(int mouseId = 0) {
        return bus->readMemory(mouseId, emulator::MouseArea::Settings, 0, 75);
    }

    TempHome home;
    platform::VirtualClock clock;
    platform::ClockOverride clockOverride{clock};
    std::unique_ptr<emulator::VirtualBus> bus;
    std::unique_ptr<ui::mainwnd::HeadlessWindow> headless;
    std::string notices;
};

}  // namespace vorn::test
