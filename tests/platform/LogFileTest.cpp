#include <gtest/gtest.h>

#include <filesystem>

#include "platform/debug/LogFile.h"
#include "support/TempHome.h"

using namespace vorn::platform;
using vorn::test::readBytes;
using vorn::test::TempHome;
using vorn::test::writeBytes;
namespace fs = std::filesystem;

namespace {

std::tm march5() { return vorn::test::makeLocalTime(2026, 3, 5, 7, 8, 9); }

fs::path logPath(const TempHome& home) {
    return home.dataHome() / "VORN  P6" / "Ombrix.log";
}

}  // namespace

TEST(LogFile, AppendsTimeStampedLinesInUtf8) {
    TempHome home;
    fs::create_directories(home.dataHome() / "VORN  P6");
    EXPECT_EQ(logFilePath(), logPath(home).string());

    appendLogLine("m_nCommandDeviceLink    FALSE", march5());
    appendLogLine("\xC3\x84", march5());
    EXPECT_EQ(readBytes(logPath(home)),
              "2026-03-05-07-08-09:m_nCommandDeviceLink    FALSE\n"
              "2026-03-05-07-08-09:\xC3\x84\n");

    appendLogLine("now");
    std::string text = readBytes(logPath(home));
    EXPECT_EQ(text.substr(text.size() - 5), ":now\n");
}

TEST(LogFile, LogOverFourMebibytesIsEmptiedButOneOfExactlyFourIsAppended) {
    TempHome home;
    const std::string line = "2026-03-05-07-08-09:lost\n";

    writeBytes(logPath(home), "");
    fs::resize_file(logPath(home), 4194304);
    appendLogLine("lost", march5());
    EXPECT_EQ(fs::file_size(logPath(home)), 4194304u + line.size());

    fs::resize_file(logPath(home), 4194305);
    appendLogLine("lost", march5());
    EXPECT_EQ(readBytes(logPath(home)), line);
}

TEST(LogFile, MissingFolderPrintsErrorLineAndCreatesNothing) {
    TempHome home;
    testing::internal::CaptureStderr();
    appendLogLine("lost", march5());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "unable to open log file\n");
    EXPECT_FALSE(fs::exists(home.dataHome() / "VORN  P6"));
}
