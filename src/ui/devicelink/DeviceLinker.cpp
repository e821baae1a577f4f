// Devices arriving and leaving: pages found (or built), command and event collections
// opened and closed, tiles shown and dropped.

#include "ui/devicelink/DeviceLinker.h"

#include "catalogue/LinkRules.h"
#include "link/OtherLink.h"
#include "platform/debug/DebugSink.h"
#include "platform/debug/LogFile.h"

namespace vorn::ui::devicelink {

using catalogue::DeviceType;
using catalogue::SlotRole;

namespace {

bool isCableKind(DeviceType type) {
    return type == DeviceType::Keyboard || type == DeviceType::Mouse;
}

bool onOtherLink(DeviceType type) {
    return type == DeviceType::MouseOwnReceiver || type == DeviceType::KeyboardOtherLink;
}

bool isRadio(DeviceType type) {
    return onOtherLink(type) || type == DeviceType::Receiver;
}

// The debug lines of a device of each type coming and going (the headset has none).
struct TypeLines {
    DeviceType type;
    const char* added;
    const char* removed;
};
constexpr TypeLines kTypeLines[] = {
    {DeviceType::Keyboard, "添加一个键盘设备", "删除一个键盘设备"},
    {DeviceType::KeyboardOtherLink, "添加一个键盘设备", "删除一个键盘设备"},
    {DeviceType::Mouse, "添加一个鼠标设备", "删除一个鼠标设备"},
    {DeviceType::MouseOwnReceiver, "添加一个鼠标设备", "删除一个鼠标设备"},
    {DeviceType::MousePad, "添加一个鼠标垫设备", "删除一个鼠标垫设备"},
    {DeviceType::Receiver, "添加一个DONGLE设备", "删除一个鼠标设备"},
};

void writeTypeLine(DeviceType type, bool added) {
    for (const TypeLines& row : kTypeLines) {
        if (row.type == type) {
            platform::debugPrintf("%s", added ? row.added : row.removed);
        }
    }
}

}  // namespace

DeviceLinker::DeviceLinker(link::LinkedSlots& slots, selector::DeviceSelector& selector,
                           ILinkHost& host)
    : slots_(slots), selector_(selector), host_(host) {}

DeviceLinker::~DeviceLinker() {
    std::lock_guard<platform::RecursiveLock> io(receiverChannel_.ioLock());
    receiverChannel_.setOpen(false);
    receiverChannel_.radioLink().close();
}

int DeviceLinker::identitySlotOf(const catalogue::LiveSlotList& slots, int index) const {
    const int count = static_cast<int>(slots.size());
    if (index < 0 || index >= count) {
        return catalogue::kNoIndex;
    }
    const catalogue::DeviceSlot& slot = slots[static_cast<std::size_t>(index)];
    int command = index;
    if (slot.role != SlotRole::Command) {
        command = catalogue::findSlotRow(slots_.tables(), slot.deviceType, SlotRole::Command,
                                         slot.vendorId, slot.productId, slot.productString);
        if (command == catalogue::kNoIndex || command >= count) {
            return catalogue::kNoIndex;
        }
    }
    const catalogue::DeviceSlot& commandSlot = slots[static_cast<std::size_t>(command)];
    if (onOtherLink(commandSlot.deviceType) && commandSlot.alternateSlotFlag == 1) {
        const int alternate = commandSlot.alternateSlotIndex;
        return alternate < count ? alternate : catalogue::kNoIndex;
    }
    return command;
}

devices::CTessarinUSBDevice* DeviceLinker::pageOfSlot(int index) {
    std::lock_guard<std::mutex> lock(slots_.mutex());
    const catalogue::LiveSlotList& slots = slots_.slots();
    if (index < 0 || index >= static_cast<int>(slots.size())) {
        return nullptr;
    }
    int identity = catalogue::kNoIndex;
    if (slots[static_cast<std::size_t>(index)].deviceType == DeviceType::Receiver) {
        identity = catalogue::findReportedModelSlot(
            slots_.tables(), link::reportedModel(slots_.receiver().reportedModelCode),
            SlotRole::Command);
    } else {
        identity = identitySlotOf(slots, index);
    }
    if (identity == catalogue::kNoIndex || identity >= static_cast<int>(slots.size())) {
        return nullptr;
    }
    return selector_.pageWithIdentity(slots[static_cast<std::size_t>(identity)]);
}

devices::CTessarinUSBDevice* DeviceLinker::ensurePage(int identityIndex) {
    const catalogue::DeviceSlot identity = slots_.slot(identityIndex);
    if (devices::CTessarinUSBDevice* page = selector_.pageWithIdentity(identity)) {
        return page;
    }
    return selector_.buildDevicePage(identity, devices::pageKindOf(identity.deviceType), true);
}

void DeviceLinker::onSlotLinked(int index) {
    if (index < 0 || index >= catalogue::slotCount(slots_.tables())) {
        return;
    }
    const catalogue::DeviceSlot slot = slots_.slot(index);
    writeTypeLine(slot.deviceType, true);
    if (slot.deviceType == DeviceType::Receiver) {
        if (slot.role == SlotRole::Command) {
            const int row =
                catalogue::findSlotRow(slots_.tables(), slot.deviceType, SlotRole::Command,
                                       slot.vendorId, slot.productId, slot.productString);
            {
                std::lock_guard<std::mutex> lock(slots_.mutex());
                slots_.receiver().receiverSlot = index;
                slots_.receiver().receiverRow = row;
                // Linked only once its mouse has answered; the path stays.
                slots_.slots()[static_cast<std::size_t>(index)].linked = 0;
            }
            host_.startReceiverPoll(kReceiverPollMs);
        }
        selector_.refresh();
        return;
    }
    int identity = catalogue::kNoIndex;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        identity = identitySlotOf(slots_.slots(), index);
    }
    if (identity != catalogue::kNoIndex) {
        ensurePage(identity);
    }
    if (slot.role == SlotRole::Command) {
        linkCommand(index, slot);
    } else {
        linkEvent(index, slot);
    }
    selector_.refresh();
}

