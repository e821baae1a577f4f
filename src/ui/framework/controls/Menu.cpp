#include "ui/framework/controls/Menu.h"

#include <algorithm>

#include "platform/text/Text.h"
#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/WindowHost.h"

namespace vorn::ui {

// --- items ---

CMenuElementUI::CMenuElementUI() {
    SetTextPadding({28, 0, 12, 0});
    SetTextStyle(DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

std::string CMenuElementUI::GetClass() const {
    return "MenuElementUI";
}

void* CMenuElementUI::GetInterface(std::string_view name) {
    return name == "MenuElement" ? this : CListContainerElementUI::GetInterface(name);
}

bool CMenuElementUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (auto* menu =
            dynamic_cast<CMenuWnd*>(manager_ != nullptr ? manager_->GetPaintWindow() : nullptr)) {
        menu->Choose(this);
    }
    return true;
}

void CMenuElementUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_RBUTTONDOWN:
            return;
        case UIEVENT_BUTTONUP:
            if (IsEnabled() && GetPos().contains(event.ptMouse)) {
                Activate();
            }
            return;
        case UIEVENT_KEYDOWN:
            if (event.chKey == VK_RETURN_KEY) {
                Activate();
                return;
            }
            break;
        default:
            break;
    }
    CListContainerElementUI::DoEvent(event);
}

UiSize CMenuElementUI::EstimateSize(UiSize available) {
    UiSize size = CListContainerElementUI::EstimateSize(available);
    if (size.cy == 0) {
        size.cy = Scale(30);
    }
    return size;
}

void CMenuElementUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "checkitem") {
        checkItem_ = parseBool(value);
    } else if (name == "checked") {
        SetChecked(parseBool(value));
    }
    CListContainerElementUI::SetAttribute(name, value);
}

void CMenuElementUI::SetChecked(bool checked) {
    checked_ = checked;
    NotifyChanged(CHANGE_SELECTION);
}

