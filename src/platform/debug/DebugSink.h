#pragma once
// The diagnostic channel: one call writes one line of text meant for a developer, never
// for the user. Lines go to stderr when the environment has VORN_DEBUG=1; tests capture
// them with DebugCapture. Safe to call from any thread.

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::platform {

// Writes one diagnostic line (UTF-8). The text is written as it is; a trailing line end
// in the text is kept, and one is added on stderr only when the text has none.
void debugLine(std::string_view text);

// printf-style convenience around debugLine.
void debugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Extra receiver of every line (used by vornctl --trace). Returns an id for removal.
using DebugListener = std::function<void(std::string_view)>;
int addDebugListener(DebugListener listener);
void removeDebugListener(int id);

// Whether the environment asks for diagnostics (VORN_DEBUG=1), read afresh on every call.
bool debugRequested();

// Whether lines currently go anywhere (stderr enabled or a listener present); callers
// that build expensive lines may skip them when nothing listens.
bool debugEnabled();

// Collects every line written while it lives, from any thread.
class DebugCapture {
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    std::vector<std::string> lines() const;
    bool contains(std::string_view fragment) const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    int id_;
};

}  // namespace vorn::platform
