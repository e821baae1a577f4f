#include "ui/framework/windows/Window.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

#include "platform/debug/DebugSink.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/WindowHost.h"

namespace vorn::ui {
namespace {

// Messages the window posts to itself.
constexpr uint32_t kFirstShow = WM_APP + 0x3F10;
constexpr uint32_t kModalStarted = WM_APP + 0x3F11;

std::mutex gRegistryMutex;
std::map<UiWindowHandle, CWindowWnd*> gRegistry;
UiWindowHandle gNextHandle = 0x1000;

std::function<void(CWindowWnd&)>& modalHook() {
    static std::function<void(CWindowWnd&)> hook;
    return hook;
}

}  // namespace

struct CWindowWnd::ModalState {
    bool done = false;
    int result = 0;
};

CWindowWnd::CWindowWnd() = default;

CWindowWnd::~CWindowWnd() {
    if (handle_ != 0) {
        // Destroyed as an object while still a window: no more messages, no final call.
        if (isUiLoopAlive(loop_)) {
            loop_->removeTarget(this);
        }
        windowHost().windowDestroyed(this);
        std::lock_guard lock(gRegistryMutex);
        gRegistry.erase(handle_);
        handle_ = 0;
    }
    if (modal_ != nullptr) {
        modal_->done = true;
    }
}

CWindowWnd* CWindowWnd::FromHandle(UiWindowHandle handle) {
    std::lock_guard lock(gRegistryMutex);
    auto it = gRegistry.find(handle);
    return it == gRegistry.end() ? nullptr : it->second;
}

bool CWindowWnd::Create(CWindowWnd* owner, std::string_view name, uint32_t style, uint32_t exStyle,
                        const UiRect& rect) {
    return Create(owner, name, style, exStyle, rect.left, rect.top, rect.width(), rect.height());
}

bool CWindowWnd::Create(CWindowWnd* owner, std::string_view name, uint32_t style, uint32_t exStyle,
                        int x, int y, int cx, int cy) {
    if (handle_ != 0) {
        return false;
    }
    {
        std::lock_guard lock(gRegistryMutex);
        handle_ = ++gNextHandle;
        gRegistry[handle_] = this;
    }
    loop_ = uiLoop();
    if (loop_ != nullptr) {
        loop_->addTarget(this);
    }
    owner_ = owner != nullptr ? owner->GetHWND() : 0;
    title_ = std::string(name);
    style_ = style;
    exStyle_ = exStyle;
    bool defaultPos = x == UI_USEDEFAULT || y == UI_USEDEFAULT;
    rect_ = {defaultPos ? 0 : x, defaultPos ? 0 : y, 0, 0};
    rect_.right = rect_.left + (cx == UI_USEDEFAULT ? 0 : cx);
    rect_.bottom = rect_.top + (cy == UI_USEDEFAULT ? 0 : cy);
    topmost_ = (exStyle & WS_EX_TOPMOST) != 0;
    windowHost().windowCreated(this);
    if (HandleMessage(WM_CREATE, 0, 0) < 0) {
        DestroyWindow();
        return false;
    }
    if (handle_ == 0) {
        return false;
    }
    if (defaultPos) {
        CenterWindow();
    }
    if ((style & WS_VISIBLE) != 0) {
        ShowWindow(true);
    }
    return true;
}

void CWindowWnd::DestroyWindow() {
    if (handle_ == 0) {
        return;
    }
    HandleMessage(WM_DESTROY, 0, 0);
    finishDestroy();
}

void CWindowWnd::finishDestroy() {
    if (handle_ == 0) {
        return;
    }
    if (modal_ != nullptr) {
        windowHost().windowModal(this, false);
    }
    HandleMessage(WM_NCDESTROY, 0, 0);
    if (visible_) {
        visible_ = false;
        windowHost().windowShown(this, false);
    }
    if (isUiLoopAlive(loop_)) {
        loop_->removeTarget(this);
    }
    windowHost().windowDestroyed(this);
    UiWindowHandle handle = handle_;
    {
        std::lock_guard lock(gRegistryMutex);
        gRegistry.erase(handle_);
        handle_ = 0;
    }
    std::shared_ptr<ModalState> modal = std::move(modal_);
    if (modal != nullptr) {
        modal->done = true;
    }
    OnFinalMessage(handle);  // may delete this
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
    (void)takeFocus;
    if (handle_ == 0) {
        return;
    }
    bool changed = show != visible_ || (show && iconic_);
    visible_ = show;
    if (show && iconic_) {
        setShowState(false, zoomed_);
    }
    if (changed) {
        windowHost().windowShown(this, show);
    }
    if (show && !firstShown_) {
        firstShown_ = true;
        if (!isUiLoopAlive(loop_) || !loop_->post(this, {kFirstShow, 0, 0})) {
            OnFirstShow();
        }
    }
}

void CWindowWnd::SetModalHook(std::function<void(CWindowWnd&)> hook) {
    modalHook() = std::move(hook);
}

int CWindowWnd::ShowModal() {
    IModalRunner* runner = uiModalRunner();
    if (handle_ == 0 || !isUiLoopAlive(loop_) || runner == nullptr) {
        return -1;
    }
    if (!HasContent()) {
        // An empty window would wait for a choice nobody can make (why it is empty was
        // written when it was created).
        DestroyWindow();  // may delete this
        return 0;
    }
    auto state = std::make_shared<ModalState>();
    modal_ = state;
    UiWindowHandle ownerHandle = owner_;
    UiWindowHandle self = handle_;
    if (CWindowWnd* owner = GetOwner()) {
        owner->EnableWindow(false);
    }
    windowHost().windowModal(this, true);
    ShowWindow(true);
    loop_->post(this, {kModalStarted, 0, 0});
    runner->runUntil([state] { return state->done; });
    if (!state->done) {
        // Nothing more can happen that would close it: end it rather than hang.
        platform::debugPrintf("modal window %s ended without being closed",
                              GetWindowClassName().c_str());
        state->result = -1;
        DestroyWindow();  // may delete this
    } else if (CWindowWnd* still = FromHandle(self)) {
        windowHost().windowModal(still, false);  // closed without being destroyed
    }
    if (CWindowWnd* owner = FromHandle(ownerHandle)) {
        owner->EnableWindow(true);
    }
    return state->result;
}

void CWindowWnd::Close(int result) {
    if (handle_ == 0) {
        return;
    }
    if (!PostMessage(WM_CLOSE, static_cast<uintptr_t>(result), 0)) {
        handleMessage({WM_CLOSE, static_cast<uintptr_t>(result), 0});
    }
}

void CWindowWnd::CenterWindow() {
    UiRect area = windowHost().workArea(this);
    UiRect around = area;
    CWindowWnd* owner = GetOwner();
    if (owner != nullptr && owner->IsWindowVisible() && !owner->IsIconic()) {
        around = owner->GetWindowRect();
    }
    int w = rect_.width();
    int h = rect_.height();
    int x = around.left + (around.width() - w) / 2;
    int y = around.top + (around.height() - h) / 2;
    x = std::max(area.left, std::min(x, area.right - w));
    y = std::max(area.top, std::min(y, area.bottom - h));
    MoveWindow({x, y, x + w, y + h});
}

void CWindowWnd::SetIcon(unsigned resourceId) {
    icon_ = resourceId;
    windowHost().windowTitleChanged(this);
}

void CWindowWnd::MoveWindow(const UiRect& rect) {
    if (handle_ == 0) {
        return;
    }
    bool resized = rect.width() != rect_.width() || rect.height() != rect_.height();
    rect_ = rect;
    windowHost().windowMoved(this, rect_);
    if (resized) {
        handleMessage({WM_SIZE, zoomed_ ? SIZE_MAXIMIZED : SIZE_RESTORED,
                       makeLParam(rect.width(), rect.height())});
    }
}

void CWindowWnd::ResizeClient(int cx, int cy) {
    MoveWindow({rect_.left, rect_.top, rect_.left + cx, rect_.top + cy});
}

void CWindowWnd::EnableWindow(bool enable) {
    if (enabled_ == enable) {
        return;
    }
    enabled_ = enable;
    windowHost().windowEnabled(this, enable);
}

void CWindowWnd::SetWindowText(std::string_view title) {
    title_ = std::string(title);
    windowHost().windowTitleChanged(this);
}

void CWindowWnd::setShowState(bool iconic, bool zoomed) {
    iconic_ = iconic;
    if (zoomed != zoomed_) {
        zoomed_ = zoomed;
        if (zoomed) {
            restoreRect_ = rect_;
            MoveWindow(windowHost().workArea(this));
        } else if (restoreRect_.width() > 0) {
            MoveWindow(restoreRect_);
        }
    }
    // The host shows the new state (minimised windows stay on the desktop's task list).
    windowHost().windowShown(this, visible_);
    handleMessage({WM_SIZE, iconic ? SIZE_MINIMIZED : (zoomed ? SIZE_MAXIMIZED : SIZE_RESTORED),
                   makeLParam(rect_.width(), rect_.height())});
}

intptr_t CWindowWnd::SendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (handle_ == 0) {
        return 0;
    }
    if (!isUiLoopAlive(loop_)) {
        return handleMessage({message, wParam, lParam});
    }
    return loop_->send(this, {message, wParam, lParam});
}

