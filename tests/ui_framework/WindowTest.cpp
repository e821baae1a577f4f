#include <gtest/gtest.h>

#include <thread>

#include "UiTestSupport.h"
#include "platform/clock/Clock.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Menu.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/TrayIcon.h"
#include "ui/framework/windows/WindowHost.h"
#include "ui/framework/windows/WindowImplBase.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kSkin = R"(<Window size="300,200">
  <VerticalLayout name="root">
    <HorizontalLayout height="30">
      <Control/>
      <Button name="minbtn" width="30"/><Button name="maxbtn" width="30"/>
      <Button name="restorebtn" width="30" visible="false"/><Button name="closebtn" width="30"/>
    </HorizontalLayout>
    <Button name="ok" text="OK" height="30"/>
    <Label name="ticker"/>
  </VerticalLayout>
</Window>)";

// A window recording what reaches it.
class TestWindow : public WindowImplBase {
  public:
    std::string GetWindowClassName() const override { return "TestWnd"; }
    std::string GetSkinFile() const override { return kSkin; }
    void InitWindow() override { inited = true; }
    void Notify(TNotifyUI& msg) override {
        events.push_back(msg.sType + ":" + (msg.pSender ? msg.pSender->GetName() : ""));
        if (msg.sType == "click" && msg.pSender->GetName() == "ok") {
            Close(7);
            return;
        }
        WindowImplBase::Notify(msg);
    }
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override {
        if (message >= WM_USER || message == WM_TIMER) {
            messages.push_back({message, wParam, lParam});
            handled = true;
            if (message == WM_MENUCLICK) {
                auto* cmd = reinterpret_cast<MenuCmd*>(wParam);
                menuChoice = cmd->szName + "|" + cmd->szUserData + "|" + cmd->szText;
                CPaintManagerUI::DeletePtr(cmd);
            }
            return static_cast<intptr_t>(wParam) * 2;
        }
        return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
    }
    void OnFinalMessage(UiWindowHandle) override { finalCalls++; }

    bool inited = false;
    int finalCalls = 0;
    std::vector<std::string> events;
    std::vector<platform::Message> messages;
    std::string menuChoice;
};

struct ModalHook {
    explicit ModalHook(std::function<void(CWindowWnd&)> hook) { CWindowWnd::SetModalHook(hook); }
    ~ModalHook() { CWindowWnd::SetModalHook({}); }
};

}  // namespace

TEST(ControlTimer, FiresOnLoopTimeAndStopsWhenKilled) {
    platform::VirtualClock clock;
    platform::ClockOverride useClock(clock);
    ScopedManualUiLoop ui(&clock);
    test::BuiltTree t(
        R"(<VerticalLayout><Label name="blink"/><Label name="other"/></VerticalLayout>)");
    CControlUI* blink = t.pm.FindControl("blink");
    ASSERT_TRUE(t.pm.SetTimer(blink, 1000, 250));
    ASSERT_TRUE(t.pm.SetTimer(blink, 1001, 400));
    ui.loop().advance(249);
    EXPECT_TRUE(t.recorder.events.empty());
    ui.loop().advance(1);
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"timer:blink"}));
    EXPECT_EQ(t.recorder.last.wParam, 1000u);
    EXPECT_EQ(t.recorder.last.dwTimestamp, 250u);
    ui.loop().advance(750);  // 500, 750, 1000 and 400, 800
    EXPECT_EQ(t.recorder.of("timer").size(), 6u);

    EXPECT_TRUE(t.pm.KillTimer(blink, 1000));
    EXPECT_FALSE(t.pm.KillTimer(blink, 1000));
    t.recorder.events.clear();
    ui.loop().advance(1000);
    EXPECT_EQ(t.recorder.of("timer").size(), 3u);  // only 1001: 1200, 1600, 2000
    EXPECT_EQ(t.recorder.last.wParam, 1001u);

    // A control that leaves the tree takes its timers along.
    static_cast<CContainerUI*>(t.root)->Remove(blink);
    t.recorder.events.clear();
    ui.loop().advance(2000);
    EXPECT_TRUE(t.recorder.events.empty());
}

