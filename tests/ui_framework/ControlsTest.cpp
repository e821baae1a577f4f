#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/ColorPalette.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/layouts/Layouts.h"

using namespace vorn;
using namespace vorn::ui;

TEST(OptionGroup, SelectingOneUnselectsTheOthersAndNotifiesEachChange) {
    test::BuiltTree t(R"(<Window size="300,30"><HorizontalLayout name="root">
        <Option name="a" group="rate" selected="true"/>
        <Option name="b" group="rate"/>
        <Option name="c" group="rate"/>
        <Option name="solo"/>
      </HorizontalLayout></Window>)");
    auto* a = t.find<COptionUI>("a");
    auto* b = t.find<COptionUI>("b");
    auto* c = t.find<COptionUI>("c");
    EXPECT_TRUE(a->IsSelected());

    t.pm.ClickControl(b);  // as a user would
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected());
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"setfocus:b", "click:b",
                                                           "selectchanged:a", "selectchanged:b"}));

    // Clicking the selected option of a group keeps it selected.
    t.recorder.events.clear();
    b->Activate();
    EXPECT_TRUE(b->IsSelected());
    EXPECT_TRUE(t.recorder.of("selectchanged").empty());

    // Selecting without notification changes the group silently.
    c->Selected(true, false);
    EXPECT_FALSE(b->IsSelected());
    EXPECT_TRUE(c->IsSelected());
    EXPECT_TRUE(t.recorder.of("selectchanged").empty());

    // An option without a group toggles.
    auto* solo = t.find<COptionUI>("solo");
    solo->Activate();
    solo->Activate();
    EXPECT_FALSE(solo->IsSelected());
    EXPECT_EQ(t.recorder.of("selectchanged").size(), 2u);
}

TEST(OptionGroup, SelectedOptionJoiningAGroupTakesTheSelection) {
    test::BuiltTree t(R"(<HorizontalLayout name="root">
        <Option name="a" group="g" selected="true"/>
        <Option name="b" group="g" selected="true"/>
      </HorizontalLayout>)");
    EXPECT_FALSE(t.find<COptionUI>("a")->IsSelected());
    EXPECT_TRUE(t.find<COptionUI>("b")->IsSelected());
}

TEST(CheckBox, ActivateTogglesAndRaisesSelectChanged) {
    test::BuiltTree t(R"(<VerticalLayout name="root"><CheckBox name="sync"/></VerticalLayout>)");
    auto* box = t.find<CCheckBoxUI>("sync");
    box->Activate();
    EXPECT_TRUE(box->GetCheck());
    EXPECT_EQ(t.recorder.last.wParam, 1u);
    box->SetCheck(false, false);
    EXPECT_FALSE(box->GetCheck());
    EXPECT_EQ(t.recorder.of("selectchanged").size(), 1u);
}

TEST(Combo, SelectItemWithAndWithoutNotification) {
    test::BuiltTree t(R"(<VerticalLayout name="root">
        <Combo name="mode">
          <ListLabelElement text="Static"/>
          <ListLabelElement text="Breathing"/>
          <ListLabelElement text="Wave"/>
        </Combo>
      </VerticalLayout>)");
    auto* combo = t.find<CComboUI>("mode");
    ASSERT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->GetText(), "");

    EXPECT_TRUE(combo->SelectItem(1, false, false));
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->GetText(), "Breathing");
    EXPECT_TRUE(t.recorder.events.empty());

    EXPECT_TRUE(combo->SelectItem(2));
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"itemselect:mode"}));
    EXPECT_EQ(t.recorder.last.wParam, 2u);
    EXPECT_EQ(t.recorder.last.lParam, 1);
    EXPECT_TRUE(listItemOf(combo->GetItemAt(2))->IsSelected());
    EXPECT_FALSE(listItemOf(combo->GetItemAt(1))->IsSelected());

    // The same row again changes nothing; a row out of range is refused.
    EXPECT_TRUE(combo->SelectItem(2));
    EXPECT_FALSE(combo->SelectItem(7));
    EXPECT_EQ(t.recorder.of("itemselect").size(), 1u);

    // Removing the current row leaves no selection.
    combo->SelectItem(0, false, false);
    combo->RemoveAt(0);
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST(List, RowsSelectByClickKeysAndCodeAndActivate) {
    test::BuiltTree t(R"(<Window size="200,200"><List name="list" itemheight="20">
        <ListLabelElement name="r0" text="zero"/>
        <ListLabelElement name="r1" text="one"/>
        <ListContainerElement name="r2" height="30"><Label name="inner" text="two"/></ListContainerElement>
      </List></Window>)");
    auto* list = t.find<CListUI>("list");
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(t.pm.FindControl("r1")->GetPos(), (UiRect{0, 20, 200, 40}));
    EXPECT_EQ(t.pm.FindControl("r2")->GetPos().height(), 30);

    // A click on a child of a container row selects the row.
    t.pm.ClickControl(t.pm.FindControl("inner"));
    EXPECT_EQ(list->GetCurSel(), 2);
    EXPECT_EQ(t.recorder.of("itemselect"), (std::vector<std::string>{"itemselect:list"}));
    EXPECT_EQ(t.recorder.of("itemclick"), (std::vector<std::string>{"itemclick:r2"}));

    t.pm.DispatchKey(UIEVENT_KEYDOWN, VK_UP_KEY);
    EXPECT_EQ(list->GetCurSel(), 1);
    list->SelectItem(0, false, false);
    EXPECT_EQ(list->GetCurSel(), 0);
    EXPECT_EQ(t.recorder.of("itemselect").size(), 2u);

    t.recorder.events.clear();
    EXPECT_TRUE(list->SelectItemActivate(1));
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"itemselect:list", "itemactivate:r1"}));
}

