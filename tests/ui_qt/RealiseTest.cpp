#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "QtTestSupport.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/framework/windows/dialogs/MsgWnd.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/TreeRealiser.h"

using namespace vorn;
using namespace vorn::ui;
using namespace vorn::ui::qt;

namespace {

const char* kPage = R"(<Window size="420,300">
  <VerticalLayout name="root" bkcolor="#FF15171C" inset="10,10,10,10" childpadding="6">
    <Label name="title" text="Sensitivity" height="24"/>
    <HorizontalLayout height="30" childpadding="6">
      <Button name="ok" text="OK" width="80"/>
      <Button name="other" text="Other" width="80"/>
      <Option name="rate_1" text="1000" group="rate" width="70" selected="true"/>
      <Option name="rate_2" text="8000" group="rate" width="70"/>
    </HorizontalLayout>
    <Slider name="dpi" min="0" max="100" value="10" height="24"/>
    <Edit name="value" height="28"/>
    <Combo name="mode" height="28">
      <ListLabelElement text="Static"/><ListLabelElement text="Wave"/><ListLabelElement text="Off"/>
    </Combo>
    <CheckBox name="sync" text="Sync" height="24"/>
    <Progress name="battery" value="30" height="8"/>
  </VerticalLayout>
</Window>)";

class PageWindow final : public WindowImplBase {
  public:
    std::string GetWindowClassName() const override { return "PageWnd"; }
    std::string GetSkinFile() const override { return kPage; }
};

// A realised window on the Qt loop, and the same page as a headless tree, both recorded.
class RealiseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::qtApp();
        CPaintManagerUI::SetResourcePath(std::string(VORN_SOURCE_DIR) + "/resources/skin");
        ui_ = std::make_unique<QtUi>("/nonexistent-font-folder/");
        ASSERT_TRUE(window_.Create(nullptr, "page", WS_POPUP, 0));
        window_.GetPaintManager().AddNotifier(&qtEvents_);
        window_.ShowWindow(true);
        settle();
        top_ = ui_->windows().widgetOf(&window_);
        ASSERT_NE(top_, nullptr);
        top_->activateWindow();
        QApplication::setActiveWindow(top_);
        (void)QTest::qWaitForWindowActive(top_, 2000);
        qtEvents_.events.clear();

        CDialogBuilder builder;
        headlessRoot_ = builder.Create(kPage, {}, nullptr, &headless_);
        headless_.AttachDialog(headlessRoot_);
        headless_.AddNotifier(&headlessEvents_);
    }
    void TearDown() override {
        window_.DestroyWindow();
        settle();
        ui_.reset();
        CPaintManagerUI::SetResourcePath("");
    }
    void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    template <typename W>
    W* widget(const char* name) {
        CControlUI* c = window_.GetPaintManager().FindControl(name);
        return dynamic_cast<W*>(top_->realiser()->widgetFor(c));
    }
    CControlUI* control(const char* name) { return window_.GetPaintManager().FindControl(name); }

    std::unique_ptr<QtUi> ui_;
    PageWindow window_;
    RealisedWindow* top_ = nullptr;
    test::QtNotifyRecorder qtEvents_;
    CPaintManagerUI headless_;
    CControlUI* headlessRoot_ = nullptr;
    test::QtNotifyRecorder headlessEvents_;
};

}  // namespace

