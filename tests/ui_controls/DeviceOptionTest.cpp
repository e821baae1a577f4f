#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui/controls/DeviceOptionUI.h"
#include "ui/controls/DeviceTileLook.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/core/UiLoop.h"
#include "ui_controls/ControlsTestSupport.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kTiles = R"(<Window size="300,100">
  <HorizontalLayout>
    <DeviceOption name="tile_0" width="80">
      <Option name="device_select" group="device_select_group"/>
      <CheckBox name="synchro_device_select" width="16" height="16" visible="false"/>
    </DeviceOption>
    <DeviceOption name="tile_1" width="80">
      <Option name="device_select" group="device_select_group"/>
      <CheckBox name="synchro_device_select" width="16" height="16" visible="false"/>
    </DeviceOption>
  </HorizontalLayout>
</Window>)";

struct TileTree : test::CustomTree {
    TileTree() : CustomTree(kTiles) {}
    CDeviceOptionUI* tile(int i) { return find<CDeviceOptionUI>(i == 0 ? "tile_0" : "tile_1"); }
    COptionUI* option(int i) {
        return static_cast<COptionUI*>(pm.FindSubControlByName(tile(i), "device_select"));
    }
    CCheckBoxUI* box(int i) {
        return static_cast<CCheckBoxUI*>(pm.FindSubControlByName(tile(i), "synchro_device_select"));
    }
    std::vector<std::string> images(int i) {
        return {option(i)->GetNormalImage(), option(i)->GetSelectedImage(),
                option(i)->GetDisabledImage()};
    }
};

std::vector<std::string> imagesOf(const std::string& base, bool synchro) {
    std::string prefix = "common/device_ico/" + base + (synchro ? "synchro_" : "");
    return {prefix + "normal.png", prefix + "selected.png", prefix + "normal.png"};
}

}  // namespace

TEST(DeviceOption, EachKindShowsItsPicturesAndTooltip) {
    struct Case {
        int kind;
        int variant;
        const char* base;
        const char* tooltip;
    };
    const std::array<Case, 10> cases = {{
        {1, 0, "kb_device_", "kb_device_name_text"},
        {2, 0, "ms_device_", "ms_device_name_text"},
        {10, 0, "ms_device_", "ms_device_name_text"},
        {3, 0, "hard_mp_device_", "hard_mp_device_name_text"},
        {3, 1, "soft_mp_device_", "soft_mp_device_name_text"},
        {4, 0, "hd_device_", "hd_device_name_text"},
        {7, 3, "hd_device_", "hd_device_name_text"},
        {5, 0, "hub_device_", "hub_device_name_text"},
        {6, 0, "unknow_device_", "unknow_device_name_text"},
        {0, 0, "unknow_device_", "unknow_device_name_text"},
    }};
    TileTree t;
    for (const Case& c : cases) {
        t.tile(0)->setDeviceKind(c.kind, c.variant);
        EXPECT_EQ(t.images(0), imagesOf(c.base, false)) << c.kind;
        EXPECT_EQ(t.option(0)->GetToolTip(), c.tooltip) << c.kind;
        EXPECT_EQ(t.tile(0)->imagePath(), std::string("common/device_ico/") + c.base);
    }
}

TEST(DeviceOption, KindTenIsAMouseAndAnUnknownPadVariantChangesNothing) {
    TileTree t;
    t.tile(0)->setDeviceKind(10, 0);
    EXPECT_EQ(t.tile(0)->deviceKind(), 2);
    t.tile(0)->setDeviceKind(3, 2);
    EXPECT_EQ(t.tile(0)->deviceKind(), 2);
    EXPECT_EQ(t.tile(0)->variant(), 0);
    EXPECT_EQ(t.images(0), imagesOf("ms_device_", false));
    EXPECT_FALSE(deviceTileLookOf(3, -1).has_value());
    EXPECT_EQ(deviceTileLookOf(42, 0)->tooltipKey, "unknow_device_name_text");
}

TEST(DeviceOption, TheSynchronisationBoxSwapsThePictures) {
    TileTree t;
    t.tile(0)->setDeviceKind(1, 0);
    t.tile(0)->setSynchronised(true);
    EXPECT_TRUE(t.tile(0)->isSynchronised());
    EXPECT_EQ(t.images(0), imagesOf("kb_device_", true));
    EXPECT_TRUE(t.recorder.of("selectchanged").empty());  // set without a notification
    t.tile(0)->setSynchronised(false);
    EXPECT_EQ(t.images(0), imagesOf("kb_device_", false));
}

