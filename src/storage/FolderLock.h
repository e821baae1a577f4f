#pragma once
// Exclusive use of a data folder for one read-modify-write: an advisory lock (flock) on
// the lock file ".lock" in the folder, held while the object lives. Every process of the
// program (the application, vornctl) takes it before it reads a document it will change
// and keeps it until the change is on disk, so two processes never interleave their
// changes of a profile list or profile. Threads are excluded too.
//
// The lock is re-entrant within a thread: an operation that holds it may call others that
// take it again. A folder where the lock file cannot be made (read-only, missing) is used
// without the lock; nothing could be written there anyway.

#include <string>

namespace vorn::storage {

inline constexpr char kFolderLockFileName[] = ".lock";

class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Whether this thread now holds the folder's lock.
    bool held() const { return held_; }

  private:
    std::string key_;
    bool held_ = false;
};

// The folder of a file path ("" for a bare name, which means the working folder).
std::string FolderOfFile(const std::string& path);

}  // namespace vorn::storage
