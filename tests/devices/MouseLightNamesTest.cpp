// The light-mode file of the default data folder and its reader.

#include <gtest/gtest.h>

#include <filesystem>

#include "MouseTestSupport.h"
#include "devices/mouse/LightModeNames.h"
#include "storage/DataFile.h"
#include "storage/StyledJson.h"
#include "support/TempHome.h"

using namespace vorn;
using namespace vorn::devices::mouse;
namespace fs = std::filesystem;

namespace {

const fs::path kLightFile = fs::path(VORN_DEFAULT_DATA_DIR) / kLightNameFileName;

}  // namespace

TEST(MouseLightNames, TheShippedFileIsStyledAndListsTwelveModesWithDistinctCodes) {
    const Json::Value document = storage::ReadJsonFile(kLightFile.string());
    ASSERT_TRUE(document.isObject());
    EXPECT_EQ(test::readBytes(kLightFile), storage::StyledJsonText(document) + "\n");

    const LightNames names = readLightNames(kLightFile.string(), 0);
    ASSERT_EQ(names.modes.size(), static_cast<std::size_t>(kAddressableLightModes));
    // The codes the tests of the block assume, each naming one mode.
    for (std::size_t i = 0; i < names.modes.size(); ++i) {
        EXPECT_EQ(names.modes[i].code, test::mouseLightNames().modes[i].code) << i;
        EXPECT_EQ(names.modes[i].name.rfind("light_mode_", 0), 0u) << names.modes[i].name;
        EXPECT_EQ(lightModeIndex(names, names.modes[i].code), i);
    }
    EXPECT_EQ(names.modes[0].name, "light_mode_static_text");
    EXPECT_TRUE(names.modes[0].visible);
    EXPECT_FALSE(names.modes[9].visible);  // the user's programmes have a list of their own
    EXPECT_EQ(names.areas,
              (std::vector<std::string>{"light_area_logo_text", "light_area_wheel_text"}));
    // Every name has a text in both languages.
    const std::string english =
        test::readBytes(fs::path(VORN_DEFAULT_DATA_DIR) / ".." / "skin" / "lan_en.xml");
    const std::string chinese =
        test::readBytes(fs::path(VORN_DEFAULT_DATA_DIR) / ".." / "skin" / "lan_cn.xml");
    std::vector<std::string> keys = names.areas;
    for (const LightModeRow& row : names.modes) {
        keys.push_back(row.name);
    }
    for (const std::string& key : keys) {
        EXPECT_NE(english.find("id=\"" + key + "\""), std::string::npos) << key;
        EXPECT_NE(chinese.find("id=\"" + key + "\""), std::string::npos) << key;
    }
}

TEST(MouseLightNames, AMissingSetOrFileGivesEmptyListsAndOddRowsKeepTheirPlace) {
    EXPECT_EQ(readLightNames(kLightFile.string(), 1), LightNames{});
    EXPECT_EQ(readLightNames(kLightFile.string(), -1), LightNames{});
    EXPECT_EQ(readLightNames("/nonexistent/default_light.json", 0), LightNames{});

    test::TempHome home;
    const fs::path file = home.root() / "default_light.json";
    test::writeBytes(file, R"({"DefaultLightName": [[], [
        {"LightName": "a", "visible": true, "value": 7},
        "odd",
        {"LightName": "c", "visible": 1, "value": 263}]],
      "AreaLightName": [null, [{"LightName": "logo"}, {}]]})");
    const LightNames names = readLightNames(file.string(), 1);
    EXPECT_EQ(names.modes,
              (std::vector<LightModeRow>{{"a", true, 7}, {"", false, 0}, {"c", true, 7}}));
    EXPECT_EQ(names.areas, (std::vector<std::string>{"logo", ""}));
    EXPECT_EQ(lightModeIndex(names, 7), 0);  // the first row with the code
    EXPECT_EQ(lightModeIndex(names, 9), std::nullopt);
}
