#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/PaintManagerTargets.h"

#include <algorithm>

#include "platform/debug/DebugSink.h"
#include "platform/paths/Paths.h"
#include "platform/text/Text.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/core/UiClock.h"
#include "ui/framework/windows/Window.h"
#include "ui/framework/windows/WindowMessages.h"

namespace vorn::ui {
namespace {

// State shared by every manager of the process (the UI thread's).
struct Shared {
    std::vector<CPaintManagerUI*> managers;
    std::string resourcePath;
    std::map<int, TFontInfo> fonts;
    TFontInfo defaultFont;
    bool hasDefaultFont = false;
    std::map<std::string, std::string> defaultAttributes;
    std::map<std::string, std::string> styles;
};

Shared& shared() {
    static Shared s;
    return s;
}

const TFontInfo& builtinFont() {
    static const TFontInfo font{"", 13, false, false, false};
    return font;
}

std::string classKey(std::string_view className) {
    return platform::foldCase(className);
}

struct NameQuery {
    std::string_view name;
};

CControlUI* matchName(CControlUI* c, const void* data) {
    return c->GetName() == static_cast<const NameQuery*>(data)->name ? c : nullptr;
}

struct ClassQuery {
    std::string_view className;
    int index;
    std::vector<CControlUI*>* all;
};

CControlUI* matchClass(CControlUI* c, const void* data) {
    auto* q = const_cast<ClassQuery*>(static_cast<const ClassQuery*>(data));
    if (c->GetClass() != q->className) {
        return nullptr;
    }
    if (q->all != nullptr) {
        q->all->push_back(c);
        return nullptr;
    }
    return q->index-- == 0 ? c : nullptr;
}

CControlUI* matchPoint(CControlUI* c, const void* data) {
    return c->GetPosNoLayout().contains(*static_cast<const UiPoint*>(data)) ? c : nullptr;
}

// Calls fn on every control of the subtree (the root included).
template <typename Fn>
void forEachControl(CControlUI* root, Fn fn) {
    struct Visit {
        static CControlUI* call(CControlUI* c, const void* data) {
            (*static_cast<Fn*>(const_cast<void*>(data)))(c);
            return nullptr;
        }
    };
    if (root != nullptr) {
        root->FindControl(&Visit::call, &fn, UIFIND_ALL);
    }
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() {
    shared().managers.push_back(this);
}

CPaintManagerUI::~CPaintManagerUI() {
    auto& all = shared().managers;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    observers_.clear();
    asyncNotify_.clear();
    timers_.clear();
    loopTarget_.reset();
    for (CControlUI* c : delayedCleanup_) {
        delete c;
    }
    delayedCleanup_.clear();
    CControlUI* root = root_;
    root_ = nullptr;
    delete root;
}

void CPaintManagerUI::Init(CWindowWnd* window, std::string_view name) {
    window_ = window;
    name_ = std::string(name);
}

bool CPaintManagerUI::AttachDialog(CControlUI* root) {
    if (root == nullptr) {
        return false;
    }
    if (root_ != nullptr && root_ != root) {
        CControlUI* old = root_;
        root_ = nullptr;
        for (IControlObserver* o : observers_) {
            o->OnControlRemoved(old);
        }
        delete old;
    }
    focus_ = hot_ = capture_ = nullptr;
    root_ = root;
    layoutNeeded_ = true;
    bool ok = InitControls(root, nullptr);
    for (IControlObserver* o : observers_) {
        o->OnControlAdded(root);
    }
    return ok;
}

bool CPaintManagerUI::InitControls(CControlUI* control, CControlUI* parent) {
    if (control == nullptr) {
        return false;
    }
    control->SetManager(this, parent != nullptr ? parent : control->GetParent(), true);
    registerTree(control);
    return true;
}

void CPaintManagerUI::registerTree(CControlUI* control) {
    forEachControl(control, [this](CControlUI* c) {
        std::string name = c->GetName();
        if (name.empty()) {
            return;
        }
        auto& list = names_[name];
        if (std::find(list.begin(), list.end(), c) == list.end()) {
            list.push_back(c);
        }
    });
}

void CPaintManagerUI::unregisterTree(CControlUI* control) {
    forEachControl(control, [this](CControlUI* c) {
        auto it = names_.find(c->GetName());
        if (it != names_.end()) {
            std::erase(it->second, c);
            if (it->second.empty()) {
                names_.erase(it);
            }
        }
        if (focus_ == c) {
            focus_ = nullptr;
        }
        if (hot_ == c) {
            hot_ = nullptr;
        }
        if (capture_ == c) {
            capture_ = nullptr;
        }
        std::erase_if(asyncNotify_, [c](const TNotifyUI& m) { return m.pSender == c; });
        for (auto& [group, members] : optionGroups_) {
            std::erase(members, c);
        }
        forgetTimers(c);
    });
}

void CPaintManagerUI::ReapObjects(CControlUI* control) {
    if (control == nullptr) {
        return;
    }
    unregisterTree(control);
    if (control == root_) {
        root_ = nullptr;
    }
}

void CPaintManagerUI::RenameControl(CControlUI* control, std::string_view oldName) {
    auto it = names_.find(std::string(oldName));
    bool registered = false;
    if (it != names_.end()) {
        auto& list = it->second;
        registered = std::find(list.begin(), list.end(), control) != list.end();
        std::erase(list, control);
        if (list.empty()) {
            names_.erase(it);
        }
    }
    if (!registered && control != root_ && control->GetParent() == nullptr) {
        return;  // not (yet) handed to this manager
    }
    std::string name = control->GetName();
    if (!name.empty()) {
        names_[name].push_back(control);
    }
}

// --- window attributes ---

void CPaintManagerUI::SetInitSize(int cx, int cy) {
    initSize_ = {cx, cy};
    NeedUpdate();
}

UiSize CPaintManagerUI::GetInitSize() const {
    return dpi_.Scale(initSize_);
}

void CPaintManagerUI::SetClientSize(UiSize size) {
    if (size == clientSize_) {
        return;
    }
    clientSize_ = size;
    NeedUpdate();
}

UiRect CPaintManagerUI::GetCaptionRect() const {
    return dpi_.Scale(caption_);
}
bool CPaintManagerUI::IsCaptionDragPoint(UiPoint point) const {
    UiRect caption = GetCaptionRect();
    UiRect area{caption.left, caption.top, clientSize_.cx - caption.right, caption.bottom};
    if (!area.contains(point)) {
        return false;
    }
    CControlUI* hit = FindControl(point);
    return hit == nullptr || !hit->IsActiveControl();
}

UiSize CPaintManagerUI::GetRoundCorner() const {
    return dpi_.Scale(roundCorner_);
}
UiSize CPaintManagerUI::GetMinInfo() const {
    return dpi_.Scale(minInfo_);
}
UiSize CPaintManagerUI::GetMaxInfo() const {
    return dpi_.Scale(maxInfo_);
}
UiRect CPaintManagerUI::GetSizeBox() const {
    return dpi_.Scale(sizeBox_);
}

void CPaintManagerUI::SetWindowAttribute(std::string_view name, std::string_view value) {
    windowAttributes_[std::string(name)] = std::string(value);
}

std::string CPaintManagerUI::GetWindowAttribute(std::string_view name) const {
    auto it = windowAttributes_.find(std::string(name));
    return it == windowAttributes_.end() ? std::string() : it->second;
}

// --- layout ---

void CPaintManagerUI::NeedUpdate() {
    if (inLayout_ || layoutNeeded_) {
        return;
    }
    layoutNeeded_ = true;
    for (IControlObserver* o : observers_) {
        o->OnLayoutNeeded();
    }
}

void CPaintManagerUI::UpdateLayout() {
    if (root_ == nullptr || inLayout_) {
        return;
    }
    layoutNeeded_ = false;
    inLayout_ = true;
    UiSize size = clientSize_.cx > 0 || clientSize_.cy > 0 ? clientSize_ : GetInitSize();
    root_->SetPos({0, 0, size.cx, size.cy}, false);
    inLayout_ = false;
    for (IControlObserver* o : std::vector<IControlObserver*>(observers_)) {
        o->OnLayoutUpdated();
    }
}

// --- lookup ---

CControlUI* CPaintManagerUI::FindControl(std::string_view name) const {
    auto it = names_.find(std::string(name));
    if (it == names_.end() || it->second.empty()) {
        return nullptr;
    }
    return it->second.front();
}

CControlUI* CPaintManagerUI::FindControl(UiPoint point) const {
    if (root_ == nullptr) {
        return nullptr;
    }
    if (layoutNeeded_) {
        const_cast<CPaintManagerUI*>(this)->UpdateLayout();
    }
    return root_->FindControl(&matchPoint, &point,
                              UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* parent, std::string_view name) const {
    if (parent == nullptr) {
        return nullptr;
    }
    NameQuery q{name};
    return parent->FindControl(&matchName, &q, UIFIND_ALL);
}

CControlUI* CPaintManagerUI::FindSubControlByClass(CControlUI* parent, std::string_view className,
                                                   int index) const {
    if (parent == nullptr) {
        return nullptr;
    }
    ClassQuery q{className, index, nullptr};
    return parent->FindControl(&matchClass, &q, UIFIND_ALL);
}

std::vector<CControlUI*> CPaintManagerUI::FindSubControlsByClass(CControlUI* parent,
                                                                 std::string_view className) const {
    std::vector<CControlUI*> all;
    if (parent != nullptr) {
        ClassQuery q{className, 0, &all};
        parent->FindControl(&matchClass, &q, UIFIND_ALL);
    }
    return all;
}

// --- notifications ---

bool CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
    if (notifier == nullptr ||
        std::find(notifiers_.begin(), notifiers_.end(), notifier) != notifiers_.end()) {
        return false;
    }
    notifiers_.push_back(notifier);
    return true;
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
    auto it = std::find(notifiers_.begin(), notifiers_.end(), notifier);
    if (it == notifiers_.end()) {
        return false;
    }
    notifiers_.erase(it);
    return true;
}

void CPaintManagerUI::SendNotify(TNotifyUI& msg, bool async) {
    msg.ptMouse = mousePos_;
    msg.dwTimestamp = uiTickCount();
    if (async) {
        asyncNotify_.push_back(msg);
        scheduleAsyncFlush();
        return;
    }
    deliverNotify(msg);
}

void CPaintManagerUI::SendNotify(CControlUI* control, std::string_view type, uintptr_t wParam,
                                 intptr_t lParam, bool async) {
    TNotifyUI msg;
    msg.sType = std::string(type);
    msg.pSender = control;
    msg.wParam = wParam;
    msg.lParam = lParam;
    if (control != nullptr) {
        msg.sVirtualWnd = control->GetVirtualWnd();
    }
    SendNotify(msg, async);
}

void CPaintManagerUI::deliverNotify(TNotifyUI& msg) {
    if (msg.pSender != nullptr) {
        auto handlers = msg.pSender->OnNotify;
        for (auto& h : handlers) {
            h(msg);
        }
    }
    for (INotifyUI* n : std::vector<INotifyUI*>(notifiers_)) {
        // A notifier removed by an earlier one is not called any more.
        if (std::find(notifiers_.begin(), notifiers_.end(), n) != notifiers_.end()) {
            n->Notify(msg);
        }
    }
}

void CPaintManagerUI::FlushAsyncNotify() {
    while (!asyncNotify_.empty()) {
        TNotifyUI msg = asyncNotify_.front();
        asyncNotify_.erase(asyncNotify_.begin());
        deliverNotify(msg);
    }
}

// --- focus and input ---

void CPaintManagerUI::SetFocus(CControlUI* control) {
    if (control == focus_) {
        return;
    }
    if (control != nullptr &&
        (control->GetManager() != this || !control->IsVisible() || !control->IsEnabled())) {
        return;
    }
    if (CControlUI* old = focus_) {
        focus_ = nullptr;
        TEventUI e;
        e.Type = UIEVENT_KILLFOCUS;
        e.pSender = control;
        e.dwTimestamp = uiTickCount();
        e.wParam = reinterpret_cast<uintptr_t>(control);
        old->Event(e);
        SendNotify(old, DUI_MSGTYPE_KILLFOCUS);
    }
    if (control != nullptr && control->GetManager() == this) {
        focus_ = control;
        TEventUI e;
        e.Type = UIEVENT_SETFOCUS;
        e.pSender = control;
        e.dwTimestamp = uiTickCount();
        control->Event(e);
        SendNotify(control, DUI_MSGTYPE_SETFOCUS);
    }
}

void deliverEvent(CControlUI* target, UiEventType type, UiPoint point, uint32_t keyState,
                  uintptr_t wParam) {
    TEventUI e;
    e.Type = type;
    e.pSender = target;
    e.dwTimestamp = uiTickCount();
    e.ptMouse = point;
    e.wKeyState = keyState;
    e.wParam = wParam;
    target->Event(e);
}

void CPaintManagerUI::updateHot(CControlUI* target, UiPoint point, uint32_t keyState) {
    if (target == hot_) {
        return;
    }
    CControlUI* old = hot_;
    hot_ = target;
    if (old != nullptr) {
        deliverEvent(old, UIEVENT_MOUSELEAVE, point, keyState);
    }
    if (target != nullptr && hot_ == target) {
        deliverEvent(target, UIEVENT_MOUSEENTER, point, keyState);
    }
}

void CPaintManagerUI::DispatchMouse(UiEventType type, UiPoint point, uint32_t keyState,
                                    uintptr_t wParam) {
    mousePos_ = point;
    CControlUI* target = FindControl(point);
    switch (type) {
        case UIEVENT_MOUSEMOVE:
            updateHot(target, point, keyState);
            if (capture_ != nullptr) {
                deliverEvent(capture_, UIEVENT_MOUSEMOVE, point, keyState);
            } else if (target != nullptr && hot_ == target) {
                deliverEvent(target, UIEVENT_MOUSEMOVE, point, keyState);
            }
            return;
        case UIEVENT_MOUSELEAVE:
            updateHot(nullptr, point, keyState);
            return;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
        case UIEVENT_RBUTTONDOWN:
            if (target == nullptr) {
                return;
            }
            updateHot(target, point, keyState);
            if (type != UIEVENT_RBUTTONDOWN) {
                capture_ = target;
                target->SetFocus();
            }
            // The focus change may have removed the control; look again.
            if (FindControl(point) == target) {
                deliverEvent(target, type, point, keyState);
            }
            return;
        case UIEVENT_BUTTONUP:
        case UIEVENT_RBUTTONUP: {
            CControlUI* receiver =
                type == UIEVENT_BUTTONUP && capture_ != nullptr ? capture_ : target;
            if (type == UIEVENT_BUTTONUP) {
                capture_ = nullptr;
            }
            if (receiver != nullptr) {
                deliverEvent(receiver, type, point, keyState);
            }
            if (type == UIEVENT_RBUTTONUP && target != nullptr && FindControl(point) == target) {
                deliverEvent(target, UIEVENT_CONTEXTMENU, point, keyState);
            }
            return;
        }
        default:
            if (target != nullptr) {
                deliverEvent(target, type, point, keyState, wParam);
            }
            return;
    }
}

void CPaintManagerUI::DispatchKey(UiEventType type, uint32_t key, uint32_t keyState) {
    if (focus_ == nullptr) {
        return;
    }
    TEventUI e;
    e.Type = type;
    e.pSender = focus_;
    e.dwTimestamp = uiTickCount();
    e.chKey = key;
    e.wKeyState = keyState;
    e.ptMouse = mousePos_;
    focus_->Event(e);
}

void CPaintManagerUI::ClickControl(CControlUI* control) {
    if (control == nullptr) {
        return;
    }
    UiPoint p = control->GetPos().center();
    DispatchMouse(UIEVENT_MOUSEMOVE, p);
    DispatchMouse(UIEVENT_BUTTONDOWN, p, MK_LBUTTON_STATE);
    DispatchMouse(UIEVENT_BUTTONUP, p);
}

bool CPaintManagerUI::MessageHandler(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                     intptr_t& result) {
    result = 0;
    auto lo = static_cast<int16_t>(loWord(static_cast<uintptr_t>(lParam)));
    auto hi = static_cast<int16_t>(hiWord(static_cast<uintptr_t>(lParam)));
    UiPoint point{lo, hi};
    uint32_t keys = static_cast<uint32_t>(wParam);
    switch (message) {
        case WM_SIZE:
            SetClientSize(
                {loWord(static_cast<uintptr_t>(lParam)), hiWord(static_cast<uintptr_t>(lParam))});
            return false;
        case WM_MOUSEMOVE:
            DispatchMouse(UIEVENT_MOUSEMOVE, point, keys);
            return true;
        case WM_LBUTTONDOWN:
            DispatchMouse(UIEVENT_BUTTONDOWN, point, keys);
            return true;
        case WM_LBUTTONUP:
            DispatchMouse(UIEVENT_BUTTONUP, point, keys);
            return true;
        case WM_LBUTTONDBLCLK:
            DispatchMouse(UIEVENT_DBLCLICK, point, keys);
            return true;
        case WM_RBUTTONDOWN:
            DispatchMouse(UIEVENT_RBUTTONDOWN, point, keys);
            return true;
        case WM_RBUTTONUP:
            DispatchMouse(UIEVENT_RBUTTONUP, point, keys);
            return true;
        case WM_MOUSELEAVE:
            DispatchMouse(UIEVENT_MOUSELEAVE, mousePos_);
            return true;
        case WM_KEYDOWN:
            if (focus_ == nullptr) {
                return false;
            }
            DispatchKey(UIEVENT_KEYDOWN, static_cast<uint32_t>(wParam));
            return true;
        case WM_CHAR:
            if (focus_ == nullptr) {
                return false;
            }
            DispatchKey(UIEVENT_CHAR, static_cast<uint32_t>(wParam));
            return true;
        default:
            return false;
    }
}

// --- option groups ---

bool CPaintManagerUI::AddOptionGroup(std::string_view group, CControlUI* control) {
    auto& members = optionGroups_[std::string(group)];
    if (std::find(members.begin(), members.end(), control) != members.end()) {
        return false;
    }
    members.push_back(control);
    return true;
}

const std::vector<CControlUI*>* CPaintManagerUI::GetOptionGroup(std::string_view group) const {
    auto it = optionGroups_.find(std::string(group));
    return it == optionGroups_.end() ? nullptr : &it->second;
}

void CPaintManagerUI::RemoveOptionGroup(std::string_view group, CControlUI* control) {
    auto it = optionGroups_.find(std::string(group));
    if (it == optionGroups_.end()) {
        return;
    }
    std::erase(it->second, control);
    if (it->second.empty()) {
        optionGroups_.erase(it);
    }
}

void CPaintManagerUI::RemoveAllOptionGroups() {
    optionGroups_.clear();
}

// --- defaults, styles, fonts ---

void CPaintManagerUI::AddDefaultAttributeList(std::string_view className, std::string_view list,
                                              bool isShared) {
    auto& map = isShared ? shared().defaultAttributes : defaultAttributes_;
    map[classKey(className)] = std::string(list);
}

std::string CPaintManagerUI::GetDefaultAttributeList(std::string_view className) const {
    std::string key = classKey(className);
    auto it = defaultAttributes_.find(key);
    if (it != defaultAttributes_.end()) {
        return it->second;
    }
    auto sit = shared().defaultAttributes.find(key);
    return sit == shared().defaultAttributes.end() ? std::string() : sit->second;
}

void CPaintManagerUI::RemoveAllDefaultAttributeList(bool isShared) {
    (isShared ? shared().defaultAttributes : defaultAttributes_).clear();
}

void CPaintManagerUI::AddStyle(std::string_view name, std::string_view list, bool isShared) {
    (isShared ? shared().styles : styles_)[std::string(name)] = std::string(list);
}

std::string CPaintManagerUI::GetStyle(std::string_view name) const {
    auto it = styles_.find(std::string(name));
    if (it != styles_.end()) {
        return it->second;
    }
    auto sit = shared().styles.find(std::string(name));
    return sit == shared().styles.end() ? std::string() : sit->second;
}

void CPaintManagerUI::SetDefaultFont(std::string_view face, int size, bool bold, bool underline,
                                     bool italic, bool isShared) {
    TFontInfo f{std::string(face), size, bold, underline, italic};
    if (isShared) {
        shared().defaultFont = f;
        shared().hasDefaultFont = true;
        restyleAll();
    } else {
        defaultFont_ = f;
        hasDefaultFont_ = true;
        restyle();
    }
}

const TFontInfo& CPaintManagerUI::GetDefaultFontInfo() const {
    if (hasDefaultFont_) {
        return defaultFont_;
    }
    return shared().hasDefaultFont ? shared().defaultFont : builtinFont();
}

void CPaintManagerUI::AddFont(int id, std::string_view face, int size, bool bold, bool underline,
                              bool italic, bool isShared) {
    TFontInfo f{std::string(face), size, bold, underline, italic};
    if (isShared) {
        shared().fonts[id] = f;
        restyleAll();
    } else {
        fonts_[id] = f;
        restyle();
    }
}

const TFontInfo& CPaintManagerUI::GetFontInfo(int id) const {
    auto it = fonts_.find(id);
    if (it != fonts_.end()) {
        return it->second;
    }
    auto sit = shared().fonts.find(id);
    return sit != shared().fonts.end() ? sit->second : GetDefaultFontInfo();
}

bool CPaintManagerUI::HasFont(int id) const {
    return fonts_.count(id) != 0 || shared().fonts.count(id) != 0;
}

void CPaintManagerUI::RemoveAllFonts(bool isShared) {
    if (isShared) {
        shared().fonts.clear();
        shared().hasDefaultFont = false;
        restyleAll();
    } else {
        fonts_.clear();
        hasDefaultFont_ = false;
        restyle();
    }
}

void CPaintManagerUI::restyle() {
    NeedUpdate();
    for (IControlObserver* o : std::vector<IControlObserver*>(observers_)) {
        o->OnTreeRestyled();
    }
}

void CPaintManagerUI::restyleAll() {
    for (CPaintManagerUI* m : shared().managers) {
        m->restyle();
    }
}

// --- folders ---

std::string CPaintManagerUI::GetInstancePath() {
    return platform::programFolder();
}

std::string CPaintManagerUI::GetResourcePath() {
    if (shared().resourcePath.empty()) {
        return platform::skinFolder();
    }
    return shared().resourcePath;
}

void CPaintManagerUI::SetResourcePath(std::string_view path) {
    std::string p(path);
    std::replace(p.begin(), p.end(), '\\', '/');
    if (!p.empty() && p.back() != '/') {
        p.push_back('/');
    }
    shared().resourcePath = p;
}

std::string CPaintManagerUI::ResolveResourcePath(std::string_view name) {
    std::string n(name);
    std::replace(n.begin(), n.end(), '\\', '/');
    if (!n.empty() && n[0] == '/') {
        return n;
    }
    return GetResourcePath() + n;
}

const std::vector<CPaintManagerUI*>& CPaintManagerUI::GetPaintManagers() {
    return shared().managers;
}

// --- DPI ---

void CPaintManagerUI::SetDPI(int dpi) {
    if (dpi <= 0) {
        return;
    }
    int oldScale = dpi_.GetScale();
    dpi_.SetScale(dpi);
    int newScale = dpi_.GetScale();
    if (oldScale != newScale && (clientSize_.cx > 0 || clientSize_.cy > 0)) {
        clientSize_ = {clientSize_.cx * newScale / oldScale, clientSize_.cy * newScale / oldScale};
        if (window_ != nullptr && window_->IsWindow()) {
            window_->ResizeClient(clientSize_.cx, clientSize_.cy);  // the window follows
        }
    }
    ResetDPIAssets();
}

void CPaintManagerUI::SetAllDPI(int dpi) {
    for (CPaintManagerUI* m : std::vector<CPaintManagerUI*>(shared().managers)) {
        m->SetDPI(dpi);
    }
}

void CPaintManagerUI::ResetDPIAssets() {
    images_.clear();
    if (root_ != nullptr) {
        root_->NeedUpdate();
    }
    restyle();
}

// --- images ---

const TImageInfo* CPaintManagerUI::GetImageEx(std::string_view name) {
    std::string key(name);
    auto it = images_.find(key);
    if (it != images_.end()) {
        return &it->second;
    }
    TImageInfo info;
    info.sPath = ResolveResourcePath(name);
    if (!readImageSize(info.sPath, info.nX, info.nY)) {
        return nullptr;
    }
    return &images_.emplace(key, info).first->second;
}

TDrawInfo CPaintManagerUI::GetDrawInfo(std::string_view drawString, std::string_view modify) const {
    std::string text = platform::trimSpace(drawString);
    if (!modify.empty()) {
        if (!text.empty() && text.find('=') == std::string::npos) {
            text = "file='" + text + "'";
        }
        text += " ";
        text += modify;
    }
    TDrawInfo info = TDrawInfo::Parse(text);
    info.sDrawString = std::string(drawString);
    return info;
}

void CPaintManagerUI::RemoveAllImages() {
    images_.clear();
}

// --- realisation ---

void CPaintManagerUI::AddObserver(IControlObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void CPaintManagerUI::RemoveObserver(IControlObserver* observer) {
    std::erase(observers_, observer);
}

void CPaintManagerUI::OnControlChanged(CControlUI* control, unsigned what) {
    for (IControlObserver* o : observers_) {
        o->OnControlChanged(control, what);
    }
}

void CPaintManagerUI::OnControlAdded(CControlUI* control) {
    for (IControlObserver* o : observers_) {
        o->OnControlAdded(control);
    }
}

void CPaintManagerUI::OnControlRemoved(CControlUI* control) {
    for (IControlObserver* o : observers_) {
        o->OnControlRemoved(control);
    }
}

UiSize CPaintManagerUI::MeasureText(std::string_view text, int fontId, int maxWidth) const {
    const TFontInfo& font = GetFontInfo(fontId);
    TFontInfo scaled = font;
    scaled.iSize = dpi_.Scale(font.iSize);
    if (measurer_ != nullptr) {
        return measurer_->MeasureText(text, scaled, maxWidth);
    }
    // Without real fonts: Latin characters about 0.55 em wide, wide scripts 1 em.
    int width = 0;
    for (wchar_t c : platform::utf8ToWide(text)) {
        width += c < 0x1100 ? scaled.iSize * 55 / 100 : scaled.iSize;
    }
    return {width, scaled.iSize * 13 / 10};
}

}  // namespace vorn::ui
