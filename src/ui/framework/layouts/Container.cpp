#include "ui/framework/layouts/Container.h"

#include <algorithm>

#include "ui/framework/controls/ScrollBar.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    // Children go first, while this container and its manager are still whole.
    std::vector<CControlUI*> items;
    items.swap(items_);
    for (CControlUI* c : items) {
        if (autoDestroy_) {
            delete c;
        } else if (c->GetParent() == this) {
            c->SetManager(nullptr, nullptr, false);
        }
    }
    delete vscroll_;
    delete hscroll_;
}

std::string CContainerUI::GetClass() const {
    return "ContainerUI";
}

void* CContainerUI::GetInterface(std::string_view name) {
    if (name == "Container" || name == "IContainer") {
        return this;
    }
    return CControlUI::GetInterface(name);
}

CControlUI* CContainerUI::GetItemAt(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        return nullptr;
    }
    return items_[static_cast<size_t>(index)];
}

int CContainerUI::GetItemIndex(CControlUI* control) const {
    auto it = std::find(items_.begin(), items_.end(), control);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

bool CContainerUI::SetItemIndex(CControlUI* control, int index) {
    int from = GetItemIndex(control);
    if (from < 0 || index < 0 || index >= static_cast<int>(items_.size())) {
        return false;
    }
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + index, control);
    NeedUpdate();
    NotifyChanged(CHANGE_ITEMS);
    return true;
}

int CContainerUI::GetCount() const {
    return static_cast<int>(items_.size());
}

bool CContainerUI::Add(CControlUI* control) {
    return AddAt(control, static_cast<int>(items_.size()));
}

bool CContainerUI::AddAt(CControlUI* control, int index) {
    if (control == nullptr || index < 0 || index > static_cast<int>(items_.size()) ||
        GetItemIndex(control) >= 0) {
        return false;
    }
    items_.insert(items_.begin() + index, control);
    adopt(control);
    return true;
}

void CContainerUI::adopt(CControlUI* control) {
    if (manager_ != nullptr) {
        manager_->InitControls(control, this);
    } else {
        control->SetManager(nullptr, this, false);
    }
    control->SetInternVisible(IsVisible());
    NeedUpdate();
    if (manager_ != nullptr) {
        manager_->OnControlAdded(control);
    }
}

void CContainerUI::release(CControlUI* control, bool destroy) {
    if (manager_ != nullptr) {
        manager_->OnControlRemoved(control);
        manager_->ReapObjects(control);
    }
    if (destroy && manager_ != nullptr) {
        // Destroyed once the current event is over: a control may be removed from inside
        // its own notification.
        manager_->AddDelayedCleanup(control);
    } else if (destroy) {
        delete control;
    } else {
        control->SetManager(nullptr, nullptr, false);
    }
}

bool CContainerUI::Remove(CControlUI* control, bool doNotDestroy) {
    int index = GetItemIndex(control);
    if (index < 0) {
        return false;
    }
    return RemoveAt(index, doNotDestroy);
}

bool CContainerUI::RemoveAt(int index, bool doNotDestroy) {
    CControlUI* control = GetItemAt(index);
    if (control == nullptr) {
        return false;
    }
    items_.erase(items_.begin() + index);
    release(control, autoDestroy_ && !doNotDestroy);
    NeedUpdate();
    return true;
}

void CContainerUI::RemoveAll() {
    std::vector<CControlUI*> items;
    items.swap(items_);
    for (CControlUI* c : items) {
        release(c, autoDestroy_);
    }
    scrollPos_ = {};
    NeedUpdate();
}

CControlUI* CContainerUI::FindSubControl(std::string_view name) {
    if (manager_ != nullptr) {
        return manager_->FindSubControlByName(this, name);
    }
    struct Finder {
        static CControlUI* byName(CControlUI* c, const void* data) {
            return c->GetName() == *static_cast<const std::string_view*>(data) ? c : nullptr;
        }
    };
    return FindControl(&Finder::byName, &name, UIFIND_ALL);
}

UiRect CContainerUI::GetInset() const {
    return Scale(inset_);
}

