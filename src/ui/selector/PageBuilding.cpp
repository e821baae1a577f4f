// Building the pages of the device selector: one per catalogue model at the first display,
// and one for a receiver's mouse that has none. Power panel, tile and page are built in that
// order; when any of them does not build, nothing is added.

#include <memory>
#include <string>

#include "catalogue/LinkRules.h"
#include "platform/debug/DebugSink.h"
#include "ui/framework/windows/Window.h"
#include "ui/profiles/DeviceProfileUI.h"
#include "ui/selector/DeviceSelector.h"

namespace vorn::ui::selector {
namespace {

// The tile's and power panel's kind code of a page kind.
int kindCode(devices::PageKind kind) {
    switch (kind) {
        case devices::PageKind::Keyboard:
            return 1;
        case devices::PageKind::Mouse:
            return 2;
        case devices::PageKind::MousePad:
            return 3;
        case devices::PageKind::Headset:
            return 7;
    }
    return 0;
}

// Builds a layout file into a new control (or into parent); null when it does not build.
CControlUI* buildLayout(std::string_view file, IDialogBuilderCallback* factory,
                        CControlUI* parent = nullptr) {
    CDialogBuilder builder;
    builder.SetReportLoadErrors(false);
    CControlUI* built = builder.Create(file, {}, factory, nullptr, parent);
    if (built == nullptr) {
        platform::debugPrintf("device page: %s does not build: %s", std::string(file).c_str(),
                              builder.GetLastErrorMessage().c_str());
    }
    return built;
}

}  // namespace

void DeviceSelector::buildCataloguePages(const catalogue::LiveSlotList& slots) {
    for (const catalogue::DeviceOptionRow& option : tables_.options) {
        const int row = catalogue::findSlotRow(
            tables_, option.deviceType, option.role, static_cast<std::uint16_t>(option.vendorId),
            static_cast<std::uint16_t>(option.productId), option.productString);
        if (row == catalogue::kNoIndex || row >= static_cast<int>(slots.size())) {
            return;  // later rows are not looked at
        }
        buildDevicePage(slots[static_cast<std::size_t>(row)],
                        devices::pageKindOf(option.deviceType), false);
    }
}

devices::CTessarinUSBDevice* DeviceSelector::buildDevicePage(const catalogue::DeviceSlot& slot,
                                                             devices::PageKind kind,
                                                             bool forReceiver) {
    const int row = catalogue::pageRowOf(tables_, slot);
    if (row == catalogue::kNoIndex || row >= static_cast<int>(tables_.pages.size())) {
        return nullptr;
    }
    const catalogue::DeviceOptionRow& option = tables_.options[static_cast<std::size_t>(row)];
    const catalogue::DevicePageRow& pageRow = tables_.pages[static_cast<std::size_t>(row)];
    CContainerUI* pages = container(kPageSwitch);
    CContainerUI* tiles = container(kSelectorLayout);
    CContainerUI* panels = container(option.powerSwitchName);
    if (pages == nullptr || tiles == nullptr || panels == nullptr) {
        return nullptr;
    }

    std::unique_ptr<CControlUI> powerControl(buildLayout(kPowerPanelLayout, factory_));
    std::unique_ptr<CControlUI> tileControl(buildLayout(option.optionLayout, factory_));
    std::unique_ptr<devices::CTessarinUSBDevice> page = devices::makeDevicePage(kind);
    auto* power = interfaceOf<CMpDevicePowerUI>(powerControl.get(), CMpDevicePowerUI::kClassName);
    auto* tile = interfaceOf<CDeviceOptionUI>(tileControl.get(), CDeviceOptionUI::kClassName);
    if (power == nullptr || tile == nullptr ||
        buildLayout(pageRow.pageLayout, factory_, page.get()) == nullptr) {
        return nullptr;
    }

    auto e = std::make_unique<SelectorEntry>();
    e->power = power;
    e->tile = tile;
    e->page = page.get();
    e->entry = std::make_unique<TileEntry>(*tile);
    e->powerView = std::make_unique<PowerPanelView>(*power);

    // The power panel.
    panels->Add(powerControl.release());
    power->setPanelKind(kindCode(kind), 0);

    // The page, set up in the order the page expects.
    devices::CTessarinUSBDevice& p = *page;
    p.SetName(option.displayName);
    p.setPageLayout(std::string(pageRow.pageLayout));
    p.setOwnerWindow(owner_);
    p.setKeyCount(pageRow.keyCount);
    p.setLightCount(pageRow.lightCount);
    p.setHasPowerPage(pageRow.hasPowerPage);
    p.setDisplayName(std::string(option.displayName));
    p.setPowerControl(e->powerView.get());
    p.bindSlot(slot);
    p.SetLightNameSet(option.lightNameSet);
    p.setLightConfigName(std::string(pageRow.lightConfigName));
    p.setPageIndex(forReceiver ? entryCount() : row);
    pages->Add(page.release());
    p.InitPage();
    // The model's profiles: the page works on the one its list selects.
    if (CDeviceProfileUI* profiles = p.profileControl()) {
        profiles->SetOwnerWindow(dynamic_cast<CWindowWnd*>(owner_));
        profiles->SetDeviceType(slot.deviceType);
        profiles->SetFolders(p.deviceDataFolder(), p.defaultProfilePath());
        profiles->InitList();
        p.setProfileName(profiles->GetCurrentProfileId());
    }

    // The tile, hidden until the device link reports the device.
    tiles->Add(tileControl.release());
    tile->setTabHeaderName(option.tabHeaderName);
    tile->setPageSwitch(kPageSwitch, pages->GetCount() - 1);
    tile->setPowerSwitch(option.powerSwitchName, panels->GetItemIndex(power));
    tile->setDeviceKind(kindCode(kind), 0);
    tile->setSelected(false);
    tile->setConnected(false);
    tile->setTileVisible(false);
    tile->setDevicePage(&p);
    tile->setTimerHandler([&p](unsigned timerId) { p.onEntryTimer(timerId); });
    p.setOptionEntry(e->entry.get());

    entries_.push_back(std::move(e));
    return &p;
}

}  // namespace vorn::ui::selector
