// Short and long strings of the stored alarm bytes are read through the user's
// ANSI code page of the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarms/alarm_codec.h"
#include "alarms/ansi_text.h"

namespace quorvel {
namespace {

TEST(AlarmAnsiText, ShortAndLongStringsUseTheAnsiCodePage) {
    // The expected text comes from the system's own conversion of the same bytes.
    const std::string bytes = "Caf\xE9 \x80 \xC4";
    wchar_t wide[16] = {};
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide, 16);
    ASSERT_GT(units, 0);
    char utf8[64] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, units, utf8, sizeof utf8, nullptr, nullptr);
    EXPECT_EQ(AnsiToUtf8(bytes), std::string(utf8));
    if (GetACP() == 1252) EXPECT_EQ(AnsiToUtf8(bytes), "Caf\xC3\xA9 \xE2\x82\xAC \xC3\x84");

    const std::vector<std::uint8_t> value = {0x02, 0x01, 0x06, 0x04, 'C', 'a', 'f', 0xE9, 0x0C, 0x01, 0x00,
                                             0x00, 0x00, 0xE9, 0x06, 0x00, 0x02, 0x05, 0x02, 0x00, 0x09,
                                             0x06, 0x00};
    AlarmList list;
    DecodeAlarms(value, list);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list[0].name, AnsiToUtf8("Caf\xE9"));
    EXPECT_EQ(list[0].sound, AnsiToUtf8("\xE9"));
    EXPECT_EQ(AnsiToUtf8("plain"), "plain");
}

}  // namespace
}  // namespace quorvel
