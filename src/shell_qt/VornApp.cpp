#include "shell_qt/VornApp.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "emulator/Scenario.h"
#include "platform/debug/DebugSink.h"
#include "platform/hid/HidBackend.h"
#include "platform/hidraw/HidrawBackend.h"
#include "platform/ipc/BusNames.h"
#include "platform/ipc/SleepWatcher.h"
#include "platform/paths/Paths.h"
#include "platform/settings/SettingsStore.h"
#include "shell/ApplicationFonts.h"
#include "shell/BusCompanionLink.h"
#include "shell/ControlClasses.h"
#include "shell/ControlCommands.h"
#include "shell/MessageBridge.h"
#include "shell/SimControl.h"
#include "shell/SingleInstance.h"
#include "shell/StartOptions.h"
#include "shell_qt/QtFileDialogs.h"
#include "shell_qt/QtFontRegistry.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/MainWnd.h"
#include "ui/qt/QtUi.h"

namespace vorn::shell {
namespace {

// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER | WS_DLGFRAME |
// WS_SYSMENU | WS_MINIMIZEBOX
constexpr std::uint32_t kMainWindowStyle = 2529820672u;
// How long a screenshot run waits for the start-up (the first scale fit comes at 100 ms), and on
// the emulator for its devices as well (a receiver's mouse is found by the first 500 ms poll and
// shown after its first read).
constexpr int kScreenshotDelayMs = 400;
constexpr int kDemoScreenshotDelayMs = 1000;

bool hasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Handles a bus connection on the UI thread whenever it has something to read; nothing
// wakes while the bus is quiet.
class BusPump {
  public:
    BusPump(int descriptor, std::function<void()> dispatch)
        : dispatch_(std::move(dispatch)), notifier_(descriptor, QSocketNotifier::Read) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { dispatch_(); });
        // Anything that arrived while the bus was used before the loop ran.
        QTimer::singleShot(0, [this] { dispatch_(); });
    }

  private:
    std::function<void()> dispatch_;
    QSocketNotifier notifier_;
};

// Ends the program in order (workers stopped, companions told) when the session ends or the
// user interrupts it: the signal only writes a byte, the loop does the rest.
class QuitOnSignal {
  public:
    explicit QuitOnSignal(std::function<void()> quit) : quit_(std::move(quit)) {
        if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
            return;
        }
        writeEnd() = pipe_[1];
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            char byte = 0;
            while (::read(pipe_[0], &byte, 1) > 0) {
            }
            quit_();
        });
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(writeEnd(), &byte, 1);
        };
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            sigaction(signal, &action, nullptr);
        }
    }
    ~QuitOnSignal() {
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            std::signal(signal, SIG_DFL);
        }
        notifier_.reset();
        if (pipe_[0] >= 0) {
            ::close(pipe_[0]);
            ::close(pipe_[1]);
        }
        writeEnd() = -1;
    }
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

  private:
    static int& writeEnd() {
        static int fd = -1;
        return fd;
    }
    std::function<void()> quit_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace

int runVorn(int argc, char** argv, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<StartOptions> options = parseStartOptions(args, err);
    if (!options) {
        return 2;
    }
    if (options->help) {
        out << startUsage();
        return 0;
    }
    if (options->version) {
        out << "vorn " << kVersionText << "\n";
        return 0;
    }
    const bool screenshot = !options->screenshot.empty();
    if (!hasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        if (!screenshot) {
            err << "vorn: no display; rendering offscreen (try --screenshot FILE)\n";
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    // A screenshot run is a picture of the window, not a running program: it neither
    // hands over to nor blocks the one the user runs.
    SingleInstance instance;
    if (!screenshot) {
        instance = claimSingleInstance(platform::ipc::DefaultInstanceLockPath());
        if (instance.role == InstanceRole::Second) {
            out << "vorn is running already; its window comes to the front\n";
            return 0;
        }
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the program lives in the tray
    // The eight fonts of the program's table, not every file of the folder.
    ui::qt::QtUi qtUi("");
    QtFileDialogs fileDialogs;
    platform::setFileDialogs(&fileDialogs);
    QtFontRegistry fontRegistry;
    ApplicationFonts fonts(fontRegistry);
    fonts.load(platform::programFolder());
    ui::CPaintManagerUI::SetResourcePath(platform::skinFolder());
    registerControlClasses();
    platform::debugPrintf("软件标示：%u", ui::mainwnd::appMessageIds().app);

    std::unique_ptr<BusCompanionLink> companions;
    if (instance.bus) {
        companions = std::make_unique<BusCompanionLink>(*instance.bus);
    }
    platform::SettingsStore settings;
    ui::mainwnd::MainWndEnvironment env;
    env.companions = companions.get();
    env.settings = screenshot ? nullptr : &settings;
    env.defaultDataFolder = platform::defaultDataFolder();
    env.userFolder = platform::userFolder();
    env.languageName = options->language;
    env.programPath = platform::programFolder() + "vorn";
    env.firstSection = options->section;

    // The bus the device scan looks at: the emulator for --demo, else the system's hidraw nodes.
    std::unique_ptr<emulator::VirtualBus> demoBus;
    std::unique_ptr<platform::hid::HidBackend> systemBus;
    if (options->demo) {
        std::string error;
        demoBus = emulator::buildBusFromScenario(*options->demo, error);
        platform::hid::setHidBackend(demoBus.get());
    } else {
        std::string error;
        systemBus = platform::hidraw::createHidrawBackend(error);
        if (systemBus) {
            platform::hid::setHidBackend(systemBus.get());
        } else {
            err << "vorn: the HID devices cannot be listed: " << error << "\n";
        }
    }
    env.scanDevices = true;

    auto window = std::make_unique<ui::mainwnd::CMainWnd>(env);
    if (!window->Create(nullptr, ui::mainwnd::kAppIdentity, kMainWindowStyle, 0, 0, 0, 800, 572)) {
        err << "vorn: the main window could not be built from " << platform::skinFolder()
            << "XML_MAIN.xml\n";
        return 1;
    }
    window->SetIcon(ui::mainwnd::kTrayIconId);
    window->CenterWindow();
    std::unique_ptr<MessageBridge> bridge;
    std::unique_ptr<BusPump> pump;
    if (instance.bus) {
        bridge = std::make_unique<MessageBridge>(*instance.bus, *window);
        instance.bus->offerControl(
            platform::ipc::kApplicationPath,
            [bus = demoBus.get(), main = window.get()](const std::string& method,
                                                       const std::vector<std::string>& words) {
                if (method == platform::ipc::kSimMethod) {
                    return answerSim(bus, words);
                }
                return answerCommand(*main, words);
            });
        pump = std::make_unique<BusPump>(instance.bus->descriptor(),
                                         [&bus = *instance.bus] { bus.dispatch(); });
    }
    // Suspend and resume reach the window as the power broadcasts it acts on.
    ui::UiWindowHandle handle = window->GetHWND();
    std::unique_ptr<platform::ipc::SleepWatcher> sleep;
    std::unique_ptr<BusPump> sleepPump;
    if (!screenshot) {
        int sleepError = 0;
        sleep = platform::ipc::SleepWatcher::watch(
            [handle](bool suspending) {
                ui::CWindowWnd::PostMessageTo(
                    handle, ui::WM_POWERBROADCAST,
                    suspending ? ui::mainwnd::kPowerSuspend : ui::mainwnd::kPowerResume);
            },
            platform::ipc::SleepWatcher::Bus::System, &sleepError);
        if (sleep) {
            sleepPump = std::make_unique<BusPump>(sleep->descriptor(),
                                                  [&watcher = *sleep] { watcher.dispatch(); });
        } else {
            platform::debugPrintf("no system bus (%s): suspend and resume are not seen",
                                  std::strerror(-sleepError));
        }
    }
    window->ShowWindow(true);
    QuitOnSignal quitOnSignal([handle] {
        if (ui::CWindowWnd* main = ui::CWindowWnd::FromHandle(handle)) {
            main->DestroyWindow();
        }
    });

    int status = 0;
    if (screenshot) {
        QTimer::singleShot(options->demo ? kDemoScreenshotDelayMs : kScreenshotDelayMs, [&] {
            const QImage image = qtUi.grab(window.get());
            if (image.isNull() || !image.save(QString::fromStdString(options->screenshot), "PNG")) {
                err << "vorn: could not write " << options->screenshot << "\n";
                status = 1;
            } else {
                out << options->screenshot << " (" << image.width() << "x" << image.height()
                    << ")\n";
            }
            window->DestroyWindow();
        });
    }
    const int loopStatus = qtUi.loop().run();
    if (window->IsWindow()) {
        window->DestroyWindow();
    }
    sleepPump.reset();
    pump.reset();
    bridge.reset();
    window.reset();
    platform::hid::setHidBackend(nullptr);
    platform::setFileDialogs(nullptr);
    return status != 0 ? status : loopStatus;
}

}  // namespace vorn::shell
