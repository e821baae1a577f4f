#include "devices/keys/KeySetControlUI.h"
#include "platform/text/Text.h"

#include <algorithm>
#include <array>

#include "devices/keys/KeyCodeTables.h"
#include "devices/keys/KeyInfoList.h"
#include "devices/keys/KeyNames.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::devices {
namespace {

using profiles::KeyAssignment;
using profiles::KeyRecord;

constexpr std::string_view kEditingPart = "keyset_layout";
constexpr std::string_view kFunctionCombo = "keyset_function_combo";
constexpr std::string_view kSubPages = "function_switch_tablayout";
constexpr std::string_view kDefaultButton = "key_butt_keydefalut";
constexpr std::string_view kSaveButton = "key_butt_keysave";
constexpr std::string_view kCancelButton = "key_butt_keycancel";
constexpr std::string_view kDeviceSaveButton = "key_butt_prosave";
constexpr std::string_view kMouseKeyCombo = "keyset_mousekey_combo";
constexpr std::string_view kPointerCombo = "keyset_mouseswing_combo";
constexpr std::string_view kPointerCount = "keyset_mouseswing_num_edit";
constexpr std::string_view kPointerDelay = "keyset_mouseswing_delay_edit";
constexpr std::string_view kPointerSpeed = "keyset_mouseswing_speed_edit";
constexpr std::string_view kWheelCombo = "keyset_mousewheel_combo";
constexpr std::string_view kWheelCount = "keyset_mousewheel_num_edit";
constexpr std::string_view kWheelDelay = "keyset_mousewheel_delay_edit";
constexpr std::string_view kWheelSpeed = "keyset_mousewheel_speed_edit";
constexpr std::string_view kDpiCombo = "keyset_mousedpi_combo";
constexpr std::string_view kFireInterval = "keyset_mousefire_interval_edit";
constexpr std::string_view kFireCount = "keyset_mousefire_num_edit";
constexpr std::string_view kKeyEdit = "keyset_keyboard_text_edit";
constexpr std::string_view kConsumerCombo = "keyset_media_combo";
constexpr std::string_view kSystemCombo = "keyset_system_combo";
constexpr std::string_view kMacroCombo = "keyset_macro_combo";
constexpr std::string_view kMacroModeCombo = "keyset_macro_over_combo";
constexpr std::string_view kRepeatPart = "keyset_macro_cycle_layout";
constexpr std::string_view kRepeatEdit = "keyset_macro_cycle_edit";
constexpr std::string_view kShootCombo = "keyset_gunkey_combo";
constexpr std::string_view kShortcutCombo = "keyset_combokey_combo";
constexpr std::string_view kModifierPrefix = "key_ComBox_check_";
constexpr std::string_view kKeyInfoList = "device_setkeyinfo_list";
constexpr std::string_view kKeyEditTip = "keyset_key_tip_text";

// The combos whose selection stores the key being edited, and the edits whose lost focus
// does.
constexpr std::array<std::string_view, 11> kStoringCombos = {
    kFunctionCombo, kMacroModeCombo, kMouseKeyCombo, kPointerCombo, kWheelCombo,   kDpiCombo,
    kConsumerCombo, kSystemCombo,    kMacroCombo,    kShootCombo,   kShortcutCombo};
constexpr std::array<std::string_view, 9> kStoringEdits = {
    kPointerCount, kPointerDelay, kPointerSpeed, kWheelCount, kWheelDelay,
    kWheelSpeed,   kFireInterval, kFireCount,    kRepeatEdit};
bool contains(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The whole text as a decimal number; -1 when it is not one.
int strictNumber(std::string_view text) {
    return platform::parseWholeNumber(text).value_or(-1);
}

int selectionOf(const ui::CComboUI* box) {
    return box != nullptr ? box->GetCurSel() : -1;
}

void select(ui::CComboUI* box, int position) {
    if (box != nullptr) {
        box->SelectItem(position, false, false);
    }
}

int numberIn(const ui::CEditUI* field) {
    return field != nullptr ? parseTypedInteger(field->GetText()) : 0;
}

// An edit shows the number; an edit that already reads as it keeps its text.
void showNumber(ui::CEditUI* field, int value) {
    if (field != nullptr && parseTypedInteger(field->GetText()) != value) {
        field->SetText(std::to_string(value));
    }
}

ui::CListLabelElementUI* newComboRow(std::string_view languageKey) {
    auto* row = new ui::CListLabelElementUI;
    row->SetResourceText(true);
    row->SetText(languageKey);
    return row;
}

}  // namespace

const std::array<FunctionTable, 5> kFunctionTables = {{
    {kFunctionMouseButton, kMouseKeyCombo, kMouseButtonRows},
    {kFunctionDpi, kDpiCombo, kDpiRows},
    {kFunctionConsumer, kConsumerCombo, kConsumerRows},
    {kFunctionSystem, kSystemCombo, kSystemRows},
    {kFunctionShortcut, kShortcutCombo, kShortcutRows},
}};

const FunctionTable* functionTableOf(int function) {
    const auto* found =
        std::find_if(kFunctionTables.begin(), kFunctionTables.end(),
                     [&](const FunctionTable& t) { return t.function == function; });
    return found != kFunctionTables.end() ? found : nullptr;
}

void CKeySetControlUI::Register() {
    for (std::string_view name : {"CKeySetControlUI", "KeySetControl"}) {
        ui::CControlFactory::GetInstance().RegistControl(
            name, []() -> ui::CControlUI* { return new CKeySetControlUI; });
    }
}

std::string CKeySetControlUI::GetClass() const {
    return "KeySetControlUI";
}

void* CKeySetControlUI::GetInterface(std::string_view name) {
    if (name == "KeySetControl") {
        return this;
    }
    return CVerticalLayoutUI::GetInterface(name);
}

void CKeySetControlUI::DoInit() {
    fillTables();
    // Option groups belong to the whole window: each key page (one per device page) gives
    // its modifier options a group of its own, so choosing one on one page leaves the others.
    static int pages = 0;
    const std::string group = "keyset_modifier_" + std::to_string(++pages);
    for (int i = 0; i < kModifierOptionCount; ++i) {
        if (auto* option = ui::interfaceOf<ui::COptionUI>(
                child(std::string(kModifierPrefix) + std::to_string(i)), "Option")) {
            option->SetGroup(group);
        }
    }
}

ui::CControlUI* CKeySetControlUI::child(std::string_view name) const {
    // Looking a child up does not change the tree; the search itself is not const.
    return const_cast<CKeySetControlUI*>(this)->FindSubControl(name);
}

ui::CComboUI* CKeySetControlUI::combo(std::string_view name) const {
    return ui::interfaceOf<ui::CComboUI>(child(name), "Combo");
}

ui::CEditUI* CKeySetControlUI::edit(std::string_view name) const {
    return ui::interfaceOf<ui::CEditUI>(child(name), "Edit");
}

void CKeySetControlUI::fillTables() {
    // Once, when the page's layout has been built.
    if (tablesFilled_ || combo(kFunctionCombo) == nullptr) {
        return;
    }
    tablesFilled_ = true;
    for (const FunctionTable& table : kFunctionTables) {
        if (ui::CComboUI* box = combo(table.combo); box != nullptr && box->GetCount() == 0) {
            for (const KeyCodeRow& row : table.rows) {
                box->Add(newComboRow(row.name));
            }
        }
    }
    fillMacroCombo();
    if (ui::CEditUI* field = edit(kKeyEdit)) {
        field->SetTipValue(languageText(kKeyEditTip));
    }
}

void CKeySetControlUI::fillMacroCombo() {
    ui::CComboUI* box = combo(kMacroCombo);
    if (box == nullptr) {
        return;
    }
    box->RemoveAll();
    for (const std::string& name : macroNames_) {
        auto* row = new ui::CListLabelElementUI;
        row->SetText(name);
        box->Add(row);
    }
}

void CKeySetControlUI::setMacroNames(std::vector<std::string> names) {
    macroNames_ = std::move(names);
    fillMacroCombo();
}

void CKeySetControlUI::removeMacro(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= macroNames_.size()) {
        return;
    }
    macroNames_.erase(macroNames_.begin() + index);
    if (ui::CComboUI* box = combo(kMacroCombo); box != nullptr && index < box->GetCount()) {
        box->RemoveAt(index);
    }
}