TEST(List, MultiSelectionWithControlClickTogglesRows) {
    test::BuiltTree t(
        R"(<Window size="200,200"><List name="list" itemheight="20" multiselect="true">
        <ListTextElement name="r0"/><ListTextElement name="r1"/><ListTextElement name="r2"/>
      </List></Window>)");
    auto* list = t.find<CListUI>("list");
    auto click = [&](const char* row, uint32_t keys) {
        UiPoint p = t.pm.FindControl(row)->GetPos().center();
        t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, p, keys);
        t.pm.DispatchMouse(UIEVENT_BUTTONUP, p, keys);
    };
    click("r0", 0);
    click("r2", MK_CONTROL_STATE);
    EXPECT_EQ(list->GetSelectedItems(), (std::vector<int>{0, 2}));
    click("r0", MK_CONTROL_STATE);
    EXPECT_EQ(list->GetSelectedItems(), (std::vector<int>{2}));
    click("r1", 0);
    EXPECT_EQ(list->GetSelectedItems(), (std::vector<int>{1}));
    EXPECT_FALSE(listItemOf(t.pm.FindControl("r2"))->IsSelected());

    auto* row = static_cast<CListTextElementUI*>(t.pm.FindControl("r1"));
    row->SetText(2, "third");
    EXPECT_EQ(row->GetText(2), "third");
    EXPECT_EQ(row->GetText(1), "");
    EXPECT_EQ(row->GetText(5), "");
}

TEST(TabLayout, SelectItemShowsOnePageAndNotifiesOnlyWhenAsked) {
    test::BuiltTree t(R"(<TabLayout name="tabs" selectedid="1">
        <Label name="p0"/><Label name="p1"/><Label name="p2"/>
      </TabLayout>)");
    auto* tabs = t.find<CTabLayoutUI>("tabs");
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_TRUE(t.pm.FindControl("p1")->IsVisible());
    EXPECT_FALSE(t.pm.FindControl("p0")->IsVisible());

    EXPECT_TRUE(tabs->SelectItem(2, false));
    EXPECT_TRUE(t.recorder.events.empty());
    EXPECT_TRUE(tabs->SelectItem(0));
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"tabselect:tabs"}));
    EXPECT_TRUE(t.pm.FindControl("p0")->IsVisible());
    EXPECT_FALSE(t.pm.FindControl("p2")->IsVisible());
    EXPECT_FALSE(tabs->SelectItem(3));
    EXPECT_EQ(tabs->GetCurSel(), 0);
}

TEST(Button, TabBindingSwitchesPagesOnClick) {
    test::BuiltTree t(R"(<Window size="100,100"><VerticalLayout name="root">
        <Button name="toKeys" bindtablayoutname="pages" bindtabindex="1" height="20"/>
        <TabLayout name="pages"><Label/><Label name="keys"/></TabLayout>
      </VerticalLayout></Window>)");
    t.pm.ClickControl(t.pm.FindControl("toKeys"));
    EXPECT_EQ(t.find<CTabLayoutUI>("pages")->GetCurSel(), 1);
    EXPECT_EQ(t.recorder.of("click").size(), 1u);
}

TEST(Button, PressReleasedOutsideDoesNotClick) {
    test::BuiltTree t(R"(<Window size="200,100"><HorizontalLayout name="root">
        <Button name="b" width="50"/><Control name="rest"/></HorizontalLayout></Window>)");
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {10, 10});
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {150, 10});
    EXPECT_EQ(t.pm.FindControl("b")->GetButtonState() & UISTATE_PUSHED, 0u);
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {150, 10});
    EXPECT_TRUE(t.recorder.of("click").empty());
    t.pm.FindControl("b")->SetEnabled(false);
    t.pm.ClickControl(t.pm.FindControl("b"));
    EXPECT_TRUE(t.recorder.of("click").empty());
}

