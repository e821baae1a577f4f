#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/layouts/Layouts.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

UiRect pos(test::BuiltTree& t, const char* name) {
    return t.pm.FindControl(name)->GetPos();
}

}  // namespace

TEST(Geometry, StretchingChildrenShareTheRestAndTheLastTakesTheRemainder) {
    test::BuiltTree t(R"(<Window size="100,10"><HorizontalLayout>
        <Control name="a"/><Control name="b" width="31"/><Control name="c"/><Control name="d"/>
      </HorizontalLayout></Window>)");
    // 69 left for three: 23, 23, 23.
    EXPECT_EQ(pos(t, "a"), (UiRect{0, 0, 23, 10}));
    EXPECT_EQ(pos(t, "b"), (UiRect{23, 0, 54, 10}));
    EXPECT_EQ(pos(t, "c"), (UiRect{54, 0, 77, 10}));
    EXPECT_EQ(pos(t, "d"), (UiRect{77, 0, 100, 10}));
    t.pm.SetClientSize({101, 10});
    EXPECT_EQ(pos(t, "d"), (UiRect{77, 0, 101, 10}));  // 70 = 23 + 23 + 24
}

TEST(Geometry, MinimumAndMaximumSizesBoundChildren) {
    test::BuiltTree t(R"(<Window size="200,100"><VerticalLayout>
        <Control name="capped" maxheight="20"/>
        <Control name="floor" height="5" minheight="15"/>
        <Control name="rest"/>
        <Control name="narrow" height="10" width="500" maxwidth="120"/>
      </VerticalLayout></Window>)");
    EXPECT_EQ(pos(t, "capped").height(), 20);
    EXPECT_EQ(pos(t, "floor").height(), 15);
    EXPECT_EQ(pos(t, "narrow").width(), 120);
    EXPECT_EQ(pos(t, "rest").bottom, 90);
}

TEST(Geometry, AlignmentOfChildrenThatLeaveSpace) {
    test::BuiltTree t(R"(<Window size="300,100"><VerticalLayout>
        <HorizontalLayout name="row" height="40" childalign="center" childvalign="vcenter" childpadding="10">
          <Control name="a" width="50" height="20"/><Control name="b" width="50" height="20"/>
        </HorizontalLayout>
        <VerticalLayout name="col" childalign="right" childvalign="bottom">
          <Control name="c" width="40" height="10"/>
        </VerticalLayout>
      </VerticalLayout></Window>)");
    EXPECT_EQ(pos(t, "a"), (UiRect{95, 10, 145, 30}));
    EXPECT_EQ(pos(t, "b"), (UiRect{155, 10, 205, 30}));
    EXPECT_EQ(pos(t, "c"), (UiRect{260, 90, 300, 100}));
}

TEST(Geometry, FloatPositionsCountFromAnyEdge) {
    test::BuiltTree t(R"(<Window size="200,100"><Container inset="10,10,10,10">
        <Control name="tl" float="true" pos="5,5,25,15"/>
        <Control name="br" float="true" pos="-30,-20,-10,-5"/>
        <Control name="fill"/>
        <Control name="corner" width="30" height="20"/>
      </Container></Window>)");
    EXPECT_EQ(pos(t, "tl"), (UiRect{5, 5, 25, 15}));
    EXPECT_EQ(pos(t, "br"), (UiRect{170, 80, 190, 95}));
    // A plain container gives each child its inner rectangle, sized by fixed sizes.
    EXPECT_EQ(pos(t, "fill"), (UiRect{10, 10, 190, 90}));
    EXPECT_EQ(pos(t, "corner"), (UiRect{10, 10, 40, 30}));
    // The topmost hit is the last child under the point.
    EXPECT_EQ(t.pm.FindControl(UiPoint{15, 15}), t.pm.FindControl("corner"));
    EXPECT_EQ(t.pm.FindControl(UiPoint{180, 90}), t.pm.FindControl("br"));
}

TEST(Geometry, HiddenChildrenTakeNoSpaceAndComeBack) {
    test::BuiltTree t(R"(<Window size="100,60"><VerticalLayout>
        <Control name="a" height="20"/><Control name="b" height="20"/><Control name="c" height="20"/>
      </VerticalLayout></Window>)");
    t.pm.FindControl("b")->SetVisible(false);
    EXPECT_EQ(pos(t, "c").top, 20);
    EXPECT_EQ(t.pm.FindControl(UiPoint{5, 25}), t.pm.FindControl("c"));
    t.pm.FindControl("b")->SetVisible(true);
    EXPECT_EQ(pos(t, "c").top, 40);
}

