// The rows of the control dispatch for a device page's profile control: new, copy, delete,
// rename, import and export, and the panel that holds them. Each works on the current page's
// profile list; when the page's profile changes, the page takes the new one (the profile
// switch), so that it never goes on working on a profile that was deleted.

#include "platform/shell/FileDialogs.h"
#include "ui/mainwnd/MainWnd.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::ui::mainwnd {
namespace {

constexpr const char* kProfileFilter = "Profile Files(*.json) | *.json |";

}  // namespace

CDeviceProfileUI* CMainWnd::currentProfiles() const {
    devices::CTessarinUSBDevice* page = currentDevice();
    return page != nullptr ? page->profileControl() : nullptr;
}

void CMainWnd::addProfileRows() {
    dispatch_.on(DUI_MSGTYPE_CLICK, "profile_fun_spread_btn", [this](TNotifyUI&) {
        if (CDeviceProfileUI* profiles = currentProfiles()) {
            profiles->ShowPanel(!profiles->IsPanelShown());
        }
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_add_btn", [this](TNotifyUI&) {
        CDeviceProfileUI* profiles = currentProfiles();
        if (profiles == nullptr || !askUser("message_text_27")) {
            return;
        }
        profiles->NewProfile();
        // Every page of the model shows the longer list.
        selector_->forEachPage([](devices::CTessarinUSBDevice& page) {
            if (CDeviceProfileUI* list = page.profileControl()) {
                list->ReloadList();
            }
        });
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_copy_btn", [this](TNotifyUI&) {
        CDeviceProfileUI* profiles = currentProfiles();
        if (profiles != nullptr && askUser("message_text_26")) {
            profiles->CopyProfile();
        }
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_sub_btn", [this](TNotifyUI&) {
        CDeviceProfileUI* profiles = currentProfiles();
        if (profiles != nullptr && askUser("message_text_29") && profiles->DeleteProfile().done) {
            switchProfile();  // the list selects another: the page takes it
        }
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_profile_edit_save_btn", [this](TNotifyUI&) {
        CDeviceProfileUI* profiles = currentProfiles();
        const std::string name = profiles != nullptr ? profiles->GetNameFieldText() : "";
        if (name.empty()) {
            return;
        }
        const std::string_view message = profiles::RenameMessageKey(profiles->RenameProfile(name));
        if (!message.empty()) {
            tellUser(message);
        }
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_export_btn", [this](TNotifyUI&) {
        CDeviceProfileUI* profiles = currentProfiles();
        if (profiles == nullptr) {
            return;
        }
        const auto path = platform::fileDialogs().saveFile({"", kProfileFilter, "json"});
        if (path && !path->empty()) {
            profiles->ExportProfile(*path);
        }
    });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_import_btn", [this](TNotifyUI&) {
        CDeviceProfileUI* profiles = currentProfiles();
        if (profiles == nullptr) {
            return;
        }
        const auto path = platform::fileDialogs().openFile({"", kProfileFilter, "json"});
        if (path && !path->empty() && profiles->ImportProfile(*path).done) {
            // The imported profile is the last of the list: the page switches to it.
            profiles->SelectProfile(profiles->GetProfileCount() - 1, false);
            switchProfile();
        }
    });
}

}  // namespace vorn::ui::mainwnd
