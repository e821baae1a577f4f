#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/core/NotifyPump.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/resources/ResourceManager.h"

using namespace vorn;
using namespace vorn::ui;

TEST(TreeLifetime, QueuedNotificationsOfARemovedControlAreDropped) {
    ScopedManualUiLoop ui;
    test::BuiltTree t(
        R"(<VerticalLayout><Button name="gone"/><Button name="stays"/></VerticalLayout>)");
    t.pm.SendNotify(t.pm.FindControl("gone"), "menu", 0, 0, true);
    t.pm.SendNotify(t.pm.FindControl("stays"), "menu", 0, 0, true);
    static_cast<CContainerUI*>(t.root)->Remove(t.pm.FindControl("gone"));
    ui.loop().runPending();
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"menu:stays"}));
}

TEST(TreeLifetime, ControlRemovedInsideItsOwnClickIsDestroyedLater) {
    ScopedManualUiLoop ui;
    test::BuiltTree t(
        R"(<Window size="100,40"><HorizontalLayout name="root"><Button name="self"/></HorizontalLayout></Window>)");
    auto* root = static_cast<CContainerUI*>(t.root);
    CControlUI* self = t.pm.FindControl("self");
    self->OnNotify.push_back([&](TNotifyUI& msg) {
        if (msg.sType == "click") {
            root->Remove(self);  // out of the tree now, destroyed once the click is over
        }
    });
    t.pm.ClickControl(self);
    EXPECT_EQ(root->GetCount(), 0);
    EXPECT_EQ(t.pm.FindControl("self"), nullptr);
    ui.loop().runPending();  // destroyed here (the sanitizers watch)
}

TEST(TreeLifetime, ControlsAttachedBeforeTheyJoinTheTreeAreFound) {
    test::BuiltTree t(R"(<VerticalLayout name="root"/>)");
    CDialogBuilder builder;
    CControlUI* page = builder.Create(
        R"(<HorizontalLayout name="page"><Option name="opt" group="g"/></HorizontalLayout>)");
    ASSERT_NE(page, nullptr);
    t.pm.InitControls(page);
    EXPECT_EQ(t.pm.FindControl("opt")->GetParent(), page);
    ASSERT_NE(t.pm.GetOptionGroup("g"), nullptr);
    static_cast<CContainerUI*>(t.root)->Add(page);
    EXPECT_EQ(t.pm.FindControl("page"), page);
    EXPECT_EQ(t.pm.GetOptionGroup("g")->size(), 1u);
}

TEST(Combo, KeysAndWheelStepThroughTheRows) {
    test::BuiltTree t(R"(<Window size="100,30"><HorizontalLayout><Combo name="c">
        <ListLabelElement text="a"/><ListLabelElement text="b" selected="true"/><ListLabelElement text="c"/>
      </Combo></HorizontalLayout></Window>)");
    auto* combo = t.find<CComboUI>("c");
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(t.recorder.events.empty());  // the layout's selection is silent
    t.pm.DispatchMouse(UIEVENT_SCROLLWHEEL, {50, 15}, 0, static_cast<uintptr_t>(-120));
    EXPECT_EQ(combo->GetText(), "c");
    t.pm.DispatchMouse(UIEVENT_SCROLLWHEEL, {50, 15}, 0, static_cast<uintptr_t>(-120));
    EXPECT_EQ(combo->GetCurSel(), 2);  // stays on the last row
    combo->SetFocus();
    t.pm.DispatchKey(UIEVENT_KEYDOWN, VK_UP_KEY);
    EXPECT_EQ(combo->GetText(), "b");
    EXPECT_EQ(t.recorder.of("itemselect").size(), 2u);
    t.pm.ClickControl(combo);
    EXPECT_EQ(t.recorder.of("dropdown").size(), 1u);
    EXPECT_TRUE(combo->IsDropped());
}

