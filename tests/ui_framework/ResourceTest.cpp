#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "support/TempHome.h"
#include "ui/framework/controls/Label.h"
#include "ui/framework/resources/ResourceManager.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

class ResourceTextTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CResourceManager::GetInstance().ResetTextMap();
        CResourceManager::GetInstance().SetTextQueryInterface(nullptr);
        CResourceManager::GetInstance().SetLanguage("");
        CPaintManagerUI::SetResourcePath("");
    }
};

class Query : public IQueryControlText {
  public:
    std::string QueryControlText(std::string_view key, std::string_view) override {
        return key == "asked" ? "answered" : "";
    }
};

}  // namespace

TEST_F(ResourceTextTest, ReloadTextChangesEveryResourceTextInEveryWindow) {
    test::TempHome home;
    test::writeBytes(home.root() / "skin" / "lan_en.xml",
                     R"(<Language name="en"><Text id="title_text">Settings</Text>
                        <Text id="ok_text" value="OK"/></Language>)");
    test::writeBytes(home.root() / "skin" / "lan_cn.xml",
                     "<Language name=\"zh\"><Text id=\"title_text\">\xE8\xAE\xBE\xE7\xBD\xAE</Text>"
                     "<Text id=\"ok_text\">\xE7\xA1\xAE\xE5\xAE\x9A</Text></Language>");
    CPaintManagerUI::SetResourcePath((home.root() / "skin").string());
    auto& rm = CResourceManager::GetInstance();
    ASSERT_TRUE(rm.LoadLanguage("lan_en.xml"));

    test::BuiltTree first(
        R"(<VerticalLayout><Label name="title" text="title_text" resourcetext="true"/>
        <Label name="plain" text="title_text"/></VerticalLayout>)");
    test::BuiltTree second(
        R"(<VerticalLayout><Button name="ok" text="ok_text" resourcetext="true"/></VerticalLayout>)");
    EXPECT_EQ(first.pm.FindControl("title")->GetText(), "Settings");
    EXPECT_EQ(first.pm.FindControl("plain")->GetText(), "title_text");
    EXPECT_EQ(second.pm.FindControl("ok")->GetText(), "OK");

    rm.SetLanguage("zh");
    ASSERT_TRUE(rm.LoadLanguage("lan_cn.xml"));
    EXPECT_EQ(first.pm.FindControl("title")->GetText(), "Settings");  // until reloaded
    rm.ReloadText();
    EXPECT_EQ(rm.GetLanguage(), "zh");
    EXPECT_EQ(first.pm.FindControl("title")->GetText(), "\xE8\xAE\xBE\xE7\xBD\xAE");
    EXPECT_EQ(second.pm.FindControl("ok")->GetText(), "\xE7\xA1\xAE\xE5\xAE\x9A");
    EXPECT_EQ(first.pm.FindControl("plain")->GetText(), "title_text");
    EXPECT_EQ(first.pm.FindControl("title")->GetTextKey(), "title_text");
}

TEST_F(ResourceTextTest, MissingKeysAskTheQueryInterfaceThenShowTheKey) {
    auto& rm = CResourceManager::GetInstance();
    rm.LoadLanguageText(R"(<Language><Text id="known">Known</Text></Language>)");
    Query query;
    rm.SetTextQueryInterface(&query);
    EXPECT_EQ(rm.GetText("known"), "Known");
    EXPECT_EQ(rm.GetText("asked"), "answered");
    EXPECT_EQ(rm.GetText("unknown"), "unknown");

    CLabelUI label;
    label.SetResourceText(true);
    label.SetText("asked");
    EXPECT_EQ(label.GetText(), "answered");
}

TEST_F(ResourceTextTest, UnreadableLanguageFileLeavesNoTexts) {
    auto& rm = CResourceManager::GetInstance();
    rm.SetText("k", "v");
    EXPECT_FALSE(rm.LoadLanguage("/nonexistent/lan.xml"));
    EXPECT_EQ(rm.GetTextCount(), 0u);
    EXPECT_FALSE(rm.LoadLanguageText("<Language><Text"));
}
