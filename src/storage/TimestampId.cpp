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

namespace {

constexpr std::size_t kTimestampFields = 7;

// The seven numeric fields of a time-stamp identifier; false for any other text.
bool timestampFields(std::string_view id, unsigned long long (&fields)[kTimestampFields]) {
    std::size_t field = 0;
    bool digits = false;
    fields[0] = 0;
    for (char c : id) {
        if (c == '_') {
            if (!digits || ++field == kTimestampFields) {
                return false;
            }
            fields[field] = 0;
            digits = false;
        } else if (c >= '0' && c <= '9' && fields[field] < 100000000000ull) {
            fields[field] = fields[field] * 10 + static_cast<unsigned>(c - '0');
            digits = true;
        } else {
            return false;
        }
    }
    return digits && field + 1 == kTimestampFields;
}

}  // namespace

bool TimestampIdLess(std::string_view a, std::string_view b) {
    unsigned long long x[kTimestampFields];
    unsigned long long y[kTimestampFields];
    const bool stampA = timestampFields(a, x);
    const bool stampB = timestampFields(b, y);
    if (stampA != stampB) {
        return stampA;
    }
    if (!stampA) {
        return a < b;
    }
    for (std::size_t i = 0; i < kTimestampFields; ++i) {
        if (x[i] != y[i]) {
            return x[i] < y[i];
        }
    }
    return a < b;
}

}  // namespace vorn::storage
