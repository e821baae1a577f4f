// The rows of the control dispatch that belong to the window itself and to its device
// selector: title bar, tray-side buttons, page tabs, tiles, and the editors' small helpers
// that need no device.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/Progress.h"
#include "ui/mainwnd/ControlValues.h"
#include "ui/mainwnd/MainWnd.h"
#include "ui/mainwnd/PageSections.h"

namespace vorn::ui::mainwnd {
namespace {

constexpr int kZeltaDpiMin = 200;
constexpr int kZeltaDpiMax = 6500;

// The light editor's colour sliders and the labels they write ("R %d").
struct SliderLabelRow {
    const char* slider;
    const char* label;
    const char* format;
};
constexpr SliderLabelRow kColourSliders[] = {
    {"R_light_slider", "R_light_label", "R %d"},
    {"G_light_slider", "G_light_label", "G %d"},
    {"B_light_slider", "B_light_label", "B %d"},
};

// The control of that name nearest to the sender: in the smallest container around the
// sender that holds one (pages of several devices carry controls of the same names).
CControlUI* nearestNamed(CControlUI* sender, const std::string& name) {
    for (CControlUI* c = sender; c != nullptr; c = c->GetParent()) {
        if (auto* container = interfaceOf<CContainerUI>(c, "Container")) {
            if (CControlUI* found = container->FindSubControl(name)) {
                return found;
            }
        }
    }
    return nullptr;
}

}  // namespace

void CMainWnd::addWindowRows() {
    dispatch_.onAny(DUI_MSGTYPE_WINDOWINIT, [this](TNotifyUI&) { onWindowInit(); });

    dispatch_.on(DUI_MSGTYPE_CLICK, "closebtn", [this](TNotifyUI&) { onCloseButton(); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "nodevice_ok_btn", [this](TNotifyUI&) {
        ShowWindow(false);
        tellPagesShown();
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "control_light_status",
                 [this](TNotifyUI&) { SetLightControl(!lightControlFlag_, true); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "minbtn",
                 [this](TNotifyUI&) { SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "maxbtn",
                 [this](TNotifyUI&) { SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "restorebtn",
                 [this](TNotifyUI&) { SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "skinbtn",
                 [this](TNotifyUI& msg) { openSkinFrame(msg.pSender); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "setbtn", [](TNotifyUI&) {
        platform::debugPrintf("setbtn: the settings window is not part of this build yet");
    });

    for (const PageSection& row : kPageSections) {
        const int page = row.pageNumber;
        dispatch_.on(DUI_MSGTYPE_SELECTCHANGED, row.tab, [this, page](TNotifyUI& msg) {
            auto* tab = interfaceOf<COptionUI>(msg.pSender, "Option");
            if (tab == nullptr || tab->IsSelected()) {
                showPageSection(page);
            }
        });
    }

    for (const SliderLabelRow& row : kColourSliders) {
        const std::string label = row.label;
        const char* format = row.format;
        dispatch_.on(DUI_MSGTYPE_VALUECHANGED, row.slider, [label, format](TNotifyUI& msg) {
            if (CControlUI* text = nearestNamed(msg.pSender, label)) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, format, sliderValue(msg.pSender));
                text->SetText(buffer);
            }
        });
    }

    // The pad's sensitivity editor: the slider writes its value into the edit while it
    // moves; the edit, when left, is clamped and moves the slider.
    dispatch_.onNumbered(
        DUI_MSGTYPE_MOVEVALUECHANGED, "zelta_DPI_slider_", [](TNotifyUI& msg, int n) {
            CControlUI* edit = nearestNamed(msg.pSender, "zelta_DPI_edit_" + std::to_string(n));
            if (edit != nullptr) {
                edit->SetText(std::to_string(sliderValue(msg.pSender)));
            }
        });
    dispatch_.onNumbered(DUI_MSGTYPE_KILLFOCUS, "zelta_DPI_edit_", [](TNotifyUI& msg, int n) {
        int value = platform::parseTypedInteger(msg.pSender->GetText());
        value = value < kZeltaDpiMin ? kZeltaDpiMin : value > kZeltaDpiMax ? kZeltaDpiMax : value;
        msg.pSender->SetText(std::to_string(value));
        auto* slider = interfaceOf<CSliderUI>(
            nearestNamed(msg.pSender, "zelta_DPI_slider_" + std::to_string(n)), "Slider");
        if (slider != nullptr) {
            slider->SetValue(value);
        }
    });
}

void CMainWnd::addSelectorRows() {
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_select_prev", [this](TNotifyUI&) {
        if (selector_) {
            selector_->selectPrevious();
        }
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_select_next", [this](TNotifyUI&) {
        if (selector_) {
            selector_->selectNext();
        }
    });
    const auto chooseTile = [this](TNotifyUI& msg) {
        if (selector_) {
            selector_->onTileChosen(msg.pSender);
        }
    };
    dispatch_.on(DUI_MSGTYPE_SELECTCHANGED, CDeviceOptionUI::kOptionName, chooseTile);
    dispatch_.on(DUI_MSGTYPE_SELECTCHANGED, "device_option", chooseTile);
    dispatch_.on(DUI_MSGTYPE_SELECTCHANGED, CDeviceOptionUI::kSynchroBoxName,
                 [this](TNotifyUI& msg) {
                     if (selector_) {
                         selector_->onSynchroBoxChanged(msg.pSender);
                     }
                 });
}

void CMainWnd::onCloseButton() {
    // Closing keeps the program in the tray; with no tray it ends the program, since a
    // hidden window could not be reached again.
    if (!tray_.IsVisible()) {
        Close(0);
        return;
    }
    HideToTray();
}

void CMainWnd::tellPagesShown() {
    const int shown = IsWindowVisible() && !IsIconic() ? 1 : 0;
    if (!selector_ || shown == shownToPages_) {
        return;
    }
    shownToPages_ = shown;
    selector_->forEachPage([shown](devices::CTessarinUSBDevice& page) {
        page.setWindowShown(shown);
        // Mice and keyboards rest their power polls while nobody sees them.
        if (page.deviceKind() == devices::kDeviceKindMouse ||
            page.deviceKind() == devices::kDeviceKindKeyboard) {
            page.setPowerPollStopped(shown == 0);
        }
    });
}

intptr_t CMainWnd::OnSize(uintptr_t wParam, intptr_t lParam, bool& handled) {
    const intptr_t result = WindowImplBase::OnSize(wParam, lParam, handled);
    tellPagesShown();  // minimised or back
    return result;
}

void CMainWnd::updatePageTabs() {
    const bool devices = selector_ && selector_->connectedCount() > 0;
    for (const PageSection& row : kPageSections) {
        if (CControlUI* tab = m_pm.FindControl(row.tab)) {
            tab->SetEnabled(devices);
        }
    }
}

void CMainWnd::showPageSection(int pageNumber) {
    if (!selector_) {
        return;
    }
    selector_->forEachPage(
        [pageNumber](devices::CTessarinUSBDevice& page) { page.selectPageSection(pageNumber); });
    for (const PageSection& row : kPageSections) {
        if (row.pageNumber != pageNumber) {
            continue;
        }
        if (auto* tab = interfaceOf<COptionUI>(m_pm.FindControl(row.tab), "Option")) {
            tab->Selected(true, false);
        }
    }
}

void CMainWnd::onEntryReport(std::uintptr_t position, std::intptr_t shown) {
    if (shown == 0) {
        platform::debugPrintf("2.4gcesvdfherhue 1");
    }
    if (selector_) {
        selector_->onEntryReport(static_cast<int>(position), shown != 0);
    }
    updatePageTabs();
}

void CMainWnd::sendEntryReport(int position, int shown) {
    SendMessage(kMsgEntryReport, static_cast<std::uintptr_t>(position), shown);
}

void CMainWnd::focusMainWindow() {
    if (CControlUI* focus = m_pm.FindControl("main_setfocus_test_btn")) {
        focus->SetFocus();
    }
}

}  // namespace vorn::ui::mainwnd
