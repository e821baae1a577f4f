#include "emulator/firmware/MemoryArea.h"

#include <cstring>

namespace vorn::emulator {

bool MemoryArea::read(size_t offset, size_t length, uint8_t* out) const {
    if (!fits(offset, length)) {
        return false;
    }
    if (length > 0) {
        std::memcpy(out, bytes_.data() + offset, length);
    }
    return true;
}

bool MemoryArea::write(size_t offset, const uint8_t* data, size_t length) {
    if (!fits(offset, length)) {
        return false;
    }
    if (length > 0) {
        std::memcpy(bytes_.data() + offset, data, length);
    }
    return true;
}

}  // namespace vorn::emulator
