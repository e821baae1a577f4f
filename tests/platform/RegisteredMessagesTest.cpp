#include <gtest/gtest.h>

#include "platform/loop/RegisteredMessages.h"

using namespace vorn::platform;

TEST(RegisteredMessages, OneNameOneIdForTheWholeProcess) {
    const std::uint32_t a = RegisterWindowMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBF15}");
    const std::uint32_t b = RegisterWindowMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBE19}");
    EXPECT_GE(a, kFirstRegisteredMessage);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBF15}"), a);
    EXPECT_EQ(FindRegisteredMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBE19}"), b);
    EXPECT_EQ(RegisteredMessageName(b), "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}");
    EXPECT_EQ(FindRegisteredMessage("never registered"), 0u);
    EXPECT_FALSE(RegisteredMessageName(0x0401).has_value());
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}
