#pragma once
// The HID report descriptor of interface 1 of every emulated mouse and receiver, and the
// layout of its top-level collections as the bus routes reports by them.
//
//   col01  Generic Desktop / Mouse       report id 1: buttons, X, Y, wheel, pan (8 bytes)
//   col02  Generic Desktop / Keyboard    report id 2: modifiers and six keys (8 bytes),
//                                        LED output (2 bytes)
//   col03  Consumer / Consumer Control   report id 3: one 16-bit usage, the event code
//                                        (3 bytes)
//   col04  0xFF1C / 0x0092               report id 4: 63 data bytes in and out (64 bytes)
// Report lengths include the report id byte.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorn::emulator {

struct CollectionLayout {
    int number;  // the "&col" number, 1-based
    uint16_t usagePage;
    uint16_t usage;
    uint8_t inputReportId;  // 0: no input report
    size_t inputLength;
    uint8_t outputReportId;  // 0: no output report
    size_t outputLength;
};

constexpr int kInterfaceNumber = 1;
constexpr int kEventCollection = 3;
constexpr int kCommandCollection = 4;
constexpr uint8_t kEventReportId = 3;

const std::vector<uint8_t>& mouseInterfaceDescriptor();
const std::vector<CollectionLayout>& mouseInterfaceCollections();

// The collection whose input (or output) report carries this report id, or null.
const CollectionLayout* collectionOfInputReport(uint8_t reportId);
const CollectionLayout* collectionByNumber(int number);

}  // namespace vorn::emulator
