#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LibraryFiles.h"
#include "ProfileTestSupport.h"
#include "profiles/ProfileLibrary.h"
#include "profiles/ProfileNames.h"
#include "profiles/TabHeaderRule.h"

using namespace vorn::profiles;
using vorn::catalogue::DeviceType;
using vorn::test::parseJson;
using vorn::test::readBytes;
using vorn::test::readJson;
using vorn::test::TempHome;
using vorn::test::writeJson;
namespace fs = std::filesystem;

using vorn::test::fixedTime;
using vorn::test::LibraryFiles;
using Names = std::vector<std::string>;

TEST(ProfileLibrary, FirstStartCreatesTheFolderAndProfile1FromTheDefault) {
    LibraryFiles files;
    ASSERT_FALSE(fs::exists(files.folder));
    ProfileLibrary library;
    library.SetTimeSource(fixedTime);
    library.SetFolders(files.folder.string(), files.defaults.string());
    library.InitList();

    const std::string id = "2024_03_07_09_05_01_042";
    EXPECT_EQ(library.GetProfileNames(), Names{"Profile1"});
    EXPECT_EQ(library.GetSelectedIndex(), 0);
    EXPECT_EQ(library.GetCurrentProfileId(), id);
    EXPECT_EQ(readJson(files.listFile()), parseJson(R"({"profileselect": 0, "profilelist": [
        {"profilename": "Profile1", "profileUUID": "2024_03_07_09_05_01_042",
         "profileislink": 0, "profilelinkmame": ""}]})"));
    Json::Value expected = files.factory;
    expected["profilename"] = "Profile1";
    expected["profileUUID"] = id;
    EXPECT_EQ(readJson(files.profileFile(id)), expected);
    EXPECT_EQ(library.ProfilePath(id), files.profileFile(id).string());

    // A second start reads the same list and changes no profile.
    ProfileLibrary again = files.open();
    EXPECT_EQ(again.GetProfileNames(), Names{"Profile1"});
    EXPECT_EQ(again.GetCurrentProfileId(), id);
}

TEST(ProfileLibrary, BrokenListIsReplacedAndAnOutOfRangeSelectionFallsBackToTheFirst) {
    LibraryFiles files;
    for (const char* broken : {"{ \"profilelist\": [", "{\"profilelist\": []}",
                               "{\"profilelist\": \"Profile1\"}", "[]"}) {
        vorn::test::writeBytes(files.listFile(), broken);
        ProfileLibrary library = files.open();
        EXPECT_EQ(library.GetProfileNames(), Names{"Profile1"}) << broken;
        EXPECT_FALSE(library.GetCurrentProfileId().empty()) << broken;
    }
    for (const char* select : {"7", "-1", "\"2\""}) {
        files.writeList({"A", "B", "C"}, 0);
        Json::Value list = readJson(files.listFile());
        list["profileselect"] = parseJson(select);
        writeJson(files.listFile(), list);
        ProfileLibrary library = files.open();
        EXPECT_EQ(library.GetSelectedIndex(), 0) << select;
        EXPECT_EQ(library.GetCurrentProfileId(), "id0") << select;
        EXPECT_EQ(readJson(files.listFile())["profileselect"].asInt(), 0) << select;
    }
}

TEST(ProfileLibrary, SelectionIsKeptInTheListFile) {
    LibraryFiles files;
    files.writeList({"A", "B", "C"}, 2);
    ProfileLibrary library = files.open();
    EXPECT_EQ(library.GetSelectedIndex(), 2);
    EXPECT_EQ(library.GetCurrentProfileId(), "id2");
    const std::string profileBytes = readBytes(files.profileFile("id1"));

    EXPECT_TRUE(library.SelectProfile(1));
    EXPECT_EQ(library.GetCurrentProfileId(), "id1");
    EXPECT_EQ(readJson(files.listFile())["profileselect"].asInt(), 1);
    EXPECT_EQ(readBytes(files.profileFile("id1")), profileBytes);
    EXPECT_FALSE(library.SelectProfile(3));
    EXPECT_FALSE(library.SelectProfile(-1));
    EXPECT_EQ(library.GetSelectedIndex(), 1);

    // Another page of the same model selects profile 0; this one follows on request.
    ProfileLibrary other = files.open();
    other.SelectProfile(0);
    library.RefreshCurrentProfileId();
    EXPECT_EQ(library.GetCurrentProfileId(), "id0");
    library.ReloadList();
    EXPECT_EQ(library.GetSelectedIndex(), 0);
}

