#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/paths/Paths.h"
#include "support/TempHome.h"

using namespace vorn::platform;
namespace fs = std::filesystem;

TEST(Paths, XdgFoldersHonouredAndRelativeOnesIgnored) {
    vorn::test::TempHome home;
    EXPECT_EQ(localAppDataFolder(), home.dataHome().string() + "/");
    EXPECT_EQ(configFolder(), home.configHome().string() + "/");
    EXPECT_EQ(tempFolder(), (home.root() / "tmp").string() + "/");

    std::string homeDir = (home.root() / "home").string();
    setenv("XDG_DATA_HOME", "relative/data", 1);
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(localAppDataFolder(), homeDir + "/.local/share/");
    EXPECT_EQ(configFolder(), homeDir + "/.config/");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(localAppDataFolder(), homeDir + "/.local/share/");
}

TEST(Paths, UserAndDeviceFoldersCreatedWithExactNames) {
    vorn::test::TempHome home;
    fs::path user = home.dataHome() / "VORN  8K Gaming Mouse";
    ASSERT_FALSE(fs::exists(user));
    EXPECT_EQ(userFolder(), user.string() + "/");
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_EQ(deviceDataFolder("VORN-T4Ultra"), (user / "VORN-T4Ultra").string() + "/");
    EXPECT_TRUE(fs::is_directory(user / "VORN-T4Ultra"));
}