void CMenuElementUI::PaintText(IPainter& painter) {
    UiRect rc = rcItem_.deflated(GetTextPadding());
    UiColor color = rowTextColor();
    if (color == 0) {
        color = GetTextColor();
    }
    if (checkItem_ && checked_) {
        UiRect mark{rcItem_.left, rcItem_.top, rc.left, rcItem_.bottom};
        CRenderEngine::DrawText(painter, manager_, mark, "\xE2\x9C\x93", color, GetFont(),
                                DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    CRenderEngine::DrawText(painter, manager_, rc, GetText(), color, GetFont(), GetTextStyle());
}

// --- menu body ---

std::string CMenuUI::GetClass() const {
    return "MenuUI";
}

void* CMenuUI::GetInterface(std::string_view name) {
    return name == "Menu" ? this : CListUI::GetInterface(name);
}

UiSize CMenuUI::EstimateSize(UiSize available) {
    UiSize size = CListUI::EstimateSize(available);
    UiRect inset = GetInset();
    if (size.cx == 0) {
        size.cx = Scale(160);
    }
    if (size.cy == 0) {
        int h = inset.top + inset.bottom;
        for (int i = 0; i < GetCount(); ++i) {
            CControlUI* item = GetItemAt(i);
            if (item->IsVisible()) {
                UiRect pad = item->GetPadding();
                h += item->EstimateSize(available).cy + pad.top + pad.bottom;
            }
        }
        size.cy = h;
    }
    return size;
}

// --- window ---

CMenuWnd* CMenuWnd::CreateMenu(CMenuElementUI* ownerElement, std::string_view xml, UiPoint point,
                               CPaintManagerUI* mainManager, std::map<std::string, bool>* checkInfo,
                               unsigned alignment) {
    auto* menu = new CMenuWnd;
    menu->Init(ownerElement, xml, point, mainManager, checkInfo, alignment);
    return menu;
}

void CMenuWnd::Init(CMenuElementUI* ownerElement, std::string_view xml, UiPoint point,
                    CPaintManagerUI* mainManager, std::map<std::string, bool>* checkInfo,
                    unsigned alignment) {
    (void)ownerElement;
    xml_ = std::string(xml);
    checkInfo_ = checkInfo;
    CWindowWnd* owner = mainManager != nullptr ? mainManager->GetPaintWindow() : nullptr;
    receiver_ = owner != nullptr ? owner->GetHWND() : 0;
    if (!Create(owner, "menuwnd", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, 0, 0, 0, 0)) {
        return;
    }
    CMenuUI* body = GetMenuUI();
    if (body != nullptr && checkInfo_ != nullptr) {
        for (int i = 0; i < body->GetCount(); ++i) {
            auto* item = dynamic_cast<CMenuElementUI*>(body->GetItemAt(i));
            if (item != nullptr && item->IsCheckItem()) {
                auto it = checkInfo_->find(item->GetName());
                if (it != checkInfo_->end()) {
                    item->SetChecked(it->second);
                }
            }
        }
    }
    UiSize size = body != nullptr ? body->EstimateSize(m_pm.GetInitSize()) : UiSize{160, 30};
    int x = (alignment & eMenuAlignment_Right) != 0 ? point.x - size.cx : point.x;
    int y = (alignment & eMenuAlignment_Bottom) != 0 ? point.y - size.cy : point.y;
    UiRect screen = windowHost().screenRect(this);
    x = std::max(screen.left, std::min(x, screen.right - size.cx));
    y = std::max(screen.top, std::min(y, screen.bottom - size.cy));
    MoveWindow({x, y, x + size.cx, y + size.cy});
    ShowWindow(true);
}

void CMenuWnd::DestroyMenu() {
    Close(0);
}

CMenuUI* CMenuWnd::GetMenuUI() const {
    return dynamic_cast<CMenuUI*>(m_pm.GetRoot());
}

CMenuElementUI* CMenuWnd::FindItem(std::string_view name) {
    return dynamic_cast<CMenuElementUI*>(m_pm.FindControl(name));
}

void CMenuWnd::Choose(CMenuElementUI* item) {
    if (chosen_ || item == nullptr) {
        return;
    }
    chosen_ = true;
    auto* cmd = new MenuCmd;
    cmd->szName = item->GetName();
    cmd->szUserData = item->GetUserData();
    cmd->szText = item->GetText();
    if (item->IsCheckItem()) {
        item->SetChecked(!item->GetChecked());
        if (checkInfo_ != nullptr) {
            (*checkInfo_)[cmd->szName] = item->GetChecked();
        }
    }
    cmd->bChecked = item->GetChecked();
    if (CWindowWnd* receiver = FromHandle(receiver_)) {
        receiver->SendMessage(WM_MENUCLICK, reinterpret_cast<uintptr_t>(cmd), 0);
    } else {
        delete cmd;
    }
    Close(0);
}

CControlUI* CMenuWnd::CreateControl(std::string_view className) {
    if (platform::equalsIgnoreCase(className, "Menu")) {
        return new CMenuUI;
    }
    if (platform::equalsIgnoreCase(className, "MenuElement")) {
        return new CMenuElementUI;
    }
    return nullptr;
}

intptr_t CMenuWnd::HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                       bool& handled) {
    (void)lParam;
    handled = false;
    if (message == WM_ACTIVATE && wParam == 0) {
        Close(0);  // clicked elsewhere
        handled = true;
    }
    return 0;
}

intptr_t CMenuWnd::ResponseDefaultKeyEvent(uintptr_t key) {
    if (key == VK_ESCAPE_KEY) {
        Close(0);
        return 1;
    }
    return WindowImplBase::ResponseDefaultKeyEvent(key);
}

void CMenuWnd::OnFinalMessage(UiWindowHandle handle) {
    (void)handle;
    delete this;
}

}  // namespace vorn::ui
