#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "UiTestSupport.h"
#include "platform/debug/DebugSink.h"
#include "platform/paths/Paths.h"
#include "support/TempHome.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/dialogs/AboutWnd.h"
#include "ui/framework/windows/dialogs/MsgWnd.h"
#include "ui/framework/windows/dialogs/ScaleRule.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const std::string kResources = std::string(VORN_SOURCE_DIR) + "/resources";

// The program's real skin and language files, a manual loop, and a hook acting in modal
// windows.
class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath(kResources + "/skin");
        CResourceManager::GetInstance().LoadLanguage("lan_en.xml");
    }
    void TearDown() override {
        CWindowWnd::SetModalHook({});
        CResourceManager::GetInstance().ResetTextMap();
        CPaintManagerUI::SetResourcePath("");
    }
    // Runs `act` inside the next modal window.
    void whenModal(std::function<void(WindowImplBase&)> act) {
        CWindowWnd::SetModalHook([act](CWindowWnd& w) {
            seen = &static_cast<WindowImplBase&>(w);
            act(*seen);
        });
    }
    static CControlUI* control(WindowImplBase& w, const char* name) {
        return w.GetPaintManager().FindControl(name);
    }
    ScopedManualUiLoop ui;
    static inline WindowImplBase* seen = nullptr;
};

}  // namespace

TEST(ScaleRule, AcceptsFiftyToTwoHundredPercentInQuarterSteps) {
    for (int dpi : {48, 72, 96, 120, 144, 168, 192}) {
        EXPECT_TRUE(isAcceptedScale(dpi)) << dpi;
    }
    for (int dpi : {0, 24, 100, 150, 216, -96}) {
        EXPECT_FALSE(isAcceptedScale(dpi)) << dpi;
    }
    platform::DebugCapture debug;
    EXPECT_EQ(checkedScale(144, "MSG_WND DPI SET ERROR"), 144);
    EXPECT_TRUE(debug.lines().empty());
    EXPECT_EQ(checkedScale(100, "MSG_WND DPI SET ERROR"), 96);
    EXPECT_EQ(debug.lines(), (std::vector<std::string>{"MSG_WND DPI SET ERROR"}));
}

TEST(ScaleRule, EqualScaleIsIgnoredAndOthersReachEveryPaintManager) {
    CPaintManagerUI a;
    CPaintManagerUI b;
    int current = 96;
    platform::DebugCapture debug;
    EXPECT_FALSE(applyWindowScale(96, current, "X"));
    EXPECT_FALSE(applyWindowScale(100, current, "SET_WND DPI SET ERROR"));  // falls back to 96
    EXPECT_TRUE(debug.contains("SET_WND DPI SET ERROR"));
    EXPECT_TRUE(applyWindowScale(168, current, "X"));
    EXPECT_EQ(current, 168);
    EXPECT_EQ(a.GetDPIObj()->GetDPI(), 168);
    EXPECT_EQ(b.GetDPIObj()->GetScale(), 175);
    CPaintManagerUI::SetAllDPI(96);
}

TEST_F(DialogTest, MessageBoxAnswersOneForConfirmAndZeroForCancelOrClose) {
    whenModal([](WindowImplBase& w) { control(w, "confirm_btn")->Activate(); });
    EXPECT_EQ(ShowMessageBox(nullptr, {}, "message_text_22", 96, true, 1), 1);
    whenModal([](WindowImplBase& w) { control(w, "cancel_btn")->Activate(); });
    EXPECT_EQ(ShowMessageBox(nullptr, {}, "message_text_22", 96, true, 1), 0);
    whenModal([](WindowImplBase& w) { w.GetPaintManager().ClickControl(control(w, "closebtn")); });
    EXPECT_EQ(ShowMessageBox(nullptr, {}, "message_text_22", 96, true, 1), 0);
}

TEST_F(DialogTest, MessageBoxWithButtonsZeroShowsOnlyConfirm) {
    bool cancelVisible = true;
    bool confirmVisible = false;
    whenModal([&](WindowImplBase& w) {
        cancelVisible = control(w, "cancel_btn")->IsVisible();
        confirmVisible = control(w, "confirm_btn")->IsVisible();
        control(w, "closebtn")->Activate();
    });
    EXPECT_EQ(ShowMessageBox(nullptr, {}, "message_text_31", 96, true, 0), 0);
    EXPECT_FALSE(cancelVisible);
    EXPECT_TRUE(confirmVisible);
}

