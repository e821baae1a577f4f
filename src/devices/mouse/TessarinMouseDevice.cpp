// The mouse as a device: its profile files, the full read after linking, the settings
// block both ways, the key tables, macros and recoil data, its own reports and its power.

#include "devices/mouse/TessarinMouseDevice.h"

#include <array>

#include "devices/keys/KeySetControlUI.h"
#include "devices/mouse/MouseKeyTable.h"
#include "devices/mouse/MouseMacros.h"
#include "devices/mouse/MousePreviewTarget.h"
#include "devices/mouse/MouseReaction.h"
#include "devices/mouse/MouseReports.h"
#include "devices/mouse/MouseResults.h"
#include "devices/mouse/MouseSession.h"
#include "devices/mouse/MouseSettings.h"
#include "devices/mouse/MouseShoot.h"
#include "macros/MacroList.h"
#include "platform/debug/DebugSink.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::devices {
namespace {

constexpr std::string_view kHintControl = "device_tishi_info";

}  // namespace

CTessarinMouseDevice::CTessarinMouseDevice()
    : reaction_(std::make_unique<mouse::MouseReaction>()),
      previewTarget_(std::make_unique<mouse::MousePreviewTarget>(*this, *reaction_)),
      preview_(std::make_unique<mouse::LightPreviewEngine>(*previewTarget_)) {
    setFamilyKind(kDeviceKindMouse);
}

CTessarinMouseDevice::~CTessarinMouseDevice() {
    // The preview first, then the listeners: neither may run on a page that is going.
    preview_->stop();
    closeEventLinks();
}

void CTessarinMouseDevice::onPreviewReaction() {
    if (reaction_->start(*this)) {
        preview_->wake();
    }
}

void CTessarinMouseDevice::onWindowShownChanged(int) {
    preview_->wake();
}

void CTessarinMouseDevice::sendOwner(std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    platform::MessageLoop* loop = ui::uiLoop();
    if (ownerWindow() != nullptr && loop != nullptr) {
        loop->send(ownerWindow(), {message, wParam, lParam});
    }
}

// --- Profile files ---

void CTessarinMouseDevice::BindProfileFiles() {
    if (profileName().empty()) {
        return;  // no profile chosen: the factory entry serves, nothing is written
    }
    const std::string folder = deviceDataFolder();
    profile_.SetProfilePath(folder + profileName() + ".Json");
    profile_.SetDefaultProfilePath(defaultProfilePath());
    profile_.SetLightConfigPath(folder + lightConfigName() + ".config");
}

std::string CTessarinMouseDevice::GetProfilePath() const {
    return profile_.GetProfilePath();
}

void CTessarinMouseDevice::SaveProfile() {
    profile_.Save();
}

void CTessarinMouseDevice::SetLightNameSet(int index) {
    CTessarinUSBDevice::SetLightNameSet(index);
    profile_.SetDeviceSlot(index);
}

void CTessarinMouseDevice::takeLight(const profiles::LightSetting& light) {
    CTessarinUSBDevice::SetLightParameters(light);
    copy_.light = light;
    preview_->wake();
}

void CTessarinMouseDevice::SetLightParameters(const profiles::LightSetting& light) {
    takeLight(light);
    profile_.WriteLightInfo(light);
}

int CTessarinMouseDevice::applyLight(const profiles::LightSetting& light) {
    SetLightParameters(light);
    SaveProfile();
    return WriteProfileBlock(0, 0, 1, 0, 0);
}

void CTessarinMouseDevice::LoadNameLists() {
    const macros::MacroList list = macros::readMacroList(deviceDataFolder());
    macroNames_.clear();
    for (const macros::MacroListEntry& entry : list.entries) {
        macroNames_.push_back(entry.name);
    }
    if (keyPage_ != nullptr) {
        keyPage_->setMacroNames(macroNames_);
    }
    lights_ =
        mouse::readLightNames(defaultDataFolder() + mouse::kLightNameFileName, GetLightNameSet());
}

