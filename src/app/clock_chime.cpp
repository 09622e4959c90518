#include "app/clock_chime.h"

#include <mmsystem.h>

#include <exception>

#include "core/clock.h"
#include "core/stored_values.h"
#include "core/system_time.h"
#include "core/translation.h"
#include "platform/registry_key.h"
#include "resource_ids.h"
#include "ui/message_box.h"
#include "ui/module.h"

namespace quorvel {
namespace {

constexpr UINT kStrokeGapMs = 700;  // the built-in stroke lasts 0.4 s
constexpr double kDaysFrom1601 = 109'205;  // 1601-01-01, FILETIME's start, to 1899-12-30
constexpr double kFileTimePerDay = 864e9;  // 100-nanosecond units

bool ValidMinuteOfDay(std::int32_t minute) { return minute >= 0 && minute < 1440; }

}  // namespace

DateTime SystemUtcNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG units = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<double>(units) / kFileTimePerDay - kDaysFrom1601;
}

DateTime SystemLocalTimeOf(DateTime utc) {
    const auto utcTime = ToSystemTime(utc);
    SYSTEMTIME local{};
    if (!utcTime || !SystemTimeToTzSpecificLocalTime(nullptr, &*utcTime, &local)) return Now();
    return FromSystemTime(local).value_or(Now());
}

ClockChime::ClockChime()
    : utcNow(SystemUtcNow),
      localTimeOf(SystemLocalTimeOf),
      play([this](const std::string& file, int strokes) { return PlayStrokes(file, strokes); }),
      strokeTimer_(kStrokeGapMs, [this] { NextStroke(); }) {}

MediaPlayer& ClockChime::Player() {
    if (!player_) {
        player_ = std::make_unique<MediaPlayer>();
        player_->onNotify = [this](MediaPlayer&) { NextStroke(); };
    }
    return *player_;
}

namespace {

// The system's sound player, loaded at the first built-in chime: at start it
// would bring OLE along (Wine's does), for a chime that may never sound.
bool builtInStarted = false;

BOOL PlayBuiltIn(LPCWSTR sound, DWORD flags) {
    static ui::LazyLibrary winmm(L"winmm.dll");
    static const auto play = winmm.Function<decltype(&PlaySoundW)>("PlaySoundW");
    if (!play) return FALSE;
    builtInStarted = true;
    return play(sound, sound ? GetModuleHandleW(nullptr) : nullptr, flags);
}

}  // namespace

ClockChime::~ClockChime() {
    if (builtInStarted) PlayBuiltIn(nullptr, 0);  // a stroke still sounding stops
}

void ClockChime::Load() {
    try {
        const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
        if (!key) return;
        ChimeSettings stored;
        if (key.Exists(kChimeValue.name)) stored.everyMinutes = ChimeInterval(key.Read(kChimeValue));
        if (key.Exists(kChimeSoundValue.name)) stored.sound = key.Read(kChimeSoundValue);
        if (key.Exists(kChimeStrikesValue.name)) stored.strikeHours = key.Read(kChimeStrikesValue);
        const std::int32_t from = key.Exists(kQuietFromValue.name) ? key.Read(kQuietFromValue) : 0;
        const std::int32_t to = key.Exists(kQuietToValue.name) ? key.Read(kQuietToValue) : 0;
        // A span with an end that is no minute of the day is no span at all.
        if (ValidMinuteOfDay(from) && ValidMinuteOfDay(to)) {
            stored.quietFrom = from;
            stored.quietTo = to;
        }
        settings_ = stored;
    } catch (const std::exception&) {
        // A value of another type: the chime stays off, as it was before it was set.
    }
}

void ClockChime::SetChime(const ChimeSettings& settings) {
    settings_ = settings;
    try {
        const RegistryKey key = RegistryKey::Open(kSettingsKey, true);
        if (!key) throw RegistryError("Cannot open the settings key");
        key.Write(kChimeValue, settings.everyMinutes);
        key.Write(kChimeSoundValue, settings.sound);
        key.Write(kChimeStrikesValue, settings.strikeHours);
        key.Write(kQuietFromValue, settings.quietFrom);
        key.Write(kQuietToValue, settings.quietTo);
    } catch (const std::exception&) {
        ui::ShowMessageBox(nullptr, Translate("Error setting registry data"), ui::ApplicationTitle(), MB_OK);
    }
}

void ClockChime::OnTick() {
    // Off, it asks nothing of the system; turned on, its first tick only takes note.
    if (ChimeInterval(settings_.everyMinutes) == 0) return;
    const DateTime utc = utcNow();
    const auto stroke = clock_.Tick(utc, localTimeOf(utc), settings_);
    if (!stroke) return;
    // Silence, not a chime later: the boundary has passed by then.
    if ((fullScreenInFront && fullScreenInFront()) || (alarmSoundPlaying && alarmSoundPlaying())) return;
    // A chosen file that no longer plays leaves the built-in chime, not silence.
    if (!play(settings_.sound, stroke->strokes) && !settings_.sound.empty()) play("", stroke->strokes);
}

bool ClockChime::HearChime() {
    int strokes = 1;
    if (settings_.strikeHours) {
        const auto now = DecodeDateTime(Now());
        const int hour = now ? now->hour % 12 : 0;
        strokes = hour == 0 ? 12 : hour;
    }
    if (play(settings_.sound, strokes)) return true;
    ui::ShowMessageBox(nullptr, FillIn(Translate("Cannot play the chime's sound: {0}"), {settings_.sound}),
                       ui::ApplicationTitle(), MB_OK | MB_ICONERROR);
    return false;
}

bool ClockChime::PlayStrokes(const std::string& file, int strokes) {
    strokeTimer_.Stop();
    if (player_) {
        if (player_->Mode() == PlayerMode::Playing) player_->Stop();
        player_->Close();
    }
    strokeFile_ = file;
    strokesLeft_ = strokes - 1;
    if (file.empty()) {
        if (!PlayBuiltIn(MAKEINTRESOURCEW(IDR_CHIME_SOUND), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT))
            return false;
        // Without its timer the hour sounds once rather than not at all.
        if (strokesLeft_ > 0) (void)strokeTimer_.Start();
        return true;
    }
    try {
        MediaPlayer& player = Player();
        player.fileName = file;
        player.Open();
        player.SetNotify(strokesLeft_ > 0);
        return player.Play() == 0;
    } catch (const std::exception&) {
        return false;  // the caller falls back or tells
    }
}

// The next stroke: the built-in one at the timer, a file's at the end of the last.
void ClockChime::NextStroke() {
    if (strokesLeft_ <= 0) {
        strokeTimer_.Stop();
        return;
    }
    --strokesLeft_;
    if (strokeFile_.empty()) {
        PlayBuiltIn(MAKEINTRESOURCEW(IDR_CHIME_SOUND), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
        return;
    }
    Player().SetNotify(strokesLeft_ > 0);
    (void)Player().Play();  // a refused play ends the strokes: no report comes
}

}  // namespace quorvel
