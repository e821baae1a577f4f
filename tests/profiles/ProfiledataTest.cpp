#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "ProfileTestSupport.h"
#include "profiles/BasicProfiledata.h"
#include "profiles/Du6533Profiledata.h"
#include "profiles/KeyboardProfiledata.h"
#include "profiles/MouseProfiledata.h"

using namespace vorn::profiles;
using vorn::test::parseJson;
using vorn::test::readBytes;
using vorn::test::readJson;
using vorn::test::TempHome;
using vorn::test::writeJson;
namespace fs = std::filesystem;

namespace {

// A small but complete mouse entry: three keys, two sensors, settings and lights.
const char* const kMouseEntry = R"({
  "KeyList": [
    {"Assignment": 1052672, "DefaultAssignment": 1052672},
    {"Assignment": 66051, "DefaultAssignment": 1048832},
    {"Assignment": 1049600, "DefaultAssignment": 1049600}
  ],
  "LightInfo": {"SelectItem": 3, "Light": 4, "Speed": 2, "Fx": 1, "MultiColor": 1, "Red": 255,
                "Green": 128, "Blue": 7, "ZZCCLedMode": 5, "CustomGroup": 6, "OldLedmode": 9},
  "AudioLightInfo": {"AudioMode": 2, "BkColorR": 1, "BkColorG": 2, "BkColorB": 3,
                     "FgColorR": 4, "FgColorG": 5, "FgColorB": 6, "7ColorFlags": 1,
                     "ColorTypeFlags": 0},
  "LightList": [
    {"LEDREGMode": 1, "LEDBrightness": 2, "LEDSpeed": 3, "LEDMultiColor": 1, "LEDDirection": 1,
     "red": 10, "green": 20, "blue": 30},
    null
  ],
  "DPIStages": [
    {"StageActive": 2, "StageDPIs": [
      {"StageActive": 1, "StageXY": 0, "StageDPIX": 400, "StageDPIY": 400,
       "StageColorR": 255, "StageColorG": 0, "StageColorB": 0},
      {"StageActive": 1, "StageXY": 1, "StageDPIX": 800, "StageDPIY": 900,
       "StageColorR": 0, "StageColorG": 255, "StageColorB": 0},
      {"StageActive": 0, "StageXY": 0, "StageDPIX": 1600, "StageDPIY": 1600,
       "StageColorR": 0, "StageColorG": 0, "StageColorB": 255}]},
    {"StageActive": 1, "StageDPIs": [
      {"StageActive": 1, "StageXY": 0, "StageDPIX": 26000, "StageDPIY": 26000,
       "StageColorR": 9, "StageColorG": 9, "StageColorB": 9}]}
  ],
  "SystemStages": {"DoubleClickTime": 500, "MouseSpeed": 10, "PointerPrecision": 1,
                   "ScorllPage": 0, "WheelScorlllinse": 3, "DormancyTime": 4,
                   "SilentAltitudeItem": 2, "AntiShake": 1, "SensorLif": 7, "MotionSync": true,
                   "LinearCalibration": 1, "KeyDelay": 5, "DeepSleepOff": 1,
                   "sleeptime": 11, "sleeptimeH": 12, "ReportSelectItemUSB": 6,
                   "ReportSelectItem24K": 3},
  "ReportStages": {"StageActive": 4}
})";

struct ProfileFiles {
    TempHome home;
    fs::path folder = home.root() / "device";
    fs::path profile = folder / "2024_03_07_09_05_01_042.Json";
    fs::path defaults = home.root() / "DefaultData" / "VORN-T4.Json";

    ProfileFiles() {
        Json::Value document;
        document["profilename"] = "Factory";
        document["profileUUID"] = "factory";
        document["Device"][0] = parseJson(kMouseEntry);
        writeJson(defaults, document);
        fs::create_directories(folder);
    }

    template <class Data>
    void bind(Data& data, int slot = 0) {
        data.SetDefaultProfilePath(defaults.string());
        data.SetDeviceSlot(slot);
        data.SetProfilePath(profile.string());
    }
};

}  // namespace

