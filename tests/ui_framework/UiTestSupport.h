#pragma once
// Helpers of the headless UI tests: a notification recorder and a tree built from layout
// text into a paint manager.

#include <string>
#include <vector>

#include "ui/framework/controls/Control.h"
#include "ui/framework/layouts/DialogBuilder.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::test {

// Records every notification as "type:sender-name".
class NotifyRecorder : public ui::INotifyUI {
  public:
    void Notify(ui::TNotifyUI& msg) override {
        events.push_back(msg.sType + ":" + (msg.pSender != nullptr ? msg.pSender->GetName() : ""));
        last = msg;
    }
    std::vector<std::string> of(const std::string& type) const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.rfind(type + ":", 0) == 0) {
                out.push_back(e);
            }
        }
        return out;
    }
    std::vector<std::string> events;
    ui::TNotifyUI last;
};

// A paint manager holding the tree of a layout text, with a recorder attached.
struct BuiltTree {
    explicit BuiltTree(const std::string& xml, ui::IDialogBuilderCallback* callback = nullptr) {
        ui::CDialogBuilder builder;
        root = builder.Create(xml, {}, callback, &pm);
        if (root != nullptr) {
            pm.AttachDialog(root);
        }
        pm.AddNotifier(&recorder);
    }
    template <typename T>
    T* find(const std::string& name) {
        return dynamic_cast<T*>(pm.FindControl(name));
    }
    ui::CPaintManagerUI pm;
    ui::CControlUI* root = nullptr;
    NotifyRecorder recorder;
};

}  // namespace vorn::test
