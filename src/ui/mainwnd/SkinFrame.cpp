#include "ui/mainwnd/SkinFrame.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/debug/DebugSink.h"
#include "platform/settings/IniFile.h"
#include "platform/shell/FileDialogs.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui::mainwnd {

void SkinChangeNotices::add(ISkinChangeReceiver* receiver) {
    if (std::find(receivers_.begin(), receivers_.end(), receiver) == receivers_.end()) {
        receivers_.push_back(receiver);
    }
}

void SkinChangeNotices::remove(ISkinChangeReceiver* receiver) {
    receivers_.erase(std::remove(receivers_.begin(), receivers_.end(), receiver), receivers_.end());
}

void SkinChangeNotices::announce(const SkinChangedParam& change) {
    const std::vector<ISkinChangeReceiver*> receivers = receivers_;  // one may leave meanwhile
    for (ISkinChangeReceiver* receiver : receivers) {
        receiver->OnSkinChanged(change);
    }
}

SkinChangeNotices& skinChangeNotices() {
    static SkinChangeNotices notices;
    return notices;
}

void CSkinFrame::notePicture(bool chosen, const std::string& image) {
    const std::string file = userFolder_ + "main.ini";
    if (!platform::writeIniString(file, "SKINIMAGE", "FLAGS", chosen ? "1" : "0") ||
        !platform::writeIniString(file, "SKINIMAGE", "IMAGE", image)) {
        platform::debugPrintf("%s not written: %s", file.c_str(), std::strerror(errno));
    }
}

void CSkinFrame::Notify(TNotifyUI& msg) {
    if (msg.sType != DUI_MSGTYPE_CLICK || msg.pSender == nullptr) {
        WindowImplBase::Notify(msg);
        return;
    }
    const std::string name = msg.pSender->GetName();
    auto* tab = dynamic_cast<CTabLayoutUI*>(m_pm.FindControl("skin_tab"));
    if (name == "skin_color" || name == "skin_image") {
        if (tab != nullptr) {
            tab->SelectItem(name == "skin_color" ? 1 : 0);
        }
    } else if (name == "skin_color_btn") {
        skinChangeNotices().announce({true, msg.pSender->GetBkColor(), {}});
    } else if (name == "skin_image_btn") {
        const std::string image = msg.pSender->GetUserData();
        skinChangeNotices().announce({false, 0, image});
        notePicture(true, image);
    } else if (name == "skin_reset") {
        skinChangeNotices().announce({false, 0, kStandardBackground});
        notePicture(false, kStandardBackground);
    } else if (name == "skin_Custom") {
        const auto file =
            platform::fileDialogs().openFile({"", "(*.png) | *.png |(*.*)|*.*||", "png"});
        if (file) {
            skinChangeNotices().announce({false, 0, *file});
        }
    } else {
        WindowImplBase::Notify(msg);
    }
}

void CSkinFrame::OnFinalMessage(UiWindowHandle) {
    delete this;  // a pop-up owns itself
}

}  // namespace vorn::ui::mainwnd
