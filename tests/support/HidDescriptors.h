#pragma once
// Report descriptors used by the HID tests and benchmarks. Lengths and capabilities noted
// beside them were worked out by hand from the items.

#include <cstdint>
#include <vector>

namespace vorn::test {

// The mouse's command interface (interface 1): keyboard keys (report 1), system control
// (report 2), the consumer event collection 3 whose input is one 16-bit usage index
// (report 3), and the vendor command collection 4 (report 4, 63 data bytes each way).
// Input lengths 7, 2, 3, 64; output 64 for collection 4 only.
inline const std::vector<uint8_t> kCommandInterfaceDescriptor = {
    0x05, 0x01,                    // Usage Page (Generic Desktop)
    0x09, 0x06,                    // Usage (Keyboard)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x01,                    //   Report ID (1)
    0x05, 0x07,                    //   Usage Page (Keyboard)
    0x19, 0xE0,                    //   Usage Minimum (0xE0)
    0x29, 0xE7,                    //   Usage Maximum (0xE7)
    0x15, 0x00,                    //   Logical Minimum (0)
    0x25, 0x01,                    //   Logical Maximum (1)
    0x75, 0x01,                    //   Report Size (1)
    0x95, 0x08,                    //   Report Count (8)
    0x81, 0x02,                    //   Input (Data,Var,Abs)        bits 0-7
    0x95, 0x05,                    //   Report Count (5)
    0x75, 0x08,                    //   Report Size (8)
    0x26, 0xFF, 0x00,              //   Logical Maximum (255)
    0x19, 0x00,                    //   Usage Minimum (0)
    0x2A, 0xFF, 0x00,              //   Usage Maximum (255)
    0x81, 0x00,                    //   Input (Data,Array,Abs)      bits 8-47
    0xC0,                          // End Collection
    0x05, 0x01,                    // Usage Page (Generic Desktop)
    0x09, 0x80,                    // Usage (System Control)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x02,                    //   Report ID (2)
    0x19, 0x81,                    //   Usage Minimum (Power Down)
    0x29, 0x83,                    //   Usage Maximum (Wake Up)
    0x15, 0x00,                    //   Logical Minimum (0)
    0x25, 0x01,                    //   Logical Maximum (1)
    0x75, 0x01,                    //   Report Size (1)
    0x95, 0x03,                    //   Report Count (3)
    0x81, 0x02,                    //   Input (Data,Var,Abs)        bits 0-2
    0x95, 0x05,                    //   Report Count (5)
    0x81, 0x01,                    //   Input (Const)               bits 3-7
    0xC0,                          // End Collection
    0x05, 0x0C,                    // Usage Page (Consumer)
    0x09, 0x01,                    // Usage (Consumer Control)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x03,                    //   Report ID (3)
    0x15, 0x00,                    //   Logical Minimum (0)
    0x27, 0xFF, 0xFF, 0x00, 0x00,  //   Logical Maximum (65535)
    0x19, 0x00,                    //   Usage Minimum (0)
    0x2A, 0xFF, 0xFF,              //   Usage Maximum (0xFFFF)
    0x75, 0x10,                    //   Report Size (16)
    0x95, 0x01,                    //   Report Count (1)
    0x81, 0x00,                    //   Input (Data,Array,Abs)      bits 0-15
    0xC0,                          // End Collection
    0x06, 0x1C, 0xFF,              // Usage Page (0xFF1C)
    0x09, 0x92,                    // Usage (0x92)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x04,                    //   Report ID (4)
    0x15, 0x00,                    //   Logical Minimum (0)
    0x26, 0xFF, 0x00,              //   Logical Maximum (255)
    0x75, 0x08,                    //   Report Size (8)
    0x95, 0x3F,                    //   Report Count (63)
    0x09, 0x01,                    //   Usage (1)
    0x81, 0x02,                    //   Input (Data,Var,Abs)
    0x09, 0x01,                    //   Usage (1)
    0x91, 0x02,                    //   Output (Data,Var,Abs)
    0xC0,                          // End Collection
};

// A common gaming mouse interface: no report ids, 16 buttons, 16-bit relative X and Y, an
// 8-bit wheel and an 8-bit horizontal pan from the consumer page, all inside a physical
// pointer collection. Input length 9 (8 data bytes + id byte).
inline const std::vector<uint8_t> kGamingMouseDescriptor = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x02,        // Usage (Mouse)
    0xA1, 0x01,        // Collection (Application)
    0x09, 0x01,        //   Usage (Pointer)
    0xA1, 0x00,        //   Collection (Physical)
    0x05, 0x09,        //     Usage Page (Button)
    0x19, 0x01,        //     Usage Minimum (1)
    0x29, 0x10,        //     Usage Maximum (16)
    0x15, 0x00,        //     Logical Minimum (0)
    0x25, 0x01,        //     Logical Maximum (1)
    0x95, 0x10,        //     Report Count (16)
    0x75, 0x01,        //     Report Size (1)
    0x81, 0x02,        //     Input (Data,Var,Abs)              bits 0-15
    0x05, 0x01,        //     Usage Page (Generic Desktop)
    0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
    0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
    0x75, 0x10,        //     Report Size (16)
    0x95, 0x02,        //     Report Count (2)
    0x09, 0x30,        //     Usage (X)
    0x09, 0x31,        //     Usage (Y)
    0x81, 0x06,        //     Input (Data,Var,Rel)              bits 16-47
    0x15, 0x81,        //     Logical Minimum (-127)
    0x25, 0x7F,        //     Logical Maximum (127)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x01,        //     Report Count (1)
    0x09, 0x38,        //     Usage (Wheel)
    0x81, 0x06,        //     Input (Data,Var,Rel)              bits 48-55
    0x05, 0x0C,        //     Usage Page (Consumer)
    0x0A, 0x38, 0x02,  //     Usage (AC Pan)
    0x81, 0x06,        //     Input (Data,Var,Rel)              bits 56-63
    0xC0,              //   End Collection
    0xC0,              // End Collection
};

