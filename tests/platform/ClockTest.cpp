#include <gtest/gtest.h>

#include "platform/clock/Clock.h"

using namespace vorn::platform;

TEST(Clock, VirtualTimeMovesOnlyByAdvanceAndSleep) {
    VirtualClock clock(1000);
    EXPECT_EQ(clock.tickCount(), 1000u);
    clock.advance(5);
    EXPECT_EQ(clock.tickCount(), 1005u);
    clock.sleepMs(20);  // returns at once, yet the pause is visible in the time
    EXPECT_EQ(clock.tickCount(), 1025u);
}

TEST(Clock, OverrideRoutesFreeFunctionsAndRestoresPreviousClock) {
    VirtualClock outer(100);
    VirtualClock inner(7);
    {
        ClockOverride useOuter(outer);
        EXPECT_EQ(tickCount(), 100u);
        {
            ClockOverride useInner(inner);
            sleepMs(20);
            EXPECT_EQ(tickCount(), 27u);
        }
        EXPECT_EQ(&currentClock(), &outer);
        EXPECT_EQ(outer.tickCount(), 100u);
    }
    EXPECT_EQ(&currentClock(), &systemClock());
    std::uint64_t a = tickCount();
    EXPECT_GE(tickCount(), a);
}
