// SettingsWindow, "Clock Settings": where the user tunes the clock's font,
// colours, opacity, size, shadow, outline, background, time format, start-up
// entry, hidden state and chime. Every control acts on the clock the moment it changes;
// every showing reads the clock's state back into the controls (ReadClockState).
// Created once, hidden, at start; closing it only hides it, and nothing done in
// it is ever reverted. OK saves the settings.
#pragma once

#include <string>

#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo_box.h"
#include "ui/controls/track_bar.h"
#include "ui/window.h"
#include "windows/settings/chime_controls.h"
#include "windows/settings/chime_tuning.h"
#include "windows/settings/clock_control.h"
#include "windows/settings/desktop_controls.h"
#include "windows/settings/tunable_clock.h"

namespace quorvel {

class SettingsWindow : public ui::Window {
public:
    // Control identifiers, in the keyboard's tab order where a control has a place in it.
    enum ControlId : int {
        kFontButton = 1001,
        kTextColourButton,
        kOpacitySlider,
        kSizeSlider,
        kTimeFormatBox,
        kShadowBox,
        kShadowColourButton,
        kBackgroundBox,
        kBackgroundColourButton,
        kStartupBox,
        kOkButton,
        kAboutButton,
        kQuitButton,
        kHiddenBox,
        kAlarmsButton,
        kShadowDepthSlider,
        kOutlineBox,
        kOpacityCaption,
        kSizeCaption,
        kShadowDepthCaption,
        kTimeFormatCaption,
        kChimeList,
        kStrikeBox,
        kHearButton,
        kQuietFromList,
        kQuietToList,
        kChimeSoundBox,
        kChimeBrowseButton,
        kChimeCaption,
        kQuietCaption,
        kQuietToCaption,
        kChimeSoundCaption,
        kLanguageCaption,
        kLanguageBox,
        kLanguageNote,
        kFullScreenBox,
        kFullScreenRemindersBox,
        kClickThroughBox,
        kShortcutCaption,
        kShortcutBox,
        kShortcutNote,
    };
    using SettingsControl = ControlId;

    // Without a chime, its controls stay disabled.
    SettingsWindow(TunableClock& clock, ClockControl& control, ChimeTuning* chime = nullptr);
    ~SettingsWindow() override;

    // Creates the window, hidden, with its controls as laid out.
    void Create();
    // Shows the window without waiting (ReadClockState runs as it appears); a
    // window already shown comes to the front.
    void ShowSettings();
    HWND Control(SettingsControl id) const { return Item(id); }

    // Reads the clock's state into the controls, in this order; a control whose
    // value changes runs its handler, which may move the clock to a value the
    // control can show (opacity 100 becomes 99). Every showing does it.
    void ReadClockState();

    // Handlers.
    void OnOpacityChange();
    void OnSizeChange();
    void OnShadowDepthChange();
    void OnFontButton();
    void OnTextColourButton();
    void OnShadowColourButton();
    void OnBackgroundColourButton();
    void OnBackgroundBox();
    void OnShadowBox();
    void OnOutlineBox();
    void OnStartupBox();
    void OnHiddenBox();
    void OnTimeFormatChange(const std::string& format);
    void OnOkButton();
    void OnQuitButton();
    void OnAboutButton();
    void OnLanguageSelect();
    void OnAlarmsButton();

protected:
    void OnCreate() override;
    void OnClose() override;
    void OnShowWindow(bool shown) override;

private:
    // A slider as the settings rely on: set from code it runs its handler only
    // when the position changes; moved by the user it runs it at every scroll
    // notification, even one that left the position where it was.
    class Slider : public ui::TrackBar {
    public:
        bool ReflectScroll(int code) override;
    };

    void SetUpSlider(Slider& slider, SettingsControl id, int min, int max, int position, int tickEvery);
    void SetUpButton(ui::Button& button, SettingsControl id, void (SettingsWindow::*handler)());
    void SetUpLanguageBox();
    void AttachChime();

    TunableClock& clock_;
    ClockControl& control_;
    Slider opacitySlider_;
    Slider sizeSlider_;
    Slider shadowDepthSlider_;
    ui::CheckBox shadowBox_;
    ui::CheckBox backgroundBox_;
    ui::CheckBox startupBox_;
    ui::CheckBox outlineBox_;
    ui::CheckBox hiddenBox_;
    ui::ComboBox timeFormatBox_;
    ui::ComboBox languageBox_;
    ui::Button fontButton_;
    ui::Button textColourButton_;
    ui::Button shadowColourButton_;
    ui::Button backgroundColourButton_;
    ui::Button okButton_;
    ui::Button aboutButton_;
    ui::Button quitButton_;
    ui::Button alarmsButton_;
    ChimeTuning* chime_;
    ChimeControls chimeControls_;
    DesktopControls desktop_;
};

}  // namespace quorvel
