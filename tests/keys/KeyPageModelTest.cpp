#include <gtest/gtest.h>

#include "devices/keys/KeyPageModel.h"

using namespace vorn::devices;
using vorn::profiles::KeyAssignment;

namespace {

const KeyAssignment kFactory{0x10, 0x01, 0};
const KeyAssignment kCurrent{0x13, 1, 0};

KeyAssignment build(KeyPageFields f, int macroCount = 0) {
    return buildFromFields(f, kCurrent, kFactory, macroCount);
}

KeyPageFields shown(const KeyAssignment& code, int macroCount = 0) {
    KeyPageFields f;
    showInFields(code, kFactory, macroCount, f);
    return f;
}

}  // namespace

TEST(KeyPageModel, TableFunctionsGiveTheRowAtTheSelectedPosition) {
    KeyPageFields f;
    f.function = kFunctionMouseButton;
    f.mouseButton = 2;
    EXPECT_EQ(build(f), (KeyAssignment{0x10, 0x02, 0}));
    f = {};
    f.function = kFunctionDpi;
    f.dpi = 2;
    EXPECT_EQ(build(f), (KeyAssignment{0x13, 3, 0}));
    f = {};
    f.function = kFunctionConsumer;
    f.consumer = 5;
    EXPECT_EQ(build(f), (KeyAssignment{0x30, 0xEA, 0x00}));
    f = {};
    f.function = kFunctionSystem;
    f.system = 0;
    EXPECT_EQ(build(f), (KeyAssignment{0x40, 1, 0}));
    f = {};
    f.function = kFunctionShortcut;
    f.shortcut = 3;
    EXPECT_EQ(build(f), (KeyAssignment{0x20, 0x10, 0x16}));
    f = {};
    f.function = kFunctionShoot;
    f.shoot = 2;
    EXPECT_EQ(build(f), (KeyAssignment{0x72, 2, 0}));
    // Nothing selected: the key keeps what it does.
    f = {};
    f.function = kFunctionConsumer;
    EXPECT_EQ(build(f), kCurrent);
    f.function = kFunctionShoot;
    EXPECT_EQ(build(f), kCurrent);
    // The default function, and a number no function has, give the factory code.
    f.function = kFunctionDefault;
    EXPECT_EQ(build(f), kFactory);
    f.function = 12;
    EXPECT_EQ(build(f), kFactory);

    EXPECT_EQ(shown({0x30, 0xEA, 0x00}).consumer, 5);
    EXPECT_EQ(shown({0x30, 0xEA, 0x00}).function, kFunctionConsumer);
    EXPECT_EQ(shown({0x13, 3, 0}).dpi, 2);
    EXPECT_EQ(shown({0x10, 0x10, 0}).mouseButton, 3);
    EXPECT_EQ(shown({0x40, 4, 0}).system, 2);
    EXPECT_EQ(shown({0x40, 3, 0}).system, -1);
    EXPECT_EQ(shown({0x72, 1, 0}).shoot, 1);
}

TEST(KeyPageModel, WheelCountIsTwosComplementBothWays) {
    KeyPageFields f;
    f.function = kFunctionWheel;
    f.wheel = {1, 2, 5, 3};
    EXPECT_EQ(build(f), (KeyAssignment{0x12, 0x25, 0xFD}));
    f.wheel = {0, 2, 5, 3};
    EXPECT_EQ(build(f), (KeyAssignment{0x12, 0x25, 0x03}));
    f.wheel = {1, 0, 0, 127};
    EXPECT_EQ(build(f), (KeyAssignment{0x12, 0x00, 0x81}));
    // A count of 0 downwards stays 0 instead of turning into 128 steps.
    f.wheel = {1, 0, 0, 0};
    EXPECT_EQ(build(f), (KeyAssignment{0x12, 0x00, 0x00}));
    // No direction chosen: parameter 2 keeps its value.
    f.wheel = {-1, 1, 1, 9};
    EXPECT_EQ(buildFromFields(f, {0x12, 0x00, 0xFE}, kFactory, 0),
              (KeyAssignment{0x12, 0x11, 0xFE}));

    KeyPageFields s = shown({0x12, 0x25, 0xFD});
    EXPECT_EQ(s.function, kFunctionWheel);
    EXPECT_EQ(s.wheel, (MotionFields{1, 2, 5, 3}));
    EXPECT_EQ(shown({0x12, 0x25, 0x03}).wheel, (MotionFields{0, 2, 5, 3}));
    EXPECT_EQ(shown({0x12, 0xF0, 0x80}).wheel, (MotionFields{1, 15, 0, 128}));
}

