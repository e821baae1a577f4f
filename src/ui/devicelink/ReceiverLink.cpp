// The 8K receiver's mouse: the poll that finds it, the link through the receiver for the
// model it reports, and the moves between the mouse's cable and the receiver.

#include "catalogue/LinkRules.h"
#include "link/OtherLink.h"
#include "link/ReceiverPoll.h"
#include "platform/clock/Clock.h"
#include "platform/debug/DebugSink.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"
#include "ui/devicelink/DeviceLinker.h"

namespace vorn::ui::devicelink {

using catalogue::SlotRole;

void DeviceLinker::pollReceiver() {
    host_.stopReceiverPoll();
    const link::ReceiverState state = slots_.receiverState();
    const catalogue::DeviceSlot receiver = slots_.slot(state.receiverSlot);
    if (state.receiverSlot < 0 || receiver.devicePath.empty()) {
        return;  // no receiver left to ask
    }
    if (receiver.role == SlotRole::Command) {
        {
            std::lock_guard<platform::RecursiveLock> io(receiverChannel_.ioLock());
            hid::HidTransport& radio = receiverChannel_.radioLink();
            // Kept open between polls; opened again only for another receiver.
            if (!radio.isOpen() || radio.devicePath() != receiver.devicePath) {
                radio.open(receiver.devicePath, true, true, true, true);
            }
            receiverChannel_.setLinkMode(protocol::kLinkModeReceiver);
            receiverChannel_.setOpen(true);
        }
        const link::ReceiverPollResult result = link::pollReceiverLink(receiverChannel_, slots_);
        if (result.bound) {
            linkThroughReceiver(state.receiverSlot, result.modelCode);
        }
    }
    // Once the receiver's mouse is bound its page watches it (timer 1007), and nothing a poll
    // learns would bind it again before the receiver itself goes: the poll rests until then.
    if (slots_.slot(state.receiverSlot).linked == 0) {
        host_.startReceiverPoll(kReceiverPollMs);
    }
}

void DeviceLinker::linkThroughReceiver(int receiverSlot, int modelCode) {
    const int identityIndex = catalogue::findReportedModelSlot(
        slots_.tables(), link::reportedModel(modelCode), SlotRole::Command);
    if (identityIndex == catalogue::kNoIndex) {
        platform::debugPrintf("the receiver reports model %d, which has no page", modelCode);
        return;
    }
    devices::CTessarinUSBDevice* page = ensurePage(identityIndex);
    if (page == nullptr) {
        return;
    }
    const catalogue::DeviceSlot identity = slots_.slot(identityIndex);
    const catalogue::DeviceSlot eventSlot = slots_.slot(receiverSlot + 1);
    if (!eventSlot.devicePath.empty() && page->openEventLink(1, eventSlot.devicePath)) {
        events_[receiverSlot + 1] = {page, 1};
    }
    bool other = false;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        other = link::hasOtherLink(slots_.slots(), receiverSlot, modelCode);
    }
    if (other) {
        return;  // the mouse is on its cable as well and stays there
    }
    // Always opened anew on the receiver path.
    page->channel().setOpen(false);
    if (openCommand(*page, slots_.slot(receiverSlot), true, identity)) {
        startFirstRead(*page, false);
    }
}

void DeviceLinker::switchLink(int index) {
    catalogue::DeviceSlot from;
    catalogue::DeviceSlot target;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        const catalogue::LiveSlotList& slots = slots_.slots();
        if (index < 0 || index >= static_cast<int>(slots.size())) {
            return;
        }
        from = slots[static_cast<std::size_t>(index)];
        const int to = catalogue::alternateLinkOf(
            slots_.tables(), from, link::reportedModel(slots_.receiver().reportedModelCode));
        if (to == catalogue::kNoIndex || to >= static_cast<int>(slots.size())) {
            return;  // nothing to switch to
        }
        target = slots[static_cast<std::size_t>(to)];
    }
    devices::CTessarinUSBDevice* page = selector_.pageWithIdentity(from);
    if (page == nullptr) {
        page = selector_.pageWithIdentity(target);
    }
    if (page == nullptr) {
        return;
    }
    protocol::CommandChannel& channel = page->channel();
    const bool toCable = channel.viaReceiver();
    {
        std::lock_guard<platform::RecursiveLock> io(channel.ioLock());
        channel.setOpen(false);
        const bool opened =
            toCable ? channel.cableLink().open(from.devicePath, true, true, true, true)
                    : channel.radioLink().open(target.devicePath, true, true, true, true);
        if (!opened) {
            return;  // the channel stays closed
        }
        channel.setOpen(true);
        channel.setLinkMode(toCable ? protocol::kLinkModeCable : protocol::kLinkModeReceiver);
    }
    const bool hasEntry = selector_.indexOfPage(page) >= 0;
    if (!toCable) {
        if (page->hasPowerPage() != 0) {
            for (int i = 0; i < kRadioQueryTries; ++i) {
                if (protocol::QueryRadioLink(channel) == protocol::kResultOk) {
                    break;
                }
                platform::sleepMs(kRadioQueryPauseMs);
                if (i + 1 < kRadioQueryTries) {
                    platform::debugPrintf("获取2.4G模式失败");
                }
            }
            platform::debugPrintf("获取2");
            page->RefreshPowerState();
        }
        if (hasEntry) {
            page->startEntryTimer(devices::kTimerReachability, devices::kReachabilityFirstMs);
            page->ReloadFromDevice();
            host_.closeSettingsWindow();
        }
        return;
    }
    if (hasEntry) {
        page->startEntryTimer(devices::kTimerFirstRead, kFirstReadDelayMs);
        host_.sendEntryReport(page->pageIndex(), 1);
        host_.closeSettingsWindow();
    }
    if (page->hasPowerPage() != 0) {
        page->RefreshPowerState();
    }
}

}  // namespace vorn::ui::devicelink
