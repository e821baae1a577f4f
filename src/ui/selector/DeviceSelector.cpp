#include "ui/selector/DeviceSelector.h"

#include "ui/framework/controls/Button.h"

namespace vorn::ui::selector {

DeviceSelector::DeviceSelector(CPaintManagerUI& manager, IDialogBuilderCallback* factory,
                               const catalogue::DeviceCatalogue& tables,
                               platform::MessageTarget* owner)
    : manager_(manager), factory_(factory), tables_(tables), owner_(owner) {}

CContainerUI* DeviceSelector::container(std::string_view name) const {
    return interfaceOf<CContainerUI>(manager_.FindControl(name), "Container");
}

CTabLayoutUI* DeviceSelector::tabLayout(std::string_view name) const {
    return interfaceOf<CTabLayoutUI>(manager_.FindControl(name), "TabLayout");
}

const SelectorEntry* DeviceSelector::entry(int index) const {
    return index >= 0 && index < entryCount() ? entries_[static_cast<std::size_t>(index)].get()
                                              : nullptr;
}

int DeviceSelector::indexOfPage(const devices::CTessarinUSBDevice* page) const {
    for (int i = 0; i < entryCount(); ++i) {
        if (page != nullptr && entries_[static_cast<std::size_t>(i)]->page == page) {
            return i;
        }
    }
    return -1;
}

int DeviceSelector::indexOfTile(const CControlUI* control) const {
    for (const CControlUI* c = control; c != nullptr; c = c->GetParent()) {
        for (int i = 0; i < entryCount(); ++i) {
            if (entries_[static_cast<std::size_t>(i)]->tile == c) {
                return i;
            }
        }
    }
    return -1;
}

devices::CTessarinUSBDevice* DeviceSelector::pageWithIdentity(
    const catalogue::DeviceSlot& slot) const {
    for (const auto& e : entries_) {
        if (catalogue::sameIdentity(e->page->slotIdentityOf(), slot)) {
            return e->page;
        }
    }
    return nullptr;
}

void DeviceSelector::forEachPage(
    const std::function<void(devices::CTessarinUSBDevice&)>& fn) const {
    for (const auto& e : entries_) {
        fn(*e->page);
    }
}

devices::CTessarinUSBDevice* DeviceSelector::currentDevice() const {
    const SelectorEntry* e = entry(currentIndex());
    return e != nullptr ? e->page : nullptr;
}

int DeviceSelector::currentIndex() const {
    for (int i = 0; i < entryCount(); ++i) {
        const CDeviceOptionUI* tile = entries_[static_cast<std::size_t>(i)]->tile;
        if (tile->isConnected() && tile->isSelected()) {
            return i;
        }
    }
    return -1;
}

int DeviceSelector::connectedCount() const {
    int connected = 0;
    for (const auto& e : entries_) {
        connected += e->tile->isConnected() ? 1 : 0;
    }
    return connected;
}

void DeviceSelector::selectPageAndPanel(const SelectorEntry& e) {
    if (CTabLayoutUI* pages = tabLayout(e.tile->pageSwitchName())) {
        pages->SelectItem(e.tile->pageIndex());
    }
    CControlUI* panels = manager_.FindControl(e.tile->powerSwitchName());
    if (panels == nullptr) {
        return;
    }
    if (e.tile->powerIndex() < 0) {
        panels->SetVisible(false);
        return;
    }
    panels->SetVisible(true);
    if (CTabLayoutUI* tabs = interfaceOf<CTabLayoutUI>(panels, "TabLayout")) {
        tabs->SelectItem(e.tile->powerIndex());
    }
}

void DeviceSelector::markSelected(int index) {
    for (int i = 0; i < entryCount(); ++i) {
        CDeviceOptionUI* tile = entries_[static_cast<std::size_t>(i)]->tile;
        tile->setSelected(i == index);
        if (i == index) {
            // The option shows the choice; its group clears the others. No notification: the
            // selection is made here, not by the user.
            auto* option = interfaceOf<COptionUI>(
                tile->FindSubControl(CDeviceOptionUI::kOptionName), "Option");
            if (option != nullptr) {
                option->Selected(true, false);
            }
        }
    }
}

void DeviceSelector::selectDeviceTile(int index, bool visible, bool select) {
    const SelectorEntry* e = entry(index);
    if (e == nullptr) {
        return;
    }
    e->tile->setTileVisible(visible);
    e->tile->setConnected(visible);
    if (select) {
        selectPageAndPanel(*e);
        markSelected(index);
    }
    refreshCounts();
}

void DeviceSelector::refreshCounts() {
    int connected = 0;
    int synchronised = 0;
    for (const auto& e : entries_) {
        if (e->tile->isConnected()) {
            ++connected;
            synchronised += e->tile->isSynchronised() ? 1 : 0;
        }
    }
    if (CControlUI* none = manager_.FindControl(kNoDevicePanel)) {
        none->SetVisible(connected == 0);
    }
    if (connected == 0) {
        if (CTabLayoutUI* panels = tabLayout(kPowerSwitch)) {
            panels->SelectItem(0);
        }
        if (CTabLayoutUI* pages = tabLayout(kPageSwitch)) {
            pages->SelectItem(0);
        }
    }
    const bool several = connected > 1;
    for (const auto& e : entries_) {
        e->page->setSeveralDevicesConnected(several);
        e->tile->showSynchroBox(several && e->tile->isConnected());
    }
    if (synchronised < 2) {
        for (const auto& e : entries_) {
            if (e->tile->isSynchronised()) {
                e->tile->setSynchronised(false);
            }
        }
    }
}

void DeviceSelector::selectNext() {
    const int from = currentIndex();
    for (int i = from + 1; from >= 0 && i < entryCount(); ++i) {
        if (entries_[static_cast<std::size_t>(i)]->tile->isTileVisible()) {
            selectDeviceTile(i, true, true);
            return;
        }
    }
}

void DeviceSelector::selectPrevious() {
    const int from = currentIndex();
    for (int i = from - 1; i >= 0; --i) {
        if (entries_[static_cast<std::size_t>(i)]->tile->isTileVisible()) {
            selectDeviceTile(i, true, true);
            return;
        }
    }
}

void DeviceSelector::onTileChosen(const CControlUI* sender) {
    const int index = indexOfTile(sender);
    const SelectorEntry* e = entry(index);
    if (e == nullptr || !e->tile->isConnected()) {
        return;
    }
    selectPageAndPanel(*e);
    markSelected(index);
}

void DeviceSelector::onSynchroBoxChanged(const CControlUI* box) {
    const auto* check = dynamic_cast<const CCheckBoxUI*>(box);
    if (check != nullptr && !check->GetCheck()) {
        refreshCounts();
    }
}

void DeviceSelector::showLinkedEntry(int index) {
    bool anyShown = false;
    for (const auto& e : entries_) {
        anyShown = anyShown || e->tile->isTileVisible();
    }
    selectDeviceTile(index, true, !anyShown);
}

void DeviceSelector::dropEntry(int index) {
    const SelectorEntry* e = entry(index);
    if (e == nullptr) {
        return;
    }
    const bool wasCurrent = currentIndex() == index;
    selectDeviceTile(index, false, false);
    e->tile->setSelected(false);
    if (!wasCurrent) {
        return;
    }
    for (int i = 0; i < entryCount(); ++i) {
        if (entries_[static_cast<std::size_t>(i)]->tile->isTileVisible()) {
            selectDeviceTile(i, true, true);
            return;
        }
    }
}

void DeviceSelector::onEntryReport(int position, bool shown) {
    const SelectorEntry* e = entry(position);
    if (e == nullptr) {
        return;
    }
    if (!shown) {
        dropEntry(position);
        return;
    }
    if (!e->tile->isConnected()) {
        selectDeviceTile(position, true, connectedCount() == 0);
    }
}

}  // namespace vorn::ui::selector
