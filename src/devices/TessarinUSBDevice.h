#pragma once
// CTessarinUSBDevice: the page of one device and the object that talks to it. As a control
// it is a horizontal layout filled from the device's page layout, receiving the
// notifications of its own controls; as a device it owns the command channel, the event
// link, the light state and the software light effects. The family classes (mouse,
// keyboard, mouse pad, headset) derive from it and override its virtual operations, whose
// order below is the order every family keeps.
//
// Threads: the page, its controls and its timers belong to the UI thread. The effect frames,
// FadeLight and the marquee operations run on the family's light preview thread; the light
// words are atomic, so PushLightFrame on the UI thread reads each word whole while a frame is
// being computed, and the effect state is kept under a lock of its own.

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/DeviceSlot.h"
#include "devices/DeviceSurfaces.h"
#include "devices/EventLink.h"
#include "link/DeviceEvents.h"
#include "platform/loop/MessageLoop.h"
#include "platform/sync/WorkerThread.h"
#include "profiles/records/KeyAssignment.h"
#include "profiles/records/LightSetting.h"
#include "profiles/records/LightSlotRecord.h"
#include "protocol/CommandChannel.h"
#include "protocol/DeviceInfo.h"
#include "ui/framework/core/NotifyPump.h"
#include "ui/framework/core/UiEvents.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {
class CDeviceProfileUI;
}

