#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/ApplicationFonts.h"
#include "support/TempHome.h"

using namespace vorn::shell;

namespace {

class RecordingRegistry final : public IFontRegistry {
  public:
    int add(const std::string& path) override {
        if (path.find("Nightjar") != std::string::npos) {
            return -1;  // a file the font system rejects
        }
        added.push_back(path);
        return static_cast<int>(added.size()) + 100;
    }
    void remove(int handle) override { removed.push_back(handle); }
    std::vector<std::string> added;
    std::vector<int> removed;
};

}  // namespace

TEST(ApplicationFonts, MissingAndRejectedFilesAreSkippedAndTheRestGoInReverse) {
    vorn::test::TempHome home;
    const std::string folder = home.root().string() + "/";
    for (std::string_view file : kApplicationFontFiles) {
        if (file != "Font/MiSans-Light.ttf") {  // one file deleted
            vorn::test::writeBytes(home.root() / std::string(file), "font");
        }
    }
    RecordingRegistry registry;
    {
        ApplicationFonts fonts(registry);
        EXPECT_EQ(fonts.load(folder), 6);
        EXPECT_EQ(fonts.loaded(),
                  (std::vector<std::string_view>{
                      "Font/Simplified_Chinese.ttf", "Font/NotoSansThai-Regular.ttf",
                      "Font/NotoSansCJKtc-Regular.otf", "Font/MiSans-Normal.ttf",
                      "Font/MiSans-Demibold.ttf", "Font/MiSans-Semibold.ttf"}));
        EXPECT_EQ(registry.added.front(), folder + "Font/Simplified_Chinese.ttf");
    }
    EXPECT_EQ(registry.removed, (std::vector<int>{106, 105, 104, 103, 102, 101}));
}

#include "shell/ControlClasses.h"
#include "ui/framework/controls/ControlFactory.h"

TEST(ControlClasses, TheTableInOrderAndTheClassesThisBuildHas) {
    EXPECT_EQ(kControlClassNames.front(), "CCircleProgressUI");
    EXPECT_EQ(kControlClassNames[9], "CComboEditContainerElementUI");
    EXPECT_EQ(kControlClassNames[17], "CDeviceProfileUI");
    EXPECT_EQ(kControlClassNames.back(), "CTessarinDU6533Device");
    EXPECT_EQ(registerControlClasses(), 7);
    auto& factory = vorn::ui::CControlFactory::GetInstance();
    EXPECT_TRUE(factory.IsRegistered("CDeviceProfileUI"));
    EXPECT_TRUE(factory.IsRegistered("DeviceProfile"));
    EXPECT_TRUE(factory.IsRegistered("CKeySetControlUI"));
    EXPECT_TRUE(factory.IsRegistered("KeySetControl"));
    for (const char* name :
         {"CCircleProgressUI", "CSelectPanelUI", "CDeviceKeyButtonUI", "CDeviceOptionUI",
          "CMpDevicePowerUI", "MpDevicePower", "DeviceOption", "DeviceKeyButton"}) {
        EXPECT_TRUE(factory.IsRegistered(name)) << name;
    }
    EXPECT_FALSE(factory.IsRegistered("CLightControlUI"));
}
