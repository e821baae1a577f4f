#pragma once
// Whether the device behind a slot can be reached on its other link as well (its cable while
// on a receiver, or the receiver while on its cable), which decides whether an arriving or
// lost slot switches a page between links or opens and closes it.

#include "catalogue/LinkRules.h"
#include "link/LinkedSlots.h"

namespace vorn::link {

// The reported model as the link rules take it (none for -1).
catalogue::ReportedModel reportedModel(int reportedModelCode);

// With the slots' lock held:
//  - a slot without an alternate has no other link;
//  - a receiver slot has one when a command slot of the model it reports is linked with a path;
//  - any other slot has one when its alternate names it back and is linked with a path, or when
//    the receiver reports its model and the receiver's command slot is linked with a path.
bool hasOtherLink(const catalogue::LiveSlotList& slots, int index, int reportedModelCode);

}  // namespace vorn::link
