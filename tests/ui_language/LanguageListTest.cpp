#include <gtest/gtest.h>

#include <string>

#include "support/TempHome.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/language/LanguageList.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const std::string kResources = std::string(VORN_SOURCE_DIR) + "/resources";

// The program's real skin folder; the language texts are dropped afterwards.
class LanguageListTest : public ::testing::Test {
  protected:
    void SetUp() override { CPaintManagerUI::SetResourcePath(kResources + "/skin"); }
    void TearDown() override {
        CResourceManager::GetInstance().ResetTextMap();
        CPaintManagerUI::SetResourcePath("");
    }
};

}  // namespace

TEST_F(LanguageListTest, LanguageFilesHoldEveryMessageKeyInBothLanguages) {
    auto list = readLanguageList(kResources + "/DefaultData/Language.config");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "en");
    EXPECT_EQ(list[1].file, "lan_cn.xml");
    EXPECT_EQ(languageIndexForId(list, 2052), 1);
    EXPECT_EQ(languageIndexForId(list, 7), 0);
    EXPECT_EQ(languageIndexForName(list, "ZH"), 1);
    auto& rm = CResourceManager::GetInstance();
    for (const auto& entry : list) {
        ASSERT_TRUE(applyLanguage(entry)) << entry.file;
        EXPECT_EQ(rm.GetLanguage(), entry.name);
        for (int n : {2, 4, 5, 6, 7, 16, 17, 22, 25, 26, 27, 28, 29, 30, 31, 32}) {
            std::string key = "message_text_" + std::to_string(n);
            EXPECT_TRUE(rm.HasText(key)) << entry.file << " " << key;
        }
        for (const char* key : {"tips_text", "software_rev_text", "confirm_text", "cancel_text"}) {
            EXPECT_TRUE(rm.HasText(key)) << entry.file << " " << key;
        }
        // The overflow message takes the number of events to remove.
        EXPECT_NE(rm.GetText("message_text_16").find("%d"), std::string::npos);
    }
}

TEST(LanguageList, MissingOrMalformedListIsEmpty) {
    EXPECT_TRUE(readLanguageList("/nonexistent/Language.config").empty());
    test::TempHome home;
    test::writeBytes(home.root() / "Language.config", "{\"Language\": 5}");
    EXPECT_TRUE(readLanguageList((home.root() / "Language.config").string()).empty());
    test::writeBytes(home.root() / "bad.config", "{not json");
    EXPECT_TRUE(readLanguageList((home.root() / "bad.config").string()).empty());
}
