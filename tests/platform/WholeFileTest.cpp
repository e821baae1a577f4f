#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>

#include "platform/files/WholeFile.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

using namespace vorn::platform;
using vorn::test::namesIn;
using vorn::test::readBytes;
using vorn::test::TempHome;
using vorn::test::writeBytes;
namespace fs = std::filesystem;

namespace {

mode_t modeOf(const fs::path& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

const std::string kOld = "{\r\n   \"old\" : 1\r\n}\r\n";

}  // namespace

TEST(WholeFile, ReplacesWholeFileKeepingPermissionsAndLeavesNoTemporary) {
    TempHome home;
    fs::path folder = home.root() / "docs";
    fs::create_directories(folder);
    fs::path target = folder / "Profile.json";

    mode_t previous = umask(027);
    EXPECT_TRUE(writeFileAtomically(target.string(), "first"));
    umask(previous);
    EXPECT_EQ(readBytes(target), "first");
    EXPECT_EQ(modeOf(target), 0640u);  // 0644 less the umask

    chmod(target.c_str(), 0600);
    std::string binary("a\0b\r\n\xC3\x84", 7);
    EXPECT_TRUE(writeFileAtomically(target.string(), binary));
    EXPECT_EQ(readBytes(target), binary);
    EXPECT_EQ(modeOf(target), 0600u);

    EXPECT_TRUE(writeFileAtomically(target.string(), ""));
    EXPECT_EQ(fs::file_size(target), 0u);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"Profile.json"});
}

TEST(WholeFile, WriteThroughSymbolicLinkReplacesTheLinkedFile) {
    TempHome home;
    writeBytes(home.root() / "real" / "data.json", kOld);
    fs::create_directories(home.root() / "links");
    fs::create_symlink(home.root() / "real" / "data.json", home.root() / "links" / "data.json");

    EXPECT_TRUE(writeFileAtomically((home.root() / "links" / "data.json").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(home.root() / "links" / "data.json"));
    EXPECT_EQ(readBytes(home.root() / "real" / "data.json"), "new");
}

// Root ignores permission bits, so the write runs in a child that has given up root.
TEST(WholeFile, ReadOnlyFolderKeepsOldFileAndLeavesNoTemporary) {
    TempHome home;
    fs::path folder = home.root() / "readonly";
    fs::path target = folder / "Profile.json";
    writeBytes(target, kOld);
    fs::permissions(home.root(), fs::perms::others_exec, fs::perm_options::add);
    chmod(folder.c_str(), 0555);
    chmod(target.c_str(), 0644);

    int result = vorn::test::runInChild([&] {
        if (!vorn::test::dropRootInChild()) {
            return 2;
        }
        bool written = writeFileAtomically(target.string(), "new content");
        return written ? 1 : (errno == EACCES ? 0 : 3);
    });
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readBytes(target), kOld);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"Profile.json"});
}

// A file-size limit makes writes fail part-way, as on a full disk, even for root.
TEST(WholeFile, FailedWriteMidwayRemovesTemporaryAndKeepsOldFile) {
    TempHome home;
    fs::path folder = home.root() / "docs";
    fs::path target = folder / "Macro.json";
    writeBytes(target, kOld);

    int result = vorn::test::runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 2;
        }
        bool written = writeFileAtomically(target.string(), std::string(100000, 'x'));
        return written ? 1 : (errno == EFBIG ? 0 : 3);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readBytes(target), kOld);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"Macro.json"});
}

TEST(WholeFile, MissingFolderOrNonRegularTargetIsRefusedWithoutTrace) {
    TempHome home;
    EXPECT_FALSE(writeFileAtomically((home.root() / "absent" / "a.json").string(), "x"));
    EXPECT_FALSE(fs::exists(home.root() / "absent"));

    fs::path folder = home.root() / "docs";
    fs::create_directories(folder / "a.json");
    writeBytes(folder / "a.json" / "inside", "kept");
    EXPECT_FALSE(writeFileAtomically((folder / "a.json").string(), "x"));
    EXPECT_EQ(readBytes(folder / "a.json" / "inside"), "kept");

    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0644), 0);
    EXPECT_FALSE(writeFileAtomically((folder / "pipe").string(), "x"));
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"a.json", "pipe"}));
    EXPECT_FALSE(writeFileAtomically("", "x"));
}

TEST(WholeFile, ReadGivesExactBytesAndRefusesIrregularOrOversizedFiles) {
    TempHome home;
    std::string out = "stale";
    int error = -1;
    std::string binary("a\0b\r\n", 5);
    writeBytes(home.root() / "f.bin", binary);
    EXPECT_TRUE(readWholeFile((home.root() / "f.bin").string(), out, &error));
    EXPECT_EQ(out, binary);
    EXPECT_EQ(error, 0);

    EXPECT_FALSE(readWholeFile((home.root() / "missing").string(), out, &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_TRUE(out.empty());

    EXPECT_FALSE(readWholeFile(home.root().string(), out, &error));
    EXPECT_EQ(error, EISDIR);
    EXPECT_FALSE(readWholeFile("/dev/zero", out, &error));  // would never end
    ASSERT_EQ(mkfifo((home.root() / "pipe").c_str(), 0644), 0);
    EXPECT_FALSE(readWholeFile((home.root() / "pipe").string(), out, &error));  // no wait

    writeBytes(home.root() / "big", std::string(11, 'x'));
    EXPECT_FALSE(readWholeFile((home.root() / "big").string(), out, &error, 10));
    EXPECT_EQ(error, EFBIG);
    EXPECT_TRUE(readWholeFile((home.root() / "big").string(), out, &error, 11));
    // Files that report no size are read to their end.
    EXPECT_TRUE(readWholeFile("/proc/self/status", out, &error));
    EXPECT_NE(out.find("Pid:"), std::string::npos);
}
