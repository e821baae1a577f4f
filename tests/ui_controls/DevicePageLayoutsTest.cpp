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
#include "devices/keys/KeySetControlUI.h"
#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/controls/SelectPanelUI.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/drawing/DrawInfo.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/profiles/DeviceProfileUI.h"
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
    {"ms_device_name", 0, "Control"},
    {"device_tishi_info", 0, "Label"},
    {"mouse_logo_light", 0, "DeviceKeyButton"},
    {"Dormancy_combo_timeSelect", 0, "Combo"},
    {"Key_Delay_combo_timeSelect", 0, "Combo"},
    // The profile control under the picture.
    {"device_profile", 0, "DeviceProfile"},
    {"device_profile_combo", 0, "Combo"},
    {"device_profile_name_edit", 0, "Edit"},
    {"profile_menu_layout", 0, "Container"},
    {"profile_fun_spread_btn", 0, "Button"},
    {"device_profile_edit_save_btn", 0, "Button"},
    {"device_add_btn", 0, "Button"},
    {"device_copy_btn", 0, "Button"},
    {"device_sub_btn", 0, "Button"},
    {"device_import_btn", 0, "Button"},
    {"device_export_btn", 0, "Button"},
    {"device_reset_btn", 0, "Button"},
    // The key page in the key section.
    {"keyset_control", 0, "KeySetControl"},
    {"keyset_layout", 0, "Container"},
    {"keyset_function_combo", 0, "Combo"},
    {"function_switch_tablayout", 0, "TabLayout"},
    {"key_butt_keydefalut", 0, "Button"},
    {"key_butt_keysave", 0, "Button"},
    {"key_butt_keycancel", 0, "Button"},
    {"key_butt_prosave", 0, "Button"},
    {"keyset_mousekey_combo", 0, "Combo"},
    {"keyset_mouseswing_combo", 0, "Combo"},
    {"keyset_mouseswing_num_edit", 0, "Edit"},
    {"keyset_mouseswing_delay_edit", 0, "Edit"},
    {"keyset_mouseswing_speed_edit", 0, "Edit"},
    {"keyset_mousewheel_combo", 0, "Combo"},
    {"keyset_mousewheel_num_edit", 0, "Edit"},
    {"keyset_mousewheel_delay_edit", 0, "Edit"},
    {"keyset_mousewheel_speed_edit", 0, "Edit"},
    {"keyset_mousedpi_combo", 0, "Combo"},
    {"keyset_mousefire_interval_edit", 0, "Edit"},
    {"keyset_mousefire_num_edit", 0, "Edit"},
    {"keyset_keyboard_text_edit", 0, "Edit"},
    {"keyset_media_combo", 0, "Combo"},
    {"keyset_system_combo", 0, "Combo"},
    {"keyset_macro_combo", 0, "Combo"},
    {"keyset_macro_over_combo", 0, "Combo"},
    {"keyset_macro_cycle_layout", 0, "Container"},
    {"keyset_macro_cycle_edit", 0, "Edit"},
    {"keyset_gunkey_combo", 0, "Combo"},
    {"keyset_combokey_combo", 0, "Combo"},
    {"key_ComBox_check_", 5, "Option"},
    {"device_setkeyinfo_list", 0, "List"},
};

// The pictures the mouse page gives its sliders by the active stage and the link, and the
// sliders it gives them to.
constexpr const char* kSliderPictures[] = {
    "control/SliderBar_BK1.png", "control/SliderBar1_Thumb.png", "control/SliderBar2_Thumb.png",
    "control/SliderBar_BK5.png", "control/SliderBar_BK5a.png",   "control/SliderBar_BK2.png",
    "control/SliderBar_BK3.png",
};
constexpr NameRow kPictureSliders[] = {{"DPI_slider_", 6, "Slider"},
                                       {"polling_rate_slider", 0, "Slider"}};

// The main window's page area at 100 %.
constexpr int kPageWidth = 1000;
constexpr int kPageHeight = 495;

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
    if (auto* slider = dynamic_cast<CSliderUI*>(control)) {
        images.insert(images.end(), {slider->GetForeImage(), slider->GetThumbImage()});
    }
    return images;
}

// The profile control and the key page are built from layouts of their own into the classes
// the program registers (as the program's start does); registered for one test.
struct RegisteredPageClasses {
    RegisteredPageClasses() {
        CDeviceProfileUI::Register();
        devices::CKeySetControlUI::Register();
    }
    ~RegisteredPageClasses() {
        for (const char* name :
             {"CDeviceProfileUI", "DeviceProfile", "CKeySetControlUI", "KeySetControl"}) {
            CControlFactory::GetInstance().UnregistControl(name);
        }
    }
};