TEST(ProfileLibrary, NewProfileTakesTheFirstFreeNameIgnoringCase) {
    LibraryFiles files;
    files.writeList({"Profile1", "profile2"}, 1);
    ProfileLibrary library = files.open();
    const ProfileOutcome made = library.NewProfile();
    ASSERT_TRUE(made.done);
    EXPECT_EQ(made.name, "Profile3");
    EXPECT_EQ(library.GetProfileNames(), (Names{"Profile1", "profile2", "Profile3"}));
    EXPECT_EQ(library.GetSelectedIndex(), 1);
    EXPECT_EQ(library.GetCurrentProfileId(), "id1");

    const Json::Value list = readJson(files.listFile());
    EXPECT_EQ(list["profilelist"][2],
              parseJson("{\"profilename\": \"Profile3\", \"profileUUID\": \"" + made.id +
                        "\", \"profileislink\": 0, \"profilelinkmame\": \"\"}"));
    EXPECT_EQ(list["profileselect"].asInt(), 1);
    const Json::Value profile = readJson(files.profileFile(made.id));
    EXPECT_EQ(profile["profilename"].asString(), "Profile3");
    EXPECT_EQ(profile["profileUUID"].asString(), made.id);
    EXPECT_EQ(profile["Device"], files.factory["Device"]);
}

TEST(ProfileLibrary, IdentifiersMadeInTheSameMillisecondAreStillUnique) {
    LibraryFiles files;
    ProfileLibrary library;
    library.SetTimeSource(fixedTime);
    library.SetFolders(files.folder.string(), files.defaults.string());
    library.InitList();
    const ProfileOutcome second = library.NewProfile();
    const ProfileOutcome third = library.CopyProfile();
    EXPECT_EQ(library.GetCurrentProfileId(), "2024_03_07_09_05_01_042");
    EXPECT_EQ(second.id, "2024_03_07_09_05_01_043");
    EXPECT_EQ(third.id, "2024_03_07_09_05_01_044");
    EXPECT_EQ(vorn::test::fileNamesIn(files.folder).size(), 4u);  // three profiles and the list

    // A file left behind under the next identifier is not overwritten either.
    vorn::test::writeBytes(files.profileFile("2024_03_07_09_05_01_045"), "keep");
    EXPECT_EQ(library.NewProfile().id, "2024_03_07_09_05_01_046");
    EXPECT_EQ(readBytes(files.profileFile("2024_03_07_09_05_01_045")), "keep");
}

TEST(ProfileLibrary, CopyAddsCopyUntilTheNameIsFree) {
    LibraryFiles files;
    files.writeList({"A", "A copy", "B"}, 0);
    Json::Value source = readJson(files.profileFile("id0"));
    source["Device"][0]["KeyList"][0]["Assignment"] = 42;
    writeJson(files.profileFile("id0"), source);
    ProfileLibrary library = files.open();

    const ProfileOutcome copy = library.CopyProfile();
    ASSERT_TRUE(copy.done);
    EXPECT_EQ(copy.name, "A copy copy");
    EXPECT_EQ(library.GetSelectedIndex(), 0);
    const Json::Value made = readJson(files.profileFile(copy.id));
    EXPECT_EQ(made["Device"], source["Device"]);
    EXPECT_EQ(made["profilename"].asString(), "A copy copy");
    EXPECT_EQ(made["profileUUID"].asString(), copy.id);
}

