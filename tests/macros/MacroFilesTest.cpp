// The macro list, macro files and shoot files as the device downloads read them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "macros/MacroEvent.h"
#include "macros/MacroList.h"
#include "macros/ShootFiles.h"
#include "support/TempHome.h"

using namespace vorn;
using namespace vorn::macros;
namespace fs = std::filesystem;

namespace {

class MacroFolder : public ::testing::Test {
  protected:
    std::string folder() const { return (home_.root() / "VORN-T4").string() + "/"; }
    void put(const std::string& name, const std::string& text) {
        test::writeBytes(home_.root() / "VORN-T4" / name, text);
    }

  private:
    test::TempHome home_;
};

}  // namespace

TEST_F(MacroFolder, ListKeepsPositionsOfOddElementsAndReadsNothingFromADamagedFile) {
    put("macro.config", R"({"MacroInfo": [
        {"MacroName": "Reload", "Guid": "2024_03_07_09_05_01_042"},
        7,
        {"MacroName": "Jump"}],
      "macroselect": 2})");
    const MacroList list = readMacroList(folder());
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.entries[0].name, "Reload");
    EXPECT_EQ(list.entries[0].guid, "2024_03_07_09_05_01_042");
    EXPECT_EQ(list.entries[1].name, "");  // no object: a place holder, not dropped
    EXPECT_EQ(list.entries[2].guid, "");
    EXPECT_EQ(list.selected, 2);

    put("macro.config", "{\"MacroInfo\": [");
    EXPECT_TRUE(readMacroList(folder()).entries.empty());
    EXPECT_TRUE(readMacroList(folder() + "missing/").entries.empty());
}

TEST_F(MacroFolder, MacroFilePathsStayInsideTheFolder) {
    EXPECT_EQ(macroFilePath("/d/", "2024_01_01"), "/d/2024_01_01.mac");
    EXPECT_EQ(macroFilePath("/d/", "../../etc/passwd"), "/d/passwd.mac");
    EXPECT_EQ(macroFilePath("/d/", ".."), "");
    EXPECT_EQ(macroFilePath("/d/", ""), "");
    EXPECT_TRUE(readMacroEventFile("").empty());
}

TEST_F(MacroFolder, EventsReadDelaysAsTextOrNumberAndActionsWithoutRegardToCase) {
    put("m.mac", R"({"MacroName": "m", "Guid": "m", "Version": 64, "Events": [
        {"Action": "down", "Type": 10, "Button": 4, "Delay": "120"},
        {"Action": "UP", "Type": 10, "Button": 4, "Delay": 10},
        {"Action": "Down", "Type": 1, "Button": 2, "Delay": "70000"},
        {"Action": "up", "Type": 5, "Button": 300, "Delay": "-5"},
        {"Action": 1, "Type": "x", "Delay": "abc"},
        null]})");
    const std::vector<MacroEvent> events = readMacroEventFile(folder() + "m.mac");
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0], (MacroEvent{true, 10, 4, 120}));
    EXPECT_EQ(events[1], (MacroEvent{false, 10, 4, 10}));
    EXPECT_EQ(events[2], (MacroEvent{true, 1, 2, 70000}));
    EXPECT_EQ(events[3], (MacroEvent{false, 5, 300, 0}));
    EXPECT_EQ(events[4], (MacroEvent{false, 0, 0, 0}));
    EXPECT_EQ(events[5], MacroEvent{});

    put("broken.mac", "{\"Events\": [{\"Type\": 1}");
    EXPECT_TRUE(readMacroEventFile(folder() + "broken.mac").empty());
    put("none.mac", R"({"Events": {"Type": 1}})");
    EXPECT_TRUE(readMacroEventFile(folder() + "none.mac").empty());
}

TEST_F(MacroFolder, ShootFilesAreNamedByGunAndReadLikeMacros) {
    EXPECT_EQ(shootFilePath("/d/", 3), "/d/ShootData_3.Shoot");
    put("ShootData_1.Shoot", R"({"Events": [
        {"Action": "down", "Type": 1, "Button": 1, "Delay": 10},
        {"Action": "up", "Type": 5, "Button": 7, "Delay": 90}]})");
    EXPECT_EQ(readShootEvents(folder(), 1),
              (std::vector<MacroEvent>{{true, 1, 1, 10}, {false, 5, 7, 90}}));
    EXPECT_TRUE(readShootEvents(folder(), 0).empty());
}
