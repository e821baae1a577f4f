// The words of the mouse command, read without a window: names resolve to the key page's
// choices, values to the page's positions, and what cannot be read says why.

#include <gtest/gtest.h>

#include "devices/keys/KeyCodeTables.h"
#include "devices/keys/KeyPageModel.h"
#include "platform/paths/Paths.h"
#include "shell/MouseWords.h"

using namespace vorn;
using shell::KeyFunctionChoice;
using shell::MouseRequest;
using shell::MouseVerb;

namespace {

class MouseWordsParsing : public ::testing::Test {
  protected:
    MouseWordsParsing() {
        platform::setProgramFolderOverride(std::string(VORN_SOURCE_DIR) + "/resources/");
    }
    ~MouseWordsParsing() override { platform::setProgramFolderOverride(""); }

    MouseRequest parsed(const std::vector<std::string>& words) {
        MouseRequest request;
        error.clear();
        EXPECT_TRUE(shell::parseMouseWords(words, request, error)) << error;
        return request;
    }
    std::string refused(const std::vector<std::string>& words) {
        MouseRequest request;
        error.clear();
        EXPECT_FALSE(shell::parseMouseWords(words, request, error));
        return error;
    }
    KeyFunctionChoice function(const std::string& word) {
        return parsed({"key", "1", word}).function;
    }

    std::string error;
};

int keyboardRowNamed(std::string_view key) {
    for (std::size_t i = 0; i < devices::kKeyboardRows.size(); ++i) {
        if (devices::kKeyboardRows[i].name == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

TEST_F(MouseWordsParsing, FunctionsAreNamedAsTheKeyPageNamesThem) {
    using namespace devices;
    EXPECT_EQ(function("left"), (KeyFunctionChoice{kFunctionMouseButton, 0, 0, -1}));
    EXPECT_EQ(function("Forward"), (KeyFunctionChoice{kFunctionMouseButton, 3, 0, -1}));
    EXPECT_EQ(function("dpiup"), (KeyFunctionChoice{kFunctionDpi, 0, 0, -1}));
    EXPECT_EQ(function("volume-up"), (KeyFunctionChoice{kFunctionConsumer, 6, 0, -1}));
    EXPECT_EQ(function("Play/Pause"), (KeyFunctionChoice{kFunctionConsumer, 1, 0, -1}));
    EXPECT_EQ(function("copy"), (KeyFunctionChoice{kFunctionShortcut, 4, 0, -1}));
    EXPECT_EQ(function("default"), (KeyFunctionChoice{}));
    EXPECT_EQ(function("disable"), (KeyFunctionChoice{kFunctionKeyboard, -1, 0, -1}));
    const int c = keyboardRowNamed("keyboard_key_C");
    EXPECT_EQ(function("ctrl+c"), (KeyFunctionChoice{kFunctionKeyboard, -1, 1, c}));
    EXPECT_EQ(function("a"),
              (KeyFunctionChoice{kFunctionKeyboard, -1, 0, keyboardRowNamed("keyboard_key_A")}));
    EXPECT_EQ(function("page-up"), (KeyFunctionChoice{kFunctionKeyboard, -1, 0,
                                                      keyboardRowNamed("keyboard_key_Page Up")}));
    // A key named with its '+', and a modifier alone.
    EXPECT_EQ(function("alt+num+"), (KeyFunctionChoice{kFunctionKeyboard, -1, 3,
                                                       keyboardRowNamed("keyboard_key_Num +")}));
    EXPECT_EQ(function("shift"), (KeyFunctionChoice{kFunctionKeyboard, -1, 2, -1}));

    EXPECT_EQ(refused({"key", "1", "ctrl+shift+a"}),
              "the key page takes one modifier (Ctrl, Shift, Alt or Win) with a key");
    EXPECT_EQ(refused({"key", "1", "c+ctrl"}).rfind("unknown function 'c+ctrl'", 0), 0u);
    EXPECT_EQ(parsed({"key", "right-button", "left"}).key, 3);
    EXPECT_EQ(refused({"key", "0", "left"}),
              "a key is 1 to 11 or its name (see vornctl mouse show), not '0'");
}

TEST_F(MouseWordsParsing, ValuesBecomeThePagesPositions) {
    EXPECT_EQ(parsed({"rate", "1000"}).number, 3);
    EXPECT_EQ(parsed({"rate", "6"}).number, 6);
    EXPECT_EQ(parsed({"sleep", "20"}).number, 6);
    EXPECT_EQ(parsed({"sleep", "off"}).number, -1);
    EXPECT_EQ(parsed({"debounce", "10"}).number, 5);
    EXPECT_EQ(parsed({"silent", "3"}).number, 2);
    const MouseRequest dpi = parsed({"dpi", "6", "26050", "--slot=16"});
    EXPECT_EQ(dpi.verb, MouseVerb::Dpi);
    EXPECT_EQ(dpi.stage, 5);
    EXPECT_EQ(dpi.number, 26050);
    EXPECT_EQ(dpi.slot, 16);
    const MouseRequest light =
        parsed({"light", "breathing-four-colours", "--colour", "#00ff80", "--brightness", "0"});
    EXPECT_EQ(light.light.colour, (std::array<std::uint8_t, 3>{0x00, 0xFF, 0x80}));
    EXPECT_EQ(light.light.brightness, 0);
    EXPECT_FALSE(light.light.speed);

    EXPECT_EQ(refused({"rate", "7"}),
              "a polling rate is one of 125, 250, 500, 1000, 2000, 4000, 8000 Hz, or its "
              "position 0 to 6, not '7'");
    EXPECT_EQ(refused({"dpi", "1", "-5"}), "a DPI value is a whole number, not '-5'");
    EXPECT_EQ(refused({"dpi", "1", "1e3"}), "a DPI value is a whole number, not '1e3'");
    EXPECT_EQ(refused({"light", "wave", "--colour", "0f0"}),
              "a colour is six hexadecimal digits RRGGBB, not '0f0'");
    EXPECT_EQ(refused({"dpi", "1", "800", "--speed", "2"}), "--speed belongs to the light command");
    EXPECT_EQ(refused({"show", "--model", "t4", "--slot", "4"}),
              "--model and --slot exclude each other");
    EXPECT_EQ(refused({"stage"}), "usage: vornctl mouse stage STAGE");
    // The own light programme is listed but not shown: it needs the light editor.
    EXPECT_EQ(refused({"light", "own-light-programme"}),
              "unknown light mode 'own-light-programme'");
    EXPECT_TRUE(parsed({"help"}).help);
}
