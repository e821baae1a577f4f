#include "emulator/firmware/MouseFirmware.h"

#include <algorithm>

namespace vorn::emulator {
namespace {

struct AreaCommand {
    uint8_t command;
    MouseArea area;
    bool write;
};

constexpr AreaCommand kAreaCommands[] = {
    {0x03, MouseArea::DeviceInfo, false},  {0x05, MouseArea::Settings, false},
    {0x06, MouseArea::Settings, true},     {0x07, MouseArea::FactoryKeys, false},
    {0x08, MouseArea::CurrentKeys, false}, {0x09, MouseArea::CurrentKeys, true},
    {0x0A, MouseArea::LightData, false},   {0x0B, MouseArea::LightData, true},
    {0x12, MouseArea::LightFrame, true},   {0x15, MouseArea::MacroImage, true},
    {0x17, MouseArea::ShootImage, true},   {0x1A, MouseArea::Power, false},
};

constexpr uint8_t kBeginSession = 0x01;
constexpr uint8_t kEndSession = 0x02;
constexpr uint8_t kRadioQuery = 0xAA;

void buildDeviceInfo(MemoryArea& info, const MouseModel& model) {
    info.setU16(0, 0x55AA);
    info.set(2, 0x02);  // device class: mouse
    info.setU16(3, model.firmwareVersion);
    info.set(5, model.keySlots);
    info.set(6, model.macroUnits);
    info.set(7, 0);  // a receiver puts the paired model's code here
    info.set(8, kMouseProfileCount);
    info.setU16(9, model.sensorId);
    info.set(11, model.lightCount);
    // Bytes 32-33: the byte sum of bytes 0-31, so a torn read shows.
    uint16_t sum = 0;
    for (size_t i = 0; i < 32; ++i) {
        sum = static_cast<uint16_t>(sum + info.at(i));
    }
    info.setU16(32, sum);
}

void buildProfileBlock(MemoryArea& settings, size_t base) {
    // Light: mode code 1, brightness 3, speed 3, direction 0, multicolour, red.
    const uint8_t light[] = {1, 3, 3, 0, 1, 0xFF, 0x00, 0x00};
    settings.write(base + 1, light, sizeof light);
    settings.set(base + 10, 3);  // polling-rate index via a receiver
    settings.set(base + 11, 3);  // polling-rate index on the cable
    settings.set(base + kProfileActiveStageByte, 1);
    settings.set(base + 13, 0);  // silent altitude
    const uint16_t dpi[] = {400, 800, 1600, 3200, 6400, 12800};
    const uint8_t colours[6][3] = {{0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF},
                                   {0xFF, 0xFF, 0x00}, {0x00, 0xFF, 0xFF}, {0xFF, 0x00, 0xFF}};
    for (size_t i = 0; i < 6; ++i) {
        size_t stage = base + kProfileStagesByte + 9 * i;
        settings.set(stage, 1);      // enabled
        settings.set(stage + 1, 0);  // one DPI for both axes
        settings.setU16(stage + 2, dpi[i]);
        settings.setU16(stage + 4, dpi[i]);
        settings.write(stage + 6, colours[i], 3);
    }
    settings.setU16(base + 68, 180);  // deep sleep after 180 s
    settings.set(base + 70, 4);       // debounce 4 ms
}

}  // namespace

MouseFirmware::MouseFirmware(const MouseModel& model) : model_(model) {
    restoreFactory();
}

void MouseFirmware::restoreFactory() {
    bool charging = area(MouseArea::Power).at(1) != 0;  // the cable stays where it is
    area(MouseArea::DeviceInfo) = MemoryArea("DeviceInfo", kDeviceInfoSize);
    area(MouseArea::Settings) = MemoryArea("Settings", kMouseProfileCount * kProfileStride);
    area(MouseArea::FactoryKeys) = MemoryArea("FactoryKeys", kKeyPageSize);
    area(MouseArea::CurrentKeys) = MemoryArea("CurrentKeys", kKeyPageSize);
    area(MouseArea::LightData) = MemoryArea("LightData", kLightAreaSize);
    area(MouseArea::LightFrame) = MemoryArea("LightFrame", kLightAreaSize);
    area(MouseArea::MacroImage) = MemoryArea("MacroImage", size_t{model_.macroUnits} * 128);
    area(MouseArea::ShootImage) = MemoryArea("ShootImage", kShootImageSize);
    area(MouseArea::Power) = MemoryArea("Power", kPowerBlockSize);

    buildDeviceInfo(area(MouseArea::DeviceInfo), model_);
    for (int p = 0; p < kMouseProfileCount; ++p) {
        buildProfileBlock(area(MouseArea::Settings), static_cast<size_t>(p) * kProfileStride);
    }
    MemoryArea& factory = area(MouseArea::FactoryKeys);
    for (size_t j = 0; j < kMouseFactoryCodeCount; ++j) {
        factory.write(size_t{model_.factorySlots[j]} * 3, kMouseFactoryCodes[j].data(), 3);
    }
    area(MouseArea::CurrentKeys).write(0, factory.bytes().data(), kKeyPageSize);
    for (size_t light = 0; light < model_.lightCount; ++light) {
        const uint8_t red[] = {0xFF, 0x00, 0x00};
        area(MouseArea::LightData).write(light * 3, red, 3);
    }
    setBattery(80);
    setCharging(charging);
    sessionOpen_ = false;
}

void MouseFirmware::setBattery(uint8_t percent) {
    area(MouseArea::Power).set(0, std::min<uint8_t>(percent, 100));
}

void MouseFirmware::setCharging(bool charging) {
    area(MouseArea::Power).set(1, charging ? 1 : 0);
}

int MouseFirmware::activeProfile() const {
    return area(MouseArea::Settings).at(0);
}

uint16_t MouseFirmware::selectProfile(int profile) {
    if (profile < 0 || profile >= kMouseProfileCount) {
        return 0;
    }
    area(MouseArea::Settings).set(0, static_cast<uint8_t>(profile));
    return static_cast<uint16_t>(0x1000 | profile);
}

uint16_t MouseFirmware::selectStage(int stage) {
    if (stage < 0 || stage >= 6) {
        return 0;
    }
    int profile = activeProfile();
    if (profile >= kMouseProfileCount) {
        return 0;
    }
    size_t base = static_cast<size_t>(profile) * kProfileStride;
    area(MouseArea::Settings).set(base + kProfileActiveStageByte, static_cast<uint8_t>(stage));
    return static_cast<uint16_t>(0x1100 | (stage << 4) | profile);
}

CommandResult MouseFirmware::execute(const CommandRequest& request) {
    ++commandCount_;
    CommandResult result;
    switch (request.command) {
        case kBeginSession:
            sessionOpen_ = true;
            return result;
        case kEndSession:
            sessionOpen_ = false;
            return result;
        case kRadioQuery:
            result.data[0] = 0xFF;
            return result;
        default:
            break;
    }
    for (const AreaCommand& entry : kAreaCommands) {
        if (entry.command != request.command) {
            continue;
        }
        MemoryArea& target = area(entry.area);
        bool ok = entry.write ? target.write(request.offset, request.data.data(), request.length)
                              : target.read(request.offset, request.length, result.data.data());
        return ok ? result : refused();
    }
    return refused();
}

}  // namespace vorn::emulator
