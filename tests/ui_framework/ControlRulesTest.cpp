#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/controls/ColorPalette.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/controls/Progress.h"

using namespace vorn;
using namespace vorn::ui;

TEST(Edit, RangeAppliesOnFocusLossOnlyToDigitEditsWithARange) {
    test::BuiltTree t(R"(<Window size="200,120"><VerticalLayout>
        <Edit name="rate" numberonly="true" minvalue="125" maxvalue="8000"/>
        <Edit name="free" numberonly="true"/>
        <Edit name="words" minvalue="1" maxvalue="5"/>
        <Button name="other"/></VerticalLayout></Window>)");
    auto* rate = t.find<CEditUI>("rate");
    auto* free = t.find<CEditUI>("free");
    auto* words = t.find<CEditUI>("words");
    auto* other = t.pm.FindControl("other");
    auto typeAndLeave = [&](CEditUI* edit, const char* text) {
        t.pm.ClickControl(edit);
        edit->InputText(text);
        t.pm.ClickControl(other);
        return edit->GetText();
    };
    // Twenty digits overflow a long: still the maximum, not a wrapped value.
    EXPECT_EQ(typeAndLeave(rate, "99999999999999999999"), "8000");
    EXPECT_EQ(typeAndLeave(rate, "0"), "125");
    EXPECT_EQ(typeAndLeave(rate, "1000"), "1000");
    EXPECT_EQ(typeAndLeave(rate, ""), "");  // an emptied field stays empty
    // No range (the maximum below the minimum), or not a digits-only edit: left as typed.
    EXPECT_EQ(typeAndLeave(free, "99999"), "99999");
    EXPECT_EQ(typeAndLeave(words, "abc9"), "abc9");
}

TEST(Edit, LimitsCountCharactersAndDisabledEditsIgnoreInput) {
    test::BuiltTree t(R"(<Window size="200,60"><VerticalLayout>
        <Edit name="e"/><Edit name="off" enabled="false" text="kept"/></VerticalLayout></Window>)");
    auto* e = t.find<CEditUI>("e");
    e->InputText("\xC3\xA4\xC3\xB6\xC3\xBC-abc");  // äöü-abc
    e->SetMaxChar(4);                              // shortens the text already there
    EXPECT_EQ(e->GetText(), "\xC3\xA4\xC3\xB6\xC3\xBC-");

    // Backspace takes one whole character, never half of one.
    t.pm.ClickControl(e);
    t.pm.DispatchKey(UIEVENT_CHAR, 0x08);
    t.pm.DispatchKey(UIEVENT_CHAR, 0x08);
    EXPECT_EQ(e->GetText(), "\xC3\xA4\xC3\xB6");
    // Control characters are not typed.
    t.pm.DispatchKey(UIEVENT_CHAR, 0x01);
    EXPECT_EQ(e->GetText(), "\xC3\xA4\xC3\xB6");

    auto* off = t.find<CEditUI>("off");
    t.recorder.events.clear();
    EXPECT_EQ(off->InputText("changed"), "kept");
    EXPECT_TRUE(t.recorder.of("textchanged").empty());
}

TEST(Slider, MoveNotificationsOnlyForRealChangesAndOnlyWhenAskedFor) {
    test::BuiltTree t(R"(<Window size="210,40"><VerticalLayout>
        <Slider name="s" min="0" max="100" thumbsize="10,10" height="20"/>
        <Slider name="quiet" min="0" max="100" thumbsize="10,10" height="20" sendmove="false"/>
      </VerticalLayout></Window>)");
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {105, 10});
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {105, 10});  // same value: no second move
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {105, 10});   // release always reports
    EXPECT_EQ(t.recorder.of("movevaluechanged"), (std::vector<std::string>{"movevaluechanged:s"}));
    EXPECT_EQ(t.recorder.of("valuechanged"), (std::vector<std::string>{"valuechanged:s"}));

    t.recorder.events.clear();
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {55, 30});
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {155, 30});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {155, 30});
    EXPECT_TRUE(t.recorder.of("movevaluechanged").empty());
    EXPECT_EQ(t.recorder.of("valuechanged"), (std::vector<std::string>{"valuechanged:quiet"}));
    EXPECT_EQ(t.find<CSliderUI>("quiet")->GetValue(), 75);
}

