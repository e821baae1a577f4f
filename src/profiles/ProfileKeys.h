#pragma once
// JSON keys that several parts of the profile code share. The spellings are those of the
// files users already have.

namespace vorn::profiles::keys {

inline constexpr char kProfileName[] = "profilename";
inline constexpr char kProfileId[] = "profileUUID";
inline constexpr char kDevice[] = "Device";
inline constexpr char kKeyList[] = "KeyList";
inline constexpr char kAssignment[] = "Assignment";
inline constexpr char kDefaultAssignment[] = "DefaultAssignment";
inline constexpr char kLightInfo[] = "LightInfo";
inline constexpr char kAudioLightInfo[] = "AudioLightInfo";
inline constexpr char kLightList[] = "LightList";
inline constexpr char kCustomEqNames[] = "CustomEQNameInfo";
inline constexpr char kCustomEqValues[] = "CustomEQHzValueInfo";

}  // namespace vorn::profiles::keys
