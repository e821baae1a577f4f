#pragma once
// Frames built by hand for the emulator tests, independently of the emulator's own frame
// code: a 64-byte request with the additive checksum (or the light stream's CRC).

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace vorn::test {

using TestFrame = std::array<uint8_t, 64>;

inline uint16_t testCrc16(const uint8_t* data, size_t size) {
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001)
                            : static_cast<uint16_t>(crc >> 1);
        }
    }
    return crc;
}

inline uint16_t testSum(const TestFrame& f) {
    uint32_t sum = 0;
    for (size_t i = 3; i < 64; ++i) {
        sum += f[i];
    }
    return static_cast<uint16_t>(sum);
}

// Request: report id 4, command, length, offset, data; checksum in bytes 1-2.
inline TestFrame testRequest(uint8_t command, uint8_t length, uint16_t offset,
                             std::initializer_list<uint8_t> data = {}, bool crc = false) {
    TestFrame f{};
    f[0] = 4;
    f[3] = command;
    f[4] = length;
    f[5] = static_cast<uint8_t>(offset & 0xFF);
    f[6] = static_cast<uint8_t>(offset >> 8);
    size_t i = 8;
    for (uint8_t b : data) {
        f[i++] = b;
    }
    uint16_t check = crc ? testCrc16(f.data() + 3, 29) : testSum(f);
    f[1] = static_cast<uint8_t>(check & 0xFF);
    f[2] = static_cast<uint8_t>(check >> 8);
    return f;
}

}  // namespace vorn::test
