#pragma once
// The devices this program serves. Built at compile time and never changed; the main
// window copies the slot table into its live slot list (makeLiveSlotList).

#include <array>

#include "catalogue/CatalogueRows.h"

namespace vorn::catalogue {

namespace detail {

inline constexpr std::uint16_t kVid = 0x320F;
inline constexpr std::uint16_t kCablePid = 0x22B6;
inline constexpr std::uint16_t kOwnReceiverPid = 0x22BA;
inline constexpr std::uint16_t kReceiverPid = 0x22A0;

// Command collection 4 of interface 1.
constexpr DeviceSlotRow commandRow(std::uint16_t vid, std::uint16_t pid, DeviceType type,
                                   std::uint16_t altFlag, std::uint16_t altIndex,
                                   std::string_view product, std::uint16_t pairedCode) {
    return {vid,    pid,    1,       4,        type,    SlotRole::Command,
            0xFF1C, 0x0092, altFlag, altIndex, product, pairedCode};
}

// Event collection 3 of interface 1.
constexpr DeviceSlotRow eventRow(std::uint16_t vid, std::uint16_t pid, DeviceType type,
                                 std::uint16_t altFlag, std::uint16_t altIndex,
                                 std::string_view product, std::uint16_t pairedCode) {
    return {vid,    pid,    1,       3,        type,    SlotRole::Event,
            0x000C, 0x0001, altFlag, altIndex, product, pairedCode};
}

inline constexpr std::string_view kOptionLayout = "XML\\CustomControlXML\\DeviceOption.xml";

constexpr DeviceOptionRow optionRow(std::string_view displayName, std::int32_t vid,
                                    std::int32_t pid, DeviceType type, std::string_view product) {
    return {kOptionLayout,
            "tab_header_device",
            "device_power_switch",
            displayName,
            0,
            vid,
            pid,
            type,
            SlotRole::Command,
            product};
}

constexpr DevicePageRow mousePageRow(std::string_view layout) {
    return {15, 11, 1, -1, layout, "zelta_light"};
}

}  // namespace detail

// Rows 0-3 and 14-15 carry vendor id 0: they keep their indexes but never bind.
inline constexpr std::array<DeviceSlotRow, 20> kDeviceSlotTable = [] {
    using namespace detail;
    using T = DeviceType;
    constexpr std::uint16_t none = kModelNotReportable;
    return std::array<DeviceSlotRow, 20>{{
        commandRow(0, 0, T::Keyboard, 1, 2, "", none),
        eventRow(0, 0, T::Keyboard, 1, 3, "", none),
        commandRow(0, 0, T::KeyboardOtherLink, 1, 0, "", none),
        eventRow(0, 0, T::KeyboardOtherLink, 1, 1, "", none),
        commandRow(kVid, kCablePid, T::Mouse, 1, 6, "VORN-T4", 1),
        eventRow(kVid, kCablePid, T::Mouse, 1, 7, "VORN-T4", 1),
        commandRow(kVid, kOwnReceiverPid, T::MouseOwnReceiver, 1, 4, "VORN-T4", none),
        eventRow(kVid, kOwnReceiverPid, T::MouseOwnReceiver, 1, 5, "VORN-T4", none),
        commandRow(kVid, kCablePid, T::Mouse, 1, 10, "VORN-T4Pro", 0),
        eventRow(kVid, kCablePid, T::Mouse, 1, 11, "VORN-T4Pro", 0),
        commandRow(kVid, kOwnReceiverPid, T::MouseOwnReceiver, 1, 8, "VORN-T4Pro", none),
        eventRow(kVid, kOwnReceiverPid, T::MouseOwnReceiver, 1, 9, "VORN-T4Pro", none),
        commandRow(kVid, kCablePid, T::Mouse, 1, 40, "VORN-T4Ultra", 2),
        eventRow(kVid, kCablePid, T::Mouse, 1, 41, "VORN-T4Ultra", 2),
        commandRow(0, 0, T::MouseOwnReceiver, 1, 12, "VORN-T4Ultra", none),
        eventRow(0, 0, T::MouseOwnReceiver, 1, 13, "VORN-T4Ultra", none),
        commandRow(kVid, kReceiverPid, T::Receiver, 1, 4, "VORN-8K Dongle", none),
        eventRow(kVid, kReceiverPid, T::Receiver, 1, 5, "VORN-8K Dongle", none),
        commandRow(kVid, kCablePid, T::Mouse, 0, 0, "VORN-T4Max", 11),
        eventRow(kVid, kCablePid, T::Mouse, 0, 0, "VORN-T4Max", 11),
    }};
}();

inline constexpr std::array<DeviceOptionRow, 5> kDeviceOptionTable = [] {
    using namespace detail;
    return std::array<DeviceOptionRow, 5>{{
        optionRow("keyboard", 0, 0, DeviceType::Keyboard, ""),
        optionRow("VORN-T4", kVid, kCablePid, DeviceType::Mouse, "VORN-T4"),
        optionRow("VORN-T4Pro", kVid, kCablePid, DeviceType::Mouse, "VORN-T4Pro"),
        optionRow("VORN-T4Ultra", kVid, kCablePid, DeviceType::Mouse, "VORN-T4Ultra"),
        optionRow("VORN-T4Max", kVid, kCablePid, DeviceType::Mouse, "VORN-T4Max"),
    }};
}();

inline constexpr std::array<DevicePageRow, 5> kDevicePageTable = [] {
    using namespace detail;
    return std::array<DevicePageRow, 5>{{
        {170, 170, 0, -1, "XML\\DeviceXml\\keyboarddevice.xml", "zelta_light"},
        mousePageRow("XML\\DeviceXml\\mousedevice_T4.xml"),
        mousePageRow("XML\\DeviceXml\\mousedevice_T4Pro.xml"),
        mousePageRow("XML\\DeviceXml\\mousedevice_T4Ultra.xml"),
        mousePageRow("XML\\DeviceXml\\mousedevice_T4Max.xml"),
    }};
}();

inline constexpr std::array<UpdateTargetRow, 6> kUpdateTargetTable = {{
    {1, 1, 0, "ZELTA", "52820", "VORN-P6Pro+", "VORN-P6Pro+", ""},
    {2, 1, 1, "ZELTA", "52840", "VORN-T4", "VORN-T4", ""},
    {2, 1, 1, "ZELTA", "52840", "VORN-T4Pro", "VORN-T4Pro", ""},
    {2, 1, 1, "ZELTA", "RM27Q14B_1", "VORN-T4Ultra", "VORN-T4Ultra", ""},
    {2, 1, 1, "ZELTA", "RM27Q14B_1", "VORN-T4Ultra", "VORN-T4Max", ""},
    {0, 1, 1, "ZELTA", "ALL", "AP", "Driver", "V1.0.0.0"},  // the application: stays last
}};

inline constexpr DeviceCatalogue kDeviceCatalogue{kDeviceSlotTable, kDeviceOptionTable,
                                                  kDevicePageTable, kUpdateTargetTable};

}  // namespace vorn::catalogue
