#pragma once
// Helpers shared by the profile tests: documents written from JSON text, read back, and a
// read-only folder that even a test running as root cannot write into.

#include <gtest/gtest.h>
#include <json/json.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "storage/DataFile.h"
#include "storage/FolderLock.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

namespace vorn::test {

inline Json::Value parseJson(const std::string& text) {
    Json::Value value;
    Json::CharReaderBuilder builder;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    EXPECT_TRUE(reader->parse(text.data(), text.data() + text.size(), &value, &errors))
        << errors << "\n"
        << text;
    return value;
}

inline void writeJson(const std::filesystem::path& path, const Json::Value& value) {
    std::filesystem::create_directories(path.parent_path());
    storage::WriteJsonFile(path.string(), value);
}

inline Json::Value readJson(const std::filesystem::path& path) {
    return storage::ReadJsonFile(path.string());
}

// The files of folder, without the folder's lock file (it holds no data).
inline std::set<std::string> fileNamesIn(const std::filesystem::path& folder) {
    std::set<std::string> names = namesIn(folder);
    names.erase(storage::kFolderLockFileName);
    return names;
}

// Lets the unprivileged user 65534 reach folder (every folder above it gains search and
// read permission for others).
inline void openPathForOthers(const TempHome& home, const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    for (fs::path p = folder; p != home.root().parent_path() && !p.empty(); p = p.parent_path()) {
        fs::permissions(p, fs::perms::others_exec | fs::perms::others_read, fs::perm_options::add);
    }
}

// Runs body in a child process that has given up root (root ignores permission bits).
// Returns false when privileges cannot be dropped here.
inline bool runWithoutRoot(const std::function<void()>& body) {
    const int result = runInChild([&] {
        if (!dropRootInChild()) {
            return 2;
        }
        body();
        return 0;
    });
    EXPECT_NE(result, -1) << "the child crashed";
    return result != 2;
}

// Makes folder read-only and runs body without root privileges.
inline bool runInReadOnlyFolder(const TempHome& home, const std::filesystem::path& folder,
                                const std::function<void()>& body) {
    openPathForOthers(home, folder);
    chmod(folder.c_str(), 0555);
    const bool ran = runWithoutRoot(body);
    chmod(folder.c_str(), 0755);
    return ran;
}

// Gives folder and its files to the unprivileged user, as a user's own data folder is,
// and runs body as that user: permission bits set on single files then apply.
inline bool runAsFolderOwner(const TempHome& home, const std::filesystem::path& folder,
                             const std::function<void()>& body) {
    openPathForOthers(home, folder);
    EXPECT_EQ(chown(folder.c_str(), 65534, 65534), 0);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(lchown(entry.path().c_str(), 65534, 65534), 0);
    }
    return runWithoutRoot(body);
}

}  // namespace vorn::test
