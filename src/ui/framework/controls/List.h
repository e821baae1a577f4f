#pragma once
// CListUI: rows in a scrolling body below an optional header of columns. Rows are
// CListLabelElementUI (one text), CListTextElementUI (one text per column) or
// CListContainerElementUI (a row holding controls of its own).

#include "ui/framework/controls/Label.h"
#include "ui/framework/controls/ListItem.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {

class CListUI;

// One column title of a list header.
class CListHeaderItemUI : public CLabelUI {
  public:
    CListHeaderItemUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsSelfDrawn() const override { return true; }
};

class CListHeaderUI : public CHorizontalLayoutUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
};

// The scrolling part of a list; its items are the rows.
class CListBodyUI : public CVerticalLayoutUI {
  public:
    explicit CListBodyUI(CListUI* owner) : owner_(owner) {}
    std::string GetClass() const override;
    void DoEvent(TEventUI& event) override;

  private:
    CListUI* owner_;
};

// What every kind of row shares on top of its control class `Base`: the row state, the row
// events (the rest goes to the owner), selection, activation ("itemactivate"), the owner's
// default row height and the "selected" attribute.
template <class Base>
class CListRowUI : public Base, public CListItemState {
  public:
    CListRowUI() : CListItemState(this) {}
    void* GetInterface(std::string_view name) override;
    unsigned GetControlFlags() const override { return UIFLAG_WANTRETURN; }
    bool IsActiveControl() const override { return true; }
    bool Activate() override { return CControlUI::Activate() && activateRow(); }
    bool Select(bool select = true, bool triggerEvent = true) override {
        return selectRow(select, triggerEvent);
    }
    bool SelectMulti(bool select = true) override { return selectRowMulti(select); }
    void DoEvent(TEventUI& event) override;
    UiSize EstimateSize(UiSize available) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
};

extern template class CListRowUI<CControlUI>;
extern template class CListRowUI<CContainerUI>;

// Base of the text rows (a control drawing its own background and text).
class CListElementUI : public CListRowUI<CControlUI> {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    // Without a height of its own or of the owner, a text row is one line of text high.
    UiSize EstimateSize(UiSize available) override;
    void PaintBkColor(IPainter& painter) override { paintRowBackground(painter); }
};

class CListLabelElementUI : public CListElementUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void PaintText(IPainter& painter) override;
};

// A row with one text per header column.
class CListTextElementUI : public CListLabelElementUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    // Text of column `column` (column 0 is also the row's text).
    std::string GetText(int column) const;
    void SetText(int column, std::string_view text);
    using CListLabelElementUI::GetText;
    using CListLabelElementUI::SetText;
    int GetColumnCount() const { return static_cast<int>(texts_.size()); }
    // "text1", "text2", ...: the texts of the further columns.
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintText(IPainter& painter) override;

  private:
    std::vector<std::string> texts_;
};

// A row that holds controls; children are stacked as in a plain container.
class CListContainerElementUI : public CListRowUI<CContainerUI> {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void PaintBkColor(IPainter& painter) override { DrawItemBk(painter); }
    // Draws the row background for its state (rows that extend the look override it).
    virtual void DrawItemBk(IPainter& painter) { paintRowBackground(painter); }
};

class CListUI : public CVerticalLayoutUI, public IListOwnerUI {
  public:
    CListUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    unsigned GetControlFlags() const override { return UIFLAG_TABSTOP; }

    CListHeaderUI* GetHeader() const { return header_; }
    CListBodyUI* GetList() const { return body_; }

    // Rows (a header or header item added goes to the header).
    CControlUI* GetItemAt(int index) const override;
    int GetItemIndex(CControlUI* control) const override;
    bool SetItemIndex(CControlUI* control, int index) override;
    int GetCount() const override;
    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;

    // Selection.
    TListInfoUI* GetListInfo() override;
    int GetCurSel() const override { return curSel_; }
    bool SelectItem(int index, bool takeFocus = false, bool triggerEvent = true) override;
    // Selects the row and activates it ("itemselect" then "itemactivate").
    bool SelectItemActivate(int index);
    bool IsMultiSelect() const override { return multiSelect_; }
    void SetMultiSelect(bool multi);
    bool SelectMultiItem(int index, bool takeFocus = false) override;
    bool UnSelectItem(int index, bool others = false) override;
    std::vector<int> GetSelectedItems() const;
    CControlUI* GetOwnerControl() override { return this; }
    void EnsureVisible(int index);

    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

  private:
    int findSelectable(int index, bool forward) const;

    CListHeaderUI* header_;
    CListBodyUI* body_;
    TListInfoUI info_;
    int curSel_ = -1;
    bool multiSelect_ = false;
    std::vector<int> multiSelected_;
};

}  // namespace vorn::ui