TEST(ControlTimer, WithoutLoopTimersAreRefused) {
    test::BuiltTree t(R"(<VerticalLayout><Label name="a"/></VerticalLayout>)");
    EXPECT_FALSE(t.pm.SetTimer(t.pm.FindControl("a"), 1, 10));
}

TEST(Notify, AsyncNotificationsArriveOnTheLoop) {
    ScopedManualUiLoop ui;
    test::BuiltTree t(R"(<VerticalLayout><Label name="a"/></VerticalLayout>)");
    t.pm.SendNotify(t.pm.FindControl("a"), "menu", 1, 2, true);
    EXPECT_TRUE(t.recorder.events.empty());
    ui.loop().runPending();
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"menu:a"}));
}

TEST(Window, CreateBuildsSkinAndFirstDisplayRaisesWindowInit) {
    ScopedManualUiLoop ui;
    TestWindow w;
    ASSERT_TRUE(w.Create(nullptr, "test", WS_POPUP, 0));
    EXPECT_TRUE(w.inited);
    EXPECT_EQ(w.GetClientSize(), (UiSize{300, 200}));
    // Centred on the (headless) work area 1920 x 1040.
    EXPECT_EQ(w.GetWindowRect().left, 810);
    EXPECT_EQ(w.GetWindowRect().top, 420);
    EXPECT_NE(w.GetPaintManager().FindControl("ok"), nullptr);
    ui.loop().runPending();
    EXPECT_TRUE(w.events.empty());  // not shown yet

    w.ShowWindow(true);
    ui.loop().runPending();
    EXPECT_EQ(w.events, (std::vector<std::string>{"windowinit:root"}));
    w.ShowWindow(false);
    w.ShowWindow(true);
    ui.loop().runPending();
    EXPECT_EQ(w.events.size(), 1u);  // only the first display

    w.ResizeClient(400, 300);
    EXPECT_EQ(w.events.back(), "windowsize:root");
    EXPECT_EQ(w.GetPaintManager().FindControl("ok")->GetPos().right, 400);
    w.DestroyWindow();
    EXPECT_EQ(w.finalCalls, 1);
    EXPECT_FALSE(w.IsWindow());
}

TEST(Window, ShowModalAnswersTheValueGivenToClose) {
    ScopedManualUiLoop ui;
    TestWindow owner;
    owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0);
    TestWindow dialog;
    dialog.Create(&owner, "dialog", WS_POPUP, WS_EX_TOOLWINDOW);
    bool ownerDisabled = false;
    ModalHook hook([&](CWindowWnd& w) {
        ownerDisabled = !owner.IsWindowEnabled();
        auto& modal = static_cast<TestWindow&>(w);
        modal.GetPaintManager().ClickControl(modal.GetPaintManager().FindControl("ok"));
    });
    EXPECT_EQ(dialog.ShowModal(), 7);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(dialog.events.front(), "windowinit:root");
}

TEST(Window, CloseButtonEndsModalWithZeroAndUnansweredModalEnds) {
    ScopedManualUiLoop ui;
    {
        TestWindow dialog;
        dialog.Create(nullptr, "dialog", WS_POPUP, 0);
        ModalHook hook([](CWindowWnd& w) {
            auto& pm = static_cast<TestWindow&>(w).GetPaintManager();
            pm.FindControl("closebtn")->Activate();
        });
        EXPECT_EQ(dialog.ShowModal(), 0);
    }
    TestWindow idle;
    idle.Create(nullptr, "idle", WS_POPUP, 0);
    EXPECT_EQ(idle.ShowModal(), -1);  // nothing will ever close it
    EXPECT_FALSE(idle.IsWindow());
}

TEST(Window, MaximiseAndRestoreSwapTheFrameButtons) {
    ScopedManualUiLoop ui;
    TestWindow w;
    w.Create(nullptr, "w", WS_POPUP | WS_VISIBLE, 0);
    CPaintManagerUI& pm = w.GetPaintManager();
    pm.FindControl("maxbtn")->Activate();
    EXPECT_TRUE(w.IsZoomed());
    EXPECT_FALSE(pm.FindControl("maxbtn")->IsVisible());
    EXPECT_TRUE(pm.FindControl("restorebtn")->IsVisible());
    EXPECT_EQ(w.GetWindowRect(), headlessWindowHost().workArea(&w));
    pm.FindControl("restorebtn")->Activate();
    EXPECT_FALSE(w.IsZoomed());
    EXPECT_TRUE(pm.FindControl("maxbtn")->IsVisible());
    EXPECT_EQ(w.GetClientSize(), (UiSize{300, 200}));
    pm.FindControl("minbtn")->Activate();
    EXPECT_TRUE(w.IsIconic());
}

