#pragma once
// The 34-byte identity block a device returns for command 0x03: 32 bytes followed by a
// 16-bit value. The accessors cover the fields the program reads; the other bytes are kept
// with the block and not interpreted.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorn::protocol {

class DeviceInfo {
  public:
    static constexpr size_t kSize = 34;
    // Bytes 0-1 hold this value when the block is valid (the receiver poll accepts a paired
    // mouse only with it).
    static constexpr uint16_t kValidMark = 0x55AA;

    std::array<uint8_t, kSize>& bytes() { return bytes_; }
    const std::array<uint8_t, kSize>& bytes() const { return bytes_; }

    uint16_t validMark() const { return u16(0); }
    bool isValid() const { return validMark() == kValidMark; }
    // Byte 5: the number of individually coloured lights (on a mouse: its key slots). Light
    // buffers and key blocks hold 3 bytes per light; devices size the channel's block by it.
    uint8_t lightCount() const { return bytes_[5]; }
    uint32_t lightBufferSize() const { return 3u * lightCount(); }
    // Byte 6: macro memory in units of 128 bytes.
    uint8_t macroUnits() const { return bytes_[6]; }
    uint32_t macroMemorySize() const { return 128u * macroUnits(); }
    // Byte 7, read through a receiver: the model code of the paired mouse.
    uint8_t pairedModelCode() const { return bytes_[7]; }
    // Bytes 9-10: the product/firmware code read by the device pages and the update service.
    uint16_t productCode() const { return u16(9); }
    // What a mouse keeps there: byte 5 its number of key slots, bytes 9-10 its sensor.
    uint8_t keySlotCount() const { return bytes_[5]; }
    uint16_t sensorId() const { return u16(9); }
    // Bytes 32-33: the 16-bit value after the 32-byte block.
    uint16_t trailer() const { return u16(32); }

  private:
    uint16_t u16(size_t at) const {
        return static_cast<uint16_t>(bytes_[at] | (bytes_[at + 1] << 8));
    }

    std::array<uint8_t, kSize> bytes_{};
};

}  // namespace vorn::protocol
