#pragma once
// CKeySetControlUI: the key page of a mouse or keyboard page. It shows what the selected key
// does (its function in "keyset_function_combo" and the function's sub-page in
// "function_switch_tablayout") and builds the key's assignment from what the user chooses.
// Its layout is "XML/CustomControlXML/KeySetControl.xml"; it also holds the key info list
// "device_setkeyinfo_list".
//
// The main window routes the events of the page's controls here by the sender's name
// (onItemSelect, onKillFocus, onClick, onSelectChanged); the device page stores the record
// an outcome carries into its key list and shows the key list again.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyCodeTables.h"
#include "devices/keys/KeyPageModel.h"
#include "profiles/records/KeyAssignment.h"
#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {
class CComboUI;
class CEditUI;
}  // namespace vorn::ui

namespace vorn::devices {

// What the device page does after an event of the key page.
enum class KeyPageAction {
    None,          // not a control of the key page, or nothing changed
    Stored,        // the record is the key's new record: store it, show the key list again
    DefaultShown,  // the factory assignment is shown (a keyboard page applies it at once)
    CurrentShown,  // the key's current assignment is shown again
    SaveToDevice,  // download the macros and keys to the device
};

struct KeyPageOutcome {
    KeyPageAction action = KeyPageAction::None;
    profiles::KeyRecord record;
};

// The page functions whose sub-page lists a code table: the combo that lists it, row by row.
struct FunctionTable {
    int function;
    std::string_view combo;
    std::span<const KeyCodeRow> rows;
};
extern const std::array<FunctionTable, 5> kFunctionTables;
// The code table of a function; null when its sub-page lists none.
const FunctionTable* functionTableOf(int function);

class CKeySetControlUI : public ui::CVerticalLayoutUI {
  public:
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/KeySetControl.xml";
    // Registers the class under "CKeySetControlUI" and "KeySetControl" (the element name of
    // its layout) with the control factory.
    static void Register();

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void DoInit() override;

    // --- The names of "macro.config" in list order (the items of "keyset_macro_combo") ---
    void setMacroNames(std::vector<std::string> names);
    // Macro `index` was deleted.
    void removeMacro(int index);
    const std::vector<std::string>& macroNames() const { return macroNames_; }

    // --- Operations of the device page ---
    // Remembers the key and both assignments and shows the current one.
    void showAssignment(int keyIndex, const profiles::KeyAssignment& current,
                        const profiles::KeyAssignment& factory);
    // Builds the assignment from the page, makes it the key's current one and answers the
    // key's whole record.
    profiles::KeyRecord buildAssignment();
    void showDefault();
    void showCurrent();
    // Hides the editing part and returns every field to its first entry.
    void resetFields();
    // While a macro is being recorded the editing part and the save button are disabled.
    void setRecording(bool recording);
    // The key info list of the page (see KeyInfoList.h), with the page's macro names.
    void showKeyList(std::span<const std::string> keyLabels,
                     std::span<const profiles::KeyRecord> records);

    // --- Events of the page's controls, by the sender's name ---
    // The key assignment combos. A function change switches the sub-page first, a play-mode
    // change shows the repeat field for the repeating mode only.
    KeyPageOutcome onItemSelect(std::string_view name);
    // The key assignment edits.
    KeyPageOutcome onKillFocus(std::string_view name);
    // "key_butt_keysave", "key_butt_keydefalut", "key_butt_keycancel", "key_butt_prosave".
    KeyPageOutcome onClick(std::string_view name);
    // "key_ComBox_check_" + n, when it became selected.
    KeyPageOutcome onSelectChanged(std::string_view name);
    // A key pressed while "keyset_keyboard_text_edit" has the focus.
    KeyPageOutcome onKeyCaptured(const CapturedKey& key);

    // --- State ---
    int keyIndex() const { return keyIndex_; }
    const profiles::KeyAssignment& currentAssignment() const { return current_; }
    const profiles::KeyAssignment& factoryAssignment() const { return factory_; }
    // The page's fields as its controls hold them.
    KeyPageFields readFields() const;
    // The position of the function's item in "keyset_function_combo"; -1 when it has none.
    int functionItem(int function) const;

  private:
    ui::CControlUI* child(std::string_view name) const;
    ui::CComboUI* combo(std::string_view name) const;
    ui::CEditUI* edit(std::string_view name) const;
    void fillTables();
    void fillMacroCombo();
    void show(const profiles::KeyAssignment& code);
    void writeFields(const KeyPageFields& fields);
    void selectFunction(int function);
    void showSubPage(int function);
    void showRepeatField(bool shown);
    void selectModifierOption(int option);
    void setKeyEditRow(int row);
    KeyPageOutcome stored();

    std::vector<std::string> macroNames_;
    int keyIndex_ = 0;
    profiles::KeyAssignment current_;
    profiles::KeyAssignment factory_;
    int keyEditRow_ = -1;  // the keyboard row "keyset_keyboard_text_edit" names
    bool tablesFilled_ = false;
};

}  // namespace vorn::devices
