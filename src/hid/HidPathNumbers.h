#pragma once
// Numbers read from a HID device path, as discovery and the transport use them. Each finds
// its marker ignoring case ("vid_", "pid_", "&mi_", "&col"), reads the hexadecimal number
// after it the way "%x" does and keeps the low 16 bits; 0 when the marker is absent.
// Works on both path forms: "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col04" and
// "\\?\hid#vid_320f&pid_22b6&mi_01&col04#...".

#include <cstdint>
#include <string_view>

namespace vorn::hid {

uint16_t vendorIdFromPath(std::string_view path);
uint16_t productIdFromPath(std::string_view path);
uint16_t interfaceFromPath(std::string_view path);
uint16_t collectionFromPath(std::string_view path);

}  // namespace vorn::hid
