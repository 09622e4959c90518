// What other programs, stored settings and users see of the program's identity.
// Each text is exact: stored data and running copies are found by it.
#pragma once

namespace quorvel {

// The product's name: captions, the tray tool tip, message boxes.
inline constexpr char kProductName[] = "Quorvel";
inline constexpr wchar_t kProductNameWide[] = L"Quorvel";

// The current user's settings key (absolute: from the root of the hive); the
// alarm list is a value under it. The name stays as users' stored data has it.
inline constexpr char kSettingsKey[] = "\\Software\\Quorvel1.1";
inline constexpr wchar_t kSettingsPathWide[] = L"Software\\Quorvel1.1";

// The clock window's class; with the caption kProductName it tells other
// programs (quorvel-cli) that the clock is running.
inline constexpr wchar_t kClockWindowClass[] = L"TForm1";

// The value under the user's Run key that starts the program at log-on.
inline constexpr char kStartupValueName[] = "Quorvel";
inline constexpr wchar_t kStartupValueNameWide[] = L"Quorvel";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunKeyWide[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace quorvel
