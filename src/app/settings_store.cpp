#include "app/settings_store.h"

#include <exception>
#include <string>

#include "core/stored_values.h"
#include "core/text.h"
#include "core/translation.h"
#include "core/wide.h"
#include "platform/registry_key.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

void Report(const char* text) { ui::ShowMessageBox(nullptr, Translate(text), ui::ApplicationTitle(), MB_OK); }

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

// Whether any of the clock's settings is stored: a key that holds only what
// other parts store before the first save (the alarm list, the language) has
// no settings to read yet, and is no damaged one.
bool HoldsClockSettings(const RegistryKey& key) {
    for (const std::string_view name : kClockSettingNames)
        if (key.Exists(name)) return true;
    return false;
}

// Values a store may lack: each keeps its default until first saved.
void ReadDesktop(const RegistryKey& key, DesktopOptions& d) {
    if (key.Exists(kHideWhenFullScreenValue.name)) d.hideWhenFullScreen = key.Read(kHideWhenFullScreenValue);
    if (key.Exists(kFullScreenRemindersValue.name)) d.fullScreenReminders = key.Read(kFullScreenRemindersValue);
    if (key.Exists(kClickThroughValue.name)) d.clickThrough = key.Read(kClickThroughValue);
    if (key.Exists(kShowHideHotKeyValue.name)) d.showHideHotKey = key.Read(kShowHideHotKeyValue);
}

void ReadInOrder(const RegistryKey& key, ClockSettings& s) {
    s.position.x = key.Read(kWinLeftValue);
    s.position.y = key.Read(kWinTopValue);
    s.timeFormat = key.Read(kTimeFormatValue);
    const std::string name = key.Read(kFontValue);
    if (!name.empty()) s.font.name = std::string(Utf8Prefix(name, kMaxFontNameChars));
    s.font.size = key.Read(kFontSizeValue);
    s.font.colour = static_cast<Colour>(key.Read(kFontColorValue));
    s.font.style = static_cast<std::uint8_t>(key.Read(kFontStyleValue) & 0xFF);
    s.opacity = static_cast<std::uint8_t>(key.Read(kAlphaValue) & 0xFF);
    s.background = static_cast<Colour>(key.Read(kBackColorValue));
    s.colourKeyOn = !key.Read(kBackgroundValue);
    s.shadowColour = static_cast<Colour>(key.Read(kShadowColorValue));
    s.shadowVisible = key.Read(kShadowValue);
    // Values later versions added: an older store lacks them.
    if (key.Exists(kShadowDepthValue.name)) s.shadowDepth = key.Read(kShadowDepthValue);
    if (key.Exists(kOutlineValue.name) && key.Read(kOutlineValue)) s.outlineVisible = true;
    s.hidden = key.Read(kHiddenValue);
    ReadDesktop(key, s.desktop);
}

void WriteAll(const RegistryKey& key, const ClockSettings& s) {
    key.Write(kTimeFormatValue, s.timeFormat);
    key.Write(kWinLeftValue, s.position.x);
    key.Write(kWinTopValue, s.position.y);
    key.Write(kFontValue, s.font.name);
    key.Write(kFontSizeValue, s.font.size);
    key.Write(kFontColorValue, static_cast<std::int32_t>(s.font.colour));
    key.Write(kFontStyleValue, s.font.style);
    key.Write(kAlphaValue, s.opacity);
    key.Write(kBackColorValue, static_cast<std::int32_t>(s.background));
    key.Write(kBackgroundValue, !s.colourKeyOn);
    key.Write(kShadowValue, s.shadowVisible);
    key.Write(kShadowColorValue, static_cast<std::int32_t>(s.shadowColour));
    key.Write(kHiddenValue, s.hidden);
    key.Write(kShadowDepthValue, s.shadowDepth);
    key.Write(kOutlineValue, s.outlineVisible);
    key.Write(kHideWhenFullScreenValue, s.desktop.hideWhenFullScreen);
    key.Write(kFullScreenRemindersValue, s.desktop.fullScreenReminders);
    key.Write(kClickThroughValue, s.desktop.clickThrough);
    key.Write(kShowHideHotKeyValue, s.desktop.showHideHotKey);
}

}  // namespace

SettingsStore::Loaded SettingsStore::Load(ClockSettings& settings) const {
    try {
        const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
        if (!key || !HoldsClockSettings(key)) {
            // A first start. (The warning for systems older than Windows 2000
            // cannot arise: this program does not load on them.)
            (void)SetStartupEntry(true);  // a failure was reported there
            return Loaded::FirstStart;
        }
        ReadInOrder(key, settings);
        return Loaded::Read;
    } catch (const std::exception&) {
        Report(N_("Error reading config"));
        return Loaded::Failed;
    }
}

bool SettingsStore::Save(const ClockSettings& settings) const {
    try {
        const RegistryKey key = RegistryKey::Open(kSettingsKey, true);
        if (!key) return false;
        WriteAll(key, settings);
        return true;
    } catch (const std::exception&) {
        return false;  // the caller tells the user
    }
}

bool SettingsStore::SetStartupEntry(bool enabled) const {
    try {
        const RegistryKey key = RegistryKey::Open(kRunKey, false);
        if (!key) return false;
        if (enabled) {
            key.Write(kStartupValue, "\"" + ExecutablePath() + "\"");
        } else {
            key.Delete(kStartupValue.name);  // whether it was there does not matter
        }
        return true;
    } catch (const std::exception&) {
        Report(N_("Error setting registry data"));
        return false;
    }
}

bool SettingsStore::StartupEntryExists() const {
    try {
        const RegistryKey key = RegistryKey::Open(kRunKey, false);
        return key && key.Exists(kStartupValue.name);
    } catch (const std::exception&) {
        Report(N_("Error accessing registry"));
        return false;
    }
}

}  // namespace quorvel
