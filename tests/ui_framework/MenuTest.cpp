#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/controls/Menu.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/WindowHost.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kMenu = R"(<Window><Menu name="menu" width="200" inset="4,4,4,4">
    <MenuElement name="about_menu" text="About" height="30"/>
    <MenuElement name="sync" text="Sync lighting" checkitem="true" height="30"/>
    <MenuElement name="exit" text="Exit" height="30" userdata="bye"/>
  </Menu></Window>)";

class Owner : public WindowImplBase {
  public:
    std::string GetWindowClassName() const override { return "OwnerWnd"; }
    std::string GetSkinFile() const override {
        return "<Window size='300,200'><Control name='root'/></Window>";
    }
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override {
        if (message == WM_MENUCLICK) {
            auto* cmd = reinterpret_cast<MenuCmd*>(wParam);
            chosen.push_back(cmd->szName + (cmd->bChecked ? "+" : ""));
            CPaintManagerUI::DeletePtr(cmd);
            handled = true;
            return 0;
        }
        return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
    }
    std::vector<std::string> chosen;
};

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override { owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0); }
    CMenuWnd* open(UiPoint at, unsigned alignment, std::map<std::string, bool>* checks = nullptr) {
        return CMenuWnd::CreateMenu(nullptr, kMenu, at, &owner.GetPaintManager(), checks,
                                    alignment);
    }
    ScopedManualUiLoop ui;
    Owner owner;
};

}  // namespace

TEST_F(MenuTest, AlignmentFlagsPlaceTheMenuAroundItsPoint) {
    // Height: three items of 30 and the inset 4 + 4.
    struct Case {
        unsigned flags;
        UiRect expected;
    } cases[] = {
        {eMenuAlignment_Left | eMenuAlignment_Top, {500, 300, 700, 398}},      // 6
        {eMenuAlignment_Right | eMenuAlignment_Top, {300, 300, 500, 398}},     // 12
        {eMenuAlignment_Left | eMenuAlignment_Bottom, {500, 202, 700, 300}},   // 18
        {eMenuAlignment_Right | eMenuAlignment_Bottom, {300, 202, 500, 300}},  // 24
    };
    for (const Case& c : cases) {
        CMenuWnd* menu = open({500, 300}, c.flags);
        EXPECT_EQ(menu->GetWindowRect(), c.expected) << c.flags;
        menu->DestroyMenu();
        ui.loop().runPending();
    }
    // Near the screen's corner the menu stays on the screen.
    CMenuWnd* corner = open({1910, 1075}, eMenuAlignment_Left | eMenuAlignment_Top);
    EXPECT_EQ(corner->GetWindowRect(), (UiRect{1720, 982, 1920, 1080}));
    corner->DestroyMenu();
    ui.loop().runPending();
}

TEST_F(MenuTest, CheckItemsToggleAndReportTheirState) {
    std::map<std::string, bool> checks{{"sync", true}};
    CMenuWnd* menu = open({10, 10}, eMenuAlignment_Left | eMenuAlignment_Top, &checks);
    EXPECT_TRUE(menu->FindItem("sync")->GetChecked());
    menu->FindItem("sync")->Activate();
    EXPECT_EQ(owner.chosen, (std::vector<std::string>{"sync"}));
    EXPECT_FALSE(checks["sync"]);
    // A second choice in the same menu is ignored; the menu is closing.
    menu->FindItem("exit")->Activate();
    EXPECT_EQ(owner.chosen.size(), 1u);
    ui.loop().runPending();
}

TEST_F(MenuTest, ClickingElsewhereOrEscapeClosesWithoutAChoice) {
    CMenuWnd* menu = open({10, 10}, eMenuAlignment_Left | eMenuAlignment_Top);
    UiWindowHandle h = menu->GetHWND();
    menu->PostMessage(WM_ACTIVATE, 0, 0);
    ui.loop().runPending();
    EXPECT_EQ(CWindowWnd::FromHandle(h), nullptr);
    menu = open({10, 10}, eMenuAlignment_Left | eMenuAlignment_Top);
    h = menu->GetHWND();
    menu->SendMessage(WM_KEYDOWN, VK_ESCAPE_KEY, 0);
    ui.loop().runPending();
    EXPECT_EQ(CWindowWnd::FromHandle(h), nullptr);
    EXPECT_TRUE(owner.chosen.empty());
}

TEST_F(MenuTest, ChoiceForAGoneOwnerIsDropped) {
    CMenuWnd* menu = open({10, 10}, eMenuAlignment_Left | eMenuAlignment_Top);
    owner.DestroyWindow();
    menu->FindItem("exit")->Activate();  // nobody to tell; the record is freed (sanitizers)
    ui.loop().runPending();
    EXPECT_TRUE(owner.chosen.empty());
}
