#pragma once
// CDeviceOptionUI: the tile of one device in the device selector. It links the device's
// page and power panel to the selector: it knows the tab layout that shows the page and the
// container that shows the power panel (by name and item index), shows the pictures and
// tooltip of its device kind on its option "device_select", swaps them for the
// synchronised pictures while its box "synchro_device_select" is checked, keeps the
// visible, connected and selected flags the selector works with, and hosts the page's
// periodic work as one-shot control timers. Activating the tile raises "selectchanged".

#include <functional>
#include <string>
#include <string_view>

#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {

class CCheckBoxUI;
class COptionUI;

class CDeviceOptionUI : public CHorizontalLayoutUI {
  public:
    static constexpr std::string_view kClassName = "DeviceOption";
    static constexpr std::string_view kOptionName = "device_select";
    static constexpr std::string_view kSynchroBoxName = "synchro_device_select";
    static constexpr std::string_view kPageSwitchName = "device_switch";
    // The timers the device page runs on its tile.
    static constexpr unsigned kFirstPageTimer = 1000;
    static constexpr unsigned kLastPageTimer = 1007;

    using TimerHandler = std::function<void(unsigned timerId)>;

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool Activate() override;
    void DoInit() override;
    void DoEvent(TEventUI& event) override;

    // The device page the tile stands for (owned by the page switcher).
    void setDevicePage(CControlUI* page) { page_ = page; }
    CControlUI* devicePage() const { return page_; }

    // The device kind (1 keyboard, 2 mouse (10 is kept as 2), 3 mouse pad with variant 0
    // hard or 1 soft, 4 and 7 headset, 5 hub, others unknown) and its pictures and tooltip.
    // A mouse pad of another variant leaves the tile as it is.
    void setDeviceKind(int kind, int variant);
    int deviceKind() const { return kind_; }
    int variant() const { return variant_; }
    const std::string& imagePath() const { return imagePath_; }

    // Where the page and the power panel are shown.
    void setPageSwitch(std::string_view name, int index);
    const std::string& pageSwitchName() const { return pageSwitchName_; }
    int pageIndex() const { return pageIndex_; }
    void setPowerSwitch(std::string_view name, int index);
    const std::string& powerSwitchName() const { return powerSwitchName_; }
    int powerIndex() const { return powerIndex_; }
    // The container that receives the device's tab header.
    void setTabHeaderName(std::string_view name) { tabHeaderName_ = std::string(name); }
    const std::string& tabHeaderName() const { return tabHeaderName_; }

    // The selector's flags. setTileVisible also shows or hides the tile.
    void setTileVisible(bool visible);
    bool isTileVisible() const { return visible_; }
    void setConnected(bool connected) { connected_ = connected; }
    bool isConnected() const { return connected_; }
    void setSelected(bool selected) { selected_ = selected; }
    bool isSelected() const { return selected_; }

    // The synchronisation box: checked or not (false without the box), set without a
    // notification (the pictures follow), shown only while several devices are connected.
    bool isSynchronised() const;
    void setSynchronised(bool synchronised);
    void showSynchroBox(bool shown);

    // One-shot timers of the device page: each is stopped when it fires and then handed to
    // the handler (without a handler the tile raises "timer" as any control). False
    // without a message loop.
    void setTimerHandler(TimerHandler handler) { timerHandler_ = std::move(handler); }
    bool startTimer(unsigned timerId, unsigned elapseMs);
    void stopTimer(unsigned timerId);
    bool isTimerRunning(unsigned timerId) const;

  private:
    COptionUI* option() const;
    CCheckBoxUI* synchroBox() const;
    // Shows the pictures of the image path for the current synchronisation state.
    void applyImages();

    CControlUI* page_ = nullptr;
    int kind_ = 0;
    int variant_ = 0;
    std::string imagePath_;
    std::string tooltipKey_;
    std::string pageSwitchName_;
    int pageIndex_ = -1;
    std::string powerSwitchName_;
    int powerIndex_ = -1;
    std::string tabHeaderName_;
    bool visible_ = false;
    bool connected_ = false;
    bool selected_ = false;
    bool synchroHooked_ = false;
    TimerHandler timerHandler_;
};

}  // namespace vorn::ui
