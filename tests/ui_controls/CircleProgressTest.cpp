#include <gtest/gtest.h>

#include "ui/controls/CircleProgressUI.h"
#include "ui_controls/ControlsTestSupport.h"
#include "ui_framework/RecordingPainter.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kRing = R"(<Window size="200,200">
  <HorizontalLayout>
    <CircleProgress name="ring" width="100" height="80" min="0" max="200" value="50"
        bkcolor="#FF202020" forecolor="#FFE23B4E" foreimage="never.png" text="25%"/>
  </HorizontalLayout>
</Window>)";

struct RingTree : test::CustomTree {
    RingTree() : CustomTree(kRing) {}
    CCircleProgressUI* ring() { return find<CCircleProgressUI>("ring"); }
    std::vector<std::string> paint() {
        test::RecordingPainter p;
        ring()->GetPos();  // lays the window out
        ring()->PaintBkColor(p);
        ring()->PaintForeColor(p);
        ring()->PaintForeImage(p);
        return p.calls;
    }
};

}  // namespace

TEST(CircleProgress, DrawsTheBackgroundDiscTheValueArcAndTheWhiteCentre) {
    RingTree t;
    ASSERT_NE(t.ring(), nullptr);
    EXPECT_EQ(t.ring()->GetClass(), "CircleProgress");
    EXPECT_NE(t.ring()->GetInterface("Progress"), nullptr);
    EXPECT_EQ(t.paint(), (std::vector<std::string>{
                             "pie 0,0,100,80 #FF202020 0+360",
                             "pie 0,0,100,80 #FFE23B4E 90+90",
                             "ellipse 10,10,90,70 #FFFFFFFF",
                         }));
}

TEST(CircleProgress, SweepIsTruncatedToWholeDegrees) {
    RingTree t;
    t.ring()->SetMaxValue(7);
    t.ring()->SetValue(1);  // 51.43 degrees
    EXPECT_EQ(t.ring()->sweepDegrees(), 51);
    t.ring()->SetValue(6);  // 308.57
    EXPECT_EQ(t.ring()->sweepDegrees(), 308);
}

TEST(CircleProgress, ValueZeroDrawsNoArcAndTheWholeRangeAFullRing) {
    RingTree t;
    t.ring()->SetValue(0);
    EXPECT_EQ(t.paint(), (std::vector<std::string>{"pie 0,0,100,80 #FF202020 0+360",
                                                   "ellipse 10,10,90,70 #FFFFFFFF"}));
    t.ring()->SetValue(200);
    EXPECT_EQ(t.paint()[1], "pie 0,0,100,80 #FFE23B4E 90+360");
}

TEST(CircleProgress, AnEmptyRangeDrawsNoArcAndNoRangeGoesBeyondAFullTurn) {
    RingTree t;
    t.ring()->SetMinValue(200);
    EXPECT_EQ(t.ring()->sweepDegrees(), 0);
    // A range starting above zero measures the value itself against the range.
    t.ring()->SetMinValue(100);
    t.ring()->SetValue(150);
    EXPECT_EQ(t.ring()->sweepDegrees(), 360);
}

TEST(CircleProgress, TheLabelTextIsStillDrawn) {
    RingTree t;
    test::RecordingPainter p;
    t.ring()->DoPaint(p, t.ring()->GetPos());
    EXPECT_TRUE(p.has("text"));
    EXPECT_TRUE(p.has("'25%'"));
    EXPECT_FALSE(p.has("never.png"));
}
