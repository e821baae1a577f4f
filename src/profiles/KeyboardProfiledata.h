#pragma once
// The profile data of a keyboard: besides the common keys, the keyboard settings
// ("SystemStages") and the custom per-key colour groups ("CustomLightMode").

#include <cstdint>
#include <span>
#include <vector>

#include "profiles/BasicProfiledata.h"
#include "profiles/records/KeyColour.h"
#include "profiles/records/KeyboardSystemSettings.h"

namespace vorn::profiles {

class CKeyboardProfiledata : public CBasicProfiledata {
  public:
    // "CustomLightMode"."CustomLightModeGroupIndex" (0 when missing).
    std::int32_t ReadCustomLightGroup() const;
    void WriteCustomLightGroup(std::int32_t group);

    // The colours of the first keyCount keys of group. A group that does not exist yet,
    // and any missing key in it, is created in the entry with zero colours (saved by the
    // next Save). Group numbers outside 0..kMaxWritableIndex give zeros and change nothing.
    const std::vector<KeyColour>& ReadCustomLightColours(int group, int keyCount);
    // Writes colours[i] to key i of group.
    void WriteCustomLightColours(int group, std::span<const KeyColour> colours);

    // "SystemStages" (all zero when missing).
    KeyboardSystemSettings ReadSystemSettings() const;
    void WriteSystemSettings(const KeyboardSystemSettings& settings);

  private:
    std::vector<KeyColour> colours_;
};

}  // namespace vorn::profiles
