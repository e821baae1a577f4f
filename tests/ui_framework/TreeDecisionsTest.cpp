// What the tree decides for every realisation: which controls paint themselves, which
// presses move the window, the slider's page step, the pointer shape and the messages of the
// desktop reaching every window.

#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/controls/ScrollBar.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/layouts/Container.h"
#include "ui/framework/windows/WindowImplBase.h"

using namespace vorn;
using namespace vorn::ui;

TEST(TreeDecisions, NativeOrSelfDrawnFollowsTheControlsLook) {
    test::BuiltTree t(R"(<Window size="400,300"><VerticalLayout name="root">
        <Label name="label"/>
        <Button name="plain"/>
        <Button name="imaged" normalimage="common/close.png"/>
        <CheckBox name="check"/>
        <Option name="imaged_option" selectedimage="common/close.png"/>
        <Edit name="edit"/><RichEdit name="rich"/>
        <Progress name="bar"/><Progress name="imaged_bar" foreimage="common/close.png"/>
        <Slider name="slider"/><Slider name="imaged_slider" thumbimage="common/close.png"/>
        <Combo name="combo"/>
        <ColorPalette name="palette"/>
        <Control name="plain_control"/>
        <List name="list"><ListHeader><ListHeaderItem name="column" text="A"/></ListHeader>
          <ListLabelElement name="row" text="r"/></List>
      </VerticalLayout></Window>)");
    for (const char* native :
         {"label", "plain", "check", "edit", "rich", "bar", "slider", "combo", "list"}) {
        EXPECT_FALSE(t.pm.FindControl(native)->IsSelfDrawn()) << native;
    }
    for (const char* painted : {"imaged", "imaged_option", "imaged_bar", "imaged_slider", "palette",
                                "plain_control", "column", "row"}) {
        EXPECT_TRUE(t.pm.FindControl(painted)->IsSelfDrawn()) << painted;
    }
}

TEST(TreeDecisions, CaptionDragsOnlyOutsideActiveControlsAndItsRightMargin) {
    test::BuiltTree t(R"(<Window size="400,300" caption="0,0,60,40">
      <VerticalLayout name="root">
        <HorizontalLayout height="40">
          <Label name="title" text="Title" width="100"/>
          <Button name="help" width="40"/>
          <Edit name="search" width="80"/>
          <Control name="gap"/>
          <Button name="closebtn" width="40"/>
        </HorizontalLayout>
        <Label name="below"/>
      </VerticalLayout></Window>)");
    t.pm.SetClientSize({400, 300});
    t.pm.UpdateLayout();
    EXPECT_TRUE(t.pm.IsCaptionDragPoint({10, 10}));    // on the title label
    EXPECT_FALSE(t.pm.IsCaptionDragPoint({110, 10}));  // on a button
    EXPECT_FALSE(t.pm.IsCaptionDragPoint({150, 10}));  // on an edit
    EXPECT_TRUE(t.pm.IsCaptionDragPoint({300, 10}));   // on an inert control
    EXPECT_FALSE(t.pm.IsCaptionDragPoint({345, 10}));  // the right margin is not caption
    EXPECT_FALSE(t.pm.IsCaptionDragPoint({10, 50}));   // below the caption

    // At 150 % the caption grows with the window.
    t.pm.SetDPI(144);
    t.pm.SetClientSize({600, 450});
    t.pm.UpdateLayout();
    EXPECT_TRUE(t.pm.IsCaptionDragPoint({10, 55}));
    EXPECT_FALSE(t.pm.IsCaptionDragPoint({10, 65}));
}

TEST(TreeDecisions, SliderPageStepIsATenthOfTheRangeButAtLeastOneStep) {
    test::BuiltTree t(R"(<Window><VerticalLayout>
        <Slider name="wide" min="0" max="100"/>
        <Slider name="coarse" min="0" max="100" step="25"/>
        <Slider name="short" min="3" max="8"/>
        <Slider name="offset" min="200" max="12000" step="50"/>
      </VerticalLayout></Window>)");
    EXPECT_EQ(t.find<CSliderUI>("wide")->GetPageStep(), 10);
    EXPECT_EQ(t.find<CSliderUI>("coarse")->GetPageStep(), 25);
    EXPECT_EQ(t.find<CSliderUI>("short")->GetPageStep(), 1);
    EXPECT_EQ(t.find<CSliderUI>("offset")->GetPageStep(), 1180);
}

