#include <gtest/gtest.h>
#include <json/json.h>

#include <filesystem>
#include <functional>
#include <string>

#include "storage/DataFile.h"
#include "support/TempHome.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/profiles/DeviceProfileUI.h"
#include "ui_framework/UiTestSupport.h"

using namespace vorn;
using namespace vorn::ui;
namespace fs = std::filesystem;

namespace {

const std::string kSkin = std::string(VORN_SOURCE_DIR) + "/resources/skin";

// A page with the window's tab headers and the profile control from its layout file.
const char* kPage = R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="600,400">
  <Include source="common/style.xml"/>
  <VerticalLayout name="root">
    <HorizontalLayout height="40">
      <Option name="cursor_Op_tab"/><Option name="macro_Op_tab"/><Option name="system_Op_tab"/>
      <Option name="key_Op_tab"/><Option name="6533_voice_Op_tab" visible="false"/>
      <Option name="magic_Op_tab" visible="false"/><Option name="Virtual7.1_Op_tab" visible="false"/>
    </HorizontalLayout>
    <Include source="XML/CustomControlXML/DeviceProfile.xml"/>
  </VerticalLayout>
</Window>)";

class DeviceProfileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath(kSkin);
        CResourceManager::GetInstance().LoadLanguage("lan_en.xml");
        CDeviceProfileUI::Register();
        Json::Value factory;
        factory["Device"][0]["KeyList"][0]["Assignment"] = 1052672;
        fs::create_directories(defaults.parent_path());
        storage::WriteJsonFile(defaults.string(), factory);
        tree = std::make_unique<test::BuiltTree>(kPage);
        control = tree->find<CDeviceProfileUI>("device_profile");
    }
    void TearDown() override {
        CWindowWnd::SetModalHook({});
        CResourceManager::GetInstance().ResetTextMap();
        CPaintManagerUI::SetResourcePath("");
    }

    void start(catalogue::DeviceType type = catalogue::DeviceType::Mouse) {
        control->SetDeviceType(type);
        control->SetFolders(folder.string(), defaults.string());
        control->InitList();
    }
    CComboUI* combo() { return tree->find<CComboUI>("device_profile_combo"); }
    CEditUI* nameField() { return tree->find<CEditUI>("device_profile_name_edit"); }
    bool visible(const char* name) { return tree->pm.FindControl(name)->IsVisibleSelf(); }
    std::vector<std::string> rows() {
        std::vector<std::string> texts;
        for (int i = 0; i < combo()->GetCount(); ++i) {
            texts.push_back(combo()->GetItemAt(i)->GetText());
        }
        return texts;
    }
    Json::Value list() { return storage::ReadJsonFile((folder / "ProfileList.ini").string()); }

    test::TempHome home;
    ScopedManualUiLoop ui;
    fs::path folder = home.dataHome() / "VORN  8K Gaming Mouse" / "VORN-T4";
    fs::path defaults = home.root() / "DefaultData" / "VORN-T4.Json";
    std::unique_ptr<test::BuiltTree> tree;
    CDeviceProfileUI* control = nullptr;
};

}  // namespace

TEST_F(DeviceProfileTest, LayoutHasTheNamedControlsAndTheButtonsTheWindowRoutes) {
    ASSERT_NE(control, nullptr);
    EXPECT_NE(control->GetInterface("DeviceProfile"), nullptr);
    ASSERT_NE(combo(), nullptr);
    ASSERT_NE(nameField(), nullptr);
    for (const char* name :
         {"profile_menu_layout", "profile_fun_spread_btn", "device_profile_edit_save_btn",
          "device_add_btn", "device_copy_btn", "device_sub_btn", "device_import_btn",
          "device_export_btn", "device_reset_btn"}) {
        EXPECT_NE(tree->pm.FindControl(name), nullptr) << name;
    }
    EXPECT_EQ(tree->pm.FindControl("device_add_btn")->GetToolTip(), "New");
    EXPECT_FALSE(control->IsPanelShown());
    control->ShowPanel(!control->IsPanelShown());
    EXPECT_TRUE(control->IsPanelShown());
    control->ShowPanel(false);
    EXPECT_FALSE(visible("profile_menu_layout"));
}