TEST(DeviceOption, TheUserTickingTheBoxSwapsThePicturesAndTellsTheWindow) {
    TileTree t;
    t.tile(1)->setDeviceKind(2, 0);
    EXPECT_FALSE(t.box(1)->IsVisible());  // starts hidden
    t.tile(1)->showSynchroBox(true);
    t.pm.ClickControl(t.box(1));
    EXPECT_TRUE(t.tile(1)->isSynchronised());
    EXPECT_EQ(t.images(1), imagesOf("ms_device_", true));
    EXPECT_EQ(t.recorder.of("selectchanged"),
              (std::vector<std::string>{"selectchanged:synchro_device_select"}));
    t.pm.ClickControl(t.box(1));
    EXPECT_EQ(t.images(1), imagesOf("ms_device_", false));
    EXPECT_FALSE(t.tile(0)->isSynchronised());  // the other tile keeps its own
}

TEST(DeviceOption, ActivatingATileRaisesSelectchangedForIt) {
    TileTree t;
    EXPECT_TRUE(t.tile(0)->Activate());
    EXPECT_EQ(t.recorder.of("selectchanged"), (std::vector<std::string>{"selectchanged:tile_0"}));
    t.tile(0)->setTileVisible(false);
    EXPECT_FALSE(t.tile(0)->Activate());
    EXPECT_EQ(t.recorder.of("selectchanged").size(), 1u);
}

TEST(DeviceOption, KeepsTheSelectorsFlagsAndWhereItsPageAndPanelAre) {
    TileTree t;
    CDeviceOptionUI* tile = t.tile(0);
    EXPECT_EQ(tile->GetClass(), "DeviceOption");
    EXPECT_FALSE(tile->isConnected());
    EXPECT_FALSE(tile->isSelected());
    EXPECT_EQ(tile->pageIndex(), -1);
    EXPECT_EQ(tile->devicePage(), nullptr);
    tile->setPageSwitch(CDeviceOptionUI::kPageSwitchName, 3);
    tile->setPowerSwitch("device_power_switch", 2);
    tile->setTabHeaderName("tab_header_device");
    tile->setConnected(true);
    tile->setSelected(true);
    tile->setTileVisible(true);
    CControlUI page;
    tile->setDevicePage(&page);
    EXPECT_EQ(tile->pageSwitchName(), "device_switch");
    EXPECT_EQ(tile->pageIndex(), 3);
    EXPECT_EQ(tile->powerSwitchName(), "device_power_switch");
    EXPECT_EQ(tile->powerIndex(), 2);
    EXPECT_EQ(tile->tabHeaderName(), "tab_header_device");
    EXPECT_TRUE(tile->isConnected() && tile->isSelected() && tile->isTileVisible());
    EXPECT_EQ(tile->devicePage(), &page);
    tile->setTileVisible(false);
    EXPECT_FALSE(tile->IsVisible());
}

TEST(DeviceOption, PageTimersFireOnceIntoTheHandler) {
    ScopedManualUiLoop ui;
    TileTree t;
    std::vector<unsigned> fired;
    t.tile(0)->setTimerHandler([&](unsigned id) {
        fired.push_back(id);
        if (id == 1005 && fired.size() < 3) {
            t.tile(0)->startTimer(1005, 3000);  // re-armed by the handler
        }
    });
    ASSERT_TRUE(t.tile(0)->startTimer(1001, 50));
    ASSERT_TRUE(t.tile(0)->startTimer(1005, 100));
    EXPECT_TRUE(t.tile(0)->isTimerRunning(1001));
    ui.loop().advance(50);
    EXPECT_EQ(fired, (std::vector<unsigned>{1001}));
    EXPECT_FALSE(t.tile(0)->isTimerRunning(1001));
    ui.loop().advance(50);
    ui.loop().advance(3000);
    ui.loop().advance(3000);
    ui.loop().advance(3000);
    EXPECT_EQ(fired, (std::vector<unsigned>{1001, 1005, 1005}));
    EXPECT_FALSE(t.tile(0)->isTimerRunning(1005));
    EXPECT_TRUE(t.recorder.of("timer").empty());
}

TEST(DeviceOption, WithoutAHandlerATimerBecomesANotification) {
    ScopedManualUiLoop ui;
    TileTree t;
    t.tile(1)->startTimer(1000, 10);
    ui.loop().advance(10);
    ui.loop().advance(10);
    EXPECT_EQ(t.recorder.of("timer"), (std::vector<std::string>{"timer:tile_1"}));
    EXPECT_EQ(t.recorder.last.wParam, 1000u);
    t.tile(1)->startTimer(1002, 10);
    t.tile(1)->stopTimer(1002);
    ui.loop().advance(10);
    EXPECT_EQ(t.recorder.of("timer").size(), 1u);
}

TEST(DeviceOption, WithoutATreeNothingRuns) {
    CDeviceOptionUI tile;
    EXPECT_FALSE(tile.startTimer(1000, 10));
    EXPECT_FALSE(tile.isTimerRunning(1000));
    tile.setDeviceKind(2, 0);  // no option to dress: only the kind is kept
    EXPECT_EQ(tile.deviceKind(), 2);
    EXPECT_FALSE(tile.isSynchronised());
    tile.setSynchronised(true);
    EXPECT_FALSE(tile.isSynchronised());
}