TEST(ProfileData, MissingProfileFileIsCreatedFromTheDefaultEntry) {
    ProfileFiles files;
    CMouseProfiledata data;
    files.bind(data, 2);
    // The mouse's slot 2 of a default file that has only slot 0: nothing to take.
    EXPECT_TRUE(data.LoadEntry(files.profile.string()).isNull());

    CMouseProfiledata mouse;
    files.bind(mouse);
    const Json::Value entry = mouse.LoadEntry(files.profile.string());
    EXPECT_EQ(entry, parseJson(kMouseEntry));
    const Json::Value written = readJson(files.profile);
    EXPECT_EQ(written["Device"][0], entry);
    EXPECT_FALSE(written.isMember("profilename"));
    EXPECT_FALSE(written.isMember("profileUUID"));

    // A profile bound to slot 1 of a two-slot default gets nulls below its slot.
    Json::Value twoSlots = readJson(files.defaults);
    twoSlots["Device"][1] = parseJson(R"({"KeyList": [{"Assignment": 1}]})");
    writeJson(files.defaults, twoSlots);
    fs::remove(files.profile);
    CBasicProfiledata pad;
    files.bind(pad, 1);
    pad.LoadEntry(files.profile.string());
    EXPECT_EQ(readJson(files.profile),
              parseJson(R"({"Device": [null, {"KeyList": [{"Assignment": 1}]}]})"));
}

TEST(ProfileData, ProfileOfAnotherModelGainsThisModelsEntryAndKeepsTheOthers) {
    ProfileFiles files;
    Json::Value other;
    other["profilename"] = "Mine";
    other["profileUUID"] = "x";
    other["Device"][1] = parseJson(R"({"KeyList": [], "Custom": "kept"})");
    writeJson(files.profile, other);

    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    Json::Value expected = other;
    expected["Device"][0] = parseJson(kMouseEntry);
    EXPECT_EQ(readJson(files.profile), expected);

    // Loading again reads the entry now present and writes nothing.
    const std::string bytes = readBytes(files.profile);
    mouse.LoadEntry(files.profile.string());
    EXPECT_EQ(readBytes(files.profile), bytes);
}

TEST(ProfileData, BrokenOrWronglyTypedProfileIsRepairedFromTheDefault) {
    ProfileFiles files;
    for (const char* broken : {"{ \"Device\": [", "[1, 2, 3]", "\"text\"",
                               "{\"Device\": {\"0\": 1}}", "{\"Device\": [\"entry\"]}"}) {
        vorn::test::writeBytes(files.profile, broken);
        CMouseProfiledata mouse;
        files.bind(mouse);
        EXPECT_EQ(mouse.LoadEntry(files.profile.string()), parseJson(kMouseEntry)) << broken;
        EXPECT_EQ(readJson(files.profile)["Device"][0], parseJson(kMouseEntry)) << broken;
    }
}

TEST(ProfileData, SaveEntryWithoutKeyListLeavesTheFileByteForByte) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    const std::string bytes = readBytes(files.profile);

    mouse.SaveEntry(parseJson(R"({"LightInfo": {"Red": 1}})"), files.profile.string());
    mouse.SaveEntry(Json::Value(), files.profile.string());
    mouse.SaveEntry(parseJson(R"({"KeyList": "not a list"})"), files.profile.string());
    EXPECT_EQ(readBytes(files.profile), bytes);

    // The other entry follows the same rule.
    mouse.SaveOtherEntry(files.profile.string());
    EXPECT_EQ(readBytes(files.profile), bytes);
}

