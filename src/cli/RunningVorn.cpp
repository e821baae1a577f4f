#include "cli/RunningVorn.h"

#include <cerrno>
#include <cstring>

#include "platform/ipc/BusNames.h"

namespace vorn::cli {
namespace {

constexpr std::uint32_t kAnswerTimeoutMs = 5000;

}  // namespace

std::optional<platform::ipc::SessionBus::ControlAnswer> askRunningVorn(
    CliContext& ctx, const std::string& command, const std::string& method,
    const std::vector<std::string>& words, const std::string& notRunningHint) {
    const std::string prefix = "vornctl " + command + ": ";
    int connectError = 0;
    auto bus = platform::ipc::SessionBus::connect(&connectError);
    if (!bus) {
        ctx.err << prefix << "no session bus (" << std::strerror(-connectError)
                << "), so no running vorn can be reached\n";
        return std::nullopt;
    }
    platform::ipc::SessionBus::ControlAnswer answer;
    const int r = bus->callControl(platform::ipc::kApplicationName, platform::ipc::kApplicationPath,
                                   method, words, kAnswerTimeoutMs, answer);
    if (r == -ENOENT || r == -EHOSTUNREACH) {
        ctx.err << prefix << "vorn is not running" << notRunningHint << "\n";
        return std::nullopt;
    }
    if (r < 0) {
        ctx.err << prefix << "no answer from vorn (" << std::strerror(-r) << ")\n";
        return std::nullopt;
    }
    return answer;
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
