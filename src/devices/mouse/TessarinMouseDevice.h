#pragma once
// CTessarinMouseDevice: the page of a gaming mouse and the object that talks to it. It keeps
// the working copy of the user's settings for this mouse (the stages of its sensor, the
// report rates, sensor and power options, the light effect, the keys), turns them into the
// mouse's settings block, key table and macro image, reads them back from the mouse, and
// shows them on the page's controls. Every change on the page changes one field, stores it
// into the profile, saves the profile and writes the settings block, in that order.
//
// UI thread, except the light preview, which runs on a thread of its own and reads the
// light setting through the page's light words.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "devices/TessarinUSBDevice.h"
#include "devices/mouse/ButtonSlotMap.h"
#include "devices/mouse/LightModeNames.h"
#include "devices/mouse/LightPreviewEngine.h"
#include "devices/mouse/MouseProfileBlock.h"
#include "devices/mouse/MouseSensor.h"
#include "profiles/MouseProfiledata.h"

namespace vorn::ui {
class CDeviceProfileUI;
class CSliderUI;
}  // namespace vorn::ui

namespace vorn::devices::mouse {
class MouseReaction;
class MousePreviewTarget;
}  // namespace vorn::devices::mouse

namespace vorn::devices {

class CKeySetControlUI;
struct KeyPageOutcome;

// Messages the mouse sends its owner window.
inline constexpr std::uint32_t kMsgModelPicture = 0x0D07;  // show the current mouse's picture
inline constexpr std::uint32_t kMsgMouseRefresh = 0x0D08;  // every mouse page refreshes
inline constexpr std::uint32_t kMsgPowerByte = 0x0D01;     // byte 4 of the power block

// The page's answer to saving macros and keys: what the window tells the user.
enum class KeySaveResult {
    Saved,           // macros and keys are on the mouse, the profile is saved
    MacrosTooLarge,  // "message_text_16" with eventsTooMany; nothing was sent
    MacrosFailed,    // "message_text_7"; the keys were still written
    KeysFailed,      // the key table did not reach the mouse
};
struct KeySaveOutcome {
    KeySaveResult result = KeySaveResult::Saved;
    int eventsTooMany = 0;
};

class CTessarinMouseDevice : public CTessarinUSBDevice {
  public:
    CTessarinMouseDevice();
    ~CTessarinMouseDevice() override;

    // --- Overrides, in slot order ---
    void InitPage() override;
    void LoadLightSettings() override;
    void ReloadFromDevice() override;
    void ReloadAfterDeviceChange() override;
    void RefreshPowerState() override;
    bool IsReachable() override;
    void LoadSettings() override;
    void ShowSettings() override;
    void ReloadKeyPage() override;
    void ReloadKeysAndStages() override;
    void GetMacroList(std::vector<int>& macroIndexes) override;
    int WriteKeyAssignments(int bank, const std::vector<profiles::KeyRecord>& keys) override;
    int WriteCurrentKeyAssignments(int bank) override;
    int WriteMacros(const std::vector<int>& macroIndexes) override;
    // Writes profile `profile`'s settings block; byte 0 of the block carries byte0 (every
    // caller passes 0, 0). The three further values are the keyboard's; the mouse ignores them.
    int WriteProfileBlock(int profile, int byte0, int a, int b, int c) override;
    void LoadNameLists() override;
    void ShowLinkKind(int type) override;
    void BindProfileFiles() override;
    std::string GetProfilePath() const override;
    void SaveProfile() override;
    void SetLightNameSet(int index) override;
    void SetLightParameters(const profiles::LightSetting& light) override;
    void SelectKey(int index) override;

    // --- The mouse's own operations ---
    // Binds the page's controls (the base's key and light buttons, the key page).
    void InitMousePage();
    // Reads the active profile's block into the working copies; 1, or 0 with nothing changed.
    int readProfileBlock();
    // Sends the four recoil sequences of the device data folder; 1 or 0.
    int downloadShootData();
    // Macros, then keys, then the profile: the key page's "save to the mouse". Macros that do
    // not fit stop it before the keys; macros that failed stop it unless keysAfterFailedMacros.
    KeySaveOutcome saveKeysAndMacros(bool keysAfterFailedMacros = true);
    // The next LoadSettings takes the keys from the profile instead of the mouse's table.
    void setProfileSwitch() { profileSwitch_ = true; }
    // A new light setting, as the light editor gives it: kept, stored, saved and written;
    // the block write's result.
    int applyLight(const profiles::LightSetting& light);
    // Whether the last settings-block write reached the mouse (the page keeps the change in
    // the profile either way).
    bool lastBlockWritten() const { return lastBlockWritten_; }

