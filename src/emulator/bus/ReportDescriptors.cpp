#include "emulator/bus/ReportDescriptors.h"

namespace vorn::emulator {

const std::vector<uint8_t>& mouseInterfaceDescriptor() {
    static const std::vector<uint8_t> descriptor = {
        // Collection 1: the pointer.
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x02,        // Usage (Mouse)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x01,        //   Report ID (1)
        0x09, 0x01,        //   Usage (Pointer)
        0xA1, 0x00,        //   Collection (Physical)
        0x05, 0x09,        //     Usage Page (Button)
        0x19, 0x01,        //     Usage Minimum (1)
        0x29, 0x05,        //     Usage Maximum (5)
        0x15, 0x00,        //     Logical Minimum (0)
        0x25, 0x01,        //     Logical Maximum (1)
        0x75, 0x01,        //     Report Size (1)
        0x95, 0x05,        //     Report Count (5)
        0x81, 0x02,        //     Input (Data, Variable, Absolute): five buttons
        0x75, 0x03,        //     Report Size (3)
        0x95, 0x01,        //     Report Count (1)
        0x81, 0x01,        //     Input (Constant): padding to the byte
        0x05, 0x01,        //     Usage Page (Generic Desktop)
        0x09, 0x30,        //     Usage (X)
        0x09, 0x31,        //     Usage (Y)
        0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
        0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
        0x75, 0x10,        //     Report Size (16)
        0x95, 0x02,        //     Report Count (2)
        0x81, 0x06,        //     Input (Data, Variable, Relative): X, Y
        0x09, 0x38,        //     Usage (Wheel)
        0x15, 0x81,        //     Logical Minimum (-127)
        0x25, 0x7F,        //     Logical Maximum (127)
        0x75, 0x08,        //     Report Size (8)
        0x95, 0x01,        //     Report Count (1)
        0x81, 0x06,        //     Input (Data, Variable, Relative): wheel
        0x05, 0x0C,        //     Usage Page (Consumer)
        0x0A, 0x38, 0x02,  //     Usage (AC Pan)
        0x95, 0x01,        //     Report Count (1)
        0x81, 0x06,        //     Input (Data, Variable, Relative): tilt
        0xC0,              //   End Collection
        0xC0,              // End Collection

        // Collection 2: the keyboard keys a button can be given.
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x06,        // Usage (Keyboard)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x02,        //   Report ID (2)
        0x05, 0x07,        //   Usage Page (Keyboard/Keypad)
        0x19, 0xE0,        //   Usage Minimum (Left Control)
        0x29, 0xE7,        //   Usage Maximum (Right GUI)
        0x15, 0x00,        //   Logical Minimum (0)
        0x25, 0x01,        //   Logical Maximum (1)
        0x75, 0x01,        //   Report Size (1)
        0x95, 0x08,        //   Report Count (8)
        0x81, 0x02,        //   Input (Data, Variable, Absolute): modifiers
        0x19, 0x00,        //   Usage Minimum (0)
        0x2A, 0xFF, 0x00,  //   Usage Maximum (255)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x06,        //   Report Count (6)
        0x81, 0x00,        //   Input (Data, Array, Absolute): six keys
        0x05, 0x08,        //   Usage Page (LEDs)
        0x19, 0x01,        //   Usage Minimum (Num Lock)
        0x29, 0x05,        //   Usage Maximum (Kana)
        0x25, 0x01,        //   Logical Maximum (1)
        0x75, 0x01,        //   Report Size (1)
        0x95, 0x05,        //   Report Count (5)
        0x91, 0x02,        //   Output (Data, Variable, Absolute): LEDs
        0x75, 0x03,        //   Report Size (3)
        0x95, 0x01,        //   Report Count (1)
        0x91, 0x01,        //   Output (Constant): padding to the byte
        0xC0,              // End Collection

        // Collection 3: consumer keys and the device's event codes, one 16-bit usage.
        0x05, 0x0C,                    // Usage Page (Consumer)
        0x09, 0x01,                    // Usage (Consumer Control)
        0xA1, 0x01,                    // Collection (Application)
        0x85, 0x03,                    //   Report ID (3)
        0x19, 0x00,                    //   Usage Minimum (0)
        0x2A, 0xFF, 0xFF,              //   Usage Maximum (0xFFFF)
        0x15, 0x00,                    //   Logical Minimum (0)
        0x27, 0xFF, 0xFF, 0x00, 0x00,  //   Logical Maximum (65535)
        0x75, 0x10,                    //   Report Size (16)
        0x95, 0x01,                    //   Report Count (1)
        0x81, 0x00,                    //   Input (Data, Array, Absolute): the usage
        0xC0,                          // End Collection

        // Collection 4: the command channel, 63 data bytes each way.
        0x06, 0x1C, 0xFF,  // Usage Page (Vendor 0xFF1C)
        0x09, 0x92,        // Usage (0x92)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x04,        //   Report ID (4)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x3F,        //   Report Count (63)
        0x09, 0x01,        //   Usage (0x01)
        0x81, 0x02,        //   Input (Data, Variable, Absolute): the reply
        0x09, 0x02,        //   Usage (0x02)
        0x91, 0x02,        //   Output (Data, Variable, Absolute): the request
        0xC0,              // End Collection
    };
    return descriptor;
}

const std::vector<CollectionLayout>& mouseInterfaceCollections() {
    static const std::vector<CollectionLayout> collections = {
        {1, 0x0001, 0x0002, 1, 8, 0, 0},
        {2, 0x0001, 0x0006, 2, 8, 2, 2},
        {3, 0x000C, 0x0001, kEventReportId, 3, 0, 0},
        {4, 0xFF1C, 0x0092, 4, 64, 4, 64},
    };
    return collections;
}

const CollectionLayout* collectionOfInputReport(uint8_t reportId) {
    for (const CollectionLayout& c : mouseInterfaceCollections()) {
        if (c.inputReportId == reportId) {
            return &c;
        }
    }
    return nullptr;
}

const CollectionLayout* collectionByNumber(int number) {
    for (const CollectionLayout& c : mouseInterfaceCollections()) {
        if (c.number == number) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace vorn::emulator