bool CWindowWnd::PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return handle_ != 0 && isUiLoopAlive(loop_) && loop_->post(this, {message, wParam, lParam});
}

intptr_t CWindowWnd::SendMessageTo(UiWindowHandle target, uint32_t message, uintptr_t wParam,
                                   intptr_t lParam) {
    CWindowWnd* window = nullptr;
    platform::MessageLoop* loop = nullptr;
    {
        std::lock_guard lock(gRegistryMutex);
        auto it = gRegistry.find(target);
        if (it == gRegistry.end()) {
            return 0;
        }
        window = it->second;
        loop = window->loop_;
    }
    if (loop == nullptr) {
        return window->handleMessage({message, wParam, lParam});
    }
    // A window destroyed meanwhile is no longer a target of the loop: the send answers 0.
    return loop->send(window, {message, wParam, lParam});
}

bool CWindowWnd::PostMessageTo(UiWindowHandle target, uint32_t message, uintptr_t wParam,
                               intptr_t lParam) {
    std::lock_guard lock(gRegistryMutex);
    auto it = gRegistry.find(target);
    if (it == gRegistry.end() || it->second->loop_ == nullptr) {
        return false;
    }
    return it->second->loop_->post(it->second, {message, wParam, lParam});
}

int CWindowWnd::PostToAllWindows(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    std::vector<UiWindowHandle> handles;
    {
        std::lock_guard lock(gRegistryMutex);
        for (const auto& [handle, window] : gRegistry) {
            handles.push_back(handle);
        }
    }
    int posted = 0;
    for (UiWindowHandle h : handles) {
        posted += PostMessageTo(h, message, wParam, lParam) ? 1 : 0;
    }
    return posted;
}

