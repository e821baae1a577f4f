#pragma once
// Result codes of the mouse's device operations.

namespace vorn::devices::mouse {

// Settings block, key table and shoot data: 1 done, 0 failed.
inline constexpr int kMouseOk = 1;
inline constexpr int kMouseFailed = 0;

// The macro download: 0 done (or nothing to send), -1 failed; a positive result is the
// number of events that must go before the macros fit into the mouse.
inline constexpr int kMacrosDone = 0;
inline constexpr int kMacrosFailed = -1;

}  // namespace vorn::devices::mouse
