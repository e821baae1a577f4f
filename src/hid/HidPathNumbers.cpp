#include "hid/HidPathNumbers.h"

#include "platform/hid/HidPath.h"

namespace vorn::hid {
namespace {

uint16_t low16After(std::string_view path, std::string_view marker) {
    return static_cast<uint16_t>(platform::hid::hexNumberAfter(path, marker) & 0xFFFF);
}

}  // namespace

uint16_t vendorIdFromPath(std::string_view path) {
    return low16After(path, "vid_");
}
uint16_t productIdFromPath(std::string_view path) {
    return low16After(path, "pid_");
}
uint16_t interfaceFromPath(std::string_view path) {
    return low16After(path, "&mi_");
}
uint16_t collectionFromPath(std::string_view path) {
    return low16After(path, "&col");
}

}  // namespace vorn::hid