TEST(KeyPageModel, PointerCountCarriesTheDirectionInBit7) {
    KeyPageFields f;
    f.function = kFunctionPointer;
    // Delay kept to its low nibble, count to 7 bits.
    f.pointer = {0, 20, 3, 200};
    EXPECT_EQ(build(f), (KeyAssignment{0x11, 0x43, 0x48}));
    f.pointer = {1, 1, 2, 5};
    EXPECT_EQ(build(f), (KeyAssignment{0x11, 0x12, 0x85}));
    f.pointer = {-1, 1, 2, 5};
    EXPECT_EQ(build(f), (KeyAssignment{0x11, 0x12, kCurrent.param2}));

    EXPECT_EQ(shown({0x11, 0x12, 0x85}).pointer, (MotionFields{1, 1, 2, 5}));
    EXPECT_EQ(shown({0x11, 0x43, 0x48}).pointer, (MotionFields{0, 4, 3, 72}));
    EXPECT_EQ(shown({0x11, 0x43, 0x48}).function, kFunctionPointer);
}

TEST(KeyPageModel, RapidFireIntervalIsRaisedToTen) {
    KeyPageFields f;
    f.function = kFunctionRapidFire;
    f.fireInterval = 5;
    f.fireCount = 3;
    EXPECT_EQ(build(f), (KeyAssignment{0x14, 10, 3}));
    EXPECT_EQ(f.fireInterval, 5);  // build() took a copy
    KeyAssignment code = buildFromFields(f, kCurrent, kFactory, 0);
    EXPECT_EQ(code, (KeyAssignment{0x14, 10, 3}));
    EXPECT_EQ(f.fireInterval, 10);
    // Only the low byte is kept, and that is raised too.
    f.fireInterval = 260;
    EXPECT_EQ(buildFromFields(f, kCurrent, kFactory, 0), (KeyAssignment{0x14, 10, 3}));
    f.fireInterval = 120;
    EXPECT_EQ(build(f), (KeyAssignment{0x14, 120, 3}));

    KeyPageFields s = shown({0x14, 0x78, 0x02});
    EXPECT_EQ(s.function, kFunctionRapidFire);
    EXPECT_EQ(s.fireInterval, 120);
    EXPECT_EQ(s.fireCount, 2);
}

TEST(KeyPageModel, KeyboardKeyWithModifierOption) {
    KeyPageFields f;
    f.function = kFunctionKeyboard;
    f.modifierOption = 3;
    f.keyboardRow = 8;  // A
    EXPECT_EQ(build(f), (KeyAssignment{0x20, 0x04, 0x04}));
    f.modifierOption = 0;
    EXPECT_EQ(build(f), (KeyAssignment{0x20, 0, 0x04}));
    f.modifierOption = -1;
    f.keyboardRow = -1;
    EXPECT_EQ(build(f), (KeyAssignment{0x20, 0, 0}));
    f.modifierOption = 4;
    EXPECT_EQ(build(f), (KeyAssignment{0x20, 0x08, 0}));

    KeyPageFields s = shown({0x20, 0, 0x04});
    EXPECT_EQ(s.function, kFunctionKeyboard);
    EXPECT_EQ(s.modifierOption, 0);
    EXPECT_EQ(s.keyboardRow, 8);
    // A usage no row has: no option, an empty edit.
    s = shown({0x20, 0, 0xE7});
    EXPECT_EQ(s.function, kFunctionKeyboard);
    EXPECT_EQ(s.modifierOption, -1);
    EXPECT_EQ(s.keyboardRow, -1);
    // Right Alt shows as the Alt option.
    s = shown({0x20, 0x40, 0x29});
    EXPECT_EQ(s.modifierOption, 3);
    EXPECT_EQ(s.keyboardRow, 45);
    // Modifier bits no single row has: option 0.
    s = shown({0x20, 0x03, 0x04});
    EXPECT_EQ(s.function, kFunctionKeyboard);
    EXPECT_EQ(s.modifierOption, 0);
    // Right Ctrl is the shortcut page.
    s = shown({0x20, 0x10, 0x16});
    EXPECT_EQ(s.function, kFunctionShortcut);
    EXPECT_EQ(s.shortcut, 3);
    EXPECT_EQ(shown({0x20, 0x10, 0x17}).shortcut, -1);
    // Above 0x80 nothing shows it.
    EXPECT_EQ(shown({0x20, 0x81, 0x04}).function, -1);
    EXPECT_EQ(shown({0x20, 0x80, 0x04}).modifierOption, 4);
}