// A keyboard interface with four collections: boot-style keyboard with LEDs (report 1),
// consumer keys as two 16-bit usage indexes (report 2), system control as a 2-bit array
// with a null state (report 3), and a vendor collection with a 7-byte feature report
// (report 4) and 31-byte input and output reports (report 5).
// Lengths: col 1 in 9 / out 2; col 2 in 5; col 3 in 2; col 4 in 32 / out 32 / feature 8.
inline const std::vector<uint8_t> kKeyboardDescriptor = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x06,        // Usage (Keyboard)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x05, 0x07,        //   Usage Page (Keyboard)
    0x19, 0xE0,        //   Usage Minimum (Left Control)
    0x29, 0xE7,        //   Usage Maximum (Right GUI)
    0x15, 0x00,        //   Logical Minimum (0)
    0x25, 0x01,        //   Logical Maximum (1)
    0x75, 0x01,        //   Report Size (1)
    0x95, 0x08,        //   Report Count (8)
    0x81, 0x02,        //   Input (Data,Var,Abs)              bits 0-7
    0x95, 0x01,        //   Report Count (1)
    0x75, 0x08,        //   Report Size (8)
    0x81, 0x01,        //   Input (Const)                     bits 8-15
    0x95, 0x05,        //   Report Count (5)
    0x75, 0x01,        //   Report Size (1)
    0x05, 0x08,        //   Usage Page (LEDs)
    0x19, 0x01,        //   Usage Minimum (Num Lock)
    0x29, 0x05,        //   Usage Maximum (Kana)
    0x91, 0x02,        //   Output (Data,Var,Abs)             bits 0-4
    0x95, 0x01,        //   Report Count (1)
    0x75, 0x03,        //   Report Size (3)
    0x91, 0x01,        //   Output (Const)                    bits 5-7
    0x95, 0x06,        //   Report Count (6)
    0x75, 0x08,        //   Report Size (8)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xA4, 0x00,  //   Logical Maximum (164)
    0x05, 0x07,        //   Usage Page (Keyboard)
    0x19, 0x00,        //   Usage Minimum (0)
    0x29, 0xA4,        //   Usage Maximum (0xA4)
    0x81, 0x00,        //   Input (Data,Array,Abs)            bits 16-63
    0xC0,              // End Collection
    0x05, 0x0C,        // Usage Page (Consumer)
    0x09, 0x01,        // Usage (Consumer Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x02,        //   Report ID (2)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0x9C, 0x02,  //   Logical Maximum (668)
    0x19, 0x00,        //   Usage Minimum (0)
    0x2A, 0x9C, 0x02,  //   Usage Maximum (0x29C)
    0x75, 0x10,        //   Report Size (16)
    0x95, 0x02,        //   Report Count (2)
    0x81, 0x00,        //   Input (Data,Array,Abs)            bits 0-31
    0xC0,              // End Collection
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x80,        // Usage (System Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x03,        //   Report ID (3)
    0x15, 0x01,        //   Logical Minimum (1)
    0x25, 0x03,        //   Logical Maximum (3)
    0x09, 0x82,        //   Usage (Sleep)
    0x09, 0x81,        //   Usage (Power Down)
    0x09, 0x83,        //   Usage (Wake Up)
    0x75, 0x02,        //   Report Size (2)
    0x95, 0x01,        //   Report Count (1)
    0x81, 0x60,        //   Input (Data,Array,Abs,No Preferred,Null State)  bits 0-1
    0x75, 0x06,        //   Report Size (6)
    0x81, 0x03,        //   Input (Const,Var)                 bits 2-7
    0xC0,              // End Collection
    0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
    0x09, 0x01,        // Usage (1)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x04,        //   Report ID (4)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x07,        //   Report Count (7)
    0x09, 0x02,        //   Usage (2)
    0xB1, 0x02,        //   Feature (Data,Var,Abs)
    0x85, 0x05,        //   Report ID (5)
    0x95, 0x1F,        //   Report Count (31)
    0x09, 0x03,        //   Usage (3)
    0x81, 0x02,        //   Input (Data,Var,Abs)
    0x09, 0x03,        //   Usage (3)
    0x91, 0x02,        //   Output (Data,Var,Abs)
    0xC0,              // End Collection
};

}  // namespace vorn::test