int CTessarinMouseDevice::macroCount() const {
    return static_cast<int>(macroNames_.size());
}

void CTessarinMouseDevice::LoadLightSettings() {
    takeLight(profile_.ReadLightInfo());
    const std::vector<profiles::LightSlotRecord>& states = profile_.ReadLightList();
    std::vector<profiles::LightSlotRecord>& mine = lightStates();
    for (std::size_t i = 0; i < mine.size() && i < states.size(); ++i) {
        mine[i] = states[i];
    }
}

void CTessarinMouseDevice::LoadSettings() {
    BindProfileFiles();
    profile_.LoadEntry(profile_.GetProfilePath());
    // After a profile switch the keys are the profile's; otherwise those the mouse holds.
    keys_ = profileSwitch_ ? profile_.ReadKeyList() : profile_.ReadKeyListWithOverlay();
    profileSwitch_ = false;
    LoadLightSettings();
    mouse::loadWorkingCopy(profile_, sensorIndex(), copy_);
}

// --- Reading the mouse ---

bool CTessarinMouseDevice::readKeyTables() {
    protocol::CommandChannel& ch = channel();
    protocol::DeviceInfo& info = deviceInfo();
    std::vector<std::uint8_t> factory;
    std::vector<std::uint8_t> current;
    bool currentRead = false;
    const bool read = mouse::readInSession(ch, [&] {
        if (protocol::ReadDeviceInfo(ch, info) != protocol::kResultOk) {
            return false;
        }
        const std::size_t tableBytes = mouse::kKeySlotBytes * info.keySlotCount();
        if (!ch.setBlockSize(static_cast<std::uint32_t>(tableBytes))) {
            return false;  // a table larger than a block: the read stops here
        }
        factory.resize(tableBytes);
        if (protocol::ReadBlock(ch, factory) != protocol::kResultOk) {
            return false;
        }
        current.resize(tableBytes);
        currentRead = protocol::ReadPage(ch, current, 0) == protocol::kResultOk;
        return true;
    });
    if (!read) {
        return false;
    }
    defaultKeyTable_ = std::move(factory);
    if (currentRead) {
        currentKeyTable_ = std::move(current);
        profile_.SetCurrentKeyTable(currentKeyTable_);
    }
    sensorId_ = info.sensorId();
    slotMap_ = mouse::buildButtonSlotMap(defaultKeyTable_, info.keySlotCount());
    profile_.SetButtonSlotMap(slotMap_);
    return true;
}

void CTessarinMouseDevice::ReloadFromDevice() {
    sendOwner(kMsgMouseRefresh);
    // The page shows the mouse's own sections whichever link it is on.
    ShowLinkKind(static_cast<int>(slotIdentityOf().deviceType));
    if (readKeyTables()) {
        const int dpiMax = sensorIndex() != mouse::kUnknownSensor ? mouse::kMaxStageDpi : 0;
        for (int i = 0; i < profiles::kDpiStageCount && dpiMax > 0; ++i) {
            if (ui::CSliderUI* s = slider("DPI_slider_" + std::to_string(i))) {
                s->SetMinValue(mouse::kMinStageDpi);
                s->SetMaxValue(dpiMax);
            }
        }
        sendOwner(kMsgModelPicture, static_cast<std::uintptr_t>(slotIdentityOf().pairedModelCode));
    }
    LoadNameLists();
    LoadSettings();
    readProfileBlock();
    ShowSettings();
    // The light the mouse shows, previewed on the page from now on.
    if (!preview_->running()) {
        preview_->start();
    }
    preview_->wake();
}

int CTessarinMouseDevice::readProfileBlock() {
    const int result =
        mouse::readProfileBlock(channel(), lights_, sensorIndex(), profile_, copy_, mirror_);
    takeLight(copy_.light);  // the preview shows what the mouse shows
    return result;
}

void CTessarinMouseDevice::ReloadAfterDeviceChange() {
    // The profile the user made current may have changed meanwhile (another program).
    if (ui::CDeviceProfileUI* profiles = profileControl()) {
        profiles->ReloadList();
        setProfileName(profiles->GetCurrentProfileId());
    }
    BindProfileFiles();
    readProfileBlock();
    ShowSettings();
}

