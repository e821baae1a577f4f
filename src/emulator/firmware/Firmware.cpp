#include "emulator/firmware/Firmware.h"

namespace vorn::emulator {

std::optional<Frame> Firmware::handleFrame(const Frame& frame) {
    CommandRequest request = decodeRequest(frame);
    if (!frameCheckValid(frame, CheckKind::Sum) || request.length > kFrameDataSize) {
        return encodeReply(request.command, request, damaged(), CheckKind::Sum);
    }
    return encodeReply(request.command, request, execute(request), CheckKind::Sum);
}

}  // namespace vorn::emulator
