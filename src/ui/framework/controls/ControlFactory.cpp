#include "ui/framework/controls/ControlFactory.h"

#include <unordered_map>

#include "platform/text/Text.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/ColorPalette.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/Label.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {

CControlFactory& CControlFactory::GetInstance() {
    static CControlFactory instance;
    return instance;
}

void CControlFactory::RegistControl(std::string_view className, CreateControlFn create) {
    classes_[platform::foldCase(className)] = std::move(create);
}

void CControlFactory::UnregistControl(std::string_view className) {
    classes_.erase(platform::foldCase(className));
}

bool CControlFactory::IsRegistered(std::string_view className) const {
    return classes_.count(platform::foldCase(className)) != 0;
}

CControlUI* CControlFactory::CreateControl(std::string_view className) const {
    auto it = classes_.find(platform::foldCase(className));
    return it == classes_.end() ? nullptr : it->second();
}

CControlUI* CControlFactory::CreateBuiltin(std::string_view className) {
    using Make = CControlUI* (*)();
    static const std::unordered_map<std::string, Make> builtins = {
        {"control", []() -> CControlUI* { return new CControlUI; }},
        {"container", []() -> CControlUI* { return new CContainerUI; }},
        {"horizontallayout", []() -> CControlUI* { return new CHorizontalLayoutUI; }},
        {"verticallayout", []() -> CControlUI* { return new CVerticalLayoutUI; }},
        {"tablayout", []() -> CControlUI* { return new CTabLayoutUI; }},
        {"label", []() -> CControlUI* { return new CLabelUI; }},
        {"text", []() -> CControlUI* { return new CLabelUI; }},
        {"button", []() -> CControlUI* { return new CButtonUI; }},
        {"option", []() -> CControlUI* { return new COptionUI; }},
        {"checkbox", []() -> CControlUI* { return new CCheckBoxUI; }},
        {"edit", []() -> CControlUI* { return new CEditUI; }},
        {"richedit", []() -> CControlUI* { return new CRichEditUI; }},
        {"progress", []() -> CControlUI* { return new CProgressUI; }},
        {"slider", []() -> CControlUI* { return new CSliderUI; }},
        {"combo", []() -> CControlUI* { return new CComboUI; }},
        {"list", []() -> CControlUI* { return new CListUI; }},
        {"listheader", []() -> CControlUI* { return new CListHeaderUI; }},
        {"listheaderitem", []() -> CControlUI* { return new CListHeaderItemUI; }},
        {"listlabelelement", []() -> CControlUI* { return new CListLabelElementUI; }},
        {"listtextelement", []() -> CControlUI* { return new CListTextElementUI; }},
        {"listcontainerelement", []() -> CControlUI* { return new CListContainerElementUI; }},
        {"colorpalette", []() -> CControlUI* { return new CColorPaletteUI; }},
    };
    auto it = builtins.find(platform::foldCase(className));
    return it == builtins.end() ? nullptr : it->second();
}

}  // namespace vorn::ui
