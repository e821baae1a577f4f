#pragma once
// The light preview's view of a mouse page: the window and channel state of the page base,
// its light record, the base's shared frames through the page's own Render operations, and
// the mouse's wave, reaction and marquee.

#include <functional>
#include <mutex>

#include "devices/mouse/LightPreviewEngine.h"
#include "devices/mouse/MouseReaction.h"

namespace vorn::devices {
class CTessarinUSBDevice;
}

namespace vorn::devices::mouse {

class MousePreviewTarget : public ILightPreviewTarget {
  public:
    // The page and the reaction state must outlive the preview thread.
    MousePreviewTarget(CTessarinUSBDevice& page, MouseReaction& reaction);

    bool previewShown() override;
    bool channelOpen() override;
    bool channelBusy() override;
    profiles::LightSetting previewSetting() override;
    void runPreviewFrame(PreviewFrame frame) override;
    bool stepCustomProgramme() override;

    // The step of the custom light programme. The programme is the light editor's: until it
    // hands its step over there is nothing to step, and the preview in those modes sleeps
    // until woken. The step answers whether there is more to step. Any thread.
    void setCustomProgrammeStep(std::function<bool()> step);

  private:
    CTessarinUSBDevice& page_;
    MouseReaction& reaction_;
    std::mutex stepLock_;
    std::function<bool()> customStep_;
};

}  // namespace vorn::devices::mouse
