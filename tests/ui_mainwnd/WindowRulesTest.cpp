#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/StandardCatalogue.h"
#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/WindowRules.h"
#include "ui/mainwnd/WorkToolReport.h"

using namespace vorn::ui;
using namespace vorn::ui::mainwnd;

TEST(WindowRules, ScaleFitsTheMonitor) {
    EXPECT_EQ(fitScaleForMonitor({0, 0, 1920, 1080}), 144);
    EXPECT_EQ(fitScaleForMonitor({0, 0, 1366, 768}), 96);
    EXPECT_EQ(fitScaleForMonitor({0, 0, 1501, 961}), 144);
    EXPECT_EQ(fitScaleForMonitor({0, 0, 1500, 1200}), 96);    // wider than 1500 it must be
    EXPECT_EQ(fitScaleForMonitor({1920, 0, 3840, 960}), 96);  // and taller than 960
}

TEST(WindowRules, TrayMenuOpensBesideThePanel) {
    const UiPoint cursor{1800, 1060};
    struct Case {
        UiRect work;
        UiPoint point;
        unsigned alignment;
    };
    const UiRect screen{0, 0, 1920, 1080};
    for (const Case& c : {
             Case{{0, 40, 1920, 1080}, {1800, 41}, 12},   // panel at the top
             Case{{48, 0, 1920, 1080}, {49, 1060}, 18},   // at the left
             Case{{0, 0, 1920, 1040}, {1800, 1020}, 24},  // at the bottom: 20 above it
             Case{{0, 0, 1872, 1080}, {1871, 1060}, 24},  // at the right
             Case{{0, 0, 1920, 1080}, {1800, 1060}, 6},   // no panel: at the cursor
         }) {
        const MenuAnchor anchor = trayMenuAnchor(taskbarRect(screen, c.work), cursor);
        EXPECT_EQ(anchor.point.x, c.point.x) << c.work.left << "," << c.work.top;
        EXPECT_EQ(anchor.point.y, c.point.y) << c.work.left << "," << c.work.top;
        EXPECT_EQ(anchor.alignment, c.alignment) << c.work.left << "," << c.work.top;
    }
}

TEST(WorkToolReport, VersionModelCountAndEveryModelsIdsAndType) {
    const auto& models = vorn::catalogue::kDeviceCatalogue.options;
    const auto block = workToolReport(models);
    const auto word = [&](std::size_t i) {
        std::int32_t v = 0;
        std::memcpy(&v, block.data() + 4 * i, 4);  // little-endian on every target we build
        return v;
    };
    EXPECT_EQ(block.size(), 1024u);
    EXPECT_EQ(word(0), 2);
    EXPECT_EQ(word(1), 3);
    EXPECT_EQ(word(2), 0);
    EXPECT_EQ(word(3), 2);
    ASSERT_EQ(word(4), 5);
    ASSERT_EQ(models.size(), 5u);
    for (std::size_t i = 0; i < models.size(); ++i) {
        EXPECT_EQ(word(5 + 3 * i), models[i].vendorId) << i;
        EXPECT_EQ(word(6 + 3 * i), models[i].productId) << i;
        EXPECT_EQ(word(7 + 3 * i), static_cast<std::int32_t>(models[i].deviceType)) << i;
    }
    EXPECT_EQ(block[16], 5);  // low byte first
    EXPECT_EQ(block[17], 0);
    for (std::size_t i = 20; i < 256; ++i) {
        EXPECT_EQ(word(i), 0) << i;
    }
}

TEST(AppMessages, NamesAreByteExactAndEachHasItsOwnId) {
    EXPECT_EQ(kAppIdentity, "VORN  8K Gaming Mouse");
    EXPECT_EQ(kCompanionMessage0Name, "{1234567890}");
    EXPECT_EQ(kCompanionMessage1Name, "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}");
    EXPECT_EQ(kLightControlAnnounceName, "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}");
    EXPECT_EQ(kLightControlRequestName, "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}");
    EXPECT_EQ(kWorkToolRequestName, "{4695579F-999A-41d4-9FAF-EFFCE93EBF18}");
    EXPECT_EQ(kAudioRecordMessageName, "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}");
    EXPECT_EQ(kKeyHookMessageNames[9], "WM_HOOK_KEY_SINGLEKEY_MSG");
    EXPECT_EQ(kMouseHookMessageNames[3], "WM_HOOK_MOU_SINGLEKEY_MSG");
    EXPECT_EQ(kGameEventNames[3], "Game_Death");
    EXPECT_EQ(kMouseUserMessageNames[4], "UWM_MOUSEMOVE_USER_MSG");

    const AppMessageIds& ids = appMessageIds();
    std::vector<std::uint32_t> all = {ids.app,
                                      ids.companion0,
                                      ids.companion1,
                                      ids.lightControlAnnounce,
                                      ids.lightControlRequest,
                                      ids.workToolRequest,
                                      ids.audioRecord};
    all.insert(all.end(), ids.keyHook.begin(), ids.keyHook.end());
    all.insert(all.end(), ids.mouseHook.begin(), ids.mouseHook.end());
    all.insert(all.end(), ids.game.begin(), ids.game.end());
    all.insert(all.end(), ids.mouseUser.begin(), ids.mouseUser.end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    EXPECT_GE(all.front(), 0xC000u);
}
