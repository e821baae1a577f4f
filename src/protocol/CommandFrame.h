#pragma once
// One command frame: the whole 64-byte HID output report of a device's command collection
// (report id 4), or the 64-byte input report that answers it.
//
//   byte 0      report id, always 4
//   bytes 1-2   check value, little-endian: the additive checksum of bytes 3-63, or on the
//               receiver's light stream the CRC-16/MODBUS of bytes 3-31
//   byte 3      command id (echoed by the reply; 0xAA from a receiver whose mouse is away)
//   byte 4      data length of this frame, at most 56 (request only)
//   bytes 5-6   offset, little-endian (request only)
//   byte 7      0 in a request, the status in a reply (0xFF and 0xFE are errors)
//   bytes 8-63  data

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vorn::protocol {

inline constexpr size_t kFrameSize = 64;
inline constexpr size_t kFrameDataSize = 56;
inline constexpr uint8_t kCommandReportId = 4;

inline constexpr size_t kCheckLowByte = 1;
inline constexpr size_t kCheckHighByte = 2;
inline constexpr size_t kCommandByte = 3;
inline constexpr size_t kLengthByte = 4;
inline constexpr size_t kOffsetLowByte = 5;
inline constexpr size_t kOffsetHighByte = 6;
inline constexpr size_t kStatusByte = 7;
inline constexpr size_t kDataByte = 8;

// Reply status values the host treats as errors; any other value is accepted.
inline constexpr uint8_t kStatusRefused = 0xFF;
inline constexpr uint8_t kStatusDamaged = 0xFE;

// The command id a receiver answers with when it cannot reach its mouse (also the id of the
// radio-link query itself).
inline constexpr uint8_t kUnreachableReply = 0xAA;

// The low 16 bits of the byte sum of bytes 3-63.
uint16_t additiveChecksum(std::span<const uint8_t, kFrameSize> frame);
// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF, no final XOR.
uint16_t crc16Modbus(std::span<const uint8_t> data);
// The light stream's check value over the receiver: CRC-16/MODBUS of bytes 3-31.
uint16_t lightStreamCrc(std::span<const uint8_t, kFrameSize> frame);

class CommandFrame {
  public:
    // All zeros except the report id.
    CommandFrame() { bytes_[0] = kCommandReportId; }

    // A request: command id, data length, offset and data (at most 56 bytes, the length
    // byte says how many), sealed with the additive checksum.
    static CommandFrame request(uint8_t command, uint16_t offset = 0,
                                std::span<const uint8_t> data = {});
    // A request whose length byte is given apart from the data it carries (reads announce
    // how many bytes they want and carry none).
    static CommandFrame readRequest(uint8_t command, uint8_t length, uint16_t offset);
    // Any byte sequence made into a frame: copied, zero-padded when shorter, truncated when
    // longer. Nothing is checked or sealed.
    static CommandFrame fromBytes(std::span<const uint8_t> bytes);

    uint8_t command() const { return bytes_[kCommandByte]; }
    uint8_t length() const { return bytes_[kLengthByte]; }
    uint16_t offset() const {
        return static_cast<uint16_t>(bytes_[kOffsetLowByte] | (bytes_[kOffsetHighByte] << 8));
    }
    uint8_t status() const { return bytes_[kStatusByte]; }
    uint16_t checkValue() const {
        return static_cast<uint16_t>(bytes_[kCheckLowByte] | (bytes_[kCheckHighByte] << 8));
    }
    std::span<const uint8_t, kFrameDataSize> data() const {
        return std::span<const uint8_t, kFrameSize>(bytes_).subspan<kDataByte>();
    }

    // Stores the additive checksum (or the light stream's CRC) into bytes 1-2.
    void seal();
    void sealCrc();
    void setCheckValue(uint16_t value);

    uint8_t& operator[](size_t i) { return bytes_[i]; }
    uint8_t operator[](size_t i) const { return bytes_[i]; }
    uint8_t* raw() { return bytes_.data(); }
    const uint8_t* raw() const { return bytes_.data(); }
    std::span<const uint8_t, kFrameSize> bytes() const { return bytes_; }
    std::span<uint8_t, kFrameSize> bytes() { return bytes_; }

    friend bool operator==(const CommandFrame&, const CommandFrame&) = default;

  private:
    std::array<uint8_t, kFrameSize> bytes_{};
};

}  // namespace vorn::protocol
