#pragma once
// CWindowWnd: a top-level window of the system. It receives window messages {id, wParam,
// lParam} on the UI message loop (SendMessage waits for the result, PostMessage queues),
// can run modally (ShowModal returns the value given to Close) and has window timers
// (WM_TIMER with the timer id). The window host shows it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/loop/MessageLoop.h"
#include "ui/framework/core/UiTypes.h"
#include "ui/framework/windows/WindowMessages.h"

namespace vorn::ui {

// A window's handle: unique for the life of the process, never reused; 0 is none.
using UiWindowHandle = uintptr_t;

inline constexpr int UI_USEDEFAULT = INT32_MIN;

class CWindowWnd : public platform::MessageTarget {
  public:
    CWindowWnd();
    ~CWindowWnd() override;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    UiWindowHandle GetHWND() const { return handle_; }
    // The live window of a handle, or nullptr once it is destroyed.
    static CWindowWnd* FromHandle(UiWindowHandle handle);
    bool IsWindow() const { return handle_ != 0; }

    // Creates the window (WM_CREATE is handled before this returns). Default position and
    // size (UI_USEDEFAULT) let the window decide (its layout's size, centred).
    bool Create(CWindowWnd* owner, std::string_view name, uint32_t style, uint32_t exStyle,
                int x = UI_USEDEFAULT, int y = UI_USEDEFAULT, int cx = UI_USEDEFAULT,
                int cy = UI_USEDEFAULT);
    bool Create(CWindowWnd* owner, std::string_view name, uint32_t style, uint32_t exStyle,
                const UiRect& rect);
    // Sends WM_DESTROY and WM_NCDESTROY; OnFinalMessage follows.
    void DestroyWindow();

    void ShowWindow(bool show = true, bool takeFocus = true);
    // Shows the window and waits inside the UI loop until it closes; answers the value
    // given to Close. The owner is disabled meanwhile. -1 when the window cannot run (no
    // loop) or the loop has nothing more to do without the window having closed. A window
    // without content (HasContent false: its skin did not build) is not shown: it is
    // destroyed at once and the answer is 0, as if it had been closed. While modal, the
    // window cannot be minimised (its owner waits for it; SC_MINIMIZE is ignored).
    int ShowModal();
    bool IsModal() const { return modal_ != nullptr; }
    // Posts WM_CLOSE with the result; a modal window ends with it.
    void Close(int result = 1);
    void CenterWindow();
    void SetIcon(unsigned resourceId);
    unsigned GetIcon() const { return icon_; }

    UiRect GetWindowRect() const { return rect_; }
    UiSize GetClientSize() const { return {rect_.width(), rect_.height()}; }
    // Moves and sizes the window; a new size is reported as WM_SIZE.
    void MoveWindow(const UiRect& rect);
    void ResizeClient(int cx, int cy);
    bool IsWindowVisible() const { return visible_; }
    bool IsIconic() const { return iconic_; }
    bool IsZoomed() const { return zoomed_; }
    bool IsWindowEnabled() const { return enabled_; }
    void EnableWindow(bool enable);
    bool IsTopmost() const { return topmost_; }
    void SetTopmost(bool topmost) { topmost_ = topmost; }
    CWindowWnd* GetOwner() const { return FromHandle(owner_); }
    std::string GetWindowText() const { return title_; }
    void SetWindowText(std::string_view title);
    uint32_t GetStyle() const { return style_; }
    uint32_t GetExStyle() const { return exStyle_; }

    // Window messages through the UI loop. From the UI thread SendMessage runs the handler
    // at once; from other threads it waits for the UI thread. 0 without a loop or window.
    intptr_t SendMessage(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    bool PostMessage(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    static intptr_t SendMessageTo(UiWindowHandle target, uint32_t message, uintptr_t wParam = 0,
                                  intptr_t lParam = 0);
    static bool PostMessageTo(UiWindowHandle target, uint32_t message, uintptr_t wParam = 0,
                              intptr_t lParam = 0);

    // Window timers: WM_TIMER (wParam: the id) every `elapse` milliseconds until killed.
    bool SetTimer(unsigned timerId, unsigned elapse);
    bool KillTimer(unsigned timerId);

    // Called when a window starts running modally (after its first display), for tests
    // and tools that act in modal windows. One hook for the process; empty removes it.
    static void SetModalHook(std::function<void(CWindowWnd&)> hook);

    // Posts a message to every window of the process (desktop changes such as
    // WM_DISPLAYCHANGE reach all top-level windows this way). Answers how many got it.
    static int PostToAllWindows(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);

    // Whether the window has anything to show; a window whose content could not be made
    // answers false and is not run modally.
    virtual bool HasContent() const { return true; }

    virtual std::string GetWindowClassName() const = 0;
    virtual uint32_t GetClassStyle() const { return 0; }

    platform::MessageResult handleMessage(const platform::Message& message) override;

  protected:
    virtual intptr_t HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
    // The window is gone (after WM_NCDESTROY); self-owned windows delete themselves here.
    virtual void OnFinalMessage(UiWindowHandle handle) { (void)handle; }
    // First display of the window.
    virtual void OnFirstShow() {}
    // Changes the zoomed/iconic state and reports it as WM_SIZE.
    void setShowState(bool iconic, bool zoomed);

  private:
    struct ModalState;
    void finishDestroy();

    UiWindowHandle handle_ = 0;
    UiWindowHandle owner_ = 0;
    platform::MessageLoop* loop_ = nullptr;
    std::string title_;
    uint32_t style_ = 0;
    uint32_t exStyle_ = 0;
    UiRect rect_;
    UiRect restoreRect_;
    unsigned icon_ = 0;
    bool visible_ = false;
    bool iconic_ = false;
    bool zoomed_ = false;
    bool enabled_ = true;
    bool topmost_ = false;
    bool firstShown_ = false;
    std::shared_ptr<ModalState> modal_;
};

}  // namespace vorn::ui