KeyPageFields CKeySetControlUI::readFields() const {
    KeyPageFields f;
    if (const ui::CComboUI* box = combo(kFunctionCombo)) {
        const ui::CControlUI* item = box->GetItemAt(box->GetCurSel());
        f.function = item != nullptr ? strictNumber(item->GetUserData()) : -1;
    }
    f.mouseButton = selectionOf(combo(kMouseKeyCombo));
    f.pointer = {selectionOf(combo(kPointerCombo)), numberIn(edit(kPointerDelay)),
                 numberIn(edit(kPointerSpeed)), numberIn(edit(kPointerCount))};
    f.wheel = {selectionOf(combo(kWheelCombo)), numberIn(edit(kWheelDelay)),
               numberIn(edit(kWheelSpeed)), numberIn(edit(kWheelCount))};
    f.dpi = selectionOf(combo(kDpiCombo));
    f.fireInterval = numberIn(edit(kFireInterval));
    f.fireCount = numberIn(edit(kFireCount));
    for (int n = 0; n < kModifierOptionCount && f.modifierOption < 0; ++n) {
        const auto* option = ui::interfaceOf<ui::COptionUI>(
            child(std::string(kModifierPrefix) + std::to_string(n)), "Option");
        if (option != nullptr && option->IsSelected()) {
            f.modifierOption = n;
        }
    }
    const ui::CEditUI* keyField = edit(kKeyEdit);
    f.keyboardRow = keyField != nullptr && !keyField->GetText().empty() ? keyEditRow_ : -1;
    f.consumer = selectionOf(combo(kConsumerCombo));
    f.system = selectionOf(combo(kSystemCombo));
    f.macro = selectionOf(combo(kMacroCombo));
    f.macroMode = selectionOf(combo(kMacroModeCombo));
    f.macroRepeat = numberIn(edit(kRepeatEdit));
    const ui::CControlUI* repeatPart = child(kRepeatPart);
    f.macroRepeatShown = repeatPart != nullptr && repeatPart->IsVisibleSelf();
    f.shoot = selectionOf(combo(kShootCombo));
    f.shortcut = selectionOf(combo(kShortcutCombo));
    return f;
}

