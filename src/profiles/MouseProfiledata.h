#pragma once
// The profile data of a mouse: besides the common keys, the sensitivity stages of each
// sensor ("DPIStages"), the mouse settings ("SystemStages", "ReportStages") and the key
// list overlaid with the assignments currently stored in the mouse.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "profiles/BasicProfiledata.h"
#include "profiles/records/DpiStage.h"
#include "profiles/records/MouseSystemSettings.h"

namespace vorn::profiles {

// The mouse's current key table: 3 bytes per key slot.
inline constexpr std::size_t kMouseKeyTableBytes = 512;
// A key-to-slot map entry for a key that has no slot on the device.
inline constexpr std::uint8_t kNoKeySlot = 0xAA;

class CMouseProfiledata : public CBasicProfiledata {
  public:
    // Reads "DPIStages"[sensor]: the active stage index becomes its "StageActive", and the
    // stages read overwrite the stored list position by position (more are appended;
    // stored stages beyond the number read keep their values). Without data for this
    // sensor nothing changes. Returns the stored list.
    const std::vector<DpiStage>& ReadDpiStages(int sensor);
    // Replaces the stored list and writes each stage to "DPIStages"[sensor]."StageDPIs"[i].
    void WriteDpiStages(int sensor, std::span<const DpiStage> stages);
    // Writes "DPIStages"[sensor]."StageActive" and makes it the active stage index.
    void WriteActiveStage(int sensor, std::int32_t stage);
    std::int32_t GetActiveStageIndex() const { return activeStage_; }
    const std::vector<DpiStage>& GetDpiStages() const { return stages_; }

    // "SystemStages" (all zero when missing) with "ReportStages"."StageActive".
    MouseSystemSettings ReadSystemSettings() const;
    // Writes every field except "sleeptime" and "sleeptimeH", which keep what the file holds.
    void WriteSystemSettings(const MouseSystemSettings& settings);

    // The device's current key table (a copy of its first 512 bytes is kept; a shorter
    // table is padded with zeros) and the map from key index to device key slot.
    void SetCurrentKeyTable(std::span<const std::uint8_t> table);
    void SetButtonSlotMap(std::span<const std::uint8_t> map);
    // The key list, in which each key that has a slot on the device takes the assignment
    // the device currently holds for that slot. Kept apart from the plain key list.
    const std::vector<KeyRecord>& ReadKeyListWithOverlay();

  private:
    std::vector<DpiStage> stages_;
    std::int32_t activeStage_ = 0;
    std::array<std::uint8_t, kMouseKeyTableBytes> currentKeyTable_{};
    std::vector<std::uint8_t> buttonSlotMap_;
    std::vector<KeyRecord> overlaidKeys_;
};

}  // namespace vorn::profiles
