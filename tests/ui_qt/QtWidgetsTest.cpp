#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "QtTestSupport.h"
#include "support/TempHome.h"
#include "ui/framework/controls/ColorPalette.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/qt/QtPainter.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/TreeRealiser.h"

using namespace vorn;
using namespace vorn::ui;
using namespace vorn::ui::qt;

namespace {

// A 10 x 10 image: red border of 3 pixels around a blue middle.
std::string writeFrameImage(const test::TempHome& home) {
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 3; y < 7; ++y) {
        for (int x = 3; x < 7; ++x) {
            image.setPixelColor(x, y, QColor(0, 0, 255));
        }
    }
    std::string path = (home.root() / "frame.png").string();
    image.save(QString::fromStdString(path));
    return path;
}

QImage paintWith(const std::function<void(QtPainter&)>& draw, QSize size = {30, 30}) {
    QImage target(size, QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    QPainter p(&target);
    QtPainter painter(p);
    draw(painter);
    return target;
}

class ListWindow final : public WindowImplBase {
  public:
    std::string GetWindowClassName() const override { return "ListWnd"; }
    std::string GetSkinFile() const override {
        return R"(<Window size="200,160"><HorizontalLayout name="root">
            <List name="list" width="100" itemheight="20">
              <ListLabelElement name="r0" text="0"/><ListLabelElement name="r1" text="1"/>
              <ListLabelElement name="r2" text="2"/><ListLabelElement name="r3" text="3"/>
              <ListLabelElement name="r4" text="4"/><ListLabelElement name="r5" text="5"/>
              <ListLabelElement name="r6" text="6"/><ListLabelElement name="r7" text="7"/>
              <ListLabelElement name="r8" text="8"/><ListLabelElement name="r9" text="9"/>
            </List>
            <VerticalLayout>
              <ColorPalette name="pal" height="120" barheight="14"/>
              <Label name="html" showhtml="true" text="a &lt;b&gt;bold&lt;/b&gt; word"/>
            </VerticalLayout>
          </HorizontalLayout></Window>)";
    }
};

class QtWidgetsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::qtApp();
        ui_ = std::make_unique<QtUi>("/nonexistent/");
        window_ = std::make_unique<ListWindow>();
        ASSERT_TRUE(window_->Create(nullptr, "list", WS_POPUP, 0));
        window_->GetPaintManager().AddNotifier(&events_);
        window_->ShowWindow(true);
        settle();
        top_ = ui_->windows().widgetOf(window_.get());
        events_.events.clear();
    }
    void TearDown() override {
        window_->DestroyWindow();
        window_.reset();
        settle();
    }
    void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    QWidget* widget(const char* name) {
        return top_->realiser()->widgetFor(window_->GetPaintManager().FindControl(name));
    }
    std::unique_ptr<QtUi> ui_;
    std::unique_ptr<ListWindow> window_;
    RealisedWindow* top_ = nullptr;
    test::QtNotifyRecorder events_;
};

}  // namespace