TEST(KeyPageModel, MacroAndRepeatedMacro) {
    KeyPageFields f;
    f.function = kFunctionMacro;
    f.macro = 1;
    f.macroMode = 2;
    EXPECT_EQ(build(f, 3), (KeyAssignment{0x70, 1, 2}));
    f.macroMode = kMacroModeRepeat;
    f.macroRepeat = 0;  // an empty repeat field
    EXPECT_EQ(build(f, 3), (KeyAssignment{0x71, 1, 0}));
    f.macroRepeat = 7;
    EXPECT_EQ(build(f, 3), (KeyAssignment{0x71, 1, 7}));
    // No macro, an empty list, or a position past the list: the key keeps its code.
    f.macro = -1;
    EXPECT_EQ(build(f, 3), kCurrent);
    f.macro = 0;
    EXPECT_EQ(build(f, 0), kCurrent);
    f.macro = 3;
    EXPECT_EQ(build(f, 3), kCurrent);

    KeyPageFields s = shown({0x70, 2, 1}, 3);
    EXPECT_EQ(s.function, kFunctionMacro);
    EXPECT_EQ(s.macro, 2);
    EXPECT_EQ(s.macroMode, 1);
    EXPECT_FALSE(s.macroRepeatShown);
    s = shown({0x71, 0, 9}, 3);
    EXPECT_EQ(s.macro, 0);
    EXPECT_EQ(s.macroMode, kMacroModeRepeat);
    EXPECT_EQ(s.macroRepeat, 9);
    EXPECT_TRUE(s.macroRepeatShown);
    // A macro that is no longer listed shows no selection.
    s = shown({0x71, 3, 9}, 3);
    EXPECT_EQ(s.function, kFunctionMacro);
    EXPECT_EQ(s.macro, -1);
    EXPECT_EQ(s.macroMode, -1);
    EXPECT_FALSE(s.macroRepeatShown);
}

TEST(KeyPageModel, DefaultAndUnshownKinds) {
    // The key's factory code is always the default function, whatever its kind.
    EXPECT_EQ(shown(kFactory).function, kFunctionDefault);
    KeyPageFields f;
    showInFields({0x30, 0xE9, 0}, {0x30, 0xE9, 0}, 0, f);
    EXPECT_EQ(f.function, kFunctionDefault);
    EXPECT_EQ(f.consumer, -1);
    EXPECT_EQ(shown({0x00, 0, 0}).function, kFunctionDefault);
    EXPECT_EQ(shown({0xB0, 0, 0}).function, kFunctionShortcut);
    EXPECT_EQ(shown({0x15, 3, 0}).function, -1);
    EXPECT_EQ(shown({0xA0, 0x1B, 0}).function, -1);
    // Fields of other sub-pages keep their values.
    f = {};
    f.dpi = 1;
    showInFields({0x30, 0xE9, 0}, kFactory, 0, f);
    EXPECT_EQ(f.dpi, 1);
}

TEST(KeyPageModel, TypedIntegers) {
    EXPECT_EQ(parseTypedInteger(""), 0);
    EXPECT_EQ(parseTypedInteger("42"), 42);
    EXPECT_EQ(parseTypedInteger(" 7x"), 7);
    EXPECT_EQ(parseTypedInteger("abc"), 0);
    EXPECT_EQ(parseTypedInteger("-3"), -3);
    EXPECT_EQ(parseTypedInteger("99999999999"), 2147483647);
}
