// Profiles and lists that cannot be read, are damaged, or are changed by several processes
// at once: whatever happens, nothing a user stored is lost.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "LibraryFiles.h"
#include "ProfileTestSupport.h"
#include "platform/files/WholeFile.h"
#include "profiles/MouseProfiledata.h"

using namespace vorn::profiles;
using vorn::test::folderBytes;
using vorn::test::LibraryFiles;
using vorn::test::parseJson;
using vorn::test::readBytes;
using vorn::test::readJson;
using vorn::test::writeBytes;
using vorn::test::writeJson;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

namespace {

// What a page or command does with the selected profile, as the user's program would;
// with listWide what changes the list instead of the page's changes. (While the list
// cannot be read, a page still stores into a profile file it can read.)
void useProfiles(LibraryFiles& files, const fs::path& import, bool listWide) {
    ProfileLibrary library = files.open();
    if (!listWide) {
        CMouseProfiledata page;
        page.SetDefaultProfilePath(files.defaults.string());
        const std::string profile = library.ProfilePath(library.GetCurrentProfileId());
        page.SetProfilePath(profile);
        EXPECT_FALSE(page.LoadEntry(profile).isNull());  // the page goes on with defaults
        LightSetting light = page.ReadLightInfo();
        light.red = 9;
        page.WriteLightInfo(light);
        page.Save();
    }
    library.RenameProfile("Renamed");
    library.ResetProfile();
    library.CopyProfile();
    if (listWide) {
        library.NewProfile();
        library.ImportProfile(import.string());
        library.SelectProfile(0);
        library.DeleteProfile();
    }
    ProfileLibrary again = files.open();  // a second start changes nothing either
}

struct Guarded : ::testing::Test {
    LibraryFiles files;
    fs::path import = files.home.root() / "Game.json";

    void SetUp() override {
        files.writeList({"A", "B", "C"}, 1);
        writeJson(import, parseJson(R"({"profilename": "g", "profileUUID": "g"})"));
    }
};

}  // namespace

TEST_F(Guarded, ProfileOrListTheUserMayNotReadLeavesEveryByte) {
    for (const fs::path& locked : {files.profileFile("id1"), files.listFile()}) {
        const auto before = folderBytes(files.folder);
        chmod(locked.c_str(), 0);
        bool refused = false;
        const bool ran = vorn::test::runAsFolderOwner(files.home, files.folder, [&] {
            useProfiles(files, import, locked == files.listFile());
            ProfileLibrary library = files.open();
            refused = library.RenameProfile("Other") == kRenameNotStored &&
                      !library.LastProblem().empty();
            if (!refused) {
                _exit(3);
            }
        });
        chmod(locked.c_str(), 0644);
        if (!ran) {
            GTEST_SKIP() << "cannot drop root privileges here";
        }
        EXPECT_EQ(folderBytes(files.folder), before) << locked;
    }
}

TEST_F(Guarded, UnreadableListStillShowsTheProfilesItsFolderHolds) {
    chmod(files.listFile().c_str(), 0);
    const bool ran = vorn::test::runAsFolderOwner(files.home, files.folder, [&] {
        ProfileLibrary library = files.open();
        const bool shown = library.GetProfileNames() == Names{"A", "B", "C"} &&
                           !library.ListReadable() &&
                           library.LastProblem().find("ProfileList.ini") != std::string::npos;
        const bool refused = !library.NewProfile().done && !library.DeleteProfile().done;
        const bool selected = library.SelectProfile(2) && library.GetCurrentProfileId() == "id2";
        _exit(shown && refused && selected ? 0 : 4);
    });
    if (!ran) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
}

TEST_F(Guarded, ProfileFileWithoutWritePermissionIsNeverReplaced) {
    chmod(files.profileFile("id1").c_str(), 0444);
    const auto before = folderBytes(files.folder);
    const bool ran = vorn::test::runAsFolderOwner(files.home, files.folder, [&] {
        ProfileLibrary library = files.open();
        if (library.RenameProfile("Renamed") != kRenameNotStored || library.ResetProfile()) {
            _exit(5);
        }
        CMouseProfiledata page;
        page.SetDefaultProfilePath(files.defaults.string());
        page.LoadEntry(files.profileFile("id1").string());
        page.Save();
        _exit(page.LastSaveStored() ? 6 : 0);
    });
    if (!ran) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    // The list went back to the old name when the profile could not take the new one.
    EXPECT_EQ(folderBytes(files.folder), before);
}

TEST_F(Guarded, ProfileOverTheReadCapIsLeftAlone) {
    const fs::path huge = files.profileFile("id1");
    ASSERT_EQ(::truncate(huge.c_str(), vorn::platform::kMaxWholeFileBytes + 1), 0);
    const auto before = folderBytes(files.folder);
    useProfiles(files, import, false);  // root: the size alone stops every write
    EXPECT_EQ(folderBytes(files.folder), before);
}

