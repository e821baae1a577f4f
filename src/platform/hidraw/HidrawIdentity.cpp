#include "platform/hidraw/HidrawIdentity.h"

#include <cctype>

#include "platform/text/Text.h"

namespace vorn::platform::hidraw {
namespace {

// A whole field of hexadecimal digits (at most 8), surrounding blanks allowed.
bool parseHex(std::string_view s, uint32_t& value) {
    const std::string t = trimSpace(s);
    if (t.empty() || t.size() > 8) {
        return false;
    }
    value = 0;
    for (char c : t) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        const int d = std::isdigit(static_cast<unsigned char>(c))
                          ? c - '0'
                          : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        value = value * 16 + static_cast<uint32_t>(d);
    }
    return true;
}

bool parseDecimal(std::string_view s, uint32_t& value) {
    const std::string t = trimSpace(s);
    if (t.empty() || t.size() > 9) {
        return false;
    }
    value = 0;
    for (char c : t) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return true;
}

}  // namespace

bool parseHidId(std::string_view hidId, uint16_t& bus, uint16_t& vendorId, uint16_t& productId) {
    const size_t a = hidId.find(':');
    const size_t b = a == std::string_view::npos ? a : hidId.find(':', a + 1);
    if (b == std::string_view::npos) {
        return false;
    }
    uint32_t v[3];
    if (!parseHex(hidId.substr(0, a), v[0]) || !parseHex(hidId.substr(a + 1, b - a - 1), v[1]) ||
        !parseHex(hidId.substr(b + 1), v[2])) {
        return false;
    }
    bus = static_cast<uint16_t>(v[0]);
    vendorId = static_cast<uint16_t>(v[1]);
    productId = static_cast<uint16_t>(v[2]);
    return true;
}

std::optional<HidrawIdentity> identityOf(const HidrawUdevRecord& record) {
    HidrawIdentity id;
    if (!parseHidId(record.hidId, id.bus, id.vendorId, id.productId)) {
        return std::nullopt;
    }
    uint32_t n = 0;
    if (parseHex(record.usbVersion, n)) {
        id.version = static_cast<uint16_t>(n);
    }
    if (parseHex(record.usbInterfaceNumber, n)) {
        id.interfaceNumber = static_cast<int>(n & 0xFF);
    }
    uint32_t interfaces = 0;
    const bool counted = parseDecimal(record.usbInterfaceCount, interfaces);
    id.composite = id.interfaceNumber >= 0 && (counted ? interfaces > 1 : id.interfaceNumber > 0);
    // HID_NAME joins manufacturer and product; the USB product string alone is what the
    // device reports as its product.
    id.product = trimSpace(record.usbProduct);
    if (id.product.empty()) {
        id.product = trimSpace(record.hidName);
    }
    return id;
}

std::string collectionPath(const std::string& devnode, const HidrawIdentity& id,
                           int collectionNumber) {
    std::string path = devnode + formatText("#vid_%04x&pid_%04x", id.vendorId, id.productId);
    if (id.composite) {
        path += formatText("&mi_%02x", id.interfaceNumber);
    }
    if (collectionNumber > 0) {
        path += formatText("&col%02x", collectionNumber);
    }
    return path;
}

std::string devnodeOfPath(std::string_view path) {
    const size_t hash = path.find('#');
    return hash == std::string_view::npos ? std::string() : std::string(path.substr(0, hash));
}

}  // namespace vorn::platform::hidraw