TEST(ProfileData, PathsIgnoreEmptyTextAndSlotsOutsideTheRange) {
    CBasicProfiledata data;
    data.SetProfilePath("/a/b.Json");
    data.SetProfilePath("");
    EXPECT_EQ(data.GetProfilePath(), "/a/b.Json");
    data.SetDefaultProfilePath("/d.Json");
    data.SetDefaultProfilePath("");
    EXPECT_EQ(data.GetDefaultProfilePath(), "/d.Json");
    data.SetDeviceSlot(3);
    data.SetDeviceSlot(-1);
    data.SetDeviceSlot(1 << 30);
    EXPECT_EQ(data.GetDeviceSlot(), 3);
}

TEST(ProfileData, KeyListSplitsCodesAndWritesOnlyTheCurrentAssignment) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());

    std::vector<KeyRecord> keys = mouse.ReadKeyList();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1].keyIndex, 1);
    EXPECT_EQ(keys[1].defaultKeyIndex, 1);
    EXPECT_EQ(keys[1].current, (KeyAssignment{1, 2, 3}));  // 66051 = 0x010203
    EXPECT_EQ(keys[1].factory, (KeyAssignment{0x10, 0x01, 0x00}));

    keys[0].current = {0x20, 0x04, 0x04};
    keys[0].factory = {0x99, 0x99, 0x99};  // never written
    mouse.WriteKeyList(keys);
    mouse.Save();
    const Json::Value saved = readJson(files.profile)["Device"][0]["KeyList"];
    EXPECT_EQ(saved[0]["Assignment"].asInt(), 0x200404);
    EXPECT_EQ(saved[0]["DefaultAssignment"].asInt(), 1052672);
    EXPECT_EQ(saved[1]["Assignment"].asInt(), 66051);
    EXPECT_EQ(KeyAssignment::fromCode(-1), (KeyAssignment{0xFF, 0xFF, 0xFF}));
}

TEST(ProfileData, OtherEntryIsLoadedChangedAndSavedWithoutTouchingTheCurrentOne) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    const fs::path second = files.folder / "second.Json";
    mouse.LoadOtherEntry(second.string());
    std::vector<KeyRecord> keys = mouse.ReadOtherKeyList();
    ASSERT_EQ(keys.size(), 3u);
    keys[2].current = {0, 0, 0};
    mouse.WriteOtherKeyList(keys);
    mouse.SaveOtherEntry(second.string());
    EXPECT_EQ(readJson(second)["Device"][0]["KeyList"][2]["Assignment"].asInt(), 0);
    EXPECT_EQ(mouse.ReadKeyList()[2].current, (KeyAssignment{0x10, 0x04, 0x00}));
}

TEST(ProfileData, LightRecordsReadAndWriteEveryKey) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    EXPECT_EQ(mouse.ReadLightInfo(), LightSetting{});  // no entry yet
    mouse.LoadEntry(files.profile.string());

    const LightSetting light = mouse.ReadLightInfo();
    const LightSetting expected{3, 4, 2, 1, 1, 255, 128, 7, {0, 0, 0}, 5, 6, 9};
    EXPECT_EQ(light, expected);
    const AudioLightSetting audio = mouse.ReadAudioLightInfo();
    EXPECT_EQ(audio, (AudioLightSetting{2, 1, 2, 3, 4, 5, 6, 1, 0}));

    const std::vector<LightSlotRecord> slots = mouse.ReadLightList();
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots[0], (LightSlotRecord{1, 2, 3, 1, 1, 10, 20, 30, {0, 0}, 1, {0, 0, 0}}));
    EXPECT_EQ(slots[1], LightSlotRecord{});

    LightSetting changed = light;
    changed.multiColour = 9;   // a flag is stored as 0 or 1
    changed.reserved[0] = 77;  // not stored
    mouse.WriteLightInfo(changed);
    AudioLightSetting audioChanged = audio;
    audioChanged.editingForeground = 1;
    mouse.WriteAudioLightInfo(audioChanged);
    mouse.Save();
    const Json::Value entry = readJson(files.profile)["Device"][0];
    EXPECT_EQ(entry["LightInfo"], parseJson(R"({"SelectItem": 3, "Light": 4, "Speed": 2,
        "Fx": 1, "MultiColor": 1, "Red": 255, "Green": 128, "Blue": 7, "ZZCCLedMode": 5,
        "CustomGroup": 6, "OldLedmode": 9})"));
    EXPECT_EQ(entry["AudioLightInfo"]["ColorTypeFlags"].asInt(), 1);
    EXPECT_EQ(entry["AudioLightInfo"].size(), 9u);
}

