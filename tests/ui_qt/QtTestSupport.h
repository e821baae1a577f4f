#pragma once
// The Qt tests' application: made once for the test program, on the offscreen platform.

#include <QApplication>

#include <string>
#include <vector>

#include "ui/framework/controls/Control.h"
#include "ui/framework/core/UiEvents.h"

namespace vorn::test {

QApplication& qtApp();

// Records notification types with their sender's name.
class QtNotifyRecorder : public ui::INotifyUI {
  public:
    void Notify(ui::TNotifyUI& msg) override {
        events.push_back(msg.sType + ":" + (msg.pSender != nullptr ? msg.pSender->GetName() : ""));
    }
    std::vector<std::string> without(const std::string& type) const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.rfind(type + ":", 0) != 0) {
                out.push_back(e);
            }
        }
        return out;
    }
    std::vector<std::string> events;
};

}  // namespace vorn::test
