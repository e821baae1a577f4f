#include "cli/RunningVorn.h"

#include <cerrno>
#include <cstring>

#include "platform/ipc/BusNames.h"

namespace vorn::cli {
namespace {

constexpr std::uint32_t kAnswerTimeoutMs = 5000;

// The call; on failure why, with the bus's error code (0: no session bus).
struct Call {
    int result = 0;  // the call's result: >= 0 answered
    int connectError = 0;
    bool connected = false;
};

Call call(const std::string& method, const std::vector<std::string>& words,
          platform::ipc::SessionBus::ControlAnswer& answer) {
    Call c;
    auto bus = platform::ipc::SessionBus::connect(&c.connectError);
    if (!bus) {
        return c;
    }
    c.connected = true;
    c.result = bus->callControl(platform::ipc::kApplicationName, platform::ipc::kApplicationPath,
                                method, words, kAnswerTimeoutMs, answer);
    return c;
}

bool notRunning(const Call& c) {
    return c.result == -ENOENT || c.result == -EHOSTUNREACH;
}

// The call as callRunningVorn makes it, with how it went in c.
VornReach reach(CliContext& ctx, const std::string& command, const std::string& method,
                const std::vector<std::string>& words,
                platform::ipc::SessionBus::ControlAnswer& answer, Call& c) {
    c = call(method, words, answer);
    if (!c.connected || notRunning(c)) {
        return VornReach::NotRunning;
    }
    if (c.result < 0) {
        ctx.err << "vornctl " << command << ": no answer from vorn (" << std::strerror(-c.result)
                << ")\n";
        return VornReach::Failed;
    }
    return VornReach::Answered;
}

}  // namespace

std::optional<platform::ipc::SessionBus::ControlAnswer> askRunningVorn(
    CliContext& ctx, const std::string& command, const std::string& method,
    const std::vector<std::string>& words, const std::string& notRunningHint) {
    platform::ipc::SessionBus::ControlAnswer answer;
    Call c;
    switch (reach(ctx, command, method, words, answer, c)) {
        case VornReach::Answered:
            return answer;
        case VornReach::Failed:
            return std::nullopt;
        case VornReach::NotRunning:
            break;
    }
    ctx.err << "vornctl " << command << ": ";
    if (!c.connected) {
        ctx.err << "no session bus (" << std::strerror(-c.connectError)
                << "), so no running vorn can be reached\n";
    } else {
        ctx.err << "vorn is not running" << notRunningHint << "\n";
    }
    return std::nullopt;
}

VornReach callRunningVorn(CliContext& ctx, const std::string& command, const std::string& method,
                          const std::vector<std::string>& words,
                          platform::ipc::SessionBus::ControlAnswer& answer) {
    Call c;
    return reach(ctx, command, method, words, answer, c);
}

int printAnswer(CliContext& ctx, const std::string& command,
                const platform::ipc::SessionBus::ControlAnswer& answer) {
    if (answer.ok) {
        ctx.out << answer.text << "\n";
        return 0;
    }
    ctx.err << "vornctl " << command << ": " << answer.text << "\n";
    return 1;
}

}  // namespace vorn::cli
