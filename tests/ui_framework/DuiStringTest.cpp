#include <gtest/gtest.h>

#include "ui/framework/DuiString.h"
#include "ui/framework/UiTypes.h"

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
