#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/controls/CircleProgressUI.h"
#include "ui/controls/CustomControlClasses.h"
#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/controls/DeviceOptionUI.h"
#include "ui/controls/LayoutClassTable.h"
#include "ui/controls/MpDevicePowerUI.h"
#include "ui/controls/SelectPanelUI.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/windows/PaintManager.h"

using namespace vorn::ui;

namespace {

std::unique_ptr<CControlUI> made(std::string_view name) {
    return std::unique_ptr<CControlUI>(createCustomControl(name));
}

}  // namespace

TEST(LayoutClassTable, ClassRowsMakeTheirControls) {
    EXPECT_EQ(made("CircleProgress")->GetClass(), "CircleProgress");
    EXPECT_EQ(made("SelectPanel")->GetClass(), "SelectPanel");
    EXPECT_EQ(made("DeviceKeyButton")->GetClass(), "DeviceKeyButton");
    EXPECT_NE(dynamic_cast<CCircleProgressUI*>(made("CircleProgress").get()), nullptr);
    EXPECT_NE(dynamic_cast<CSelectPanelUI*>(made("SelectPanel").get()), nullptr);
    EXPECT_NE(dynamic_cast<CDeviceKeyButtonUI*>(made("DeviceKeyButton").get()), nullptr);
}

TEST(LayoutClassTable, NamesMatchWithoutRegardToCase) {
    for (const char* spelling : {"devicekeybutton", "DEVICEKEYBUTTON", "dEvIcEkEyBuTtOn"}) {
        auto control = made(spelling);
        ASSERT_NE(control, nullptr) << spelling;
        EXPECT_EQ(control->GetClass(), "DeviceKeyButton") << spelling;
    }
    EXPECT_EQ(findLayoutClassRow("circleprogress"), &kLayoutClassRows[0]);
}

TEST(LayoutClassTable, UnknownNamesAndTheTileAndPanelYieldNone) {
    // The tile and the power panel are not builder rows: their layouts reach them through
    // the control factory.
    EXPECT_EQ(made("NoSuchControl"), nullptr);
    EXPECT_EQ(made(""), nullptr);
    EXPECT_EQ(made("DeviceOption"), nullptr);
    EXPECT_EQ(made("MpDevicePower"), nullptr);
    EXPECT_EQ(made("DeviceKeyButtonX"), nullptr);
}

TEST(LayoutClassTable, RowsKeepTheirOrderAndEachNameOnce) {
    ASSERT_EQ(kLayoutClassRows.size(), 26u);
    EXPECT_EQ(kLayoutClassRows.front().tagName, "CircleProgress");
    EXPECT_EQ(kLayoutClassRows[8].tagName, "TessarinMousePadDevice");
    EXPECT_EQ(kLayoutClassRows[18].tagName, "DeviceProfileUI");
    EXPECT_EQ(kLayoutClassRows.back().layoutFile, "XML/CustomControlXML/VirtualSet.xml");
    for (size_t i = 0; i < kLayoutClassRows.size(); ++i) {
        const LayoutClassRow& row = kLayoutClassRows[i];
        EXPECT_NE(row.className.empty(), row.layoutFile.empty()) << row.tagName;
        EXPECT_EQ(findLayoutClassRow(row.tagName), &row) << row.tagName;
    }
}

TEST(LayoutClassTable, ClassesOfOtherPartsComeFromTheFactory) {
    auto& factory = CControlFactory::GetInstance();
    EXPECT_EQ(made("LightControl"), nullptr);  // not registered: none
    factory.RegistControl("CLightControlUI", [] { return new CControlUI; });
    EXPECT_NE(made("lightcontrol"), nullptr);
    factory.UnregistControl("CLightControlUI");
}

TEST(LayoutClassTable, LayoutRowsThatCannotBeBuiltYieldNone) {
    CPaintManagerUI::SetResourcePath("/nonexistent-skin");
    CPaintManagerUI pm;
    EXPECT_EQ(createCustomControl("VirtualSetControlUI", &pm), nullptr);
    EXPECT_EQ(createCustomControl("DeviceProfileUI"), nullptr);
}

TEST(LayoutClassTable, LayoutRowsAnswerTheRootOfTheBuiltTree) {
    CPaintManagerUI::SetResourcePath(std::string(VORN_SOURCE_DIR) + "/resources/skin");
    // Built without a callback: the classes inside come from the factory alone.
    auto& factory = CControlFactory::GetInstance();
    EXPECT_EQ(made("deviceprofileui"), nullptr);
    factory.RegistControl("DeviceProfile", [] { return new CVerticalLayoutUI; });
    CPaintManagerUI pm;
    std::unique_ptr<CControlUI> root(createCustomControl("DeviceProfileUI", &pm));
    factory.UnregistControl("DeviceProfile");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetName(), "device_profile");
    EXPECT_EQ(root->GetParent(), nullptr);
    EXPECT_NE(pm.FindSubControlByName(root.get(), "device_profile_combo"), nullptr);
}

TEST(CustomControlClasses, ElementNamesAloneForTheProgram) {
    registerCustomControlElements();
    auto& factory = CControlFactory::GetInstance();
    EXPECT_TRUE(factory.IsRegistered("MpDevicePower"));
    EXPECT_TRUE(factory.IsRegistered("deviceoption"));
    EXPECT_FALSE(factory.IsRegistered("CMpDevicePowerUI"));
    for (const CustomControlClass& c : kCustomControlClasses) {
        factory.UnregistControl(c.tagName);
    }
}

TEST(CustomControlClasses, RegisteredUnderBothNames) {
    EXPECT_EQ(registerCustomControlClasses(), 5);
    auto& factory = CControlFactory::GetInstance();
    for (const CustomControlClass& c : kCustomControlClasses) {
        for (std::string_view name : {c.className, c.tagName}) {
            std::unique_ptr<CControlUI> control(factory.CreateControl(name));
            ASSERT_NE(control, nullptr) << name;
            EXPECT_EQ(control->GetClass(), c.tagName) << name;
        }
        factory.UnregistControl(c.className);
        factory.UnregistControl(c.tagName);
    }
    EXPECT_EQ(findCustomControlClass("cmpdevicepowerui")->tagName, "MpDevicePower");
    EXPECT_EQ(findCustomControlClass("deviceoption")->className, "CDeviceOptionUI");
    EXPECT_EQ(findCustomControlClass("CHandImgButtonUI"), nullptr);
    EXPECT_TRUE(static_cast<bool>(customControlFactory("CDeviceOptionUI")));
    EXPECT_FALSE(static_cast<bool>(customControlFactory("DeviceOption")));
}