TEST(ProfileLibrary, ImportAppendsCountersUntilTheNameIsFree) {
    LibraryFiles files;
    files.writeList({"Game", "Game(1)"}, 1);
    ProfileLibrary library = files.open();
    const fs::path import = files.home.root() / "Downloads" / "Game.json";
    Json::Value document = parseJson(R"({"profilename": "Theirs", "profileUUID": "theirs",
        "Device": [{"KeyList": [{"Assignment": 7}]}], "Extra": [1, 2]})");
    writeJson(import, document);

    const ProfileOutcome imported = library.ImportProfile(import.string());
    ASSERT_TRUE(imported.done);
    EXPECT_EQ(imported.name, "Game(1)(2)");
    EXPECT_EQ(library.GetProfileCount(), 3);
    document["profilename"] = "Game(1)(2)";
    document["profileUUID"] = imported.id;
    EXPECT_EQ(readJson(files.profileFile(imported.id)), document);
    EXPECT_EQ(ImportProfileName({"game", "GAME(1)", "Game(1)(2)"}, "Game"), "Game(1)(2)(3)");

    // The import check: a file without both keys adds nothing.
    for (const char* text : {R"({"profilename": "x"})", R"({"profileUUID": "x"})",
                             R"({"profilename": null, "profileUUID": "x"})", "[1]", "{"}) {
        vorn::test::writeBytes(import, text);
        EXPECT_FALSE(ProfileLibrary::IsImportable(readJson(import))) << text;
        EXPECT_FALSE(library.ImportProfile(import.string()).done) << text;
    }
    EXPECT_EQ(library.GetProfileCount(), 3);
    EXPECT_FALSE(library.ImportProfile((files.home.root() / "missing.json").string()).done);
}

TEST(ProfileLibrary, RenameRefusesBlankUsedOrControlCharacterNames) {
    LibraryFiles files;
    files.writeList({"Profile1", "Profile2", "Ärger"}, 1);
    ProfileLibrary library = files.open();
    const std::string listBytes = readBytes(files.listFile());

    EXPECT_EQ(library.RenameProfile(" \t\u3000"), kRenameNameBlank);
    EXPECT_EQ(library.RenameProfile("PROFILE1"), kRenameNameUsed);
    EXPECT_EQ(library.RenameProfile("äRGER"), kRenameNameUsed);  // case folded beyond ASCII
    EXPECT_EQ(library.RenameProfile("Two\nlines"), kRenameNameInvalid);
    EXPECT_EQ(library.RenameProfile("Tab\there"), kRenameNameInvalid);
    EXPECT_EQ(library.RenameProfile(std::string("Del\x7F")), kRenameNameInvalid);
    EXPECT_TRUE(RenameMessageKey(kRenameNameInvalid).empty());
    EXPECT_EQ(RenameMessageKey(kRenameNameBlank), "message_text_25");
    EXPECT_EQ(RenameMessageKey(kRenameNameUsed), "message_text_5");
    EXPECT_EQ(readBytes(files.listFile()), listBytes);

    EXPECT_EQ(library.RenameProfile("profile2"), kRenameDone);  // its own name in other case
    EXPECT_EQ(library.RenameProfile("Sniper Ω"), kRenameDone);
    EXPECT_EQ(library.GetProfileNames(), (Names{"Profile1", "Sniper Ω", "Ärger"}));
    EXPECT_EQ(readJson(files.listFile())["profilelist"][1]["profilename"].asString(), "Sniper Ω");
    EXPECT_EQ(readJson(files.profileFile("id1"))["profilename"].asString(), "Sniper Ω");
    EXPECT_EQ(readJson(files.profileFile("id1"))["Device"], files.factory["Device"]);
}

