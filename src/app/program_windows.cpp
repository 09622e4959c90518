#include "app/program_windows.h"

#include <utility>

#include "alarms/alarm_book.h"
#include "windows/alarm_editor/alarm_editor.h"
#include "windows/alarms/alarms_window.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

namespace quorvel {

ProgramWindows::ProgramWindows(TunableClock& clock, ClockControl& control, AlarmBook& book,
                               std::function<void()> saveAlarms)
    : clock_(clock), control_(control), book_(book), saveAlarms_(std::move(saveAlarms)) {}

ProgramWindows::~ProgramWindows() = default;

SettingsWindow& ProgramWindows::Settings() {
    if (!settings_) {
        auto window = std::make_unique<SettingsWindow>(clock_, control_, chime_);
        window->Create();
        settings_ = std::move(window);
    }
    return *settings_;
}

AlarmsWindow& ProgramWindows::Alarms() {
    if (!alarms_) {
        auto editor = std::make_unique<AlarmEditor>();
        auto window = std::make_unique<AlarmsWindow>(book_, *editor);
        window->onClosing = saveAlarms_;
        window->Create();
        // The editor is owned by the alarms window it serves.
        editor->Create(window->Handle());
        editor_ = std::move(editor);
        alarms_ = std::move(window);
    }
    return *alarms_;
}

CalendarWindow& ProgramWindows::Calendar() {
    if (!calendar_) {
        auto window = std::make_unique<CalendarWindow>();
        window->Create();
        calendar_ = std::move(window);
    }
    return *calendar_;
}

}  // namespace quorvel
