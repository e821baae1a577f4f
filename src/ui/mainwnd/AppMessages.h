#pragma once
// The registered messages by which the program and the programs around it (games, the
// input hook, the audio capture program, the work tool, the update helper) talk. The names
// are the contract with those programs: byte for byte, including the fifth GUID name, which
// ends in "EBE19" where the four before it end in "EBF15" to "EBF18".

#include <array>
#include <cstdint>
#include <string_view>

namespace vorn::ui::mainwnd {

// The program's identity: main window title, single-instance name and AppMessage.
inline constexpr std::string_view kAppIdentity = "VORN  8K Gaming Mouse";

inline constexpr std::string_view kCompanionMessage0Name = "{1234567890}";
inline constexpr std::string_view kCompanionMessage1Name = "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}";
inline constexpr std::string_view kLightControlAnnounceName =
    "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
inline constexpr std::string_view kLightControlRequestName =
    "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";
inline constexpr std::string_view kWorkToolRequestName = "{4695579F-999A-41d4-9FAF-EFFCE93EBF18}";
inline constexpr std::string_view kAudioRecordMessageName =
    "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}";

inline constexpr std::array<std::string_view, 5> kMouseUserMessageNames = {
    "UWM_MOUSELBUTTONDOWN_USER_MSG", "UWM_MOUSELBUTTONUP_USER_MSG", "UWM_MOUSERBUTTONDOWN_USER_MSG",
    "UWM_MOUSERBUTTONUP_USER_MSG", "UWM_MOUSEMOVE_USER_MSG"};

// Index order of the key hook messages (KeyHook below).
inline constexpr std::array<std::string_view, 10> kKeyHookMessageNames = {
    "WM_HOOK_KEY_HITKEY_MSG",        "WM_HOOK_KEY_KBMACRO_MSG",
    "WM_HOOK_KEY_KBMACROLATER_MSG",  "WM_HOOK_KEY_KBMACROPREVIOUS_MSG",
    "WM_HOOK_KEY_KBMACROSINGLE_MSG", "WM_HOOK_KEY_MSMACRO_MSG",
    "WM_HOOK_KEY_MSMACROLATER_MSG",  "WM_HOOK_KEY_MSMACROPREVIOUS_MSG",
    "WM_HOOK_KEY_MSMACROSINGLE_MSG", "WM_HOOK_KEY_SINGLEKEY_MSG"};
inline constexpr std::size_t kKeyHookHitKey = 0;
inline constexpr std::size_t kKeyHookMsMacro = 5;

inline constexpr std::array<std::string_view, 4> kMouseHookMessageNames = {
    "WM_HOOK_MOU_HITKEY_MSG", "WM_HOOK_MOU_KBMACRO_MSG", "WM_HOOK_MOU_MSMACRO_MSG",
    "WM_HOOK_MOU_SINGLEKEY_MSG"};

inline constexpr std::array<std::string_view, 4> kGameEventNames = {"Game_Start", "Game_End",
                                                                    "Game_Kill", "Game_Death"};

// The ids of this process for the names above.
struct AppMessageIds {
    std::uint32_t app = 0;
    std::uint32_t companion0 = 0;
    std::uint32_t companion1 = 0;
    std::uint32_t lightControlAnnounce = 0;
    std::uint32_t lightControlRequest = 0;
    std::uint32_t workToolRequest = 0;
    std::uint32_t audioRecord = 0;
    std::array<std::uint32_t, 5> mouseUser{};
    std::array<std::uint32_t, 10> keyHook{};
    std::array<std::uint32_t, 4> mouseHook{};
    std::array<std::uint32_t, 4> game{};
};

// Registers every name (once per process) and answers their ids.
const AppMessageIds& appMessageIds();

}  // namespace vorn::ui::mainwnd
