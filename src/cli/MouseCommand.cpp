// vornctl mouse: the mouse page's settings without a window. Without --sim the words go to
// the running vorn when there is one, whose page does the work, so that one program talks to
// the mouse; otherwise vornctl builds the main window without a display on the emulator or on
// the machine's devices, finds the devices as vorn does, and its page does the same work.

#include <optional>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/InstalledBus.h"
#include "cli/RunningVorn.h"
#include "cli/TracePrinter.h"
#include "platform/ipc/BusNames.h"
#include "platform/paths/Paths.h"
#include "shell/MouseCommand.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/mainwnd/HeadlessWindow.h"

namespace vorn::cli {
namespace {

int runOnOwnWindow(CliContext& ctx, const std::optional<std::string>& sim, bool trace,
                   const std::vector<std::string>& words) {
    InstalledBus bus;
    std::string error;
    if (const int status = bus.install(sim, error); status != 0) {
        ctx.err << "vornctl mouse: " << error << "\n";
        return status;
    }
    ui::CPaintManagerUI::SetResourcePath(platform::skinFolder());
    ui::mainwnd::MainWndEnvironment env;
    env.defaultDataFolder = platform::defaultDataFolder();
    env.userFolder = platform::userFolder();
    env.languageName = "en";
    ui::mainwnd::HeadlessWindow headless(env);
    if (!headless.ready()) {
        ctx.err << "vornctl mouse: the window could not be built from " << platform::skinFolder()
                << "\n";
        return 1;
    }
    if (!headless.scan()) {
        ctx.err << "vornctl mouse: the HID devices cannot be listed\n";
        return 1;
    }
    // Only the command's own frames (the reads of the scan are behind us), without the
    // window's other diagnostic lines.
    std::optional<TracePrinter> tracing;
    if (trace) {
        tracing.emplace(ctx.out, true);
    }
    const platform::ipc::SessionBus::ControlAnswer answer =
        shell::answerMouse(headless.window(), words);
    tracing.reset();
    return printAnswer(ctx, "mouse", answer);
}

}  // namespace

int runMouseCommand(CliContext& ctx) {
    std::optional<std::string> sim;
    bool trace = false;
    std::vector<std::string> words;
    std::string error;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        if (takeSimOption(ctx.args, i, sim, error)) {
            if (!error.empty() || sim->empty()) {
                ctx.err << "vornctl mouse: --sim needs a scenario (see vornctl --help)\n";
                return 2;
            }
            continue;
        }
        if (ctx.args[i] == "--trace") {
            trace = true;
        } else {
            words.push_back(ctx.args[i]);
        }
    }
    shell::MouseRequest request;
    if (!shell::parseMouseWords(words, request, error)) {
        ctx.err << "vornctl mouse: " << error << "\n(vornctl mouse help lists the commands)\n";
        return 2;
    }
    if (request.help) {
        ctx.out << shell::mouseUsageText();
        return 0;
    }
    if (!sim) {
        std::vector<std::string> said = {"mouse"};
        said.insert(said.end(), words.begin(), words.end());
        platform::ipc::SessionBus::ControlAnswer answer;
        switch (callRunningVorn(ctx, "mouse", platform::ipc::kCommandMethod, said, answer)) {
            case VornReach::Answered:
                if (trace) {
                    ctx.err << "vornctl mouse: the running vorn did the work; run it with "
                               "VORN_DEBUG=1 to see its frames\n";
                }
                return printAnswer(ctx, "mouse", answer);
            case VornReach::Failed:
                return 1;
            case VornReach::NotRunning:
                break;
        }
    }
    return runOnOwnWindow(ctx, sim, trace, words);
}

}  // namespace vorn::cli
