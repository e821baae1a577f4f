#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliRun.h"

using vorn::test::CliRun;
using vorn::test::lines;
using vorn::test::vornctl;

TEST(CatalogueCommand, PrintsFourTablesWithAlignedColumns) {
    CliRun r = vornctl({"catalogue"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* title :
         {"Device slots (20)", "Device options (5)", "Device pages (5)", "Update targets (6)"}) {
        EXPECT_NE(r.out.find(title), std::string::npos) << title;
    }
    std::vector<std::string> all = lines(r.out);
    // The slot table: title, header, rule, 20 rows; the product string column lines up.
    ASSERT_GT(all.size(), 23u);
    const size_t column = all[1].find("Product string");
    ASSERT_NE(column, std::string::npos);
    EXPECT_EQ(all[2 + 1 + 16].find("\"VORN-8K Dongle\""), column);
    EXPECT_EQ(all[2 + 1 + 0].find("\"\""), column);
    EXPECT_NE(all[2 + 1 + 18].find("none"), std::string::npos);  // T4Max: no alternate
    EXPECT_NE(all[2 + 1 + 4].find("0x320F  0x22B6"), std::string::npos);
    EXPECT_NE(r.out.find("\"XML\\CustomControlXML\\DeviceOption.xml\""), std::string::npos);
    EXPECT_NE(r.out.find("\"VORN-P6Pro+\""), std::string::npos);
    for (const std::string& line : all) {
        EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
    }
}

TEST(CatalogueCommand, RejectsArguments) {
    CliRun r = vornctl({"catalogue", "extra"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("catalogue"), std::string::npos);
}
