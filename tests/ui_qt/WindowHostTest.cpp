// The desktop side of realised windows: keys as virtual-key codes, modal windows over their
// owner, window states and pointer and display changes made by the desktop.

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QWindow>

#include <set>

#include "QtTestSupport.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/framework/windows/dialogs/AboutWnd.h"
#include "ui/framework/windows/dialogs/MsgWnd.h"
#include "ui/qt/KeyMap.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/TreeRealiser.h"

using namespace vorn;
using namespace vorn::ui;
using namespace vorn::ui::qt;

TEST(KeyMap, QtKeysBecomeTheSystemsVirtualKeys) {
    struct Expected {
        int qtKey;
        uint32_t vk;
    };
    for (Expected e : {Expected{Qt::Key_Left, 0x25},
                       {Qt::Key_Up, 0x26},
                       {Qt::Key_Right, 0x27},
                       {Qt::Key_Down, 0x28},
                       {Qt::Key_Tab, 0x09},
                       {Qt::Key_Backtab, 0x09},
                       {Qt::Key_Backspace, 0x08},
                       {Qt::Key_Return, 0x0D},
                       {Qt::Key_Enter, 0x0D},
                       {Qt::Key_Escape, 0x1B},
                       {Qt::Key_Space, 0x20},
                       {Qt::Key_PageUp, 0x21},
                       {Qt::Key_PageDown, 0x22},
                       {Qt::Key_End, 0x23},
                       {Qt::Key_Home, 0x24},
                       {Qt::Key_Insert, 0x2D},
                       {Qt::Key_Delete, 0x2E},
                       {Qt::Key_Shift, 0x10},
                       {Qt::Key_Control, 0x11},
                       {Qt::Key_Alt, 0x12},
                       {Qt::Key_A, 0x41},
                       {Qt::Key_Z, 0x5A},
                       {Qt::Key_0, 0x30},
                       {Qt::Key_9, 0x39},
                       {Qt::Key_F1, 0x70},
                       {Qt::Key_F12, 0x7B},
                       {Qt::Key_F24, 0x87},
                       {Qt::Key_Minus, 0xBD},
                       {Qt::Key_Comma, 0xBC},
                       {Qt::Key_Slash, 0xBF}}) {
        EXPECT_EQ(virtualKeyOf(e.qtKey), e.vk) << std::hex << e.qtKey;
    }
    EXPECT_EQ(virtualKeyOf(Qt::Key_VolumeUp), 0u);
    EXPECT_EQ(virtualKeyOf(Qt::Key_unknown), 0u);

    // No key appears twice and every row names a code.
    std::set<int> keys;
    for (const KeyRow& row : keyTable()) {
        EXPECT_TRUE(keys.insert(row.qtKey).second) << std::hex << row.qtKey;
        EXPECT_NE(row.virtualKey, 0u);
        EXPECT_EQ(virtualKeyOf(row.qtKey), row.virtualKey);
    }
}

namespace {

const char* kOwnerSkin = R"(<Window size="400,300" caption="0,0,0,40" roundcorner="10,10">
  <VerticalLayout name="root" bkcolor="#FF15171C">
    <Label name="title" text="Owner" height="40"/>
    <HorizontalLayout height="20">
      <Label name="cut" text="A profile name far too long for its place" endellipsis="true"
             width="90"/>
      <Label name="marked" showhtml="true" text="&lt;b&gt;Hot&lt;/b&gt; &lt;c #FFFF0000&gt;red&lt;/c&gt;&lt;n&gt;x&amp;y"/>
    </HorizontalLayout>
    <Button name="apply" text="Apply" height="30"/>
    <Edit name="value" height="28"/>
    <Label name="link" text="more" cursor="hand" height="20"/>
  </VerticalLayout>
</Window>)";

