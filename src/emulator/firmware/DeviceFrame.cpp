#include "emulator/firmware/DeviceFrame.h"

namespace vorn::emulator {

uint16_t frameSum(const Frame& frame) {
    uint32_t sum = 0;
    for (size_t i = 3; i < kFrameSize; ++i) {
        sum += frame[i];
    }
    return static_cast<uint16_t>(sum & 0xFFFF);
}

uint16_t crc16Modbus(const uint8_t* data, size_t size) {
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1) != 0 ? static_cast<uint16_t>((crc >> 1) ^ 0xA001)
                                 : static_cast<uint16_t>(crc >> 1);
        }
    }
    return crc;
}

uint16_t frameCrc(const Frame& frame) {
    return crc16Modbus(frame.data() + 3, 29);
}

static uint16_t checkValue(const Frame& frame, CheckKind kind) {
    return kind == CheckKind::Crc ? frameCrc(frame) : frameSum(frame);
}

bool frameCheckValid(const Frame& frame, CheckKind kind) {
    uint16_t stored = static_cast<uint16_t>(frame[1] | (frame[2] << 8));
    return stored == checkValue(frame, kind);
}

void sealFrame(Frame& frame, CheckKind kind) {
    uint16_t value = checkValue(frame, kind);
    frame[1] = static_cast<uint8_t>(value & 0xFF);
    frame[2] = static_cast<uint8_t>(value >> 8);
}

CommandRequest decodeRequest(const Frame& frame) {
    CommandRequest request;
    request.command = frame[3];
    request.length = frame[4];
    request.offset = static_cast<uint16_t>(frame[5] | (frame[6] << 8));
    for (size_t i = 0; i < kFrameDataSize; ++i) {
        request.data[i] = frame[8 + i];
    }
    return request;
}

Frame encodeReply(uint8_t command, const CommandRequest& request, const CommandResult& result,
                  CheckKind kind) {
    Frame reply{};
    reply[0] = kCommandReportId;
    reply[3] = command;
    reply[4] = request.length;
    reply[5] = static_cast<uint8_t>(request.offset & 0xFF);
    reply[6] = static_cast<uint8_t>(request.offset >> 8);
    reply[7] = result.status;
    for (size_t i = 0; i < kFrameDataSize; ++i) {
        reply[8 + i] = result.data[i];
    }
    sealFrame(reply, kind);
    return reply;
}

}  // namespace vorn::emulator
