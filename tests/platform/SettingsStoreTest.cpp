#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "platform/settings/SettingsStore.h"
#include "support/TempHome.h"

using namespace vorn::platform;
namespace fs = std::filesystem;
using vorn::test::readBytes;
using vorn::test::writeBytes;

namespace {

fs::path settingsFile(const vorn::test::TempHome& home) {
    return home.configHome() / "VORN  8K Gaming Mouse" / "settings.json";
}

std::size_t filesIn(const fs::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(SettingsStore, ValuesSurviveInTheUserSettingsFile) {
    vorn::test::TempHome home;
    SettingsStore store;
    EXPECT_EQ(store.filePath(), settingsFile(home).string());
    EXPECT_EQ(store.readInt("LANGUAGE", 7), 7);  // no file yet
    ASSERT_TRUE(store.writeInt("LANGUAGE", 1));
    ASSERT_TRUE(store.writeString("skin", "\xE4\xB8\xAD\xE6\x96\x87 \"q\""));
    ASSERT_TRUE(store.writeInt("big", -5000000000));

    SettingsStore again;
    EXPECT_EQ(again.readInt("LANGUAGE", 0), 1);
    EXPECT_EQ(again.readString("skin", ""), "\xE4\xB8\xAD\xE6\x96\x87 \"q\"");
    EXPECT_EQ(again.readInt("big", 0), -5000000000);
    EXPECT_EQ(again.readString("missing", "x"), "x");
    EXPECT_EQ(filesIn(settingsFile(home).parent_path()), 1u);  // no temporary left
}

TEST(SettingsStore, BrokenOrWronglyTypedFileReadsAsFallback) {
    vorn::test::TempHome home;
    SettingsStore store;
    for (const char* content :
         {"{\"LANGUAGE\": 1", "", "[1]", "{\"LANGUAGE\": 1} x", "{\"LANGUAGE\": \"1\"}",
          "{\"LANGUAGE\": 1.5}", "{\"LANGUAGE\": 99999999999999999999}"}) {
        writeBytes(settingsFile(home), content);
        EXPECT_EQ(store.readInt("LANGUAGE", -1), -1) << content;
    }
    writeBytes(settingsFile(home), "{\"LANGUAGE\": 2, \"name\": 3}");
    EXPECT_EQ(store.readString("name", "fb"), "fb");
    EXPECT_EQ(store.readString("LANGUAGE", "fb"), "fb");

    writeBytes(settingsFile(home), "{not json");
    ASSERT_TRUE(store.writeInt("LANGUAGE", 3));  // replaces the unreadable file
    EXPECT_EQ(store.readInt("LANGUAGE", -1), 3);
}

TEST(SettingsStore, FailedWriteKeepsOldFileAndReportsFalse) {
    vorn::test::TempHome home;
    SettingsStore store;
    ASSERT_TRUE(store.writeInt("LANGUAGE", 1));
    std::string before = readBytes(settingsFile(home));

    // A file size limit stands in for a full disk: the write stops part way.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = before.size() + 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool written = store.writeString("skin", std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(settingsFile(home)), before);
    EXPECT_EQ(filesIn(settingsFile(home).parent_path()), 1u);
    EXPECT_EQ(store.readInt("LANGUAGE", 0), 1);
}

TEST(SettingsStore, UnusableFolderFailsWithoutThrowing) {
    vorn::test::TempHome home;
    writeBytes(home.configHome() / "VORN  8K Gaming Mouse", "a file where the folder belongs");
    SettingsStore store;
    EXPECT_FALSE(store.writeInt("LANGUAGE", 1));
    EXPECT_EQ(store.readInt("LANGUAGE", 4), 4);
}
