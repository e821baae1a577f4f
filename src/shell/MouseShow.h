#pragma once
// What "vornctl mouse show" tells: every setting of a mouse page's working copy in words a
// person reads, with the key and light names in the language the window speaks.

#include <string>

#include "devices/mouse/TessarinMouseDevice.h"

namespace vorn::shell {

// The settings of the mouse, one per line (no line end after the last). profileName: the
// profile the page's profile list has selected.
std::string describeMouse(devices::CTessarinMouseDevice& mouse, const std::string& profileName);

// "on the cable" or "through the receiver": how the page reaches its mouse.
std::string linkWords(devices::CTessarinMouseDevice& mouse);
// The light mode's name, brightness, speed and colour ("Static, brightness 4, speed 2,
// colour #FF0000").
std::string lightWords(devices::CTessarinMouseDevice& mouse);
// What key `index` does, by name ("Left button", "Left Ctrl+C").
std::string keyFunctionWords(devices::CTessarinMouseDevice& mouse, int index);
// The page's label of key `index` ("Forward").
std::string keyLabelWords(int index);

}  // namespace vorn::shell