TEST(QtPainter, NinePatchKeepsCornersAndHoleLeavesTheMiddleEmpty) {
    test::qtApp();
    test::TempHome home;
    std::string path = writeFrameImage(home);
    TDrawInfo info;
    info.rcCorner = {3, 3, 3, 3};
    QImage out = paintWith([&](QtPainter& p) {
        ASSERT_TRUE(p.drawImage(path, {0, 0, 30, 30}, info));
    });
    EXPECT_EQ(out.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_EQ(out.pixelColor(28, 28), QColor(255, 0, 0));
    EXPECT_EQ(out.pixelColor(4, 15), QColor(0, 0, 255));  // the middle stretches, not the border
    EXPECT_EQ(out.pixelColor(15, 15), QColor(0, 0, 255));
    info.bHole = true;
    QImage holed = paintWith([&](QtPainter& p) { p.drawImage(path, {0, 0, 30, 30}, info); });
    EXPECT_EQ(holed.pixelColor(15, 15).alpha(), 0);
    EXPECT_EQ(holed.pixelColor(1, 15), QColor(255, 0, 0));
}

TEST(QtPainter, SourceWindowAndFadeSelectAndDimThePicture) {
    test::qtApp();
    test::TempHome home;
    std::string path = writeFrameImage(home);
    TDrawInfo info;
    info.rcSource = {4, 4, 6, 6};  // blue only
    QImage out = paintWith([&](QtPainter& p) { p.drawImage(path, {0, 0, 30, 30}, info); });
    EXPECT_EQ(out.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(out.pixelColor(29, 29), QColor(0, 0, 255));
    TDrawInfo faded;
    faded.uFade = 128;
    QImage dim = paintWith([&](QtPainter& p) { p.drawImage(path, {0, 0, 30, 30}, faded); });
    EXPECT_NEAR(dim.pixelColor(1, 1).alpha(), 128, 2);
}

TEST_F(QtWidgetsTest, ScrollingWorksFromTheWidgetAndFromTheTree) {
    auto* list = static_cast<CListUI*>(window_->GetPaintManager().FindControl("list"));
    auto* area = widget("list")->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 40);  // 200 of rows in 160
    area->verticalScrollBar()->setValue(25);
    EXPECT_EQ(list->GetList()->GetScrollPos().cy, 25);
    list->GetList()->SetScrollPos({0, 10});
    settle();
    EXPECT_EQ(area->verticalScrollBar()->value(), 10);
    EXPECT_EQ(window_->GetPaintManager().FindControl("r0")->GetPos().top, -10);
    EXPECT_EQ(widget("r0")->geometry().top(), 0);  // content coordinates do not move
}

TEST_F(QtWidgetsTest, ClickOnARowSelectsItAsOnTheHeadlessTree) {
    QWidget* row = widget("r2");
    ASSERT_NE(row, nullptr);
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(20, 10));
    auto* list = static_cast<CListUI*>(window_->GetPaintManager().FindControl("list"));
    EXPECT_EQ(list->GetCurSel(), 2);
    EXPECT_EQ(events_.without("setfocus"),
              (std::vector<std::string>{"itemselect:list", "itemclick:r2"}));
    QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(events_.events.back(), "itemactivate:r2");
}

TEST_F(QtWidgetsTest, PaletteTakesColoursFromTheMouse) {
    QWidget* pal = widget("pal");
    ASSERT_NE(pal, nullptr);
    // (QTest takes a null point for "the centre", so the corner is (1, 1).)
    QTest::mousePress(pal, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseRelease(pal, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_FALSE(events_.events.empty());
    EXPECT_EQ(events_.events.back(), "colorchanged:pal");
    auto* palette = static_cast<CColorPaletteUI*>(window_->GetPaintManager().FindControl("pal"));
    UiColor c = palette->GetSelectColor();  // near the red corner of the plane
    EXPECT_EQ((c >> 16) & 0xFF, 0xFFu);
    EXPECT_LT((c >> 8) & 0xFF, 0x30u);
    EXPECT_LT(c & 0xFF, 0x10u);
}

TEST_F(QtWidgetsTest, WindowGeometryFollowsBothWaysAndMarkupShowsAsRichText) {
    window_->MoveWindow({100, 120, 400, 380});
    EXPECT_EQ(top_->geometry(), QRect(100, 120, 300, 260));
    top_->resize(320, 200);
    settle();
    EXPECT_EQ(window_->GetClientSize(), (UiSize{320, 200}));
    EXPECT_EQ(window_->GetPaintManager().GetClientSize(), (UiSize{320, 200}));
    auto* html = qobject_cast<QLabel*>(widget("html"));
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(html->textFormat(), Qt::RichText);
    EXPECT_TRUE(html->text().contains("<b>bold</b>"));
}
