#include "devices/mouse/PreviewCounter.h"

#include <algorithm>

namespace vorn::devices::mouse {
namespace {

// A pass counts when the tick has moved on by more than 1 since the remembered one.
constexpr std::uint64_t kCountingStep = 2;

}  // namespace

void PreviewCounter::restart(std::uint64_t now) {
    count_ = 0;
    remembered_ = now;
    lastPass_ = now;
}

// The next pass that changes anything: the very next one when the count has already reached
// the interval (it runs the frame), else the next one that counts.
std::uint64_t PreviewCounter::nextPass(std::uint8_t interval) const {
    if (count_ >= interval) {
        return lastPass_ + 1;
    }
    return std::max(lastPass_ + 1, remembered_ + kCountingStep);
}

bool PreviewCounter::passUntil(std::uint64_t until, std::uint8_t interval) {
    bool framed = false;
    PreviewCounter afterFrame;
    while (lastPass_ < until) {
        const std::uint64_t pass = nextPass(interval);
        if (pass > until) {
            lastPass_ = until;
            break;
        }
        if (pass - remembered_ >= kCountingStep) {
            ++count_;
            remembered_ = pass;
        }
        lastPass_ = pass;
        if (count_ >= interval) {
            count_ = 0;
            if (framed) {
                *this = afterFrame;
                lastPass_ = until;
                break;
            }
            framed = true;
            afterFrame = *this;
        }
    }
    return framed;
}

void PreviewCounter::skipUntil(std::uint64_t until) {
    lastPass_ = std::max(lastPass_, until);
}

std::uint64_t PreviewCounter::nextFrameTick(std::uint8_t interval) const {
    if (count_ >= interval) {
        return lastPass_ + 1;
    }
    const std::uint64_t firstCount = nextPass(interval);
    return firstCount + kCountingStep * (interval - count_ - 1);
}

}  // namespace vorn::devices::mouse