TEST_F(RealiseTest, RealisedWindowReflectsTreeChanges) {
    auto* label = widget<QLabel>("title");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Sensitivity");
    // Geometry: control rectangles relative to their parent's widget.
    EXPECT_EQ(label->geometry(), QRect(10, 10, 400, 24));
    EXPECT_EQ(widget<QPushButton>("ok")->geometry(), QRect(0, 0, 80, 30));

    control("title")->SetText("Polling rate");
    EXPECT_EQ(label->text(), "Polling rate");
    control("title")->SetVisible(false);
    EXPECT_FALSE(label->isVisible());
    settle();
    EXPECT_EQ(widget<QPushButton>("ok")->parentWidget()->geometry().top(), 10);  // moved up

    static_cast<CSliderUI*>(control("dpi"))->SetValue(64);
    EXPECT_EQ(widget<QSlider>("dpi")->value(), 64);
    static_cast<COptionUI*>(control("rate_2"))->Selected(true);
    EXPECT_TRUE(widget<QPushButton>("rate_2")->isChecked());
    EXPECT_FALSE(widget<QPushButton>("rate_1")->isChecked());
    control("value")->SetText("3200");
    EXPECT_EQ(widget<QLineEdit>("value")->text(), "3200");
    control("ok")->SetEnabled(false);
    EXPECT_FALSE(widget<QPushButton>("ok")->isEnabled());

    auto* combo = static_cast<CComboUI*>(control("mode"));
    auto* row = new CListLabelElementUI;
    row->SetText("Breathing");
    combo->Add(row);
    combo->SelectItem(3, false, false);
    settle();
    EXPECT_EQ(widget<QComboBox>("mode")->count(), 4);
    EXPECT_EQ(widget<QComboBox>("mode")->currentText(), "Breathing");

    // Controls added and removed at run time appear and go.
    auto* extra = new CButtonUI;
    extra->SetName("extra");
    extra->SetText("Extra");
    extra->SetFixedHeight(20);
    static_cast<CContainerUI*>(window_.GetPaintManager().GetRoot())->Add(extra);
    settle();
    ASSERT_NE(widget<QPushButton>("extra"), nullptr);
    EXPECT_EQ(widget<QPushButton>("extra")->text(), "Extra");
    static_cast<CContainerUI*>(window_.GetPaintManager().GetRoot())->Remove(extra);
    EXPECT_EQ(top_->realiser()->widgetFor(extra), nullptr);

    window_.ResizeClient(500, 300);
    settle();
    EXPECT_EQ(top_->width(), 500);
    EXPECT_EQ(widget<QSlider>("dpi")->width(), 480);
}

TEST_F(RealiseTest, UserClickRaisesTheSameNotificationsAsTheHeadlessPath) {
    QTest::mouseClick(widget<QPushButton>("ok"), Qt::LeftButton);
    QTest::mouseClick(widget<QPushButton>("rate_2"), Qt::LeftButton);
    headless_.ClickControl(headless_.FindControl("ok"));
    headless_.ClickControl(headless_.FindControl("rate_2"));
    EXPECT_EQ(qtEvents_.events, headlessEvents_.events);
    EXPECT_EQ(qtEvents_.without("setfocus"),
              (std::vector<std::string>{"click:ok", "killfocus:ok", "click:rate_2",
                                        "selectchanged:rate_1", "selectchanged:rate_2"}));
    EXPECT_TRUE(widget<QPushButton>("rate_2")->isChecked());
    EXPECT_FALSE(widget<QPushButton>("rate_1")->isChecked());

    // A check box toggles the same way.
    QTest::mouseClick(widget<QCheckBox>("sync"), Qt::LeftButton);
    EXPECT_TRUE(static_cast<CCheckBoxUI*>(control("sync"))->GetCheck());
}

TEST_F(RealiseTest, SliderDragRaisesMoveValueChangedThenValueChanged) {
    auto* slider = widget<QSlider>("dpi");
    slider->setSliderDown(true);
    slider->setSliderPosition(40);
    slider->setSliderPosition(55);
    slider->setSliderDown(false);
    EXPECT_EQ(static_cast<CSliderUI*>(control("dpi"))->GetValue(), 55);

    auto* headlessSlider = static_cast<CSliderUI*>(headless_.FindControl("dpi"));
    UiRect r = headlessSlider->GetPos();
    int y = r.center().y;
    headless_.DispatchMouse(UIEVENT_BUTTONDOWN, {r.left + r.width() * 2 / 5, y});
    headless_.DispatchMouse(UIEVENT_MOUSEMOVE, {r.left + r.width() * 55 / 100, y});
    headless_.DispatchMouse(UIEVENT_BUTTONUP, {r.left + r.width() * 55 / 100, y});
    EXPECT_EQ(qtEvents_.without("setfocus"), headlessEvents_.without("setfocus"));
    EXPECT_EQ(qtEvents_.without("setfocus"),
              (std::vector<std::string>{"movevaluechanged:dpi", "movevaluechanged:dpi",
                                        "valuechanged:dpi"}));
}

TEST_F(RealiseTest, ComboChoiceRaisesItemSelect) {
    QTest::keyClick(widget<QComboBox>("mode"), Qt::Key_Down);
    static_cast<CComboUI*>(headless_.FindControl("mode"))->SelectItem(0);
    EXPECT_EQ(qtEvents_.without("setfocus"), headlessEvents_.without("setfocus"));
    EXPECT_EQ(qtEvents_.without("setfocus"), (std::vector<std::string>{"itemselect:mode"}));
    EXPECT_EQ(static_cast<CComboUI*>(control("mode"))->GetCurSel(), 0);
    EXPECT_EQ(control("mode")->GetText(), "Static");
}

