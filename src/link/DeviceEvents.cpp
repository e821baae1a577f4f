#include "link/DeviceEvents.h"

#include <vector>

#include "platform/debug/DebugSink.h"

namespace vorn::link {
namespace {

// How long a closed transport or a failed read makes the thread rest before it looks again.
constexpr std::uint32_t kIdleWaitMs = 100;

bool mouseOrKeyboard(DeviceFamily family) {
    return family == DeviceFamily::Mouse || family == DeviceFamily::Keyboard;
}

}  // namespace

EventAction classifyDeviceEvent(std::uint16_t code, DeviceFamily family,
                                EventListenerKind listener) {
    using Kind = EventAction::Kind;
    if (code == kEventReload) {
        return {Kind::Reload, mouseOrKeyboard(family) ? 50 : 500, 0, 0};
    }
    if (code == kEventReloadToo) {
        return mouseOrKeyboard(family) ? EventAction{Kind::Reload, 50, 0, 0} : EventAction{};
    }
    if (code == kEventPreviewReaction && family == DeviceFamily::Mouse && listener.cable) {
        return {Kind::PreviewReaction, 0, 0, 0};
    }
    if (family == DeviceFamily::Keyboard && listener.typeOne) {
        if (code >= 0x500 && code <= 0x5FF) {
            return {Kind::KeyboardLight, 0, 1, code - 0x500};
        }
        if (code >= 0x600 && code <= 0x6FF) {
            return {Kind::KeyboardLight, 0, 2, code - 0x600};
        }
    }
    if (code > kEventReloadToo && mouseOrKeyboard(family)) {
        return {Kind::FamilyEvent, 0, 0, code};
    }
    return {};
}

void runEventListener(hid::HidTransport& transport, platform::Event& stop,
                      const std::function<void(std::uint16_t)>& onCode,
                      bool mouseOrKeyboardThread) {
    std::vector<std::uint8_t> report;
    while (stop.wait(0) == platform::WaitResult::TimedOut) {
        if (!transport.isOpen()) {
            stop.wait(kIdleWaitMs);
            continue;
        }
        report.assign(transport.input().report.size() > 0 ? transport.input().report.size() : 64,
                      0);
        std::uint32_t transferred = 0;
        if (!transport.read(report.data(), static_cast<std::uint32_t>(report.size()), transferred,
                            hid::kInfiniteTimeout)) {
            stop.wait(kIdleWaitMs);
            continue;
        }
        std::vector<hid::HidDataItem>& items = transport.input().items;
        if (items.empty() ||
            !transport.unpackInputReport(report.data(), transferred,
                                         platform::hid::HidReportKind::Input, items.data(),
                                         static_cast<std::uint32_t>(items.size())) ||
            !items[0].isSet) {
            continue;
        }
        const std::uint16_t code =
            items[0].isButton ? (items[0].usages.empty() ? 0 : items[0].usages[0]) : items[0].usage;
        platform::debugPrintf("接收到自动添加设备的同步信息要求  TEST");
        onCode(code);
    }
    platform::debugPrintf(mouseOrKeyboardThread ? "MS 设备同步线程设定退出"
                                                : "MS设备同步线程设定退出");
}

}  // namespace vorn::link
