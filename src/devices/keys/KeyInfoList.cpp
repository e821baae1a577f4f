#include "devices/keys/KeyInfoList.h"

#include "devices/keys/KeyNames.h"
#include "ui/framework/controls/Label.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::devices {
namespace {

constexpr int kRowHeight = 25;
constexpr int kNameWidth = 200;
constexpr int kFunctionWidth = 180;
constexpr std::string_view kNameColour = "#FFFFFFFF";
constexpr std::string_view kFunctionColour = "#FF0099FF";
constexpr std::string_view kLogoText = "Logo";
// A mode index from here on names an area light effect.
constexpr int kAreaLightModeStart = 12;

ui::CLabelUI* newLabel(int width, std::string_view colour, bool ellipsis) {
    auto* label = new ui::CLabelUI;
    label->SetAttribute("width", std::to_string(width));
    label->SetAttribute("textcolor", colour);
    label->SetAttribute("valign", "vcenter");
    label->SetAttribute("endellipsis", ellipsis ? "true" : "false");
    return label;
}

// A row: the two labels side by side, inside a list row when the list is a List.
ui::CControlUI* newRow(bool listRow) {
    auto* labels = new ui::CHorizontalLayoutUI;
    labels->SetFixedHeight(kRowHeight);
    labels->Add(newLabel(kNameWidth, kNameColour, false));
    labels->Add(newLabel(kFunctionWidth, kFunctionColour, true));
    if (!listRow) {
        return labels;
    }
    auto* row = new ui::CListContainerElementUI;
    row->SetFixedHeight(kRowHeight);
    row->Add(labels);
    return row;
}

// The layout holding a row's two labels.
ui::CContainerUI* labelsOf(ui::CControlUI* row) {
    auto* container = ui::interfaceOf<ui::CContainerUI>(row, "Container");
    if (container != nullptr && container->GetInterface("ListContainerElement") != nullptr) {
        container = ui::interfaceOf<ui::CContainerUI>(container->GetItemAt(0), "Container");
    }
    return container != nullptr && container->GetCount() == 2 ? container : nullptr;
}

}  // namespace

void showKeyInfoList(ui::CContainerUI& list, std::span<const std::string> keyLabels,
                     std::span<const profiles::KeyRecord> records,
                     std::span<const std::string> macroNames) {
    const bool listRows = list.GetInterface("List") != nullptr;
    const int count = static_cast<int>(records.size());
    for (int i = 0; i < count; ++i) {
        ui::CContainerUI* labels = labelsOf(list.GetItemAt(i));
        if (labels == nullptr) {
            ui::CControlUI* row = newRow(listRows);
            list.AddAt(row, i);
            labels = labelsOf(row);
        }
        const auto index = static_cast<std::size_t>(i);
        labels->GetItemAt(0)->SetText(index < keyLabels.size() ? languageText(keyLabels[index])
                                                               : std::string());
        labels->GetItemAt(1)->SetText(
            displayText(assignmentName(records[index].current, macroNames)));
    }
    while (list.GetCount() > count) {
        list.RemoveAt(list.GetCount() - 1);
    }
}

void showKeyButton(ui::CControlUI& button, std::string_view keyLabel,
                   const profiles::KeyAssignment& code, std::span<const std::string> macroNames) {
    const std::string name = languageText(keyLabel);
    button.SetResourceText(false);
    button.SetText(name);
    button.SetToolTip(name + "\n" + displayText(assignmentName(code, macroNames)));
}

std::string lightModeName(std::span<const std::string> lightNames,
                          std::span<const std::string> areaLightNames, int modeIndex) {
    if (modeIndex < 0) {
        return {};
    }
    std::span<const std::string> names = lightNames;
    auto index = static_cast<std::size_t>(modeIndex);
    if (modeIndex >= kAreaLightModeStart) {
        names = areaLightNames;
        index -= kAreaLightModeStart;
    }
    return index < names.size() ? names[index] : std::string();
}

void showLogoButton(ui::CControlUI& logo, std::string_view modeName) {
    logo.SetResourceText(false);
    logo.SetText(kLogoText);
    logo.SetToolTip(languageText("Light_Set") + "\n" + languageText("Overall_Light_Set") +
                    languageText(modeName));
}

}  // namespace vorn::devices