TEST(ProfileData, DpiStagesOverwriteTheStoredListPositionByPosition) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());

    // Three read into an empty list.
    std::vector<DpiStage> stages = mouse.ReadDpiStages(0);
    ASSERT_EQ(stages.size(), 3u);
    EXPECT_EQ(mouse.GetActiveStageIndex(), 2);
    EXPECT_EQ(stages[1], (DpiStage::make(1, 1, 800, 900, 0, 255, 0)));

    // Five stored, one read: the first is replaced, the other four keep their values.
    std::vector<DpiStage> five(5, DpiStage::make(1, 0, 3200, 3200, 1, 2, 3));
    mouse.WriteDpiStages(0, five);
    mouse.ReadDpiStages(1);
    ASSERT_EQ(mouse.GetDpiStages().size(), 5u);
    EXPECT_EQ(mouse.GetDpiStages()[0].dpiX(), 26000);
    EXPECT_EQ(mouse.GetDpiStages()[4], five[4]);
    EXPECT_EQ(mouse.GetActiveStageIndex(), 1);

    // Five written, then read back after three were stored: the list grows to five.
    mouse.WriteDpiStages(0, std::vector<DpiStage>(3, DpiStage{}));
    mouse.WriteDpiStages(1, five);
    mouse.WriteDpiStages(0, std::vector<DpiStage>(3, DpiStage{}));
    EXPECT_EQ(mouse.ReadDpiStages(1).size(), 5u);

    mouse.WriteActiveStage(1, 4);
    EXPECT_EQ(mouse.GetActiveStageIndex(), 4);
    mouse.Save();
    const Json::Value sensor1 = readJson(files.profile)["Device"][0]["DPIStages"][1];
    EXPECT_EQ(sensor1["StageActive"].asInt(), 4);
    ASSERT_EQ(sensor1["StageDPIs"].size(), 5u);
    EXPECT_EQ(sensor1["StageDPIs"][4], parseJson(R"({"StageActive": 1, "StageXY": 0,
        "StageDPIX": 3200, "StageDPIY": 3200, "StageColorR": 1, "StageColorG": 2,
        "StageColorB": 3})"));
}

TEST(ProfileData, SecondSensorAgainstOneElementDpiStagesChangesNothing) {
    ProfileFiles files;
    Json::Value entry = parseJson(kMouseEntry);
    entry["DPIStages"].resize(1);
    Json::Value document;
    document["Device"][0] = entry;
    writeJson(files.profile, document);

    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    mouse.ReadDpiStages(0);
    const std::vector<DpiStage> before = mouse.GetDpiStages();
    EXPECT_EQ(mouse.ReadDpiStages(1), before);
    EXPECT_EQ(mouse.GetActiveStageIndex(), 2);
    // Reading adds nothing to the entry: the array keeps its one element.
    EXPECT_EQ(mouse.CurrentEntry()["DPIStages"].size(), 1u);
    EXPECT_EQ(mouse.CurrentEntry(), entry);
}

