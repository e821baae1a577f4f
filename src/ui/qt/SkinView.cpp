#include "ui/qt/SkinView.h"

#include <QApplication>

#include <pugixml.hpp>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/paths/Paths.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/layouts/DialogBuilder.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/dialogs/AboutWnd.h"
#include "ui/framework/windows/dialogs/MsgWnd.h"
#include "ui/language/LanguageList.h"
#include "ui/qt/QtUi.h"

namespace vorn::ui::qt {
namespace {

struct Options {
    enum class What { None, MsgBox, About, Layout } what = What::None;
    std::string layout;
    std::string out;
    std::string lang = "en";
    int scale = 96;
    int width = 0;
    int height = 0;
    std::vector<std::string> select;
};

const char* kUsage =
    "usage: skinview --msgbox [--lang en|zh] [--scale DPI] --out FILE.png\n"
    "       skinview --about [--lang en|zh] [--scale DPI] --out FILE.png\n"
    "       skinview LAYOUT.xml [--lang en|zh] [--size WxH] [--scale DPI] [--select NAME]...\n"
    "                --out FILE.png\n";

bool parse(int argc, char** argv, Options& o, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                err << "skinview: " << a << " needs a value\n";
                return false;
            }
            into = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--msgbox") {
            o.what = Options::What::MsgBox;
        } else if (a == "--about") {
            o.what = Options::What::About;
        } else if (a == "--out") {
            if (!value(o.out)) {
                return false;
            }
        } else if (a == "--lang") {
            if (!value(o.lang)) {
                return false;
            }
        } else if (a == "--scale") {
            if (!value(v)) {
                return false;
            }
            o.scale = std::atoi(v.c_str());
        } else if (a == "--size") {
            if (!value(v) || std::sscanf(v.c_str(), "%dx%d", &o.width, &o.height) != 2) {
                err << "skinview: --size takes WIDTHxHEIGHT\n";
                return false;
            }
        } else if (a == "--select") {
            if (!value(v)) {
                return false;
            }
            o.select.push_back(v);
        } else if (a == "--help" || a == "-h") {
            return false;
        } else if (!a.empty() && a[0] != '-' && o.layout.empty()) {
            o.what = Options::What::Layout;
            o.layout = a;
        } else {
            err << "skinview: unknown argument " << a << "\n";
            return false;
        }
    }
    if (o.what == Options::What::None || o.out.empty()) {
        return false;
    }
    return true;
}

bool isWindowLayout(const std::string& path) {
    pugi::xml_document doc;
    return !doc.load_file(path.c_str()) ||
           std::string_view(doc.document_element().name()) == "Window";
}

// A window showing a layout file. A window layout is built as it is; any other layout (a
// page, a tile, a panel) is built the way the main window builds it into its skin (without
// the window's class defaults, into the host element the program gives it), inside a window
// of the skin's look on the main window's background.
class LayoutWindow final : public WindowImplBase {
  public:
    LayoutWindow(std::string file, const std::string& host, const LayoutHooks& hooks)
        : file_(std::move(file)), window_(isWindowLayout(file_)), host_(host), hooks_(hooks) {}
    std::string GetWindowClassName() const override { return "SkinViewWnd"; }
    bool IsWindowLayout() const { return window_; }

    // Builds a layout that is not a window into its host and answers the host (the root for
    // a window layout); null when nothing was built.
    CControlUI* BuildInto() {
        if (window_) {
            return m_pm.GetRoot();
        }
        auto* host = interfaceOf<CContainerUI>(m_pm.FindControl(kHostName), "Container");
        CDialogBuilder builder;
        IDialogBuilderCallback* callback = hooks_.createControl ? this : nullptr;
        if (host == nullptr || builder.Create(file_, {}, callback, nullptr, host) == nullptr) {
            return nullptr;
        }
        return host;
    }

  protected:
    std::string GetSkinFile() const override {
        if (window_) {
            return file_;
        }
        std::string host = host_.empty() ? "VerticalLayout" : host_;
        return "<Window><Include source=\"common/style.xml\"/>"
               "<VerticalLayout bkcolor=\"#FF15171C\"><" +
               host + " name=\"" + kHostName + "\"/></VerticalLayout></Window>";
    }

