#pragma once
// The mouse's settings between its profile, the page's working copy and the mouse.

#include "devices/mouse/LightModeNames.h"
#include "devices/mouse/MouseProfileBlock.h"
#include "profiles/MouseProfiledata.h"
#include "protocol/CommandChannel.h"

namespace vorn::devices::mouse {

// Loads the profile's settings, light and, for a known sensor (sensorIndex >= 0), the
// sensor's stages with its active stage into the copy. With an unknown sensor the copy keeps
// the stages it has.
void loadWorkingCopy(profiles::CMouseProfiledata& profile, int sensorIndex, MouseWorkingCopy& copy);

// Stores the copy into the profile's entry ("SystemStages", "ReportStages", "LightInfo" and,
// for a known sensor, its "DPIStages" element). Nothing is saved.
void storeWorkingCopy(profiles::CMouseProfiledata& profile, int sensorIndex,
                      const MouseWorkingCopy& copy);

// Reads the active profile number (1 byte at 0) and that profile's block in one session,
// takes the block into the copy and the mirror (applyProfileBlock), stores the copy into the
// profile and saves it. Result kMouseOk, or kMouseFailed with copy, mirror and profile
// unchanged: a closed channel, a failed link rule or read, or an active profile number
// outside 0-7 (whose block would lie outside the settings memory).
int readProfileBlock(protocol::CommandChannel& channel, const LightNames& lights, int sensorIndex,
                     profiles::CMouseProfiledata& profile, MouseWorkingCopy& copy,
                     MouseBlockMirror& mirror);

// Writes the block at profile x 96 (profile 0-7) in chunks of the channel's chunk size,
// between BeginSession and EndSession. Result kMouseOk, or kMouseFailed when the channel is
// closed, the profile number is out of range, the link rule fails or any command fails.
int WriteProfileBlock(protocol::CommandChannel& channel, int profile,
                      const MouseProfileBlock& block);

}  // namespace vorn::devices::mouse
