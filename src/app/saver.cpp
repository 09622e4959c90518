#include "app/saver.h"

#include <exception>
#include <utility>

#include "alarms/alarm_book.h"
#include "app/clock_window.h"
#include "app/settings_store.h"
#include "core/clock.h"
#include "core/scope_exit.h"
#include "core/translation.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

constexpr DateTime kSavePeriod = 1.0 / 720;  // 2 minutes
constexpr char kWriteFailed[] = N_("Error writing config to the registry");

}  // namespace

Saver::Saver(const ClockWindow& clock, const SettingsStore& store, AlarmBook& book)
    : clock_(clock), store_(store), book_(book), nextSaveTime_(Now() + kSavePeriod) {}

void Saver::SaveAll() {
    const bool settings = SaveSettings();
    const bool alarms = WriteAlarms();
    Done(settings && alarms);
}

void Saver::SaveAlarms() { Done(WriteAlarms()); }

void Saver::OnTick() {
    if (saving_ || Now() < nextSaveTime_) return;
    saving_ = true;
    const ScopeExit done([this] { saving_ = false; });
    SaveAll();
    nextSaveTime_ = Now() + kSavePeriod;
}

bool Saver::SaveSettings() {
    if (store_.Save(clock_.Settings())) return true;
    Tell(Translate(kWriteFailed), ui::ApplicationTitle(), MB_OK);
    return false;
}

bool Saver::WriteAlarms() {
    try {
        if (book_.Save()) return true;
        Tell(Translate(kWriteFailed), ui::ApplicationTitle(), MB_OK);
    } catch (const std::exception& e) {
        Tell(Translate(e.what()), Translate("ERROR saving data to the registry"), MB_OK | MB_ICONERROR);
    }
    return false;
}

// Once per run of failures: a periodic save that fails every two minutes would
// otherwise stack a message box on the user each time.
void Saver::Tell(std::string_view message, std::string_view title, UINT type) {
    if (std::exchange(failing_, true)) return;
    ui::ShowMessageBox(nullptr, message, title, type);
}

void Saver::Done(bool worked) {
    if (worked) failing_ = false;
}

}  // namespace quorvel
