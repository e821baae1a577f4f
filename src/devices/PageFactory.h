#pragma once
// The page object of each device family. The main window builds one page per catalogue
// model and one for a receiver's mouse that has none yet; which class serves it follows the
// slot type.

#include <memory>

#include "catalogue/DeviceSlot.h"
#include "devices/TessarinUSBDevice.h"

namespace vorn::devices {

// The lists the main window keeps its pages in.
enum class PageKind { Keyboard, Mouse, MousePad, Headset };

// Keyboard for types 1 and 9, mouse for 2, 6 and 10 (the receiver's mouse), mouse pad for 3,
// headset for 7.
PageKind pageKindOf(catalogue::DeviceType type);

// A new, empty page of the kind (its layout is built into it afterwards).
std::unique_ptr<CTessarinUSBDevice> makeDevicePage(PageKind kind);

// Registers, by the element names their layouts use, the controls the page layouts name: the
// pages' own controls (key buttons, tiles, power panels, ...), the profile control and the
// key page.
void registerPageControls();

}  // namespace vorn::devices