TEST(ProfileData, MouseSettingsRoundTripAndKeepSleepTimes) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    MouseSystemSettings settings = mouse.ReadSystemSettings();
    const MouseSystemSettings expected{500, 10, 1, 0, 3, 4,  4,  0, 1, 2,
                                       1,   1,  1, 5, 1, 11, 12, 6, 3};
    EXPECT_EQ(settings, expected);

    settings.sleepTime = 99;
    settings.sleepTimeH = 98;
    settings.reportStage = 2;
    settings.keyDelay = 0x1234;
    settings.motionSync = 5;
    mouse.WriteSystemSettings(settings);
    mouse.Save();
    const Json::Value entry = readJson(files.profile)["Device"][0];
    EXPECT_EQ(entry["SystemStages"]["sleeptime"].asInt(), 11);
    EXPECT_EQ(entry["SystemStages"]["sleeptimeH"].asInt(), 12);
    EXPECT_EQ(entry["SystemStages"]["KeyDelay"].asInt(), 0x1234);
    EXPECT_EQ(entry["SystemStages"]["MotionSync"].asInt(), 1);
    EXPECT_EQ(entry["ReportStages"]["StageActive"].asInt(), 2);
    EXPECT_EQ(entry["SystemStages"].size(), 17u);

    // Without "ReportStages" the report stage reads 0; values are cut to 16 bits.
    Json::Value bare;
    bare["Device"][0] = parseJson(R"({"KeyList": [], "SystemStages": {"MouseSpeed": 65537}})");
    writeJson(files.profile, bare);
    mouse.LoadEntry(files.profile.string());
    EXPECT_EQ(mouse.ReadSystemSettings().mouseSpeed, 1);
    EXPECT_EQ(mouse.ReadSystemSettings().reportStage, 0);
}

TEST(ProfileData, OverlayTakesTheDeviceKeyTableForKeysWithASlot) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    std::vector<std::uint8_t> table(512, 0);
    for (int i = 0; i < 9; ++i) {
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0x30 + i);
    }
    mouse.SetCurrentKeyTable(table);
    // Key 0 on slot 2, key 1 without a slot (0xAA), key 2 on a slot past the table.
    const std::vector<std::uint8_t> map = {2, kNoKeySlot, 0xFF};
    mouse.SetButtonSlotMap(map);

    const std::vector<KeyRecord> overlaid = mouse.ReadKeyListWithOverlay();
    ASSERT_EQ(overlaid.size(), 3u);
    EXPECT_EQ(overlaid[0].current, (KeyAssignment{0x36, 0x37, 0x38}));
    EXPECT_EQ(overlaid[1].current, (KeyAssignment{1, 2, 3}));
    EXPECT_EQ(overlaid[2].current, (KeyAssignment{0x10, 0x04, 0x00}));
    EXPECT_EQ(overlaid[0].factory, (KeyAssignment{0x10, 0x10, 0x00}));
    // The plain key list is unchanged.
    EXPECT_EQ(mouse.ReadKeyList()[0].current, (KeyAssignment{0x10, 0x10, 0x00}));
}

TEST(ProfileData, NewKeyboardColourGroupIsCreatedWithZerosAndSaved) {
    ProfileFiles files;
    Json::Value document;
    document["Device"][0] = parseJson(R"({"KeyList": [{"Assignment": 2097193}],
        "SystemStages": {"Repeat": 20, "RepeatDelay": 1, "Key6Flag": 1, "PollingRate": 4,
                         "WFlag": 0, "WinFlag": 1},
        "CustomLightMode": {"CustomLightModeGroupIndex": 1, "LightColorInfo": [
            [{"Red": 1, "Green": 2, "Blue": 3, "Alpha": 4}, null]]}})");
    writeJson(files.profile, document);
    CKeyboardProfiledata keyboard;
    files.bind(keyboard);
    keyboard.LoadEntry(files.profile.string());

    EXPECT_EQ(keyboard.ReadCustomLightGroup(), 1);
    EXPECT_EQ(keyboard.ReadSystemSettings(), (KeyboardSystemSettings{20, 1, 1, 4, 0, 1}));

    // Group 0: key 0 read, key 1 (null) and key 2 (missing) created with zeros.
    const std::vector<KeyColour> group0 = keyboard.ReadCustomLightColours(0, 3);
    EXPECT_EQ(group0, (std::vector<KeyColour>{{1, 2, 3, 4}, {}, {}}));
    // Group 2 does not exist: three zero colours, created in the entry.
    EXPECT_EQ(keyboard.ReadCustomLightColours(2, 3), std::vector<KeyColour>(3));
    keyboard.Save();
    const Json::Value groups =
        readJson(files.profile)["Device"][0]["CustomLightMode"]["LightColorInfo"];
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_TRUE(groups[1].isNull());
    ASSERT_EQ(groups[2].size(), 3u);
    EXPECT_EQ(groups[2][2], parseJson(R"({"Red": 0, "Green": 0, "Blue": 0, "Alpha": 0})"));
    EXPECT_EQ(groups[0][1], groups[2][2]);

    const std::vector<KeyColour> colours = {{9, 8, 7, 255}, {1, 1, 1, 1}};
    keyboard.WriteCustomLightColours(1, colours);
    keyboard.WriteCustomLightGroup(3);
    keyboard.WriteSystemSettings({30, 2, 0, 1, 1, 0});
    EXPECT_EQ(keyboard.ReadCustomLightColours(1, 2), colours);
    EXPECT_EQ(keyboard.ReadCustomLightGroup(), 3);
    EXPECT_EQ(keyboard.ReadSystemSettings(), (KeyboardSystemSettings{30, 2, 0, 1, 1, 0}));
}

