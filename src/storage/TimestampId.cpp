#include "storage/TimestampId.h"

#include "platform/text/Text.h"

namespace vorn::storage {

std::string MakeTimestampId() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    return MakeTimestampId(local, static_cast<int>(now.tv_nsec / 1000000));
}

std::string MakeTimestampId(const std::tm& localTime, int milliseconds) {
    return platform::formatText("%d_%02d_%02d_%02d_%02d_%02d_%03d", localTime.tm_year + 1900,
                                localTime.tm_mon + 1, localTime.tm_mday, localTime.tm_hour,
                                localTime.tm_min, localTime.tm_sec, milliseconds);
}

}  // namespace vorn::storage