  private:
    CControlUI* CreateControl(std::string_view className) override {
        return hooks_.createControl ? hooks_.createControl(className, m_pm)
                                    : WindowImplBase::CreateControl(className);
    }

    static constexpr const char* kHostName = "skinview_host";
    std::string file_;
    bool window_;
    std::string host_;
    const LayoutHooks& hooks_;
};

// Shows the named item of its tab layout, or selects the named option.
bool selectByName(CPaintManagerUI& pm, const std::string& name, std::ostream& err) {
    CControlUI* control = pm.FindControl(name);
    if (control == nullptr) {
        err << "skinview: no control " << name << "\n";
        return false;
    }
    if (auto* tab = interfaceOf<CTabLayoutUI>(control->GetParent(), "TabLayout")) {
        return tab->SelectItem(control, false) || tab->GetCurSel() == tab->GetItemIndex(control);
    }
    if (auto* option = interfaceOf<COptionUI>(control, "Option")) {
        option->Selected(true, false);
        return true;
    }
    err << "skinview: " << name << " is neither a tab item nor an option\n";
    return false;
}

bool save(const QImage& image, const std::string& path, std::ostream& out, std::ostream& err) {
    if (image.isNull() || !image.save(QString::fromStdString(path), "PNG")) {
        err << "skinview: could not write " << path << "\n";
        return false;
    }
    out << path << " (" << image.width() << "x" << image.height() << ")\n";
    return true;
}

}  // namespace

int runSkinView(int argc, char** argv, std::ostream& out, std::ostream& err,
                const LayoutHooks& hooks) {
    Options o;
    if (!parse(argc, argv, o, err)) {
        err << kUsage;
        return 2;
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QtUi ui(platform::programFolder() + "Font/");

    auto languages = readLanguageList(platform::defaultDataFolder() + "Language.config");
    int index = languageIndexForName(languages, o.lang);
    if (index < 0 && !languages.empty()) {
        err << "skinview: no language '" << o.lang << "'; using " << languages[0].name << "\n";
        index = 0;
    }
    if (index >= 0) {
        applyLanguage(languages[static_cast<size_t>(index)]);
    }

    bool written = false;
    auto grabModal = [&](const char* closeButton) {
        CWindowWnd::SetModalHook([&, closeButton](CWindowWnd& w) {
            written = save(ui.grab(&w), o.out, out, err);
            auto& pm = static_cast<WindowImplBase&>(w).GetPaintManager();
            if (CControlUI* c = pm.FindControl(closeButton)) {
                c->Activate();
            } else {
                w.Close(0);
            }
        });
    };
    switch (o.what) {
        case Options::What::MsgBox:
            grabModal("confirm_btn");
            ShowMessageBox(nullptr, "tips_text", "message_text_22", o.scale, true, 1);
            break;
        case Options::What::About: {
            grabModal("closebtn");
            UiWindowHandle open = 0;
            ShowAboutWindow(nullptr, open, o.scale);
            break;
        }
        case Options::What::Layout: {
            std::string path = std::filesystem::absolute(o.layout).string();
            LayoutWindow window(path, hooks.hostElement ? hooks.hostElement(o.layout) : "", hooks);
            if (!window.Create(nullptr, "skinview", WS_POPUP, 0)) {
                err << "skinview: cannot build " << o.layout << "\n";
                return 1;
            }
            CPaintManagerUI& pm = window.GetPaintManager();
            CControlUI* host = pm.GetRoot() != nullptr ? window.BuildInto() : nullptr;
            if (host == nullptr) {
                err << "skinview: " << o.layout << " holds no control\n";
                return 1;
            }
            if (hooks.prepare && !window.IsWindowLayout()) {
                hooks.prepare(pm, host, o.layout);
            }
            for (const std::string& name : o.select) {
                if (!selectByName(pm, name, err)) {
                    return 1;
                }
            }
            if (o.width > 0 && o.height > 0) {
                window.ResizeClient(o.width, o.height);
            } else if (window.GetClientSize().cx == 0) {
                window.ResizeClient(800, 600);
            }
            window.GetPaintManager().SetDPI(o.scale);
            written = save(ui.grab(&window), o.out, out, err);
            window.DestroyWindow();
            break;
        }
        case Options::What::None:
            break;
    }
    CWindowWnd::SetModalHook({});
    return written ? 0 : 1;
}

}  // namespace vorn::ui::qt
