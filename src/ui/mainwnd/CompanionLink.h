#pragma once
// How the main window reaches the programs around it: registered messages broadcast to
// every program, and messages and blocks of bytes (CopyData) for one companion. The
// program gives the window its session bus; without one, NoCompanionLink keeps the window
// working alone.

#include <cstdint>
#include <span>
#include <string_view>

namespace vorn::ui::mainwnd {

enum class Companion {
    WorkTool,     // the service tool that asks for the device report
    AudioRecord,  // the audio capture program of the music-driven lighting
};

class ICompanionLink {
  public:
    virtual ~ICompanionLink() = default;
    virtual void broadcast(std::string_view name, std::uint32_t wParam, std::int64_t lParam) = 0;
    // Whether the companion runs now.
    virtual bool isRunning(Companion who) = 0;
    // A registered message for the companion alone; false when it does not run.
    virtual bool send(Companion who, std::string_view name, std::uint32_t wParam,
                      std::int64_t lParam) = 0;
    // Hands the companion a block of bytes and waits for it to take them; false when it
    // does not run or does not answer.
    virtual bool copyData(Companion who, std::uint64_t dwData,
                          std::span<const std::uint8_t> data) = 0;
};

class NoCompanionLink final : public ICompanionLink {
  public:
    void broadcast(std::string_view, std::uint32_t, std::int64_t) override {}
    bool isRunning(Companion) override { return false; }
    bool send(Companion, std::string_view, std::uint32_t, std::int64_t) override { return false; }
    bool copyData(Companion, std::uint64_t, std::span<const std::uint8_t>) override {
        return false;
    }
};

}  // namespace vorn::ui::mainwnd
