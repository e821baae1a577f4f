#include "devices/keys/KeyPageModel.h"

#include <cctype>
#include <limits>
#include <span>

#include "devices/keys/KeyCodeTables.h"

namespace vorn::devices {
namespace {

using profiles::KeyAssignment;

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// The row at a combo position; the current assignment when nothing (or no row) is selected.
KeyAssignment rowAt(std::span<const KeyCodeRow> rows, int position, const KeyAssignment& current) {
    if (position < 0 || static_cast<std::size_t>(position) >= rows.size()) {
        return current;
    }
    return rows[static_cast<std::size_t>(position)].code;
}

// Delay in bits 4-7 and speed in bits 0-3 of parameter 1; the count in parameter 2, its
// direction as bit 7 (pointer) or as the sign of a two's-complement count (wheel).
KeyAssignment motion(std::uint8_t kind, const MotionFields& m, const KeyAssignment& current) {
    const auto param1 = static_cast<std::uint8_t>(((m.delay & 0x0F) << 4) | (m.speed & 0x0F));
    const int count = m.count & 0x7F;
    std::uint8_t param2 = current.param2;
    if (m.direction == 0) {
        param2 = static_cast<std::uint8_t>(count);
    } else if (m.direction == 1) {
        param2 = kind == kKindWheel ? static_cast<std::uint8_t>(-count & 0xFF)
                                    : static_cast<std::uint8_t>(count | 0x80);
    }
    return {kind, param1, param2};
}

void showMotion(const KeyAssignment& code, MotionFields& m) {
    m.delay = code.param1 >> 4;
    m.speed = code.param1 & 0x0F;
    const bool second = (code.param2 & 0x80) != 0;
    m.direction = second ? 1 : 0;
    if (code.kind == kKindWheel) {
        m.count = second ? 128 - (code.param2 & 0x7F) : code.param2;
    } else {
        m.count = code.param2 & 0x7F;
    }
}

KeyAssignment macro(const KeyPageFields& f, const KeyAssignment& current, int macroCount) {
    if (f.macro < 0 || f.macro >= macroCount) {
        return current;
    }
    if (f.macroMode == kMacroModeRepeat) {
        return {kKindMacroRepeat, lowByte(f.macro), lowByte(f.macroRepeat)};
    }
    return {kKindMacro, lowByte(f.macro), lowByte(f.macroMode < 0 ? 0 : f.macroMode)};
}

void showMacro(const KeyAssignment& code, int macroCount, KeyPageFields& f) {
    const bool listed = code.param1 < macroCount;
    const bool repeated = code.kind == kKindMacroRepeat;
    f.macro = listed ? code.param1 : -1;
    if (!listed) {
        f.macroMode = -1;
    } else if (repeated) {
        f.macroMode = kMacroModeRepeat;
    } else {
        f.macroMode = code.param2 < kMacroModeCount ? code.param2 : -1;
    }
    if (repeated) {
        f.macroRepeat = code.param2;
    }
    f.macroRepeatShown = repeated && listed;
}

// Kind 0x20: the keyboard key sub-page, or the shortcut sub-page for right Ctrl.
int showKeyboard(const KeyAssignment& code, KeyPageFields& f) {
    if (code.param1 == kModRightCtrl) {
        f.shortcut = findRow(kShortcutRows, code);
        return kFunctionShortcut;
    }
    if (code.param1 >= 0x81) {
        return -1;
    }
    const int keyRow = keyboardRowOfUsage(code.param2);
    if (code.param1 == 0) {
        f.modifierOption = keyRow >= 0 ? 0 : -1;
    } else {
        const int modifierRow = modifierRowOfBits(code.param1);
        f.modifierOption = modifierRow >= 0 ? modifierOptionOfRow(modifierRow) : 0;
    }
    f.keyboardRow = keyRow;
    return kFunctionKeyboard;
}

}  // namespace

KeyAssignment buildFromFields(KeyPageFields& f, const KeyAssignment& current,
                              const KeyAssignment& factory, int macroCount) {
    switch (f.function) {
        case kFunctionMouseButton:
            return rowAt(kMouseButtonRows, f.mouseButton, current);
        case kFunctionPointer:
            return motion(kKindPointer, f.pointer, current);
        case kFunctionWheel:
            return motion(kKindWheel, f.wheel, current);
        case kFunctionDpi:
            return rowAt(kDpiRows, f.dpi, current);
        case kFunctionRapidFire: {
            std::uint8_t interval = lowByte(f.fireInterval);
            if (interval < kMinFireInterval) {
                interval = kMinFireInterval;
                f.fireInterval = kMinFireInterval;
            }
            return {kKindRapidFire, interval, lowByte(f.fireCount)};
        }
        case kFunctionKeyboard: {
            const std::uint8_t usage =
                f.keyboardRow >= 0 && static_cast<std::size_t>(f.keyboardRow) < kKeyboardRowCount
                    ? kKeyboardRows[static_cast<std::size_t>(f.keyboardRow)].code.param2
                    : 0;
            return {kKindKeyboard, modifierBitsOfOption(f.modifierOption), usage};
        }
        case kFunctionConsumer:
            return rowAt(kConsumerRows, f.consumer, current);
        case kFunctionSystem:
            return rowAt(kSystemRows, f.system, current);
        case kFunctionMacro:
            return macro(f, current, macroCount);
        case kFunctionShoot:
            return f.shoot >= 0 && f.shoot < kShootCount
                       ? KeyAssignment{kKindShoot, lowByte(f.shoot), 0}
                       : current;
        case kFunctionShortcut:
            return rowAt(kShortcutRows, f.shortcut, current);
        default:
            return factory;
    }
}

void showInFields(const KeyAssignment& code, const KeyAssignment& factory, int macroCount,
                  KeyPageFields& f) {
    if (code == factory) {
        f.function = kFunctionDefault;
        return;
    }
    switch (code.kind) {
        case kKindNothing:
            f.function = kFunctionDefault;
            break;
        case kKindMouseButton:
            f.function = kFunctionMouseButton;
            f.mouseButton = findRow(kMouseButtonRows, code);
            break;
        case kKindPointer:
            f.function = kFunctionPointer;
            showMotion(code, f.pointer);
            break;
        case kKindWheel:
            f.function = kFunctionWheel;
            showMotion(code, f.wheel);
            break;
        case kKindDpi:
            f.function = kFunctionDpi;
            f.dpi = findRow(kDpiRows, code);
            break;
        case kKindRapidFire:
            f.function = kFunctionRapidFire;
            f.fireInterval = code.param1;
            f.fireCount = code.param2;
            break;
        case kKindKeyboard:
            f.function = showKeyboard(code, f);
            break;
        case kKindConsumer:
            f.function = kFunctionConsumer;
            f.consumer = findRow(kConsumerRows, code);
            break;
        case kKindSystem:
            f.function = kFunctionSystem;
            f.system = findRow(kSystemRows, code);
            break;
        case kKindMacro:
        case kKindMacroRepeat:
            f.function = kFunctionMacro;
            showMacro(code, macroCount, f);
            break;
        case kKindShoot:
            f.function = kFunctionShoot;
            f.shoot = code.param1 < kShootCount ? code.param1 : -1;
            break;
        case kKindReservedB0:
            f.function = kFunctionShortcut;
            break;
        default:
            f.function = -1;
            break;
    }
}

}  // namespace vorn::devices
