// The clock window's settings storage: its appearance and position as named
// values under the program's key, and the entry that starts it at log-on.
#include <exception>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "app/clock_window.h"
#include "platform/registry_key.h"
#include "core/screen_placement.h"
#include "core/text.h"
#include "ui/message_box.h"
#include "core/wide.h"

namespace quorvel {
namespace {

void Report(const char* text) { ui::ShowMessageBox(nullptr, text, ui::ApplicationTitle(), MB_OK); }

// The full path of the running executable, however long.
std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw RegistryError("Cannot find the program's path");
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void ClockWindow::LoadSettings() {
    try {
        const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
        if (!key) {
            // A first start. (The warning for systems older than Windows 2000
            // cannot arise: this program does not load on them.)
            SetStartupEntry(true);
            return;
        }
        // In exactly this order: a failing read leaves the earlier values applied.
        const RECT r = WindowRect(Handle());
        const int left = key.Read(kWinLeftValue);
        SetWindowPos(Handle(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const int top = key.Read(kWinTopValue);
        SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        timeFormat_ = key.Read(kTimeFormatValue);

        FontSpec font = text_.Font();
        const std::string name = key.Read(kFontValue);
        if (!name.empty()) font.name = std::string(Utf8Prefix(name, kMaxFontNameChars));
        text_.SetFont(font);
        font.size = key.Read(kFontSizeValue);
        text_.SetFont(font);
        font.colour = static_cast<Colour>(key.Read(kFontColorValue));
        text_.SetFont(font);
        font.style = static_cast<std::uint8_t>(key.Read(kFontStyleValue) & 0xFF);
        text_.SetFont(font);
        shadow_.SetFont(text_.Font());
        outline_.SetFont(text_.Font());

        SetOpacity(static_cast<std::uint8_t>(key.Read(kAlphaValue) & 0xFF));
        SetBackgroundColour(static_cast<Colour>(key.Read(kBackColorValue)));
        SetColourKey(BackgroundColour());
        SetColourKeyOn(!key.Read(kBackgroundValue));
        shadow_.SetFontColour(static_cast<Colour>(key.Read(kShadowColorValue)));
        shadow_.SetVisible(key.Read(kShadowValue));
        if (key.Exists(kShadowDepthValue.name)) shadowDepth_ = key.Read(kShadowDepthValue);
        if (key.Exists(kOutlineValue.name) && key.Read(kOutlineValue)) outline_.SetVisible(true);
        PlaceShadow();
        if (key.Read(kHiddenValue)) {
            // Hidden only with its tray icon: a clock hidden without one
            // (the shell refused it) could never be brought back.
            ActivateTrayIcon();
            if (trayIcon_.Active()) {
                menu_.SetCaption(kHideCommand, "&Show");
                showOnStart_ = false;
            }
        }
    } catch (const std::exception&) {
        Report("Error reading config");
    }
}

void ClockWindow::SaveSettings() {
    try {
        {
            const RegistryKey key = RegistryKey::Open(kSettingsKey, true);
            if (!key) {
                Report("Error writing config to the registry");
                return;
            }
            const RECT r = WindowRect(Handle());
            const FontSpec& font = text_.Font();
            key.Write(kTimeFormatValue, timeFormat_);
            key.Write(kWinLeftValue, r.left);
            key.Write(kWinTopValue, r.top);
            key.Write(kFontValue, font.name);
            key.Write(kFontSizeValue, font.size);
            key.Write(kFontColorValue, static_cast<std::int32_t>(font.colour));
            key.Write(kFontStyleValue, font.style);
            key.Write(kAlphaValue, Opacity());
            key.Write(kBackColorValue, static_cast<std::int32_t>(BackgroundColour()));
            key.Write(kBackgroundValue, !ColourKeyOn());
            key.Write(kShadowValue, shadow_.Visible());
            key.Write(kShadowColorValue, static_cast<std::int32_t>(shadow_.Font().colour));
            key.Write(kHiddenValue, !IsWindowVisible(Handle()));
            key.Write(kShadowDepthValue, shadowDepth_);
            key.Write(kOutlineValue, outline_.Visible());
        }
        if (alarmBook_) alarmBook_->Save();
    } catch (const std::exception&) {
        Report("Error writing config to the registry");
    }
}

void ClockWindow::SetStartupEntry(bool enabled) {
    try {
        const RegistryKey key = RegistryKey::Open(kRunKey, false);
        if (!key) return;
        if (enabled) {
            key.Write(kStartupValue, "\"" + ExecutablePath() + "\"");
        } else {
            key.Delete(kStartupValue.name);  // whether it was there does not matter
        }
    } catch (const std::exception&) {
        Report("Error setting registry data");
    }
}

bool ClockWindow::StartupEntryExists() {
    try {
        const RegistryKey key = RegistryKey::Open(kRunKey, false);
        return key && key.Exists(kStartupValue.name);
    } catch (const std::exception&) {
        Report("Error accessing registry");
        return false;
    }
}

void ClockWindow::KeepOnScreen() {
    std::vector<ScreenRect> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT area, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<ScreenRect>*>(data)->push_back(ToScreenRect(*area));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    if (!GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary)) return;
    const auto place = RestingPlace(ToScreenRect(WindowRect(Handle())), monitors, ToScreenRect(primary.rcWork));
    if (place) SetWindowPos(Handle(), nullptr, place->x, place->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvel
