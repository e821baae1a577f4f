// The key and light commands of "vornctl mouse". A key is changed on the key page as its user
// changes it: the key is clicked, the function and its list entry are chosen (or the modifier
// and the key pressed into the key field), the choice is applied and saved to the mouse. The
// page has no light editor yet, so the light command stores the light setting through the
// page's light parameters and writes its settings block itself.

#include <algorithm>

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyCodeTables.h"
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

using devices::KeyCodeRow;
using profiles::KeyAssignment;

// The list of a page function and the combo that shows it.
struct FunctionCombo {
    int function;
    std::string_view combo;
    std::span<const KeyCodeRow> rows;
};
const std::array<FunctionCombo, 5> kFunctionCombos = {{
    {devices::kFunctionMouseButton, "keyset_mousekey_combo", devices::kMouseButtonRows},
    {devices::kFunctionDpi, "keyset_mousedpi_combo", devices::kDpiRows},
    {devices::kFunctionConsumer, "keyset_media_combo", devices::kConsumerRows},
    {devices::kFunctionSystem, "keyset_system_combo", devices::kSystemRows},
    {devices::kFunctionShortcut, "keyset_combokey_combo", devices::kShortcutRows},
}};

const FunctionCombo* comboOf(int function) {
    const auto* found =
        std::find_if(kFunctionCombos.begin(), kFunctionCombos.end(),
                     [&](const FunctionCombo& c) { return c.function == function; });
    return found != kFunctionCombos.end() ? found : nullptr;
}

// The code the page is to build for the choice; the factory code for the default function.
KeyAssignment expectedCode(const KeyFunctionChoice& choice, const profiles::KeyRecord& key) {
    if (const FunctionCombo* list = comboOf(choice.function)) {
        return list->rows[static_cast<std::size_t>(choice.row)].code;
    }
    if (choice.function == devices::kFunctionKeyboard) {
        const std::uint8_t usage =
            choice.keyboardRow >= 0
                ? devices::kKeyboardRows[static_cast<std::size_t>(choice.keyboardRow)].code.param2
                : 0;
        return {devices::kKindKeyboard, devices::modifierBitsOfOption(choice.modifier), usage};
    }
    return key.factory;
}

// The position of the function's item in "keyset_function_combo"; -1 when it has none.
int functionItem(MousePageDriver& page, int function) {
    auto* combo = page.control<ui::CComboUI>("keyset_function_combo", "Combo");
    for (int i = 0; combo != nullptr && i < combo->GetCount(); ++i) {
        if (combo->GetItemAt(i)->GetUserData() == std::to_string(function)) {
            return i;
        }
    }
    return -1;
}

// Whether the key page has every control the choice needs, before any of them is touched.
bool pageOffers(MousePageDriver& page, const KeyFunctionChoice& choice) {
    if (functionItem(page, choice.function) < 0) {
        return false;
    }
    if (const FunctionCombo* list = comboOf(choice.function)) {
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
bool chooseKeyboardKey(MousePageDriver& page, devices::CKeySetControlUI& keys,
                       const KeyFunctionChoice& choice) {
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
    // What the page makes of the key is stored by the apply button below.
    keys.onKeyCaptured({row.scanCode, row.extended});
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
    if (!pageOffers(page, choice)) {
        return {false, "this mouse's key page does not offer that function"};
    }
    showKeySection(page);
    page.raise("click", button);
    bool taken = chooseItem(page, "keyset_function_combo", functionItem(page, choice.function));
    if (taken && comboOf(choice.function) != nullptr) {
        taken = chooseItem(page, comboOf(choice.function)->combo, choice.row);
    } else if (taken && choice.function == devices::kFunctionKeyboard) {
        taken = chooseKeyboardKey(page, *keys, choice);
    }
    if (!taken) {
        return {false, "the key page did not take the function for " + key};
    }
    page.raise("click", page.control("key_butt_keysave"));
    const profiles::KeyRecord& record = mouse.keyList()[static_cast<std::size_t>(request.key)];
    if (!(record.current == expectedCode(choice, record))) {
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
    // The light editor's steps: the page takes the setting, saves it and writes the block.
    mouse.SetLightParameters(light);
    mouse.SaveProfile();
    mouse.WriteProfileBlock(0, 0, 1, 0, 0);
    return page.afterBlockWrite("light: " + lightWords(mouse));
}

}  // namespace vorn::shell
