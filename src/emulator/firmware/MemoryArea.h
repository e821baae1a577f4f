#pragma once
// One area of a device's memory: a fixed number of bytes that commands read and write at an
// offset. Every access is checked against the area's size; an access that does not fit is
// refused whole, so a bad offset never writes part of a chunk.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vorn::emulator {

class MemoryArea {
  public:
    MemoryArea() = default;
    MemoryArea(std::string name, size_t size) : name_(std::move(name)), bytes_(size, 0) {}

    const std::string& name() const { return name_; }
    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    bool fits(size_t offset, size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }
    // Copies length bytes from offset into out; false (and nothing copied) when they do not fit.
    bool read(size_t offset, size_t length, uint8_t* out) const;
    // Stores length bytes at offset; false (and nothing stored) when they do not fit.
    bool write(size_t offset, const uint8_t* data, size_t length);

    uint8_t at(size_t offset) const { return offset < bytes_.size() ? bytes_[offset] : 0; }
    void set(size_t offset, uint8_t value) {
        if (offset < bytes_.size()) {
            bytes_[offset] = value;
        }
    }
    void setU16(size_t offset, uint16_t value) {
        set(offset, static_cast<uint8_t>(value & 0xFF));
        set(offset + 1, static_cast<uint8_t>(value >> 8));
    }

  private:
    std::string name_;
    std::vector<uint8_t> bytes_;
};

}  // namespace vorn::emulator
