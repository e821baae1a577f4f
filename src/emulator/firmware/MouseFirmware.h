#pragma once
// The firmware of a T4-family mouse and the hardware beside it.
//
// Memory map (each area addressed by its own commands; offsets are frame bytes 5-6):
//   DeviceInfo     34 bytes            0x03 read
//   Settings       8 x 96 = 768 bytes  0x05 read, 0x06 write; profile p's 75-byte block at
//                                      p x 96, byte 0 the active profile number
//   FactoryKeys    512 bytes           0x07 read; 3 bytes per key slot, spare bytes zero
//   CurrentKeys    512 bytes (page 0)  0x08 read, 0x09 write; offset 512 x page + position
//   LightData      512 bytes           0x0A read, 0x0B write; per-light red, green, blue
//   LightFrame     512 bytes           0x12 write; the last streamed light frame
//   MacroImage     macro units x 128   0x15 write
//   ShootImage     1024 bytes          0x17 write
//   Power          6 bytes             0x1A read; battery %, charging, 0, link, 0, phone type
// Commands 0x01 and 0x02 open and close a session (accepted outside one as well), 0xAA
// answers 0xFF at data byte 0 (the mouse is there). Anything else is refused (0xFF), as is an
// access that does not fit its area.

#include <cstdint>

#include "emulator/firmware/Firmware.h"
#include "emulator/firmware/MemoryArea.h"
#include "emulator/firmware/MouseModels.h"

namespace vorn::emulator {

enum class MouseArea {
    DeviceInfo,
    Settings,
    FactoryKeys,
    CurrentKeys,
    LightData,
    LightFrame,
    MacroImage,
    ShootImage,
    Power,
};
constexpr int kMouseAreaCount = 9;

constexpr size_t kDeviceInfoSize = 34;
constexpr int kMouseProfileCount = 8;
constexpr size_t kProfileStride = 96;
constexpr size_t kProfileBlockSize = 75;
constexpr size_t kKeyPageSize = 512;
constexpr size_t kLightAreaSize = 512;
constexpr size_t kShootImageSize = 1024;
constexpr size_t kPowerBlockSize = 6;

// Byte positions inside a profile block.
constexpr size_t kProfileActiveStageByte = 12;
constexpr size_t kProfileStagesByte = 14;

class MouseFirmware final : public Firmware {
  public:
    explicit MouseFirmware(const MouseModel& model);

    const MouseModel& model() const { return model_; }

    CommandResult execute(const CommandRequest& request) override;
    bool radioReachable() const override { return poweredOn_ && inReach_; }
    uint8_t radioModelCode() const override { return model_.modelCode; }

    // Hardware.
    MemoryArea& area(MouseArea which) { return areas_[static_cast<int>(which)]; }
    const MemoryArea& area(MouseArea which) const { return areas_[static_cast<int>(which)]; }
    // Puts every area back to the factory state.
    void restoreFactory();

    void setPoweredOn(bool on) { poweredOn_ = on; }
    bool poweredOn() const { return poweredOn_; }
    void setInReach(bool inReach) { inReach_ = inReach; }
    bool inReach() const { return inReach_; }
    void setBattery(uint8_t percent);
    void setCharging(bool charging);

    // The profile and stage buttons on the mouse: change the memory as the firmware does and
    // return the event code the mouse reports (0x100p, 0x11sp), or 0 for a number out of range.
    uint16_t selectProfile(int profile);
    uint16_t selectStage(int stage);
    int activeProfile() const;

    bool sessionOpen() const { return sessionOpen_; }
    uint32_t commandCount() const { return commandCount_; }

  private:
    MouseModel model_;
    MemoryArea areas_[kMouseAreaCount];
    bool poweredOn_ = true;
    bool inReach_ = true;
    bool sessionOpen_ = false;
    uint32_t commandCount_ = 0;
};

}  // namespace vorn::emulator
