#pragma once
// Registered window messages: a name stands for one message id, the same every time this
// process registers it. Ids are local to the process (0xC000 upward); between processes
// messages travel by name (the session bus layer), so every program that knows a name can send
// and receive it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorn::platform {

inline constexpr std::uint32_t kFirstRegisteredMessage = 0xC000;
inline constexpr std::uint32_t kLastRegisteredMessage = 0xFFFF;

// The id of name, registered now when it is new. 0 for an empty name or when every id is
// taken. Safe from any thread.
std::uint32_t RegisterWindowMessage(std::string_view name);

// The name of a registered id; nothing for an id that was never registered.
std::optional<std::string> RegisteredMessageName(std::uint32_t id);

// The id of name when it has been registered, without registering it; 0 otherwise.
std::uint32_t FindRegisteredMessage(std::string_view name);

}  // namespace vorn::platform