void CKeySetControlUI::showSubPage(int function) {
    if (auto* pages = ui::interfaceOf<ui::CTabLayoutUI>(child(kSubPages), "TabLayout")) {
        pages->SelectItem(function, false);
    }
}

void CKeySetControlUI::showRepeatField(bool shown) {
    if (ui::CControlUI* part = child(kRepeatPart)) {
        part->SetVisible(shown);
    }
}

int CKeySetControlUI::functionItem(int function) const {
    const ui::CComboUI* box = combo(kFunctionCombo);
    for (int i = 0; box != nullptr && i < box->GetCount() && function >= 0; ++i) {
        if (strictNumber(box->GetItemAt(i)->GetUserData()) == function) {
            return i;
        }
    }
    return -1;
}

void CKeySetControlUI::selectFunction(int function) {
    ui::CComboUI* box = combo(kFunctionCombo);
    ui::CControlUI* editing = child(kEditingPart);
    const int item = functionItem(function);
    if (editing != nullptr) {
        editing->SetVisible(item >= 0);
    }
    if (item >= 0) {
        select(box, item);
        showSubPage(function);
    }
}

void CKeySetControlUI::selectModifierOption(int option) {
    for (int n = 0; n < kModifierOptionCount; ++n) {
        if (auto* box = ui::interfaceOf<ui::COptionUI>(
                child(std::string(kModifierPrefix) + std::to_string(n)), "Option")) {
            box->Selected(n == option, false);
        }
    }
}

