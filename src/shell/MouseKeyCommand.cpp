// The key and light commands of "vornctl mouse". A key is changed on the key page as its user
// changes it: the key is clicked, the function and its list entry are chosen (or the modifier
// and the key pressed into the key field), the choice is applied and saved to the mouse. The
// page has no light editor yet, so the light command gives the mouse the light setting as
// the editor would.

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyPageModel.h"
#include "devices/keys/KeySetControlUI.h"
#include "shell/MousePageDriver.h"
#include "shell/MouseShow.h"
#include "shell/MouseWords.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"

namespace vorn::shell {
namespace {

using profiles::KeyAssignment;

// The fields the key page holds once the choice is made on it.
devices::KeyPageFields fieldsOf(const KeyFunctionChoice& choice) {
    devices::KeyPageFields fields;
    fields.function = choice.function;
    // Only the list of the chosen function is read.
    fields.mouseButton = fields.dpi = fields.consumer = fields.system = fields.shortcut =
        choice.row;
    fields.modifierOption = choice.modifier;
    fields.keyboardRow = choice.keyboardRow;
    return fields;
}

// Whether the key page has every control the choice needs, before any of them is touched.
bool pageOffers(MousePageDriver& page, const devices::CKeySetControlUI& keys,
                const KeyFunctionChoice& choice) {
    if (keys.functionItem(choice.function) < 0) {
        return false;
    }
    if (const devices::FunctionTable* list = devices::functionTableOf(choice.function)) {
        auto* combo = page.control<ui::CComboUI>(list->combo, "Combo");
        return combo != nullptr && choice.row >= 0 && choice.row < combo->GetCount();
    }
    if (choice.function == devices::kFunctionKeyboard) {
        return page.control("key_ComBox_check_" + std::to_string(choice.modifier)) != nullptr &&
               page.control("keyset_keyboard_text_edit") != nullptr;
    }
    return true;
}

// Chooses item `position` of a combo and raises its "itemselect"; false when the combo does
// not take it.
bool chooseItem(MousePageDriver& page, std::string_view name, int position) {
    auto* combo = page.control<ui::CComboUI>(name, "Combo");
    combo->SelectItem(position, false, false);
    if (combo->GetCurSel() != position) {
        return false;
    }
    page.raise("itemselect", combo);
    return true;
}

// The modifier option, then the key pressed into the key field (or the field emptied).
bool chooseKeyboardKey(MousePageDriver& page, const KeyFunctionChoice& choice) {
    auto* modifier = page.control<ui::COptionUI>(
        "key_ComBox_check_" + std::to_string(choice.modifier), "Option");
    auto* field = page.control<ui::CEditUI>("keyset_keyboard_text_edit", "Edit");
    modifier->Selected(true, false);
    page.raise("selectchanged", modifier);
    if (choice.keyboardRow < 0) {
        field->SetText("");
        return true;
    }
    const devices::KeyCaptureRow& row =
        devices::kKeyCaptureRows[static_cast<std::size_t>(choice.keyboardRow)];
    // Pressed as on the desktop, while the key field has the focus.
    if (!page.mouse().onKeyCaptured(row.inputCode + devices::kNativeScanCodeOffset)) {
        return false;
    }
    return !field->GetText().empty();
}

// The keys section, as its tab in the title bar shows it: the key page's lists take a choice
// only while they are shown.
void showKeySection(MousePageDriver& page) {
    auto* tab = ui::interfaceOf<ui::COptionUI>(page.windowControl("key_Op_tab"), "Option");
    if (tab != nullptr && !tab->IsSelected()) {
        tab->Selected(true, false);
        page.raise("selectchanged", tab);
    }
}

}  // namespace

MouseAnswer setMouseKey(MousePageDriver& page, const MouseRequest& request) {
    devices::CTessarinMouseDevice& mouse = page.mouse();
    devices::CKeySetControlUI* keys = mouse.keyPage();
    ui::CControlUI* button = mouse.keyControl(request.key);
    const std::string key =
        "key " + std::to_string(request.key + 1) + " (" + keyLabelWords(request.key) + ")";
    if (keys == nullptr || button == nullptr ||
        request.key >= static_cast<int>(mouse.keyList().size())) {
        return noSuchSetting(key);
    }
    const KeyFunctionChoice& choice = request.function;
    if (!pageOffers(page, *keys, choice)) {
        return {false, "this mouse's key page does not offer that function"};
    }
    showKeySection(page);
    page.raise("click", button);
    bool taken = chooseItem(page, "keyset_function_combo", keys->functionItem(choice.function));
    const devices::FunctionTable* list = devices::functionTableOf(choice.function);
    if (taken && list != nullptr) {
        taken = chooseItem(page, list->combo, choice.row);
    } else if (taken && choice.function == devices::kFunctionKeyboard) {
        taken = chooseKeyboardKey(page, choice);
    }
    if (!taken) {
        return {false, "the key page did not take the function for " + key};
    }
    page.raise("click", page.control("key_butt_keysave"));
    const profiles::KeyRecord& record = mouse.keyList()[static_cast<std::size_t>(request.key)];
    devices::KeyPageFields fields = fieldsOf(choice);
    const KeyAssignment expected = devices::buildFromFields(
        fields, record.current, record.factory, static_cast<int>(keys->macroNames().size()));
    if (!(record.current == expected)) {
        return {false, "the key page made " + key + " do " + keyFunctionWords(mouse, request.key) +
                           " instead"};
    }
    page.raise("click", page.control("key_butt_prosave"));
    const std::string said = key + ": " + keyFunctionWords(mouse, request.key);
    if (!page.notices().empty()) {
        return {false, said + "; the mouse did not take the keys"};
    }
    return {true, said};
}

MouseAnswer setMouseLight(MousePageDriver& page, const MouseRequest& request) {
    devices::CTessarinMouseDevice& mouse = page.mouse();
    const int mode = lightModeNamed(mouse.lightNames(), request.light.mode, EnglishTexts());
    if (mode < 0) {
        return {false, "this mouse has no light mode '" + request.light.mode + "'"};
    }
    profiles::LightSetting light = mouse.workingCopy().light;
    light.mode = static_cast<std::uint8_t>(mode);
    if (request.light.brightness) {
        light.brightness = static_cast<std::uint8_t>(*request.light.brightness);
    }
    if (request.light.speed) {
        light.speed = static_cast<std::uint8_t>(*request.light.speed);
    }
    if (const auto& colour = request.light.colour) {
        light.red = (*colour)[0];
        light.green = (*colour)[1];
        light.blue = (*colour)[2];
    }
    mouse.applyLight(light);
    return page.afterBlockWrite("light: " + lightWords(mouse));
}

}  // namespace vorn::shell
