#pragma once
// Result codes of the command channel and of every command routine (signed 32-bit).

#include <cstdint>

namespace vorn::protocol {

// The round trip succeeded and the device accepted the command.
inline constexpr int kResultOk = 1;
// The channel is not open, the reply could not be read (time-out or I/O error), or the
// reply answered another command.
inline constexpr int kResultNoReply = 0;
// The request could not be written.
inline constexpr int kResultWriteFailed = -1;
// Over the receiver: the receiver cannot reach the mouse (it answered 0xAA), or a light
// stream reply failed its CRC.
inline constexpr int kResultUnreachable = -101;
// The reply's status byte was 0xFF (the device refused the command).
inline constexpr int kResultRefused = -102;
// The reply's status byte was 0xFE (the device found the frame damaged).
inline constexpr int kResultDamaged = -103;
// A page command was asked for a page other than 0.
inline constexpr int kResultBadPage = -201;
// A caller's buffer is too small for the transfer, a count is above what one frame holds, or
// the offsets would run past 0xFFFF. Nothing is sent.
inline constexpr int kResultBadArgument = -202;

// A short English explanation of a code for messages ("the receiver cannot reach the
// mouse"); "unknown result" for codes outside the list.
const char* resultMeaning(int code);

}  // namespace vorn::protocol
