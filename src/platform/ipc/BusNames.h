#pragma once
// The names under which the program and its companion programs meet on the session bus.
// They are a contract with programs outside this project (games, scripts, the audio
// capture program, the work tool): never change them.

namespace vorn::platform::ipc {

// Owned by the running application; owning it is what makes it the only instance.
inline constexpr char kApplicationName[] = "io.vorn.Vorn";
inline constexpr char kApplicationPath[] = "/io/vorn/Vorn";

// Registered(s name, u wparam, x lparam): a registered window message, broadcast.
inline constexpr char kMessagesInterface[] = "io.vorn.Messages1";
inline constexpr char kRegisteredSignal[] = "Registered";

// CopyData(t dwData, ay data): a block of bytes handed to one program.
inline constexpr char kCopyDataInterface[] = "io.vorn.CopyData1";
inline constexpr char kCopyDataMethod[] = "CopyData";

// Control1.Sim(as words) -> (b ok, s answer): drives the emulated devices of a running program.
// Control1.Command(as words) -> (b ok, s answer): asks the running program ("devices") or has
// its device pages do the work of a vornctl command.
inline constexpr char kControlInterface[] = "io.vorn.Control1";
inline constexpr char kSimMethod[] = "Sim";
inline constexpr char kCommandMethod[] = "Command";

// Companion programs, each at the object path of its name ("/io/vorn/WorkTool").
inline constexpr char kWorkToolName[] = "io.vorn.WorkTool";
inline constexpr char kWorkToolPath[] = "/io/vorn/WorkTool";
inline constexpr char kAudioRecordName[] = "io.vorn.AudioRecord";
inline constexpr char kAudioRecordPath[] = "/io/vorn/AudioRecord";

}  // namespace vorn::platform::ipc
