#pragma once
// Numbers inside HID device paths, e.g. "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col04" or
// "\\?\hid#vid_320f&pid_22b6&mi_01&col04#...".

#include <cstdint>
#include <string_view>

namespace vorn::platform::hid {

// Finds the first occurrence of marker (ignoring ASCII case) and reads the hexadecimal
// number after it the way scanf's "%x" does (leading blanks, an optional sign and "0x"),
// wrapping at 32 bits. 0 when the marker is absent or no digits follow.
uint32_t hexNumberAfter(std::string_view path, std::string_view marker);

}  // namespace vorn::platform::hid