bool isBelowControl(const CControlUI* control, const CControlUI* ancestor) {
    for (const CControlUI* c = control; c != nullptr; c = c->GetParent()) {
        if (c == ancestor) {
            return true;
        }
    }
    return false;
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

// Lays a mouse page out in the main window's page area at the scale, section by section (and
// each part of the performance section), and checks that every shown control lies inside the
// control that holds it.
void checkMousePageFits(std::string_view layout, int dpi) {
    PageTree t(layout);
    ASSERT_NE(t.built, nullptr);
    t.pm.SetDPI(dpi);
    t.pm.SetInitSize(kPageWidth, kPageHeight);
    t.pm.FindControl("profile_menu_layout")->SetVisible(true);
    t.pm.FindControl("keyset_layout")->SetVisible(true);
    CTabLayoutUI* sections = t.tab("device_page_switch");
    CTabLayoutUI* performance = t.tab("mouse_device_seting_layout");
    ASSERT_NE(sections, nullptr);
    ASSERT_NE(performance, nullptr);
    for (int section = 0; section < sections->GetCount(); ++section) {
        const int parts = section == 0 ? performance->GetCount() : 1;
        for (int part = 0; part < parts; ++part) {
            sections->SelectItem(section, false);
            performance->SelectItem(part, false);
            t.pm.UpdateLayout();
            SCOPED_TRACE(sections->GetItemAt(section)->GetName() + " " + std::to_string(part));
            for (CControlUI* c : t.all) {
                CControlUI* parent = c->GetParent();
                if (!c->IsVisible() || parent == nullptr) {
                    continue;
                }
                auto* holder = interfaceOf<CContainerUI>(parent, "Container");
                if ((holder != nullptr && holder->GetVerticalScrollBar() != nullptr) ||
                    parent->GetInterface("Combo") != nullptr) {
                    continue;  // the rows of a list scroll, a combo's drop down
                }
                const UiRect r = c->GetPos();
                const UiRect outer = parent->GetPos();
                EXPECT_TRUE(r.left >= outer.left && r.top >= outer.top && r.right <= outer.right &&
                            r.bottom <= outer.bottom)
                    << c->GetClass() << " '" << c->GetName() << "' " << r.left << "," << r.top
                    << "," << r.right << "," << r.bottom << " outside " << parent->GetName() << " "
                    << outer.left << "," << outer.top << "," << outer.right << "," << outer.bottom;
            }
        }
    }
    // What the key page keeps for its list of keys and what they do: a few rows at least.
    EXPECT_GE(t.pm.FindControl("device_setkeyinfo_list")->GetPos().height(), 100 * dpi / 96);
}

}  // namespace

TEST(DevicePageLayouts, EveryCataloguePageBuildsWithItsPictureSectionsAndControls) {
    const RegisteredPageClasses classes;
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
            // The profile control in the picture's column, the same in every section; the key
            // page in the key section's place.
            auto* profile = dynamic_cast<CDeviceProfileUI*>(t.pm.FindControl("device_profile"));
            ASSERT_NE(profile, nullptr);
            EXPECT_TRUE(isBelowControl(profile, t.pm.FindControl("mouse_picture_layout")));
            EXPECT_FALSE(isBelowControl(profile, t.tab("device_page_switch")));
            auto* keyPage =
                dynamic_cast<devices::CKeySetControlUI*>(t.pm.FindControl("keyset_control"));
            ASSERT_NE(keyPage, nullptr);
            EXPECT_EQ(keyPage->GetParent(), t.pm.FindControl("key_set_place"));

            // The sliders the page gives pictures paint themselves from the start (a native
            // slider would not show them), over no colour of their own.
            for (const NameRow& names : kPictureSliders) {
                for (const std::string& name : namesOf(names)) {
                    auto* slider = interfaceOf<CSliderUI>(t.pm.FindControl(name), "Slider");
                    ASSERT_NE(slider, nullptr) << name;
                    EXPECT_TRUE(slider->IsSelfDrawn()) << name;
                    EXPECT_EQ(slider->GetBkColor() >> 24, 0u) << name;
                    EXPECT_EQ(slider->GetForeColor() >> 24, 0u) << name;
                }
            }

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

TEST(DevicePageLayouts, SliderPicturesOfTheMousePageAreInTheSkin) {
    // File names compare case-sensitively here: the spelling the page uses must be the
    // folder's own.
    for (const char* picture : kSliderPictures) {
        EXPECT_TRUE(fs::is_regular_file(kSkin + "/" + picture)) << picture;
    }
}

// Every shown control of a mouse page lies inside the control that holds it (floating key
// buttons inside the picture, rows inside their cards, the page inside the main window's page
// area), for each section with the profile panel open and the key page's editing part shown,
// at 100 % and at 150 %.
TEST(DevicePageLayouts, MousePageSectionsFitThePageArea) {
    const RegisteredPageClasses classes;
    for (const catalogue::DevicePageRow& row : catalogue::kDevicePageTable) {
        if (row.hasPowerPage == 0) {
            continue;
        }
        for (const int dpi : {96, 144}) {
            SCOPED_TRACE(std::string(row.pageLayout) + " at " + std::to_string(dpi));
            checkMousePageFits(row.pageLayout, dpi);
        }
    }
}
