#include "platform/files/WholeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

namespace vorn::platform {
namespace {

// Closes a descriptor when it goes out of scope; keeps errno as it was.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (a delayed write error shows here).
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }
    void reset() {
        if (fd_ >= 0) {
            int saved = errno;
            ::close(fd_);
            errno = saved;
            fd_ = -1;
        }
    }

  private:
    int fd_;
};

constexpr char kTemporaryMark[] = ".tmp";
constexpr std::size_t kTemporaryRandom = 6;
constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Six characters that make a temporary name unique among concurrent writers.
std::string uniqueSuffix() {
    static std::atomic<unsigned long long> counter{0};
    thread_local std::mt19937_64 engine{std::random_device{}() ^
                                        (static_cast<unsigned long long>(::getpid()) << 32)};
    unsigned long long bits = engine() ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    std::string out;
    for (std::size_t i = 0; i < kTemporaryRandom; ++i) {
        out.push_back(kChars[bits % (sizeof kChars - 1)]);
        bits /= (sizeof kChars - 1);
    }
    return out;
}

// Creates "<target>.tmpXXXXXX" beside the target with O_EXCL, so the umask applies to a
// new file's mode just as for any other file the program creates.
int createTemporary(const std::string& folder, const std::string& name, std::string& tempPath) {
    // Keep the temporary name within NAME_MAX even for a target name near the limit.
    constexpr std::size_t kSuffix = sizeof kTemporaryMark - 1 + kTemporaryRandom;
    std::string stem = name.substr(0, std::min<std::size_t>(name.size(), NAME_MAX - kSuffix));
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + stem + kTemporaryMark + uniqueSuffix();
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Whether a file name has the form createTemporary gives: a stem, ".tmp", six characters.
bool isTemporaryName(const char* name) {
    constexpr std::size_t kMark = sizeof kTemporaryMark - 1;
    const std::size_t length = std::strlen(name);
    if (length <= kMark + kTemporaryRandom) {
        return false;
    }
    const char* tail = name + length - kTemporaryRandom;
    if (std::strncmp(tail - kMark, kTemporaryMark, kMark) != 0) {
        return false;
    }
    for (std::size_t i = 0; i < kTemporaryRandom; ++i) {
        if (std::strchr(kChars, tail[i]) == nullptr) {
            return false;
        }
    }
    return true;
}

void syncFolder(const std::string& folder) {
    Descriptor dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        // The new file is in place already; a folder that cannot be flushed changes nothing.
        ::fsync(dir.get());
    }
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        errno = ENOENT;
        return false;
    }
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            ::free(resolved);
        }
    }
    bool existed = ::stat(target.c_str(), &st) == 0;
    if (existed && !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if (existed && ::access(target.c_str(), W_OK) != 0) {
        return false;  // errno tells why (EACCES, EROFS)
    }

    std::size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) {
        errno = EISDIR;
        return false;
    }

    std::string tempPath;
    Descriptor temp(createTemporary(folder, name, tempPath));
    if (!temp.valid()) {
        return false;
    }
    bool ok = writeAllBytes(temp.get(), bytes);
    if (ok && existed) {
        ok = ::fchmod(temp.get(), st.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(temp.get()) == 0;
    ok = temp.close() && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        int saved = errno;
        ::unlink(tempPath.c_str());
        errno = saved;
        return false;
    }
    syncFolder(folder);
    return true;
}

int removeStaleTemporaries(const std::string& folder, long maxAgeSeconds) {
    const std::string base = folder.empty() ? std::string(".") : folder;
    DIR* dir = ::opendir(base.c_str());
    if (dir == nullptr) {
        return 0;
    }
    const std::string prefix = base.back() == '/' ? base : base + "/";
    const std::time_t oldest = std::time(nullptr) - maxAgeSeconds;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name)) {
            continue;
        }
        const std::string path = prefix + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < oldest &&
            ::unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    ::closedir(dir);
    return removed;
}

bool writeAllBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool readWholeFile(const std::string& path, std::string& out, int* error, std::size_t maxBytes) {
    out.clear();
    auto fail = [&](int code) {
        out.clear();
        out.shrink_to_fit();
        if (error != nullptr) {
            *error = code;
        }
        return false;
    };
    // O_NONBLOCK: opening a pipe without a writer must not wait for one.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
        return fail(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return fail(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        return fail(EFBIG);
    }
    // Read to the end rather than trusting the size: a file may grow meanwhile, and some
    // files report no size at all.
    out.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == out.size()) {
            if (used > maxBytes) {
                return fail(EFBIG);
            }
            out.resize(std::min(maxBytes + 1, std::max<std::size_t>(used * 2, 4096)));
        }
        ssize_t n = ::read(fd.get(), out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) {
        return fail(EFBIG);
    }
    out.resize(used);
    if (error != nullptr) {
        *error = 0;
    }
    return true;
}

}  // namespace vorn::platform
