#include "ui/framework/core/NotifyPump.h"

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

bool CNotifyPump::AddVirtualWnd(std::string_view name, CNotifyPump* pump) {
    if (pump == nullptr || name.empty()) {
        return false;
    }
    return virtualWnds_.emplace(std::string(name), pump).second;
}

bool CNotifyPump::RemoveVirtualWnd(std::string_view name) {
    auto it = virtualWnds_.find(name);
    if (it == virtualWnds_.end()) {
        return false;
    }
    virtualWnds_.erase(it);
    return true;
}

CNotifyPump* CNotifyPump::GetVirtualWnd(std::string_view name) const {
    auto it = virtualWnds_.find(name);
    return it == virtualWnds_.end() ? nullptr : it->second;
}

bool CNotifyPump::NotifyPump(TNotifyUI& msg) {
    if (!msg.sVirtualWnd.empty()) {
        if (CNotifyPump* pump = GetVirtualWnd(msg.sVirtualWnd)) {
            return pump->LoopDispatch(msg);
        }
    }
    return LoopDispatch(msg);
}

void CNotifyPump::OnNotifyType(std::string_view type, Handler handler) {
    typeHandlers_.emplace(std::string(type), std::move(handler));
}

void CNotifyPump::OnNotifyControl(std::string_view type, std::string_view senderName,
                                  Handler handler) {
    controlHandlers_.emplace(std::make_pair(std::string(type), std::string(senderName)),
                             std::move(handler));
}

bool CNotifyPump::LoopDispatch(TNotifyUI& msg) {
    // Handlers may register or remove handlers: each runs from a copy of its range.
    auto run = [&msg](auto range) {
        std::vector<Handler> handlers;
        for (auto it = range.first; it != range.second; ++it) {
            handlers.push_back(it->second);
        }
        for (auto& h : handlers) {
            h(msg);
        }
        return !handlers.empty();
    };
    bool handled = false;
    if (msg.pSender != nullptr) {
        handled = run(controlHandlers_.equal_range({msg.sType, msg.pSender->GetName()}));
    }
    if (!handled) {
        handled = run(typeHandlers_.equal_range(msg.sType));
    }
    if (!handled) {
        handled = HandleNotify(msg);
    }
    return handled;
}

}  // namespace vorn::ui
