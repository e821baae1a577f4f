#pragma once
// The profile data of the USB headset: besides the common keys, the headset settings
// ("SystemSetStages"), the gains of the preset equalisers ("EQHzValueInfo") and the
// user's own equalisers ("CustomEQHzValueInfo", "CustomEQNameInfo").

#include <optional>
#include <string>
#include <vector>

#include "profiles/BasicProfiledata.h"
#include "profiles/records/HeadsetSystemSettings.h"

namespace vorn::profiles {

class CDu6533Profiledata : public CBasicProfiledata {
  public:
    // The gains of user equaliser index. Bands of an equaliser that is missing are created
    // in the entry with gain 0. Indexes outside 0..kMaxWritableIndex give zeros and change
    // nothing. There is no writer: user equalisers change only through this zero filling
    // and survive a profile reset.
    EqGains ReadCustomEq(int index);
    // The gains stored for the preset of an equaliser type: type 1-12 is that preset, 0
    // and any other type preset 1. Type 13 (the user equaliser) has no preset: no value,
    // nothing touched. Missing bands are created with gain 0 as for ReadCustomEq.
    std::optional<EqGains> ReadPresetEq(int eqType);
    // Stores the gains of the preset of eqType (nothing for type 13).
    void WritePresetEq(int eqType, const EqGains& gains);

    // "CustomEQNameInfo": one name per element.
    std::vector<std::string> ReadCustomEqNames() const;
    // Replaces "CustomEQNameInfo" with one {"Name"} per name.
    void WriteCustomEqNames(const std::vector<std::string>& names);

    // "SystemSetStages" (all zero when missing).
    HeadsetSystemSettings ReadSystemSettings() const;
    void WriteSystemSettings(const HeadsetSystemSettings& settings);

    // The preset index an equaliser type is stored under; nullopt for the user equaliser.
    static std::optional<int> PresetIndex(int eqType);

  private:
    EqGains readBands(const char* key, int index);
};

}  // namespace vorn::profiles