bool DeviceLinker::openCommand(devices::CTessarinUSBDevice& page, const catalogue::DeviceSlot& slot,
                               bool radio, const catalogue::DeviceSlot& identity) {
    protocol::CommandChannel& channel = page.channel();
    std::lock_guard<platform::RecursiveLock> io(channel.ioLock());
    hid::HidTransport& transport = radio ? channel.radioLink() : channel.cableLink();
    if (!transport.open(slot.devicePath, true, true, true, true)) {
        platform::debugPrintf("%s: %s does not open", page.displayName().c_str(),
                              slot.devicePath.c_str());
        return false;
    }
    channel.setOpen(true);
    channel.setLinkMode(radio ? protocol::kLinkModeReceiver : protocol::kLinkModeCable);
    page.bindSlot(identity);
    return true;
}

void DeviceLinker::startFirstRead(devices::CTessarinUSBDevice& page, bool showEntry) {
    const int entry = selector_.indexOfPage(&page);
    if (entry < 0) {
        return;
    }
    if (showEntry) {
        selector_.showLinkedEntry(entry);
    }
    page.startEntryTimer(devices::kTimerFirstRead, kFirstReadDelayMs);
}

void DeviceLinker::linkCommand(int index, const catalogue::DeviceSlot& slot) {
    const bool padOrHeadset =
        slot.deviceType == DeviceType::MousePad || slot.deviceType == DeviceType::Headset;
    if (padOrHeadset) {
        devices::CTessarinUSBDevice* page = selector_.pageWithIdentity(slot);
        if (page == nullptr) {
            return;
        }
        if (!page->channel().isOpen()) {
            protocol::CommandChannel& channel = page->channel();
            std::lock_guard<platform::RecursiveLock> io(channel.ioLock());
            if (!channel.cableLink().open(slot.devicePath, true, true, true, true)) {
                return;
            }
            channel.setOpen(true);  // the chunk size stays 24, on the cable
        }
        startFirstRead(*page, true);
        return;
    }
    bool other = false;
    catalogue::DeviceSlot identity;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        other = link::hasOtherLink(slots_.slots(), index, slots_.receiver().reportedModelCode);
        const int identityIndex = identitySlotOf(slots_.slots(), index);
        if (identityIndex == catalogue::kNoIndex) {
            return;
        }
        identity = slots_.slots()[static_cast<std::size_t>(identityIndex)];
    }
    if (other) {
        if (isCableKind(slot.deviceType)) {
            switchLink(index);
        }
        return;
    }
    devices::CTessarinUSBDevice* page = selector_.pageWithIdentity(identity);
    if (page == nullptr || page->channel().isOpen()) {
        return;
    }
    if (!openCommand(*page, slot, isRadio(slot.deviceType), identity)) {
        return;  // not linked; tried again when the device comes anew
    }
    // A mouse on a radio link shows once it is known to answer (the first read's report).
    startFirstRead(*page, !isRadio(slot.deviceType));
}

