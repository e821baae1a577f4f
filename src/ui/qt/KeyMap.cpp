#include "ui/qt/KeyMap.h"

#include <QtCore/qnamespace.h>

#include <array>

#include "ui/framework/core/UiEvents.h"

namespace vorn::ui::qt {
namespace {

constexpr std::array kTable = {
    KeyRow{Qt::Key_Backspace, VK_BACK_KEY},
    KeyRow{Qt::Key_Tab, VK_TAB_KEY},
    KeyRow{Qt::Key_Backtab, VK_TAB_KEY},
    KeyRow{Qt::Key_Return, VK_RETURN_KEY},
    KeyRow{Qt::Key_Enter, VK_RETURN_KEY},
    KeyRow{Qt::Key_Shift, VK_SHIFT_KEY},
    KeyRow{Qt::Key_Control, VK_CONTROL_KEY},
    KeyRow{Qt::Key_Alt, VK_MENU_KEY},
    KeyRow{Qt::Key_Pause, VK_PAUSE_KEY},
    KeyRow{Qt::Key_CapsLock, VK_CAPITAL_KEY},
    KeyRow{Qt::Key_Escape, VK_ESCAPE_KEY},
    KeyRow{Qt::Key_Space, VK_SPACE_KEY},
    KeyRow{Qt::Key_PageUp, VK_PRIOR_KEY},
    KeyRow{Qt::Key_PageDown, VK_NEXT_KEY},
    KeyRow{Qt::Key_End, VK_END_KEY},
    KeyRow{Qt::Key_Home, VK_HOME_KEY},
    KeyRow{Qt::Key_Left, VK_LEFT_KEY},
    KeyRow{Qt::Key_Up, VK_UP_KEY},
    KeyRow{Qt::Key_Right, VK_RIGHT_KEY},
    KeyRow{Qt::Key_Down, VK_DOWN_KEY},
    KeyRow{Qt::Key_Print, VK_SNAPSHOT_KEY},
    KeyRow{Qt::Key_Insert, VK_INSERT_KEY},
    KeyRow{Qt::Key_Delete, VK_DELETE_KEY},
    KeyRow{Qt::Key_Meta, VK_LWIN_KEY},
    KeyRow{Qt::Key_Menu, VK_APPS_KEY},
    KeyRow{Qt::Key_NumLock, VK_NUMLOCK_KEY},
    KeyRow{Qt::Key_ScrollLock, VK_SCROLL_KEY},
    KeyRow{Qt::Key_Semicolon, VK_OEM_1_KEY},
    KeyRow{Qt::Key_Colon, VK_OEM_1_KEY},
    KeyRow{Qt::Key_Equal, VK_OEM_PLUS_KEY},
    KeyRow{Qt::Key_Plus, VK_OEM_PLUS_KEY},
    KeyRow{Qt::Key_Comma, VK_OEM_COMMA_KEY},
    KeyRow{Qt::Key_Less, VK_OEM_COMMA_KEY},
    KeyRow{Qt::Key_Minus, VK_OEM_MINUS_KEY},
    KeyRow{Qt::Key_Underscore, VK_OEM_MINUS_KEY},
    KeyRow{Qt::Key_Period, VK_OEM_PERIOD_KEY},
    KeyRow{Qt::Key_Greater, VK_OEM_PERIOD_KEY},
    KeyRow{Qt::Key_Slash, VK_OEM_2_KEY},
    KeyRow{Qt::Key_Question, VK_OEM_2_KEY},
    KeyRow{Qt::Key_QuoteLeft, VK_OEM_3_KEY},
    KeyRow{Qt::Key_AsciiTilde, VK_OEM_3_KEY},
    KeyRow{Qt::Key_BracketLeft, VK_OEM_4_KEY},
    KeyRow{Qt::Key_BraceLeft, VK_OEM_4_KEY},
    KeyRow{Qt::Key_Backslash, VK_OEM_5_KEY},
    KeyRow{Qt::Key_Bar, VK_OEM_5_KEY},
    KeyRow{Qt::Key_BracketRight, VK_OEM_6_KEY},
    KeyRow{Qt::Key_BraceRight, VK_OEM_6_KEY},
    KeyRow{Qt::Key_Apostrophe, VK_OEM_7_KEY},
    KeyRow{Qt::Key_QuoteDbl, VK_OEM_7_KEY},
};

}  // namespace

std::span<const KeyRow> keyTable() {
    return kTable;
}

uint32_t virtualKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<uint32_t>('A' + (qtKey - Qt::Key_A));
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<uint32_t>('0' + (qtKey - Qt::Key_0));
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return VK_F1_KEY + static_cast<uint32_t>(qtKey - Qt::Key_F1);
    }
    for (const KeyRow& row : kTable) {
        if (row.qtKey == qtKey) {
            return row.virtualKey;
        }
    }
    return 0;
}

}  // namespace vorn::ui::qt
