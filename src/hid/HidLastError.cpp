#include "hid/HidLastError.h"

namespace vorn::hid {
namespace {

thread_local uint32_t tLastError = kErrorSuccess;

}  // namespace

uint32_t hidLastError() {
    return tLastError;
}
void setHidLastError(uint32_t error) {
    tLastError = error;
}

}  // namespace vorn::hid
