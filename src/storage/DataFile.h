#pragma once
// Reading and writing the program's stored documents (profiles, the profile list, macro,
// shoot and light files, update and language files). Paths are UTF-8.
//
// A document that does not exist, is empty or does not parse is absent, and callers fall
// back to their defaults. A document that exists but cannot be read (no permission, an I/O
// error, too large, no regular file) is different: it must never be overwritten on the
// strength of a failed read, so code that changes a document reads it with
// ReadDocumentForUpdate, which tells the two apart. Writes replace the file whole (see
// writeFileAtomically), so a failed write leaves the old file, or no file, never a damaged
// one.

#include <json/json.h>

#include <string>

namespace vorn::storage {

enum class DocumentState {
    Read,        // parsed
    Absent,      // no such file, or an empty one
    Damaged,     // bytes that do not parse
    Unreadable,  // exists but could not be read; error holds the errno value
};

struct Document {
    Json::Value value;  // null unless state is Read
    DocumentState state = DocumentState::Absent;
    int error = 0;
};

// The whole file as bytes, ending at its first zero byte; empty when the file is missing,
// unreadable, no regular file or larger than 64 MiB. A failure other than a missing file
// writes one diagnostic line.
std::string ReadFileText(const std::string& path);

// The parsed document (comments allowed, a leading UTF-8 byte-order mark skipped) and what
// became of the read.
Document ReadDocument(const std::string& path);

// The parsed document, or the null value when it is absent, damaged or unreadable.
Json::Value ReadJsonFile(const std::string& path);

// Reads a document that is about to be changed and written back. False when the file
// exists but could not be read: the caller must then leave it alone. A damaged file (one
// that does not parse, or whose top level is no object, which every stored document is)
// is first kept beside the original as "<name>.damaged" and reads as null, so the repair
// that follows loses nothing a user could still recover by hand; when that copy cannot be
// made the result is false as well. error, when given, receives the errno value of a
// failure (0 otherwise).
bool ReadDocumentForUpdate(const std::string& path, Json::Value& out, int* error = nullptr);

// Writes the styled text of value followed by one more line end. True when the file now
// holds it; on failure the old file is left as it was and one diagnostic line is written.
// Temporary files that interrupted writes left in the folder are cleared afterwards.
bool StoreJsonFile(const std::string& path, const Json::Value& value);

// StoreJsonFile for callers that do not ask how it went. Always returns 0.
int WriteJsonFile(const std::string& path, const Json::Value& value);

// Makes target a byte-for-byte copy of source; a missing or empty source gives an empty
// target. An unreadable source leaves the target as it was. False when nothing was copied.
bool CopyFileByChars(const std::string& source, const std::string& target);

// Copies the bytes of path, as they are, to DamagedCopyPath(path) (replacing an older
// copy). False, errno telling why, when that could not be done.
bool KeepDamagedCopy(const std::string& path);

// The name a damaged copy of path is kept under.
std::string DamagedCopyPath(const std::string& path);

}  // namespace vorn::storage
