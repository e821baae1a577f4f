#include "ui/framework/PaintManager.h"

namespace vorn::ui {

void CPaintManagerUI::forgetTimers(CControlUI* control) {
    (void)control;
}

void CPaintManagerUI::scheduleAsyncFlush() {}

}  // namespace vorn::ui