bool CWindowWnd::SetTimer(unsigned timerId, unsigned elapse) {
    return handle_ != 0 && isUiLoopAlive(loop_) &&
           loop_->setTimer(this, timerId, elapse, platform::TimerMode::Repeating);
}

bool CWindowWnd::KillTimer(unsigned timerId) {
    return handle_ != 0 && isUiLoopAlive(loop_) && loop_->killTimer(this, timerId);
}

platform::MessageResult CWindowWnd::handleMessage(const platform::Message& message) {
    if (handle_ == 0) {
        return 0;
    }
    switch (message.id) {
        case kFirstShow:
            OnFirstShow();
            return 0;
        case kModalStarted:
            if (modalHook()) {
                auto hook = modalHook();
                hook(*this);
            }
            return 0;
        case WM_CLOSE:
            if (modal_ != nullptr) {
                modal_->result = static_cast<int>(message.wParam);
            }
            break;
        default:
            break;
    }
    return HandleMessage(message.id, message.wParam, message.lParam);
}

intptr_t CWindowWnd::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    (void)lParam;
    switch (message) {
        case WM_CLOSE:
            DestroyWindow();
            return 0;
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE:
                    if (IsModal()) {
                        return 0;  // the owner waits for this window: it stays in view
                    }
                    setShowState(true, zoomed_);
                    return 0;
                case SC_MAXIMIZE:
                    setShowState(false, true);
                    return 0;
                case SC_RESTORE:
                    setShowState(false, iconic_ ? zoomed_ : false);
                    return 0;
                case SC_CLOSE:
                    handleMessage({WM_CLOSE, 0, 0});
                    return 0;
                default:
                    return 0;
            }
        default:
            return 0;
    }
}

}  // namespace vorn::ui
