#include "devices/mouse/MousePreviewTarget.h"

#include "devices/TessarinUSBDevice.h"
#include "devices/mouse/MousePreviewFrames.h"

namespace vorn::devices::mouse {

MousePreviewTarget::MousePreviewTarget(CTessarinUSBDevice& page, MouseReaction& reaction)
    : page_(page), reaction_(reaction) {}

bool MousePreviewTarget::previewShown() {
    return page_.windowShown() != 0;
}

bool MousePreviewTarget::channelOpen() {
    return page_.channel().isOpen();
}

bool MousePreviewTarget::channelBusy() {
    return page_.channel().busy();
}

profiles::LightSetting MousePreviewTarget::previewSetting() {
    return page_.lightRecord();
}

void MousePreviewTarget::runPreviewFrame(PreviewFrame frame) {
    switch (frame) {
        case PreviewFrame::Static:
            page_.RenderStatic();
            break;
        case PreviewFrame::Breathing:
            page_.RenderBreathing();
            break;
        case PreviewFrame::Blink:
            page_.RenderBlink();
            break;
        case PreviewFrame::Spectrum:
            page_.RenderSpectrum();
            break;
        case PreviewFrame::Wave:
            renderMouseWave(page_);
            break;
        case PreviewFrame::Off:
            page_.RenderOff();
            break;
        case PreviewFrame::Reaction:
            reaction_.render(page_);
            break;
        case PreviewFrame::BreathingFourColours:
            page_.RenderBreathingFourColours();
            break;
        case PreviewFrame::BlinkFourColours:
            page_.RenderBlinkFourColours();
            break;
        case PreviewFrame::Marquee:
            renderMouseMarquee(page_);
            break;
    }
}

bool MousePreviewTarget::stepCustomProgramme() {
    std::lock_guard<std::mutex> guard(stepLock_);
    return customStep_ ? customStep_() : false;
}

void MousePreviewTarget::setCustomProgrammeStep(std::function<bool()> step) {
    std::lock_guard<std::mutex> guard(stepLock_);
    customStep_ = std::move(step);
}

}  // namespace vorn::devices::mouse
