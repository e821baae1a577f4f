#pragma once
// The contract between a list-like owner (CListUI, CComboUI) and its rows, and the row
// look shared by the owner's rows (TListInfoUI).

#include <string>
#include <string_view>
#include <vector>

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

class CContainerUI;

struct TListInfoUI {
    std::vector<UiRect> columns;  // x ranges of the header items, when there is a header
    int nFont = -1;
    unsigned uTextStyle = DT_VCENTER | DT_SINGLELINE;
    UiRect rcTextPadding{6, 0, 6, 0};
    UiColor dwTextColor = 0;
    UiColor dwBkColor = 0;
    UiColor dwSelectedTextColor = 0;
    UiColor dwSelectedBkColor = 0;
    UiColor dwHotTextColor = 0;
    UiColor dwHotBkColor = 0;
    UiColor dwDisabledTextColor = 0;
    UiColor dwLineColor = 0;
    std::string sBkImage;
    std::string sSelectedImage;
    std::string sHotImage;
    bool bShowHtml = false;
    int nItemHeight = 0;  // default row height for text rows (0: the row's own)

    // Applies an "item..." attribute of the owner; false for any other name.
    bool ApplyAttribute(std::string_view name, std::string_view value);
};

class IListOwnerUI {
  public:
    virtual ~IListOwnerUI() = default;
    virtual TListInfoUI* GetListInfo() = 0;
    virtual int GetCurSel() const = 0;
    // Selects the row (unselecting the previous one); raises "itemselect" (wParam new,
    // lParam old index) when asked. False when the row cannot be selected.
    virtual bool SelectItem(int index, bool takeFocus = false, bool triggerEvent = true) = 0;
    virtual bool IsMultiSelect() const { return false; }
    virtual bool SelectMultiItem(int index, bool takeFocus = false) {
        return SelectItem(index, takeFocus);
    }
    virtual bool UnSelectItem(int index, bool others = false) {
        (void)index;
        (void)others;
        return false;
    }
    // The owner as a control (events rows do not take go there).
    virtual CControlUI* GetOwnerControl() = 0;
};

class IListItemUI {
  public:
    virtual ~IListItemUI() = default;
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int index) = 0;
    virtual IListOwnerUI* GetOwner() const = 0;
    virtual void SetOwner(IListOwnerUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    // Marks the row selected or not; selecting tells the owner (which then unselects the
    // others). False for a disabled row.
    virtual bool Select(bool select = true, bool triggerEvent = true) = 0;
    // Adds or removes the row from a multiple selection.
    virtual bool SelectMulti(bool select = true) = 0;
    virtual bool IsExpanded() const { return false; }
};

// The IListItemUI view of a control, or nullptr.
inline IListItemUI* listItemOf(CControlUI* control) {
    return control != nullptr ? static_cast<IListItemUI*>(control->GetInterface("ListItem"))
                              : nullptr;
}

// The row a control is when it can be selected now (a row not hidden itself, and enabled; a
// row hidden only because its list is can be chosen), or nullptr.
IListItemUI* selectableRowOf(CControlUI* control);

// Tells the rows of a list-like owner (`rows`: the owner, answering its rows through
// GetItemAt) their index again, from row `from` on, after rows were inserted or removed.
void renumberRows(const CContainerUI& rows, int from);

// A selected row index after a row was inserted at `index`.
inline int selectionAfterInsert(int selected, int index) {
    return selected >= index ? selected + 1 : selected;
}
// A selected row index after the row at `index` was removed (-1: the selected row went).
inline int selectionAfterRemove(int selected, int index) {
    if (selected == index) {
        return -1;
    }
    return selected > index ? selected - 1 : selected;
}

// Row state and row behaviour shared by every kind of row. `self` is the row control.
class CListItemState : public IListItemUI {
  public:
    int GetIndex() const override { return index_; }
    void SetIndex(int index) override { index_ = index; }
    IListOwnerUI* GetOwner() const override { return owner_; }
    void SetOwner(IListOwnerUI* owner) override { owner_ = owner; }
    bool IsSelected() const override { return selected_; }

  protected:
    explicit CListItemState(CControlUI* self) : self_(self) {}
    bool selectRow(bool select, bool triggerEvent);
    bool selectRowMulti(bool select);
    // The common mouse and key handling of rows; false when the event is not one of them
    // (the caller then handles it itself).
    bool handleRowEvent(TEventUI& event);
    // Raises "itemactivate" (double click or Return on the row).
    bool activateRow();
    // Background colour and image of the row for its state.
    void paintRowBackground(IPainter& painter);
    UiColor rowTextColor() const;

    CControlUI* self_;
    int index_ = -1;
    IListOwnerUI* owner_ = nullptr;
    bool selected_ = false;
};

}  // namespace vorn::ui
