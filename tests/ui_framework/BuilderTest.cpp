#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"
#include "support/TempHome.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/controls/Label.h"
#include "ui/framework/layouts/Layouts.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kPage = R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="400,300" caption="0,0,0,32">
  <Font id="0" name="Sans" size="13" default="true"/>
  <Font id="1" name="Sans" size="18" bold="true"/>
  <Default class="Button" textcolor="#FFEEEEEE" height="30"/>
  <Style name="accent" bkcolor="#FFE03C31" textcolor="#FFFFFFFF"/>
  <VerticalLayout name="root" bkcolor="#FF15161A" inset="10,10,10,10" childpadding="5">
    <Label name="title" text="Pointer" font="1" height="32" userdata="x1"/>
    <HorizontalLayout name="row" height="40">
      <Button name="ok" text="OK" width="100" style="accent"/>
      <Control/>
      <Button name="cancel" text="Cancel" width="80" tooltip="Leave"/>
    </HorizontalLayout>
    <Control name="filler"/>
    <Button name="floaty" float="true" pos="300,5,380,25" visible="false"/>
  </VerticalLayout>
</Window>)";

}  // namespace

TEST(DialogBuilder, LayoutBuildsNamedTreeWithClassesAttributesAndWindowSettings) {
    test::BuiltTree t(kPage);
    ASSERT_NE(t.root, nullptr);
    EXPECT_EQ(t.root->GetName(), "root");
    EXPECT_EQ(t.root->GetClass(), "VerticalLayoutUI");
    EXPECT_EQ(t.root->GetBkColor(), 0xFF15161Au);
    EXPECT_EQ(t.pm.GetInitSize(), (UiSize{400, 300}));
    EXPECT_EQ(t.pm.GetCaptionRect().bottom, 32);
    EXPECT_EQ(t.pm.GetFontInfo(1).iSize, 18);
    EXPECT_TRUE(t.pm.GetFontInfo(1).bBold);
    EXPECT_EQ(t.pm.GetFontInfo(7).iSize, 13);  // unknown ids use the default font

    auto* title = t.find<CLabelUI>("title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetText(), "Pointer");
    EXPECT_EQ(title->GetFont(), 1);
    EXPECT_EQ(title->GetUserData(), "x1");

    auto* ok = t.find<CButtonUI>("ok");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetClass(), "ButtonUI");
    EXPECT_EQ(ok->GetBkColor(), 0xFFE03C31u);    // from the style
    EXPECT_EQ(ok->GetTextColor(), 0xFFFFFFFFu);  // the style overrides the class default
    EXPECT_EQ(ok->GetFixedHeight(), 30);         // class default
    EXPECT_EQ(t.find<CButtonUI>("cancel")->GetTextColor(), 0xFFEEEEEEu);
    EXPECT_EQ(t.find<CButtonUI>("cancel")->GetToolTip(), "Leave");
    EXPECT_FALSE(t.pm.FindControl("floaty")->IsVisible());
    EXPECT_EQ(static_cast<CContainerUI*>(t.pm.FindControl("row"))->GetCount(), 3);
}

TEST(DialogBuilder, GeometryFollowsSizesPaddingInsetAndFloat) {
    test::BuiltTree t(kPage);
    t.pm.FindControl("floaty")->SetVisible(true);
    // Inner width 380 (400 - 2*10); rows stacked with 5 between them.
    EXPECT_EQ(t.pm.FindControl("title")->GetPos(), (UiRect{10, 10, 390, 42}));
    EXPECT_EQ(t.pm.FindControl("row")->GetPos(), (UiRect{10, 47, 390, 87}));
    // Fixed widths 100 and 80, the unnamed control stretches over the rest (200).
    EXPECT_EQ(t.pm.FindControl("ok")->GetPos(), (UiRect{10, 47, 110, 77}));
    EXPECT_EQ(t.pm.FindControl("cancel")->GetPos(), (UiRect{310, 47, 390, 77}));
    // The stretching filler takes what is left: 300 - 10 - 87 - 5 = 198.
    EXPECT_EQ(t.pm.FindControl("filler")->GetPos(), (UiRect{10, 92, 390, 290}));
    // Float: relative to the container, by pos.
    EXPECT_EQ(t.pm.FindControl("floaty")->GetPos(), (UiRect{300, 5, 380, 25}));
    // Hit testing sees the same geometry.
    EXPECT_EQ(t.pm.FindControl(UiPoint{50, 60}), t.pm.FindControl("ok"));
    EXPECT_EQ(t.pm.FindControl(UiPoint{310, 10}), t.pm.FindControl("floaty"));
}

TEST(DialogBuilder, DpiScalesGeometryAndWindowSize) {
    test::BuiltTree t(kPage);
    t.pm.SetClientSize(t.pm.GetInitSize());
    t.pm.SetDPI(144);
    EXPECT_EQ(t.pm.GetDPIObj()->GetScale(), 150);
    EXPECT_EQ(t.pm.GetClientSize(), (UiSize{600, 450}));
    EXPECT_EQ(t.pm.FindControl("ok")->GetPos(), (UiRect{15, 71, 165, 116}));
    t.pm.SetDPI(96);
    EXPECT_EQ(t.pm.GetClientSize(), (UiSize{400, 300}));
    EXPECT_EQ(t.pm.FindControl("ok")->GetPos(), (UiRect{10, 47, 110, 77}));
}