TEST_F(DeviceProfileTest, InitListFillsTheComboAndHidesTabHeadersByDeviceType) {
    start(catalogue::DeviceType::Headset);
    EXPECT_EQ(rows(), std::vector<std::string>{"Profile1"});
    EXPECT_EQ(control->GetSelectedIndex(), 0);
    EXPECT_EQ(control->GetProfileCount(), 1);
    EXPECT_EQ(combo()->GetText(), "Profile1");
    EXPECT_EQ(control->GetNameFieldText(), "Profile1");
    EXPECT_EQ(control->GetCurrentProfileId(), list()["profilelist"][0]["profileUUID"].asString());
    for (const char* hidden : {"cursor_Op_tab", "macro_Op_tab", "system_Op_tab", "key_Op_tab"}) {
        EXPECT_FALSE(visible(hidden)) << hidden;
    }
    for (const char* shown : {"6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}) {
        EXPECT_TRUE(visible(shown)) << shown;
    }
    EXPECT_TRUE(tree->recorder.of("itemselect").empty());
}

TEST_F(DeviceProfileTest, KeyboardHidesOnlyTheCursorTab) {
    start(catalogue::DeviceType::Keyboard);
    EXPECT_FALSE(visible("cursor_Op_tab"));
    EXPECT_TRUE(visible("macro_Op_tab"));
    EXPECT_FALSE(visible("magic_Op_tab"));
}

TEST_F(DeviceProfileTest, OperationsKeepTheComboAndNameFieldInStepWithTheList) {
    start();
    EXPECT_TRUE(control->NewProfile().done);
    EXPECT_TRUE(control->CopyProfile().done);
    EXPECT_EQ(rows(), (std::vector<std::string>{"Profile1", "Profile2", "Profile1 copy"}));
    EXPECT_EQ(control->GetSelectedIndex(), 0);

    control->SelectProfile(2, false);
    EXPECT_TRUE(tree->recorder.of("itemselect").empty());
    EXPECT_EQ(control->GetNameFieldText(), "Profile1 copy");
    EXPECT_EQ(list()["profileselect"].asInt(), 2);
    control->SelectProfile(1, true);
    EXPECT_EQ(tree->recorder.of("itemselect"),
              std::vector<std::string>{"itemselect:device_profile_combo"});
    control->SelectProfile(7, false);  // no such profile: nothing changes
    EXPECT_EQ(control->GetSelectedIndex(), 1);

    nameField()->SetText("Sniper");
    EXPECT_EQ(control->RenameProfile(control->GetNameFieldText()), profiles::kRenameDone);
    EXPECT_EQ(combo()->GetText(), "Sniper");
    EXPECT_EQ(control->RenameProfile("PROFILE1"), profiles::kRenameNameUsed);
    EXPECT_EQ(combo()->GetText(), "Sniper");
    EXPECT_EQ(control->GetNameFieldText(), "Sniper");

    EXPECT_TRUE(control->DeleteProfile().done);
    EXPECT_EQ(rows(), (std::vector<std::string>{"Profile1", "Profile1 copy"}));
    EXPECT_EQ(control->GetSelectedIndex(), 0);
    EXPECT_EQ(control->GetNameFieldText(), "Profile1");

    // Another page of the model adds a profile; this one shows it after ReloadList.
    profiles::ProfileLibrary other;
    other.SetFolders(folder.string(), defaults.string());
    other.InitList();
    other.NewProfile();
    control->ReloadList();
    EXPECT_EQ(control->GetProfileCount(), 3);

    const fs::path exported = home.root() / "Profile1.json";
    EXPECT_TRUE(control->ExportProfile(exported.string()));
    EXPECT_TRUE(control->ImportProfile(exported.string()).done);
    EXPECT_EQ(rows().back(), "Profile1(1)");
    EXPECT_TRUE(control->ResetProfile());
}

TEST_F(DeviceProfileTest, TheFiftyFirstProfileShowsTheFullListMessage) {
    start();
    for (int i = 1; i < profiles::kMaxProfiles; ++i) {
        ASSERT_TRUE(control->NewProfile().done);
    }
    std::string shown;
    CWindowWnd::SetModalHook([&](CWindowWnd& w) {
        auto& box = static_cast<WindowImplBase&>(w);
        shown = box.GetPaintManager().FindControl("MessageText")->GetText();
        box.GetPaintManager().FindControl("confirm_btn")->Activate();
    });
    const profiles::ProfileOutcome refused = control->NewProfile();
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.messageKey, "message_text_32");
    EXPECT_EQ(shown, CResourceManager::GetInstance().GetText("message_text_32"));
    EXPECT_EQ(control->GetProfileCount(), 50);

    shown.clear();
    EXPECT_FALSE(control->CopyProfile().done);  // silently
    EXPECT_TRUE(shown.empty());
}
