#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/core/NotifyPump.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

class Window : public CNotifyPump, public INotifyUI {
  public:
    void Notify(TNotifyUI& msg) override { NotifyPump(msg); }
};

}  // namespace

TEST(NotifyPump, VirtualWindowsReceiveTheNotificationsOfTheirControls) {
    test::BuiltTree t(R"(<VerticalLayout>
        <HorizontalLayout virtualwnd="mainpage"><Button name="inPage"/></HorizontalLayout>
        <Button name="outside"/></VerticalLayout>)");
    Window window;
    CNotifyPump page;
    std::vector<std::string> seen;
    window.AddVirtualWnd("mainpage", &page);
    EXPECT_FALSE(window.AddVirtualWnd("mainpage", &page));
    page.OnNotifyType("click",
                      [&](TNotifyUI& m) { seen.push_back("page:" + m.pSender->GetName()); });
    window.OnNotifyControl("click", "outside",
                           [&](TNotifyUI&) { seen.push_back("window:outside"); });
    t.pm.AddNotifier(&window);

    t.pm.FindControl("inPage")->Activate();
    t.pm.FindControl("outside")->Activate();
    EXPECT_EQ(seen, (std::vector<std::string>{"page:inPage", "window:outside"}));

    window.RemoveVirtualWnd("mainpage");
    t.pm.FindControl("inPage")->Activate();  // now the window's own map, which has no handler
    EXPECT_EQ(seen.size(), 2u);
}
