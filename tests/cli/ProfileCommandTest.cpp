#include <gtest/gtest.h>
#include <json/json.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "platform/paths/Paths.h"
#include "storage/DataFile.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

namespace fs = std::filesystem;
using vorn::storage::ReadJsonFile;

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun vornctl(std::vector<std::string> args) {
    std::vector<const char*> argv = {"vornctl", "profile"};
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::ostringstream out, err;
    int status = vorn::cli::runVornctl(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

// A user home and a program folder whose DefaultData holds a small VORN-T4 profile and
// whose skin holds the English language file (unless told to leave it out).
struct CliHome {
    vorn::test::TempHome home;
    fs::path program = home.root() / "program";
    fs::path device = home.dataHome() / "VORN  8K Gaming Mouse" / "VORN-T4";

    explicit CliHome(bool withLanguageFile = true) {
        Json::Value factory;
        factory["Device"][0]["KeyList"][0]["Assignment"] = 1052672;
        fs::create_directories(program / "DefaultData");
        vorn::storage::WriteJsonFile((program / "DefaultData" / "VORN-T4.Json").string(), factory);
        if (withLanguageFile) {
            fs::create_directories(program / "skin");
            fs::copy_file(fs::path(VORN_SOURCE_DIR) / "resources" / "skin" / "lan_en.xml",
                          program / "skin" / "lan_en.xml");
        }
        vorn::platform::setProgramFolderOverride(program.string());
    }
    ~CliHome() { vorn::platform::setProgramFolderOverride(""); }

    Json::Value list() const { return ReadJsonFile((device / "ProfileList.ini").string()); }
    std::string selectedId() const {
        const Json::Value l = list();
        return l["profilelist"][l["profileselect"].asInt()]["profileUUID"].asString();
    }
};

}  // namespace

TEST(ProfileCommand, DrivesTheLibraryOnTheUsersDeviceFolder) {
    CliHome home;
    CliRun r = vornctl({"list", "--model", "VORN-T4"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("*  0  \"Profile1\""), std::string::npos) << r.out;
    ASSERT_TRUE(fs::exists(home.device / "ProfileList.ini"));
    const fs::path first = home.device / (home.selectedId() + ".Json");
    EXPECT_EQ(ReadJsonFile(first.string())["Device"][0]["KeyList"][0]["Assignment"].asInt(),
              1052672);

    EXPECT_EQ(vornctl({"new", "--model=vorn-t4"}).out.find("created profile \"Profile2\""), 0u);
    r = vornctl({"copy", "--model", "VORN-T4", "--profile", "Profile2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"Profile2 copy\""), std::string::npos);
    EXPECT_EQ(home.list()["profileselect"].asInt(), 1);

    r = vornctl({"rename", "Fast", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(home.list()["profilelist"][1]["profilename"].asString(), "Fast");

    const fs::path exported = home.home.root() / "Fast.json";
    r = vornctl({"export", exported.string(), "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadJsonFile(exported.string())["profilename"].asString(), "Fast");
    r = vornctl({"import", exported.string(), "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"Fast(1)\""), std::string::npos);
    EXPECT_EQ(home.list()["profileselect"].asInt(), 3);

    r = vornctl({"delete", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(home.list()["profilelist"].size(), 3u);
    EXPECT_EQ(home.list()["profileselect"].asInt(), 2);

    Json::Value changed = ReadJsonFile(first.string());
    changed["Device"][0]["KeyList"][0]["Assignment"] = 5;
    vorn::storage::WriteJsonFile(first.string(), changed);
    r = vornctl({"reset", "--model", "VORN-T4", "--profile", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadJsonFile(first.string())["Device"][0]["KeyList"][0]["Assignment"].asInt(),
              1052672);
    EXPECT_EQ(ReadJsonFile(first.string())["profilename"].asString(), "Profile1");
}

TEST(ProfileCommand, RefusalsExplainThemselvesAndExitWithOne) {
    CliHome home;
    CliRun r = vornctl({"delete", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the last profile cannot be deleted"), std::string::npos) << r.err;

    vornctl({"new", "--model", "VORN-T4"});
    r = vornctl({"rename", "PROFILE2", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "vornctl profile rename: refused: A profile with this name already exists. Please "
              "choose another name.\n");
    r = vornctl({"rename", "   ", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vornctl profile rename: refused: The profile name cannot be empty.\n");

    const fs::path notProfile = home.home.root() / "x.json";
    vorn::test::writeBytes(notProfile, "{\"profilename\": \"x\"}");
    r = vornctl({"import", notProfile.string(), "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no profile file"), std::string::npos) << r.err;

    for (int i = 2; i < 50; ++i) {
        ASSERT_EQ(vornctl({"new", "--model", "VORN-T4"}).status, 0);
    }
    r = vornctl({"new", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "vornctl profile new: refused: This list is full (50 entries). Delete an entry "
              "before adding a new one.\n");
    EXPECT_EQ(vornctl({"copy", "--model", "VORN-T4"}).status, 1);
    EXPECT_EQ(home.list()["profilelist"].size(), 50u);

    r = vornctl({"select", "nobody", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no profile \"nobody\""), std::string::npos);
}

TEST(ProfileCommand, UsageErrorsExitWithTwo) {
    CliHome home;
    EXPECT_EQ(vornctl({}).status, 2);
    CliRun r = vornctl({"list"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("\"VORN-T4Max\""), std::string::npos) << r.err;
    r = vornctl({"list", "--model", "VORN-X"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown model \"VORN-X\""), std::string::npos);
    EXPECT_EQ(vornctl({"rename", "--model", "VORN-T4"}).status, 2);
    EXPECT_EQ(vornctl({"frobnicate", "--model", "VORN-T4"}).status, 2);
    EXPECT_EQ(vornctl({"list", "--model"}).status, 2);
    EXPECT_EQ(vornctl({"list", "--colour", "red", "--model", "VORN-T4"}).status, 2);
    EXPECT_EQ(vornctl({"help"}).status, 0);
}

// Root reads every file, so the command runs in a child that has given up root.
TEST(ProfileCommand, UnreadableListFailsWithTheReasonAndChangesNothing) {
    CliHome home;
    ASSERT_EQ(vornctl({"new", "--model", "VORN-T4"}).status, 0);
    const fs::path list = home.device / "ProfileList.ini";
    const std::string before = vorn::test::readBytes(list);
    chmod(list.c_str(), 0);
    for (fs::path p = home.device; p != home.home.root().parent_path(); p = p.parent_path()) {
        fs::permissions(p, fs::perms::others_exec | fs::perms::others_read, fs::perm_options::add);
    }
    const std::string expected =
        "vornctl profile new: failed: The profile list could not be read: " + list.string() +
        ": Permission denied. Nothing was changed.\n";
    const int result = vorn::test::runInChild([&] {
        if (!vorn::test::dropRootInChild()) {
            return 2;
        }
        const CliRun made = vornctl({"new", "--model", "VORN-T4"});
        const CliRun shown = vornctl({"list", "--model", "VORN-T4"});
        const bool listed =
            shown.status == 1 && shown.out.find("\"Profile2\"") != std::string::npos;
        return made.status == 1 && made.err.find(expected) != std::string::npos && listed ? 0 : 1;
    });
    chmod(list.c_str(), 0644);
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(vorn::test::readBytes(list), before);
}

TEST(ProfileCommand, MessageKeysShowOnlyWhenDebugging) {
    CliHome home;
    setenv("VORN_DEBUG", "1", 1);
    CliRun r = vornctl({"rename", "", "--model", "VORN-T4"});
    unsetenv("VORN_DEBUG");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "vornctl profile rename: refused: The profile name cannot be empty. "
              "[message_text_25]\n");

    // VORN_DEBUG other than 1 is no request.
    setenv("VORN_DEBUG", "0", 1);
    r = vornctl({"rename", "", "--model", "VORN-T4"});
    unsetenv("VORN_DEBUG");
    EXPECT_EQ(r.err, "vornctl profile rename: refused: The profile name cannot be empty.\n");
}

TEST(ProfileCommand, WithoutTheLanguageFileRefusalsStillSpeakInWords) {
    CliHome home(false);
    CliRun r = vornctl({"rename", " ", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vornctl profile rename: refused: a profile name cannot be blank\n");
}

TEST(ProfileCommand, NamesWithControlCharactersAreRefusedLikeBlankNames) {
    CliHome home;
    ASSERT_EQ(vornctl({"list", "--model", "VORN-T4"}).status, 0);
    for (const std::string& name :
         std::vector<std::string>{"two\nlines", "tab\there", "bell\x07", "del\x7f", "\x1f"}) {
        CliRun r = vornctl({"rename", name, "--model", "VORN-T4"});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err,
                  "vornctl profile rename: refused: a profile name cannot hold control "
                  "characters such as a line break or a tab\n");
    }
    EXPECT_EQ(home.list()["profilelist"][0]["profilename"].asString(), "Profile1");
    // Other characters below and above the control ranges are names like any.
    CliRun r = vornctl({"rename", "Über ~ Fast", "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(home.list()["profilelist"][0]["profilename"].asString(), "Über ~ Fast");

    // An imported profile is named after its file.
    const fs::path tabbed = home.home.root() / "a\tb.json";
    r = vornctl({"export", tabbed.string(), "--model", "VORN-T4"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = vornctl({"import", tabbed.string(), "--model", "VORN-T4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "vornctl profile import: refused: the profile takes the file's name, and a profile "
              "name cannot hold control characters such as a line break or a tab\n");
    EXPECT_EQ(home.list()["profilelist"].size(), 1u);
}