namespace vorn::devices {

// Family codes of deviceKind (the catalogue's device type numbers).
inline constexpr int kDeviceKindBase = 0;
inline constexpr int kDeviceKindKeyboard = 1;
inline constexpr int kDeviceKindMouse = 2;
inline constexpr int kDeviceKindMousePad = 3;
inline constexpr int kDeviceKindHeadset = 7;

// The message a page sends its owner window to have its selector entry shown (lParam 1) or
// hidden (lParam 0); wParam is the entry's position (pageIndex).
inline constexpr std::uint32_t kMsgSelectorEntryReport = 0x0D03;

// Timers of the selector entry.
inline constexpr unsigned kTimerLightFrame = 1000;
inline constexpr unsigned kTimerFirstRead = 1001;
inline constexpr unsigned kTimerDeviceChanged = 1002;
inline constexpr unsigned kTimer1003 = 1003;
inline constexpr unsigned kTimer1004 = 1004;
inline constexpr unsigned kTimerPowerPoll = 1005;
inline constexpr unsigned kTimerReachability = 1007;

inline constexpr unsigned kLightFrameReceiverMs = 50;
inline constexpr unsigned kLightFrameCableMs = 10;
inline constexpr unsigned kFirstReadRetryMs = 2000;
inline constexpr unsigned kPowerPollFirstMs = 50;
inline constexpr unsigned kPowerPollMs = 3000;
inline constexpr unsigned kReachabilityFirstMs = 2000;
inline constexpr unsigned kReachabilityMs = 3000;

inline constexpr std::size_t kFadeLevelCount = 170;
inline constexpr std::size_t kMarqueeRingSize = 23;
inline constexpr std::size_t kMarqueeLitCount = 9;
inline constexpr std::size_t kPowerBlockSize = 6;

// Diagnostic lines.
inline constexpr const char* kNotifyForwardedLine = "测试成功   、n";
inline constexpr const char* kReachableAgainLine = "2.4gcesvdfherhue  12312423 123342341";
inline constexpr const char* kUnreachableLine = "2.4gcesvdfherhue";
inline constexpr const char* kCablePollLine = "2.4gcesvdfherhue  12312423";

class CTessarinUSBDevice : public ui::CHorizontalLayoutUI,
                           public ui::CNotifyPump,
                           public ui::INotifyUI {
  public:
    CTessarinUSBDevice();
    ~CTessarinUSBDevice() override;

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;

    // --- Set up by the main window, in this order ---
    void setPageLayout(std::string layout) { pageLayout_ = std::move(layout); }
    void setOwnerWindow(platform::MessageTarget* owner) { ownerWindow_ = owner; }
    // Resizes keyControls when the count changes.
    void setKeyCount(int count);
    // Resizes the light lists when the count changes; zeroes every light word and state.
    void setLightCount(int count);
    void setHasPowerPage(int hasPowerPage);
    void setProfileName(std::string name) { profileName_ = std::move(name); }
    void setDisplayName(std::string name) { displayName_ = std::move(name); }
    void setPowerControl(IPowerView* control);
    void bindSlot(const catalogue::DeviceSlot& slot);
    void setLightConfigName(std::string name) { lightConfigName_ = std::move(name); }
    void setPageIndex(int index) { pageIndex_ = index; }
    void setOptionEntry(IDeviceEntry* entry) { optionEntry_ = entry; }
    void setLightEditor(ILightEditorView* editor) { lightEditor_ = editor; }

    catalogue::DeviceSlot slotIdentityOf() const { return slotIdentity_; }
    // Sends LightControlOn to a keyboard when the flag is set.
    void setLightControl(int flag);
    // The main window shown (1) or hidden (0). The preview frames (timer 1000) run only while
    // it is shown, unless the page's frames go to the device itself; showing the window
    // starts them again on an open channel.
    void setWindowShown(int flag);
    // Told by the main window while the device must not be polled (mouse and keyboard). The
    // power poll is not re-armed meanwhile; clearing the flag arms it again on an open
    // channel of a page with a power section.
    void setPowerPollStopped(bool stopped);
    bool powerPollStopped() const { return powerPollStopped_.load(); }
    // Whether more than one device is connected: the page's cross-device controls (the
    // synchronised lighting) are offered only then.
    void setSeveralDevicesConnected(bool several) { severalDevicesConnected_ = several; }
    bool severalDevicesConnected() const { return severalDevicesConnected_; }
    // Families whose light frames are sent to the device (the keyboard's streamed modes, the
    // headset's light reports) keep timer 1000 running while the window is hidden.
    void setFramesGoToDevice(bool toDevice) { framesGoToDevice_.store(toDevice); }

    // --- The device's event collections ---
    // Opens event transport `index` (0 or 1, see EventLink) on the path and starts its
    // listener thread; a transport opened again first stops its old listener. False when the
    // path does not open. UI thread.
    bool openEventLink(int index, const std::string& path);
    // Stops the listener of transport `index` and closes the transport.
    void closeEventLink(int index);
    void closeEventLinks();
    bool isEventListenerRunning(int index) const;

    // --- Sections ---
    // Shows page number n (1 lighting, 2 keys, 3 macros, 4 system, 8 performance, 9 about,
    // ...): the item "device_page_" + n of the tab layout "device_page_switch". A page
    // without that item keeps what it shows. False when nothing changed.
    bool selectPageSection(int pageNumber);

    // --- Folders ---
    // The program folder's "DefaultData/".
    std::string defaultDataFolder() const;
    // defaultDataFolder() + displayName + ".Json".
    std::string defaultProfilePath() const;
    // The user folder + displayName + "/", created when missing.
    std::string deviceDataFolder() const;

    // --- Notifications of the page's own controls ---
    void Notify(ui::TNotifyUI& msg) override { onNotify(msg); }
    // Forwards to the page's notify pump when the sender is one of the page's controls.
    void onNotify(ui::TNotifyUI& msg);

    // --- Selector entry timers ---
    // Runs the action of a due entry timer and arms what follows it.
    void onEntryTimer(unsigned timerId);
    // Starts a timer on the selector entry; false without an entry.
    bool startEntryTimer(unsigned timerId, unsigned elapseMs);

    // --- Virtual operations, in slot order ---
    virtual void InitPage();
    virtual void LoadLightSettings() {}
    virtual void RenderBreathing();
    virtual void RenderBreathingFourColours();
    virtual void RenderStatic();
    virtual void RenderSpectrum();
    virtual void RenderBlink();
    virtual void RenderBlinkFourColours();
    virtual void RenderOff();
    virtual void PushLightFrame();
    virtual void SetLightColour(int index, std::uint32_t word);
    virtual std::uint32_t GetLightColour(int index) const;
    virtual void ReloadFromDevice() {}
    virtual void ReloadAfterDeviceChange() {}
    virtual void OnTimer1003() {}
    virtual void OnTimer1004() {}
    virtual void RefreshPowerState() {}
    virtual bool IsReachable() { return true; }
    virtual void LoadSettings() {}
    virtual void OnLoaded() {}
    virtual void ShowSettings() {}
    virtual void UnusedOperation1() {}
    virtual void UnusedOperation2() {}
    virtual void ReloadKeyPage() {}
    virtual void ReloadKeysAndStages() {}
    virtual void GetMacroList(std::vector<int>& macroIndexes) { macroIndexes.clear(); }
    // A key list: one record per logical key (its current and factory assignment).
    virtual int WriteKeyAssignments(int bank, const std::vector<profiles::KeyRecord>& keys);
    virtual int WriteCurrentKeyAssignments(int bank);
    virtual int WriteCurrentSecondKeyAssignments(int bank);
    virtual int WriteSecondKeyAssignments(int bank, const std::vector<profiles::KeyRecord>& keys);
    virtual int WriteMacros(const std::vector<int>& macroIndexes);
    virtual int WriteProfileBlock(int profile, int byte0, int a, int b, int c);
    virtual void LoadNameLists() {}
    virtual void SetKeyNameMap(const std::map<int, std::string>& names) { keyNameMap_ = names; }
    virtual void FadeLight(int index, int mode);
    virtual void LightMarquee();
    virtual void RotateMarquee(bool direction);
    virtual void ClearFadeState();
    virtual void ShowLinkKind(int type);
    virtual int GetLinkIndicator() const { return linkIndicator_.load(); }
    virtual void BindProfileFiles() {}
    virtual std::string GetProfilePath() const { return {}; }
    virtual void SaveProfile() {}
    virtual void SetLightNameSet(int index) { lightNameSet_ = index; }
    virtual int GetLightNameSet() const { return lightNameSet_; }
    virtual void SetLightParameters(const profiles::LightSetting& light);
    virtual void SetLightEditorValues(int a, int b, int c);
    virtual void GetLightEditorValues(int& a, int& b, int& c) const;
    virtual void SelectKey(int index) { selectedKey_ = index; }
    virtual void SelectSecondKey(int index) { selectedSecondKey_ = index; }
    virtual void ReceiveAudioLevels(std::span<const std::int32_t> levels, std::int32_t number);
    virtual void ReceiveAudioValues(std::span<const std::uint32_t> values);

    // --- State, for the link, the main window, the families and tests ---
    int deviceKind() const { return deviceKind_; }
    int slotRole() const { return slotRole_; }
    int pageIndex() const { return pageIndex_; }
    int keyCount() const { return static_cast<int>(keyControls_.size()); }
    int lightCount() const { return static_cast<int>(lightColours_.size()); }
    int hasPowerPage() const { return hasPowerPage_.load(); }
    int lightControl() const { return lightControl_.load(); }
    int windowShown() const { return windowShown_.load(); }
    const std::string& pageLayout() const { return pageLayout_; }
    const std::string& lightConfigName() const { return lightConfigName_; }
    const std::string& displayName() const { return displayName_; }
    const std::string& profileName() const { return profileName_; }
    protocol::DeviceInfo& deviceInfo() { return deviceInfo_; }
    protocol::CommandChannel& channel() { return channel_; }
    EventLink& eventLink() { return eventLink_; }
    IDeviceEntry* optionEntry() const { return optionEntry_; }
    IPowerView* powerControl() const { return powerControl_; }
    platform::MessageTarget* ownerWindow() const { return ownerWindow_; }
    ui::CControlUI* selectPanel() const { return selectPanel_; }
    // The page's profile control (the model's profile list); null when the layout has none.
    ui::CDeviceProfileUI* profileControl();
    ui::CControlUI* keyControl(int index) const;
    ui::CControlUI* lightControlAt(int index) const;
    std::vector<profiles::LightSlotRecord>& lightStates() { return lightStates_; }
    const std::map<int, std::string>& keyNameMap() const { return keyNameMap_; }
    int selectedKey() const { return selectedKey_; }
    int selectedSecondKey() const { return selectedSecondKey_; }

    // The power block last shown (battery %, charging, 0, link, 0, phone type); none before
    // the first successful poll.
    std::optional<std::array<std::uint8_t, kPowerBlockSize>> lastPowerBlock() const;

    // The effect state (copies taken under the effect lock).
    profiles::LightSetting lightRecord() const;
    struct EffectCounters {
        std::uint8_t phase = 0;
        std::uint8_t colourStep = 0;
        std::uint8_t blinkOn = 0;
        std::uint32_t lastToggle = 0;
    };
    EffectCounters effectCounters() const;
    void setEffectCounters(const EffectCounters& counters);
    // 0 for an index outside the table.
    std::uint8_t fadeLevel(int index) const;
    void setFadeLevel(int index, std::uint8_t value);
    std::array<std::uint8_t, kMarqueeRingSize> marqueeRing() const;
    void setMarqueeRing(const std::array<std::uint8_t, kMarqueeRingSize>& ring);

  protected:
    // Each family's constructor gives the page its family code.
    void setFamilyKind(int kind) { deviceKind_ = kind; }
    // The window was shown (1) or hidden (0): a family's preview wakes or rests.
    virtual void onWindowShownChanged(int) {}
    // What the device reported by itself, on the UI thread (codes whose high byte is 0x10 or
    // 0x11 are the ones the mice and keyboards act on). cableListener: it came through the
    // cable (first) event transport.
    virtual void onDeviceReport(std::uint16_t code, bool cableListener);
    // A key press the mouse reports for the preview's reaction effect.
    virtual void onPreviewReaction() {}
    // The keyboard's light values (selector 1 or 2) from its type-1 event collection.
    virtual void onKeyboardLightEvent(int selector, int value);

    // The power poll the families share: when the channel is open (and, with checkRadio,
    // polling is not stopped and QueryRadioLink answers), reads the 6-byte power block at
    // offset 0, marks byte 3 with the link (1 via the receiver) and shows it on powerControl.
    // Result 1 when shown, else the failing code (0 when nothing was asked).
    int pollPowerBlock(bool checkRadio);
    // Open, via the receiver, and QueryRadioLink answers: what the radio families call
    // reachable.
    bool radioLinkAnswers();
    // Sends the owner window kMsgSelectorEntryReport for this page.
    void reportEntry(int shown);
    // Fills every light word with one value.
    void fillLights(std::uint32_t word);
    // A light frame put something new on the page: timer 1000 repaints the preview.
    void noteFrameChanged() { frameChanged_ = true; }
    // The light controls show what they were last given; the next frame sets every one.
    void forgetShownLights();

  private:
    void bindPageControls();
    void runFirstRead();
    void runReachabilityPoll();
    // Timer 1000 runs while the channel is open and the frames are seen (or go to the device).
    bool lightFramesWanted() const;
    void startLightFrames();
    // A report's code, on the UI thread.
    void handleDeviceEvent(std::uint16_t code, int transportIndex);
    link::DeviceFamily eventFamily() const;
    void stopEventListener(int index);

    // Receives the codes the listener threads post, on the UI thread.
    class EventReceiver final : public platform::MessageTarget {
      public:
        explicit EventReceiver(CTessarinUSBDevice& page) : page_(page) {}
        platform::MessageResult handleMessage(const platform::Message& message) override;

      private:
        CTessarinUSBDevice& page_;
    };

    // identity
    int deviceKind_ = kDeviceKindBase;
    int slotRole_ = 0;
    std::atomic<int> linkIndicator_{1};
    catalogue::DeviceSlot slotIdentity_;
    int pageIndex_ = -1;
    int lightNameSet_ = 0;
    std::string pageLayout_;
    std::string lightConfigName_;
    std::string displayName_;
    std::string profileName_;
    protocol::DeviceInfo deviceInfo_;

    // links
    protocol::CommandChannel channel_;
    EventLink eventLink_;

    // UI
    IDeviceEntry* optionEntry_ = nullptr;
    IPowerView* powerControl_ = nullptr;
    ILightEditorView* lightEditor_ = nullptr;
    platform::MessageTarget* ownerWindow_ = nullptr;
    ui::CControlUI* selectPanel_ = nullptr;
    std::vector<ui::CControlUI*> keyControls_;
    std::vector<ui::CControlUI*> lightControls_;
    // What each light control was last given by PushLightFrame (UI thread).
    std::vector<std::optional<std::uint32_t>> shownWords_;
    bool frameChanged_ = false;
    ui::CTabLayoutUI* functionSwitch_ = nullptr;
    ui::CTabLayoutUI* keyFunctionSwitch_ = nullptr;

    // lights
    std::vector<std::atomic<std::uint32_t>> lightColours_;
    std::vector<profiles::LightSlotRecord> lightStates_;
    mutable std::mutex effectLock_;
    profiles::LightSetting lightRecord_;
    EffectCounters counters_;
    std::array<std::uint8_t, kFadeLevelCount> fadeLevels_{};
    std::array<std::uint8_t, kMarqueeRingSize> marqueeRing_{};
    std::atomic<int> hasPowerPage_{0};
    std::atomic<int> lightControl_{1};
    std::atomic<int> windowShown_{1};
    std::atomic<bool> powerPollStopped_{false};
    std::atomic<bool> framesGoToDevice_{false};
    mutable std::mutex powerBlockLock_;
    std::optional<std::array<std::uint8_t, kPowerBlockSize>> lastPowerBlock_;
    bool severalDevicesConnected_ = false;

    // event listeners, one per event transport
    std::array<std::unique_ptr<platform::WorkerThread>, EventLink::kTransportCount> listeners_;
    EventReceiver eventReceiver_{*this};
    platform::MessageLoop* eventLoop_ = nullptr;  // where eventReceiver_ is registered

    // kept for the families
    std::map<int, std::string> keyNameMap_;
    int selectedKey_ = 0;
    int selectedSecondKey_ = 0;
    int editorA_ = 0;
    int editorB_ = 0;
    int editorC_ = 0;
};

}  // namespace vorn::devices