TEST(ProfileLibrary, DeleteSelectsThePreviousProfileAndRemovesTheFile) {
    LibraryFiles files;
    files.writeList({"A"}, 0);
    ProfileLibrary single = files.open();
    EXPECT_FALSE(single.DeleteProfile().done);
    EXPECT_TRUE(fs::exists(files.profileFile("id0")));

    files.writeList({"A", "B", "C"}, 0);
    ProfileLibrary first = files.open();
    EXPECT_TRUE(first.DeleteProfile().done);
    EXPECT_EQ(first.GetProfileNames(), (Names{"B", "C"}));
    EXPECT_EQ(first.GetSelectedIndex(), 0);
    EXPECT_EQ(first.GetCurrentProfileId(), "id1");
    EXPECT_EQ(readJson(files.listFile())["profileselect"].asInt(), 0);
    EXPECT_FALSE(fs::exists(files.profileFile("id0")));

    files.writeList({"A", "B", "C"}, 2);
    ProfileLibrary last = files.open();
    EXPECT_TRUE(last.DeleteProfile().done);
    EXPECT_EQ(last.GetSelectedIndex(), 1);
    EXPECT_EQ(last.GetCurrentProfileId(), "id1");
    EXPECT_EQ(readJson(files.listFile())["profileselect"].asInt(), 1);
    EXPECT_EQ(readJson(files.listFile())["profilelist"].size(), 2u);
    EXPECT_FALSE(fs::exists(files.profileFile("id2")));

    // A file that another entry still names stays.
    files.writeList({"A", "B"}, 1);
    Json::Value list = readJson(files.listFile());
    list["profilelist"][1]["profileUUID"] = "id0";
    writeJson(files.listFile(), list);
    ProfileLibrary shared = files.open();
    EXPECT_TRUE(shared.DeleteProfile().done);
    EXPECT_TRUE(fs::exists(files.profileFile("id0")));
}

TEST(ProfileLibrary, FiftyProfilesAreTheLimit) {
    LibraryFiles files;
    Names names;
    for (int i = 1; i <= 50; ++i) {
        names.push_back("P" + std::to_string(i));
    }
    files.writeList(names, 0);
    const fs::path import = files.home.root() / "Game.json";
    writeJson(import, parseJson(R"({"profilename": "g", "profileUUID": "g"})"));
    ProfileLibrary library = files.open();
    const std::string listBytes = readBytes(files.listFile());

    const ProfileOutcome made = library.NewProfile();
    EXPECT_FALSE(made.done);
    EXPECT_EQ(made.messageKey, "message_text_32");
    const ProfileOutcome copied = library.CopyProfile();
    EXPECT_FALSE(copied.done);
    EXPECT_TRUE(copied.messageKey.empty());
    EXPECT_FALSE(library.ImportProfile(import.string()).done);
    EXPECT_EQ(library.GetProfileCount(), 50);
    EXPECT_EQ(readBytes(files.listFile()), listBytes);
    EXPECT_EQ(vorn::test::fileNamesIn(files.folder).size(), 51u);

    // At 49 the fiftieth can still be made.
    library.DeleteProfile();
    EXPECT_TRUE(library.NewProfile().done);
    EXPECT_EQ(library.GetProfileCount(), 50);
}

TEST(ProfileLibrary, ResetGivesFactorySettingsAndAHeadsetKeepsItsEqualisers) {
    LibraryFiles files;
    files.writeList({"A", "Mine"}, 1);
    Json::Value mine = readJson(files.profileFile("id1"));
    mine["Device"][0]["KeyList"][0]["Assignment"] = 99;
    mine["Device"][0]["CustomEQNameInfo"] = parseJson(R"([{"Name": "Bass"}])");
    mine["Device"][0]["CustomEQHzValueInfo"][0][0]["value"] = 12;
    mine["Device"][0]["SystemSetStages"]["EqType"] = 13;
    writeJson(files.profileFile("id1"), mine);

    ProfileLibrary mouse = files.open(DeviceType::Mouse);
    EXPECT_TRUE(mouse.ResetProfile());
    Json::Value expected = files.factory;
    expected["profilename"] = "Mine";
    expected["profileUUID"] = "id1";
    EXPECT_EQ(readJson(files.profileFile("id1")), expected);

    writeJson(files.profileFile("id1"), mine);
    ProfileLibrary headset = files.open(DeviceType::Headset);
    EXPECT_TRUE(headset.ResetProfile());
    expected["Device"][0]["CustomEQNameInfo"] = mine["Device"][0]["CustomEQNameInfo"];
    expected["Device"][0]["CustomEQHzValueInfo"] = mine["Device"][0]["CustomEQHzValueInfo"];
    EXPECT_EQ(readJson(files.profileFile("id1")), expected);

    // Without user equalisers the default's own stay.
    files.writeList({"A", "Plain"}, 1);
    ProfileLibrary plain = files.open(DeviceType::Headset);
    EXPECT_TRUE(plain.ResetProfile());
    EXPECT_EQ(readJson(files.profileFile("id1"))["Device"][0]["CustomEQNameInfo"],
              files.factory["Device"][0]["CustomEQNameInfo"]);
}

