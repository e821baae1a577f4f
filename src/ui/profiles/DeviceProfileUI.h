#pragma once
// CDeviceProfileUI: the profile control of a device page. It owns the page's profile
// library (the model's profile list and profile files) and mirrors it in its child
// controls: the combo "device_profile_combo" (one row per profile, in list order, the
// selected profile selected), the name field "device_profile_name_edit" (the selected
// profile's name, edited for a rename) and the panel "profile_menu_layout" (the profile
// buttons the main window routes here). Its layout is "XML/CustomControlXML/DeviceProfile.xml".

#include <string>
#include <string_view>

#include "catalogue/DeviceSlot.h"
#include "profiles/ProfileLibrary.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {

class CComboUI;
class CEditUI;
class CWindowWnd;

class CDeviceProfileUI : public CVerticalLayoutUI {
  public:
    // The layout file of the control, below the skin folder.
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/DeviceProfile.xml";
    // Registers the control class under "CDeviceProfileUI" and "DeviceProfile" (the element
    // name of its layout), so layouts built without a builder callback can make it.
    static void Register();

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;

    void SetDeviceType(catalogue::DeviceType type);
    // The device data folder of the model and its default profile file.
    void SetFolders(const std::string& deviceDataFolder, const std::string& defaultProfilePath);
    // The window message boxes are shown over (none: no parent).
    void SetOwnerWindow(CWindowWnd* owner) { owner_ = owner; }

    // Reads or creates the list, fills the combo, selects "profileselect" and hides the
    // tab headers of the window that the device type does not use.
    void InitList();
    // Reads the list again, refills the combo and selects "profileselect".
    void ReloadList();
    // Selects profile index in the combo (raising "itemselect" only when event is true),
    // shows its name in the name field and records the selection in the list file.
    void SelectProfile(int index, bool event);
    // The combo's selection (-1: none) and row count.
    int GetSelectedIndex() const;
    int GetProfileCount() const;
    const std::string& GetCurrentProfileId() const { return library_.GetCurrentProfileId(); }
    void RefreshCurrentProfileId() { library_.RefreshCurrentProfileId(); }

    // The operations of the profile buttons. NewProfile shows "message_text_32" when the
    // list is full; the others report through their results and leave messages to the
    // main window.
    profiles::ProfileOutcome NewProfile();
    profiles::ProfileOutcome CopyProfile();
    int RenameProfile(const std::string& name);
    profiles::ProfileOutcome DeleteProfile();
    profiles::ProfileOutcome ImportProfile(const std::string& path);
    bool ExportProfile(const std::string& path);
    bool ResetProfile();

    // The text of "device_profile_name_edit".
    std::string GetNameFieldText() const;
    // Visibility of "profile_menu_layout".
    void ShowPanel(bool shown);
    bool IsPanelShown() const;

    const profiles::ProfileLibrary& Library() const { return library_; }

  private:
    CControlUI* child(std::string_view name) const;
    CComboUI* combo() const;
    CEditUI* nameField() const;
    CControlUI* panel() const;
    // Makes the combo rows and selection and the name field show the library's list.
    void showList(bool event);
    void applyTabHeaders();
    void showMessage(std::string_view key);

    profiles::ProfileLibrary library_;
    CWindowWnd* owner_ = nullptr;
};

}  // namespace vorn::ui
