#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProfileTestSupport.h"
#include "catalogue/StandardCatalogue.h"
#include "profiles/KeyboardProfiledata.h"
#include "profiles/MouseProfiledata.h"
#include "storage/StyledJson.h"

using namespace vorn::profiles;
using vorn::test::readBytes;
using vorn::test::readJson;
namespace fs = std::filesystem;

namespace {

const fs::path kDefaultData = VORN_DEFAULT_DATA_DIR;

constexpr std::int32_t code(int kind, int param1, int param2) {
    return kind * 65536 + param1 * 256 + param2;
}

// The mouse's logical keys in order take the factory codes by which the device finds
// their key slots.
const std::vector<std::int32_t> kMouseCodes = {
    code(0x10, 0x10, 0), code(0x10, 0x01, 0), code(0x10, 0x04, 0), code(0x10, 0x02, 0),
    code(0x10, 0x08, 0), code(0x13, 1, 0),    code(0x13, 2, 0),    code(0x13, 3, 0),
    code(0x15, 3, 0),    code(0xA0, 0x1B, 0), code(0x16, 144, 1),
};

std::vector<std::string> modelFiles() {
    std::vector<std::string> files;
    for (const auto& option : vorn::catalogue::kDeviceCatalogue.options) {
        files.push_back(std::string(option.displayName) + ".Json");
    }
    return files;
}

}  // namespace

TEST(FactoryData, EveryModelHasADefaultProfileInTheStyledForm) {
    const std::vector<std::string> files = modelFiles();
    ASSERT_EQ(files, (std::vector<std::string>{"keyboard.Json", "VORN-T4.Json", "VORN-T4Pro.Json",
                                               "VORN-T4Ultra.Json", "VORN-T4Max.Json"}));
    for (const std::string& name : files) {
        const Json::Value document = readJson(kDefaultData / name);
        ASSERT_TRUE(document.isObject()) << name;
        EXPECT_EQ(readBytes(kDefaultData / name), vorn::storage::StyledJsonText(document) + "\n")
            << name;
        ASSERT_EQ(document["Device"].size(), 1u) << name;
        EXPECT_TRUE(document["Device"][0]["KeyList"].isArray()) << name;
    }
}

TEST(FactoryData, MouseEntriesHoldTheFactoryKeysStagesAndSettings) {
    for (const std::string& name : modelFiles()) {
        if (name == "keyboard.Json") {
            continue;
        }
        CMouseProfiledata mouse;
        mouse.SetDefaultProfilePath((kDefaultData / name).string());
        const Json::Value entry = mouse.LoadEntry(mouse.GetDefaultProfilePath());

        const std::vector<KeyRecord> keys = mouse.ReadKeyList();
        ASSERT_EQ(keys.size(), kMouseCodes.size()) << name;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(keys[i].current.code(), kMouseCodes[i]) << name << " key " << i;
            EXPECT_EQ(keys[i].factory, keys[i].current) << name << " key " << i;
        }

        const std::vector<LightSlotRecord> lights = mouse.ReadLightList();
        ASSERT_EQ(lights.size(), 15u) << name;
        for (const LightSlotRecord& light : lights) {
            EXPECT_EQ(light.present, 1);
            EXPECT_LE(light.brightness, 4);
            EXPECT_LE(light.speed, 3);
        }
        const LightSetting light = mouse.ReadLightInfo();
        EXPECT_LE(light.brightness, 4);
        EXPECT_LE(light.speed, 3);
        EXPECT_LT(light.mode, 12);
        EXPECT_TRUE(entry["AudioLightInfo"].isObject());
        EXPECT_EQ(entry["AudioLightInfo"].size(), 9u);

        for (int sensor = 0; sensor < 2; ++sensor) {
            CMouseProfiledata fresh;
            fresh.SetDefaultProfilePath(mouse.GetDefaultProfilePath());
            fresh.LoadEntry(fresh.GetDefaultProfilePath());
            const std::vector<DpiStage> stages = fresh.ReadDpiStages(sensor);
            ASSERT_EQ(stages.size(), static_cast<std::size_t>(kDpiStageCount)) << name;
            const int active = fresh.GetActiveStageIndex();
            ASSERT_GE(active, 0);
            ASSERT_LT(active, kDpiStageCount);
            EXPECT_EQ(stages[static_cast<std::size_t>(active)].enabled, 1);
            for (const DpiStage& stage : stages) {
                EXPECT_GE(stage.dpiX(), 50);
                EXPECT_LE(stage.dpiX(), 26000);  // within the range of both sensors
                EXPECT_EQ(stage.dpiX() % 50, 0);
                EXPECT_EQ(stage.dpiY(), stage.dpiX());
                EXPECT_NE(stage.red + stage.green + stage.blue, 0);
            }
        }

        EXPECT_EQ(entry["SystemStages"].size(), 17u) << name;
        const MouseSystemSettings settings = mouse.ReadSystemSettings();
        EXPECT_GE(settings.dormancyTime, 1);
        EXPECT_LE(settings.dormancyTime, 6);
        EXPECT_LE(settings.keyDelay, 5);
        EXPECT_LE(settings.silentAltitude, 2);
        EXPECT_GE(settings.reportSelectUsb, 2);  // the cable offers positions 2..6
        EXPECT_LE(settings.reportSelectUsb, 6);
        EXPECT_LE(settings.reportSelect24k, 3);  // the own receiver offers 0..3
        EXPECT_EQ(settings.reportStage, settings.reportSelectUsb);
    }
}

TEST(FactoryData, KeyboardEntryHolds170KeysSettingsAndAColourGroup) {
    CKeyboardProfiledata keyboard;
    keyboard.SetDefaultProfilePath((kDefaultData / "keyboard.Json").string());
    const Json::Value entry = keyboard.LoadEntry(keyboard.GetDefaultProfilePath());
    const std::vector<KeyRecord> keys = keyboard.ReadKeyList();
    ASSERT_EQ(keys.size(), 170u);
    EXPECT_EQ(keys[0].current.code(), code(0x20, 0, 0x29));    // Esc
    EXPECT_EQ(keys[16].current.code(), code(0xA0, 0x1B, 0));   // game mode
    EXPECT_EQ(keys[64].current.code(), code(0x20, 0, 0x04));   // A
    EXPECT_EQ(keys[84].current.code(), code(0x20, 0x02, 0));   // left Shift
    EXPECT_EQ(keys[110].current.code(), code(0xA0, 0x01, 0));  // Fn
    EXPECT_EQ(keys[124].current.code(), code(0xD0, 0xA2, 5));  // M5
    EXPECT_EQ(keys[125].current.code(), code(0x20, 0x80, 0));  // right GUI
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].factory, keys[i].current) << i;
        if (i >= 126) {
            EXPECT_EQ(keys[i].current.code(), code(0x20, 0, 0)) << i;
        }
    }
    EXPECT_EQ(entry["SystemStages"].size(), 6u);
    const KeyboardSystemSettings settings = keyboard.ReadSystemSettings();
    EXPECT_LE(settings.repeatDelay, 3);
    EXPECT_LE(settings.pollingRate, 4);
    EXPECT_EQ(keyboard.ReadCustomLightGroup(), 0);
    const std::vector<KeyColour> colours = keyboard.ReadCustomLightColours(0, 170);
    EXPECT_EQ(colours, std::vector<KeyColour>(170, KeyColour{255, 255, 255, 255}));
    EXPECT_EQ(keyboard.CurrentEntry(), entry);  // the group was complete: nothing was added
}
