#include <gtest/gtest.h>

#include "ui/framework/core/UiTypes.h"
#include "ui/framework/resources/DuiString.h"

using namespace vorn::ui;

TEST(DuiString, SlicesAndSearchesCountCharacters) {
    CDuiString s("DPI_edit_3");
    int cut = s.ReverseFind('_');
    EXPECT_EQ(cut, 8);
    EXPECT_EQ(s.Left(cut + 1), "DPI_edit_");
    EXPECT_EQ(s.Mid(cut + 1), "3");
    EXPECT_EQ(s.Mid(4, 4), "edit");
    EXPECT_EQ(s.Right(1), "3");
    EXPECT_EQ(s.Left(99), "DPI_edit_3");
    EXPECT_EQ(s.Mid(40), "");

    CDuiString wide("\xE9\xBC\xA0\xE6\xA0\x87_2");  // 鼠标_2
    EXPECT_EQ(wide.GetLength(), 4);
    EXPECT_EQ(wide.ReverseFind('_'), 2);
    EXPECT_EQ(wide.Left(1), "\xE9\xBC\xA0");
    EXPECT_EQ(wide.Find("_"), 2);
}

TEST(DuiString, FormatCompareAndCase) {
    CDuiString s;
    s.Format("R %d", 128);
    EXPECT_EQ(s, "R 128");
    EXPECT_EQ(CDuiString("DeviceKeyButton").CompareNoCase("devicekeybutton"), 0);
    EXPECT_NE(CDuiString("abc").CompareNoCase("abd"), 0);
    CDuiString m("MiXeD");
    EXPECT_EQ(m.MakeLower(), "mixed");
    CDuiString r("a-b-c");
    EXPECT_EQ(r.Replace("-", "+"), 2);
    EXPECT_EQ(r, "a+b+c");
}

TEST(UiTypes, ColoursRectanglesAndAttributeLists) {
    EXPECT_EQ(parseColor("#FF102030"), 0xFF102030u);
    EXPECT_EQ(parseColor("#102030"), 0xFF102030u);
    EXPECT_EQ(parseColor("0x80FFFFFF"), 0x80FFFFFFu);
    EXPECT_EQ(parseColor("#GG"), 0u);
    EXPECT_EQ(parseRect("1, 2,3"), (UiRect{1, 2, 3, 0}));
    auto attrs = parseAttributeList(R"(bkimage="file='a.png' corner='2,2,2,2'" width='10')");
    ASSERT_EQ(attrs.size(), 2u);
    EXPECT_EQ(attrs[0].second, "file='a.png' corner='2,2,2,2'");
    EXPECT_EQ(attrs[1], (std::pair<std::string, std::string>{"width", "10"}));
}

TEST(DuiString, SlicesOutOfRangeGiveEmptyOrWholeTextNeverGarbage) {
    CDuiString s("mouse_T4");
    // Left of a search that found nothing is empty, as the pages expect of name prefixes.
    EXPECT_EQ(s.Left(s.ReverseFind('#')), "");
    EXPECT_EQ(s.Left(0), "");
    EXPECT_EQ(s.Right(0), "");
    EXPECT_EQ(s.Right(-2), "");
    EXPECT_EQ(s.Right(99), "mouse_T4");
    EXPECT_EQ(s.Mid(-3, 5), "mouse");
    EXPECT_EQ(s.Mid(3, 0), "");
    EXPECT_EQ(s.Mid(8), "");
    EXPECT_EQ(s.Find('_', 6), -1);
    EXPECT_EQ(s.Find("e", 99), -1);
    EXPECT_EQ(CDuiString().ReverseFind('_'), -1);
    EXPECT_EQ(CDuiString().Left(3), "");

    CDuiString wide("\xC3\xA9t\xC3\xA9_\xE2\x82\xAC");  // été_€
    EXPECT_EQ(wide.Right(1), "\xE2\x82\xAC");
    EXPECT_EQ(wide.Mid(1, 2), "t\xC3\xA9");
    EXPECT_EQ(wide.Find("\xC3\xA9", 1), 2);
}

TEST(DuiString, CaseFoldingAndFormatHandleNonAsciiAndLongText) {
    EXPECT_EQ(CDuiString("\xC3\x84\xC3\x96\xC3\x9C").CompareNoCase("\xC3\xA4\xC3\xB6\xC3\xBC"),
              0);  // ÄÖÜ / äöü
    EXPECT_LT(CDuiString("apple").CompareNoCase("Banana"), 0);
    EXPECT_GT(CDuiString("Zeta").CompareNoCase("alpha"), 0);
    EXPECT_NE(CDuiString("\xC3\xA4").CompareNoCase("a"), 0);
    CDuiString up("Stra\xC3\x9F");
    EXPECT_EQ(up.MakeUpper(), "STRA\xC3\x9F");  // letters without a capital stay

    CDuiString f;
    std::string longText(5000, 'x');
    EXPECT_EQ(f.Format("%s-%s", longText.c_str(), "\xE2\x82\xAC"), 5002);
    EXPECT_EQ(f.GetLength(), 5002);
    EXPECT_EQ(f.Right(2), "-\xE2\x82\xAC");
    EXPECT_EQ(f.Format("%s", ""), 0);
    EXPECT_TRUE(f.IsEmpty());
}
