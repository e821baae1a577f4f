#pragma once
// The mouse's own preview frames over its light groups: the wave and the marquee. The
// mouse's 15 lights form 7 groups: group g (0-5) holds lights g and 13 - g, group 6 holds
// lights 6, 14 and 7. Each frame writes the light words of the page and steps the page's
// effect counters; the preview thread runs them.

#include <array>
#include <cstdint>
#include <span>

namespace vorn::devices {
class CTessarinUSBDevice;
}

namespace vorn::devices::mouse {

inline constexpr int kMouseLightCount = 15;
inline constexpr int kMouseLightGroupCount = 7;

// The lights of group g (0-6); empty for any other number.
std::span<const std::uint8_t> mouseLightGroup(int group);

// Wave: with rainbow set the groups show colour wheel entries 7 apart walking with the
// phase (period 192); otherwise the fixed colour, each group's brightness following the
// middle of the breathing curve 7 steps apart (period 96).
void renderMouseWave(CTessarinUSBDevice& page);

// Marquee: the page's marquee ring lights the groups it passes, which then fade (FadeLight
// with the light mode); the ring turns one place per frame in the direction. An empty ring
// is given one lit entry at the end the marquee enters from, so the effect shows. With
// rainbow set the groups take colour wheel entries 12 apart, but keep their colours while
// the entry end group is lit.
void renderMouseMarquee(CTessarinUSBDevice& page);

}  // namespace vorn::devices::mouse