TEST_F(DialogTest, MessageBoxShowsTitleAndTextOrKeepsTheSkinDefaults) {
    std::string title, text, defaultTitle, defaultText;
    whenModal([&](WindowImplBase& w) {
        title = control(w, "MessageTitle")->GetText();
        text = control(w, "MessageText")->GetText();
        control(w, "confirm_btn")->Activate();
    });
    ShowMessageBox(nullptr, "tips_text", "message_text_30", 96, true, 1);
    EXPECT_EQ(title, "Notice");
    EXPECT_EQ(text, CResourceManager::GetInstance().GetText("message_text_30"));

    whenModal([&](WindowImplBase& w) {
        text = control(w, "MessageText")->GetText();
        control(w, "confirm_btn")->Activate();
    });
    ShowMessageBox(nullptr, {}, "message_text_22", 96, false, 0);
    EXPECT_EQ(text, "message_text_22");  // not a key: shown as given

    whenModal([&](WindowImplBase& w) {
        defaultTitle = control(w, "MessageTitle")->GetText();
        defaultText = control(w, "MessageText")->GetText();
        control(w, "confirm_btn")->Activate();
    });
    ShowMessageBox(nullptr, {}, {}, 96, true, 0);
    EXPECT_EQ(defaultTitle, CResourceManager::GetInstance().GetText("msg_title_text"));
    EXPECT_EQ(defaultText, CResourceManager::GetInstance().GetText("msg_default_text"));
}

TEST_F(DialogTest, MessageBoxScaleFollowsTheRule) {
    int dpi = 0;
    UiSize size;
    whenModal([&](WindowImplBase& w) {
        dpi = static_cast<CMsgWnd&>(w).GetDPI();
        size = w.GetClientSize();
        control(w, "confirm_btn")->Activate();
    });
    platform::DebugCapture debug;
    ShowMessageBox(nullptr, {}, "message_text_4", 100, true, 1);
    EXPECT_EQ(dpi, 96);
    EXPECT_TRUE(debug.contains("MSG_WND DPI SET ERROR"));
    EXPECT_EQ(size, (UiSize{440, 232}));

    ShowMessageBox(nullptr, {}, "message_text_4", 144, true, 1);
    EXPECT_EQ(dpi, 144);
    EXPECT_EQ(size, (UiSize{660, 348}));
    CPaintManagerUI::SetAllDPI(96);
}

TEST_F(DialogTest, MessageBoxIsModalOverItsParent) {
    class Owner : public WindowImplBase {
      public:
        std::string GetWindowClassName() const override { return "OwnerWnd"; }
        std::string GetSkinFile() const override {
            return "<Window size='500,400'><Control name='root'/></Window>";
        }
    } owner;
    owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0);
    bool disabled = false;
    UiRect boxRect;
    whenModal([&](WindowImplBase& w) {
        disabled = !owner.IsWindowEnabled();
        boxRect = w.GetWindowRect();
        control(w, "confirm_btn")->Activate();
    });
    EXPECT_EQ(ShowMessageBox(&owner, {}, "message_text_27", 96, true, 1), 1);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    UiRect o = owner.GetWindowRect();
    EXPECT_EQ(boxRect.left - o.left, o.right - boxRect.right);  // centred over the owner
}

TEST_F(DialogTest, AboutWindowShowsRevisionAndIgnoresASecondRequest) {
    UiWindowHandle open = 0;
    std::string revision;
    bool secondOpened = true;
    UiSize size;
    whenModal([&](WindowImplBase& w) {
        revision = control(w, "software_ver_label")->GetText();
        size = w.GetClientSize();
        secondOpened = ShowAboutWindow(nullptr, open);
        control(w, "homepage_btn")->Activate();  // does nothing
        EXPECT_TRUE(w.IsWindow());
        control(w, "closebtn")->Activate();
    });
    EXPECT_TRUE(ShowAboutWindow(nullptr, open));
    EXPECT_EQ(revision, "Software version 1.0.0.0");
    EXPECT_FALSE(secondOpened);
    EXPECT_EQ(size, (UiSize{800, 572}));
    EXPECT_EQ(open, 0u);
}