void DeviceLinker::linkEvent(int index, const catalogue::DeviceSlot& slot) {
    devices::CTessarinUSBDevice* page = pageOfSlot(index);
    const int transport = devices::EventLink::transportFor(slot.deviceType);
    if (page == nullptr || transport < 0) {
        return;
    }
    if (page->openEventLink(transport, slot.devicePath)) {
        events_[index] = {page, transport};
    }
}

void DeviceLinker::dropReceiverMouseLink() {
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        slots_.receiver().commandDeviceLink = 0;
    }
    platform::appendLogLine("m_nCommandDeviceLink    FALSE");
}

void DeviceLinker::onSlotLost(int index) {
    if (index < 0 || index >= catalogue::slotCount(slots_.tables())) {
        return;
    }
    const catalogue::DeviceSlot slot = slots_.slot(index);
    writeTypeLine(slot.deviceType, false);
    const DeviceType type = slot.deviceType;
    if (type == DeviceType::Mouse || type == DeviceType::MouseOwnReceiver ||
        type == DeviceType::Receiver) {
        dropReceiverMouseLink();
    }
    if (slot.role == SlotRole::Command) {
        loseCommand(index, slot);
    } else {
        loseEvent(index);
    }
    selector_.refresh();
}

void DeviceLinker::loseCommand(int index, const catalogue::DeviceSlot& slot) {
    const bool keyboard =
        slot.deviceType == DeviceType::Keyboard || slot.deviceType == DeviceType::KeyboardOtherLink;
    platform::debugPrintf(keyboard ? "键盘设备丢失" : "鼠标设备丢失");
    if (slot.deviceType == DeviceType::Receiver) {
        // The receiver itself is gone: nothing is left to poll.
        host_.stopReceiverPoll();
        std::lock_guard<platform::RecursiveLock> io(receiverChannel_.ioLock());
        receiverChannel_.setOpen(false);
        receiverChannel_.radioLink().close();
    }
    bool other = false;
    {
        std::lock_guard<std::mutex> lock(slots_.mutex());
        other = link::hasOtherLink(slots_.slots(), index, slots_.receiver().reportedModelCode);
    }
    if (other) {
        if (isCableKind(slot.deviceType)) {
            switchLink(index);  // the device stays, on its receiver
        }
        return;
    }
    devices::CTessarinUSBDevice* page = pageOfSlot(index);
    if (page == nullptr) {
        return;
    }
    protocol::CommandChannel& channel = page->channel();
    {
        std::lock_guard<platform::RecursiveLock> io(channel.ioLock());
        channel.setOpen(false);
        channel.cableLink().close();
        channel.radioLink().close();
    }
    const int entry = selector_.indexOfPage(page);
    if (entry >= 0) {
        selector_.dropEntry(entry);
    }
}

void DeviceLinker::loseEvent(int index) {
    const auto opened = events_.find(index);
    if (opened != events_.end()) {
        opened->second.page->closeEventLink(opened->second.transport);
        events_.erase(opened);
    }
    host_.focusMainWindow();
}

}  // namespace vorn::ui::devicelink
