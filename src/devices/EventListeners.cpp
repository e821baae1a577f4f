// The listener threads of the device's event collections. Each reads its transport without
// time-out and posts every report's code to the page, which acts on it on the UI thread:
// a reload request becomes timer 1002 on the selector entry, the others go to the family.

#include <string>

#include "devices/TessarinUSBDevice.h"
#include "platform/debug/DebugSink.h"
#include "ui/framework/core/UiLoop.h"

namespace vorn::devices {
namespace {

// The page's own message: wParam the event code, lParam the transport it came through.
constexpr std::uint32_t kMsgDeviceEvent = 0x0D10;
// A listener whose read was woken by the close ends at once; the bound is for the odd case.
constexpr std::uint32_t kListenerStopMs = 1000;

constexpr const char* kReloadRequestLine = "接收到自动添加设备的同步信息要求";

bool validTransport(int index) {
    return index >= 0 && index < EventLink::kTransportCount;
}

}  // namespace

platform::MessageResult CTessarinUSBDevice::EventReceiver::handleMessage(
    const platform::Message& message) {
    if (message.id == kMsgDeviceEvent) {
        page_.handleDeviceEvent(static_cast<std::uint16_t>(message.wParam),
                                static_cast<int>(message.lParam));
    }
    return 0;
}

link::DeviceFamily CTessarinUSBDevice::eventFamily() const {
    switch (deviceKind_) {
        case kDeviceKindKeyboard:
            return link::DeviceFamily::Keyboard;
        case kDeviceKindMousePad:
            return link::DeviceFamily::MousePad;
        case kDeviceKindHeadset:
            return link::DeviceFamily::Headset;
        default:
            return link::DeviceFamily::Mouse;
    }
}

bool CTessarinUSBDevice::openEventLink(int index, const std::string& path) {
    if (!validTransport(index)) {
        return false;
    }
    stopEventListener(index);
    if (!eventLink_.open(index, path)) {
        return false;
    }
    platform::MessageLoop* loop = ui::uiLoop();
    if (loop != nullptr && eventLoop_ == nullptr) {
        loop->addTarget(&eventReceiver_);
        eventLoop_ = loop;
    }
    auto worker = std::make_unique<platform::WorkerThread>(
        "events of " + displayName_ + " (" + std::to_string(index) + ")", kListenerStopMs);
    hid::HidTransport* transport = eventLink_.transport(index);
    EventReceiver* receiver = &eventReceiver_;
    const bool mouseOrKeyboard =
        deviceKind_ == kDeviceKindMouse || deviceKind_ == kDeviceKindKeyboard;
    worker->start([transport, loop, receiver, index, mouseOrKeyboard](platform::Event& stop) {
        link::runEventListener(
            *transport, stop,
            [&](std::uint16_t code) {
                if (loop != nullptr) {
                    loop->post(receiver, {kMsgDeviceEvent, code, index});
                }
            },
            mouseOrKeyboard);
    });
    listeners_[static_cast<std::size_t>(index)] = std::move(worker);
    return true;
}

void CTessarinUSBDevice::stopEventListener(int index) {
    std::unique_ptr<platform::WorkerThread>& worker = listeners_[static_cast<std::size_t>(index)];
    if (!worker) {
        return;
    }
    worker->requestStop();
    eventLink_.close(index);  // a read waiting without time-out returns now
    worker->stop(kListenerStopMs);
    worker.reset();
}

void CTessarinUSBDevice::closeEventLink(int index) {
    if (!validTransport(index)) {
        return;
    }
    stopEventListener(index);
    eventLink_.close(index);
}

void CTessarinUSBDevice::closeEventLinks() {
    for (int i = 0; i < EventLink::kTransportCount; ++i) {
        closeEventLink(i);
    }
}

bool CTessarinUSBDevice::isEventListenerRunning(int index) const {
    return validTransport(index) && listeners_[static_cast<std::size_t>(index)] != nullptr &&
           !listeners_[static_cast<std::size_t>(index)]->finished();
}

void CTessarinUSBDevice::handleDeviceEvent(std::uint16_t code, int transportIndex) {
    // The first transport is the cable's (mouse) and the type-1 collection's (keyboard).
    const bool first = transportIndex == 0;
    const link::EventAction action = link::classifyDeviceEvent(code, eventFamily(), {first, first});
    switch (action.kind) {
        case link::EventAction::Kind::Reload:
            platform::debugLine(kReloadRequestLine);
            startEntryTimer(kTimerDeviceChanged, static_cast<unsigned>(action.delayMs));
            break;
        case link::EventAction::Kind::PreviewReaction:
            onPreviewReaction();
            break;
        case link::EventAction::Kind::KeyboardLight:
            onKeyboardLightEvent(action.selector, action.value);
            break;
        case link::EventAction::Kind::FamilyEvent:
            onDeviceReport(code, first);
            break;
        case link::EventAction::Kind::Ignore:
            break;
    }
}

void CTessarinUSBDevice::onDeviceReport(std::uint16_t, bool) {}

void CTessarinUSBDevice::onKeyboardLightEvent(int, int) {}

}  // namespace vorn::devices
