#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingPainter.h"
#include "UiTestSupport.h"
#include "support/TempHome.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/drawing/Markup.h"
#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

using namespace vorn;
using namespace vorn::ui;

TEST(DrawInfo, ImageStringsParseIntoTheirParts) {
    TDrawInfo bare = TDrawInfo::Parse("common/close.png");
    EXPECT_EQ(bare.sImageName, "common/close.png");
    TDrawInfo full = TDrawInfo::Parse(
        "file='power/WIFI_down.png' source='0,0,16,16' dest='2,2,18,18' corner='3,3,3,3' "
        "mask='#FF00FF' fade='128' hole='true' xtiled='true'");
    EXPECT_EQ(full.sImageName, "power/WIFI_down.png");
    EXPECT_EQ(full.rcSource, (UiRect{0, 0, 16, 16}));
    EXPECT_EQ(full.rcDest, (UiRect{2, 2, 18, 18}));
    EXPECT_EQ(full.rcCorner, (UiRect{3, 3, 3, 3}));
    EXPECT_EQ(full.dwMask & 0xFFFFFFu, 0xFF00FFu);
    EXPECT_EQ(full.uFade, 128);
    EXPECT_TRUE(full.bHole);
    EXPECT_TRUE(full.bTiledX);
    EXPECT_FALSE(full.bTiledY);
    EXPECT_EQ(TDrawInfo::Parse("fade='900'").uFade, 255);
}

TEST(DrawInfo, ImageSizesComeFromTheFileHeader) {
    test::TempHome home;
    // A PNG signature and IHDR of 37 x 21.
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x25\0\0\0\x15\x08\x06\0\0\0", 29);
    test::writeBytes(home.root() / "skin" / "a.png", png);
    test::writeBytes(home.root() / "skin" / "b.svg",
                     R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 12"/>)");
    CPaintManagerUI::SetResourcePath((home.root() / "skin").string());
    CPaintManagerUI pm;
    const TImageInfo* a = pm.GetImageEx("a.png");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->nX, 37);
    EXPECT_EQ(a->nY, 21);
    const TImageInfo* b = pm.GetImageEx("b.svg");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->nX, 24);
    EXPECT_EQ(b->nY, 12);
    EXPECT_EQ(pm.GetImageEx("missing.png"), nullptr);
    EXPECT_EQ(pm.GetImageEx("a.png"), a);  // cached
    CPaintManagerUI::SetResourcePath("");
}

TEST(RenderEngine, ImageDestinationsAreScaledAndTintsPassedOn) {
    test::BuiltTree t(R"(<Window size="100,100"><Control name="c"/></Window>)");
    t.pm.SetDPI(144);
    test::RecordingPainter painter;
    UiRect item{10, 10, 70, 40};
    ASSERT_TRUE(CRenderEngine::DrawImageString(painter, &t.pm, item, item,
                                               "file='k.png' dest='2,2,12,12'"));
    EXPECT_EQ(painter.calls.back().substr(0, 20), "image 13,13,28,28 #0");
    ASSERT_TRUE(CRenderEngine::DrawImageString(painter, &t.pm, item, item, "key.png", {},
                                               0xFF00FF00, 200, true));
    EXPECT_EQ(painter.calls.back(), "tinted 10,10,70,40 #FF00FF00 key.png 200");
    // A destination that runs past the control is cut at its edge.
    CRenderEngine::DrawImageString(painter, &t.pm, item, item, "k.png", "dest='0,0,100,100'");
    EXPECT_EQ(painter.calls.back().substr(0, 20), "image 10,10,70,40 #0");
    EXPECT_FALSE(CRenderEngine::DrawImageString(painter, &t.pm, item, item, ""));
    EXPECT_EQ(CRenderEngine::StripHtml("a<b>b</b><n>{c #FF0000}c"), "ab\nc");
}

