#pragma once
// The report descriptor of a node whose sysfs copy is missing, asked of the node itself
// (HIDIOCGRDESCSIZE, HIDIOCGRDESC). The node is opened read-only for the question, so a node
// the user may only read is still described, and is closed again at once.

#include "platform/hidraw/HidrawSystem.h"
#include "platform/hidraw/UdevSource.h"

namespace vorn::platform::hidraw {

// Leaves a record with a descriptor alone; otherwise fills it from the node, or leaves it
// empty when the node cannot be opened or asked.
void completeReportDescriptor(HidrawSystem& system, HidrawUdevRecord& record);

}  // namespace vorn::platform::hidraw
