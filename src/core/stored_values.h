// Every value the program keeps in the current user's registry, with its type,
// in one table that loading, saving and quorvel-cli use. The names, types and
// keys are exact: users' stored data has them.
//
// A StoredValue<T> names a value read and written as T: std::string is REG_SZ,
// std::int32_t a 4-byte REG_DWORD, bool a REG_DWORD holding 0 or 1 (read as
// true when not 0), StoredBytes REG_BINARY.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/product.h"

namespace quorvel {

using StoredBytes = std::vector<std::uint8_t>;

template <typename T>
struct StoredValue {
    std::string_view name;
};

// ---- Under the settings key (kSettingsKey) ----

// The clock's settings, each as the clock window holds it.
inline constexpr StoredValue<std::string> kTimeFormatValue{"TimeFormat"};
inline constexpr StoredValue<std::int32_t> kWinLeftValue{"WinLeft"};        // screen pixels, signed
inline constexpr StoredValue<std::int32_t> kWinTopValue{"WinTop"};
inline constexpr StoredValue<std::string> kFontValue{"Font"};               // family name
inline constexpr StoredValue<std::int32_t> kFontSizeValue{"FontSize"};      // points
inline constexpr StoredValue<std::int32_t> kFontColorValue{"FontColor"};    // colour value
inline constexpr StoredValue<std::int32_t> kFontStyleValue{"FontStyle"};    // bold 1, italic 2, underline 4, strike-out 8
inline constexpr StoredValue<std::int32_t> kAlphaValue{"Alpha"};            // opacity 0-255
inline constexpr StoredValue<std::int32_t> kBackColorValue{"BackColor"};    // colour value
inline constexpr StoredValue<bool> kBackgroundValue{"Background"};          // true: the colour key is off
inline constexpr StoredValue<bool> kShadowValue{"Shadow"};                  // the shadow is shown
inline constexpr StoredValue<std::int32_t> kShadowColorValue{"ShadowColor"};
inline constexpr StoredValue<bool> kHiddenValue{"Hidden"};                  // hidden to the tray icon
inline constexpr StoredValue<std::int32_t> kShadowDepthValue{"ShadowDepth"};  // pixels
inline constexpr StoredValue<bool> kOutlineValue{"Outline"};                // the outline is shown
// Beside other programs (core/desktop_options.h).
inline constexpr StoredValue<bool> kHideWhenFullScreenValue{"HideWhenFullScreen"};       // steps aside, default 1
inline constexpr StoredValue<std::int32_t> kFullScreenRemindersValue{"FullScreenReminders"};  // 0 wait, 1 over it
inline constexpr StoredValue<bool> kClickThroughValue{"ClickThrough"};                   // default 0
inline constexpr StoredValue<std::int32_t> kShowHideHotKeyValue{"ShowHideHotKey"};       // key | HOTKEYF_* << 8

// The clock's settings in the order they are written.
inline constexpr std::array<std::string_view, 19> kClockSettingNames = {
    kTimeFormatValue.name, kWinLeftValue.name,   kWinTopValue.name,      kFontValue.name,
    kFontSizeValue.name,   kFontColorValue.name, kFontStyleValue.name,   kAlphaValue.name,
    kBackColorValue.name,  kBackgroundValue.name, kShadowValue.name,     kShadowColorValue.name,
    kHiddenValue.name,     kShadowDepthValue.name, kOutlineValue.name,
    kHideWhenFullScreenValue.name, kFullScreenRemindersValue.name, kClickThroughValue.name,
    kShowHideHotKeyValue.name,
};

// The chime, read and written on their own, outside the clock's settings above.
inline constexpr StoredValue<std::int32_t> kChimeValue{"Chime"};            // 0 off; 60, 30 or 15 minutes
inline constexpr StoredValue<std::string> kChimeSoundValue{"ChimeSound"};   // a sound file; empty: the built-in chime
inline constexpr StoredValue<bool> kChimeStrikesValue{"ChimeStrikes"};      // the full hour struck 1-12 times
inline constexpr StoredValue<std::int32_t> kQuietFromValue{"QuietFrom"};    // minutes after midnight
inline constexpr StoredValue<std::int32_t> kQuietToValue{"QuietTo"};        // equal to QuietFrom: no quiet hours

// The alarm list in its stored bytes.
inline constexpr StoredValue<StoredBytes> kAlarmsValue{"Alarms"};
// The alarms' options (weekdays, snooze length, missed moments, repeating
// sound), one entry per alarm in list order, each marked with a fingerprint of
// its alarm; written and read together with "Alarms".
inline constexpr StoredValue<StoredBytes> kAlarmOptionsValue{"AlarmOptions"};
// A copy of an "Alarms" value that failed to load, kept with its bytes and
// type when the list is first saved over it; never read by the program.
inline constexpr StoredValue<StoredBytes> kAlarmsDamagedValue{"AlarmsDamaged"};
// The same for an "AlarmOptions" value that could not be read whole.
inline constexpr StoredValue<StoredBytes> kAlarmOptionsDamagedValue{"AlarmOptionsDamaged"};

// The language of the program's texts ("de", "pt-BR"); missing or empty: the
// user's Windows display language. Only read: the user sets it.
inline constexpr StoredValue<std::string> kLanguageValue{"Language"};

// Set when the installer ended a running clock to update it; the installer's
// start after the update takes it away and starts the clock again.
inline constexpr StoredValue<bool> kStartAfterUpdateValue{"StartAfterUpdate"};

// ---- Under the Run key (kRunKey) ----

// Starts the program at log-on: the quoted path of its executable.
inline constexpr StoredValue<std::string> kStartupValue{kStartupValueName};

}  // namespace quorvel