TEST(ProfileLibrary, MissingDefaultGivesProfilesWithOnlyNameAndIdentifier) {
    LibraryFiles files;
    fs::remove(files.defaults);
    ProfileLibrary library = files.open();
    const ProfileOutcome made = library.NewProfile();
    EXPECT_EQ(readJson(files.profileFile(made.id)),
              parseJson("{\"profilename\": \"Profile2\", \"profileUUID\": \"" + made.id + "\"}"));
}

TEST(ProfileLibrary, ExportWritesTheSelectedProfileFile) {
    LibraryFiles files;
    files.writeList({"A", "B"}, 1);
    ProfileLibrary library = files.open();
    const fs::path target = files.home.root() / "out" / "B.json";
    fs::create_directories(target.parent_path());
    EXPECT_TRUE(library.ExportProfile(target.string()));
    EXPECT_EQ(readBytes(target), readBytes(files.profileFile("id1")));

    fs::remove(files.profileFile("id1"));
    EXPECT_FALSE(library.ExportProfile((files.home.root() / "out" / "none.json").string()));
    EXPECT_FALSE(fs::exists(files.home.root() / "out" / "none.json"));
}

TEST(ProfileLibrary, IdentifiersFromTheListCannotLeaveTheFolder) {
    LibraryFiles files;
    files.writeList({"A", "B"}, 1);
    Json::Value list = readJson(files.listFile());
    list["profilelist"][1]["profileUUID"] = "../../escape";
    writeJson(files.listFile(), list);
    ProfileLibrary library = files.open();
    EXPECT_EQ(library.ProfilePath(library.GetCurrentProfileId()),
              (files.folder / "escape.Json").string());
    library.RenameProfile("C");
    EXPECT_TRUE(fs::exists(files.folder / "escape.Json"));
    EXPECT_FALSE(fs::exists(files.home.root() / "data" / "escape.Json"));
}

TEST(ProfileLibrary, ChangesInAReadOnlyFolderLeaveEveryFileAsItWas) {
    LibraryFiles files;
    files.writeList({"A", "B", "C"}, 1);
    const fs::path import = files.home.root() / "Game.json";
    writeJson(import, parseJson(R"({"profilename": "g", "profileUUID": "g"})"));
    const auto before = vorn::test::folderBytes(files.folder);
    ProfileLibrary library = files.open();

    const bool ran = vorn::test::runInReadOnlyFolder(files.home, files.folder, [&] {
        library.NewProfile();
        library.CopyProfile();
        library.RenameProfile("Z");
        library.ImportProfile(import.string());
        library.ResetProfile();
        library.SelectProfile(2);
        library.DeleteProfile();
    });
    if (!ran) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(vorn::test::folderBytes(files.folder), before);
}

TEST(ProfileLibrary, TabHeadersFollowTheDeviceType) {
    using Views = std::vector<std::string_view>;
    auto hidden = [](int type) {
        const TabHeaderRule rule = TabHeadersFor(type);
        return Views(rule.hidden.begin(), rule.hidden.end());
    };
    EXPECT_EQ(hidden(1), Views{"cursor_Op_tab"});
    EXPECT_EQ(hidden(2), Views{});
    EXPECT_EQ(hidden(4), (Views{"cursor_Op_tab", "macro_Op_tab", "key_Op_tab"}));
    EXPECT_EQ(hidden(3), hidden(5));
    EXPECT_EQ(hidden(7), hidden(3));
    EXPECT_EQ(hidden(7).size(), 4u);
    const TabHeaderRule headset = TabHeadersFor(7);
    EXPECT_EQ(Views(headset.shown.begin(), headset.shown.end()),
              (Views{"6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}));
    EXPECT_TRUE(TabHeadersFor(3).shown.empty());
}