    // --- The page's controls (the main window routes their events here) ---
    // Section n of the performance page ("mouse_device_seting_option_" + n).
    void selectSettingsTab(int n);
    void onDpiSliderChanged(int stage);  // "DPI_slider_" + n, value changed
    void onDpiSliderMoving(int stage);   // "DPI_slider_" + n, while it moves
    void onDpiEditLeft(int stage);       // "DPI_edit_" + n, focus lost
    void onDpiEditClicked(int stage);    // "DPI_edit_" + n: the stage becomes the active one
    void onDpiEnableChanged(int stage);  // "DPI_enable_check_" + n
    void onPollingSliderChanged();       // "polling_rate_slider"
    void onPollingOption(int n);         // "polling_rate_option_" + n
    void onSilentAltitudeOption(int n);  // "Silent_Altitude_option_" + n
    void onLiftOffOption(int n);         // "sensor_lif_option_" + n
    void onMotionSyncOption(int n);      // "motion_sync_option_" + n
    void onCalibrationOption(int n);     // "Linear_Calibration_option_" + n
    void onDeepSleepOption(int n);       // "deep_sleep_option_" + n
    void onDormancyChanged(int index);   // "Dormancy_slider" or its combo: 1-6
    void onKeyDelayChanged(int index);   // "Key_Delay_slider" or its combo: 0-5
    void onAntiShakeChanged(int index);  // "Anti_Shake_combo_timeSelect"
    // The pointer settings ("pointer_speed_slider", "double_click_slider",
    // "scroll_speed_slider", "pointer_precision_check", "scrolls_page_check"): stored in the
    // profile, not sent to the mouse.
    void onPointerSetting(std::string_view control);
    // The key page's events by the sender's name ("keyset_*" combos and edits,
    // "key_butt_*" clicks, "key_ComBox_check_" + n); answers what the window should say.
    KeySaveOutcome onKeyPageEvent(std::string_view type, std::string_view name);
    // A key pressed while the key page captures keys (its keyboard key field has the focus):
    // the desktop's code of the key. False when the key is none the key tables know.
    bool onKeyCaptured(std::uint32_t nativeScanCode);

    // --- State, for the window, vornctl and tests ---
    const mouse::MouseWorkingCopy& workingCopy() const { return copy_; }
    const mouse::MouseBlockMirror& mirror() const { return mirror_; }
    const std::vector<profiles::KeyRecord>& keyList() const { return keys_; }
    const mouse::ButtonSlotMap& buttonSlotMap() const { return slotMap_; }
    const mouse::LightNames& lightNames() const { return lights_; }
    std::uint16_t sensorId() const { return sensorId_; }
    int sensorIndex() const { return mouse::sensorIndex(sensorId_); }
    int activeProfileOnMouse() const { return mirror_.activeProfile; }
    profiles::CMouseProfiledata& profileData() { return profile_; }
    CKeySetControlUI* keyPage() const { return keyPage_; }
    // The text a DPI edit shows for a value: rounded up to 50, or to 100 above the sensor's
    // fine range.
    std::string dpiDisplayText(int dpi) const;

  protected:
    void onDeviceReport(std::uint16_t code, bool cableListener) override;
    void onPreviewReaction() override;
    void onWindowShownChanged(int shown) override;

  private:
    // The four steps of a change: the field is already changed in the copy; store the
    // copy into the profile, save it and write the block.
    void commitSettings();
    // Store and save without writing (the pointer settings).
    void storeSettings();
    ui::CControlUI* control(std::string_view name);
    ui::CSliderUI* slider(std::string_view name);
    // The option "prefix" + n selected, the others of the family cleared, without events.
    void selectOption(std::string_view prefix, int n, int count);
    void showStages();
    void showStageEnables();
    void showStageLook();
    void showPollingRate();
    // Via the mouse's own receiver (not the 8K one).
    bool onOwnReceiver();
    void showOptions();
    void showKeys();
    // Reads the DPI stages of bytes 14-67 from the copy into a stage i; false outside 0-5.
    bool stageIndexValid(int stage) const;
    void takeSliderValues();
    // The light the page previews and writes: the base's record and the working copy.
    void takeLight(const profiles::LightSetting& light);
    void sendOwner(std::uint32_t message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    void applyKeyPageOutcome(const KeyPageOutcome& outcome);
    bool readKeyTables();
    int macroCount() const;

    profiles::CMouseProfiledata profile_;
    mouse::MouseWorkingCopy copy_;
    mouse::MouseBlockMirror mirror_;
    mouse::LightNames lights_;
    std::uint16_t sensorId_ = 0;
    std::vector<std::uint8_t> defaultKeyTable_;
    std::vector<std::uint8_t> currentKeyTable_;
    mouse::ButtonSlotMap slotMap_;
    std::vector<profiles::KeyRecord> keys_;
    std::vector<std::string> macroNames_;
    bool profileSwitch_ = false;
    bool lastBlockWritten_ = false;
    CKeySetControlUI* keyPage_ = nullptr;
    // The light preview: its reaction state, what it draws on, and its thread.
    std::unique_ptr<mouse::MouseReaction> reaction_;
    std::unique_ptr<mouse::MousePreviewTarget> previewTarget_;
    std::unique_ptr<mouse::LightPreviewEngine> preview_;
};

}  // namespace vorn::devices
