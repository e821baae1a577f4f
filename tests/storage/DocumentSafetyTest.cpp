// What becomes of stored documents that cannot be read, are damaged, or are written by two
// processes at once: nothing a user stored may be lost.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <set>
#include <vector>

#include "platform/files/WholeFile.h"
#include "storage/DataFile.h"
#include "storage/FolderLock.h"
#include "storage/TimestampId.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

using namespace vorn::storage;
using vorn::test::namesIn;
using vorn::test::readBytes;
using vorn::test::TempHome;
using vorn::test::writeBytes;
namespace fs = std::filesystem;

namespace {

void ageFile(const fs::path& path, long seconds) {
    const std::time_t then = std::time(nullptr) - seconds;
    const utimbuf times{then, then};
    ASSERT_EQ(utime(path.c_str(), &times), 0);
}

// Whether another process could take the folder's lock right now.
bool lockFreeForOtherProcess(const fs::path& folder) {
    const std::string lockFile = (folder / kFolderLockFileName).string();
    return vorn::test::runInChild([&] {
               int fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT, 0644);
               return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1;
           }) == 0;
}

}  // namespace

TEST(Document, StatesTellMissingEmptyDamagedAndUnreadableApart) {
    TempHome home;
    const fs::path root = home.root();
    writeBytes(root / "empty.Json", "");
    writeBytes(root / "bom.Json", "\xEF\xBB\xBF{\"profilename\": \"Bom\"}");
    writeBytes(root / "cut.Json", "{\"profilename\": \"Cu");
    fs::create_directory(root / "folder.Json");
    // A sparse file one byte over the read cap: too large to read, and never replaced.
    const fs::path huge = root / "huge.Json";
    writeBytes(huge, "{}");
    ASSERT_EQ(::truncate(huge.c_str(), vorn::platform::kMaxWholeFileBytes + 1), 0);

    struct Case {
        const char* file;
        DocumentState state;
        int error;
    };
    for (const Case& c :
         {Case{"missing.Json", DocumentState::Absent, ENOENT},
          Case{"empty.Json", DocumentState::Absent, 0}, Case{"bom.Json", DocumentState::Read, 0},
          Case{"cut.Json", DocumentState::Damaged, 0},
          Case{"folder.Json", DocumentState::Unreadable, EISDIR},
          Case{"huge.Json", DocumentState::Unreadable, EFBIG}}) {
        const Document document = ReadDocument((root / c.file).string());
        EXPECT_EQ(document.state, c.state) << c.file;
        EXPECT_EQ(document.error, c.error) << c.file;
        EXPECT_EQ(document.value.isNull(), c.state != DocumentState::Read) << c.file;
    }
    EXPECT_EQ(ReadJsonFile((root / "bom.Json").string())["profilename"].asString(), "Bom");

    // Reading for an update: absent reads as null, unreadable refuses.
    Json::Value value(7);
    EXPECT_TRUE(ReadDocumentForUpdate((root / "missing.Json").string(), value));
    EXPECT_TRUE(value.isNull());
    int error = 0;
    EXPECT_FALSE(ReadDocumentForUpdate(huge.string(), value, &error));
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(fs::file_size(huge), vorn::platform::kMaxWholeFileBytes + 1);
    EXPECT_FALSE(fs::exists(DamagedCopyPath(huge.string())));
}

TEST(Document, DamagedFileIsKeptWholeBeforeItIsRepaired) {
    TempHome home;
    const fs::path file = home.root() / "ProfileList.ini";
    const std::string first = std::string("{\"profilelist\": [\0\x01", 19);
    writeBytes(file, first);
    Json::Value value;
    EXPECT_TRUE(ReadDocumentForUpdate(file.string(), value));
    EXPECT_TRUE(value.isNull());
    EXPECT_EQ(readBytes(home.root() / "ProfileList.ini.damaged"), first);
    EXPECT_EQ(readBytes(file), first);  // the repair itself is the caller's

    // One copy: the newest damage. A top level that is no object is damage too.
    writeBytes(file, "[1, 2]");
    EXPECT_TRUE(ReadDocumentForUpdate(file.string(), value));
    EXPECT_TRUE(value.isNull());
    EXPECT_EQ(readBytes(home.root() / "ProfileList.ini.damaged"), "[1, 2]");

    writeBytes(file, "{\"a\": 1}");
    EXPECT_TRUE(ReadDocumentForUpdate(file.string(), value));
    EXPECT_EQ(value["a"].asInt(), 1);
    EXPECT_EQ(readBytes(home.root() / "ProfileList.ini.damaged"), "[1, 2]");
}

