#pragma once
// The device command set: one routine per command id, each building its frames, taking its
// channel lock around each frame, running the exchange and judging the reply. Device pages
// and the device link speak to a device only through these.
//
// Every routine returns a result code (ResultCodes.h). Status-checked routines return the
// exchange's code when it is not 1, 0 when the reply answers another command, -102/-103 for
// the status bytes 0xFF/0xFE, else 1; read data is copied out only from accepted replies.
//
// Chunked transfers send min(chunk, rest) bytes per frame at base offset + position, one
// complete exchange per frame under the routine's lock, so other users of the channel may
// interleave between frames; the first failing frame ends the transfer with its code and
// earlier frames stay written. The chunk is the channel's chunkSize (24 via the receiver,
// 56 on the cable) unless a routine says otherwise.
//
// Buffers are spans: a transfer moves exactly the span's bytes, and routines that move
// blockSize-derived counts check the span holds them. A buffer too small, or offsets that
// would run past 0xFFFF, give -202 before any I/O.

#include <cstdint>
#include <span>

#include "protocol/CommandChannel.h"
#include "protocol/DeviceInfo.h"

namespace vorn::protocol {

namespace command {
inline constexpr uint8_t kBeginSession = 0x01;
inline constexpr uint8_t kEndSession = 0x02;
inline constexpr uint8_t kReadDeviceInfo = 0x03;
inline constexpr uint8_t kReadSettings = 0x05;
inline constexpr uint8_t kWriteSettings = 0x06;
inline constexpr uint8_t kReadBlock = 0x07;
inline constexpr uint8_t kReadPage = 0x08;
inline constexpr uint8_t kWritePage = 0x09;
inline constexpr uint8_t kReadIndexed = 0x0A;
inline constexpr uint8_t kWriteLightData = 0x0B;
inline constexpr uint8_t kStreamLightData = 0x12;
inline constexpr uint8_t kWriteMacroData = 0x15;
inline constexpr uint8_t kWriteShootData = 0x17;
inline constexpr uint8_t kReadShort = 0x1A;
inline constexpr uint8_t kReadByteMap = 0x1B;
inline constexpr uint8_t kLightControlOn = 0x1C;
inline constexpr uint8_t kWriteSecondPage = 0x27;
inline constexpr uint8_t kQueryRadioLink = 0xAA;
}  // namespace command

// The diagnostic line written for each light stream frame dropped while the channel is busy.
inline constexpr const char* kLightFrameDroppedLine = "放弃灯光数据";

// 0x01: opens a read or write sequence. A reply echoing another command id gives 0.
int BeginSession(CommandChannel& channel);
// 0x02: closes it. Pauses 10 ms before taking the lock. The flag is not sent (callers pass 1).
int EndSession(CommandChannel& channel, int flag = 1);
// 0x03: the 34-byte identity block (two frames via the receiver, one on the cable).
int ReadDeviceInfo(CommandChannel& channel, DeviceInfo& info);

// The settings area of the mice the program serves: a 96-byte block for each of 8 profiles.
// The device refuses any access that runs past it.
inline constexpr uint16_t kSettingsProfileStride = 96;
inline constexpr uint16_t kSettingsProfileCount = 8;
inline constexpr uint16_t kSettingsAreaSize = kSettingsProfileCount * kSettingsProfileStride;

// 0x05 / 0x06: the settings area, out.size() / data.size() bytes from baseOffset.
int ReadSettings(CommandChannel& channel, std::span<uint8_t> out, uint16_t baseOffset);
int WriteSettings(CommandChannel& channel, std::span<const uint8_t> data, uint16_t baseOffset);

// 0x07: blockSize bytes from offset 0 into the first blockSize bytes of out.
int ReadBlock(CommandChannel& channel, std::span<uint8_t> out);
// 0x08 / 0x09 / 0x27: blockSize bytes at offset 512 x page; any page but 0 gives -201 before
// any I/O. The writes send the first blockSize bytes of data.
int ReadPage(CommandChannel& channel, std::span<uint8_t> out, int page);
int WritePage(CommandChannel& channel, std::span<const uint8_t> data, int page);
int WriteSecondPage(CommandChannel& channel, std::span<const uint8_t> data, int page);

// 0x0A / 0x0B: per-light colours, out.size() / data.size() bytes at offset index x stride.
// WriteLightData holds lightLock instead of commandLock.
int ReadIndexed(CommandChannel& channel, std::span<uint8_t> out, uint32_t index, uint32_t stride);
int WriteLightData(CommandChannel& channel, std::span<const uint8_t> data, uint32_t index,
                   uint32_t stride);
// 0x12: one colour frame of the light stream from offset 0, under lightLock, through
// exchangeCrc. A chunk is dropped (not sent, counted as sent, "放弃灯光数据" logged) while
// another exchange is running, so the stream never waits behind other commands.
int StreamLightData(CommandChannel& channel, std::span<const uint8_t> data);

// 0x15: macro memory from offset 0.
int WriteMacroData(CommandChannel& channel, std::span<const uint8_t> data);
// 0x17: recoil ("shoot") data from offset 0, in chunks of 56 bytes on either link, with no
// channel lock (the exchange's own I/O lock only).
int WriteShootData(CommandChannel& channel, std::span<const uint8_t> data);

// 0x1A: one frame of out.size() bytes (at most 56) at offset. Not status-checked: the reply's
// bytes are copied whenever the exchange succeeds and the reply answers this command.
int ReadShort(CommandChannel& channel, std::span<uint8_t> out, uint16_t offset);
// 0x1B: blockSize / 3 bytes from offset 0, one per light position.
int ReadByteMap(CommandChannel& channel, std::span<uint8_t> out);
// 0x1C: tells a keyboard that the program takes over its lights.
int LightControlOn(CommandChannel& channel);
// 0xAA: whether the mouse answers through the receiver. On the cable 1 at once without any
// I/O; via the receiver 1 only when the reply says so (data byte 0 = 0xFF, status accepted),
// otherwise 0.
int QueryRadioLink(CommandChannel& channel);

}  // namespace vorn::protocol
