#include "devices/keys/KeyCapture.h"

namespace vorn::devices {
namespace {

// Keys whose input event code is their set-1 scan code (the codes below 89 are).
constexpr KeyCaptureRow plain(std::uint16_t code) {
    return {code, static_cast<std::uint8_t>(code), false};
}
constexpr KeyCaptureRow extended(std::uint16_t code, std::uint8_t scanCode) {
    return {code, scanCode, true};
}
constexpr KeyCaptureRow other(std::uint16_t code, std::uint8_t scanCode) {
    return {code, scanCode, false};
}

}  // namespace

constexpr std::array<KeyCaptureRow, kKeyCaptureRowCount> kKeyCaptureRows = {{
    plain(29),            // LCtrl
    plain(42),            // LShift
    plain(56),            // LAlt
    extended(125, 0x5B),  // LWin
    extended(97, 0x1D),   // RCtrl
    extended(54, 0x36),   // RShift
    extended(100, 0x38),  // RAlt
    extended(126, 0x5C),  // RWin
    plain(30),            // A
    plain(48),            // B
    plain(46),            // C
    plain(32),            // D
    plain(18),            // E
    plain(33),            // F
    plain(34),            // G
    plain(35),            // H
    plain(23),            // I
    plain(36),            // J
    plain(37),            // K
    plain(38),            // L
    plain(50),            // M
    plain(49),            // N
    plain(24),            // O
    plain(25),            // P
    plain(16),            // Q
    plain(19),            // R
    plain(31),            // S
    plain(20),            // T
    plain(22),            // U
    plain(47),            // V
    plain(17),            // W
    plain(45),            // X
    plain(21),            // Y
    plain(44),            // Z
    plain(2),             // 1
    plain(3),             // 2
    plain(4),             // 3
    plain(5),             // 4
    plain(6),             // 5
    plain(7),             // 6
    plain(8),             // 7
    plain(9),             // 8
    plain(10),            // 9
    plain(11),            // 0
    plain(28),            // Enter
    plain(1),             // Esc
    plain(14),            // BackSpace
    plain(15),            // Tab
    plain(57),            // Space
    plain(12),            // -
    plain(13),            // =
    plain(26),            // [
    plain(27),            // ]
    plain(43),            // xiegang
    plain(39),            // ;
    plain(40),            // '
    plain(41),            // `
    plain(51),            // <
    plain(52),            // .
    plain(53),            // /
    plain(58),            // Caplk
    plain(59),            // F1
    plain(60),            // F2
    plain(61),            // F3
    plain(62),            // F4
    plain(63),            // F5
    plain(64),            // F6
    plain(65),            // F7
    plain(66),            // F8
    plain(67),            // F9
    plain(68),            // F10
    plain(87),            // F11
    plain(88),            // F12
    extended(99, 0x37),   // Print Scr
    plain(70),            // Scroll Lock
    other(119, 0x45),     // Pause
    extended(110, 0x52),  // Insert
    extended(102, 0x47),  // Home
    extended(104, 0x49),  // Page Up
    extended(111, 0x53),  // Delete
    extended(107, 0x4F),  // End
    extended(109, 0x51),  // Page Down
    extended(106, 0x4D),  // Right
    extended(105, 0x4B),  // Left
    extended(108, 0x50),  // Down
    extended(103, 0x48),  // Up
    extended(69, 0x45),   // Num Lock
    extended(98, 0x35),   // Num /
    plain(55),            // Num *
    plain(74),            // Num -
    plain(78),            // Num +
    extended(96, 0x1C),   // Num Enter
    plain(79),            // Num 1
    plain(80),            // Num 2
    plain(81),            // Num 3
    plain(75),            // Num 4
    plain(76),            // Num 5
    plain(77),            // Num 6
    plain(71),            // Num 7
    plain(72),            // Num 8
    plain(73),            // Num 9
    plain(82),            // Num 0
    plain(83),            // Decimal
    extended(127, 0x5D),  // App
    plain(86),            // K45
    other(89, 0x73),      // K56
    other(124, 0x7D),     // K14
    other(121, 0x7E),     // K107
    other(94, 0x7B),      // K131
    other(92, 0x79),      // K132
    other(93, 0x70),      // K133
    other(123, 0x71),     // K150
    other(122, 0x72),     // K151
}};
static_assert(kKeyCaptureRows.back().inputCode == 122, "a row is missing");

std::optional<CapturedKey> captureInputCode(std::uint32_t inputCode) {
    for (const KeyCaptureRow& row : kKeyCaptureRows) {
        if (row.inputCode == inputCode) {
            return CapturedKey{row.scanCode, row.extended};
        }
    }
    return std::nullopt;
}

std::optional<CapturedKey> captureNativeScanCode(std::uint32_t nativeScanCode) {
    if (nativeScanCode < kNativeScanCodeOffset) {
        return std::nullopt;
    }
    return captureInputCode(nativeScanCode - kNativeScanCodeOffset);
}

int keyboardRowOfCapturedKey(const CapturedKey& key) {
    for (std::size_t r = 0; r < kKeyCaptureRows.size(); ++r) {
        if (kKeyCaptureRows[r].scanCode == key.scanCode &&
            kKeyCaptureRows[r].extended == key.extended) {
            return static_cast<int>(r);
        }
    }
    return -1;
}

}  // namespace vorn::devices