// A window that records the desktop's messages.
class OwnerWindow final : public WindowImplBase {
  public:
    std::string GetWindowClassName() const override { return "OwnerWnd"; }
    std::string GetSkinFile() const override { return kOwnerSkin; }
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override {
        if (message == WM_KEYDOWN || message == WM_MOUSEHOVER || message == WM_MOUSELEAVE ||
            message == WM_DISPLAYCHANGE) {
            seen.push_back({message, wParam, lParam});
        }
        return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
    }
    std::vector<uint32_t> ids() const {
        std::vector<uint32_t> out;
        for (const auto& m : seen) {
            out.push_back(m.id);
        }
        return out;
    }
    std::vector<platform::Message> seen;
};

class WindowHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::qtApp();
        CPaintManagerUI::SetResourcePath(std::string(VORN_SOURCE_DIR) + "/resources/skin");
        CResourceManager::GetInstance().LoadLanguage("lan_en.xml");
        ui_ = std::make_unique<QtUi>("/nonexistent-font-folder/");
        ASSERT_TRUE(owner_.Create(nullptr, "owner", WS_POPUP | WS_VISIBLE, 0));
        settle();
        top_ = ui_->windows().widgetOf(&owner_);
        ASSERT_NE(top_, nullptr);
        owner_.seen.clear();
    }
    void TearDown() override {
        CWindowWnd::SetModalHook({});
        owner_.DestroyWindow();
        settle();
        ui_.reset();
        CResourceManager::GetInstance().ResetTextMap();
        CPaintManagerUI::SetResourcePath("");
    }
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    QWidget* widgetOf(const char* name) {
        return top_->realiser()->widgetFor(owner_.GetPaintManager().FindControl(name));
    }

    std::unique_ptr<QtUi> ui_;
    OwnerWindow owner_;
    RealisedWindow* top_ = nullptr;
};

}  // namespace

TEST_F(WindowHostTest, KeysReachTheWindowAsVirtualKeys) {
    // (Tab moves the focus between the native widgets first.)
    QTest::keyClick(top_, Qt::Key_Left);
    QTest::keyClick(top_, Qt::Key_Home);
    QTest::keyClick(top_, Qt::Key_VolumeUp);  // no code: not sent
    QTest::keyClick(top_, Qt::Key_F5);
    ASSERT_EQ(owner_.seen.size(), 3u);
    EXPECT_EQ(owner_.seen[0].wParam, 0x25u);
    EXPECT_EQ(owner_.seen[1].wParam, 0x24u);
    EXPECT_EQ(owner_.seen[2].wParam, 0x74u);
}

TEST_F(WindowHostTest, ModalBoxBlocksItsOwnerWithoutChangingItsLook) {
    struct Inside {
        bool treeEnabled = false;
        bool widgetsEnabled = false;
        bool ownerDisabled = false;
        Qt::WindowModality modality = Qt::NonModal;
        bool transient = false;
        bool isModalWindow = false;
    } inside;
    CWindowWnd::SetModalHook([&](CWindowWnd& w) {
        RealisedWindow* box = ui_->windows().widgetOf(&w);
        CPaintManagerUI& pm = owner_.GetPaintManager();
        inside.treeEnabled =
            pm.FindControl("apply")->IsEnabled() && pm.FindControl("value")->IsEnabled();
        inside.widgetsEnabled =
            widgetOf("apply")->isEnabled() && widgetOf("value")->isEnabled() && top_->isEnabled();
        inside.ownerDisabled = !owner_.IsWindowEnabled();
        inside.modality = box->windowModality();
        inside.transient = box->windowHandle() != nullptr &&
                           box->windowHandle()->transientParent() == top_->windowHandle();
        inside.isModalWindow = QGuiApplication::modalWindow() == box->windowHandle();
        w.Close(1);
    });
    EXPECT_EQ(ShowMessageBox(&owner_, "Notice", "Proceed?", 96, false, 1), 1);
    EXPECT_TRUE(inside.treeEnabled);
    EXPECT_TRUE(inside.widgetsEnabled);
    EXPECT_TRUE(inside.ownerDisabled);
    EXPECT_EQ(inside.modality, Qt::WindowModal);
    EXPECT_TRUE(inside.transient);
    EXPECT_TRUE(inside.isModalWindow);
    settle();
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
    EXPECT_TRUE(owner_.IsWindowEnabled());
}

