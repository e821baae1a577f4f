#include "profiles/MouseProfiledata.h"

#include <algorithm>

#include "profiles/JsonFields.h"

namespace vorn::profiles {
namespace {

constexpr char kDpiStages[] = "DPIStages";
constexpr char kStageList[] = "StageDPIs";
constexpr char kStageActive[] = "StageActive";
constexpr char kSystemStages[] = "SystemStages";
constexpr char kReportStages[] = "ReportStages";

using StageByte = FieldKey<DpiStage, std::uint8_t>;
constexpr StageByte kStageBytes[] = {
    {"StageActive", &DpiStage::enabled}, {"StageXY", &DpiStage::separateXY},
    {"StageColorR", &DpiStage::red},     {"StageColorG", &DpiStage::green},
    {"StageColorB", &DpiStage::blue},
};
constexpr char kStageDpiX[] = "StageDPIX";
constexpr char kStageDpiY[] = "StageDPIY";

DpiStage readStage(const Json::Value& element) {
    DpiStage stage;
    readFields(element, kStageBytes, stage);
    stage.setDpiX(static_cast<std::uint16_t>(intMember(element, kStageDpiX)));
    stage.setDpiY(static_cast<std::uint16_t>(intMember(element, kStageDpiY)));
    return stage;
}

void writeStage(Json::Value& element, const DpiStage& stage) {
    writeFields(element, kStageBytes, stage);
    element[kStageDpiX] = stage.dpiX();
    element[kStageDpiY] = stage.dpiY();
}

using SettingKey = FieldKey<MouseSystemSettings, std::uint16_t>;
// Written back as they are.
constexpr SettingKey kWrittenSettings[] = {
    {"DoubleClickTime", &MouseSystemSettings::doubleClickTime},
    {"MouseSpeed", &MouseSystemSettings::mouseSpeed},
    {"PointerPrecision", &MouseSystemSettings::pointerPrecision},
    {"ScorllPage", &MouseSystemSettings::scrollPage},
    {"WheelScorlllinse", &MouseSystemSettings::wheelScrollLines},
    {"DormancyTime", &MouseSystemSettings::dormancyTime},
    {"SilentAltitudeItem", &MouseSystemSettings::silentAltitude},
    {"AntiShake", &MouseSystemSettings::antiShake},
    {"SensorLif", &MouseSystemSettings::sensorLift, true},
    {"MotionSync", &MouseSystemSettings::motionSync, true},
    {"LinearCalibration", &MouseSystemSettings::linearCalibration},
    {"KeyDelay", &MouseSystemSettings::keyDelay},
    {"DeepSleepOff", &MouseSystemSettings::deepSleepOff},
    {"ReportSelectItemUSB", &MouseSystemSettings::reportSelectUsb},
    {"ReportSelectItem24K", &MouseSystemSettings::reportSelect24k},
};
// Carried unchanged: read, never written.
constexpr SettingKey kCarriedSettings[] = {
    {"sleeptime", &MouseSystemSettings::sleepTime},
    {"sleeptimeH", &MouseSystemSettings::sleepTimeH},
};
constexpr SettingKey kReportSetting[] = {
    {kStageActive, &MouseSystemSettings::reportStage},
};

}  // namespace

const std::vector<DpiStage>& CMouseProfiledata::ReadDpiStages(int sensor) {
    const Json::Value* sensors = findArray(CurrentEntry(), kDpiStages);
    const Json::Value* perSensor = sensors != nullptr ? findObjectAt(*sensors, sensor) : nullptr;
    if (perSensor == nullptr) {
        return stages_;
    }
    activeStage_ = intMember(*perSensor, kStageActive);
    if (const Json::Value* list = findArray(*perSensor, kStageList)) {
        for (Json::ArrayIndex i = 0; i < list->size(); ++i) {
            const DpiStage stage = readStage((*list)[i]);
            if (i < stages_.size()) {
                stages_[i] = stage;
            } else {
                stages_.push_back(stage);
            }
        }
    }
    return stages_;
}

void CMouseProfiledata::WriteDpiStages(int sensor, std::span<const DpiStage> stages) {
    stages_.assign(stages.begin(), stages.end());
    if (!isWritableIndex(sensor)) {
        return;
    }
    Json::Value& list =
        arrayMember(objectAt(arrayMember(currentEntry(), kDpiStages), sensor), kStageList);
    for (std::size_t i = 0; i < stages.size() && isWritableIndex(static_cast<std::int64_t>(i));
         ++i) {
        writeStage(objectAt(list, static_cast<std::int64_t>(i)), stages[i]);
    }
}

void CMouseProfiledata::WriteActiveStage(int sensor, std::int32_t stage) {
    activeStage_ = stage;
    if (isWritableIndex(sensor)) {
        objectAt(arrayMember(currentEntry(), kDpiStages), sensor)[kStageActive] = stage;
    }
}

MouseSystemSettings CMouseProfiledata::ReadSystemSettings() const {
    MouseSystemSettings settings;
    const Json::Value* system = findObject(CurrentEntry(), kSystemStages);
    if (system == nullptr) {
        return settings;
    }
    readFields(*system, kWrittenSettings, settings);
    readFields(*system, kCarriedSettings, settings);
    if (const Json::Value* report = findObject(CurrentEntry(), kReportStages)) {
        readFields(*report, kReportSetting, settings);
    }
    return settings;
}

void CMouseProfiledata::WriteSystemSettings(const MouseSystemSettings& settings) {
    writeFields(objectMember(currentEntry(), kSystemStages), kWrittenSettings, settings);
    writeFields(objectMember(currentEntry(), kReportStages), kReportSetting, settings);
}

void CMouseProfiledata::SetCurrentKeyTable(std::span<const std::uint8_t> table) {
    currentKeyTable_.fill(0);
    std::copy_n(table.begin(), std::min(table.size(), currentKeyTable_.size()),
                currentKeyTable_.begin());
}

void CMouseProfiledata::SetButtonSlotMap(std::span<const std::uint8_t> map) {
    buttonSlotMap_.assign(map.begin(), map.end());
}

const std::vector<KeyRecord>& CMouseProfiledata::ReadKeyListWithOverlay() {
    overlaidKeys_ = ReadKeyList();
    const std::size_t count = std::min(buttonSlotMap_.size(), overlaidKeys_.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t slot = buttonSlotMap_[i];
        // A slot whose bytes lie beyond the table cannot be one of the mouse's.
        if (slot == kNoKeySlot || 3 * slot + 2 >= currentKeyTable_.size()) {
            continue;
        }
        overlaidKeys_[i].current = {currentKeyTable_[3 * slot], currentKeyTable_[3 * slot + 1],
                                    currentKeyTable_[3 * slot + 2]};
    }
    return overlaidKeys_;
}

}  // namespace vorn::profiles
