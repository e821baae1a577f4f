#include "ui/qt/TreeRealiser.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWindow>

#include "ui/framework/controls/Combo.h"
#include "ui/framework/layouts/Container.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtPainter.h"
#include "ui/qt/RealisedWidgets.h"

namespace vorn::ui::qt {

// Marks tree-to-widget updates so the widgets' signals are not taken for user input.
class SyncGuard {
  public:
    explicit SyncGuard(TreeRealiser& r) : r_(r) { ++r_.syncing_; }
    ~SyncGuard() { --r_.syncing_; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

  private:
    TreeRealiser& r_;
};

namespace {

constexpr unsigned kEverything = CHANGE_TEXT | CHANGE_VISIBLE | CHANGE_ENABLED | CHANGE_STYLE |
                                 CHANGE_VALUE | CHANGE_SELECTION | CHANGE_ITEMS | CHANGE_LAYOUT;

}  // namespace

TreeRealiser::TreeRealiser(CPaintManagerUI& manager, QWidget* host)
    : manager_(manager), host_(host) {
    manager_.SetTextMeasurer(&textMeasurer());
    manager_.AddObserver(this);
    manager_.UpdateLayout();
    if (manager_.GetRoot() != nullptr) {
        SyncGuard guard(*this);
        realise(manager_.GetRoot(), host_);
        placeAll();
    }
}

TreeRealiser::~TreeRealiser() {
    manager_.RemoveObserver(this);
    if (manager_.GetRoot() != nullptr && host_ != nullptr) {
        OnControlRemoved(manager_.GetRoot());
    }
}

QWidget* TreeRealiser::widgetFor(CControlUI* control) const {
    auto it = map_.find(control);
    return it == map_.end() ? nullptr : it->second->widget();
}

CControlUI* TreeRealiser::controlFor(const QWidget* widget) const {
    auto it = byWidget_.find(widget);
    return it == byWidget_.end() ? nullptr : it->second;
}

Realised* TreeRealiser::make(CControlUI* c, QWidget* parent) {
    // The tree decides what paints itself; the rest is shown by the native widget of the
    // control's kind.
    if (auto* combo = interfaceOf<CComboUI>(c, "Combo"); combo != nullptr && !c->IsSelfDrawn()) {
        return new ComboWidget(*this, combo, parent);
    }
    if (auto* container = interfaceOf<CContainerUI>(c, "IContainer")) {
        if (container->GetVerticalScrollBar() != nullptr ||
            container->GetHorizontalScrollBar() != nullptr) {
            return new ScrollWidget(*this, c, parent);
        }
        return new PaintedWidget(*this, c, parent, true);
    }
    if (c->IsSelfDrawn()) {
        return new PaintedWidget(*this, c, parent, false);
    }
    if (auto* box = interfaceOf<CCheckBoxUI>(c, "CheckBox")) {
        return new CheckWidget(*this, box, parent);
    }
    if (auto* button = interfaceOf<CButtonUI>(c, "Button")) {
        return new ButtonWidget(*this, button, parent);
    }
    if (auto* edit = interfaceOf<CRichEditUI>(c, "RichEdit")) {
        return new TextEditWidget(*this, edit, parent);
    }
    if (auto* edit = interfaceOf<CEditUI>(c, "Edit")) {
        return new EditWidget(*this, edit, parent);
    }
    if (auto* slider = interfaceOf<CSliderUI>(c, "Slider")) {
        return new SliderWidget(*this, slider, parent);
    }
    if (auto* progress = interfaceOf<CProgressUI>(c, "Progress")) {
        return new ProgressWidget(*this, progress, parent);
    }
    if (auto* label = interfaceOf<CLabelUI>(c, "Label")) {
        return new LabelWidget(*this, label, parent);
    }
    return new PaintedWidget(*this, c, parent, false);
}

Realised* TreeRealiser::realise(CControlUI* control, QWidget* parent) {
    Realised* r = make(control, parent);
    map_[control] = r;
    byWidget_[r->widget()] = control;
    r->widget()->installEventFilter(this);
    if (control->IsVisibleSelf()) {
        realiseChildren(control, r);
    } else if (control->GetInterface("IContainer") != nullptr) {
        pending_.insert(control);  // a hidden page costs nothing until it is shown
    }
    r->sync(kEverything);
    return r;
}

void TreeRealiser::realiseChildren(CControlUI* control, Realised* r) {
    // A combo shows its rows itself; other containers realise their items.
    if (control->GetInterface("Combo") != nullptr) {
        return;
    }
    if (auto* container = interfaceOf<CContainerUI>(control, "IContainer")) {
        for (CControlUI* child : container->RawItems()) {
            if (map_.count(child) == 0) {
                realise(child, r->childParent());
            }
        }
    }
}

void TreeRealiser::forget(CControlUI* control) {
    auto it = map_.find(control);
    if (it == map_.end()) {
        return;
    }
    if (auto* container = interfaceOf<CContainerUI>(control, "IContainer")) {
        for (CControlUI* child : container->RawItems()) {
            forget(child);
        }
    }
    Realised* r = it->second;
    byWidget_.erase(r->widget());
    map_.erase(it);
    pending_.erase(control);
    itemsPending_.erase(control);
    r->detach();
}

void TreeRealiser::OnControlAdded(CControlUI* control) {
    if (host_ == nullptr || map_.count(control) != 0) {
        return;
    }
    QWidget* parent = host_;
    if (control != manager_.GetRoot()) {
        auto it = map_.find(control->GetParent());
        if (it == map_.end() || pending_.count(control->GetParent()) != 0) {
            return;  // not shown (the row of a combo), or realised with its hidden parent
        }
        if (it->second->control()->GetInterface("Combo") != nullptr) {
            scheduleItems(it->second->control());
            return;
        }
        parent = it->second->childParent();
    }
    SyncGuard guard(*this);
    Realised* r = realise(control, parent);
    r->widget()->show();
    r->sync(CHANGE_VISIBLE);
    scheduleLayout();
}

void TreeRealiser::OnControlRemoved(CControlUI* control) {
    auto it = map_.find(control);
    if (it == map_.end()) {
        if (CControlUI* parent = control->GetParent()) {
            if (parent->GetInterface("Combo") != nullptr && map_.count(parent) != 0) {
                scheduleItems(parent);  // rebuilt once the row is gone
            }
        }
        return;
    }
    QWidget* w = it->second->widget();
    forget(control);
    w->hide();
    w->deleteLater();  // the widget may be inside one of its own signals
}

void TreeRealiser::OnControlChanged(CControlUI* control, unsigned what) {
    auto it = map_.find(control);
    if (it == map_.end()) {
        // A combo row's text or selection shows in its combo.
        CControlUI* parent = control->GetParent();
        if (parent != nullptr && parent->GetInterface("Combo") != nullptr &&
            map_.count(parent) != 0) {
            scheduleItems(parent);
        }
        return;
    }
    if (what == CHANGE_ITEMS && control->GetInterface("Combo") != nullptr) {
        scheduleItems(control);  // rows added one by one are shown together
        return;
    }
    if (itemsPending_.erase(control) != 0) {
        what |= CHANGE_ITEMS;  // the rows it waits for come with this sync
    }
    if ((what & CHANGE_PAINT) != 0 && (what & ~CHANGE_PAINT) == 0) {
        it->second->widget()->update();
        return;
    }
    SyncGuard guard(*this);
    if ((what & CHANGE_VISIBLE) != 0 && control->IsVisibleSelf() && pending_.erase(control) != 0) {
        realiseChildren(control, it->second);
        placeAll();
    }
    it->second->sync(what);
    if (manager_.IsUpdateNeeded()) {
        scheduleLayout();
    }
}

void TreeRealiser::OnLayoutUpdated() {
    SyncGuard guard(*this);
    placeAll();
}

void TreeRealiser::OnTreeRestyled() {
    scheduleRestyle();
}

void TreeRealiser::OnLayoutNeeded() {
    scheduleLayout();
}

void TreeRealiser::placeAll() {
    for (auto& [control, r] : map_) {
        if (r->control() == nullptr) {
            continue;
        }
        UiRect rc = control->GetPosNoLayout();
        UiPoint origin{0, 0};
        if (control != manager_.GetRoot()) {
            auto parent = map_.find(control->GetParent());
            if (parent != map_.end()) {
                origin = parent->second->childOrigin();
            }
        }
        QRect g(rc.left - origin.x, rc.top - origin.y, rc.width(), rc.height());
        if (r->widget()->geometry() != g) {
            r->widget()->setGeometry(g);
        }
        if (dynamic_cast<ScrollWidget*>(r) != nullptr) {
            r->sync(CHANGE_LAYOUT);
        }
    }
}

void TreeRealiser::syncAll() {
    if (host_ == nullptr) {
        return;
    }
    manager_.UpdateLayout();
    SyncGuard guard(*this);
    for (auto& [control, r] : map_) {
        if (r->control() != nullptr) {
            r->sync(kEverything);
        }
    }
    placeAll();
}

void TreeRealiser::scheduleLayout() {
    if (layoutPending_) {
        return;
    }
    layoutPending_ = true;
    QTimer::singleShot(0, this, [this] {
        layoutPending_ = false;
        if (manager_.IsUpdateNeeded()) {
            manager_.UpdateLayout();
        }
    });
}

void TreeRealiser::scheduleItems(CControlUI* combo) {
    itemsPending_.insert(combo);
    if (itemsFlushScheduled_) {
        return;
    }
    itemsFlushScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        itemsFlushScheduled_ = false;
        std::unordered_set<CControlUI*> combos;
        combos.swap(itemsPending_);
        SyncGuard guard(*this);
        for (CControlUI* shown : combos) {
            auto it = map_.find(shown);
            if (it != map_.end() && it->second->control() != nullptr) {
                it->second->sync(CHANGE_ITEMS);
            }
        }
    });
}