TEST_F(WindowHostTest, WindowManagerMinimiseAndMaximiseReachTheTree) {
    top_->setWindowState(Qt::WindowMinimized);
    settle();
    EXPECT_TRUE(owner_.IsIconic());
    EXPECT_TRUE(owner_.IsWindowVisible());
    top_->setWindowState(Qt::WindowNoState);
    settle();
    EXPECT_FALSE(owner_.IsIconic());

    top_->setWindowState(Qt::WindowMaximized);
    settle();
    EXPECT_TRUE(owner_.IsZoomed());
    EXPECT_EQ(owner_.GetWindowRect(), ui_->windows().workArea(&owner_));
    top_->setWindowState(Qt::WindowNoState);
    settle();
    EXPECT_FALSE(owner_.IsZoomed());
    EXPECT_EQ(owner_.GetClientSize(), (UiSize{400, 300}));

    // Minimised by the tree, the window stays on the desktop (minimised, not hidden).
    owner_.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    settle();
    EXPECT_TRUE(top_->isMinimized());
    owner_.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    settle();
    EXPECT_FALSE(top_->isMinimized());
    EXPECT_TRUE(top_->isVisible());
}

TEST_F(WindowHostTest, ModalWindowMinimisedByTheDesktopComesBack) {
    bool iconic = true;
    bool minimised = true;
    bool visible = false;
    CWindowWnd::SetModalHook([&](CWindowWnd& w) {
        RealisedWindow* about = ui_->windows().widgetOf(&w);
        about->setWindowState(Qt::WindowMinimized);
        settle();
        iconic = w.IsIconic();
        minimised = about->isMinimized();
        visible = about->isVisible();
        w.Close(0);
    });
    UiWindowHandle open = 0;
    EXPECT_TRUE(ShowAboutWindow(&owner_, open));
    EXPECT_FALSE(iconic);
    EXPECT_FALSE(minimised);
    EXPECT_TRUE(visible);
}

TEST_F(WindowHostTest, PointerEntryExitAndDisplayChangesArriveAsMessages) {
    QEnterEvent enter(QPointF(12, 7), QPointF(12, 7), QPointF(12, 7));
    QCoreApplication::sendEvent(top_, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(top_, &leave);
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    emit screen->geometryChanged(screen->geometry());
    settle();
    ASSERT_EQ(owner_.ids(),
              (std::vector<uint32_t>{WM_MOUSEHOVER, WM_MOUSELEAVE, WM_DISPLAYCHANGE}));
    EXPECT_EQ(owner_.seen[0].lParam, makeLParam(12, 7));
    EXPECT_EQ(owner_.seen[2].wParam, static_cast<uintptr_t>(screen->depth()));
    EXPECT_EQ(owner_.seen[2].lParam,
              makeLParam(screen->geometry().width(), screen->geometry().height()));
}

TEST_F(WindowHostTest, PointerShapesComeFromTheTree) {
    EXPECT_EQ(widgetOf("apply")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(widgetOf("value")->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(widgetOf("title")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(widgetOf("link")->cursor().shape(), Qt::PointingHandCursor);
    owner_.GetPaintManager().FindControl("title")->SetCursor(UiCursor::SizeNS);
    EXPECT_EQ(widgetOf("title")->cursor().shape(), Qt::SizeVerCursor);
}

TEST_F(WindowHostTest, LabelsCutLongTextAndShowMarkupRuns) {
    auto* cut = qobject_cast<QLabel*>(widgetOf("cut"));
    ASSERT_NE(cut, nullptr);
    EXPECT_TRUE(cut->text().endsWith(QChar(0x2026))) << cut->text().toStdString();
    EXPECT_LE(cut->fontMetrics().horizontalAdvance(cut->text()), 90);
    owner_.GetPaintManager().FindControl("cut")->SetFixedWidth(390);
    settle();
    EXPECT_EQ(cut->text(), "A profile name far too long for its place");
    owner_.GetPaintManager().FindControl("cut")->SetText("Short");
    EXPECT_EQ(cut->text(), "Short");

    auto* marked = qobject_cast<QLabel*>(widgetOf("marked"));
    ASSERT_NE(marked, nullptr);
    EXPECT_EQ(marked->text(),
              "<b>Hot</b> <span style=\"color:rgba(255,0,0,255)\">red</span><br/>x&amp;y");
}

TEST_F(WindowHostTest, RoundCornersOfTheSkinShapeTheWindow) {
    QRegion shape = top_->mask();
    ASSERT_FALSE(shape.isEmpty());
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(399, 299)));
    EXPECT_TRUE(shape.contains(QPoint(10, 0)));
    EXPECT_TRUE(shape.contains(QPoint(200, 150)));
    QImage picture = ui_->grab(&owner_);
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(200, 150)), 255);

    owner_.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);  // square while maximised
    settle();
    EXPECT_TRUE(top_->mask().isEmpty());
    owner_.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    settle();
    EXPECT_FALSE(top_->mask().contains(QPoint(0, 0)));
}

