#include "core/hot_key.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(HotKey, StoredAsTheHotKeyControlGivesIt) {
    struct Case {
        std::int32_t stored;
        HotKey hotKey;
        unsigned systemModifiers;  // MOD_* | MOD_NOREPEAT
        bool usable;
    };
    const Case cases[] = {
        {0, {}, 0x4000, false},                                // none
        {0x0651, {'Q', kHotKeyControl | kHotKeyAlt}, 0x4003, true},  // Ctrl+Alt+Q
        {0x0178, {0x78, kHotKeyShift}, 0x4004, true},          // Shift+F9
        {0x0078, {0x78, 0}, 0x4000, true},                     // F9 alone
        {0x0041, {'A', 0}, 0x4000, false},                     // a lone letter
        {0x0141, {'A', kHotKeyShift}, 0x4004, false},          // a capital letter
        {0x0C24, {0x24, kHotKeyAlt | kHotKeyExtended}, 0x4001, true},  // Alt+Home (extended key)
        {0x7FFF0251, {'Q', kHotKeyControl}, 0x4002, true},     // bits above 16 are not the shortcut's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.stored);
        EXPECT_EQ(HotKeyFromStored(c.stored), c.hotKey);
        EXPECT_EQ(SystemHotKeyModifiers(c.hotKey), c.systemModifiers);
        EXPECT_EQ(UsableEverywhere(c.hotKey), c.usable);
        EXPECT_EQ(StoredHotKey(c.hotKey), c.stored & 0xFFFF);
    }
}

}  // namespace
}  // namespace quorvel