TEST(Slider, UserValuesStayInRangeAndFollowTheStep) {
    test::BuiltTree t(R"(<Window size="210,20"><HorizontalLayout>
        <Slider name="s" min="100" max="200" step="10" value="200" thumbsize="10,10"/>
      </HorizontalLayout></Window>)");
    auto* s = t.find<CSliderUI>("s");
    // The thumb centre travels from x=5 to x=205 for 100..200: two pixels a unit.
    EXPECT_EQ(s->ValueAtPoint({13, 10}), 100);  // 104 rounds down to the step
    EXPECT_EQ(s->ValueAtPoint({17, 10}), 110);  // 106 rounds up
    EXPECT_EQ(s->ValueAtPoint({-50, 10}), 100);
    EXPECT_EQ(s->ValueAtPoint({500, 10}), 200);

    // The wheel at the end stays there and still reports the user's choice.
    t.pm.DispatchMouse(UIEVENT_SCROLLWHEEL, {100, 10}, 0, 1);
    EXPECT_EQ(s->GetValue(), 200);
    EXPECT_EQ(t.recorder.of("valuechanged").size(), 1u);
    t.pm.DispatchMouse(UIEVENT_SCROLLWHEEL, {100, 10}, 0, static_cast<uintptr_t>(-1));
    EXPECT_EQ(s->GetValue(), 190);

    // A disabled slider takes no user values and says nothing.
    t.recorder.events.clear();
    s->SetEnabled(false);
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {13, 10});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {13, 10});
    s->UserChange(150, false);
    EXPECT_EQ(s->GetValue(), 190);
    EXPECT_TRUE(t.recorder.of("valuechanged").empty());

    // A range that closes to nothing pins the value and the fill.
    s->SetMinValue(250);
    EXPECT_EQ(s->GetValue(), 250);
    s->SetMaxValue(0);
    EXPECT_EQ(s->GetValue(), 250);
    EXPECT_EQ(s->ValueAtPoint({100, 10}), 250);
    EXPECT_TRUE(s->GetFillRect().isEmpty());
}

TEST(Slider, VerticalSliderCountsFromTheBottom) {
    test::BuiltTree t(R"(<Window size="20,210"><VerticalLayout>
        <Slider name="s" hor="false" min="0" max="100" thumbsize="10,10"/>
      </VerticalLayout></Window>)");
    auto* s = t.find<CSliderUI>("s");
    EXPECT_EQ(s->ValueAtPoint({10, 205}), 0);
    EXPECT_EQ(s->ValueAtPoint({10, 5}), 100);
    s->SetValue(50);
    EXPECT_EQ(s->GetThumbRect(), (UiRect{5, 100, 15, 110}));
    EXPECT_EQ(s->GetFillRect(), (UiRect{0, 105, 20, 210}));
}

TEST(List, SelectItemActivateSelectsThenActivatesOnlySelectableRows) {
    test::BuiltTree t(R"(<Window size="100,100"><VerticalLayout><List name="l">
        <ListLabelElement name="r0" text="a" height="20"/>
        <ListLabelElement name="r1" text="b" height="20" enabled="false"/>
        <ListLabelElement name="r2" text="c" height="20" visible="false"/>
        <ListLabelElement name="r3" text="d" height="20"/>
      </List></VerticalLayout></Window>)");
    auto* list = t.find<CListUI>("l");
    EXPECT_TRUE(list->SelectItemActivate(3));
    EXPECT_EQ(list->GetCurSel(), 3);
    std::vector<std::string> order;
    for (const auto& e : t.recorder.events) {
        if (e.rfind("item", 0) == 0) {
            order.push_back(e);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"itemselect:l", "itemactivate:r3"}));
    EXPECT_EQ(t.recorder.of("itemselect").size(), 1u);

    t.recorder.events.clear();
    EXPECT_FALSE(list->SelectItemActivate(1));   // disabled
    EXPECT_FALSE(list->SelectItemActivate(2));   // hidden
    EXPECT_FALSE(list->SelectItemActivate(99));  // no such row
    EXPECT_FALSE(list->SelectItemActivate(-1));
    EXPECT_TRUE(t.recorder.of("itemactivate").empty());

    // Keys step over rows that cannot be selected.
    list->SelectItem(0, true, false);
    t.pm.DispatchKey(UIEVENT_KEYDOWN, VK_DOWN_KEY);
    EXPECT_EQ(list->GetCurSel(), 3);
    t.pm.DispatchKey(UIEVENT_KEYDOWN, VK_UP_KEY);
    EXPECT_EQ(list->GetCurSel(), 0);
    EXPECT_EQ(t.recorder.last.wParam, 0u);  // itemselect: new row, old row
    EXPECT_EQ(t.recorder.last.lParam, 3);
}

TEST(ColorPalette, SelectedColourKeepsPrimariesAndHueThroughGreys) {
    test::BuiltTree t(R"(<Window size="360,120"><VerticalLayout>
        <ColorPalette name="pal" palletheight="100" barheight="14"/></VerticalLayout></Window>)");
    auto* pal = t.find<CColorPaletteUI>("pal");
    for (UiColor c : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u, 0xFF00FFFFu, 0xFFFF00FFu,
                      0xFFFFFFFFu, 0xFF000000u}) {
        pal->SetSelectColor(c);
        EXPECT_EQ(pal->GetSelectColor(), c) << std::hex << c;
    }
    pal->SetSelectColor(0xFF0000FF);
    EXPECT_EQ(pal->GetHue(), 240);
    pal->SetSelectColor(0xFF808080);  // a grey keeps the hue
    EXPECT_EQ(pal->GetHue(), 240);
    EXPECT_EQ(pal->GetSaturation(), 0);
    pal->SetSelectColor(0xFF000000);  // black keeps hue and saturation
    EXPECT_EQ(pal->GetHue(), 240);
    EXPECT_TRUE(t.recorder.of("colorchanged").empty());

    // What a click reports is what the palette then holds.
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {180, 115});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {180, 115});
    ASSERT_FALSE(t.recorder.of("colorchanged").empty());
    EXPECT_EQ(t.recorder.last.wParam, pal->GetSelectColor());
    EXPECT_EQ(pal->GetSelectColor() >> 24, 0xFFu);
}
