#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ui/controls/DeviceOptionUI.h"
#include "ui/controls/DeviceTileLook.h"
#include "ui/controls/MpDevicePowerUI.h"
#include "ui/controls/PowerStateLook.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/drawing/DrawInfo.h"
#include "ui_controls/ControlsTestSupport.h"

using namespace vorn;
using namespace vorn::ui;
namespace fs = std::filesystem;

namespace {

const std::string kSkin = std::string(VORN_SOURCE_DIR) + "/resources/skin";

// A window whose root is the container the main window adds the built layout to.
struct SkinTree : test::CustomControlCallback {
    explicit SkinTree(std::string_view layout) {
        CPaintManagerUI::SetResourcePath(kSkin);
        CDialogBuilder builder;
        root = builder.Create(layout, {}, this, &pm);
        if (root != nullptr) {
            pm.AttachDialog(root);
        }
        pm.AddNotifier(&recorder);
    }
    CPaintManagerUI pm;
    CControlUI* root = nullptr;
    test::NotifyRecorder recorder;
};

bool pictureExists(std::string_view image) {
    TDrawInfo info = TDrawInfo::Parse(image);
    return !info.sImageName.empty() && fs::is_regular_file(kSkin + "/" + info.sImageName);
}

}  // namespace

TEST(SkinLayouts, ThePowerPanelLayoutHoldsEveryPartAndShowsABlock) {
    SkinTree t(CMpDevicePowerUI::kLayoutFile);
    auto* panel = dynamic_cast<CMpDevicePowerUI*>(t.root);
    ASSERT_NE(panel, nullptr);
    for (std::string_view name : CMpDevicePowerUI::kPartNames) {
        EXPECT_NE(t.pm.FindSubControlByName(panel, name), nullptr) << name;
    }
    ASSERT_NE(t.pm.FindSubControlByName(panel, CMpDevicePowerUI::kPowerLayoutName), nullptr);
    panel->setPanelKind(2, 0);
    const std::vector<uint8_t> block = {42, 1, 0, 1, 0, 0};
    panel->showPowerState(block);
    EXPECT_EQ(t.pm.FindControl("device_power_value")->GetText(), "42%");
    EXPECT_TRUE(t.pm.FindControl("device_wuxian_logo_text")->IsVisible());
    EXPECT_TRUE(t.pm.FindControl("device_powering_status_text")->IsVisible());
}

TEST(SkinLayouts, TheTileLayoutHoldsItsOptionAndHiddenBox) {
    SkinTree t("XML\\CustomControlXML\\DeviceOption.xml");
    auto* tile = dynamic_cast<CDeviceOptionUI*>(t.root);
    ASSERT_NE(tile, nullptr);
    auto* option = dynamic_cast<COptionUI*>(t.pm.FindControl("device_select"));
    ASSERT_NE(option, nullptr);
    EXPECT_FALSE(t.pm.FindControl("synchro_device_select")->IsVisible());
    tile->setDeviceKind(3, 1);
    EXPECT_EQ(option->GetNormalImage(), "common/device_ico/soft_mp_device_normal.png");
    tile->setSynchronised(true);
    EXPECT_EQ(option->GetSelectedImage(), "common/device_ico/soft_mp_device_synchro_selected.png");
}

TEST(SkinLayouts, EveryPictureTheControlsNameIsInTheSkin) {
    std::vector<std::string> images;
    for (const DeviceTileLook& look : kDeviceTileLooks) {
        DeviceTileImages i = deviceTileImagesOf(look.imageBase);
        images.insert(images.end(), {i.normal, i.selected, i.synchroNormal, i.synchroSelected});
    }
    DeviceTileImages unknown = deviceTileImagesOf(kUnknownTileLook.imageBase);
    images.insert(images.end(), {unknown.normal, unknown.selected, unknown.synchroNormal,
                                 unknown.synchroSelected});
    for (std::string_view image :
         {power::kWirelessLinkImage, power::kCableLinkImage, power::kPoweringImage,
          power::kBatteryImage, power::kIdleImage, power::kNoPhone.image}) {
        images.emplace_back(image);
    }
    for (const power::PhoneLook& look : power::kPhoneLooks) {
        images.emplace_back(look.image);
    }
    for (const std::string& image : images) {
        EXPECT_TRUE(pictureExists(image)) << image;
    }
}
