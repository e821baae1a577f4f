#pragma once
// The UI thread's side of the device link: what happens when discovery binds or loses a
// slot (pages built when missing, command and event collections opened on the cable or
// through the receiver, tiles shown and dropped), the receiver poll that finds the mouse
// paired with the 8K receiver, and the move of a mouse page between its cable and the
// receiver when one of the two comes or goes.
//
// The live slot list is read under its lock; transports are opened and closed under the
// page's channel ioLock (commands) or the event link's own locks. UI thread only.

#include <map>
#include <memory>

#include "devices/TessarinUSBDevice.h"
#include "link/LinkedSlots.h"
#include "protocol/CommandChannel.h"
#include "ui/selector/DeviceSelector.h"

namespace vorn::ui::devicelink {

inline constexpr unsigned kTimerReceiverPoll = 1068;
inline constexpr unsigned kReceiverPollMs = 500;
inline constexpr int kRadioQueryTries = 26;
inline constexpr std::uint32_t kRadioQueryPauseMs = 50;
inline constexpr unsigned kFirstReadDelayMs = 50;

// What the linker needs from the main window.
class ILinkHost {
  public:
    virtual ~ILinkHost() = default;
    // Timer 1068 of the window (one-shot; the poll arms it again).
    virtual void startReceiverPoll(unsigned elapseMs) = 0;
    virtual void stopReceiverPoll() = 0;
    // The settings window shows one device's firmware: it closes when the device's link
    // changes.
    virtual void closeSettingsWindow() = 0;
    // Message 3331 (0x0D03) to the window: entry `position` shown (1) or not (0).
    virtual void sendEntryReport(int position, int shown) = 0;
    // After an event collection is lost the keyboard focus goes back to the window.
    virtual void focusMainWindow() = 0;
};

class DeviceLinker {
  public:
    DeviceLinker(link::LinkedSlots& slots, selector::DeviceSelector& selector, ILinkHost& host);
    ~DeviceLinker();
    DeviceLinker(const DeviceLinker&) = delete;
    DeviceLinker& operator=(const DeviceLinker&) = delete;

    // 3090: discovery bound slot `index`.
    void onSlotLinked(int index);
    // 3091: the device of slot `index` is gone (discovery has freed the slot).
    void onSlotLost(int index);
    // Timer 1068: asks the receiver about its mouse; binds the mouse's page when it answers
    // for the first time, and rests from then on until the receiver goes.
    void pollReceiver();
    // Moves the page of the device of cable slot `index` between the cable and the receiver.
    void switchLink(int index);

  private:
    // The slot whose identity the device's page has: a command slot's own, the cable slot of
    // a device on its other link, the command slot of an event slot's device.
    int identitySlotOf(const catalogue::LiveSlotList& slots, int index) const;
    devices::CTessarinUSBDevice* pageOfSlot(int index);
    devices::CTessarinUSBDevice* ensurePage(int identityIndex);
    void linkCommand(int index, const catalogue::DeviceSlot& slot);
    void linkEvent(int index, const catalogue::DeviceSlot& slot);
    // The receiver's mouse answered with its model: its page goes through the receiver.
    void linkThroughReceiver(int receiverSlot, int modelCode);
    bool openCommand(devices::CTessarinUSBDevice& page, const catalogue::DeviceSlot& slot,
                     bool radio, const catalogue::DeviceSlot& identity);
    void startFirstRead(devices::CTessarinUSBDevice& page, bool showEntry);
    void loseCommand(int index, const catalogue::DeviceSlot& slot);
    void loseEvent(int index);
    void dropReceiverMouseLink();

    link::LinkedSlots& slots_;
    selector::DeviceSelector& selector_;
    ILinkHost& host_;
    // The channel the receiver poll talks on (its own: a page's channel stays the page's).
    protocol::CommandChannel receiverChannel_;
    // The event collections opened, by slot: the page and its transport.
    struct OpenedEvent {
        devices::CTessarinUSBDevice* page = nullptr;
        int transport = -1;
    };
    std::map<int, OpenedEvent> events_;
};

}  // namespace vorn::ui::devicelink