TEST(StyleSheets, NativeWidgetsShowTheSkinsColoursAndImagesOnly) {
    test::qtApp();
    CPaintManagerUI::SetResourcePath(std::string(VORN_SOURCE_DIR) + "/resources/skin");
    CPaintManagerUI pm;
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(R"(<Window size="300,200">
      <Default class="ScrollBar" thumbcolor="#A0010203" thumbhotcolor="#C0040506"/>
      <VerticalLayout name="root" vscrollbar="true">
        <CheckBox name="check" selectedbkcolor="#FF0A0B0C" indicatorbordercolor="#FF111213"
                  checkimage="common/check.svg"/>
        <Slider name="slider" thumbcolor="#FF212223" forecolor="#FF313233"/>
        <Combo name="combo" arrowimage="common/arrow_down.svg" hotbordercolor="#FF515253"/>
        <Combo name="bare"/>
      </VerticalLayout></Window>)",
                                   {}, nullptr, &pm));
    QWidget host;
    host.resize(300, 200);
    TreeRealiser realiser(pm, &host);
    auto sheet = [&](const char* name) {
        return realiser.widgetFor(pm.FindControl(name))->styleSheet().toStdString();
    };
    auto has = [](const std::string& s, const char* part) {
        return s.find(part) != std::string::npos;
    };
    std::string check = sheet("check");
    EXPECT_TRUE(has(check, "rgba(10,11,12,255)")) << check;
    EXPECT_TRUE(has(check, "rgba(17,18,19,255)")) << check;
    EXPECT_TRUE(has(check, "common/check.svg")) << check;
    std::string slider = sheet("slider");
    EXPECT_TRUE(has(slider, "rgba(33,34,35,255)")) << slider;
    EXPECT_TRUE(has(slider, "rgba(49,50,51,255)")) << slider;
    std::string combo = sheet("combo");
    EXPECT_TRUE(has(combo, "common/arrow_down.svg")) << combo;
    EXPECT_TRUE(has(combo, "rgba(81,82,83,255)")) << combo;
    // A combo the skin gives no arrow and no hover frame gets neither.
    std::string bare = sheet("bare");
    EXPECT_FALSE(has(bare, "image:url")) << bare;
    EXPECT_FALSE(has(bare, "rgba(226,59,78")) << bare;
    auto* area = realiser.widgetFor(pm.FindControl("root"))->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    std::string scroll = area->styleSheet().toStdString();
    EXPECT_TRUE(has(scroll, "rgba(1,2,3,160)")) << scroll;
    EXPECT_TRUE(has(scroll, "rgba(4,5,6,192)")) << scroll;
    CPaintManagerUI::SetResourcePath("");
}
