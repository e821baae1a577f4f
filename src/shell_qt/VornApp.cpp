#include "shell_qt/VornApp.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/debug/DebugSink.h"
#include "platform/paths/Paths.h"
#include "platform/settings/SettingsStore.h"
#include "shell/BusCompanionLink.h"
#include "shell/MessageBridge.h"
#include "shell/SingleInstance.h"
#include "shell/StartOptions.h"
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
// How long a screenshot run waits for the start-up (the first scale fit comes at 100 ms).
constexpr int kScreenshotDelayMs = 400;

bool hasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// Handles the bus on the UI thread whenever it has something to read.
class BusPump {
  public:
    explicit BusPump(platform::ipc::SessionBus& bus)
        : bus_(bus), notifier_(bus.descriptor(), QSocketNotifier::Read) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { bus_.dispatch(); });
        // Anything that arrived while the bus was used before the loop ran.
        QTimer::singleShot(0, [this] { bus_.dispatch(); });
    }

  private:
    platform::ipc::SessionBus& bus_;
    QSocketNotifier notifier_;
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
    ui::qt::QtUi qtUi(platform::programFolder() + "Font/");
    ui::CPaintManagerUI::SetResourcePath(platform::skinFolder());
    ui::mainwnd::appMessageIds();

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
    env.languageName = options->language == "zh" ? "zh" : options->language;

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
        pump = std::make_unique<BusPump>(*instance.bus);
    }
    window->ShowWindow(true);

    int status = 0;
    if (screenshot) {
        QTimer::singleShot(kScreenshotDelayMs, [&] {
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
    bridge.reset();
    window.reset();
    return status != 0 ? status : loopStatus;
}

}  // namespace vorn::shell
