#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyCodeTables.h"

using namespace vorn::devices;

TEST(KeyCapture, NativeScanCodesGiveTheKeysOfTheTables) {
    struct Case {
        std::uint32_t native;
        CapturedKey key;
        int row;
    };
    const Case cases[] = {
        {38, {0x1E, false}, 8},     // A (input code 30)
        {108, {0x38, true}, 6},     // right Alt (100)
        {64, {0x38, false}, 2},     // left Alt (56)
        {105, {0x1D, true}, 4},     // right Ctrl (97)
        {36, {0x1C, false}, 44},    // Enter (28)
        {104, {0x1C, true}, 91},    // keypad Enter (96)
        {111, {0x48, true}, 85},    // Up (103)
        {133, {0x5B, true}, 3},     // left GUI (125)
        {127, {0x45, false}, 75},   // Pause (119)
        {77, {0x45, true}, 86},     // Num Lock (69)
        {132, {0x7D, false}, 106},  // Yen (124)
        {100, {0x79, false}, 109},  // Henkan (92)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.native);
        const std::optional<CapturedKey> key = captureNativeScanCode(c.native);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(*key, c.key);
        EXPECT_EQ(keyboardRowOfCapturedKey(*key), c.row);
    }
    // Media keys and codes below the offset are not in the table.
    EXPECT_FALSE(captureNativeScanCode(121).has_value());  // mute (113)
    EXPECT_FALSE(captureNativeScanCode(3).has_value());
    EXPECT_FALSE(captureNativeScanCode(0).has_value());
    EXPECT_EQ(keyboardRowOfCapturedKey({0x20, true}), -1);
}

TEST(KeyCapture, EveryRowIsAKeyOfItsOwn) {
    std::set<std::uint16_t> inputCodes;
    std::set<std::pair<int, bool>> scanCodes;
    for (std::size_t r = 0; r < kKeyCaptureRows.size(); ++r) {
        const KeyCaptureRow& row = kKeyCaptureRows[r];
        EXPECT_NE(row.inputCode, 0) << r;
        inputCodes.insert(row.inputCode);
        scanCodes.insert({row.scanCode, row.extended});
        // Every capturable key is found again as its own row.
        const std::optional<CapturedKey> key = captureInputCode(row.inputCode);
        ASSERT_TRUE(key.has_value()) << r;
        EXPECT_EQ(keyboardRowOfCapturedKey(*key), static_cast<int>(r));
    }
    EXPECT_EQ(inputCodes.size(), kKeyCaptureRowCount);
    EXPECT_EQ(scanCodes.size(), kKeyCaptureRowCount);
}