TEST_F(RealiseTest, EditFocusLossRaisesKillFocusAfterTyping) {
    auto* edit = widget<QLineEdit>("value");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, "123");
    QTest::mouseClick(widget<QPushButton>("other"), Qt::LeftButton);
    EXPECT_EQ(control("value")->GetText(), "123");

    headless_.ClickControl(headless_.FindControl("value"));
    for (char c : std::string("123")) {
        headless_.DispatchKey(UIEVENT_CHAR, static_cast<uint32_t>(c));
    }
    headless_.ClickControl(headless_.FindControl("other"));
    EXPECT_EQ(qtEvents_.events, headlessEvents_.events);
    EXPECT_EQ(qtEvents_.events,
              (std::vector<std::string>{"setfocus:value", "textchanged:value", "textchanged:value",
                                        "textchanged:value", "killfocus:value", "setfocus:other",
                                        "click:other"}));
}

TEST_F(RealiseTest, ModalMessageBoxRunsInsideTheQtLoop) {
    CWindowWnd::SetModalHook([this](CWindowWnd& w) {
        auto& box = static_cast<WindowImplBase&>(w);
        RealisedWindow* shown = ui_->windows().widgetOf(&w);
        auto* confirm = dynamic_cast<QPushButton*>(
            shown->realiser()->widgetFor(box.GetPaintManager().FindControl("confirm_btn")));
        if (confirm == nullptr) {
            w.Close(-2);  // fail without hanging
            return;
        }
        QTest::mouseClick(confirm, Qt::LeftButton);
    });
    EXPECT_EQ(ShowMessageBox(&window_, "Notice", "Proceed?", 96, false, 1), 1);
    CWindowWnd::SetModalHook({});
}

TEST(TreeRealiser, HiddenPagesGetTheirWidgetsWhenFirstShown) {
    test::qtApp();
    CPaintManagerUI pm;
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(R"(<Window size="300,200"><TabLayout name="tabs">
        <VerticalLayout name="page0"><Label name="a" text="A"/></VerticalLayout>
        <VerticalLayout name="page1"><Label name="b" text="B"/><Button name="c"/></VerticalLayout>
      </TabLayout></Window>)",
                                   {}, nullptr, &pm));
    QWidget host;
    host.resize(300, 200);
    TreeRealiser realiser(pm, &host);
    EXPECT_NE(realiser.widgetFor(pm.FindControl("a")), nullptr);
    EXPECT_NE(realiser.widgetFor(pm.FindControl("page1")), nullptr);
    EXPECT_EQ(realiser.widgetFor(pm.FindControl("b")), nullptr);  // not yet

    static_cast<CTabLayoutUI*>(pm.FindControl("tabs"))->SelectItem(1);
    QCoreApplication::processEvents();
    auto* b = dynamic_cast<QLabel*>(realiser.widgetFor(pm.FindControl("b")));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), "B");
    EXPECT_EQ(b->geometry().width(), 300);
    EXPECT_NE(realiser.widgetFor(pm.FindControl("c")), nullptr);
}

TEST_F(RealiseTest, RowsAddedToAShownComboCostOneWidgetUpdate) {
    auto* box = widget<QComboBox>("mode");
    auto* combo = static_cast<CComboUI*>(control("mode"));
    int inserted = 0;
    QObject::connect(box->model(), &QAbstractItemModel::rowsInserted, box,
                     [&inserted] { ++inserted; });
    for (int i = 0; i < 400; ++i) {
        auto* row = new CListLabelElementUI;
        row->SetText("Profile " + std::to_string(i));
        combo->Add(row);
    }
    EXPECT_EQ(inserted, 0);  // nothing yet: the rows are shown together
    settle();
    EXPECT_EQ(inserted, 1);
    ASSERT_EQ(box->count(), 403);
    EXPECT_EQ(box->itemText(402), "Profile 399");

    // A selection right after new rows shows them with it, at once.
    auto* last = new CListLabelElementUI;
    last->SetText("Last");
    combo->Add(last);
    combo->SelectItem(403, false, false);
    EXPECT_EQ(box->count(), 404);
    EXPECT_EQ(box->currentText(), "Last");

    // Rows that go, and a row's new text, reach the widget the same way.
    combo->RemoveAt(0);
    combo->GetItemAt(0)->SetText("Pulse");
    settle();
    EXPECT_EQ(box->count(), 403);
    EXPECT_EQ(box->itemText(0), "Pulse");
}
