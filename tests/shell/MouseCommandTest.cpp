// The mouse words on a main window, as the running program answers them: the page's own
// events do the work, so the window shows what was changed, the mouse holds it and the
// profile stores it.

#include <gtest/gtest.h>

#include "shell/ControlCommands.h"
#include "shell/MouseCommand.h"
#include "ui_mainwnd/MouseRig.h"

using namespace vorn;
using vorn::test::MouseRig;

namespace {

bool has(const std::string& text, const std::string& fragment) {
    return text.find(fragment) != std::string::npos;
}

}  // namespace

TEST(MouseCommandOnWindow, TheWindowsPageDoesTheWorkAndShowsIt) {
    MouseRig rig("t4");
    auto answer = shell::answerCommand(rig.headless->window(), {"mouse", "dpi", "4", "1600"});
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.text, "stage 4: 1600 DPI");
    EXPECT_EQ(rig.control("DPI_edit_3")->GetText(), "1600");
    EXPECT_EQ(rig.settingsBlock()[14 + 9 * 3 + 2] | rig.settingsBlock()[14 + 9 * 3 + 3] << 8, 1600);

    answer = shell::answerCommand(rig.headless->window(), {"mouse", "stage", "4"});
    EXPECT_EQ(answer.text, "the active stage is stage 4");
    EXPECT_EQ(rig.settingsBlock()[12], 3);

    answer = shell::answerCommand(rig.headless->window(), {"mouse", "show"});
    EXPECT_TRUE(answer.ok);
    EXPECT_TRUE(has(answer.text, "\n  * 4  on    1600 DPI  #FFFF00\n")) << answer.text;

    // A stage not in use has its field disabled: nothing is typed into it, nothing is sent.
    EXPECT_TRUE(shell::answerMouse(rig.headless->window(), {"enable", "5", "off"}).ok);
    rig.takeFrames();
    answer = shell::answerMouse(rig.headless->window(), {"dpi", "5", "900"});
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(answer.text, "stage 5 is not in use; use it first (vornctl mouse enable 5 on)");
    EXPECT_TRUE(rig.takeFrames().empty());

    answer = shell::answerCommand(rig.headless->window(), {"mouse", "dpi", "9", "1600"});
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(answer.text, "a stage is 1 to 6, not '9'");
}

TEST(MouseCommandOnWindow, AKeyIsChosenOnTheKeyPageAndSavedToTheMouse) {
    MouseRig rig("t4");
    const auto answer = shell::answerMouse(rig.headless->window(), {"key", "3", "f5"});
    ASSERT_TRUE(answer.ok) << answer.text;
    EXPECT_EQ(answer.text, "key 3 (Middle button): F5");
    // Kind 0x20 with the usage of F5, in the profile and on the mouse's key page.
    EXPECT_EQ(rig.storedEntry()["KeyList"][2]["Assignment"].asInt(), 0x20003E);
    EXPECT_EQ(rig.mouse().keyList()[2].current, (profiles::KeyAssignment{0x20, 0, 0x3E}));
    const auto shown = shell::answerMouse(rig.headless->window(), {"show"});
    EXPECT_TRUE(has(shown.text, "\n   3  Middle button       F5\n")) << shown.text;

    const auto back =
        shell::answerMouse(rig.headless->window(), {"key", "middle-button", "default"});
    EXPECT_EQ(back.text, "key 3 (Middle button): Middle button");
    EXPECT_EQ(rig.mouse().keyList()[2].current, rig.mouse().keyList()[2].factory);
}

TEST(MouseCommandOnWindow, TheLightSettingIsStoredAndWrittenInTheBlock) {
    MouseRig rig("t4");
    const auto answer = shell::answerMouse(
        rig.headless->window(), {"light", "wave", "--brightness", "2", "--colour", "00ff80"});
    ASSERT_TRUE(answer.ok) << answer.text;
    EXPECT_EQ(answer.text, "light: Wave, brightness 2, speed 3, colour #00FF80");
    const std::vector<std::uint8_t> block = rig.settingsBlock();
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 1, block.begin() + 9),
              (std::vector<std::uint8_t>{5, 2, 3, 1, 1, 0x00, 0xFF,
                                         0x80}));  // direction and colours kept
    EXPECT_EQ(rig.storedEntry()["LightInfo"]["SelectItem"].asInt(), 4);
}

TEST(MouseCommandOnWindow, AMouseThatDoesNotAnswerIsToldAndTheProfileKeepsTheValue) {
    MouseRig rig("t4");
    rig.bus->injectFault(0, {emulator::FaultKind::DropReply, 1, 0});
    const auto answer = shell::answerMouse(rig.headless->window(), {"dpi", "4", "1600"});
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(answer.text,
              "stage 4: 1600 DPI; the profile holds it, but the mouse did not take it (no answer "
              "on the cable)");
    EXPECT_EQ(rig.storedEntry()["DPIStages"][0]["StageDPIs"][3]["StageDPIX"].asInt(), 1600);
}

TEST(MouseCommandOnWindow, AModelIsChosenByItsTileFirst) {
    MouseRig rig("t4,dongle8k+t4ultra");
    ASSERT_EQ(rig.mouse().displayName(), "VORN-T4");
    const auto answer =
        shell::answerMouse(rig.headless->window(), {"motion-sync", "on", "--model", "t4ultra"});
    ASSERT_TRUE(answer.ok) << answer.text;
    EXPECT_EQ(rig.mouse().displayName(), "VORN-T4Ultra");  // the window shows its page now
    EXPECT_EQ(rig.settingsBlock(1)[71], 1);
    EXPECT_EQ(rig.settingsBlock(0)[71], 0);
    const auto again =
        shell::answerMouse(rig.headless->window(), {"motion-sync", "on", "--model", "t4ultra"});
    EXPECT_EQ(again.text, "motion sync: on (unchanged)");
}
