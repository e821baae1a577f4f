// vornctl mouse on the emulator: the mouse page built without a window does the work, so the
// frames are those of a click on the page, and words that cannot be read change nothing.

#include <gtest/gtest.h>
#include <json/json.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "platform/clock/Clock.h"
#include "platform/paths/Paths.h"
#include "storage/DataFile.h"
#include "support/TempHome.h"
#include "ui/framework/resources/ResourceManager.h"

namespace fs = std::filesystem;
using vorn::test::CliRun;
using vorn::test::lines;
using vorn::test::vornctl;
using Strings = std::vector<std::string>;

namespace {

// The requests of a --trace output as "CC" or "CC LEN@OFFSET" (hexadecimal, as sent).
Strings requests(const std::string& out) {
    Strings shapes;
    const Strings all = lines(out);
    for (std::size_t i = 0; i + 1 < all.size(); ++i) {
        if (all[i] != "命令") {
            continue;
        }
        std::istringstream in(all[i + 1]);
        Strings b;
        for (std::string byte; in >> byte;) {
            b.push_back(byte);
        }
        const bool data = b[4] != "00" || b[5] != "00" || b[6] != "00";
        shapes.push_back(data ? b[3] + " " + b[4] + "@" + b[6] + b[5] : b[3]);
    }
    return shapes;
}

class MouseCommand : public ::testing::Test {
  protected:
    MouseCommand() {
        vorn::platform::setProgramFolderOverride(std::string(VORN_SOURCE_DIR) + "/resources/");
    }
    ~MouseCommand() override {
        vorn::platform::setProgramFolderOverride("");
        vorn::ui::CResourceManager::GetInstance().ResetTextMap();
    }
    fs::path modelFolder() const { return home_.dataHome() / "VORN  8K Gaming Mouse" / "VORN-T4"; }
    // The T4's entry in its selected profile file.
    Json::Value storedEntry() const {
        const Json::Value list =
            vorn::storage::ReadJsonFile((modelFolder() / "ProfileList.ini").string());
        const std::string id =
            list["profilelist"][list["profileselect"].asInt()]["profileUUID"].asString();
        return vorn::storage::ReadJsonFile((modelFolder() / (id + ".Json")).string())["Device"][0];
    }

    vorn::test::TempHome home_;
    vorn::platform::VirtualClock clock_;
    vorn::platform::ClockOverride override_{clock_};
};

}  // namespace

