#include "platform/debug/LogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/files/WholeFile.h"
#include "platform/paths/Paths.h"
#include "platform/text/Text.h"

namespace vorn::platform {

std::string logFilePath() {
    return localAppDataFolder() + std::string(kLogFolderName) + "/" + std::string(kLogFileName);
}

void appendLogLine(std::string_view message) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    appendLogLine(message, local);
}

void appendLogLine(std::string_view message, const std::tm& localTime) {
    std::string path = logFilePath();
    // O_NONBLOCK: a pipe in place of the log must not make the caller wait for a reader.
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY,
                    0644);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) {
        std::fputs("unable to open log file\n", stderr);
        return;
    }
    off_t size = ::lseek(fd, 0, SEEK_END);
    if (size > kLogSizeLimit) {
        // Writes append, so after emptying the file the line lands at its start.
        if (::ftruncate(fd, 0) != 0) {
            ::close(fd);
            return;
        }
    }
    std::string line =
        formatText("%4d-%02d-%02d-%02d-%02d-%02d:", localTime.tm_year + 1900, localTime.tm_mon + 1,
                   localTime.tm_mday, localTime.tm_hour, localTime.tm_min, localTime.tm_sec);
    line.append(message);
    line.push_back('\n');
    // A failed write has nobody to tell; the next line tries again.
    writeAllBytes(fd, line);
    ::close(fd);
}

}  // namespace vorn::platform