TEST(Window, MessagesAndTimersGoThroughTheLoop) {
    ScopedManualUiLoop ui;
    TestWindow w;
    w.Create(nullptr, "w", WS_POPUP, 0);
    EXPECT_EQ(w.SendMessage(WM_USER + 5, 21, 0), 42);
    EXPECT_TRUE(w.PostMessage(WM_USER + 6, 1, 2));
    EXPECT_EQ(w.messages.size(), 1u);
    ui.loop().runPending();
    ASSERT_EQ(w.messages.size(), 2u);
    EXPECT_EQ(w.messages[1].id, WM_USER + 6);

    // A worker's send waits until the UI thread has handled it.
    intptr_t answer = 0;
    std::thread worker(
        [&] { answer = CWindowWnd::SendMessageTo(w.GetHWND(), WM_USER + 7, 50, 0); });
    ASSERT_TRUE(ui.loop().waitForMessage(5000));
    ui.loop().runPending();
    worker.join();
    EXPECT_EQ(answer, 100);

    UiWindowHandle h = w.GetHWND();
    w.DestroyWindow();
    EXPECT_FALSE(CWindowWnd::PostMessageTo(h, WM_USER + 8));
    EXPECT_EQ(CWindowWnd::SendMessageTo(h, WM_USER + 8), 0);
}

TEST(Menu, ChoosingAnItemSendsMenuClickToTheOwnerAndCloses) {
    ScopedManualUiLoop ui;
    TestWindow owner;
    owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0);
    const char* menuXml = R"(<Window><Menu name="menu" width="180">
        <MenuElement name="about_menu" text="About" userdata="a1"/>
        <MenuElement name="exit" text="Exit"/>
      </Menu></Window>)";
    CMenuWnd* menu = CMenuWnd::CreateMenu(nullptr, menuXml, {1900, 1000}, &owner.GetPaintManager(),
                                          nullptr, eMenuAlignment_Right | eMenuAlignment_Bottom);
    ASSERT_TRUE(menu->IsWindowVisible());
    EXPECT_EQ(menu->GetWindowRect(), (UiRect{1720, 940, 1900, 1000}));
    UiWindowHandle menuHandle = menu->GetHWND();
    menu->GetPaintManager().ClickControl(menu->FindItem("about_menu"));
    EXPECT_EQ(owner.menuChoice, "about_menu|a1|About");
    ASSERT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(owner.messages[0].id, 0x0479u);
    ui.loop().runPending();
    EXPECT_EQ(CWindowWnd::FromHandle(menuHandle), nullptr);  // closed and gone
}

TEST(TrayIcon, MouseOnTheIconReachesTheWindowAndMissingTrayIsReported) {
    ScopedManualUiLoop ui;
    TestWindow w;
    w.Create(nullptr, "w", WS_POPUP, 0);
    CTrayIcon tray;
    ASSERT_TRUE(tray.CreateTrayIcon(&w, 107, "VORN  8K Gaming Mouse"));
    EXPECT_TRUE(tray.IsVisible());
    EXPECT_EQ(tray.GetTooltipText(), "VORN  8K Gaming Mouse");
    tray.OnTrayMouse(WM_LBUTTONUP);
    ui.loop().runPending();
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].id, 0x0401u);
    EXPECT_EQ(w.messages[0].wParam, 107u);
    EXPECT_EQ(w.messages[0].lParam, 0x0202);
    tray.DeleteTrayIcon();
    tray.OnTrayMouse(WM_RBUTTONUP);
    ui.loop().runPending();
    EXPECT_EQ(w.messages.size(), 1u);

    headlessTrayHost().setAvailable(false);
    CTrayIcon none;
    EXPECT_FALSE(none.CreateTrayIcon(&w, 107, "tip"));
    EXPECT_FALSE(none.IsVisible());
    headlessTrayHost().setAvailable(true);
}

