// The clock window's settings storage: its appearance and position as named
// values under the program's key, and the entry that starts it at log-on.
#include <exception>
#include <string>
#include <vector>

#include "app/clock_window.h"
#include "core/screen_placement.h"
#include "core/text.h"
#include "ui/message_box.h"
#include "core/wide.h"

namespace quorvel {
namespace {

// Relative, and so taken from the root: no key is open when it is used.

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
    SettingsRegistry& reg = registry_;
    try {
        if (reg.OpenKey(kSettingsKey, false)) {
            // In exactly this order: a failing read leaves the earlier values applied.
            const RECT r = WindowRect(Handle());
            const int left = reg.ReadInteger("WinLeft");
            SetWindowPos(Handle(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            const int top = reg.ReadInteger("WinTop");
            SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            timeFormat_ = reg.ReadString("TimeFormat");

            FontSpec font = text_.Font();
            const std::string name = reg.ReadString("Font");
            if (!name.empty()) font.name = std::string(Utf8Prefix(name, kMaxFontNameChars));
            text_.SetFont(font);
            font.size = reg.ReadInteger("FontSize");
            text_.SetFont(font);
            font.colour = static_cast<Colour>(reg.ReadInteger("FontColor"));
            text_.SetFont(font);
            font.style = static_cast<std::uint8_t>(reg.ReadInteger("FontStyle") & 0xFF);
            text_.SetFont(font);
            shadow_.SetFont(text_.Font());
            outline_.SetFont(text_.Font());

            SetOpacity(static_cast<std::uint8_t>(reg.ReadInteger("Alpha") & 0xFF));
            SetBackgroundColour(static_cast<Colour>(reg.ReadInteger("BackColor")));
            SetColourKey(BackgroundColour());
            SetColourKeyOn(!reg.ReadBool("Background"));
            shadow_.SetFontColour(static_cast<Colour>(reg.ReadInteger("ShadowColor")));
            shadow_.SetVisible(reg.ReadBool("Shadow"));
            if (reg.ValueExists("ShadowDepth")) shadowDepth_ = reg.ReadInteger("ShadowDepth");
            if (reg.ValueExists("Outline") && reg.ReadBool("Outline")) outline_.SetVisible(true);
            PlaceShadow();
            if (reg.ReadBool("Hidden")) {
                // Hidden only with its tray icon: a clock hidden without one
                // (the shell refused it) could never be brought back.
                ActivateTrayIcon();
                if (trayIcon_.Active()) {
                    menu_.SetCaption(kHideCommand, "&Show");
                    showOnStart_ = false;
                }
            }
            reg.CloseKey();
        } else {
            // A first start. (The warning for systems older than Windows 2000
            // cannot arise: this program does not load on them.)
            SetStartupEntry(true);
        }
    } catch (const std::exception&) {
        Report("Error reading config");
    }
}

void ClockWindow::SaveSettings() {
    SettingsRegistry& reg = registry_;
    if (!reg.OpenKey(kSettingsKey, true)) {
        Report("Error writing config to the registry");
        return;
    }
    try {
        const RECT r = WindowRect(Handle());
        const FontSpec& font = text_.Font();
        reg.WriteString("TimeFormat", timeFormat_);
        reg.WriteInteger("WinLeft", r.left);
        reg.WriteInteger("WinTop", r.top);
        reg.WriteString("Font", font.name);
        reg.WriteInteger("FontSize", font.size);
        reg.WriteInteger("FontColor", static_cast<std::int32_t>(font.colour));
        reg.WriteInteger("FontStyle", font.style);
        reg.WriteInteger("Alpha", Opacity());
        reg.WriteInteger("BackColor", static_cast<std::int32_t>(BackgroundColour()));
        reg.WriteBool("Background", !ColourKeyOn());
        reg.WriteBool("Shadow", shadow_.Visible());
        reg.WriteInteger("ShadowColor", static_cast<std::int32_t>(shadow_.Font().colour));
        reg.WriteBool("Hidden", !IsWindowVisible(Handle()));
        reg.WriteInteger("ShadowDepth", shadowDepth_);
        reg.WriteBool("Outline", outline_.Visible());
        reg.CloseKey();
        if (alarmsWindow_) alarmsWindow_->Store().Save();
    } catch (const std::exception&) {
        Report("Error writing config to the registry");
    }
}

void ClockWindow::SetStartupEntry(bool enabled) {
    SettingsRegistry& reg = registry_;
    try {
        if (!reg.OpenKey(kRunKey, false)) return;
        if (enabled) {
            reg.WriteString(kStartupValueName, "\"" + ExecutablePath() + "\"");
            reg.CloseKey();
        } else {
            // Whether it was there does not matter; the key stays open until
            // the next registry operation closes it.
            reg.DeleteValue(kStartupValueName);
        }
    } catch (const std::exception&) {
        Report("Error setting registry data");
    }
}

bool ClockWindow::StartupEntryExists() {
    SettingsRegistry& reg = registry_;
    bool exists = false;
    try {
        if (reg.OpenKey(kRunKey, false)) {
            exists = reg.ValueExists(kStartupValueName);
            reg.CloseKey();
        }
    } catch (const std::exception&) {
        Report("Error accessing registry");
        exists = false;
    }
    return exists;
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