void CKeySetControlUI::setKeyEditRow(int row) {
    keyEditRow_ = row;
    if (ui::CEditUI* field = edit(kKeyEdit)) {
        field->SetResourceText(true);
        field->SetText(row >= 0 ? kKeyboardRows[static_cast<std::size_t>(row)].name
                                : std::string_view{});
    }
}

void CKeySetControlUI::writeFields(const KeyPageFields& f) {
    selectFunction(f.function);
    switch (f.function) {
        case kFunctionMouseButton:
            select(combo(kMouseKeyCombo), f.mouseButton);
            break;
        case kFunctionPointer:
        case kFunctionWheel: {
            const bool pointer = f.function == kFunctionPointer;
            const MotionFields& m = pointer ? f.pointer : f.wheel;
            select(combo(pointer ? kPointerCombo : kWheelCombo), m.direction);
            showNumber(edit(pointer ? kPointerDelay : kWheelDelay), m.delay);
            showNumber(edit(pointer ? kPointerSpeed : kWheelSpeed), m.speed);
            showNumber(edit(pointer ? kPointerCount : kWheelCount), m.count);
            break;
        }
        case kFunctionDpi:
            select(combo(kDpiCombo), f.dpi);
            break;
        case kFunctionRapidFire:
            showNumber(edit(kFireInterval), f.fireInterval);
            showNumber(edit(kFireCount), f.fireCount);
            break;
        case kFunctionKeyboard:
            selectModifierOption(f.modifierOption);
            setKeyEditRow(f.keyboardRow);
            break;
        case kFunctionConsumer:
            select(combo(kConsumerCombo), f.consumer);
            break;
        case kFunctionSystem:
            select(combo(kSystemCombo), f.system);
            break;
        case kFunctionMacro:
            select(combo(kMacroCombo), f.macro);
            select(combo(kMacroModeCombo), f.macroMode);
            showNumber(edit(kRepeatEdit), f.macroRepeat);
            showRepeatField(f.macroRepeatShown);
            break;
        case kFunctionShoot:
            select(combo(kShootCombo), f.shoot);
            break;
        case kFunctionShortcut:
            select(combo(kShortcutCombo), f.shortcut);
            break;
        default:
            break;
    }
}

void CKeySetControlUI::show(const KeyAssignment& code) {
    fillTables();
    KeyPageFields f = readFields();
    showInFields(code, factory_, static_cast<int>(macroNames_.size()), f);
    writeFields(f);
}

void CKeySetControlUI::showAssignment(int keyIndex, const KeyAssignment& current,
                                      const KeyAssignment& factory) {
    keyIndex_ = keyIndex;
    current_ = current;
    factory_ = factory;
    show(current_);
}

void CKeySetControlUI::showDefault() {
    show(factory_);
}

void CKeySetControlUI::showCurrent() {
    show(current_);
}

KeyRecord CKeySetControlUI::buildAssignment() {
    fillTables();
    KeyPageFields f = readFields();
    const int typedInterval = f.fireInterval;
    current_ = buildFromFields(f, current_, factory_, static_cast<int>(macroNames_.size()));
    if (f.function == kFunctionRapidFire && f.fireInterval != typedInterval) {
        if (ui::CEditUI* field = edit(kFireInterval)) {
            field->SetText(std::to_string(f.fireInterval));
        }
    }
    const auto index = static_cast<std::uint16_t>(keyIndex_);
    return KeyRecord{index, current_, 0, index, factory_, 0};
}

