#include "protocol/CommandFrame.h"

#include <algorithm>

namespace vorn::protocol {

uint16_t additiveChecksum(std::span<const uint8_t, kFrameSize> frame) {
    uint32_t sum = 0;
    for (size_t i = kCommandByte; i < kFrameSize; ++i) {
        sum += frame[i];
    }
    return static_cast<uint16_t>(sum & 0xFFFF);
}

uint16_t crc16Modbus(std::span<const uint8_t> data) {
    uint16_t crc = 0xFFFF;
    for (uint8_t byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1) != 0 ? static_cast<uint16_t>((crc >> 1) ^ 0xA001)
                                 : static_cast<uint16_t>(crc >> 1);
        }
    }
    return crc;
}

uint16_t lightStreamCrc(std::span<const uint8_t, kFrameSize> frame) {
    // Bytes 3 to 31: the command, length, offset, status and the first 24 data bytes.
    return crc16Modbus(frame.subspan(kCommandByte, 29));
}

CommandFrame CommandFrame::request(uint8_t command, uint16_t offset,
                                   std::span<const uint8_t> data) {
    const size_t n = std::min(data.size(), kFrameDataSize);
    CommandFrame frame;
    frame[kCommandByte] = command;
    frame[kLengthByte] = static_cast<uint8_t>(n);
    frame[kOffsetLowByte] = static_cast<uint8_t>(offset & 0xFF);
    frame[kOffsetHighByte] = static_cast<uint8_t>(offset >> 8);
    std::copy_n(data.begin(), n, frame.bytes_.begin() + kDataByte);
    frame.seal();
    return frame;
}

CommandFrame CommandFrame::readRequest(uint8_t command, uint8_t length, uint16_t offset) {
    CommandFrame frame = request(command, offset);
    frame[kLengthByte] = length;
    frame.seal();
    return frame;
}

CommandFrame CommandFrame::fromBytes(std::span<const uint8_t> bytes) {
    CommandFrame frame;
    frame.bytes_.fill(0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), kFrameSize), frame.bytes_.begin());
    return frame;
}

void CommandFrame::seal() {
    setCheckValue(additiveChecksum(bytes_));
}

void CommandFrame::sealCrc() {
    setCheckValue(lightStreamCrc(bytes_));
}

void CommandFrame::setCheckValue(uint16_t value) {
    bytes_[kCheckLowByte] = static_cast<uint8_t>(value & 0xFF);
    bytes_[kCheckHighByte] = static_cast<uint8_t>(value >> 8);
}

}  // namespace vorn::protocol
