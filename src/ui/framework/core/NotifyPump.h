#pragma once
// CNotifyPump: routes notifications to handlers by type (and sender name), and to
// "virtual windows": other pumps registered under a name that controls carry in their
// virtualwnd attribute (a device page handles the notifications of its own controls).

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/core/UiEvents.h"

namespace vorn::ui {

class CNotifyPump {
  public:
    using Handler = std::function<void(TNotifyUI&)>;

    CNotifyPump() = default;
    virtual ~CNotifyPump() = default;
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;

    bool AddVirtualWnd(std::string_view name, CNotifyPump* pump);
    bool RemoveVirtualWnd(std::string_view name);
    CNotifyPump* GetVirtualWnd(std::string_view name) const;

    // Delivers the notification to the virtual window it names, if registered; otherwise
    // to this pump's handlers. True when a handler took it.
    bool NotifyPump(TNotifyUI& msg);

    // Handlers: for a type (any sender), or for a type and a sender name.
    void OnNotifyType(std::string_view type, Handler handler);
    void OnNotifyControl(std::string_view type, std::string_view senderName, Handler handler);

  protected:
    // Runs the handlers of this pump; then HandleNotify when none matched.
    bool LoopDispatch(TNotifyUI& msg);
    // For subclasses that dispatch in code.
    virtual bool HandleNotify(TNotifyUI& msg) {
        (void)msg;
        return false;
    }

  private:
    std::map<std::string, CNotifyPump*, std::less<>> virtualWnds_;
    std::multimap<std::string, Handler, std::less<>> typeHandlers_;
    std::multimap<std::pair<std::string, std::string>, Handler> controlHandlers_;
};

}  // namespace vorn::ui
