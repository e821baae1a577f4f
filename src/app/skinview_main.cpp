#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "catalogue/StandardCatalogue.h"
#include "devices/PageFactory.h"
#include "devices/TessarinUSBDevice.h"
#include "ui/controls/CustomControlClasses.h"
#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/controls/LayoutClassTable.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/mainwnd/FontTable.h"
#include "ui/qt/SkinView.h"

namespace {

using namespace vorn;

// The class the program registers its device page base under; the viewer has no devices and
// builds every catalogue page into the base, which lays out and binds its picture as each
// family does.
constexpr std::string_view kPageClass = "CTessarinUSBDevice";

std::string withSlashes(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

// The catalogue row whose page layout the file is ('\' in the catalogue, '/' on disk).
const catalogue::DevicePageRow* pageRowOf(const std::string& file) {
    const std::string path = withSlashes(file);
    for (const catalogue::DevicePageRow& row : catalogue::kDevicePageTable) {
        const std::string layout = withSlashes(row.pageLayout);
        if (path.size() >= layout.size() &&
            path.compare(path.size() - layout.size(), layout.size(), layout) == 0) {
            return &row;
        }
    }
    return nullptr;
}

// The colour word (red in the low byte) of hue `index / count` of the colour circle.
std::uint32_t hueWord(int index, int count) {
    const int sector = index * 6 * 256 / count;  // 0 .. 6 * 256
    const auto rise = static_cast<std::uint32_t>(sector % 256);
    const std::uint32_t fall = 255 - rise;
    const std::uint32_t rgb[6][3] = {{255, rise, 0}, {fall, 255, 0}, {0, 255, rise},
                                     {0, fall, 255}, {rise, 0, 255}, {255, 0, fall}};
    const std::uint32_t* c = rgb[(sector / 256) % 6];
    return c[0] | (c[1] << 8) | (c[2] << 16);
}

// A layout is shown in the main window's fonts; a catalogue page is set up as the main
// window sets it up before its device is read (its key and light buttons bound). Its lights
// are lit round the colour circle in light order, so the picture shows which light is which.
void preparePage(ui::CPaintManagerUI& pm, ui::CControlUI* host, const std::string& layout) {
    ui::mainwnd::installMainFontTable(pm);
    auto* page = ui::interfaceOf<devices::CTessarinUSBDevice>(host, "TessarinUSBDevice");
    const catalogue::DevicePageRow* row = pageRowOf(layout);
    if (page != nullptr && row != nullptr) {
        page->setPageLayout(std::string(row->pageLayout));
        page->setKeyCount(row->keyCount);
        page->setLightCount(row->lightCount);
        page->InitPage();
        for (int i = 0; i < row->lightCount; ++i) {
            if (auto* light = dynamic_cast<ui::CDeviceKeyButtonUI*>(page->lightControlAt(i))) {
                light->setLightState(hueWord(i, row->lightCount), 255, true);
            }
        }
    }
    pm.NeedUpdate();
}

}  // namespace

int main(int argc, char** argv) {
    // Layouts of the program name its own control classes; the profile control and the key
    // page are built from layouts of their own, as the main window builds them.
    ui::registerCustomControlClasses();
    devices::registerPageControls();
    ui::CControlFactory::GetInstance().RegistControl(
        kPageClass, []() -> ui::CControlUI* { return new devices::CTessarinUSBDevice; });
    ui::qt::LayoutHooks hooks;
    hooks.hostElement = [](const std::string& layout) {
        return pageRowOf(layout) != nullptr ? std::string(kPageClass) : std::string();
    };
    hooks.prepare = preparePage;
    hooks.createControl = [](std::string_view className, ui::CPaintManagerUI& pm) {
        return ui::createCustomControl(className, &pm);
    };
    return ui::qt::runSkinView(argc, argv, std::cout, std::cerr, hooks);
}
