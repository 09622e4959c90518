#include "app/program.h"

#include "core/translation.h"
#include "ui/message_box.h"
#include "windows/alarms/alarms_window.h"
#include "windows/reminder/reminder_windows.h"

namespace quorvel {

Program::Program()
    : windows_(clock_, commands_, book_, [this] { saver_.SaveAlarms(); }),
      commands_({clock_, tray_, book_, saver_, store_, windows_, desktop_}, menu_) {}

// The reminders go before the book: their alarms stay as stored.
Program::~Program() {
    book_.SetReminders(nullptr);
    reminders_.reset();
}

void Program::Start() {
    CreateClock();
    LoadAlarms();
}

// The stored settings are applied before the clock first shows; the clock is
// then shown at once, unless it starts hidden to its tray icon.
void Program::CreateClock() {
    clock_.Create();
    menu_.AttachTo(clock_);
    clock_.onTick = [this] {
        desktop_.OnTick();
        CheckAlarms();
        chime_.OnTick();
        saver_.OnTick();
    };
    events_.afterCheck = [this] { outlook_.AfterCheck(); };
    clock_.onTickFailed = [] {
        ui::ShowMessageBox(nullptr, Translate("The clock's timer cannot be started: no alarm will fire."),
                           ui::ApplicationTitle(), MB_OK | MB_ICONERROR | MB_TOPMOST);
    };
    clock_.onClosing = [this] { saver_.SaveAll(); };
    ClockSettings settings;
    store_.Load(settings);
    chime_.Load();
    windows_.SetChime(chime_);
    clock_.Apply(settings);
    clock_.KeepOnScreen();
    // An existing entry is rewritten with this executable's path; a missing one stays missing.
    if (store_.StartupEntryExists()) (void)store_.SetStartupEntry(true);  // a failure was told there
    if (settings.hidden && tray_.StartHidden()) {
        // A clock that starts hidden to the tray ticks all the same: its alarms
        // must fire and its list be saved, whether or not it is ever shown.
        (void)clock_.StartTicking();  // a failure was told through onTickFailed
    } else {
        clock_.Show();
    }
    // Shown first: a full-screen program in front has it step aside at once.
    desktop_.Start();
}

// Firing alarms and advance reminders get reminder windows centred on the clock's monitor.
void Program::LoadAlarms() {
    reminders_ = std::make_unique<ReminderWindows>(clock_.Handle());
    book_.SetReminders(reminders_.get());
    chime_.alarmSoundPlaying = [this] { return reminders_->SoundPlaying(); };
    // While a full-screen program is in front, reminders wait for it or show over it quietly.
    reminders_->howToShow = [this] { return desktop_.HowRemindersShow(); };
    desktop_.onRemindersMayShow = [this] {
        if (reminders_) reminders_->ShowWaiting();
    };
    book_.onReminderFailed = [](const std::string& message) { ReminderWindows::ShowFailure(message); };
    book_.onOptionsDamaged = [this] {
        ui::ShowMessageBox(clock_.Handle(), Translate(kDamagedOptionsMessage),
                           Translate("ERROR loading data from the registry"), MB_OK | MB_ICONWARNING);
    };
    if (const auto failure = book_.Load()) ShowAlarmLoadFailure(book_, *failure, clock_.Handle());
    book_.StartChecking();
    outlook_.Start(*reminders_);
}

void Program::CheckAlarms() {
    book_.CheckAlarms();
    outlook_.AfterCheck();
}

}  // namespace quorvel