TEST(Painting, ButtonsPaintTheirStateImagesAndColours) {
    test::BuiltTree t(R"(<Window size="100,40"><HorizontalLayout>
        <Button name="b" text="Go" bkcolor="#FF101010" hotbkcolor="#FF202020" pushedbkcolor="#FF303030"
                normalimage="n.png" hotimage="h.png" pushedimage="p.png" disabledimage="d.png"
                textcolor="#FFAAAAAA" hottextcolor="#FFBBBBBB" disabledtextcolor="#FF555555"/>
      </HorizontalLayout></Window>)");
    auto* b = t.find<CButtonUI>("b");
    auto paint = [&] {
        test::RecordingPainter p;
        b->DoPaint(p, b->GetPos());
        return p;
    };
    test::RecordingPainter normal = paint();
    EXPECT_TRUE(normal.has("fill 0,0,100,40 #FF101010"));
    EXPECT_TRUE(normal.has("n.png"));
    EXPECT_TRUE(normal.has("text 0,0,100,40 #FFAAAAAA 'Go'"));
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {50, 20});
    test::RecordingPainter hot = paint();
    EXPECT_TRUE(hot.has("#FF202020") && hot.has("h.png") && hot.has("#FFBBBBBB 'Go'"));
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {50, 20});
    EXPECT_TRUE(paint().has("p.png"));
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {50, 20});
    b->SetEnabled(false);
    test::RecordingPainter off = paint();
    EXPECT_TRUE(off.has("d.png") && off.has("#FF555555 'Go'"));
}

TEST(Painting, ProgressFillsItsShareAndListRowsShowTheirState) {
    test::BuiltTree t(R"(<Window size="200,100"><VerticalLayout>
        <Progress name="p" height="10" forecolor="#FFE23B4E" value="25"/>
        <Progress name="v" height="40" hor="false" forecolor="#FF00FF00" value="50"/>
        <List name="l" itemselectedbkcolor="#FF3A1E25" itemhotbkcolor="#FF23262D" itemtextcolor="#FFD0D0D0"
              itemselectedtextcolor="#FFFFFFFF">
          <ListLabelElement name="r0" text="zero" height="20"/>
          <ListLabelElement name="r1" text="one" height="20"/>
        </List>
      </VerticalLayout></Window>)");
    t.pm.UpdateLayout();
    test::RecordingPainter p;
    t.find<CProgressUI>("p")->DoPaint(p, {0, 0, 200, 100});
    EXPECT_TRUE(p.has("fill 0,0,50,10 #FFE23B4E"));
    test::RecordingPainter v;
    t.find<CProgressUI>("v")->DoPaint(v, {0, 0, 200, 100});
    EXPECT_TRUE(v.has("fill 0,30,200,50 #FF00FF00"));

    t.find<CListUI>("l")->SelectItem(1);
    test::RecordingPainter rows;
    t.pm.FindControl("r1")->DoPaint(rows, {0, 0, 200, 100});
    EXPECT_TRUE(rows.has("#FF3A1E25"));
    EXPECT_TRUE(rows.has("#FFFFFFFF 'one'"));
    test::RecordingPainter other;
    t.pm.FindControl("r0")->DoPaint(other, {0, 0, 200, 100});
    EXPECT_FALSE(other.has("#FF3A1E25"));
    EXPECT_TRUE(other.has("#FFD0D0D0 'zero'"));
}

TEST(Painting, SliderPicturesPaintBarThenFillThenThumbAndFadeTheFillWhileDisabled) {
    test::BuiltTree t(R"(<Window size="200,40"><VerticalLayout>
        <Slider name="s" height="20" min="0" max="100" value="50" thumbsize="16,16"
                bkimage="bar.png" foreimage="fill.png" thumbimage="thumb.png"/>
      </VerticalLayout></Window>)");
    t.pm.UpdateLayout();
    auto* slider = t.find<CSliderUI>("s");
    const auto images = [&] {
        test::RecordingPainter p;
        slider->DoPaint(p, {0, 0, 200, 40});
        std::vector<std::string> drawn;
        for (const std::string& call : p.calls) {
            if (call.rfind("image", 0) == 0) {
                drawn.push_back(call);
            }
        }
        return drawn;
    };
    // The thumb lies over the filled part: the fill reaches the middle of the thumb.
    EXPECT_EQ(images(), (std::vector<std::string>{"image 0,0,200,20 #00000000 bar.png",
                                                  "image 0,0,100,20 #00000000 fill.png",
                                                  "image 92,2,108,18 #00000000 thumb.png"}));
    slider->SetEnabled(false);
    EXPECT_EQ(images(), (std::vector<std::string>{"image 0,0,200,20 #00000000 bar.png",
                                                  "image 0,0,100,20 #00000000 fill.png fade 80",
                                                  "image 92,2,108,18 #00000000 thumb.png"}));
}