namespace {

class CountingCallback : public IDialogBuilderCallback {
  public:
    CControlUI* CreateControl(std::string_view className) override {
        asked.emplace_back(className);
        if (platform::equalsIgnoreCase(className, "KeyButton")) {
            auto* c = new CButtonUI;
            c->SetUserData("from-callback");
            return c;
        }
        return nullptr;
    }
    std::vector<std::string> asked;
};

}  // namespace

TEST(DialogBuilder, UnknownClassesGoToCallbackThenFactoryWithoutRegardToCase) {
    CControlFactory::GetInstance().RegistControl("PowerPanel", [] {
        auto* c = new CHorizontalLayoutUI;
        c->SetUserData("from-factory");
        return c;
    });
    CountingCallback callback;
    platform::DebugCapture debug;
    test::BuiltTree t(R"(<VerticalLayout name="root">
        <keybutton name="a"/>
        <POWERPANEL name="b"><Label name="inner"/></POWERPANEL>
        <Nonsense name="c"><Label name="lost"/></Nonsense>
        <BUTTON name="d"/>
      </VerticalLayout>)",
                      &callback);
    ASSERT_NE(t.root, nullptr);
    EXPECT_EQ(t.pm.FindControl("a")->GetUserData(), "from-callback");
    EXPECT_EQ(t.pm.FindControl("b")->GetUserData(), "from-factory");
    EXPECT_EQ(t.pm.FindControl("b")->GetClass(), "HorizontalLayoutUI");
    EXPECT_NE(t.pm.FindControl("inner"), nullptr);
    EXPECT_EQ(t.pm.FindControl("c"), nullptr);
    EXPECT_EQ(t.pm.FindControl("lost"), nullptr);
    EXPECT_EQ(t.pm.FindControl("d")->GetClass(), "ButtonUI");  // built-in, any case
    // The callback is asked only for names the framework does not know, first.
    EXPECT_EQ(callback.asked, (std::vector<std::string>{"keybutton", "POWERPANEL", "Nonsense"}));
    EXPECT_TRUE(debug.contains("Nonsense"));
    CControlFactory::GetInstance().UnregistControl("powerpanel");
}

TEST(DialogBuilder, FindControlAndFindSubControlByName) {
    test::BuiltTree t(R"(<VerticalLayout name="root">
        <HorizontalLayout name="pageA"><Label name="value"/></HorizontalLayout>
        <HorizontalLayout name="pageB"><Label name="value" text="b"/></HorizontalLayout>
      </VerticalLayout>)");
    CControlUI* pageB = t.pm.FindControl("pageB");
    CControlUI* inB = t.pm.FindSubControlByName(pageB, "value");
    ASSERT_NE(inB, nullptr);
    EXPECT_EQ(inB->GetText(), "b");
    EXPECT_EQ(t.pm.FindControl("value"),
              t.pm.FindSubControlByName(t.pm.FindControl("pageA"), "value"));
    EXPECT_EQ(t.pm.FindSubControlByName(pageB, "pageB"), pageB);  // the parent itself counts
    EXPECT_EQ(t.pm.FindSubControlByName(pageB, "missing"), nullptr);
    EXPECT_EQ(t.pm.FindControl("missing"), nullptr);

    // Removing a subtree unregisters its names; renaming re-registers.
    auto* root = static_cast<CContainerUI*>(t.root);
    root->Remove(t.pm.FindControl("pageA"));
    EXPECT_EQ(t.pm.FindControl("value"), inB);
    inB->SetName("renamed");
    EXPECT_EQ(t.pm.FindControl("value"), nullptr);
    EXPECT_EQ(t.pm.FindControl("renamed"), inB);
}

TEST(DialogBuilder, IncludeRepeatsAnotherLayoutFile) {
    test::TempHome home;
    test::writeBytes(home.root() / "skin" / "row.xml",
                     R"(<HorizontalLayout height="20"><Label name="cell"/></HorizontalLayout>)");
    CPaintManagerUI::SetResourcePath((home.root() / "skin").string());
    test::BuiltTree t(
        R"(<VerticalLayout name="root"><Include source="row.xml" count="3"/></VerticalLayout>)");
    auto* root = static_cast<CContainerUI*>(t.root);
    ASSERT_EQ(root->GetCount(), 3);
    EXPECT_EQ(root->GetItemAt(2)->GetPos().top, 40);
    EXPECT_EQ(t.pm.FindSubControlsByClass(root, "LabelUI").size(), 3u);
    CPaintManagerUI::SetResourcePath("");
}

TEST(DialogBuilder, MissingOrMalformedLayoutYieldsNothingAndSaysWhy) {
    CDialogBuilder builder;
    CPaintManagerUI pm;
    EXPECT_EQ(builder.Create("/nonexistent/layout.xml", {}, nullptr, &pm), nullptr);
    EXPECT_NE(builder.GetLastErrorMessage().find("layout.xml"), std::string::npos);
    EXPECT_EQ(builder.Create("<VerticalLayout><Label></VerticalLayout>", {}, nullptr, &pm),
              nullptr);
    EXPECT_FALSE(builder.GetLastErrorMessage().empty());
}
