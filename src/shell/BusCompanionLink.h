#pragma once
// The main window's companions on the session bus: registered messages as signals, the
// work tool and the audio capture program by their bus names.

#include "platform/ipc/SessionBus.h"
#include "ui/mainwnd/CompanionLink.h"

namespace vorn::shell {

class BusCompanionLink final : public ui::mainwnd::ICompanionLink {
  public:
    explicit BusCompanionLink(platform::ipc::SessionBus& bus) : bus_(bus) {}

    void broadcast(std::string_view name, std::uint32_t wParam, std::int64_t lParam) override;
    bool isRunning(ui::mainwnd::Companion who) override;
    bool send(ui::mainwnd::Companion who, std::string_view name, std::uint32_t wParam,
              std::int64_t lParam) override;
    bool copyData(ui::mainwnd::Companion who, std::uint64_t dwData,
                  std::span<const std::uint8_t> data) override;

  private:
    platform::ipc::SessionBus& bus_;
};

}  // namespace vorn::shell
