// The device page layouts of the catalogue, built from resources/skin into a page as the main
// window builds them (into the page container, without the window's class defaults), checked
// for the names the page, its link and the control dispatch look up.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/StandardCatalogue.h"
#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/controls/SelectPanelUI.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/drawing/DrawInfo.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui_controls/ControlsTestSupport.h"

using namespace vorn;
using namespace vorn::ui;
namespace fs = std::filesystem;

namespace {

const std::string kSkin = std::string(VORN_SOURCE_DIR) + "/resources/skin";

// A family of controls: the name, or prefix + 0 .. count - 1, each of the class (interface).
struct NameRow {
    const char* name;
    int count;  // 0: the name itself
    const char* interfaceName;
};

// What the mouse page's performance and system sections and the dispatch look up.
constexpr NameRow kMouseNames[] = {
    {"mouse_option_layout", 0, "Container"},
    {"mouse_device_seting_option_", 4, "Option"},
    {"mouse_device_seting_layout", 0, "TabLayout"},
    {"DPI_layout_", 6, "Container"},
    {"DPI_enable_check_", 6, "CheckBox"},
    {"DPI_select_check_", 6, "Option"},
    {"DPI_slider_", 6, "Slider"},
    {"DPI_edit_", 6, "Edit"},
    {"DPI_color_option_", 6, "Option"},
    {"polling_rate_layout_8K", 0, "Container"},
    {"polling_rate_layout_1K", 0, "Container"},
    {"polling_rate_slider", 0, "Slider"},
    {"polling_rate_option_", 6, "Option"},
    {"sensor_lif_option_", 2, "Option"},
    {"motion_sync_option_", 2, "Option"},
    {"Linear_Calibration_option_", 2, "Option"},
    {"Silent_Altitude_option_", 3, "Option"},
    {"deep_sleep_option_", 2, "Option"},
    {"Dormancy_slider", 0, "Slider"},
    {"Key_Delay_slider", 0, "Slider"},
    {"Anti_Shake_combo_timeSelect", 0, "Combo"},
    {"pointer_speed_slider", 0, "Slider"},
    {"double_click_slider", 0, "Slider"},
    {"scroll_speed_slider", 0, "Slider"},
    {"pointer_precision_check", 0, "CheckBox"},
    {"scrolls_page_check", 0, "CheckBox"},
    {"windowdeviceset_", 2, "Button"},
    {"device_info_place", 0, "Container"},
};

// Every page: its section switch and the places of the editors to come.
constexpr NameRow kPageNames[] = {
    {"device_function_switch", 0, "TabLayout"}, {"device_key_function_switch", 0, "TabLayout"},
    {"device_page_switch", 0, "TabLayout"},     {"light_set_place", 0, "Container"},
    {"key_set_place", 0, "Container"},          {"macro_set_place", 0, "Container"},
};

// Option families of one setting each: their options exclude each other.
constexpr const char* kOptionGroups[] = {
    "mouse_device_seting_option_", "DPI_select_check_",   "polling_rate_option_",
    "sensor_lif_option_",          "motion_sync_option_", "Linear_Calibration_option_",
    "Silent_Altitude_option_",     "deep_sleep_option_",
};

// The sections in the order of the page switch: performance (8) first, shown at the start.
constexpr const char* kSections[] = {"device_page_8", "device_page_1", "device_page_2",
                                     "device_page_3", "device_page_4", "device_page_9"};

constexpr const char* kImageAttributes[] = {"bkimage",    "hotimage",   "lightimage",
                                            "checkimage", "arrowimage", "normalimage"};

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesOf(const NameRow& row) {
    if (row.count == 0) {
        return {row.name};
    }
    std::vector<std::string> names;
    for (int i = 0; i < row.count; ++i) {
        names.push_back(row.name + std::to_string(i));
    }
    return names;
}

// The pictures a control of the pages names.
std::vector<std::string> imagesOf(CControlUI* control) {
    std::vector<std::string> images = {control->GetBkImage()};
    if (auto* button = dynamic_cast<CButtonUI*>(control)) {
        images.insert(images.end(), {button->GetNormalImage(), button->GetHotImage()});
    }
    if (auto* key = dynamic_cast<CDeviceKeyButtonUI*>(control)) {
        images.push_back(key->lightImage());
    }
    if (auto* box = dynamic_cast<CCheckBoxUI*>(control)) {
        images.push_back(box->GetCheckImage());
    }
    if (auto* combo = dynamic_cast<CComboUI*>(control)) {
        images.push_back(combo->GetArrowImage());
    }
    return images;
}

void collect(CControlUI* control, std::vector<CControlUI*>& out) {
    out.push_back(control);
    if (auto* container = interfaceOf<CContainerUI>(control, "Container")) {
        for (int i = 0; i < container->GetCount(); ++i) {
            collect(container->GetItemAt(i), out);
        }
    }
}

UiRect posOf(CControlUI* control) {
    UiRect r;
    std::sscanf(control->GetAttribute("pos").c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right,
                &r.bottom);
    return r;
}

// A catalogue page layout built into a page as the main window builds it.
struct PageTree : test::CustomControlCallback {
    explicit PageTree(std::string_view layout) {
        CPaintManagerUI::SetResourcePath(kSkin);
        page = new CHorizontalLayoutUI;
        pm.AttachDialog(page);
        CDialogBuilder builder;
        built = builder.Create(layout, {}, this, nullptr, page);
        collect(page, all);
    }
    int count(const std::string& name) const {
        return static_cast<int>(std::count_if(all.begin(), all.end(),
                                              [&](CControlUI* c) { return c->GetName() == name; }));
    }
    CTabLayoutUI* tab(const char* name) {
        return interfaceOf<CTabLayoutUI>(pm.FindSubControlByName(page, name), "TabLayout");
    }
    CPaintManagerUI pm;
    CHorizontalLayoutUI* page = nullptr;
    CControlUI* built = nullptr;
    std::vector<CControlUI*> all;
};

std::string withSlashes(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

}  // namespace

TEST(DevicePageLayouts, EveryCataloguePageBuildsWithItsPictureSectionsAndControls) {
    const std::string english = fileText(kSkin + "/lan_en.xml");
    const std::string chinese = fileText(kSkin + "/lan_cn.xml");
    // Option groups belong to the whole window, where every page lives: each page has its own.
    std::map<std::string, std::string> pageOfGroup;
    for (const catalogue::DevicePageRow& row : catalogue::kDevicePageTable) {
        SCOPED_TRACE(std::string(row.pageLayout));
        PageTree t(row.pageLayout);
        ASSERT_NE(t.built, nullptr);
        const bool mouse = row.hasPowerPage != 0;

        // The picture: key_N and light_N among the direct buttons of the first selection
        // panel, once each, inside the panel and apart from each other.
        auto* panel = static_cast<CSelectPanelUI*>(*std::find_if(
            t.all.begin(), t.all.end(),
            [](CControlUI* c) { return c->GetClass() == CSelectPanelUI::kClassName; }));
        ASSERT_EQ(panel->GetClass(), CSelectPanelUI::kClassName);
        EXPECT_EQ(panel->GetName(), mouse ? "mouse_device_key_light" : "device_key_light");
        std::map<std::string, int> keys;
        std::map<std::string, int> lights;
        std::vector<UiRect> shown;
        const UiRect area{0, 0, panel->GetFixedWidth(), panel->GetFixedHeight()};
        for (int i = 0; i < panel->GetCount(); ++i) {
            auto* button = dynamic_cast<CDeviceKeyButtonUI*>(panel->GetItemAt(i));
            ASSERT_NE(button, nullptr);
            ++keys[button->GetName()];
            ++lights[button->GetUserData()];
            if (!button->IsVisible()) {
                continue;
            }
            const UiRect r = posOf(button);
            EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right &&
                        r.bottom <= area.bottom && r.left < r.right && r.top < r.bottom)
                << button->GetName() << button->GetUserData();
            for (const UiRect& other : shown) {
                EXPECT_FALSE(r.left < other.right && other.left < r.right && r.top < other.bottom &&
                             other.top < r.bottom)
                    << button->GetName() << button->GetUserData() << " overlaps";
            }
            shown.push_back(r);
        }
        for (int n = 0; n < row.keyCount; ++n) {
            EXPECT_EQ(keys["key_" + std::to_string(n)], 1) << n;
        }
        for (int n = 0; n < row.lightCount; ++n) {
            EXPECT_EQ(lights["light_" + std::to_string(n)], 1) << n;
        }

        // The link's tabs: the picture sits in the key tab a page of its kind is shown on
        // (mouse: item 1, keyboard: item 0); the function switch has room for every link.
        CTabLayoutUI* keyTabs = t.tab("device_key_function_switch");
        ASSERT_NE(keyTabs, nullptr);
        ASSERT_GE(keyTabs->GetCount(), 3);
        EXPECT_EQ(keyTabs->GetItemAt(mouse ? 1 : 0), panel);
        EXPECT_EQ(keyTabs->GetCurSel(), mouse ? 1 : 0);
        ASSERT_NE(t.tab("device_function_switch"), nullptr);
        EXPECT_GE(t.tab("device_function_switch")->GetCount(), 6);

        // The sections by page number, performance first.
        CTabLayoutUI* sections = t.tab("device_page_switch");
        ASSERT_NE(sections, nullptr);
        ASSERT_EQ(sections->GetCount(), static_cast<int>(std::size(kSections)));
        for (int i = 0; i < sections->GetCount(); ++i) {
            EXPECT_EQ(sections->GetItemAt(i)->GetName(), kSections[i]);
        }
        EXPECT_EQ(sections->GetCurSel(), 0);

        std::vector<NameRow> rows(std::begin(kPageNames), std::end(kPageNames));
        if (mouse) {
            rows.insert(rows.end(), std::begin(kMouseNames), std::end(kMouseNames));
        }
        for (const NameRow& names : rows) {
            for (const std::string& name : namesOf(names)) {
                EXPECT_EQ(t.count(name), 1) << name;
                EXPECT_NE(
                    interfaceOf<void>(t.pm.FindSubControlByName(t.page, name), names.interfaceName),
                    nullptr)
                    << name << " is no " << names.interfaceName;
            }
        }
        if (mouse) {
            std::set<std::string> groups;
            for (const char* family : kOptionGroups) {
                std::set<std::string> own;
                for (CControlUI* c : t.all) {
                    auto* option = dynamic_cast<COptionUI*>(c);
                    if (option != nullptr && c->GetName().rfind(family, 0) == 0) {
                        own.insert(option->GetGroup());
                    }
                }
                EXPECT_EQ(own.size(), 1u) << family;
                EXPECT_FALSE(own.begin()->empty()) << family;
                groups.insert(*own.begin());
                const auto [known, added] =
                    pageOfGroup.emplace(*own.begin(), std::string(row.pageLayout));
                EXPECT_TRUE(added) << *own.begin() << " is also a group of " << known->second;
            }
            EXPECT_EQ(groups.size(), std::size(kOptionGroups));
        }

        // Every text is a language key of both languages, every picture is in the skin.
        for (CControlUI* c : t.all) {
            if (c->GetAttribute("resourcetext") == "true") {
                for (const char* attribute : {"text", "tooltip"}) {
                    const std::string key = c->GetAttribute(attribute);
                    if (!key.empty()) {
                        EXPECT_NE(english.find("id=\"" + key + "\""), std::string::npos) << key;
                        EXPECT_NE(chinese.find("id=\"" + key + "\""), std::string::npos) << key;
                    }
                }
            }
            for (const std::string& image : imagesOf(c)) {
                if (!image.empty()) {
                    const std::string file = TDrawInfo::Parse(image).sImageName;
                    EXPECT_TRUE(fs::is_regular_file(kSkin + "/" + withSlashes(file))) << image;
                }
            }
        }
    }
}
