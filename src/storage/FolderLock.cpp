#include "storage/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <string>

#include "platform/debug/DebugSink.h"

namespace vorn::storage {
namespace {

struct HeldLock {
    int fd = -1;
    int depth = 0;
};

// The locks this thread holds, by folder. flock excludes every other open of the lock
// file, this process's other threads included, so only re-entry needs bookkeeping.
std::map<std::string, HeldLock>& heldByThisThread() {
    thread_local std::map<std::string, HeldLock> held;
    return held;
}

std::string folderPath(const std::string& folder) {
    return folder.empty() ? std::string(".") : folder;
}

// The folder's identity (device and inode), so that two spellings of one folder ("a/b",
// "a/b/", "./a/b") are one lock: taking it twice in one thread must not wait on itself.
// Empty when the folder cannot be examined.
std::string folderKey(const std::string& folder) {
    struct stat st {};
    if (::stat(folderPath(folder).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        return {};
    }
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

int openAndLock(const std::string& folder) {
    const std::string path = folder + "/" + kFolderLockFileName;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        // A lock file that is there already locks as well when it may only be read.
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    }
    if (fd < 0) {
        return -1;
    }
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int saved = errno;
            ::close(fd);
            errno = saved;
            return -1;
        }
    }
    return fd;
}

}  // namespace

std::string FolderOfFile(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

FolderLock::FolderLock(const std::string& folder) : key_(folderKey(folder)) {
    if (key_.empty()) {
        return;  // a missing folder: nothing there to guard
    }
    auto& held = heldByThisThread();
    auto it = held.find(key_);
    if (it != held.end()) {
        ++it->second.depth;
        held_ = true;
        return;
    }
    const int fd = openAndLock(folderPath(folder));
    if (fd < 0) {
        if (errno != ENOENT && errno != EACCES && errno != EROFS) {
            platform::debugPrintf("%s: not locked: %s", folderPath(folder).c_str(),
                                  std::strerror(errno));
        }
        return;
    }
    held.emplace(key_, HeldLock{fd, 1});
    held_ = true;
}

FolderLock::~FolderLock() {
    if (!held_) {
        return;
    }
    auto& held = heldByThisThread();
    auto it = held.find(key_);
    if (it == held.end() || --it->second.depth > 0) {
        return;
    }
    ::close(it->second.fd);  // closing the last descriptor releases the lock
    held.erase(it);
}

}  // namespace vorn::storage
