#pragma once
// Pop-up menus built from a layout: a <Menu> root holding <MenuElement> items. Choosing an
// item sends the owner window WM_MENUCLICK with a MenuCmd (the item's name, user data and
// text) that the receiver frees (CPaintManagerUI::DeletePtr); the menu then closes.

#include <map>
#include <string>
#include <string_view>

#include "ui/framework/controls/List.h"
#include "ui/framework/windows/WindowImplBase.h"

namespace vorn::ui {

struct MenuCmd {
    std::string szName;
    std::string szUserData;
    std::string szText;
    bool bChecked = false;
};

// Where the menu goes relative to its point (combinable): Left - the menu starts at the
// point and extends right; Right - it ends at the point; Top - it extends down from the
// point; Bottom - it ends above the point.
inline constexpr unsigned eMenuAlignment_Left = 1u << 1;
inline constexpr unsigned eMenuAlignment_Top = 1u << 2;
inline constexpr unsigned eMenuAlignment_Right = 1u << 3;
inline constexpr unsigned eMenuAlignment_Bottom = 1u << 4;

class CMenuElementUI : public CListContainerElementUI {
  public:
    CMenuElementUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool Activate() override;
    void DoEvent(TEventUI& event) override;
    UiSize EstimateSize(UiSize available) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintText(IPainter& painter) override;
    bool IsSelfDrawn() const override { return true; }
    bool IsCheckItem() const { return checkItem_; }
    bool GetChecked() const { return checked_; }
    void SetChecked(bool checked);

  private:
    bool checkItem_ = false;
    bool checked_ = false;
};

class CMenuUI : public CListUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    UiSize EstimateSize(UiSize available) override;
};

class CMenuWnd : public WindowImplBase {
  public:
    CMenuWnd() = default;

    // Builds and shows a menu for the window that owns mainManager. The menu deletes itself
    // when it closes.
    static CMenuWnd* CreateMenu(CMenuElementUI* ownerElement, std::string_view xml, UiPoint point,
                                CPaintManagerUI* mainManager,
                                std::map<std::string, bool>* checkInfo = nullptr,
                                unsigned alignment = eMenuAlignment_Left | eMenuAlignment_Top);
    void Init(CMenuElementUI* ownerElement, std::string_view xml, UiPoint point,
              CPaintManagerUI* mainManager, std::map<std::string, bool>* checkInfo = nullptr,
              unsigned alignment = eMenuAlignment_Left | eMenuAlignment_Top);
    void DestroyMenu();

    CMenuUI* GetMenuUI() const;
    CMenuElementUI* FindItem(std::string_view name);
    // Sends the owner WM_MENUCLICK for the item and closes the menu.
    void Choose(CMenuElementUI* item);

    std::string GetWindowClassName() const override { return "MenuWnd"; }
    CControlUI* CreateControl(std::string_view className) override;

  protected:
    std::string GetSkinFile() const override { return xml_; }
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override;
    intptr_t ResponseDefaultKeyEvent(uintptr_t key) override;
    void OnFinalMessage(UiWindowHandle handle) override;

  private:
    std::string xml_;
    UiWindowHandle receiver_ = 0;
    std::map<std::string, bool>* checkInfo_ = nullptr;
    bool chosen_ = false;
};

}  // namespace vorn::ui
