#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "platform/debug/DebugSink.h"
#include "storage/DataFile.h"
#include "storage/StyledJson.h"
#include "storage/TextCodes.h"
#include "support/ChildProcess.h"
#include "support/TempHome.h"

using namespace vorn::storage;
using vorn::test::namesIn;
using vorn::test::readBytes;
using vorn::test::TempHome;
using vorn::test::writeBytes;
namespace fs = std::filesystem;

namespace {

Json::Value intArray(std::initializer_list<int> values) {
    Json::Value array(Json::arrayValue);
    for (int v : values) {
        array.append(v);
    }
    return array;
}

}  // namespace

TEST(StyledJson, LayoutMatchesStyledFormByteForByte) {
    Json::Value root;
    root["version"] = 1;
    root["name"] = "Profil \xC3\x84 \xE5\x91\xBD\xE4\xBB\xA4 \xF0\x9F\x8E\xAE";  // Ä 命令 🎮
    root["\xC3\xBC"] = "x";                                                      // ü sorts last
    root["dpi"] = intArray({400, 800, 1600, 3200});
    Json::Value keys(Json::arrayValue);
    for (int i = 0; i < 12; ++i) {
        keys.append(1000 + i);
    }
    root["keys"] = keys;
    // One line up to 73 columns of "[ a, b ]" text; at 74 the array breaks.
    root["fit73"] =
        intArray({10000, 10001, 10002, 10003, 10004, 10005, 10006, 10007, 10008, 100000});
    root["wrap74"] =
        intArray({10000, 10001, 10002, 10003, 10004, 10005, 10006, 10007, 100000, 100001});
    Json::Value red;
    red["on"] = true;
    red["color"] = "FF0000";
    Json::Value green;
    green["color"] = "00FF00";
    green["on"] = false;
    root["lights"].append(red);
    root["lights"].append(green);
    root["names"].append("\xC3\x84");
    root["names"].append("\xC3\x96");
    root["note"] = "say \"hi\"\\ \n\t\x01/";
    root["sensor"]["angle"] = -3;
    root["sensor"]["lod"]["mode"] = 2;
    root["sensor"]["lod"]["high"] = Json::Value();
    root["sensor"]["tags"] = Json::Value(Json::arrayValue);
    root["sensor"]["extra"] = Json::Value(Json::objectValue);
    root["grid"].append(intArray({1, 2}));
    root["grid"].append(Json::Value(Json::arrayValue));

    const std::string expected =
        "{\n"
        "   \"dpi\" : [ 400, 800, 1600, 3200 ],\n"
        "   \"fit73\" : [ 10000, 10001, 10002, 10003, 10004, 10005, 10006, 10007, 10008, "
        "100000 ],\n"
        "   \"grid\" : [\n"
        "      [ 1, 2 ],\n"
        "      []\n"
        "   ],\n"
        "   \"keys\" : [\n"
        "      1000,\n      1001,\n      1002,\n      1003,\n      1004,\n      1005,\n"
        "      1006,\n      1007,\n      1008,\n      1009,\n      1010,\n      1011\n"
        "   ],\n"
        "   \"lights\" : [\n"
        "      {\n"
        "         \"color\" : \"FF0000\",\n"
        "         \"on\" : true\n"
        "      },\n"
        "      {\n"
        "         \"color\" : \"00FF00\",\n"
        "         \"on\" : false\n"
        "      }\n"
        "   ],\n"
        "   \"name\" : \"Profil \xC3\x84 \xE5\x91\xBD\xE4\xBB\xA4 \xF0\x9F\x8E\xAE\",\n"
        "   \"names\" : [ \"\xC3\x84\", \"\xC3\x96\" ],\n"
        "   \"note\" : \"say \\\"hi\\\"\\\\ \\n\\t\\u0001/\",\n"
        "   \"sensor\" : {\n"
        "      \"angle\" : -3,\n"
        "      \"extra\" : {},\n"
        "      \"lod\" : {\n"
        "         \"high\" : null,\n"
        "         \"mode\" : 2\n"
        "      },\n"
        "      \"tags\" : []\n"
        "   },\n"
        "   \"version\" : 1,\n"
        "   \"wrap74\" : [\n"
        "      10000,\n      10001,\n      10002,\n      10003,\n      10004,\n      10005,\n"
        "      10006,\n      10007,\n      100000,\n      100001\n"
        "   ],\n"
        "   \"\xC3\xBC\" : \"x\"\n"
        "}\n";
    EXPECT_EQ(StyledJsonText(root), expected);
    EXPECT_EQ(StyledJsonText(Json::Value()), "null\n");
    EXPECT_EQ(StyledJsonText(Json::Value(Json::objectValue)), "{}\n");
}

TEST(StyledJson, EscapedTextOutsideStringsAndEscapedBackslashesStayAsTheyAre) {
    Json::Value root;
    root["path"] = "C:\\u00c4";  // a backslash followed by "u00c4", not a character
    root["path"].setComment(std::string("// see \\u00e9"), Json::commentAfterOnSameLine);
    EXPECT_EQ(StyledJsonText(root),
              "{\n"
              "   \"path\" : \"C:\\\\u00c4\" // see \\u00e9\n"
              "}\n");
}