TEST(Document, DamagedFileIsNotRepairedWhenNoCopyCanBeKept) {
    TempHome home;
    const fs::path folder = home.root() / "profiles";
    const fs::path file = folder / "p.Json";
    writeBytes(file, "{ broken");
    fs::permissions(home.root(), fs::perms::others_exec, fs::perm_options::add);
    chmod(folder.c_str(), 0555);
    const int result = vorn::test::runInChild([&] {
        if (!vorn::test::dropRootInChild()) {
            return 2;
        }
        Json::Value value;
        return ReadDocumentForUpdate(file.string(), value) ? 1 : 0;
    });
    chmod(folder.c_str(), 0755);
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"p.Json"});
}

TEST(Document, FileWithoutWritePermissionIsNeverReplaced) {
    TempHome home;
    const fs::path file = home.root() / "p.Json";
    writeBytes(file, "{\"keep\": 1}");
    chmod(file.c_str(), 0444);
    fs::permissions(home.root(), fs::perms::others_all, fs::perm_options::add);
    const int result = vorn::test::runInChild([&] {
        if (!vorn::test::dropRootInChild()) {
            return 2;
        }
        Json::Value value;
        value["new"] = 1;
        return !StoreJsonFile(file.string(), value) && errno == EACCES ? 0 : 1;
    });
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readBytes(file), "{\"keep\": 1}");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(Document, StaleTemporariesGoOnTheNextWriteAndFreshOnesStay) {
    TempHome home;
    const fs::path root = home.root() / "Mouse";
    fs::create_directories(root);
    for (const char* name : {"a.Json.tmpAb3xYz", "ProfileList.ini.tmp000000", "b.Json.tmpQQQQQQ",
                             "c.Json.tmp12345", "d.Json.tmpABCDEF.x", "e.tmp-_-_-_"}) {
        writeBytes(root / name, "x");
        ageFile(root / name, 120);
    }
    fs::create_directory(root / "f.Json.tmpZZZZZZ");
    ageFile(root / "f.Json.tmpZZZZZZ", 120);
    ageFile(root / "b.Json.tmpQQQQQQ", 10);  // may be a write under way elsewhere

    ASSERT_TRUE(StoreJsonFile((root / "new.Json").string(), Json::Value(Json::objectValue)));
    EXPECT_EQ(namesIn(root),
              (std::set<std::string>{"b.Json.tmpQQQQQQ", "c.Json.tmp12345", "d.Json.tmpABCDEF.x",
                                     "e.tmp-_-_-_", "f.Json.tmpZZZZZZ", "new.Json"}));
}

TEST(FolderLock, HeldAcrossProcessesReentrantWithinAThreadWhateverTheSpelling) {
    TempHome home;
    const fs::path folder = home.root() / "Mouse";
    fs::create_directories(folder);
    EXPECT_TRUE(lockFreeForOtherProcess(folder));
    {
        FolderLock outer(folder.string());
        EXPECT_TRUE(outer.held());
        EXPECT_FALSE(lockFreeForOtherProcess(folder));
        {
            // Another spelling of the same folder re-enters instead of waiting on itself.
            FolderLock inner(folder.string() + "/");
            FolderLock again(FolderOfFile((folder / "x.Json").string()));
            EXPECT_TRUE(inner.held());
            EXPECT_TRUE(again.held());
        }
        EXPECT_FALSE(lockFreeForOtherProcess(folder));  // the outer one still holds
    }
    EXPECT_TRUE(lockFreeForOtherProcess(folder));

    FolderLock missing((home.root() / "nowhere").string());
    EXPECT_FALSE(missing.held());
    EXPECT_FALSE(fs::exists(home.root() / "nowhere"));
}

TEST(TimestampId, OrdersByTheMomentNamedAndPutsOtherNamesLast) {
    std::vector<std::string> ids = {"zeta",
                                    "2024_03_07_09_05_01_042",
                                    "10000_01_01_00_00_00_000",
                                    "2024_03_07_09_05_01_041",
                                    "2023_12_31_23_59_59_999",
                                    "2024_3_7_9_5_1_50",
                                    "alpha",
                                    "2024_03_07_09_05_01"};
    std::sort(ids.begin(), ids.end(), TimestampIdLess);
    EXPECT_EQ(ids, (std::vector<std::string>{"2023_12_31_23_59_59_999", "2024_03_07_09_05_01_041",
                                             "2024_03_07_09_05_01_042", "2024_3_7_9_5_1_50",
                                             "10000_01_01_00_00_00_000", "2024_03_07_09_05_01",
                                             "alpha", "zeta"}));
}
