#include "ui/framework/UiClock.h"

#include <chrono>

namespace vorn::ui {

uint64_t uiTickCount() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace vorn::ui
