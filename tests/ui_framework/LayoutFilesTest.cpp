#include <gtest/gtest.h>

#include <string>

#include "UiTestSupport.h"
#include "support/TempHome.h"
#include "ui/framework/layouts/Layouts.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

// Points the resource folder at a temporary skin folder for one test.
struct SkinFolder {
    SkinFolder() { CPaintManagerUI::SetResourcePath((home.root() / "skin").string()); }
    ~SkinFolder() { CPaintManagerUI::SetResourcePath(""); }
    void write(const std::string& name, const std::string& text) {
        test::writeBytes(home.root() / "skin" / name, text);
    }
    test::TempHome home;
};

UiRect pos(test::BuiltTree& t, const char* name) {
    return t.pm.FindControl(name)->GetPos();
}

}  // namespace

TEST(LayoutGeometry, PaddingInsetAndFloatPositionsScaleWithTheDpi) {
    test::BuiltTree t(R"(<Window size="200,100"><VerticalLayout inset="4,4,4,4">
        <Control name="a" height="20" padding="6,2,6,0"/>
        <Control name="f" float="true" pos="10,50,40,60"/>
        <Control name="r" float="true" pos="-30,-20,-10,-5"/>
      </VerticalLayout></Window>)");
    t.pm.SetClientSize(t.pm.GetInitSize());
    EXPECT_EQ(pos(t, "a"), (UiRect{10, 6, 190, 26}));
    EXPECT_EQ(pos(t, "f"), (UiRect{10, 50, 40, 60}));
    EXPECT_EQ(pos(t, "r"), (UiRect{170, 80, 190, 95}));
    t.pm.SetDPI(192);
    EXPECT_EQ(t.pm.GetClientSize(), (UiSize{400, 200}));
    EXPECT_EQ(pos(t, "a"), (UiRect{20, 12, 380, 52}));
    EXPECT_EQ(pos(t, "f"), (UiRect{20, 100, 80, 120}));
    EXPECT_EQ(pos(t, "r"), (UiRect{340, 160, 380, 190}));
    t.pm.SetDPI(96);
    EXPECT_EQ(pos(t, "a"), (UiRect{10, 6, 190, 26}));
    EXPECT_EQ(pos(t, "r"), (UiRect{170, 80, 190, 95}));
}

TEST(LayoutFiles, IncludeSitsAmongSiblingsAndAMissingOneLeavesTheRest) {
    SkinFolder skin;
    skin.write("cell.xml", R"(<Label name="cell" width="30"/>)");
    test::BuiltTree t(R"(<Window size="100,20"><HorizontalLayout name="row">
        <Control name="before" width="10"/>
        <Include source="cell.xml" count="2"/>
        <Include source="nowhere.xml"/>
        <Control name="after"/>
      </HorizontalLayout></Window>)");
    auto* row = dynamic_cast<CContainerUI*>(t.pm.FindControl("row"));
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->GetCount(), 4);
    EXPECT_EQ(row->GetItemAt(1)->GetPos(), (UiRect{10, 0, 40, 20}));
    EXPECT_EQ(row->GetItemAt(2)->GetPos(), (UiRect{40, 0, 70, 20}));
    EXPECT_EQ(pos(t, "after"), (UiRect{70, 0, 100, 20}));
}

TEST(LayoutFiles, LayoutsIncludingThemselvesAreRefusedNotRepeatedForever) {
    SkinFolder skin;
    // Three copies of itself per level would be 3^16 copies before the depth limit.
    skin.write(
        "self.xml",
        R"(<VerticalLayout><Label/><Include source="self.xml" count="3"/></VerticalLayout>)");
    skin.write("ping.xml",
               R"(<VerticalLayout><Include source="pong.xml" count="3"/></VerticalLayout>)");
    skin.write("pong.xml",
               R"(<VerticalLayout><Include source="ping" count="3"/></VerticalLayout>)");

    CDialogBuilder builder;
    CPaintManagerUI pm;
    CControlUI* self = builder.Create("self.xml", {}, nullptr, &pm);
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(static_cast<CContainerUI*>(self)->GetCount(), 1);
    EXPECT_NE(builder.GetLastErrorMessage().find("self.xml"), std::string::npos);
    delete self;

    CControlUI* ping = builder.Create("ping.xml", {}, nullptr, &pm);
    ASSERT_NE(ping, nullptr);
    // ping holds three pong copies; each pong refuses to include ping again.
    ASSERT_EQ(static_cast<CContainerUI*>(ping)->GetCount(), 3);
    EXPECT_EQ(
        static_cast<CContainerUI*>(static_cast<CContainerUI*>(ping)->GetItemAt(0))->GetCount(), 0);
    delete ping;
}

TEST(LayoutFiles, MalformedLayoutsFailCleanly) {
    CDialogBuilder builder;
    CPaintManagerUI pm;
    for (const char* bad : {"", "   ", "<", "<Window size=\"10,10\"/>", "<NoSuchControl/>",
                            "<VerticalLayout><Label></Label>", "<!-- only a comment -->"}) {
        EXPECT_EQ(builder.Create(bad, {}, nullptr, &pm), nullptr) << bad;
        EXPECT_FALSE(builder.GetLastErrorMessage().empty()) << bad;
    }

    // Values that do not parse read as zero; the rest of the layout is built.
    test::BuiltTree t(R"(<Window size="abc,"><VerticalLayout width="wide" inset=",,x">
        <Label name="l" padding="1,,," bkcolor="#zz" height="-5" pos="a,b"/>
        <Control name="c" height="10"/></VerticalLayout></Window>)");
    ASSERT_NE(t.root, nullptr);
    ASSERT_NE(t.pm.FindControl("c"), nullptr);
    EXPECT_EQ(t.pm.FindControl("l")->GetBkColor(), 0u);
    t.pm.SetClientSize({50, 50});
    EXPECT_EQ(pos(t, "c").height(), 10);
}

TEST(LayoutFiles, DeeplyNestedLayoutFailsInsteadOfExhaustingTheStack) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) {
        deep += "<Container>";
    }
    for (int i = 0; i < 100000; ++i) {
        deep += "</Container>";
    }
    CDialogBuilder builder;
    CPaintManagerUI pm;
    CControlUI* built = builder.Create(deep, {}, nullptr, &pm);
    EXPECT_EQ(built, nullptr);
    EXPECT_FALSE(builder.GetLastErrorMessage().empty());
    delete built;
}