TEST(Slider, DragRaisesMoveValueChangedThenValueChanged) {
    test::BuiltTree t(R"(<Window size="210,20"><HorizontalLayout>
        <Slider name="dpi" min="0" max="100" value="10" thumbsize="10,10"/></HorizontalLayout></Window>)");
    auto* slider = t.find<CSliderUI>("dpi");
    EXPECT_EQ(slider->GetValue(), 10);
    // The thumb centre travels from x=5 to x=205 for 0..100.
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {105, 10});
    EXPECT_EQ(slider->GetValue(), 50);
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {155, 10});
    EXPECT_EQ(slider->GetValue(), 75);
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {400, 10});
    EXPECT_EQ(slider->GetValue(), 100);
    EXPECT_EQ(t.recorder.of("movevaluechanged").size(), 2u);
    EXPECT_EQ(t.recorder.of("valuechanged").size(), 1u);

    // Code sets values silently and within range.
    t.recorder.events.clear();
    slider->SetValue(-5);
    EXPECT_EQ(slider->GetValue(), 0);
    EXPECT_TRUE(t.recorder.events.empty());
    slider->UserChange(30, false);
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"valuechanged:dpi"}));
}

TEST(Progress, ValueStaysInRangeAndFillFollowsIt) {
    test::BuiltTree t(
        R"(<Window size="200,10"><HorizontalLayout><Progress name="p" min="0" max="200"/></HorizontalLayout></Window>)");
    auto* p = t.find<CProgressUI>("p");
    p->SetValue(50);
    EXPECT_EQ(p->GetFillRect(), (UiRect{0, 0, 50, 10}));
    p->SetValue(999);
    EXPECT_EQ(p->GetValue(), 200);
    p->SetMaxValue(100);
    EXPECT_EQ(p->GetValue(), 100);
}

TEST(Edit, TypingIsLimitedAndFocusLossNotifiesWithRangeApplied) {
    test::BuiltTree t(R"(<Window size="200,60"><VerticalLayout name="root">
        <Edit name="dpi" numberonly="true" maxchar="4" minvalue="200" maxvalue="6500"/>
        <Button name="other"/></VerticalLayout></Window>)");
    auto* edit = t.find<CEditUI>("dpi");
    EXPECT_EQ(edit->InputText("12a34567"), "1234");
    EXPECT_EQ(edit->GetText(), "1234");
    EXPECT_EQ(t.recorder.of("textchanged").size(), 1u);
    edit->InputText("1234");  // unchanged: no notification
    EXPECT_EQ(t.recorder.of("textchanged").size(), 1u);

    t.pm.ClickControl(edit);
    edit->InputText("150");
    t.pm.ClickControl(t.pm.FindControl("other"));  // focus moves away
    EXPECT_EQ(t.recorder.of("killfocus"), (std::vector<std::string>{"killfocus:dpi"}));
    EXPECT_EQ(edit->GetText(), "200");

    t.pm.ClickControl(edit);
    t.pm.DispatchKey(UIEVENT_CHAR, '9');
    EXPECT_EQ(edit->GetText(), "2009");
    t.pm.DispatchKey(UIEVENT_KEYDOWN, VK_RETURN_KEY);
    EXPECT_EQ(t.recorder.of("return").size(), 1u);
}

TEST(ColorPalette, PickingRaisesColorChangedWithTheColour) {
    test::BuiltTree t(R"(<Window size="360,120"><VerticalLayout>
        <ColorPalette name="pal" palletheight="100" barheight="14"/></VerticalLayout></Window>)");
    auto* pal = t.find<CColorPaletteUI>("pal");
    pal->SetSelectColor(0xFF00FF00);
    EXPECT_EQ(pal->GetHue(), 120);
    EXPECT_EQ(pal->GetSelectColor(), 0xFF00FF00u);
    EXPECT_TRUE(t.recorder.events.empty());

    // Top-left of the plane: hue 0 at full saturation (brightness unchanged: full).
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {0, 0});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {0, 0});
    EXPECT_EQ(t.recorder.of("colorchanged").size(), 1u);
    EXPECT_EQ(t.recorder.last.wParam, 0xFFFF0000u);
    // Left end of the brightness bar: black.
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {0, 115});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {0, 115});
    EXPECT_EQ(pal->GetSelectColor(), 0xFF000000u);

    pal->PickColor(0xFF123456);
    EXPECT_EQ(t.recorder.last.sType, "colorchanged");
    UiColor c = pal->GetSelectColor();
    EXPECT_NEAR(int((c >> 16) & 0xFF), 0x12, 2);
    EXPECT_NEAR(int(c & 0xFF), 0x56, 2);
}
