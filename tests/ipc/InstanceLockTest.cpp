#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "platform/ipc/InstanceLock.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

using namespace vorn::platform::ipc;

TEST(InstanceLock, OneProcessHoldsItUntilItEnds) {
    vorn::test::TempHome home;
    const std::string path = (home.root() / "vorn.lock").string();
    auto first = InstanceLock::tryTake(path);
    ASSERT_TRUE(first);
    const auto otherProcessTakes = [&] {
        return vorn::test::runInChild([&] {
            int error = 0;
            auto lock = InstanceLock::tryTake(path, &error);
            return lock ? 0 : error == EWOULDBLOCK ? 1 : 2;
        });
    };
    EXPECT_EQ(otherProcessTakes(), 1);
    first.reset();
    EXPECT_EQ(otherProcessTakes(), 0);

    int error = 0;
    EXPECT_FALSE(InstanceLock::tryTake((home.root() / "no" / "vorn.lock").string(), &error));
    EXPECT_EQ(error, ENOENT);
}

TEST(InstanceLock, DefaultPathIsTheUsersOwn) {
    vorn::test::TempHome home;
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string runtime = saved != nullptr ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(DefaultInstanceLockPath(), "/run/user/1000/vorn.lock");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(DefaultInstanceLockPath(),
              std::string(std::getenv("TMPDIR")) + "/vorn-" + std::to_string(getuid()) + ".lock");
    if (saved != nullptr) {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
}