void CTessarinMouseDevice::ReloadKeysAndStages() {
    keys_ = profile_.ReadKeyList();
    mouse::loadWorkingCopy(profile_, sensorIndex(), copy_);
    LoadLightSettings();
    SaveProfile();
    ShowSettings();
}

// --- Writing the mouse ---

int CTessarinMouseDevice::WriteProfileBlock(int profile, int byte0, int, int, int) {
    mouse::MouseProfileBlock block = mouse::buildProfileBlock(copy_, lights_);
    block.activeProfile = static_cast<std::uint8_t>(byte0);
    const int result = mouse::WriteProfileBlock(channel(), profile, block);
    if (result == mouse::kMouseOk) {
        mirror_.block = block;
    }
    lastBlockWritten_ = result == mouse::kMouseOk;
    return result;
}

void CTessarinMouseDevice::GetMacroList(std::vector<int>& macroIndexes) {
    macroIndexes = mouse::GetMacroList(keys_, slotMap_, macroCount());
}

int CTessarinMouseDevice::WriteMacros(const std::vector<int>& macroIndexes) {
    return mouse::WriteMacros(channel(), deviceDataFolder(), macroIndexes);
}

int CTessarinMouseDevice::WriteKeyAssignments(int bank,
                                              const std::vector<profiles::KeyRecord>& keys) {
    return mouse::WriteKeyAssignments(channel(), macroCount(), defaultKeyTable_, keys, slotMap_,
                                      bank);
}

int CTessarinMouseDevice::WriteCurrentKeyAssignments(int bank) {
    const std::vector<profiles::KeyRecord> keys = keys_;
    return WriteKeyAssignments(bank, keys);
}

int CTessarinMouseDevice::downloadShootData() {
    return mouse::downloadShootData(channel(), deviceDataFolder());
}

KeySaveOutcome CTessarinMouseDevice::saveKeysAndMacros(bool keysAfterFailedMacros) {
    KeySaveOutcome outcome;
    std::vector<int> macros;
    GetMacroList(macros);
    const int written = WriteMacros(macros);
    if (written > 0) {
        return {KeySaveResult::MacrosTooLarge, written};
    }
    if (written == mouse::kMacrosFailed) {
        outcome.result = KeySaveResult::MacrosFailed;
        if (!keysAfterFailedMacros) {
            return outcome;
        }
    }
    if (WriteCurrentKeyAssignments(0) != mouse::kMouseOk &&
        outcome.result == KeySaveResult::Saved) {
        outcome.result = KeySaveResult::KeysFailed;
    }
    SaveProfile();
    return outcome;
}

// --- The link, the mouse's reports, power ---

bool CTessarinMouseDevice::IsReachable() {
    return radioLinkAnswers();
}

void CTessarinMouseDevice::RefreshPowerState() {
    if (pollPowerBlock(true) != protocol::kResultOk) {
        return;
    }
    if (const auto block = lastPowerBlock()) {
        sendOwner(kMsgPowerByte, (*block)[4]);
    }
}

void CTessarinMouseDevice::ShowLinkKind(int type) {
    CTessarinUSBDevice::ShowLinkKind(type);
    if (ui::CControlUI* hint = control(kHintControl)) {
        hint->SetVisible(false);
    }
}

void CTessarinMouseDevice::onDeviceReport(std::uint16_t code, bool) {
    const std::optional<mouse::MouseReportChange> change = mouse::decodeMouseReport(code);
    if (!change || !channel().isOpen()) {
        return;
    }
    mirror_.activeProfile = change->profile;
    if (change->stage >= 0) {
        copy_.activeStage = change->stage;
        if (sensorIndex() != mouse::kUnknownSensor) {
            profile_.WriteActiveStage(sensorIndex(), change->stage);
        }
    }
    ShowSettings();
}

}  // namespace vorn::devices
