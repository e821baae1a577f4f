#pragma once
// Whole-file reads and writes. Every document the program stores is written through
// writeFileAtomically, so a crash, a full disk or a read-only folder can never leave a
// half-written or emptied file behind: the target holds either its old or its new bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn::platform {

// Largest file readWholeFile accepts unless told otherwise; stored documents are far smaller.
inline constexpr std::size_t kMaxWholeFileBytes = 64u * 1024u * 1024u;

// Replaces the file at path by bytes. The bytes go to a new temporary file in the same
// folder ("<name>.tmpXXXXXX"), which is flushed to disk and then renamed over the target;
// the folder is flushed after the rename. An existing target keeps its permission bits; a
// new file gets 0644 less the umask. A symbolic link is followed, so the link stays and
// the file it points to is replaced. A target that exists but is no regular file (a
// folder, a device, a pipe) is refused, and so is one the process may not write (no write
// permission on the file itself): renaming over it would bypass its protection. On any
// failure the temporary file is removed, the old file is left untouched and the result is
// false; errno holds the cause.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that interrupted writes left in folder ("<name>.tmpXXXXXX"
// as writeFileAtomically makes them) once they are older than maxAgeSeconds; younger ones
// may belong to a write under way in another process. Returns how many were removed.
int removeStaleTemporaries(const std::string& folder, long maxAgeSeconds);

// Reads a whole regular file into out. False (and out empty) when the file is missing or
// unreadable, is no regular file (a folder, a device such as /dev/zero, a pipe: none of
// them can make the call block or run without end), or holds more than maxBytes. When
// error is given it receives 0 on success, else the errno value of the cause.
bool readWholeFile(const std::string& path, std::string& out, int* error = nullptr,
                   std::size_t maxBytes = kMaxWholeFileBytes);

// Writes every byte to an open descriptor, going on after short or interrupted writes.
// False on the first error (errno tells which).
bool writeAllBytes(int fd, std::string_view bytes);

}  // namespace vorn::platform
