#pragma once
// What a device page sees of the controls the selector gives it: its tile (the selector
// entry that hosts its timers) and its power panel, each behind the page's own small
// interface.

#include "devices/DeviceSurfaces.h"
#include "ui/controls/DeviceOptionUI.h"
#include "ui/controls/MpDevicePowerUI.h"

namespace vorn::ui::selector {

class TileEntry final : public devices::IDeviceEntry {
  public:
    explicit TileEntry(CDeviceOptionUI& tile) : tile_(tile) {}

    bool isEntryShown() const override { return tile_.isTileVisible(); }
    bool isEntrySelected() const override { return tile_.isSelected(); }
    // The device is no longer seen: the tile goes and counts as not connected.
    void hideEntry() override;
    bool startEntryTimer(unsigned timerId, unsigned elapseMs) override;
    bool stopEntryTimer(unsigned timerId) override;

  private:
    CDeviceOptionUI& tile_;
};

class PowerPanelView final : public devices::IPowerView {
  public:
    explicit PowerPanelView(CMpDevicePowerUI& panel) : panel_(panel) {}
    void showPowerLayout(bool shown) override { panel_.showPowerLayout(shown); }
    void showPowerState(const std::uint8_t* block, std::size_t length) override;

  private:
    CMpDevicePowerUI& panel_;
};

}  // namespace vorn::ui::selector
