#include "emulator/firmware/ReceiverFirmware.h"

namespace vorn::emulator {
namespace {

constexpr uint8_t kReadDeviceInfo = 0x03;
constexpr uint8_t kLightStream = 0x12;
constexpr uint8_t kRadioQuery = 0xAA;
constexpr uint16_t kModelCodeByte = 7;

}  // namespace

CommandResult ReceiverFirmware::execute(const CommandRequest& request) {
    if (request.command != kRadioQuery) {
        return refused();
    }
    CommandResult result;
    result.data[0] = peerReachable() ? 0xFF : 0x00;
    return result;
}

std::optional<Frame> ReceiverFirmware::handleFrame(const Frame& frame) {
    CommandRequest request = decodeRequest(frame);
    CheckKind kind = request.command == kLightStream ? CheckKind::Crc : CheckKind::Sum;
    if (!frameCheckValid(frame, kind) || request.length > kFrameDataSize) {
        return encodeReply(request.command, request, damaged(), kind);
    }
    if (request.command == kRadioQuery) {
        return encodeReply(request.command, request, execute(request), CheckKind::Sum);
    }
    if (!peerReachable()) {
        return encodeReply(kRadioQuery, request, CommandResult{}, CheckKind::Sum);
    }
    CommandResult result = peer_->execute(request);
    if (request.command == kReadDeviceInfo && result.status == kStatusOk &&
        request.offset <= kModelCodeByte && kModelCodeByte < request.offset + request.length) {
        result.data[kModelCodeByte - request.offset] = peer_->radioModelCode();
    }
    return encodeReply(request.command, request, result, kind);
}

}  // namespace vorn::emulator