void CKeySetControlUI::resetFields() {
    fillTables();
    // A combo selects only rows that are shown, so each sub-page is shown while its combos
    // return to their first entries.
    ui::CControlUI* editing = child(kEditingPart);
    if (editing != nullptr) {
        editing->SetVisible(true);
    }
    for (int page = kFunctionCount - 1; page >= 0; --page) {
        showSubPage(page);
        for (std::string_view name : kStoringCombos) {
            select(combo(name), 0);
        }
    }
    for (std::string_view name : kStoringEdits) {
        if (ui::CEditUI* field = edit(name)) {
            field->SetText("");
        }
    }
    selectModifierOption(0);
    setKeyEditRow(-1);
    showRepeatField(false);
    if (editing != nullptr) {
        editing->SetVisible(false);
    }
}

void CKeySetControlUI::setRecording(bool recording) {
    for (std::string_view name : {kEditingPart, kDeviceSaveButton}) {
        if (ui::CControlUI* control = child(name)) {
            control->SetEnabled(!recording);
        }
    }
}

void CKeySetControlUI::showKeyList(std::span<const std::string> keyLabels,
                                   std::span<const KeyRecord> records) {
    ui::CControlUI* list = child(kKeyInfoList);
    if (list == nullptr && GetManager() != nullptr) {
        list = GetManager()->FindControl(kKeyInfoList);
    }
    if (auto* container = ui::interfaceOf<ui::CContainerUI>(list, "Container")) {
        showKeyInfoList(*container, keyLabels, records, macroNames_);
    }
}

KeyPageOutcome CKeySetControlUI::stored() {
    return {KeyPageAction::Stored, buildAssignment()};
}

KeyPageOutcome CKeySetControlUI::onItemSelect(std::string_view name) {
    if (!contains(kStoringCombos, name)) {
        return {};
    }
    fillTables();
    if (name == kFunctionCombo) {
        const int function = readFields().function;
        if (function >= 0) {
            showSubPage(function);
        }
    } else if (name == kMacroModeCombo) {
        showRepeatField(selectionOf(combo(kMacroModeCombo)) == kMacroModeRepeat);
    }
    return stored();
}

KeyPageOutcome CKeySetControlUI::onKillFocus(std::string_view name) {
    return contains(kStoringEdits, name) ? stored() : KeyPageOutcome{};
}

KeyPageOutcome CKeySetControlUI::onClick(std::string_view name) {
    if (name == kSaveButton) {
        return stored();
    }
    const auto index = static_cast<std::uint16_t>(keyIndex_);
    const KeyRecord record{index, current_, 0, index, factory_, 0};
    if (name == kDefaultButton) {
        showDefault();
        return {KeyPageAction::DefaultShown, record};
    }
    if (name == kCancelButton) {
        showCurrent();
        return {KeyPageAction::CurrentShown, record};
    }
    if (name == kDeviceSaveButton) {
        return {KeyPageAction::SaveToDevice, record};
    }
    return {};
}

KeyPageOutcome CKeySetControlUI::onSelectChanged(std::string_view name) {
    if (!name.starts_with(kModifierPrefix)) {
        return {};
    }
    const int option = strictNumber(name.substr(kModifierPrefix.size()));
    const auto* box = ui::interfaceOf<ui::COptionUI>(child(name), "Option");
    if (option < 0 || option >= kModifierOptionCount || box == nullptr || !box->IsSelected()) {
        return {};
    }
    return stored();
}

KeyPageOutcome CKeySetControlUI::onKeyCaptured(const CapturedKey& key) {
    const int row = keyboardRowOfCapturedKey(key);
    if (row < 0 || kKeyboardRows[static_cast<std::size_t>(row)].code.kind != kKindKeyboard) {
        return {};
    }
    fillTables();
    if (readFields().function != kFunctionKeyboard) {
        selectFunction(kFunctionKeyboard);
    }
    if (static_cast<std::size_t>(row) < kModifierRowCount) {
        selectModifierOption(modifierOptionOfRow(row));
        setKeyEditRow(-1);
    } else {
        setKeyEditRow(row);
        if (readFields().modifierOption < 0) {
            selectModifierOption(0);
        }
    }
    return stored();
}

}  // namespace vorn::devices
