#include "ui/framework/core/UiClock.h"

#include "platform/clock/Clock.h"

namespace vorn::ui {

uint64_t uiTickCount() {
    return platform::tickCount();
}

}  // namespace vorn::ui
