#include <gtest/gtest.h>

#include "support/TempHome.h"

#include <cstring>
#include <regex>

#include "storage/FileNames.h"
#include "storage/TextCodes.h"
#include "storage/TimestampId.h"

using namespace vorn::storage;

TEST(TimestampId, FormatsLocalTimeWithZeroPaddedFields) {
    std::tm t = vorn::test::makeLocalTime(2024, 3, 7, 9, 5, 1);
    EXPECT_EQ(MakeTimestampId(t, 42), "2024_03_07_09_05_01_042");
    EXPECT_TRUE(
        std::regex_match(MakeTimestampId(), std::regex(R"(\d{4}_\d\d_\d\d_\d\d_\d\d_\d\d_\d{3})")));
}

TEST(TextCodes, HexWordIsEightUpperCaseDigits) {
    EXPECT_EQ(HexWord(0), "00000000");
    EXPECT_EQ(HexWord(0xC0FFEE), "00C0FFEE");
    EXPECT_EQ(HexWord(0xabcdef12u), "ABCDEF12");
    EXPECT_EQ(HexWord(0xFFFFFFFFu), "FFFFFFFF");
}

TEST(TextCodes, CodePageBuffersAreUtf8WithTheirZeroBytesAndNullStaysNull) {
    EXPECT_EQ(WideToAnsi(nullptr), nullptr);
    EXPECT_EQ(WideToOem(nullptr), nullptr);
    auto ansi = WideToAnsi(L"a\u00C4");
    EXPECT_EQ(std::memcmp(ansi.get(), "a\xC3\x84\0\0", 5), 0);
    auto oem = WideToOem(L"\u547D");
    EXPECT_STREQ(oem.get(), "\xE5\x91\xBD");
    EXPECT_EQ(Utf8ToWide(WideToUtf8(L"\u00C4\U0001F3AE")), L"\u00C4\U0001F3AE");
}

TEST(FileNames, BaseNameDropsDriveFoldersAndExtension) {
    EXPECT_EQ(FileBaseName("C:\\a\\b.mac"), "b");
    EXPECT_EQ(FileBaseName("/x/y.Json"), "y");
    EXPECT_EQ(FileBaseName("noext"), "noext");
    EXPECT_EQ(FileBaseName("C:b.mac"), "b");
    EXPECT_EQ(FileBaseName("a/b\\c.d.e"), "c.d");
    EXPECT_EQ(FileBaseName("..\\..\\x"), "x");
    EXPECT_EQ(FileBaseName("dir/"), "");
    EXPECT_EQ(FileBaseName(L"D:\\Makros\\\u00C4rger.mac"), L"\u00C4rger");
}

TEST(FileNames, BlankNameIgnoresUnicodeSpaces) {
    EXPECT_TRUE(IsBlankName(L""));
    EXPECT_TRUE(IsBlankName(L" \t "));
    EXPECT_TRUE(IsBlankName(L"\u3000\u00A0\u2003"));
    EXPECT_FALSE(IsBlankName(L" a "));
    EXPECT_FALSE(IsBlankName(L"\u3000\u547D"));
    EXPECT_TRUE(IsBlankName("\xE3\x80\x80 "));
    EXPECT_FALSE(IsBlankName("x"));
}
