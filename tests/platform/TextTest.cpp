#include <gtest/gtest.h>

#include "platform/text/Text.h"

using namespace vorn::platform;

TEST(Text, Utf8RoundTripKeepsNonAsciiCharacters) {
    std::string s = "\xC3\x84 \xE5\x91\xBD\xE4\xBB\xA4 \xF0\x9F\x8E\xAE";  // Ä 命令 🎮
    std::wstring w = utf8ToWide(s);
    ASSERT_EQ(w.size(), 6u);
    EXPECT_EQ(w[0], L'\u00C4');
    EXPECT_EQ(wideToUtf8(w), s);
}

TEST(Text, MalformedUtf8BecomesReplacementWithoutOverrun) {
    EXPECT_EQ(utf8ToWide(std::string("\xE5\x91", 2)), std::wstring(L"\uFFFD\uFFFD"));
    EXPECT_EQ(utf8ToWide(std::string("\xC0\x80", 2)), std::wstring(L"\uFFFD\uFFFD"));
    EXPECT_EQ(utf8ToWide(std::string("a\xFF" "b", 3)), std::wstring(L"a\uFFFDb"));
}

TEST(Text, CaseInsensitiveComparisonCoversNonAscii) {
    EXPECT_TRUE(equalsIgnoreCase("VORN-T4Ultra", "vorn-t4ultra"));
    EXPECT_TRUE(equalsIgnoreCase("\xC3\x84RGER", "\xC3\xA4rger"));          // ÄRGER / ärger
    EXPECT_TRUE(equalsIgnoreCase("\xD0\x9C\xD0\xAB\xD0\xA8\xD0\xAC", "\xD0\xBC\xD1\x8B\xD1\x88\xD1\x8C"));  // МЫШЬ
    EXPECT_FALSE(equalsIgnoreCase("VORN-T4", "VORN-T4Pro"));
    EXPECT_FALSE(equalsIgnoreCase("abc", "abd"));
    EXPECT_EQ(foldCase("Game \xCE\xA3"), "game \xCF\x83");  // Σ -> σ
}

TEST(Text, TrimRemovesUnicodeSpaceAtBothEnds) {
    EXPECT_EQ(trimSpace("  name\t"), "name");
    EXPECT_EQ(trimSpace("\xE3\x80\x80 \xE3\x80\x80"), "");  // ideographic spaces only
    EXPECT_EQ(trimSpace("a b"), "a b");
    EXPECT_EQ(formatText("%s_%02d", "x", 7), "x_07");
}

TEST(Text, ControlCharactersAreTheBytesBelowBlankAndDelete) {
    EXPECT_FALSE(hasControlCharacter(""));
    EXPECT_FALSE(hasControlCharacter(" ~ Profile 1"));
    EXPECT_FALSE(hasControlCharacter("\xC3\x84\xE5\x91\xBD"));  // Ä 命: bytes above 0x7F
    EXPECT_TRUE(hasControlCharacter("a\nb"));
    EXPECT_TRUE(hasControlCharacter("\t"));
    EXPECT_TRUE(hasControlCharacter(std::string("a\0b", 3)));
    EXPECT_TRUE(hasControlCharacter("\x1F"));
    EXPECT_TRUE(hasControlCharacter("end\x7F"));
}