TEST(ProfileData, HeadsetEqualiserPresetsByTypeAndUserEqualisersFilledWithZeros) {
    ProfileFiles files;
    Json::Value document;
    Json::Value entry = parseJson(R"({"KeyList": [],
        "SystemSetStages": {"MagicEnable": 1, "MagicType": 3, "EqType": 13,
            "CustomEqSeletIndex": 1, "MicInSelect": 1, "MicInValue": 37,
            "MicMoniterSelect": 0, "MicMoniterValue": 100},
        "CustomEQNameInfo": [{"Name": "Bässe"}, {"Name": "Voice"}, {"Nope": 1}]})");
    for (int preset = 0; preset <= 12; ++preset) {
        for (int band = 0; band < 10; ++band) {
            entry["EQHzValueInfo"][preset][band]["value"] = preset * 100 + band;
        }
    }
    document["Device"][0] = entry;
    writeJson(files.profile, document);
    CDu6533Profiledata headset;
    files.bind(headset);
    headset.LoadEntry(files.profile.string());

    EXPECT_EQ(headset.ReadSystemSettings(), (HeadsetSystemSettings{1, 3, 13, 1, 1, 37, 0, 100}));
    EXPECT_EQ(headset.ReadCustomEqNames(), (std::vector<std::string>{"Bässe", "Voice", ""}));
    for (int type : {0, 20, -5}) {
        ASSERT_TRUE(headset.ReadPresetEq(type).has_value()) << type;
        EXPECT_EQ((*headset.ReadPresetEq(type))[9], 109) << type;
    }
    EXPECT_EQ((*headset.ReadPresetEq(12))[0], 1200);
    EXPECT_FALSE(headset.ReadPresetEq(13).has_value());
    EXPECT_EQ(headset.CurrentEntry(), entry);  // reading presets changed nothing

    headset.WritePresetEq(13, EqGains{});
    EXPECT_EQ(headset.CurrentEntry(), entry);  // type 13 writes nothing
    headset.WritePresetEq(20, EqGains{-3, 4, 10, 0, -11, 3, 9, 13, 6, 0});
    EXPECT_EQ(headset.CurrentEntry()["EQHzValueInfo"][1][4]["value"].asInt(), -11);

    // User equaliser 1 does not exist: ten zero bands are created.
    EXPECT_EQ(headset.ReadCustomEq(1), EqGains{});
    ASSERT_EQ(headset.CurrentEntry()["CustomEQHzValueInfo"].size(), 2u);
    EXPECT_EQ(headset.CurrentEntry()["CustomEQHzValueInfo"][1].size(), 10u);
    EXPECT_EQ(headset.CurrentEntry()["CustomEQHzValueInfo"][1][9]["value"].asInt(), 0);
    EXPECT_EQ(headset.ReadCustomEq(1 << 30), EqGains{});  // far out: nothing made

    headset.WriteCustomEqNames({"A", "B"});
    headset.WriteSystemSettings({0, 1, 2, 3, 4, 5, 6, 7});
    headset.Save();
    const Json::Value saved = readJson(files.profile)["Device"][0];
    EXPECT_EQ(saved["CustomEQNameInfo"], parseJson(R"([{"Name": "A"}, {"Name": "B"}])"));
    EXPECT_EQ(saved["SystemSetStages"]["MicMoniterValue"].asInt(), 7);
    EXPECT_EQ(saved["SystemSetStages"]["CustomEqSeletIndex"].asInt(), 3);
}

