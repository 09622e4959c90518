#include "windows/settings/chime_controls.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "core/translation.h"
#include "ui/common_dialogs.h"

namespace quorvel {
namespace {

constexpr int kIntervals[] = {0, 60, 30, 15};
constexpr const char* kIntervalCaptions[] = {N_("Off"), N_("Every hour"), N_("Every half hour"),
                                             N_("Every quarter hour")};

}  // namespace

void ChimeControls::Attach(const Handles& handles) {
    interval_.Attach(handles.interval);
    strike_.Attach(handles.strike);
    quietFrom_.Attach(handles.quietFrom);
    quietTo_.Attach(handles.quietTo);
    sound_.Attach(handles.sound);
    browse_.Attach(handles.browse);
    hear_.Attach(handles.hear);
    for (const char* caption : kIntervalCaptions) interval_.AddItem(Translate(caption));
    const auto changed = [this] { Changed(); };
    interval_.onSelect = changed;
    strike_.onClick = changed;
    quietFrom_.onSelect = changed;
    quietTo_.onSelect = changed;
    sound_.onExit = changed;
    browse_.onClick = [this] { OnBrowse(); };
    hear_.onClick = [this] {
        if (onHear) onHear();
    };
}

// Every half hour of the day, "00:00" to "23:30", with the stored minute in its place.
void ChimeControls::FillQuiet(ui::ComboBox& list, std::vector<int>& minutes, int value) {
    minutes.clear();
    for (int minute = 0; minute < 1440; minute += 30) minutes.push_back(minute);
    const auto at = std::lower_bound(minutes.begin(), minutes.end(), value);
    if (at == minutes.end() || *at != value) minutes.insert(at, value);
    list.Clear();
    for (const int minute : minutes) {
        const char text[] = {static_cast<char>('0' + minute / 600), static_cast<char>('0' + minute / 60 % 10), ':',
                             static_cast<char>('0' + minute % 60 / 10), static_cast<char>('0' + minute % 10)};
        list.AddItem(std::string_view(text, sizeof text));
    }
    list.Select(static_cast<int>(std::find(minutes.begin(), minutes.end(), value) - minutes.begin()));
}

void ChimeControls::Fill(const ChimeSettings& settings) {
    filling_ = true;
    const auto interval = std::find(std::begin(kIntervals), std::end(kIntervals), ChimeInterval(settings.everyMinutes));
    interval_.Select(static_cast<int>(interval - std::begin(kIntervals)));
    strike_.SetChecked(settings.strikeHours);
    FillQuiet(quietFrom_, fromMinutes_, settings.quietFrom);
    FillQuiet(quietTo_, toMinutes_, settings.quietTo);
    sound_.SetText(settings.sound);
    filling_ = false;
}

ChimeSettings ChimeControls::Picked() const {
    ChimeSettings settings;
    const int interval = interval_.Selected();
    settings.everyMinutes = interval >= 0 && interval < static_cast<int>(std::size(kIntervals)) ? kIntervals[interval] : 0;
    settings.strikeHours = strike_.Checked();
    const auto minuteOf = [](const ui::ComboBox& list, const std::vector<int>& minutes) {
        const int item = list.Selected();
        return item >= 0 && item < static_cast<int>(minutes.size()) ? minutes[item] : 0;
    };
    settings.quietFrom = minuteOf(quietFrom_, fromMinutes_);
    settings.quietTo = minuteOf(quietTo_, toMinutes_);
    settings.sound = sound_.Text();
    return settings;
}

void ChimeControls::SetEnabled(bool enabled) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{&interval_, &strike_, &quietFrom_, &quietTo_,
                                                                    &sound_, &browse_, &hear_})
        control->SetEnabled(enabled);
}

void ChimeControls::Changed() {
    if (!filling_ && onChange) onChange();
}

void ChimeControls::OnBrowse() {
    ui::OpenFileRequest request;
    request.owner = GetParent(browse_.Handle());
    request.filters = {{std::string(Translate("Sound files")), "*.wav;*.mp3;*.wma;*.mid;*.midi"},
                       {std::string(Translate("All files")), "*.*"}};
    request.filterIndex = 1;
    request.options = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    request.fileName = sound_.Text();
    if (const auto chosen = ui::ChooseFileToOpen(request)) {
        sound_.SetText(*chosen);
        Changed();
    }
}

}  // namespace quorvel
