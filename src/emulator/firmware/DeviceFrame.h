#pragma once
// Command frames as the device sees them: the 64-byte output report of the vendor command
// collection (report id 4) and the 64-byte input report the device answers with. This is the
// firmware's own decoding; the host's frame code is a separate implementation on purpose.
//
//   byte 0      report id (4)
//   bytes 1-2   checksum, little-endian: the low 16 bits of the byte sum of bytes 3-63, or on
//               the receiver's light stream (command 0x12) the CRC-16/MODBUS of bytes 3-31
//   byte 3      command id (echoed in the reply; 0xAA from a receiver whose mouse is away)
//   byte 4      data length of this frame (at most 56)
//   bytes 5-6   offset, little-endian
//   byte 7      0 in a request; the status in a reply
//   bytes 8-63  data

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorn::emulator {

constexpr size_t kFrameSize = 64;
constexpr size_t kFrameDataSize = 56;
constexpr uint8_t kCommandReportId = 4;

// Reply status byte.
constexpr uint8_t kStatusOk = 0x00;
constexpr uint8_t kStatusRefused = 0xFF;  // unknown command, offset or length outside the area
constexpr uint8_t kStatusDamaged = 0xFE;  // checksum (or CRC) wrong, length field above 56

using Frame = std::array<uint8_t, kFrameSize>;

// The additive checksum of bytes 3-63.
uint16_t frameSum(const Frame& frame);
// CRC-16/MODBUS (reflected polynomial 0xA001, initial value 0xFFFF, no final XOR).
uint16_t crc16Modbus(const uint8_t* data, size_t size);
// The light stream's check value: CRC-16/MODBUS of bytes 3-31.
uint16_t frameCrc(const Frame& frame);

enum class CheckKind { Sum, Crc };

// Whether bytes 1-2 hold the check value of the given kind.
bool frameCheckValid(const Frame& frame, CheckKind kind);
// Stores the check value of the given kind into bytes 1-2.
void sealFrame(Frame& frame, CheckKind kind);

// One decoded request.
struct CommandRequest {
    uint8_t command = 0;
    uint8_t length = 0;
    uint16_t offset = 0;
    std::array<uint8_t, kFrameDataSize> data{};
};

// What the device's command handling gives back: the status and the reply's data bytes.
struct CommandResult {
    uint8_t status = kStatusOk;
    std::array<uint8_t, kFrameDataSize> data{};
};

CommandRequest decodeRequest(const Frame& frame);

// A reply frame: report id 4, the given command id, the request's length and offset echoed,
// the status at byte 7, data from byte 8, sealed with the given check kind.
Frame encodeReply(uint8_t command, const CommandRequest& request, const CommandResult& result,
                  CheckKind kind);

}  // namespace vorn::emulator
