#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/settings/IniFile.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

using namespace vorn::platform;
using vorn::test::readBytes;
using vorn::test::writeBytes;

TEST(IniFile, ValuesAreSetInTheirSectionAndOtherLinesStay) {
    vorn::test::TempHome home;
    const std::string path = (home.root() / "main.ini").string();
    ASSERT_TRUE(writeIniString(path, "SKINIMAGE", "FLAGS", "1"));
    ASSERT_TRUE(writeIniString(path, "SKINIMAGE", "IMAGE", "main/skin_2.png"));
    EXPECT_EQ(readBytes(home.root() / "main.ini"), "[SKINIMAGE]\nFLAGS=1\nIMAGE=main/skin_2.png\n");

    writeBytes(
        home.root() / "main.ini",
        "; kept\r\n[OTHER]\r\nFLAGS=7\r\n\r\n[SKINIMAGE]\r\nFLAGS = 1\r\n\r\n[LAST]\r\nx=y\r\n");
    ASSERT_TRUE(writeIniString(path, "SKINIMAGE", "FLAGS", "0"));
    ASSERT_TRUE(writeIniString(path, "SKINIMAGE", "IMAGE", "common/background.png"));
    EXPECT_EQ(
        readBytes(home.root() / "main.ini"),
        "; kept\r\n[OTHER]\r\nFLAGS=7\r\n\r\n[SKINIMAGE]\r\nFLAGS=0\nIMAGE=common/background.png\n"
        "\r\n[LAST]\r\nx=y\r\n");
    EXPECT_EQ(readIniString(path, "SKINIMAGE", "FLAGS"), "0");
    EXPECT_EQ(readIniString(path, "OTHER", "FLAGS"), "7");
    EXPECT_EQ(readIniString(path, "LAST", "missing", "none"), "none");
    EXPECT_EQ(readIniString(path + ".no", "LAST", "x", "none"), "none");
}

TEST(IniFile, AFileThatCannotBeReadIsLeftAlone) {
    vorn::test::TempHome home;
    const auto file = home.root() / "main.ini";
    writeBytes(file, "[SKINIMAGE]\nIMAGE=mine.png\n");
    chmod(file.c_str(), 0200);  // writable, not readable
    chmod(home.root().c_str(), 0777);
    const int result = vorn::test::runInChild([&] {
        if (!vorn::test::dropRootInChild()) {
            return 2;
        }
        return !writeIniString(file.string(), "SKINIMAGE", "FLAGS", "1") && errno == EACCES ? 0 : 1;
    });
    chmod(file.c_str(), 0644);
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readBytes(file), "[SKINIMAGE]\nIMAGE=mine.png\n");
}

#include "platform/shell/FileDialogs.h"

TEST(FileDialogs, FilterPatternsAndScriptedAnswers) {
    EXPECT_EQ(filterPatterns("(*.png) | *.png |(*.*)|*.*||"),
              (std::vector<std::string>{"*.png", "*.*"}));
    EXPECT_TRUE(filterPatterns("").empty());
    EXPECT_FALSE(fileDialogs().openFile({"t", "", ""}));  // nothing installed: cancelled
    ScriptedFileDialogs scripted;
    scripted.answers = {std::string("/a.png"), std::nullopt};
    setFileDialogs(&scripted);
    EXPECT_EQ(fileDialogs().openFile({"t", "f", "png"}), std::string("/a.png"));
    EXPECT_FALSE(fileDialogs().openFile({"t", "f", "png"}));
    EXPECT_FALSE(fileDialogs().saveFile({"t", "f", "png"}));
    setFileDialogs(nullptr);
    ASSERT_EQ(scripted.asked.size(), 3u);
    EXPECT_EQ(scripted.asked[0].defaultExtension, "png");
}
