#include "windows/settings/settings_window.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

#include "core/language_choice.h"
#include "core/opacity.h"
#include "core/translation.h"
#include "platform/display_language.h"
#include "ui/common_dialogs.h"
#include "ui/display.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

using enum SettingsWindow::ControlId;

constexpr wchar_t kClassName[] = L"QuorvelSettings";
constexpr SIZE kClient{495, 328};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // fixed size, close box only
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
const FontSpec kFont{"Tahoma", 8, kBlack, 0};

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kSlider = TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | TBS_FIXEDLENGTH | WS_TABSTOP;
constexpr int kThumbLength = 15;

// In tab order. The time format box is laid out taller than its 21-pixel text
// field: a drop-down combo box's height includes its list. "Time format:", the
// start-up box and "Alarms/reminders..." reach into the free space beside them
// (up to the time format box, the window's right edge, the colour button), so
// their text is not cut off by fonts wider than Tahoma's.
constexpr ui::ControlSpec kControls[] = {
    {kFontButton, WC_BUTTONW, NW_("Font ..."), {3, 7, 53, 22}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kTextColourButton, WC_BUTTONW, NW_("Color ..."), {61, 7, 53, 23}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kOpacityCaption, WC_STATICW, NW_("Alpha (transparency)"), {31, 38, 171, 13}, ui::Anchor::Left | ui::Anchor::Top,
     SS_CENTER | SS_NOPREFIX},
    {kOpacitySlider, TRACKBAR_CLASSW, L"", {2, 54, 243, 28}, ui::Anchor::Left | ui::Anchor::Top, kSlider},
    {kSizeCaption, WC_STATICW, NW_("Size"), {33, 86, 171, 13}, ui::Anchor::Left | ui::Anchor::Top,
     SS_CENTER | SS_NOPREFIX},
    {kSizeSlider, TRACKBAR_CLASSW, L"", {2, 99, 243, 28}, ui::Anchor::Left | ui::Anchor::Top, kSlider},
    {kTimeFormatCaption, WC_STATICW, NW_("Time format:"), {8, 184, 76, 13}, ui::Anchor::Left | ui::Anchor::Top,
     SS_LEFTNOWORDWRAP | SS_NOPREFIX},
    {kTimeFormatBox, WC_COMBOBOXW, L"", {86, 180, 153, 120}, ui::Anchor::Left | ui::Anchor::Top,
     CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP},
    {kShadowBox, WC_BUTTONW, NW_("Shadow"), {10, 211, 84, 16}, ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kShadowColourButton, WC_BUTTONW, NW_("Color ..."), {99, 210, 56, 21}, ui::Anchor::Left | ui::Anchor::Top,
     kButton | WS_DISABLED},
    {kBackgroundBox, WC_BUTTONW, NW_("Background"), {10, 234, 84, 17}, ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kBackgroundColourButton, WC_BUTTONW, NW_("Color ..."), {100, 233, 56, 20}, ui::Anchor::Left | ui::Anchor::Top,
     kButton | WS_DISABLED},
    {kStartupBox, WC_BUTTONW, NW_("Activate Quorvel on startup"), {10, 256, 190, 17}, ui::Anchor::Left | ui::Anchor::Top,
     kCheckBox},
    {kOkButton, WC_BUTTONW, NW_("OK"), {7, 302, 40, 21}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kAboutButton, WC_BUTTONW, NW_("About..."), {124, 302, 57, 21}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kQuitButton, WC_BUTTONW, NW_("Quit"), {189, 302, 57, 21}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kHiddenBox, WC_BUTTONW, NW_("Hidden"), {126, 276, 97, 17}, ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kAlarmsButton, WC_BUTTONW, NW_("Alarms/reminders..."), {119, 6, 129, 25}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kShadowDepthCaption, WC_STATICW, NW_("Shadow depth"), {34, 127, 171, 13}, ui::Anchor::Left | ui::Anchor::Top,
     SS_CENTER | SS_NOPREFIX},
    {kShadowDepthSlider, TRACKBAR_CLASSW, L"", {3, 142, 243, 28}, ui::Anchor::Left | ui::Anchor::Top, kSlider},
    {kOutlineBox, WC_BUTTONW, NW_("Outline"), {11, 276, 70, 17}, ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    // The right column: how the clock lives beside other programs, then the chime.
    {kFullScreenBox, WC_BUTTONW, NW_("Hide for full-screen programs"), {258, 10, 235, 17},
     ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kFullScreenRemindersBox, WC_BUTTONW, NW_("Reminders over full-screen programs"), {258, 30, 235, 17},
     ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kClickThroughBox, WC_BUTTONW, NW_("Click through (hold Ctrl to drag)"), {258, 50, 235, 17},
     ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kShortcutCaption, WC_STATICW, NW_("Show/hide shortcut:"), {258, 76, 118, 13}, ui::Anchor::Left | ui::Anchor::Top,
     SS_LEFTNOWORDWRAP | SS_NOPREFIX},
    {kShortcutBox, HOTKEY_CLASSW, L"", {378, 72, 113, 21}, ui::Anchor::Left | ui::Anchor::Top, WS_TABSTOP},
    {kShortcutNote, WC_STATICW, L"", {258, 96, 235, 13}, ui::Anchor::Left | ui::Anchor::Top, SS_NOPREFIX},
    // The chime, in the right column below.
    {kChimeCaption, WC_STATICW, NW_("Chime:"), {258, 126, 50, 13}, ui::Anchor::Left | ui::Anchor::Top, SS_NOPREFIX},
    {kChimeList, WC_COMBOBOXW, L"", {310, 122, 120, 120}, ui::Anchor::Left | ui::Anchor::Top,
     CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {kHearButton, WC_BUTTONW, NW_("Hear it"), {434, 121, 60, 22}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    {kStrikeBox, WC_BUTTONW, NW_("Strike the hour"), {258, 148, 150, 17}, ui::Anchor::Left | ui::Anchor::Top, kCheckBox},
    {kQuietCaption, WC_STATICW, NW_("Quiet from"), {258, 174, 62, 13}, ui::Anchor::Left | ui::Anchor::Top, SS_NOPREFIX},
    {kQuietFromList, WC_COMBOBOXW, L"", {322, 170, 72, 200}, ui::Anchor::Left | ui::Anchor::Top,
     CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {kQuietToCaption, WC_STATICW, NW_("to"), {398, 174, 18, 13}, ui::Anchor::Left | ui::Anchor::Top, SS_NOPREFIX},
    {kQuietToList, WC_COMBOBOXW, L"", {418, 170, 72, 200}, ui::Anchor::Left | ui::Anchor::Top,
     CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {kChimeSoundCaption, WC_STATICW, NW_("Sound:"), {258, 199, 50, 13}, ui::Anchor::Left | ui::Anchor::Top, SS_NOPREFIX},
    {kChimeSoundBox, WC_EDITW, L"", {310, 195, 150, 21}, ui::Anchor::Left | ui::Anchor::Top,
     ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {kChimeBrowseButton, WC_BUTTONW, L"...", {464, 195, 30, 21}, ui::Anchor::Left | ui::Anchor::Top, kButton},
    // The language, in the right column below the chime, with when a change shows.
    {kLanguageCaption, WC_STATICW, NW_("Language:"), {258, 230, 76, 13}, ui::Anchor::Left | ui::Anchor::Top,
     SS_LEFTNOWORDWRAP | SS_NOPREFIX},
    {kLanguageBox, WC_COMBOBOXW, L"", {336, 226, 155, 200}, ui::Anchor::Left | ui::Anchor::Top,
     CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {kLanguageNote, WC_STATICW, NW_("A new language shows at the next start."), {258, 252, 235, 13},
     ui::Anchor::Left | ui::Anchor::Top, SS_LEFTNOWORDWRAP | SS_NOPREFIX},
};

constexpr const char* kTimeFormats[] = {"hh:mm:ss", "hh:mm", "mm/dd hh:mm", "ddd, mm/dd/yy"};

// A colour the clock stores (maybe a system colour) as the colour dialog starts from it.
std::optional<Colour> ChooseColourFrom(HWND owner, Colour initial) {
    const std::optional<COLORREF> chosen = ui::ChooseColour(owner, ui::ToColourRef(initial));
    if (!chosen) return std::nullopt;
    return static_cast<Colour>(*chosen);
}

// The colour dialog for one of the clock's texts, which takes the colour chosen.
void ChooseLabelColour(HWND owner, TunableClock& clock, FaceLabel label) {
    FontSpec font = clock.LabelFont(label);
    const std::optional<Colour> chosen = ChooseColourFrom(owner, font.colour);
    if (!chosen) return;
    font.colour = *chosen;
    clock.SetLabelFont(label, font);
}

}  // namespace

bool SettingsWindow::Slider::ReflectScroll(int code) {
    const int before = Position();
    TrackBar::ReflectScroll(code);
    if (Position() == before && onChange) onChange(Position());
    return true;
}

SettingsWindow::SettingsWindow(TunableClock& clock, ClockControl& control, ChimeTuning* chime)
    : clock_(clock), control_(control), chime_(chime), desktop_(control) {}

SettingsWindow::~SettingsWindow() { Destroy(); }

void SettingsWindow::Create() {
    CreateHandle({.className = kClassName, .title = NW_("Clock Settings"), .style = kStyle, .exStyle = kExStyle,
                  .client96 = kClient, .placement = Placement::Centred, .font = &kFont});
}

void SettingsWindow::OnCreate() {
    CreateControls(kControls, kClient);

    SetUpSlider(opacitySlider_, kOpacitySlider, 0, 100, 50, 10);
    SetUpSlider(sizeSlider_, kSizeSlider, 6, 100, 20, 10);
    SetUpSlider(shadowDepthSlider_, kShadowDepthSlider, 0, 25, 20, 2);
    opacitySlider_.onChange = [this](int) { OnOpacityChange(); };
    sizeSlider_.onChange = [this](int) { OnSizeChange(); };
    shadowDepthSlider_.onChange = [this](int) { OnShadowDepthChange(); };

    timeFormatBox_.Attach(Item(kTimeFormatBox));
    for (const char* format : kTimeFormats) timeFormatBox_.AddItem(format);
    timeFormatBox_.SetText("eFmt");
    timeFormatBox_.onTextChange = [this](const std::string& text) { OnTimeFormatChange(text); };
    SetUpLanguageBox();
    SetUpButton(fontButton_, kFontButton, &SettingsWindow::OnFontButton);
    SetUpButton(textColourButton_, kTextColourButton, &SettingsWindow::OnTextColourButton);
    SetUpButton(shadowColourButton_, kShadowColourButton, &SettingsWindow::OnShadowColourButton);
    SetUpButton(backgroundColourButton_, kBackgroundColourButton, &SettingsWindow::OnBackgroundColourButton);
    SetUpButton(okButton_, kOkButton, &SettingsWindow::OnOkButton);
    SetUpButton(aboutButton_, kAboutButton, &SettingsWindow::OnAboutButton);
    SetUpButton(quitButton_, kQuitButton, &SettingsWindow::OnQuitButton);
    SetUpButton(alarmsButton_, kAlarmsButton, &SettingsWindow::OnAlarmsButton);

    shadowBox_.Attach(Item(kShadowBox));
    backgroundBox_.Attach(Item(kBackgroundBox));
    startupBox_.Attach(Item(kStartupBox));
    outlineBox_.Attach(Item(kOutlineBox));
    hiddenBox_.Attach(Item(kHiddenBox));
    shadowBox_.onClick = [this] { OnShadowBox(); };
    backgroundBox_.onClick = [this] { OnBackgroundBox(); };
    startupBox_.onClick = [this] { OnStartupBox(); };
    outlineBox_.onClick = [this] { OnOutlineBox(); };
    hiddenBox_.onClick = [this] { OnHiddenBox(); };

    AttachChime();
    desktop_.Attach(*this);

    // Enter (unless another push button has the focus) and Escape both press OK.
    SetDefaultButton(kOkButton);
    SetCancelButton(kOkButton);
}

void SettingsWindow::SetUpSlider(Slider& slider, SettingsControl id, int min, int max, int position, int tickEvery) {
    slider.Attach(Item(id));
    slider.SetRange(min, max);
    slider.SetPosition(position);  // before its handler is set: the laid-out state
    slider.SetPageSize(10);
    slider.SetTickFrequency(tickEvery);
    slider.SetThumbLength96(kThumbLength);
}

// Windows' language first, then each language in its own name: a user who
// cannot read the current one still finds theirs. The current setting is
// selected; one that names no language of the list shows as Windows'.
void SettingsWindow::SetUpLanguageBox() {
    languageBox_.Attach(Item(kLanguageBox));
    languageBox_.AddItem(Translate("(Windows language)"));
    const auto languages = Languages();
    for (const std::string_view tag : languages) languageBox_.AddItem(LanguageName(tag));
    const std::string_view setting = MatchLanguage(LanguageSetting(), languages);
    const auto found = std::find(languages.begin(), languages.end(), setting);
    languageBox_.Select(found == languages.end() ? 0 : static_cast<int>(found - languages.begin()) + 1);
    languageBox_.onSelect = [this] { OnLanguageSelect(); };
}

void SettingsWindow::SetUpButton(ui::Button& button, SettingsControl id, void (SettingsWindow::*handler)()) {
    button.Attach(Item(id));
    button.onClick = [this, handler] { (this->*handler)(); };
}

// Centred when made; later showings keep the place the user left it at.
void SettingsWindow::ShowSettings() {
    Show();
    BringToFront();
}

void SettingsWindow::OnShowWindow(bool shown) {
    if (shown) ReadClockState();
}

// Closing only hides: every change is applied already and stays applied.
void SettingsWindow::OnClose() { Hide(); }

void SettingsWindow::ReadClockState() {
    backgroundBox_.SetChecked(!clock_.ColourKeyOn());
    opacitySlider_.SetPosition(TransparencyFromOpacity(clock_.Opacity()));
    sizeSlider_.SetPosition(clock_.LabelFont(FaceLabel::Text).size);
    startupBox_.SetChecked(control_.StartupEntryExists());
    shadowBox_.SetChecked(clock_.LabelVisible(FaceLabel::Shadow));
    timeFormatBox_.SetText(clock_.TimeFormat());
    hiddenBox_.SetChecked(control_.Hidden());
    shadowDepthSlider_.SetPosition(clock_.ShadowDepth());
    outlineBox_.SetChecked(clock_.LabelVisible(FaceLabel::Outline));
    desktop_.ReadClockState();
    if (chime_) chimeControls_.Fill(chime_->Chime());
}

// Each change is the chime's at once; the button plays it as set.
void SettingsWindow::AttachChime() {
    chimeControls_.Attach({Item(kChimeList), Item(kStrikeBox), Item(kQuietFromList), Item(kQuietToList),
                           Item(kChimeSoundBox), Item(kChimeBrowseButton), Item(kHearButton)});
    chimeControls_.onChange = [this] { chime_->SetChime(chimeControls_.Picked()); };
    chimeControls_.onHear = [this] {
        chime_->SetChime(chimeControls_.Picked());
        chime_->HearChime();
    };
    if (!chime_) chimeControls_.SetEnabled(false);
}

void SettingsWindow::OnOpacityChange() {
    clock_.SetOpacity(OpacityFromTransparency(opacitySlider_.Position()));
}

void SettingsWindow::OnSizeChange() {
    for (FaceLabel label : {FaceLabel::Text, FaceLabel::Shadow, FaceLabel::Outline}) {
        FontSpec font = clock_.LabelFont(label);
        font.size = sizeSlider_.Position();
        clock_.SetLabelFont(label, font);
    }
}

void SettingsWindow::OnShadowDepthChange() {
    clock_.SetShadowDepth(shadowDepthSlider_.Position());
    clock_.PlaceShadow();
}

// The chosen font goes to all three texts; the shadow keeps its own colour and
// the outline the colour the clock face gives it.
void SettingsWindow::OnFontButton() {
    const std::optional<ui::FontChoice> chosen =
        ui::ChooseFontFor(Handle(), ui::FontChoice{clock_.LabelFont(FaceLabel::Text)});
    if (!chosen) return;
    const Colour shadowColour = clock_.LabelFont(FaceLabel::Shadow).colour;
    const Colour outlineColour = clock_.LabelFont(FaceLabel::Outline).colour;
    clock_.SetLabelFont(FaceLabel::Text, chosen->font);
    FontSpec shadow = chosen->font;
    shadow.colour = shadowColour;
    clock_.SetLabelFont(FaceLabel::Shadow, shadow);
    FontSpec outline = chosen->font;
    outline.colour = outlineColour;
    clock_.SetLabelFont(FaceLabel::Outline, outline);
}

void SettingsWindow::OnTextColourButton() { ChooseLabelColour(Handle(), clock_, FaceLabel::Text); }

void SettingsWindow::OnShadowColourButton() { ChooseLabelColour(Handle(), clock_, FaceLabel::Shadow); }

// The colour key is off whenever this button is enabled, so the key is left alone.
void SettingsWindow::OnBackgroundColourButton() {
    if (const std::optional<Colour> chosen = ChooseColourFrom(Handle(), clock_.BackgroundColour())) {
        clock_.SetBackgroundColour(*chosen);
    }
}

// "Background" on paints the window colour behind the text; off makes the
// window black and every black pixel see-through.
void SettingsWindow::OnBackgroundBox() {
    const bool painted = backgroundBox_.Checked();
    backgroundColourButton_.SetEnabled(painted);
    if (!painted) clock_.SetBackgroundColour(kBlack);
    clock_.SetColourKey(clock_.BackgroundColour());
    clock_.SetColourKeyOn(!painted);
}

void SettingsWindow::OnShadowBox() {
    shadowColourButton_.SetEnabled(shadowBox_.Checked());
    clock_.SetLabelVisible(FaceLabel::Shadow, shadowBox_.Checked());
}

void SettingsWindow::OnOutlineBox() { clock_.SetLabelVisible(FaceLabel::Outline, outlineBox_.Checked()); }

void SettingsWindow::OnStartupBox() { control_.SetStartupEntry(startupBox_.Checked()); }

// Acts only when the box and the clock disagree: the clock may have been hidden
// from its own menu while this window was open.
void SettingsWindow::OnHiddenBox() {
    if (hiddenBox_.Checked() != control_.Hidden()) control_.ToggleHidden();
}

// The text is not checked: any text is a format.
void SettingsWindow::OnTimeFormatChange(const std::string& format) { clock_.SetTimeFormat(format); }

void SettingsWindow::OnOkButton() {
    control_.SaveSettings();
    Hide();
}

void SettingsWindow::OnQuitButton() {
    Hide();
    control_.CloseClock();
}

void SettingsWindow::OnAboutButton() { control_.ShowAbout(); }

// Stored at once; the texts change at the next start (the note says so).
void SettingsWindow::OnLanguageSelect() {
    const int index = languageBox_.Selected();
    const std::string_view tag = index > 0 ? Languages()[static_cast<std::size_t>(index - 1)] : std::string_view();
    if (!StoreLanguageSetting(tag)) {
        ui::ShowMessageBox(Handle(), Translate("Error setting registry data"), ui::ApplicationTitle(), MB_OK);
    }
}

void SettingsWindow::OnAlarmsButton() { control_.OnAlarmsCommand(); }

}  // namespace quorvel