TEST(ProfileRepair, CutListIsRebuiltFromItsProfilesAndKeptAside) {
    LibraryFiles files;
    Names names;
    for (int i = 1; i <= 9; ++i) {
        names.push_back("P" + std::to_string(i));
    }
    files.writeList(names, 4);
    // Give the files time-stamp identifiers in an order their names do not sort in.
    Json::Value list = readJson(files.listFile());
    for (int i = 0; i < 9; ++i) {
        const std::string id =
            "2024_03_0" + std::to_string(9 - i) + "_10_00_00_00" + std::to_string(i);
        Json::Value profile = readJson(files.profileFile("id" + std::to_string(i)));
        profile["profileUUID"] = id;
        fs::remove(files.profileFile("id" + std::to_string(i)));
        writeJson(files.profileFile(id), profile);
    }
    writeBytes(files.folder / "stray.Json", "{\"profilename\": \"no id\"}");
    const std::string whole = readBytes(files.listFile());
    const std::string cut = whole.substr(0, whole.size() / 2);
    writeBytes(files.listFile(), cut);

    ProfileLibrary library = files.open();
    EXPECT_EQ(library.GetProfileNames(),
              (Names{"P9", "P8", "P7", "P6", "P5", "P4", "P3", "P2", "P1"}));
    EXPECT_EQ(library.GetCurrentProfileId(), "2024_03_01_10_00_00_008");
    EXPECT_EQ(readBytes(files.folder / "ProfileList.ini.damaged"), cut);
    EXPECT_EQ(readJson(files.listFile())["profilelist"].size(), 9u);

    // A later start finds the repaired list: no further "Profile1" appears.
    EXPECT_EQ(files.open().GetProfileCount(), 9);
    EXPECT_EQ(vorn::test::fileNamesIn(files.folder).size(), 12u);  // 9, stray, list, damaged
}

TEST(ProfileRepair, EntriesWithoutIdentifierGetTheirOwnFiles) {
    LibraryFiles files;
    files.writeList({"A"}, 0);
    Json::Value list = readJson(files.listFile());
    list["profilelist"].append(parseJson(R"({"profilename": "B"})"));
    list["profilelist"].append(parseJson(R"({"profilename": "C", "profileUUID": ""})"));
    list["profilelist"].append(7);
    writeJson(files.listFile(), list);

    ProfileLibrary library = files.open();
    EXPECT_EQ(library.GetProfileNames(), (Names{"A", "B", "C", "Profile1"}));
    const Json::Value stored = readJson(files.listFile())["profilelist"];
    std::set<std::string> ids;
    for (Json::ArrayIndex i = 0; i < stored.size(); ++i) {
        const std::string id = stored[i]["profileUUID"].asString();
        ids.insert(id);
        const Json::Value profile = readJson(files.profileFile(id));
        EXPECT_EQ(profile["profilename"], stored[i]["profilename"]) << i;
        EXPECT_EQ(profile["profileUUID"].asString(), id);
        EXPECT_EQ(profile["Device"], files.factory["Device"]) << i;
    }
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_FALSE(fs::exists(files.folder / ".Json"));
}

TEST(ProfileRepair, ByteOrderMarkIsReadAndLeftInPlace) {
    LibraryFiles files;
    files.writeList({"A"}, 0);
    Json::Value profile = readJson(files.profileFile("id0"));
    profile["Device"][0]["KeyList"][0]["Assignment"] = 77;
    const std::string bytes = "\xEF\xBB\xBF" + profile.toStyledString();
    writeBytes(files.profileFile("id0"), bytes);

    ProfileLibrary library = files.open();
    CMouseProfiledata page;
    page.SetDefaultProfilePath(files.defaults.string());
    EXPECT_EQ(page.LoadEntry(files.profileFile("id0").string())["KeyList"][0]["Assignment"], 77);
    EXPECT_EQ(readBytes(files.profileFile("id0")), bytes);
    EXPECT_EQ(library.RenameProfile("B"), kRenameDone);
    EXPECT_EQ(readBytes(files.profileFile("id0")).substr(0, 3), "{\n ");  // never written
}

TEST(ProfileConcurrency, EightProcessesMakingProfilesAtOnceKeepAllEight) {
    LibraryFiles files;
    files.open();  // "Profile1"
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < 8; ++i) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(gate[1]);
            char c;
            while (read(gate[0], &c, 1) > 0) {
            }  // every child starts when the gate closes
            ProfileLibrary library = files.open();
            _exit(library.NewProfile().done ? 0 : 1);
        }
        children.push_back(pid);
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const Json::Value list = readJson(files.listFile())["profilelist"];
    ASSERT_EQ(list.size(), 9u);
    std::set<std::string> names, ids;
    for (const Json::Value& entry : list) {
        names.insert(entry["profilename"].asString());
        ids.insert(entry["profileUUID"].asString());
        EXPECT_EQ(readJson(files.profileFile(entry["profileUUID"].asString()))["profilename"],
                  entry["profilename"]);
    }
    EXPECT_EQ(names.size(), 9u);
    EXPECT_EQ(ids.size(), 9u);
    EXPECT_EQ(vorn::test::fileNamesIn(files.folder).size(), 10u);
}