TEST(Painting, FontsFollowTheScale) {
    test::BuiltTree t(R"(<Window size="100,40"><Font id="2" name="Sans" size="18"/>
        <HorizontalLayout><Label name="l" text="x" font="2"/></HorizontalLayout></Window>)");
    t.pm.SetDPI(120);
    t.pm.UpdateLayout();
    test::RecordingPainter p;
    t.pm.FindControl("l")->DoPaint(p, {0, 0, 1000, 1000});
    EXPECT_TRUE(p.has("'x' 23"));  // 18 px at 125 %
}

TEST(Markup, RunsKeepTheirOwnLook) {
    auto runs = parseMarkup("<b>Hot</b> and <c #FFFF0000>red <i>it</i></c><n>{u}next{/u}</x>");
    std::vector<TTextRun> expected(6);
    expected[0].text = "Hot";
    expected[0].bold = true;
    expected[1].text = " and ";
    expected[2].text = "red ";
    expected[2].color = 0xFFFF0000;
    expected[3].text = "it";
    expected[3].color = 0xFFFF0000;
    expected[3].italic = true;
    expected[4].lineBreak = true;  // an empty run ends the line
    expected[5].text = "next";
    expected[5].underline = true;
    EXPECT_EQ(runs, expected);
    // Unbalanced closers change nothing; nested colours return to the outer one.
    auto nested = parseMarkup("</b>a<c #FF00FF00>b<c #FF0000FF>c</c>d</c>e");
    ASSERT_EQ(nested.size(), 5u);
    EXPECT_FALSE(nested[0].bold);
    EXPECT_EQ(nested[1].color, 0xFF00FF00u);
    EXPECT_EQ(nested[2].color, 0xFF0000FFu);
    EXPECT_EQ(nested[3].color, 0xFF00FF00u);
    EXPECT_EQ(nested[4].color, 0u);
    EXPECT_EQ(markupPlainText("a<b>b</b><n>{c #FF0000}c"), "ab\nc");
}

TEST(Markup, PaintedTextDrawsEveryRunInItsOwnLookAndLine) {
    test::BuiltTree t(R"(<Window size="200,60"><HorizontalLayout>
        <Label name="l" showhtml="true" textcolor="#FF808080"
               text="&lt;b&gt;Hot&lt;/b&gt; and &lt;c #FFFF0000&gt;red&lt;/c&gt;&lt;n&gt;next"/>
      </HorizontalLayout></Window>)");
    t.pm.SetClientSize({200, 60});
    t.pm.UpdateLayout();
    test::RecordingPainter painter;
    CControlUI* label = t.pm.FindControl("l");
    label->DoPaint(painter, label->GetPos());
    std::vector<std::string> texts;
    for (const auto& call : painter.calls) {
        if (call.rfind("text", 0) == 0) {
            texts.push_back(call);
        }
    }
    // The recording painter measures 13 px text as 6.5 px per character, 13 px high; the two
    // lines are centred in the 60 px label, left-aligned.
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "text 0,17,19,30 #FF808080 'Hot' 13 bold",
                         "text 19,17,51,30 #FF808080 ' and ' 13",
                         "text 51,17,70,30 #FFFF0000 'red' 13",
                         "text 0,30,26,43 #FF808080 'next' 13",
                     }));
}