TEST(DataFile, WrittenDocumentReadsBackWithUtf8TextAndExtraLineEnd) {
    TempHome home;
    fs::create_directories(home.root() / "docs");
    std::string path = (home.root() / "docs" / "Profile.json").string();
    Json::Value doc;
    doc["name"] = WideToUtf8(L"\u00C4");
    doc["dpi"] = intArray({400, 800});
    EXPECT_EQ(WriteJsonFile(path, doc), 0);
    EXPECT_EQ(readBytes(path), "{\n   \"dpi\" : [ 400, 800 ],\n   \"name\" : \"\xC3\x84\"\n}\n\n");

    Json::Value back = ReadJsonFile(path);
    EXPECT_EQ(back, doc);
    EXPECT_EQ(Utf8ToWide(back["name"].asString()), L"\u00C4");

    EXPECT_EQ(WriteJsonFile(path, Json::Value()), 0);
    EXPECT_EQ(readBytes(path), "null\n\n");
    EXPECT_EQ(namesIn(home.root() / "docs"), std::set<std::string>{"Profile.json"});
}

TEST(DataFile, EmptyMissingBrokenOrIrregularFilesReadAsNull) {
    TempHome home;
    writeBytes(home.root() / "empty.json", "");
    writeBytes(home.root() / "object.json", "{}");
    writeBytes(home.root() / "broken.json", "{\"a\" : 1");
    writeBytes(home.root() / "deep.json", std::string(5000, '['));
    writeBytes(home.root() / "crlf.json", "// saved\r\n{\r\n   \"a\" : [ 1, 2 ] /* x */\r\n}\r\n");
    auto read = [&](const char* name) { return ReadJsonFile((home.root() / name).string()); };

    EXPECT_TRUE(read("empty.json").isNull());
    EXPECT_TRUE(read("missing.json").isNull());
    EXPECT_TRUE(read("broken.json").isNull());
    EXPECT_TRUE(read("deep.json").isNull());  // the parser's depth limit, not a crash
    EXPECT_TRUE(ReadJsonFile(home.root().string()).isNull());
    EXPECT_TRUE(ReadJsonFile("/dev/zero").isNull());

    Json::Value object = read("object.json");
    EXPECT_TRUE(object.isObject());
    EXPECT_TRUE(object.empty());
    EXPECT_EQ(read("crlf.json")["a"][1].asInt(), 2);
}

TEST(DataFile, OnlyRealReadFailuresWriteADiagnosticLine) {
    TempHome home;
    writeBytes(home.root() / "a.json", std::string("{}\0junk", 7));
    writeBytes(home.root() / "empty.json", "");
    writeBytes(home.root() / "broken.json", "{ \"a\": ");
    vorn::platform::DebugCapture capture;
    EXPECT_EQ(ReadFileText((home.root() / "a.json").string()), "{}");  // ends at the zero byte
    EXPECT_TRUE(ReadJsonFile((home.root() / "missing.json").string()).isNull());
    EXPECT_TRUE(ReadJsonFile((home.root() / "empty.json").string()).isNull());
    EXPECT_TRUE(capture.lines().empty());  // new files are no failure

    const std::string broken = (home.root() / "broken.json").string();
    EXPECT_TRUE(ReadJsonFile(broken).isNull());
    EXPECT_TRUE(ReadJsonFile(home.root().string()).isNull());
    EXPECT_EQ(capture.lines(),
              (std::vector<std::string>{broken + ": does not parse as JSON",
                                        home.root().string() + ": not read: Is a directory"}));
}

// Root ignores permission bits, so the write runs in a child that has given up root.
TEST(DataFile, FailedWriteInReadOnlyFolderKeepsOldFileAndLeavesNoTemporary) {
    TempHome home;
    fs::path folder = home.root() / "profiles";
    fs::path target = folder / "Profile.json";
    const std::string old = "{\r\n   \"old\" : true\r\n}\r\n";
    writeBytes(target, old);
    fs::permissions(home.root(), fs::perms::others_exec, fs::perm_options::add);
    chmod(folder.c_str(), 0555);

    Json::Value doc;
    doc["new"] = 1;
    int result = vorn::test::runInChild([&] {
        if (!vorn::test::dropRootInChild()) {
            return 2;
        }
        return WriteJsonFile(target.string(), doc);
    });
    if (result == 2) {
        GTEST_SKIP() << "cannot drop root privileges here";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"Profile.json"});

    EXPECT_EQ(WriteJsonFile((home.root() / "absent" / "x.json").string(), doc), 0);
    EXPECT_FALSE(fs::exists(home.root() / "absent"));
}

TEST(DataFile, CopyIsByteExactAndMissingSourceGivesEmptyTarget) {
    TempHome home;
    const std::string bytes("line 1\r\nline 2\r\n\0\xC3\x84\r\n", 20);
    writeBytes(home.root() / "src.mac", bytes);
    CopyFileByChars((home.root() / "src.mac").string(), (home.root() / "dst.mac").string());
    EXPECT_EQ(readBytes(home.root() / "dst.mac"), bytes);

    CopyFileByChars((home.root() / "missing.mac").string(), (home.root() / "dst.mac").string());
    EXPECT_TRUE(fs::exists(home.root() / "dst.mac"));
    EXPECT_EQ(fs::file_size(home.root() / "dst.mac"), 0u);
}
