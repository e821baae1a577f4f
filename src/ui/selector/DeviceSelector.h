#pragma once
// The device selector of the main window: one tile per device page in
// "device_select_layout", the pages in the tab layout "device_switch" (after the "no device"
// panel), their power panels in "device_power_switch". Pages are built once, hidden, and
// live as long as the window; the device link shows and hides their tiles as devices come
// and go. The current device is the first tile, in selector order, that is both connected
// and selected; every page-specific action works on it. UI thread only.

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueRows.h"
#include "catalogue/SlotLookup.h"
#include "devices/PageFactory.h"
#include "devices/TessarinUSBDevice.h"
#include "platform/loop/MessageLoop.h"
#include "ui/controls/DeviceOptionUI.h"
#include "ui/controls/MpDevicePowerUI.h"
#include "ui/framework/layouts/DialogBuilder.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/selector/TileEntry.h"

namespace vorn::ui::selector {

inline constexpr std::string_view kSelectorLayout = "device_select_layout";
inline constexpr std::string_view kPageSwitch = "device_switch";
inline constexpr std::string_view kPowerSwitch = "device_power_switch";
inline constexpr std::string_view kNoDevicePanel = "No_device_Link";
inline constexpr std::string_view kPowerPanelLayout = "XML/CustomControlXML/MpDevicePower.xml";

// One tile with the page and power panel it stands for.
struct SelectorEntry {
    CDeviceOptionUI* tile = nullptr;
    devices::CTessarinUSBDevice* page = nullptr;
    CMpDevicePowerUI* power = nullptr;
    std::unique_ptr<TileEntry> entry;
    std::unique_ptr<PowerPanelView> powerView;
};

class DeviceSelector {
  public:
    // manager: the main window's; factory: the window as control factory of the layouts;
    // owner: where the pages send their messages (the main window).
    DeviceSelector(CPaintManagerUI& manager, IDialogBuilderCallback* factory,
                   const catalogue::DeviceCatalogue& tables, platform::MessageTarget* owner);
    DeviceSelector(const DeviceSelector&) = delete;
    DeviceSelector& operator=(const DeviceSelector&) = delete;

    // --- Building ---
    // One hidden page per option row, in order, each for the first slot row of the row's
    // identity; a row without such a slot row ends the building. The keyboard page thus
    // comes first.
    void buildCataloguePages(const catalogue::LiveSlotList& slots);
    // Builds the power panel, tile and page of the model that serves the slot and adds them
    // hidden; nothing is added when the model has no option row or a layout does not build.
    // forReceiver: a page for the receiver's mouse, whose position is the number of tiles
    // already present (otherwise the option row).
    devices::CTessarinUSBDevice* buildDevicePage(const catalogue::DeviceSlot& slot,
                                                 devices::PageKind kind, bool forReceiver);

    // --- Looking up ---
    int entryCount() const { return static_cast<int>(entries_.size()); }
    const SelectorEntry* entry(int index) const;
    int indexOfPage(const devices::CTessarinUSBDevice* page) const;
    int indexOfTile(const CControlUI* control) const;  // the tile holding the control
    // The page whose bound slot has this identity (sameIdentity); null when none.
    devices::CTessarinUSBDevice* pageWithIdentity(const catalogue::DeviceSlot& slot) const;
    void forEachPage(const std::function<void(devices::CTessarinUSBDevice&)>& fn) const;

    // --- Selection ---
    devices::CTessarinUSBDevice* currentDevice() const;
    int currentIndex() const;
    // Sets the tile's visibility (and connected flag); with select, shows its page and power
    // panel and makes it the selected tile. Then the counts: the "no device" panel, the
    // pages' several-devices flag and the synchronisation boxes.
    void selectDeviceTile(int index, bool visible, bool select);
    // The first visible tile after the selected one, or the last one before it; no wrapping.
    void selectNext();
    void selectPrevious();
    // The user chose a tile (its option "device_select" or the tile itself).
    void onTileChosen(const CControlUI* sender);
    // A tile's synchronisation box changed; clearing one re-counts (fewer than two
    // synchronised tiles clear every box).
    void onSynchroBoxChanged(const CControlUI* box);
    // The device link found the page's device: the tile shows, selected when no tile was
    // shown before.
    void showLinkedEntry(int index);
    // The device is gone or out of reach: the tile goes, and when it was the selected one
    // another shown tile is selected.
    void dropEntry(int index);
    // A page's report (0x0D03): 0 drops the entry at the position, 1 shows a not connected
    // entry, selecting it only when no entry at all is connected.
    void onEntryReport(int position, bool shown);
    int connectedCount() const;
    // The counts of selectDeviceTile again: the "no device" panel, the several-devices flag
    // and the synchronisation boxes.
    void refresh() { refreshCounts(); }

  private:
    void refreshCounts();
    void selectPageAndPanel(const SelectorEntry& e);
    void markSelected(int index);
    CContainerUI* container(std::string_view name) const;
    CTabLayoutUI* tabLayout(std::string_view name) const;

    CPaintManagerUI& manager_;
    IDialogBuilderCallback* factory_;
    const catalogue::DeviceCatalogue& tables_;
    platform::MessageTarget* owner_;
    std::vector<std::unique_ptr<SelectorEntry>> entries_;
};

}  // namespace vorn::ui::selector