void CContainerUI::SetInset(UiRect inset) {
    inset_ = inset;
    NeedUpdate();
}

int CContainerUI::GetChildPadding() const {
    return Scale(childPadding_);
}

void CContainerUI::SetChildPadding(int padding) {
    childPadding_ = padding;
    NeedUpdate();
}

void CContainerUI::SetChildAlign(unsigned align) {
    childAlign_ = align;
    NeedUpdate();
}

void CContainerUI::SetChildVAlign(unsigned align) {
    childVAlign_ = align;
    NeedUpdate();
}

void CContainerUI::EnableScrollBar(bool vertical, bool horizontal) {
    auto want = [this](CScrollBarUI*& bar, bool enabled, bool horizontalBar) {
        if (enabled && bar == nullptr) {
            bar = new CScrollBarUI(this, horizontalBar);
            bar->SetManager(manager_, this, false);
        } else if (!enabled && bar != nullptr) {
            delete bar;
            bar = nullptr;
        }
    };
    want(vscroll_, vertical, false);
    want(hscroll_, horizontal, true);
    NeedUpdate();
    NotifyChanged(CHANGE_STYLE);
}

void CContainerUI::SetScrollPos(UiSize pos) {
    pos.cx = std::clamp(pos.cx, 0, scrollRange_.cx);
    pos.cy = std::clamp(pos.cy, 0, scrollRange_.cy);
    if (pos == scrollPos_) {
        return;
    }
    scrollPos_ = pos;
    if (vscroll_ != nullptr) {
        vscroll_->setPosSilently(pos.cy);
    }
    if (hscroll_ != nullptr) {
        hscroll_->setPosSilently(pos.cx);
    }
    NeedUpdate();
    NotifyChanged(CHANGE_VALUE);
}

void CContainerUI::LineUp() {
    int line = vscroll_ != nullptr ? vscroll_->GetLineSize() : Scale(20);
    SetScrollPos({scrollPos_.cx, scrollPos_.cy - line});
}

void CContainerUI::LineDown() {
    int line = vscroll_ != nullptr ? vscroll_->GetLineSize() : Scale(20);
    SetScrollPos({scrollPos_.cx, scrollPos_.cy + line});
}

void CContainerUI::EnsureVisible(CControlUI* control) {
    if (control == nullptr) {
        return;
    }
    UiRect inner = GetPos().deflated(GetInset());
    UiRect r = control->GetPos();
    UiSize pos = scrollPos_;
    if (r.top < inner.top) {
        pos.cy -= inner.top - r.top;
    } else if (r.bottom > inner.bottom) {
        pos.cy += r.bottom - inner.bottom;
    }
    if (r.left < inner.left) {
        pos.cx -= inner.left - r.left;
    } else if (r.right > inner.right) {
        pos.cx += r.right - inner.right;
    }
    SetScrollPos(pos);
}

void CContainerUI::updateScrollRange(UiSize content, UiSize available) {
    contentSize_ = content;
    UiSize range{hscroll_ != nullptr ? std::max(0, content.cx - available.cx) : 0,
                 vscroll_ != nullptr ? std::max(0, content.cy - available.cy) : 0};
    scrollRange_ = range;
    if (vscroll_ != nullptr) {
        vscroll_->range_ = range.cy;
    }
    if (hscroll_ != nullptr) {
        hscroll_->range_ = range.cx;
    }
    UiSize clamped{std::min(scrollPos_.cx, range.cx), std::min(scrollPos_.cy, range.cy)};
    if (!(clamped == scrollPos_)) {
        scrollPos_ = clamped;
        if (vscroll_ != nullptr) {
            vscroll_->setPosSilently(clamped.cy);
        }
        if (hscroll_ != nullptr) {
            hscroll_->setPosSilently(clamped.cx);
        }
    }
}

void CContainerUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    for (CControlUI* c : items_) {
        c->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetInternVisible(bool visible) {
    CControlUI::SetInternVisible(visible);
    for (CControlUI* c : items_) {
        c->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    for (CControlUI* c : items_) {
        c->SetManager(manager, this, init);
    }
    if (vscroll_ != nullptr) {
        vscroll_->SetManager(manager, this, false);
    }
    if (hscroll_ != nullptr) {
        hscroll_->SetManager(manager, this, false);
    }
    CControlUI::SetManager(manager, parent, init);
}

void CContainerUI::SetFloatPos(CControlUI* control) {
    UiSize xy = control->GetFixedXY();
    UiSize size{control->GetFixedWidth(), control->GetFixedHeight()};
    UiRect r;
    if (xy.cx >= 0) {
        r.left = rcItem_.left + xy.cx;
        r.right = r.left + size.cx;
    } else {
        r.right = rcItem_.right + xy.cx;
        r.left = r.right - size.cx;
    }
    if (xy.cy >= 0) {
        r.top = rcItem_.top + xy.cy;
        r.bottom = r.top + size.cy;
    } else {
        r.bottom = rcItem_.bottom + xy.cy;
        r.top = r.bottom - size.cy;
    }
    control->SetPos(r, false);
}

void CContainerUI::SetPos(UiRect rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayoutStacked();
}

void CContainerUI::LayoutStacked() {
    UiRect inner = rcItem_.deflated(GetInset());
    for (CControlUI* c : items_) {
        if (!c->IsVisible()) {
            continue;
        }
        if (c->IsFloat()) {
            SetFloatPos(c);
            continue;
        }
        UiRect r = inner.deflated(c->GetPadding());
        UiSize est = c->EstimateSize({inner.width(), inner.height()});
        if (est.cx > 0) {
            r.right = r.left + std::clamp(est.cx, c->GetMinWidth(), c->GetMaxWidth());
        }
        if (est.cy > 0) {
            r.bottom = r.top + std::clamp(est.cy, c->GetMinHeight(), c->GetMaxHeight());
        }
        c->SetPos(r, false);
    }
    updateScrollRange({inner.width(), inner.height()}, {inner.width(), inner.height()});
}

namespace {

// The two axes of a linear layout: "main" runs along the children, "cross" across them.
struct Axis {
    bool horizontal;
    int main(UiSize s) const { return horizontal ? s.cx : s.cy; }
    int cross(UiSize s) const { return horizontal ? s.cy : s.cx; }
    int mainStart(const UiRect& r) const { return horizontal ? r.left : r.top; }
    int crossStart(const UiRect& r) const { return horizontal ? r.top : r.left; }
    int padBefore(const UiRect& p) const { return horizontal ? p.left : p.top; }
    int padAfter(const UiRect& p) const { return horizontal ? p.right : p.bottom; }
    int crossBefore(const UiRect& p) const { return horizontal ? p.top : p.left; }
    int crossAfter(const UiRect& p) const { return horizontal ? p.bottom : p.right; }
    int minMain(const CControlUI* c) const {
        return horizontal ? c->GetMinWidth() : c->GetMinHeight();
    }
    int maxMain(const CControlUI* c) const {
        return horizontal ? c->GetMaxWidth() : c->GetMaxHeight();
    }
    int minCross(const CControlUI* c) const {
        return horizontal ? c->GetMinHeight() : c->GetMinWidth();
    }
    int maxCross(const CControlUI* c) const {
        return horizontal ? c->GetMaxHeight() : c->GetMaxWidth();
    }
    UiRect rect(int mainPos, int crossPos, int mainLen, int crossLen) const {
        if (horizontal) {
            return {mainPos, crossPos, mainPos + mainLen, crossPos + crossLen};
        }
        return {crossPos, mainPos, crossPos + crossLen, mainPos + mainLen};
    }
};

int clampSize(int v, int lo, int hi) {
    return std::max(lo, std::min(v, std::max(lo, hi)));
}

}  // namespace

void CContainerUI::LayoutLinear(bool horizontal) {
    const Axis ax{horizontal};
    UiRect inner = rcItem_.deflated(GetInset());
    UiSize available{std::max(0, inner.width()), std::max(0, inner.height())};
    const int availMain = ax.main(available);
    const int availCross = ax.cross(available);

    struct Slot {
        CControlUI* control;
        UiSize estimate;
        bool stretch;
        int main;
    };
    std::vector<Slot> slots;
    std::vector<CControlUI*> floats;
    int fixedTotal = 0;
    int stretchCount = 0;
    for (CControlUI* c : items_) {
        if (!c->IsVisible()) {
            continue;
        }
        if (c->IsFloat()) {
            floats.push_back(c);
            continue;
        }
        UiSize est = c->EstimateSize(available);
        UiRect pad = c->GetPadding();
        int m = ax.main(est);
        bool stretch = m <= 0;
        if (stretch) {
            ++stretchCount;
            m = 0;
        } else {
            m = clampSize(m, ax.minMain(c), ax.maxMain(c));
            fixedTotal += m;
        }
        fixedTotal += ax.padBefore(pad) + ax.padAfter(pad);
        slots.push_back({c, est, stretch, m});
    }
    const int childPadding = GetChildPadding();
    if (slots.size() > 1) {
        fixedTotal += childPadding * static_cast<int>(slots.size() - 1);
    }

    // Free space is shared by the stretching children; one whose share breaks its minimum or
    // maximum keeps that bound and the others share what is left. The last takes the remainder.
    int freeSpace = std::max(0, availMain - fixedTotal);
    std::vector<Slot*> open;
    for (Slot& s : slots) {
        if (s.stretch) {
            open.push_back(&s);
        }
    }
    bool bounded = true;
    while (bounded && !open.empty()) {
        bounded = false;
        int share = freeSpace / static_cast<int>(open.size());
        for (size_t i = 0; i < open.size(); ++i) {
            Slot* s = open[i];
            int lo = ax.minMain(s->control);
            int hi = std::max(lo, ax.maxMain(s->control));
            if (share < lo || share > hi) {
                s->main = share < lo ? lo : hi;
                freeSpace = std::max(0, freeSpace - s->main);
                open.erase(open.begin() + static_cast<long>(i));
                bounded = true;
                break;
            }
        }
    }
    if (!open.empty()) {
        int share = freeSpace / static_cast<int>(open.size());
        for (Slot* s : open) {
            s->main = share;
        }
        open.back()->main += freeSpace - share * static_cast<int>(open.size());
    }
    int contentMain = fixedTotal;
    for (const Slot& s : slots) {
        if (s.stretch) {
            contentMain += s.main;
        }
    }

    // Alignment of the whole run along the main axis when it leaves space free.
    unsigned mainAlign = horizontal ? childAlign_ : childVAlign_;
    unsigned crossAlign = horizontal ? childVAlign_ : childAlign_;
    int offset = 0;
    if (contentMain < availMain) {
        bool center = horizontal ? (mainAlign & DT_CENTER) != 0 : (mainAlign & DT_VCENTER) != 0;
        bool end = horizontal ? (mainAlign & DT_RIGHT) != 0 : (mainAlign & DT_BOTTOM) != 0;
        if (center) {
            offset = (availMain - contentMain) / 2;
        } else if (end) {
            offset = availMain - contentMain;
        }
    }
    int scroll = horizontal ? GetScrollPos().cx : GetScrollPos().cy;
    int pos = ax.mainStart(inner) + offset - scroll;
    int maxCrossNeeded = 0;
    for (const Slot& s : slots) {
        CControlUI* c = s.control;
        UiRect pad = c->GetPadding();
        int crossRoom = availCross - ax.crossBefore(pad) - ax.crossAfter(pad);
        int crossLen = ax.cross(s.estimate);
        if (crossLen <= 0) {
            crossLen = clampSize(crossRoom, ax.minCross(c), ax.maxCross(c));
        } else {
            crossLen = clampSize(crossLen, ax.minCross(c), ax.maxCross(c));
        }
        int crossPos = ax.crossStart(inner) + ax.crossBefore(pad);
        bool center = horizontal ? (crossAlign & DT_VCENTER) != 0 : (crossAlign & DT_CENTER) != 0;
        bool end = horizontal ? (crossAlign & DT_BOTTOM) != 0 : (crossAlign & DT_RIGHT) != 0;
        if (center) {
            crossPos += (crossRoom - crossLen) / 2;
        } else if (end) {
            crossPos += crossRoom - crossLen;
        }
        int crossScroll = horizontal ? GetScrollPos().cy : GetScrollPos().cx;
        pos += ax.padBefore(pad);
        c->SetPos(ax.rect(pos, crossPos - crossScroll, s.main, crossLen), false);
        pos += s.main + ax.padAfter(pad) + childPadding;
        maxCrossNeeded =
            std::max(maxCrossNeeded, crossLen + ax.crossBefore(pad) + ax.crossAfter(pad));
    }
    for (CControlUI* c : floats) {
        SetFloatPos(c);
    }
    UiSize content =
        horizontal ? UiSize{contentMain, maxCrossNeeded} : UiSize{maxCrossNeeded, contentMain};
    updateScrollRange(content, available);
}

void CContainerUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "inset") {
        SetInset(parseRect(value));
    } else if (name == "childpadding") {
        SetChildPadding(parseInt(value));
    } else if (name == "childalign") {
        SetChildAlign(value == "center" ? DT_CENTER : (value == "right" ? DT_RIGHT : DT_LEFT));
    } else if (name == "childvalign") {
        SetChildVAlign(value == "vcenter" || value == "center"
                           ? DT_VCENTER
                           : (value == "bottom" ? DT_BOTTOM : 0));
    } else if (name == "mousechild") {
        SetMouseChildEnabled(parseBool(value));
    } else if (name == "vscrollbar") {
        EnableScrollBar(parseBool(value), GetHorizontalScrollBar() != nullptr);
    } else if (name == "hscrollbar") {
        EnableScrollBar(GetVerticalScrollBar() != nullptr, parseBool(value));
    } else if (name == "autodestroy") {
        SetAutoDestroy(parseBool(value));
    }
    CControlUI::SetAttribute(name, value);
}

void CContainerUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_SCROLLWHEEL && vscroll_ != nullptr && scrollRange_.cy > 0) {
        // wParam: positive scrolls towards the top, as a wheel turned away from the user.
        if (static_cast<intptr_t>(event.wParam) > 0) {
            LineUp();
        } else {
            LineDown();
        }
        return;
    }
    CControlUI::DoEvent(event);
}

CControlUI* CContainerUI::FindControl(FindControlProc proc, const void* data, unsigned flags) {
    if ((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) {
        return nullptr;
    }
    if ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) {
        return nullptr;
    }
    if ((flags & UIFIND_HITTEST) != 0) {
        const UiPoint& p = *static_cast<const UiPoint*>(data);
        if (!rcItem_.contains(p)) {
            return nullptr;
        }
        if (!mouseChildEnabled_) {
            return IsMouseEnabled() ? proc(this, data) : nullptr;
        }
    }
    if ((flags & UIFIND_ME_FIRST) != 0) {
        CControlUI* me = CControlUI::FindControl(proc, data, flags);
        if (me != nullptr) {
            return me;
        }
    }
    if ((flags & UIFIND_TOP_FIRST) != 0) {
        for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
            if (CControlUI* found = (*it)->FindControl(proc, data, flags)) {
                return found;
            }
        }
    } else {
        for (CControlUI* c : items_) {
            if (CControlUI* found = c->FindControl(proc, data, flags)) {
                return found;
            }
        }
    }
    if ((flags & UIFIND_ME_FIRST) == 0) {
        return CControlUI::FindControl(proc, data, flags);
    }
    return nullptr;
}

void CContainerUI::DoPaint(IPainter& painter, const UiRect& paint) {
    if (!rcItem_.intersects(paint)) {
        return;
    }
    CControlUI::DoPaint(painter, paint);
    UiRect clip = rcItem_.deflated(GetInset()).intersected(paint);
    painter.pushClip(rcItem_.intersected(paint));
    for (CControlUI* c : items_) {
        if (c->IsVisible() && (c->IsFloat() || c->GetPosNoLayout().intersects(clip))) {
            c->DoPaint(painter, paint);
        }
    }
    painter.popClip();
}

}  // namespace vorn::ui
