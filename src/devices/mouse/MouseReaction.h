#pragma once
// The mouse's reaction preview: a click the mouse reports (0x0403) lights every light at
// full brightness in a random colour, and each frame then fades it out by 15. A light's
// level is its fade level on the page; its colour is a colour wheel index (with rainbow
// set) or the fixed colour.

#include <array>
#include <cstdint>
#include <mutex>
#include <random>

#include "devices/mouse/MousePreviewFrames.h"

namespace vorn::devices {
class CTessarinUSBDevice;
}

namespace vorn::devices::mouse {

enum class ReactionPhase : std::uint8_t {
    Idle,     // dark, waiting for a click
    Rising,   // just lit by a click: the next frame shows it at its full level
    Falling,  // fading out by kReactionFadeStep per frame
};

inline constexpr std::uint8_t kReactionFullLevel = 255;
inline constexpr std::uint8_t kReactionFadeStep = 15;

// The per-light reaction state. The click comes on the UI thread, the frames on the
// preview thread; both work under the state's lock.
class MouseReaction {
  public:
    // seed: the colour indexes a click draws; a random one by default.
    explicit MouseReaction(std::uint32_t seed = std::random_device{}());

    // A click the mouse reported: when the page's light mode is the reaction (6), every
    // light goes to full level with a random colour index 0-191. False in any other mode,
    // which leaves everything as it is.
    bool start(CTessarinUSBDevice& page);

    // One reaction frame: a rising light shows at its level and starts falling; every other
    // light's level drops by 15 (not below 0) before it shows, and a light at 0 is idle. A
    // light shows its colour at brightness B x level / 256.
    void render(CTessarinUSBDevice& page);

    ReactionPhase phaseOf(int light) const;
    // The colour wheel index of a light; 0 outside the lights.
    std::uint8_t colourIndexOf(int light) const;

  private:
    mutable std::mutex lock_;
    std::array<ReactionPhase, kMouseLightCount> phases_{};
    std::array<std::uint8_t, kMouseLightCount> colourIndexes_{};
    std::minstd_rand random_;
};

}  // namespace vorn::devices::mouse