TEST(List, RemovingRowsKeepsIndexesAndSelectionRight) {
    test::BuiltTree t(R"(<List name="l">
        <ListLabelElement name="r0"/><ListLabelElement name="r1"/><ListLabelElement name="r2" enabled="false"/>
        <ListLabelElement name="r3"/></List>)");
    auto* list = t.find<CListUI>("l");
    list->SelectItem(3);
    list->RemoveAt(0);
    EXPECT_EQ(list->GetCurSel(), 2);
    EXPECT_EQ(listItemOf(t.pm.FindControl("r3"))->GetIndex(), 2);
    EXPECT_FALSE(list->SelectItem(1));  // r2 is disabled
    EXPECT_EQ(list->GetCurSel(), -1);
    list->SelectItem(0);
    list->SetFocus();
    t.pm.DispatchKey(UIEVENT_KEYDOWN, VK_DOWN_KEY);  // skips the disabled row
    EXPECT_EQ(list->GetCurSel(), 2);
    list->Remove(t.pm.FindControl("r3"));
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->GetCount(), 2);
}

TEST(Edit, PasswordReadOnlyAndCharacterLimitsCountCharacters) {
    test::BuiltTree t(
        R"(<VerticalLayout><Edit name="e" maxchar="3"/><Edit name="ro" readonly="true" text="x"/></VerticalLayout>)");
    auto* e = t.find<CEditUI>("e");
    EXPECT_EQ(e->InputText("\xE9\xBC\xA0\xE6\xA0\x87\xE9\x94\xAE\xE7\x9B\x98"),
              "\xE9\xBC\xA0\xE6\xA0\x87\xE9\x94\xAE");
    EXPECT_EQ(e->Filter("a\nb"), "ab");
    auto* ro = t.find<CEditUI>("ro");
    EXPECT_EQ(ro->InputText("changed"), "x");
    EXPECT_TRUE(t.recorder.of("textchanged").size() == 1u);
}

TEST(ResourceText, TooltipsOfLanguageKeysResolveToo) {
    auto& rm = CResourceManager::GetInstance();
    rm.LoadLanguageText(R"(<Language><Text id="tip_key">Close the window</Text></Language>)");
    test::BuiltTree t(
        R"(<VerticalLayout><Button name="b" tooltip="tip_key" resourcetext="true"/></VerticalLayout>)");
    EXPECT_EQ(t.pm.FindControl("b")->GetToolTip(), "Close the window");
    rm.ResetTextMap();
}

TEST(NotifyPump, HandlersByTypeFallBackToHandleNotify) {
    class Pump : public CNotifyPump {
      public:
        bool HandleNotify(TNotifyUI& msg) override {
            fallback.push_back(msg.sType);
            return true;
        }
        std::vector<std::string> fallback;
    } pump;
    int clicks = 0;
    pump.OnNotifyType("click", [&](TNotifyUI&) { ++clicks; });
    TNotifyUI click;
    click.sType = "click";
    TNotifyUI timer;
    timer.sType = "timer";
    EXPECT_TRUE(pump.NotifyPump(click));
    EXPECT_TRUE(pump.NotifyPump(timer));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(pump.fallback, (std::vector<std::string>{"timer"}));
}

TEST(Fonts, SharedFontsReachEveryManagerAndCanBeRemoved) {
    CPaintManagerUI a;
    CPaintManagerUI b;
    a.AddFont(50, "MiSans Normal", 14, true, false, false, true);
    a.SetDefaultFont("MiSans Normal", 13, false, false, false, true);
    EXPECT_TRUE(b.HasFont(50));
    EXPECT_TRUE(b.GetFontInfo(50).bBold);
    EXPECT_EQ(b.GetFontInfo(99).iSize, 13);
    b.AddFont(50, "Own", 20, false, false, false);  // a manager's own font wins
    EXPECT_EQ(b.GetFontInfo(50).sFontName, "Own");
    a.RemoveAllFonts(true);
    EXPECT_FALSE(a.HasFont(50));
    EXPECT_EQ(b.GetFontInfo(50).sFontName, "Own");
}
