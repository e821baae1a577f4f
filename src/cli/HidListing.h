#pragma once
// What `vornctl list` shows of each HID collection on the bus, gathered through the HID
// transport over whatever backend is installed.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/SlotLookup.h"
#include "platform/hid/HidBackend.h"

namespace vorn::cli {

struct HidCollectionListing {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0;
    uint32_t interfaceNumber = 0;
    uint32_t collectionNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputLength = 0;
    uint16_t outputLength = 0;
    uint16_t featureLength = 0;
    std::string product;
    bool described = false;  // attributes, usage and lengths are known
    // Why the collection could not be opened for reading and writing (None when it could).
    platform::hid::HidOpenError openError = platform::hid::HidOpenError::None;
    // Lines about the collection's device, printed below it (pairing, binding).
    std::vector<std::string> notes;
};

// Every collection the installed backend lists, in its order.
std::vector<HidCollectionListing> listHidCollections();

// Why a listed collection cannot be opened, for the user ("" when it can).
const char* openErrorReason(const HidCollectionListing& listing);

// Claims the first free live slot a described collection matches, as the discovery loop
// does; kNoIndex (-1) when none (ListSlots.cpp).
int claimListedSlot(catalogue::LiveSlotList& live, const HidCollectionListing& listing);

// Whether a described collection has the usage of the catalogue's command collections.
bool isCommandCollection(const HidCollectionListing& listing);
// Whether it is a command collection of a catalogue vendor that no catalogue slot takes even
// on a bus of its own: no command can ever reach its device (ListSlots.cpp).
bool isUnbindable(const HidCollectionListing& listing);
// Why an unbindable collection is never bound, for the user ("the catalogue has no slot
// for ...").
std::string unbindableNote(const HidCollectionListing& listing);
// The scenarios of one mouse (on its cable, on its own receiver) whose device the catalogue
// never binds, e.g. "t4ultra@own".
std::vector<std::string> unbindableScenarios();

// The catalogue slot a collection would claim, as text. Called once per collection in list
// order, so an implementation may claim slots as it goes.
using SlotResolver = std::function<std::string(const HidCollectionListing&)>;
// The resolver `vornctl list` uses (ListSlots.cpp).
SlotResolver makeSlotResolver();

void printHidCollections(std::ostream& out, const std::vector<HidCollectionListing>& list,
                         const SlotResolver& slotOf);

}  // namespace vorn::cli
