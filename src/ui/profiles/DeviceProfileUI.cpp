#include "ui/profiles/DeviceProfileUI.h"

#include "profiles/TabHeaderRule.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/dialogs/MsgWnd.h"

namespace vorn::ui {
namespace {

constexpr char kCombo[] = "device_profile_combo";
constexpr char kNameField[] = "device_profile_name_edit";
constexpr char kPanel[] = "profile_menu_layout";

}  // namespace

void CDeviceProfileUI::Register() {
    for (std::string_view name : {"CDeviceProfileUI", "DeviceProfile"}) {
        CControlFactory::GetInstance().RegistControl(
            name, []() -> CControlUI* { return new CDeviceProfileUI; });
    }
}

std::string CDeviceProfileUI::GetClass() const {
    return "DeviceProfileUI";
}

void* CDeviceProfileUI::GetInterface(std::string_view name) {
    if (name == "DeviceProfile") {
        return this;
    }
    return CVerticalLayoutUI::GetInterface(name);
}

CControlUI* CDeviceProfileUI::child(std::string_view name) const {
    // Looking a child up does not change the tree; the search itself is not const.
    return const_cast<CDeviceProfileUI*>(this)->FindSubControl(name);
}

CComboUI* CDeviceProfileUI::combo() const {
    return dynamic_cast<CComboUI*>(child(kCombo));
}

CEditUI* CDeviceProfileUI::nameField() const {
    return dynamic_cast<CEditUI*>(child(kNameField));
}

CControlUI* CDeviceProfileUI::panel() const {
    return child(kPanel);
}

void CDeviceProfileUI::SetDeviceType(catalogue::DeviceType type) {
    library_.SetDeviceType(type);
}

void CDeviceProfileUI::SetFolders(const std::string& deviceDataFolder,
                                  const std::string& defaultProfilePath) {
    library_.SetFolders(deviceDataFolder, defaultProfilePath);
}

void CDeviceProfileUI::showList(bool event) {
    const std::vector<std::string>& names = library_.GetProfileNames();
    const int selected = library_.GetSelectedIndex();
    if (CComboUI* box = combo()) {
        bool same = box->GetCount() == static_cast<int>(names.size());
        for (int i = 0; same && i < box->GetCount(); ++i) {
            same = box->GetItemAt(i)->GetText() == names[static_cast<std::size_t>(i)];
        }
        if (!same) {
            box->RemoveAll();
            for (const std::string& name : names) {
                auto* row = new CListLabelElementUI;
                row->SetText(name);
                box->Add(row);
            }
        }
        if (selected >= 0 && (box->GetCurSel() != selected || event)) {
            box->SelectItem(selected, false, event);
        }
    }
    if (CEditUI* field = nameField()) {
        field->SetText(selected >= 0 ? names[static_cast<std::size_t>(selected)] : std::string());
    }
}

void CDeviceProfileUI::applyTabHeaders() {
    if (GetManager() == nullptr) {
        return;
    }
    const profiles::TabHeaderRule rule =
        profiles::TabHeadersFor(static_cast<int>(library_.GetDeviceType()));
    for (std::string_view name : rule.hidden) {
        if (CControlUI* tab = GetManager()->FindControl(name)) {
            tab->SetVisible(false);
        }
    }
    for (std::string_view name : rule.shown) {
        if (CControlUI* tab = GetManager()->FindControl(name)) {
            tab->SetVisible(true);
        }
    }
}

void CDeviceProfileUI::showMessage(std::string_view key) {
    const int dpi = GetManager() != nullptr ? GetManager()->GetDPIObj()->GetDPI() : 96;
    ShowMessageBox(owner_, {}, key, dpi, true, 0);
}

void CDeviceProfileUI::InitList() {
    library_.InitList();
    showList(false);
    applyTabHeaders();
}

void CDeviceProfileUI::ReloadList() {
    library_.ReloadList();
    showList(false);
}

void CDeviceProfileUI::SelectProfile(int index, bool event) {
    if (library_.SelectProfile(index)) {
        showList(event);
    }
}

int CDeviceProfileUI::GetSelectedIndex() const {
    const CComboUI* box = combo();
    return box != nullptr ? box->GetCurSel() : -1;
}

int CDeviceProfileUI::GetProfileCount() const {
    const CComboUI* box = combo();
    return box != nullptr ? box->GetCount() : 0;
}

profiles::ProfileOutcome CDeviceProfileUI::NewProfile() {
    profiles::ProfileOutcome outcome = library_.NewProfile();
    if (!outcome.messageKey.empty()) {
        showMessage(outcome.messageKey);
    }
    showList(false);
    return outcome;
}

profiles::ProfileOutcome CDeviceProfileUI::CopyProfile() {
    profiles::ProfileOutcome outcome = library_.CopyProfile();
    showList(false);
    return outcome;
}

int CDeviceProfileUI::RenameProfile(const std::string& name) {
    const int result = library_.RenameProfile(name);
    showList(false);
    return result;
}

profiles::ProfileOutcome CDeviceProfileUI::DeleteProfile() {
    profiles::ProfileOutcome outcome = library_.DeleteProfile();
    showList(false);
    return outcome;
}

profiles::ProfileOutcome CDeviceProfileUI::ImportProfile(const std::string& path) {
    profiles::ProfileOutcome outcome = library_.ImportProfile(path);
    showList(false);
    return outcome;
}

bool CDeviceProfileUI::ExportProfile(const std::string& path) {
    return library_.ExportProfile(path);
}

bool CDeviceProfileUI::ResetProfile() {
    return library_.ResetProfile();
}

std::string CDeviceProfileUI::GetNameFieldText() const {
    const CEditUI* field = nameField();
    return field != nullptr ? field->GetText() : std::string();
}

void CDeviceProfileUI::ShowPanel(bool shown) {
    if (CControlUI* p = panel()) {
        p->SetVisible(shown);
    }
}

bool CDeviceProfileUI::IsPanelShown() const {
    const CControlUI* p = panel();
    return p != nullptr && p->IsVisibleSelf();
}

}  // namespace vorn::ui