void TreeRealiser::scheduleRestyle() {
    if (restylePending_) {
        return;
    }
    restylePending_ = true;
    QTimer::singleShot(0, this, [this] {
        restylePending_ = false;
        clearImageCache();
        syncAll();
    });
}

UiPoint TreeRealiser::toWindow(const QWidget* widget, QPoint pos) const {
    QPoint p = host_ != nullptr ? widget->mapTo(host_, pos) : pos;
    return {p.x(), p.y()};
}

void TreeRealiser::forwardMouse(QWidget* from, UiEventType type, QPoint pos,
                                Qt::KeyboardModifiers mods, int wheelDelta) {
    UiPoint p = toWindow(from, pos);
    uint32_t keys = 0;
    if ((mods & Qt::ControlModifier) != 0) {
        keys |= MK_CONTROL_STATE;
    }
    if ((mods & Qt::ShiftModifier) != 0) {
        keys |= MK_SHIFT_STATE;
    }
    if (type == UIEVENT_BUTTONDOWN && manager_.IsCaptionDragPoint(p) && host_ != nullptr &&
        host_->window()->windowHandle() != nullptr &&
        host_->window()->windowHandle()->startSystemMove()) {
        return;
    }
    uintptr_t wParam = type == UIEVENT_SCROLLWHEEL ? static_cast<uintptr_t>(wheelDelta) : 0;
    manager_.DispatchMouse(type, p, keys, wParam);
}

void TreeRealiser::focusGained(CControlUI* control) {
    if (control != nullptr && manager_.GetFocus() != control) {
        manager_.SetFocus(control);
    }
}

void TreeRealiser::focusLost(CControlUI* control) {
    // Focus moving to another realised control is handled by its focus-in; focus leaving
    // the tree altogether takes the tree's focus away too.
    QWidget* next = QApplication::focusWidget();
    if (next != nullptr && controlFor(next) != nullptr) {
        return;
    }
    if (manager_.GetFocus() == control) {
        manager_.SetFocus(nullptr);
    }
}

bool TreeRealiser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto* w = qobject_cast<QWidget*>(watched);
        CControlUI* control = w != nullptr ? controlFor(w) : nullptr;
        if (control != nullptr && !syncing()) {
            if (event->type() == QEvent::FocusIn) {
                focusGained(control);
            } else if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                focusLost(control);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorn::ui::qt