TEST_F(DialogTest, AboutWindowClosedFromTheSystemMenuLeavesTheLoopRunning) {
    UiWindowHandle open = 0;
    whenModal([](WindowImplBase& w) { w.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_TRUE(ShowAboutWindow(nullptr, open));
    EXPECT_FALSE(ui.loop().quitting());
}

TEST_F(DialogTest, MessageBoxWithoutABuildableSkinAnswersZeroAtOnce) {
    test::TempHome home;
    test::writeBytes(home.root() / "broken" / "XML_MSG", "<Window size='440,232'><VerticalLayout");
    bool ran = false;
    whenModal([&](WindowImplBase& w) {
        ran = true;
        w.Close(5);
    });
    for (const char* folder : {"missing", "broken"}) {
        CPaintManagerUI::SetResourcePath((home.root() / folder).string());
        platform::DebugCapture debug;
        EXPECT_EQ(ShowMessageBox(nullptr, {}, "message_text_4", 96, true, 1), 0) << folder;
        EXPECT_FALSE(ran) << folder;
        ASSERT_EQ(debug.lines().size(), 1u) << folder << ": " << debug.lines().front();
        EXPECT_NE(debug.lines()[0].find("XML_MSG"), std::string::npos) << debug.lines()[0];
        // The empty box is gone: nothing is left to receive messages.
        EXPECT_EQ(CWindowWnd::PostToAllWindows(WM_USER), 0) << folder;
    }
}

TEST_F(DialogTest, ModalWindowIsNotMinimisedWhileItsOwnerWaits) {
    UiWindowHandle open = 0;
    bool iconic = true;
    bool visible = false;
    whenModal([&](WindowImplBase& w) {
        control(w, "minbtn")->Activate();
        w.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        iconic = w.IsIconic();
        visible = w.IsWindowVisible();
        control(w, "closebtn")->Activate();
    });
    EXPECT_TRUE(ShowAboutWindow(nullptr, open));
    EXPECT_FALSE(iconic);
    EXPECT_TRUE(visible);
}

TEST_F(DialogTest, AboutWindowTakesTheScaleUnderTheRule) {
    struct Seen {
        int dpi = 0;
        UiSize size;
    } shown;
    whenModal([&](WindowImplBase& w) {
        shown = {static_cast<CFrameButtonWnd&>(w).GetDPI(), w.GetClientSize()};
        control(w, "closebtn")->Activate();
    });
    UiWindowHandle open = 0;
    ShowAboutWindow(nullptr, open, 144);
    EXPECT_EQ(shown.dpi, 144);
    EXPECT_EQ(shown.size, (UiSize{1200, 858}));

    platform::DebugCapture debug;
    ShowAboutWindow(nullptr, open, 100);
    EXPECT_EQ(shown.dpi, 96);
    EXPECT_EQ(shown.size, (UiSize{800, 572}));
    EXPECT_EQ(debug.lines(), (std::vector<std::string>{"ABOUT_WND DPI SET ERROR"}));

    // Without a scale of its own it takes its owner's.
    class Owner : public WindowImplBase {
      public:
        std::string GetWindowClassName() const override { return "OwnerWnd"; }
        std::string GetSkinFile() const override {
            return "<Window size='500,400'><Control name='root'/></Window>";
        }
    } owner;
    owner.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0);
    owner.GetPaintManager().SetDPI(120);
    ShowAboutWindow(&owner, open);
    EXPECT_EQ(shown.dpi, 120);
    EXPECT_EQ(shown.size, (UiSize{1000, 715}));
    CPaintManagerUI::SetAllDPI(96);
}

TEST_F(DialogTest, DpiChangedMessageFollowsTheScaleRule) {
    std::vector<int> dpis;
    std::vector<std::string> lines;
    whenModal([&](WindowImplBase& w) {
        platform::DebugCapture debug;
        UiRect proposed{10, 20, 10 + 770, 20 + 406};
        for (uintptr_t dpi : {168u, 100u, 72u}) {
            w.SendMessage(WM_DPICHANGED, dpi | (dpi << 16), reinterpret_cast<intptr_t>(&proposed));
            dpis.push_back(static_cast<CFrameButtonWnd&>(w).GetDPI());
        }
        lines = debug.lines();
        EXPECT_EQ(w.GetWindowRect(), proposed);
        control(w, "confirm_btn")->Activate();
    });
    ShowMessageBox(nullptr, {}, "message_text_4", 96, true, 0);
    EXPECT_EQ(dpis, (std::vector<int>{168, 96, 72}));
    EXPECT_EQ(lines, (std::vector<std::string>{"MSG_WND DPI SET ERROR"}));
    CPaintManagerUI::SetAllDPI(96);
}
