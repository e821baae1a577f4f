#include "ui/selector/TileEntry.h"

namespace vorn::ui::selector {

void TileEntry::hideEntry() {
    tile_.setTileVisible(false);
    tile_.setConnected(false);
}

bool TileEntry::startEntryTimer(unsigned timerId, unsigned elapseMs) {
    return tile_.startTimer(timerId, elapseMs);
}

bool TileEntry::stopEntryTimer(unsigned timerId) {
    const bool running = tile_.isTimerRunning(timerId);
    tile_.stopTimer(timerId);
    return running;
}

void PowerPanelView::showPowerState(const std::uint8_t* block, std::size_t length) {
    panel_.showPowerState({block, length});
}

}  // namespace vorn::ui::selector
