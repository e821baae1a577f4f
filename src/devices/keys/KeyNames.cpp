#include "devices/keys/KeyNames.h"

#include "devices/keys/KeyCodeTables.h"
#include "ui/framework/resources/ResourceManager.h"

namespace vorn::devices {
namespace {

using profiles::KeyAssignment;

AssignmentName named(std::string_view key) {
    return {{std::string(key)}, {}};
}

// The name of a table row, or no name when the row is -1.
AssignmentName rowName(std::span<const KeyCodeRow> rows, int row) {
    return row < 0 ? AssignmentName{} : named(rows[static_cast<std::size_t>(row)].name);
}

// A row matching kind and both parameters; else "close_text" for an empty code; else the
// modifier rows of the modifier bits and the key row of the usage, joined.
AssignmentName keyboardName(const KeyAssignment& code) {
    if (const int exact = findRow(kKeyboardRows, code); exact >= 0) {
        return rowName(kKeyboardRows, exact);
    }
    if (code.param1 == 0 && code.param2 == 0) {
        return named("close_text");
    }
    AssignmentName joined;
    for (std::size_t r = 0; r < kModifierRowCount; ++r) {
        const KeyAssignment& m = kKeyboardRows[r].code;
        if (m.kind == code.kind && (code.param1 & m.param1) != 0) {
            joined.keys.emplace_back(kKeyboardRows[r].name);
        }
    }
    if (code.param2 != 0) {
        const KeyAssignment plainKey{code.kind, 0, code.param2};
        const auto keys = std::span(kKeyboardRows).subspan(kModifierRowCount);
        if (const int r = findRow(keys, plainKey); r >= 0) {
            joined.keys.emplace_back(keys[static_cast<std::size_t>(r)].name);
        }
    }
    return joined;
}

AssignmentName macroName(const KeyAssignment& code, std::span<const std::string> macroNames) {
    if (code.param1 < macroNames.size()) {
        return {{}, macroNames[code.param1]};
    }
    // An empty list, or a macro that is gone.
    return named("unknown_macro_text");
}

// The function display row with kind and parameter 1 of the code.
AssignmentName functionName(const KeyAssignment& code) {
    return rowName(kFunctionDisplayRows, findRowByParam1(kFunctionDisplayRows, code));
}

}  // namespace

AssignmentName assignmentName(const KeyAssignment& code, std::span<const std::string> macroNames) {
    const bool secondItem = (code.param2 & 0x80) != 0;
    switch (code.kind) {
        case kKindNothing:
        case kKindKeyboard:
            return keyboardName(code);
        case kKindMouseButton:
            return rowName(kMouseButtonRows, findRowByParam1(kMouseButtonRows, code));
        case kKindPointer:
            return named(secondItem ? "mouse_key_right_Swing" : "mouse_key_left_Swing");
        case kKindWheel:
            return named(secondItem ? "mouse_key_down_Swing" : "mouse_key_up_Swing");
        case kKindDpi:
            return rowName(kDpiRows, findRowByParam1(kDpiRows, code));
        case kKindRapidFire:
            return named("mouse_key_fire_key");
        case kKindReportRate:
            return rowName(kReportRateRows, findRowByParam1(kReportRateRows, code));
        case kKindDpiShift: {
            for (const KeyCodeRow& r : kFunctionDisplayRows) {
                if (r.code.kind == code.kind) {
                    return named(r.name);
                }
            }
            return {};
        }
        case kKindShortcutList:
        case kKindShortcutList2: {
            // Matched by the parameters alone, for both kinds.
            const KeyAssignment listed{kKindShortcutList2, code.param1, code.param2};
            return rowName(kShortcutDisplayRows, findRow(kShortcutDisplayRows, listed));
        }
        case kKindShowWindow:
            return rowName(kFunctionDisplayRows, findRow(kFunctionDisplayRows, code));
        case kKindConsumer:
            return rowName(kConsumerRows, findRow(kConsumerRows, code));
        case kKindSystem:
            return rowName(kSystemRows, findRow(kSystemRows, code));
        case kKindMacroShown1:
        case kKindMacroShown2:
        case kKindMacro:
        case kKindMacroRepeat:
            return macroName(code, macroNames);
        case kKindShoot:
            return named("gun_" + std::to_string(code.param1 + 1) + "_txt");
        case kKindSpecial: {
            AssignmentName special = functionName(code);
            return special.empty() ? rowName(kKeyboardRows, findRow(kKeyboardRows, code)) : special;
        }
        case kKindReservedB0:
        case kKindReservedC0:
            return {};
        case kKindMacroKey:
            // The keyboard's macro keys M1-M5 are rows of the keyboard table.
            if (const int r = findRow(kKeyboardRows, code); r >= 0) {
                return rowName(kKeyboardRows, r);
            }
            break;
        default:
            break;
    }
    return {{std::string(kUnknownKindKey)}, {}};
}

std::string languageText(std::string_view key) {
    return ui::CResourceManager::GetInstance().GetText(key);
}

std::string displayText(const AssignmentName& name) {
    if (name.keys.empty()) {
        return name.plain;
    }
    std::string text;
    for (const std::string& key : name.keys) {
        if (!text.empty()) {
            text += '+';
        }
        text += languageText(key);
    }
    return text;
}

}  // namespace vorn::devices
