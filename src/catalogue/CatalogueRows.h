#pragma once
// Row types of the four catalogue tables and the value that bundles them. Every lookup
// takes a DeviceCatalogue, so tests can look things up in catalogues of their own.

#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/DeviceSlot.h"

namespace vorn::catalogue {

// A row of the slot table: a DeviceSlot without its run-time binding.
struct DeviceSlotRow {
    std::uint16_t vendorId;
    std::uint16_t productId;
    std::uint16_t interfaceNumber;
    std::uint16_t collectionNumber;
    DeviceType deviceType;
    SlotRole role;
    std::uint16_t usagePage;
    std::uint16_t usage;
    std::uint16_t alternateSlotFlag;
    std::uint16_t alternateSlotIndex;
    std::string_view productString;
    std::uint16_t pairedModelCode;
};

// A model with an entry in the device selector; the last five fields are its page identity.
struct DeviceOptionRow {
    std::string_view optionLayout;     // layout file of the selector entry
    std::string_view tabHeaderName;    // container receiving the entry's tab header
    std::string_view powerSwitchName;  // container receiving the power/link control
    std::string_view displayName;      // selector entry text and device page name
    std::int32_t lightNameSet;         // index into "DefaultLightName" and a profile's "Device"
    std::int32_t vendorId;
    std::int32_t productId;
    DeviceType deviceType;
    SlotRole role;
    std::string_view productString;
};

// The device page of the option row with the same index.
struct DevicePageRow {
    std::int32_t lightCount;
    std::int32_t keyCount;
    std::int32_t hasPowerPage;
    std::int32_t logoLight;  // -1: no logo preview light
    std::string_view pageLayout;
    std::string_view lightConfigName;
};

// An identity the update service asks about; the last row is the application itself.
struct UpdateTargetRow {
    std::int32_t kind;
    std::int32_t flagA;
    std::int32_t flagB;
    std::string_view platform;
    std::string_view family;
    std::string_view model;
    std::string_view modelName;
    std::string_view versionText;
};

// Slots the device link names by index: the 8K receiver's command and event collections.
inline constexpr int kReceiverCommandSlot = 16;
inline constexpr int kReceiverEventSlot = 17;

struct DeviceCatalogue {
    std::span<const DeviceSlotRow> slots;
    std::span<const DeviceOptionRow> options;
    std::span<const DevicePageRow> pages;  // same length and order as options
    std::span<const UpdateTargetRow> updateTargets;
};

}  // namespace vorn::catalogue