TEST_F(MouseCommand, ShowDecodesEverySettingOfTheEmulatedT4) {
    const CliRun run = vornctl({"mouse", "show", "--sim", "t4"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "VORN-T4, on the cable, profile \"Profile1\"\n"
              "Stages (* the active one):\n"
              "    1  on     400 DPI  #FF0000\n"
              "  * 2  on     800 DPI  #00FF00\n"
              "    3  on    1600 DPI  #0000FF\n"
              "    4  on    3200 DPI  #FFFF00\n"
              "    5  on    6400 DPI  #00FFFF\n"
              "    6  on   12800 DPI  #FF00FF\n"
              "Polling rate:        1000 Hz\n"
              "Lift-off distance:   1 mm\n"
              "Motion sync:         off\n"
              "Linear calibration:  off\n"
              "Silent altitude:     level 1\n"
              "Debounce time:       4 ms\n"
              "Deep sleep:          after 3 minutes\n"
              "Light:               Static, brightness 3, speed 3, colour #FF0000\n"
              "Keys:\n"
              "   1  Forward             Forward\n"
              "   2  Left button         Left button\n"
              "   3  Middle button       Middle button\n"
              "   4  Right button        Right button\n"
              "   5  Back                Back\n"
              "   6  DPI up              DPI up\n"
              "   7  DPI down            DPI down\n"
              "   8  DPI cycle           DPI cycle\n"
              "   9  Polling rate cycle  Polling rate cycle\n"
              "  10  Game mode           Game mode\n"
              "  11  DPI shift           DPI shift\n");
}

TEST_F(MouseCommand, AStageValueIsWrittenAsThePageWritesIt) {
    const CliRun cable = vornctl({"mouse", "dpi", "4", "1600", "--sim", "t4", "--trace"});
    ASSERT_EQ(cable.status, 0) << cable.err;
    EXPECT_EQ(requests(cable.out), (Strings{"01", "06 38@0000", "06 13@0038", "02"}));
    EXPECT_EQ(lines(cable.out).back(), "stage 4: 1600 DPI");
    EXPECT_EQ(storedEntry()["DPIStages"][0]["StageDPIs"][3]["StageDPIX"].asInt(), 1600);

    const CliRun receiver =
        vornctl({"mouse", "dpi", "4", "45000", "--sim", "dongle8k+t4", "--trace"});
    ASSERT_EQ(receiver.status, 0) << receiver.err;
    EXPECT_EQ(requests(receiver.out), (Strings{"aa", "01", "aa", "06 18@0000", "06 18@0018",
                                               "06 18@0030", "06 03@0048", "aa", "02"}));
    EXPECT_EQ(lines(receiver.out).back(),
              "stage 4: 42000 DPI (45000 is outside the stage's range)");
    EXPECT_EQ(storedEntry()["DPIStages"][0]["StageDPIs"][3]["StageDPIX"].asInt(), 42000);
}

TEST_F(MouseCommand, WordsThatCannotBeReadStopBeforeAnythingIsBuilt) {
    const std::vector<std::vector<const char*>> usage = {
        {"stage", "7"},
        {"dpi", "4", "abc"},
        {"dpi", "4"},
        {"rate", "9000"},
        {"debounce", "3"},
        {"sleep", "7"},
        {"liftoff", "0"},
        {"key", "12", "left"},
        {"key", "1", "ctrl+shift+a"},
        {"light", "disco"},
        {"light", "wave", "--speed", "5"},
        {"show", "--model"},
        {"jump"},
    };
    for (std::vector<const char*> args : usage) {
        args.insert(args.begin(), "mouse");
        args.insert(args.end(), {"--sim", "t4", "--trace"});
        const CliRun run = vornctl(args);
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
        EXPECT_TRUE(run.err.rfind("vornctl mouse: ", 0) == 0) << run.err;
    }
    EXPECT_FALSE(fs::exists(modelFolder().parent_path()));  // no window was built, nothing stored
    EXPECT_EQ(vornctl({"mouse", "dpi", "4", "1", "--sim", "t4:x"}).status, 2);
}

TEST_F(MouseCommand, RefusalsOfThePageOrTheLinkWriteNothing) {
    struct Refusal {
        std::vector<const char*> args;
        std::string said;
    };
    const std::vector<Refusal> refusals = {
        {{"rate", "8000", "--sim", "t4@own"},
         "8000 Hz is not offered through the receiver; the mouse offers 125, 250, 500, 1000 Hz "
         "there\n"},
        {{"rate", "125", "--sim", "t4"},
         "125 Hz is not offered on the cable; the mouse offers 500, 1000, 2000, 4000, 8000 Hz "
         "there\n"},
        {{"enable", "2", "off", "--sim", "t4"},
         "stage 2 is the active stage and stays in use; make another stage active first\n"},
        {{"show", "--model", "t4max", "--sim", "t4"},
         "no t4max is connected (connected: VORN-T4)\n"},
        {{"show", "--sim", "dongle8k+t4:off"}, "no mouse is connected\n"},
    };
    for (Refusal r : refusals) {
        r.args.insert(r.args.begin(), "mouse");
        r.args.push_back("--trace");
        const CliRun run = vornctl(r.args);
        EXPECT_EQ(run.status, 1) << r.said;
        EXPECT_EQ(run.out, "") << r.said;  // not one frame
        EXPECT_EQ(run.err, "vornctl mouse: " + r.said);
    }
}

TEST_F(MouseCommand, TheOwnReceiverTakesItsRatesAndTheSettingsReachTheProfile) {
    const CliRun rate = vornctl({"mouse", "rate", "250", "--sim", "t4@own"});
    ASSERT_EQ(rate.status, 0) << rate.err;
    EXPECT_EQ(rate.out, "polling rate: 250 Hz through the receiver\n");
    EXPECT_EQ(storedEntry()["SystemStages"]["ReportSelectItem24K"].asInt(), 1);

    const CliRun sleep = vornctl({"mouse", "sleep", "10", "--sim", "t4"});
    ASSERT_EQ(sleep.status, 0) << sleep.err;
    EXPECT_EQ(sleep.out, "deep sleep: after 10 minutes\n");
    EXPECT_EQ(storedEntry()["SystemStages"]["DormancyTime"].asInt(), 4);
    EXPECT_EQ(storedEntry()["SystemStages"]["DeepSleepOff"].asInt(), 1);

    const CliRun key = vornctl({"mouse", "key", "right-button", "ctrl+c", "--sim", "t4"});
    ASSERT_EQ(key.status, 0) << key.err;
    EXPECT_EQ(key.out, "key 4 (Right button): Left Ctrl+C\n");
    // Kind 0x20, left Ctrl, usage of C: 0x20 << 16 | 0x01 << 8 | 0x06.
    EXPECT_EQ(storedEntry()["KeyList"][3]["Assignment"].asInt(), 0x200106);
}