TEST(Window, MouseMessagesReachTheControlsThroughThePaintManager) {
    ScopedManualUiLoop ui;
    TestWindow w;
    w.Create(nullptr, "w", WS_POPUP | WS_VISIBLE, 0);
    ui.loop().runPending();
    UiPoint p = w.GetPaintManager().FindControl("ok")->GetPos().center();
    w.SendMessage(WM_LBUTTONDOWN, 0, makeLParam(p.x, p.y));
    w.SendMessage(WM_LBUTTONUP, 0, makeLParam(p.x, p.y));
    ui.loop().runPending();  // "ok" closes the window with 7
    EXPECT_FALSE(w.IsWindow());
    EXPECT_EQ(w.events.back(), "click:ok");
}

TEST(Window, WindowTimersArriveAsTimerMessagesUntilKilled) {
    ScopedManualUiLoop ui;
    TestWindow w;
    w.Create(nullptr, "w", WS_POPUP, 0);
    ASSERT_TRUE(w.SetTimer(1011, 100));
    ui.loop().advance(350);
    ASSERT_EQ(w.messages.size(), 3u);
    EXPECT_EQ(w.messages[0].id, WM_TIMER);
    EXPECT_EQ(w.messages[0].wParam, 1011u);
    EXPECT_TRUE(w.KillTimer(1011));
    EXPECT_FALSE(w.KillTimer(1011));
    ui.loop().advance(1000);
    EXPECT_EQ(w.messages.size(), 3u);
}

TEST(Window, DpiChangeMovesToTheProposedRectangleAndRescales) {
    ScopedManualUiLoop ui;
    class DpiWindow : public TestWindow {
      public:
        intptr_t HandleCustomMessage(uint32_t m, uintptr_t wp, intptr_t lp,
                                     bool& handled) override {
            if (m == WM_DPICHANGED) {
                HandleDpiChanged(wp, lp);
                handled = true;
                return 0;
            }
            return TestWindow::HandleCustomMessage(m, wp, lp, handled);
        }
    } w;
    w.Create(nullptr, "w", WS_POPUP | WS_VISIBLE, 0);
    UiRect proposed{100, 100, 550, 400};
    w.SendMessage(WM_DPICHANGED, makeLParam(144, 144), reinterpret_cast<intptr_t>(&proposed));
    EXPECT_EQ(w.GetPaintManager().GetDPIObj()->GetScale(), 150);
    EXPECT_EQ(w.GetWindowRect(), proposed);
    EXPECT_EQ(w.GetPaintManager().FindControl("ok")->GetPos().height(), 45);
}

TEST(Window, ModalInsideModalReturnsToTheOuterOne) {
    ScopedManualUiLoop ui;
    TestWindow outer;
    outer.Create(nullptr, "outer", WS_POPUP, 0);
    int inner = -5;
    int depth = 0;
    CWindowWnd::SetModalHook([&](CWindowWnd& w) {
        auto& tw = static_cast<TestWindow&>(w);
        if (depth++ == 0) {
            TestWindow nested;
            nested.Create(&w, "inner", WS_POPUP, 0);
            inner = nested.ShowModal();
            EXPECT_TRUE(w.IsWindowEnabled());  // enabled again once the inner one closed
            tw.GetPaintManager().FindControl("closebtn")->Activate();
        } else {
            tw.GetPaintManager().FindControl("ok")->Activate();
        }
    });
    EXPECT_EQ(outer.ShowModal(), 0);
    EXPECT_EQ(inner, 7);
    CWindowWnd::SetModalHook({});
}

TEST(Window, CentresOverAVisibleOwnerAndStaysOnTheWorkArea) {
    ScopedManualUiLoop ui;
    TestWindow owner;
    owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0, 0, 0, 1000, 600);
    TestWindow child;
    child.Create(&owner, "child", WS_POPUP, 0);
    child.CenterWindow();
    EXPECT_EQ(child.GetWindowRect(), (UiRect{350, 200, 650, 400}));
    owner.MoveWindow({-400, -300, 100, 100});
    child.CenterWindow();
    EXPECT_EQ(child.GetWindowRect().left, 0);  // kept on the work area
    EXPECT_EQ(child.GetWindowRect().top, 0);
}
