// For tests that create the clock window: it reads its settings from, and
// writes them to, the real registry of the test prefix. Each such test starts
// from no settings key and no start-up entry, and leaves none behind.
//
//   class MyTest : public testing::Test {
//       CleanRegistry registry;  // before the window, so it is cleaned before it loads
//       TForm1 form;
//   };
#pragma once

#include <windows.h>

namespace quorvel::testing_support {

inline constexpr wchar_t kSettingsKey[] = L"Software\\Quorvel1.1";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kStartupValue[] = L"Quorvel";

inline void DeleteClockRegistry() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueW(run, kStartupValue);
        RegCloseKey(run);
    }
}

struct CleanRegistry {
    CleanRegistry() { DeleteClockRegistry(); }
    ~CleanRegistry() { DeleteClockRegistry(); }
    CleanRegistry(const CleanRegistry&) = delete;
    CleanRegistry& operator=(const CleanRegistry&) = delete;
};

}  // namespace quorvel::testing_support
