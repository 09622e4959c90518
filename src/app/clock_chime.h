// ClockChime: the clock's chime on the hour, the half or the quarter hour
// (core/chime.h decides when), played at the tick that reaches the boundary:
// the chosen sound file, or the short chime built into the executable, once,
// or once per hour struck. It stays silent while a full-screen program is in
// front or an alarm's sound plays. Its settings are values of their own under
// the settings key, read at start and written whenever they change.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "core/chime.h"
#include "sound/media_player.h"
#include "ui/callback_timer.h"
#include "windows/settings/chime_tuning.h"

namespace quorvel {

class ClockChime final : public ChimeTuning {
public:
    ClockChime();
    ~ClockChime();
    ClockChime(const ClockChime&) = delete;
    ClockChime& operator=(const ClockChime&) = delete;

    // Reads the stored settings; missing or unreadable ones stay off.
    void Load();
    // At every tick, after the alarms' check.
    void OnTick();

    const ChimeSettings& Chime() const override { return settings_; }
    void SetChime(const ChimeSettings& settings) override;
    bool HearChime() override;

    // What keeps it silent; both default to "no".
    std::function<bool()> fullScreenInFront;
    std::function<bool()> alarmSoundPlaying;

    // Seams: the UTC time and the zone's local time of it (the system's by
    // default), and what plays `strokes` strokes of the sound (an empty file
    // is the built-in chime); true when it plays.
    std::function<DateTime()> utcNow;
    std::function<DateTime(DateTime utc)> localTimeOf;
    std::function<bool(const std::string& file, int strokes)> play;

private:
    bool PlayStrokes(const std::string& file, int strokes);
    void NextStroke();
    // Made at the first stroke: a chime that never sounds costs no player at start.
    MediaPlayer& Player();

    ChimeSettings settings_;
    ChimeClock clock_;
    std::unique_ptr<MediaPlayer> player_;
    ui::CallbackTimer strokeTimer_;  // the built-in sound's strokes; its window made at the first
    std::string strokeFile_;
    int strokesLeft_ = 0;
};

// The system's UTC time now, and the local time of a UTC moment by its zone's
// rules for that date, as day counts.
DateTime SystemUtcNow();
DateTime SystemLocalTimeOf(DateTime utc);

}  // namespace quorvel
