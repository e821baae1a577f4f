#pragma once
// CContainerUI: a control that owns child controls. A plain container gives every child
// its inner rectangle (inset), sized by the child's fixed width/height where set; the
// linear layouts and the tab layout (Layouts.h) arrange children differently. Children
// with float="true" are placed by their pos attribute relative to the container.

#include <vector>

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

class CScrollBarUI;

class CContainerUI : public CControlUI {
  public:
    CContainerUI();
    ~CContainerUI() override;

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;

    // Items. Adding a control hands it to this container (and the tree's manager);
    // removing destroys it unless doNotDestroy is set or auto-destroy is off (in a tree
    // with a manager, once the current event has been handled).
    virtual CControlUI* GetItemAt(int index) const;
    virtual int GetItemIndex(CControlUI* control) const;
    virtual bool SetItemIndex(CControlUI* control, int index);
    virtual int GetCount() const;
    virtual bool Add(CControlUI* control);
    virtual bool AddAt(CControlUI* control, int index);
    virtual bool Remove(CControlUI* control, bool doNotDestroy = false);
    virtual bool RemoveAt(int index, bool doNotDestroy = false);
    virtual void RemoveAll();
    void SetAutoDestroy(bool autoDestroy) { autoDestroy_ = autoDestroy; }
    bool IsAutoDestroy() const { return autoDestroy_; }
    // Searches below this container by name (the container itself included).
    CControlUI* FindSubControl(std::string_view name);

    // Inner margins, space between children and child alignment.
    UiRect GetInset() const;  // scaled
    void SetInset(UiRect inset);
    int GetChildPadding() const;  // scaled
    void SetChildPadding(int padding);
    // Cross-axis alignment of children narrower than the container: DT_LEFT, DT_CENTER,
    // DT_RIGHT (childalign) and DT_VCENTER/DT_BOTTOM or 0 for top (childvalign).
    unsigned GetChildAlign() const { return childAlign_; }
    void SetChildAlign(unsigned align);
    unsigned GetChildVAlign() const { return childVAlign_; }
    void SetChildVAlign(unsigned align);
    bool IsMouseChildEnabled() const { return mouseChildEnabled_; }
    void SetMouseChildEnabled(bool enabled = true) { mouseChildEnabled_ = enabled; }

    // Scrolling (vertical and/or horizontal) when the content outgrows the container.
    void EnableScrollBar(bool vertical = true, bool horizontal = false);
    CScrollBarUI* GetVerticalScrollBar() const { return vscroll_; }
    CScrollBarUI* GetHorizontalScrollBar() const { return hscroll_; }
    UiSize GetScrollPos() const { return scrollPos_; }
    UiSize GetScrollRange() const { return scrollRange_; }
    // The size the children take (may exceed the inner rectangle).
    UiSize GetContentSize() const { return contentSize_; }
    virtual void SetScrollPos(UiSize pos);
    void LineUp();
    void LineDown();
    // Scrolls so that the child is inside the visible part.
    void EnsureVisible(CControlUI* control);

    void SetVisible(bool visible = true) override;
    void SetInternVisible(bool visible = true) override;
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetPos(UiRect rect, bool needInvalidate = true) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoEvent(TEventUI& event) override;
    CControlUI* FindControl(FindControlProc proc, const void* data, unsigned flags) override;
    void DoPaint(IPainter& painter, const UiRect& paint) override;
    bool IsSelfDrawn() const override { return false; }

    // The items as stored (a list answers its rows through GetItemAt; the stored items are
    // its header and body).
    const std::vector<CControlUI*>& RawItems() const { return items_; }

  protected:
    // Places a float child by its fixed position relative to this container.
    void SetFloatPos(CControlUI* control);
    // Arranges the visible non-float children one after the other.
    void LayoutLinear(bool horizontal);
    // Gives every visible child the inner rectangle, sized by its fixed size.
    void LayoutStacked();
    void updateScrollRange(UiSize content, UiSize available);
    // Hands a child to the manager (registration, realisation) after insertion.
    void adopt(CControlUI* control);
    // Takes a child out of the tree; destroys it when asked.
    void release(CControlUI* control, bool destroy);

    std::vector<CControlUI*> items_;

  private:
    UiRect inset_;
    int childPadding_ = 0;
    unsigned childAlign_ = DT_LEFT;
    unsigned childVAlign_ = 0;
    bool autoDestroy_ = true;
    bool mouseChildEnabled_ = true;
    CScrollBarUI* vscroll_ = nullptr;
    CScrollBarUI* hscroll_ = nullptr;
    UiSize scrollPos_;
    UiSize scrollRange_;
    UiSize contentSize_;
};

}  // namespace vorn::ui
