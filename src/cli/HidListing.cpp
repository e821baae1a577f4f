#include "cli/HidListing.h"

#include "hid/HidPathNumbers.h"
#include "hid/HidTransport.h"
#include "platform/text/Text.h"

namespace vorn::cli {

using platform::hid::HidOpenError;

namespace {

// The vendor id the shipped udev rule opens to the user at the seat.
constexpr uint16_t kVornVendorId = 0x320F;

}  // namespace

const char* openErrorReason(const HidCollectionListing& l) {
    switch (l.openError) {
        case HidOpenError::None:
            return "";
        case HidOpenError::NotFound:
            return "gone";
        case HidOpenError::PermissionDenied:
            return l.vendorId == kVornVendorId
                       ? "permission denied (install the udev rule, see README)"
                       : "permission denied";
        case HidOpenError::Failed:
            break;
    }
    return "failed";
}

namespace {

void describe(hid::HidTransport& t, HidCollectionListing& l) {
    l.vendorId = t.attributes().vendorId;
    l.productId = t.attributes().productId;
    l.version = t.attributes().version;
    l.usagePage = t.caps().usagePage;
    l.usage = t.caps().usage;
    l.inputLength = t.caps().inputReportByteLength;
    l.outputLength = t.caps().outputReportByteLength;
    l.featureLength = t.caps().featureReportByteLength;
    l.product = t.productString().value_or("");
    l.described = true;
}

}  // namespace

std::vector<HidCollectionListing> listHidCollections() {
    std::vector<HidCollectionListing> list;
    hid::HidTransport bus;
    bus.enumerate();
    hid::HidTransport probe;
    while (const std::string* path = bus.nextPath()) {
        HidCollectionListing l;
        l.path = *path;
        l.vendorId = hid::vendorIdFromPath(*path);
        l.productId = hid::productIdFromPath(*path);
        l.interfaceNumber = hid::interfaceFromPath(*path);
        l.collectionNumber = hid::collectionFromPath(*path);
        // Opened the way the command links open it; when that is refused, opened without
        // access, which still describes it.
        if (probe.open(*path, true, true, true, false)) {
            describe(probe, l);
        } else {
            l.openError = probe.lastOpenError();
            if (probe.open(*path, false, false, true, false)) {
                describe(probe, l);
            }
        }
        probe.close();
        list.push_back(std::move(l));
    }
    return list;
}

void printHidCollections(std::ostream& out, const std::vector<HidCollectionListing>& list,
                         const SlotResolver& slotOf) {
    using platform::formatText;
    for (const HidCollectionListing& l : list) {
        out << l.path << "\n";
        out << formatText("    vid %04x  pid %04x  interface %u  collection %u", l.vendorId,
                          l.productId, l.interfaceNumber, l.collectionNumber);
        if (l.described) {
            out << formatText("  usage %04x:%04x  in %u  out %u  feature %u", l.usagePage, l.usage,
                              l.inputLength, l.outputLength, l.featureLength);
        }
        out << "  slot " << slotOf(l) << "\n";
        if (l.described) {
            out << "    product \"" << l.product << "\"\n";
        }
        if (l.openError != HidOpenError::None) {
            out << "    cannot open: " << openErrorReason(l) << "\n";
        }
        for (const std::string& note : l.notes) {
            out << "    " << note << "\n";
        }
    }
    out << (list.empty()
                ? std::string("no HID collections found")
                : formatText("%zu HID collection%s", list.size(), list.size() == 1 ? "" : "s"))
        << "\n";
}

}  // namespace vorn::cli