TEST(ProfileData, LightEffectsComeFromTheFileTheSelectedEffectNames) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());  // "SelectItem" 3
    const fs::path config = files.folder / "zelta_light.config";
    writeJson(config, parseJson(R"({"LightInfo": [[{"Guid": "a"}, {"Guid": "b"}, {"Guid": "c"},
        {"Guid": "../../{D1}", "LightName": "Mine"}]]})"));
    writeJson(files.folder / "{D1}.light", parseJson(R"({"LEDEffectList": [
        {"LEDREGMode": 1, "LEDDirection": 1, "LEDBrightness": 4, "LEDSpeed": 2,
         "LEDMultiColor": 0, "red": 255, "green": 0, "blue": 9, "Time": 500, "Cyle": 3},
        "junk"]})"));
    mouse.SetLightConfigPath(config.string());
    EXPECT_TRUE(mouse.LoadLightEffects().empty());  // configuration not loaded yet
    mouse.LoadLightConfig(mouse.GetLightConfigPath());
    const std::vector<LightEffectStep> steps = mouse.LoadLightEffects();
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], (LightEffectStep{1, 4, 2, 1, 0, 255, 0, 9, 500, 3}));
    EXPECT_EQ(steps[1], LightEffectStep{});

    LightSetting light = mouse.ReadLightInfo();
    light.mode = 7;  // no such effect
    mouse.WriteLightInfo(light);
    EXPECT_TRUE(mouse.LoadLightEffects().empty());
}

