#include "ui/mainwnd/HeadlessWindow.h"

#include "devices/PageFactory.h"
#include "ui/framework/windows/WindowMessages.h"
#include "ui/mainwnd/AppMessages.h"

namespace vorn::ui::mainwnd {
namespace {

// Time for what follows a scan: the receiver's poll (500 ms), a first read (50 ms) and the
// reads a page arms after it.
constexpr unsigned kSettleMs = 700;

}  // namespace

HeadlessWindow::HeadlessWindow(MainWndEnvironment env) {
    devices::registerPageControls();
    env.scanDevices = false;
    window_ = std::make_unique<CMainWnd>(std::move(env));
    ready_ = window_->Create(nullptr, kAppIdentity, WS_POPUP, 0, 0, 0, 1000, 640) &&
             window_->GetPaintManager().GetRoot() != nullptr;
    window_->ShowWindow(true);
    ui_.loop().runPending();
    ready_ = ready_ && window_->GetSelector() != nullptr;
    discovery_ = std::make_unique<link::DeviceDiscovery>(window_->GetLinkedSlots(),
                                                         static_cast<link::IDiscoverySink&>(*this));
}

HeadlessWindow::~HeadlessWindow() {
    discovery_.reset();
    if (window_ && window_->GetHWND() != 0) {
        window_->DestroyWindow();
    }
    window_.reset();
}

bool HeadlessWindow::scan() {
    if (!discovery_->runPass()) {
        return false;
    }
    ui_.loop().runPending();
    runFor(kSettleMs);
    return true;
}

void HeadlessWindow::runFor(unsigned ms) {
    ui_.loop().runPending();
    ui_.loop().advance(ms);
}

void HeadlessWindow::waitForPosted(unsigned realMs) {
    ui_.loop().waitForMessage(realMs);
    ui_.loop().runPending();
}

void HeadlessWindow::slotBound(int index) {
    window_->SendMessage(kMsgDeviceAdded, static_cast<std::uintptr_t>(index), 0);
}

void HeadlessWindow::slotLost(int index) {
    window_->SendMessage(kMsgDeviceRemoved, static_cast<std::uintptr_t>(index), 0);
}

void HeadlessWindow::raise(std::string_view type, CControlUI* sender) {
    TNotifyUI msg;
    msg.sType = std::string(type);
    msg.pSender = sender;
    window_->Notify(msg);
    ui_.loop().runPending();
}

}  // namespace vorn::ui::mainwnd