TEST(Geometry, ScrollingContainerOffsetsChildrenAndKeepsTheRangeInBounds) {
    test::BuiltTree t(R"(<Window size="100,50"><VerticalLayout name="list" vscrollbar="true">
        <Control name="r0" height="20"/><Control name="r1" height="20"/><Control name="r2" height="20"/>
        <Control name="r3" height="20"/><Control name="r4" height="20"/>
      </VerticalLayout></Window>)");
    auto* list = static_cast<CContainerUI*>(t.pm.FindControl("list"));
    list->GetPos();
    EXPECT_EQ(list->GetScrollRange(), (UiSize{0, 50}));
    EXPECT_EQ(list->GetContentSize().cy, 100);
    list->SetScrollPos({0, 30});
    EXPECT_EQ(pos(t, "r2"), (UiRect{0, 10, 100, 30}));
    list->SetScrollPos({0, 500});
    EXPECT_EQ(list->GetScrollPos().cy, 50);
    list->EnsureVisible(t.pm.FindControl("r0"));
    EXPECT_EQ(list->GetScrollPos().cy, 0);
    // The wheel scrolls by lines.
    t.pm.DispatchMouse(UIEVENT_SCROLLWHEEL, {50, 25}, 0, static_cast<uintptr_t>(-120));
    EXPECT_EQ(list->GetScrollPos().cy, 20);
    // Removing rows shrinks the range and the position follows.
    list->RemoveAt(4);
    list->RemoveAt(3);
    list->GetPos();
    EXPECT_EQ(list->GetScrollRange().cy, 10);
    EXPECT_EQ(list->GetScrollPos().cy, 10);
}

TEST(Geometry, ChildrenOfAContainerThatIgnoresMouseChildrenAreNotHit) {
    test::BuiltTree t(R"(<Window size="100,40"><HorizontalLayout name="tile" mousechild="false">
        <Control name="icon" width="40"/><Control name="label"/></HorizontalLayout></Window>)");
    EXPECT_EQ(t.pm.FindControl(UiPoint{10, 10}), t.pm.FindControl("tile"));
    t.pm.FindControl("tile")->SetMouseEnabled(false);
    EXPECT_EQ(t.pm.FindControl(UiPoint{10, 10}), nullptr);
}

TEST(Geometry, DefaultsStylesAndOwnAttributesApplyInThatOrder) {
    test::BuiltTree t(R"(<Window size="100,100">
        <Default class="Label" textcolor="#FF111111" height="11"/>
        <Style name="big" height="33" textcolor="#FF333333"/>
        <VerticalLayout>
          <Label name="plain"/>
          <Label name="styled" style="big"/>
          <Label name="own" style="big" height="44"/>
          <Label name="before" height="22" style="big"/>
        </VerticalLayout></Window>)");
    EXPECT_EQ(t.pm.FindControl("plain")->GetFixedHeight(), 11);
    EXPECT_EQ(t.pm.FindControl("styled")->GetFixedHeight(), 33);
    EXPECT_EQ(t.pm.FindControl("styled")->GetTextColor(), 0xFF333333u);
    EXPECT_EQ(t.pm.FindControl("own")->GetFixedHeight(), 44);
    EXPECT_EQ(t.pm.FindControl("before")->GetFixedHeight(), 33);  // the later style wins
}

TEST(Geometry, TabPagesFillTheTabAndOnlyTheCurrentOneIsHit) {
    test::BuiltTree t(R"(<Window size="100,100"><TabLayout name="tabs" inset="5,5,5,5">
        <Control name="p0"/><Control name="p1"/></TabLayout></Window>)");
    EXPECT_EQ(pos(t, "p0"), (UiRect{5, 5, 95, 95}));
    EXPECT_EQ(t.pm.FindControl(UiPoint{50, 50}), t.pm.FindControl("p0"));
    static_cast<CTabLayoutUI*>(t.pm.FindControl("tabs"))->SelectItem(1);
    EXPECT_EQ(t.pm.FindControl(UiPoint{50, 50}), t.pm.FindControl("p1"));
    EXPECT_EQ(pos(t, "p1"), (UiRect{5, 5, 95, 95}));
}