// Every reader on an entry whose values all have the wrong type: zeros, no crash, and the
// entry stays as it was. The writers then replace the wrong values.
TEST(ProfileData, StringsWhereNumbersBelongReadAsZerosWithoutCrashing) {
    ProfileFiles files;
    Json::Value document;
    const Json::Value entry = parseJson(R"({
      "KeyList": [{"Assignment": "66051", "DefaultAssignment": [1]}, "key", 5],
      "LightInfo": {"SelectItem": "3", "Light": {}, "MultiColor": "yes", "Red": 1e300},
      "AudioLightInfo": "loud",
      "LightList": [{"LEDREGMode": "1", "red": 4.9}, 7, "x"],
      "DPIStages": [{"StageActive": "2", "StageDPIs": [{"StageDPIX": "800"}, "s"]}, "t"],
      "SystemStages": {"DoubleClickTime": "500", "SensorLif": "1", "sleeptime": [1]},
      "ReportStages": [4],
      "CustomLightMode": {"CustomLightModeGroupIndex": "1", "LightColorInfo": ["g", {"a": 1}]},
      "SystemSetStages": {"EqType": "13"},
      "EQHzValueInfo": "flat",
      "CustomEQHzValueInfo": [[{"value": "5"}]],
      "CustomEQNameInfo": [{"Name": 5}, "n"]
    })");
    document["Device"][0] = entry;
    writeJson(files.profile, document);

    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    const std::vector<KeyRecord> keys = mouse.ReadKeyList();
    ASSERT_EQ(keys.size(), 3u);
    for (const KeyRecord& key : keys) {
        EXPECT_EQ(key.current, KeyAssignment{});
        EXPECT_EQ(key.factory, KeyAssignment{});
    }
    EXPECT_EQ(mouse.ReadLightInfo(), LightSetting{});
    EXPECT_EQ(mouse.ReadAudioLightInfo(), AudioLightSetting{});
    const std::vector<LightSlotRecord> slots = mouse.ReadLightList();
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0].red, 4);  // 4.9 is a number: the fraction is cut off
    EXPECT_EQ(slots[0].mode, 0);
    EXPECT_EQ(slots[0].present, 1);
    EXPECT_EQ(slots[1].present, 0);
    const std::vector<DpiStage> stages = mouse.ReadDpiStages(0);
    EXPECT_EQ(stages, std::vector<DpiStage>(2));
    EXPECT_EQ(mouse.GetActiveStageIndex(), 0);
    EXPECT_TRUE(mouse.ReadDpiStages(1).size() == 2u);
    EXPECT_EQ(mouse.ReadSystemSettings(), MouseSystemSettings{});
    mouse.SetButtonSlotMap(std::vector<std::uint8_t>{0, 1, 2});
    EXPECT_EQ(mouse.ReadKeyListWithOverlay().size(), 3u);
    EXPECT_EQ(mouse.CurrentEntry(), entry);

    CKeyboardProfiledata keyboard;
    files.bind(keyboard);
    keyboard.LoadEntry(files.profile.string());
    EXPECT_EQ(keyboard.ReadCustomLightGroup(), 0);
    EXPECT_EQ(keyboard.ReadSystemSettings(), KeyboardSystemSettings{});
    EXPECT_EQ(keyboard.ReadCustomLightColours(1, 2), std::vector<KeyColour>(2));
    EXPECT_EQ(keyboard.ReadCustomLightColours(0, 2), std::vector<KeyColour>(2));

    CDu6533Profiledata headset;
    files.bind(headset);
    headset.LoadEntry(files.profile.string());
    EXPECT_EQ(headset.ReadSystemSettings(), HeadsetSystemSettings{});
    EXPECT_EQ(headset.ReadCustomEqNames(), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(headset.ReadCustomEq(0), EqGains{});
    EXPECT_EQ(headset.ReadPresetEq(2), EqGains{});

    // Writers replace what has the wrong type.
    mouse.WriteDpiStages(0, std::vector<DpiStage>(1, DpiStage::make(1, 0, 800, 800, 1, 2, 3)));
    mouse.WriteSystemSettings(MouseSystemSettings{});
    mouse.WriteKeyList(keys);
    mouse.WriteAudioLightInfo(AudioLightSetting{});
    EXPECT_EQ(mouse.ReadDpiStages(0)[0].dpiX(), 800);
    EXPECT_EQ(mouse.CurrentEntry()["KeyList"][1]["Assignment"].asInt(), 0);
    EXPECT_EQ(mouse.CurrentEntry()["ReportStages"]["StageActive"].asInt(), 0);

    // A whole entry of the wrong type: writers make it an object.
    CMouseProfiledata fresh;
    fresh.WriteSystemSettings(MouseSystemSettings{});
    fresh.WriteActiveStage(1, 3);
    EXPECT_TRUE(fresh.CurrentEntry().isObject());
}

TEST(ProfileData, SaveIntoReadOnlyFolderLeavesTheFileAsItWas) {
    ProfileFiles files;
    CMouseProfiledata mouse;
    files.bind(mouse);
    mouse.LoadEntry(files.profile.string());
    const std::string bytes = readBytes(files.profile);
    LightSetting light = mouse.ReadLightInfo();
    light.red = 1;
    mouse.WriteLightInfo(light);

    const bool ran = vorn::test::runInReadOnlyFolder(files.home, files.folder, [&] {
        mouse.Save();
        CMouseProfiledata other;
        files.bind(other);
        other.LoadEntry((files.folder / "new.Json").string());
    });
    if (!ran) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(readBytes(files.profile), bytes);
    EXPECT_EQ(vorn::test::fileNamesIn(files.folder),
              std::set<std::string>{files.profile.filename().string()});
}
