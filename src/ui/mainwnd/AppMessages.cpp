#include "ui/mainwnd/AppMessages.h"

#include "platform/loop/RegisteredMessages.h"

namespace vorn::ui::mainwnd {
namespace {

template <std::size_t N>
std::array<std::uint32_t, N> registerAll(const std::array<std::string_view, N>& names) {
    std::array<std::uint32_t, N> ids{};
    for (std::size_t i = 0; i < N; ++i) {
        ids[i] = platform::RegisterWindowMessage(names[i]);
    }
    return ids;
}

AppMessageIds registerAppMessages() {
    using platform::RegisterWindowMessage;
    AppMessageIds ids;
    ids.mouseUser = registerAll(kMouseUserMessageNames);
    ids.keyHook = registerAll(kKeyHookMessageNames);
    ids.mouseHook = registerAll(kMouseHookMessageNames);
    ids.game = registerAll(kGameEventNames);
    ids.app = RegisterWindowMessage(kAppIdentity);
    ids.companion0 = RegisterWindowMessage(kCompanionMessage0Name);
    ids.companion1 = RegisterWindowMessage(kCompanionMessage1Name);
    ids.lightControlAnnounce = RegisterWindowMessage(kLightControlAnnounceName);
    ids.lightControlRequest = RegisterWindowMessage(kLightControlRequestName);
    ids.workToolRequest = RegisterWindowMessage(kWorkToolRequestName);
    ids.audioRecord = RegisterWindowMessage(kAudioRecordMessageName);
    return ids;
}

}  // namespace

const AppMessageIds& appMessageIds() {
    static const AppMessageIds ids = registerAppMessages();
    return ids;
}

}  // namespace vorn::ui::mainwnd
