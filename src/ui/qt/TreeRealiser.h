#pragma once
// Realises a paint manager's control tree as Qt widgets inside a host widget whose origin is
// the window's client origin, and keeps both in step: tree changes reach the widgets
// (IControlObserver), user input on the widgets reaches the tree as the same calls and
// events a headless test makes (Activate, SelectItem, UserChange, InputText, focus, mouse
// events through the paint manager).

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <unordered_map>
#include <unordered_set>

#include "ui/framework/controls/Control.h"
#include "ui/framework/controls/ControlObserver.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/qt/RealiserContext.h"

namespace vorn::ui::qt {

class Realised;

class TreeRealiser final : public QObject, public IControlObserver, public RealiserContext {
  public:
    TreeRealiser(CPaintManagerUI& manager, QWidget* host);
    ~TreeRealiser() override;

    CPaintManagerUI& manager() override { return manager_; }
    QWidget* host() const override { return host_; }
    // The widget showing a control (nullptr when it has none, e.g. a combo's rows).
    QWidget* widgetFor(CControlUI* control) const;
    CControlUI* controlFor(const QWidget* widget) const;
    size_t widgetCount() const { return map_.size(); }

    // Lays the tree out and brings every widget up to date.
    void syncAll();

    void OnControlChanged(CControlUI* control, unsigned what) override;
    void OnControlAdded(CControlUI* control) override;
    void OnControlRemoved(CControlUI* control) override;
    void OnLayoutUpdated() override;
    void OnTreeRestyled() override;
    void OnLayoutNeeded() override;

    // RealiserContext: the widgets' input reaching the tree.
    void forwardMouse(QWidget* from, UiEventType type, QPoint pos, Qt::KeyboardModifiers mods,
                      int wheelDelta = 0) override;
    bool syncing() const override { return syncing_ > 0; }
    void focusGained(CControlUI* control) override;
    void focusLost(CControlUI* control) override;
    UiPoint toWindow(const QWidget* widget, QPoint pos) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class SyncGuard;
    Realised* realise(CControlUI* control, QWidget* parent);
    void realiseChildren(CControlUI* control, Realised* realised);
    Realised* make(CControlUI* control, QWidget* parent);
    void forget(CControlUI* control);
    void placeAll();
    void scheduleLayout();
    void scheduleRestyle();
    // A combo's rows changed: its list is rebuilt once, on the next turn of the loop (or
    // with the combo's next sync), however many rows came or went meanwhile.
    void scheduleItems(CControlUI* combo);

    CPaintManagerUI& manager_;
    QPointer<QWidget> host_;
    std::unordered_map<CControlUI*, Realised*> map_;
    std::unordered_map<const QWidget*, CControlUI*> byWidget_;
    // Hidden containers whose children get widgets when they are first shown.
    std::unordered_set<CControlUI*> pending_;
    // Combos whose rows changed since their widget last showed them.
    std::unordered_set<CControlUI*> itemsPending_;
    bool itemsFlushScheduled_ = false;
    int syncing_ = 0;
    bool layoutPending_ = false;
    bool restylePending_ = false;
};

}  // namespace vorn::ui::qt