TEST(TreeDecisions, CursorAttributeOverridesTheClassShape) {
    test::BuiltTree t(R"(<Window><VerticalLayout>
        <Label name="label"/><Label name="link" cursor="hand"/>
        <Button name="button"/><Button name="busy" cursor="wait"/>
        <Edit name="edit"/><Slider name="slider"/>
        <Control name="splitter" cursor="sizewe"/><Label name="typo" cursor="finger"/>
      </VerticalLayout></Window>)");
    EXPECT_EQ(t.pm.FindControl("label")->GetCursor(), UiCursor::Arrow);
    EXPECT_EQ(t.pm.FindControl("link")->GetCursor(), UiCursor::Hand);
    EXPECT_EQ(t.pm.FindControl("button")->GetCursor(), UiCursor::Hand);
    EXPECT_EQ(t.pm.FindControl("busy")->GetCursor(), UiCursor::Wait);
    EXPECT_EQ(t.pm.FindControl("edit")->GetCursor(), UiCursor::IBeam);
    EXPECT_EQ(t.pm.FindControl("slider")->GetCursor(), UiCursor::Hand);
    EXPECT_EQ(t.pm.FindControl("splitter")->GetCursor(), UiCursor::SizeWE);
    EXPECT_EQ(t.pm.FindControl("typo")->GetCursor(), UiCursor::Arrow);  // unknown: unchanged
}

namespace {

class RecordingWindow final : public WindowImplBase {
  public:
    std::string GetWindowClassName() const override { return "RecordingWnd"; }
    std::string GetSkinFile() const override {
        return "<Window size='200,100'><Control/></Window>";
    }
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override {
        if (message == WM_DISPLAYCHANGE) {
            seen.push_back({message, wParam, lParam});
        }
        return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
    }
    std::vector<platform::Message> seen;
};

}  // namespace

TEST(TreeDecisions, DesktopMessagesReachEveryWindow) {
    ScopedManualUiLoop ui;
    RecordingWindow a;
    RecordingWindow b;
    RecordingWindow gone;
    a.Create(nullptr, "a", WS_POPUP | WS_VISIBLE, 0);
    b.Create(nullptr, "b", WS_POPUP, 0);  // hidden windows hear it too
    gone.Create(nullptr, "gone", WS_POPUP, 0);
    gone.DestroyWindow();
    EXPECT_EQ(CWindowWnd::PostToAllWindows(WM_DISPLAYCHANGE, 32, makeLParam(2560, 1440)), 2);
    EXPECT_TRUE(a.seen.empty());  // posted, not sent
    ui.loop().runPending();
    for (RecordingWindow* w : {&a, &b}) {
        ASSERT_EQ(w->seen.size(), 1u);
        EXPECT_EQ(w->seen[0].wParam, 32u);
        EXPECT_EQ(loWord(static_cast<uintptr_t>(w->seen[0].lParam)), 2560);
        EXPECT_EQ(hiWord(static_cast<uintptr_t>(w->seen[0].lParam)), 1440);
    }
    EXPECT_TRUE(gone.seen.empty());
}

TEST(TreeDecisions, TheLookOfNativeWidgetsComesFromTheSkin) {
    test::BuiltTree t(R"(<Window size="300,200">
      <Default class="ScrollBar" thumbcolor="#A0010203" thumbhotcolor="#C0040506"/>
      <Default class="CheckBox" indicatorbkcolor="#FF0A0B0C" checkimage="common/check.svg"/>
      <VerticalLayout name="root" vscrollbar="true">
        <CheckBox name="check" indicatorbordercolor="#FF111213"/>
        <Slider name="slider" thumbcolor="#FF212223" thumbhotcolor="#FF313233"
                disabledforecolor="#FF414243"/>
        <Combo name="combo" arrowimage="common/arrow_down.svg" hotbordercolor="#FF515253"
               dropbordercolor="#FF616263"/>
        <Combo name="bare"/>
      </VerticalLayout></Window>)");
    auto* check = t.find<CCheckBoxUI>("check");
    EXPECT_EQ(check->GetIndicatorBkColor(), 0xFF0A0B0Cu);  // from the class default
    EXPECT_EQ(check->GetIndicatorBorderColor(), 0xFF111213u);
    EXPECT_EQ(check->GetCheckImage(), "common/check.svg");
    auto* slider = t.find<CSliderUI>("slider");
    EXPECT_EQ(slider->GetThumbColor(), 0xFF212223u);
    EXPECT_EQ(slider->GetThumbHotColor(), 0xFF313233u);
    EXPECT_EQ(slider->GetDisabledForeColor(), 0xFF414243u);
    auto* combo = t.find<CComboUI>("combo");
    EXPECT_EQ(combo->GetArrowImage(), "common/arrow_down.svg");
    EXPECT_EQ(combo->GetHotBorderColor(), 0xFF515253u);
    EXPECT_EQ(combo->GetDropBorderColor(), 0xFF616263u);
    EXPECT_EQ(t.find<CComboUI>("bare")->GetArrowImage(), "");  // nothing the skin did not say
    CScrollBarUI* bar = t.find<CContainerUI>("root")->GetVerticalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetThumbColor(), 0xA0010203u);
    EXPECT_EQ(bar->GetThumbHotColor(), 0xC0040506u);
}
