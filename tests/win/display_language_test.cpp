// The language of the texts under Wine, which takes the display language from
// LANG: ctest runs this program once per test locale (QUORVEL_TEST_LOCALE).
// Then the windows in a chosen language, from the catalogue compiled from po/.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/release.h"
#include "core/translation.h"
#include "core/wide.h"
#include "harness/registry.h"
#include "platform/display_language.h"
#include "windows/about/about_window.h"
#include "windows/calendar/calendar_window.h"

namespace quorvel {
namespace {

using namespace testing_support;
using enum AboutWindow::ControlId;

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool GermanRun() {
    const char* locale = std::getenv("QUORVEL_TEST_LOCALE");
    return locale && std::string(locale) == "de_DE";
}

TEST(DisplayLanguage, FollowsWindowsUnlessTheSettingNamesOne) {
    const CleanRegistry clean;
    ASSERT_FALSE(DisplayLanguages().empty());
    EXPECT_EQ(DisplayLanguages().front(), GermanRun() ? "de-DE" : "en-US");
    EXPECT_EQ(UseDisplayLanguage(), GermanRun() ? "de" : "en");
    EXPECT_EQ(CurrentLanguage(), GermanRun() ? "de" : "en");

    ASSERT_TRUE(Plant(kSettingsPath, {Text(L"Language", L"pt-BR")}));
    EXPECT_EQ(UseDisplayLanguage(), "pt-BR");
    ASSERT_TRUE(Plant(kSettingsPath, {Dword(L"Language", 7)}));  // not a text: Windows decides
    EXPECT_EQ(UseDisplayLanguage(), GermanRun() ? "de" : "en");
    UseLanguage("en");
}

// Control captions, window titles and a composed text, from the compiled catalogue.
TEST(DisplayLanguage, WindowsShowTheirTextsInTheLanguageUsed) {
    ASSERT_TRUE(UseLanguage("de"));
    AboutWindows about;
    AboutWindow& window = about.ShowNew();
    EXPECT_EQ(TextOf(window.Handle()), L"Info");
    EXPECT_EQ(TextOf(window.Control(kWebLink)), L"Homepage ...");
    EXPECT_EQ(TextOf(window.Control(kProductLabel)), Wide(kProductLine));  // not a text to translate
    const std::wstring notice = TextOf(window.Control(kNoticeBox));
    EXPECT_NE(notice.find(L"Eine kleine Desktopuhr"), std::wstring::npos);
    EXPECT_NE(notice.find(Wide(std::string("Homepage: ") + kHomePageAddress)), std::wstring::npos);
    CalendarWindow calendar;
    calendar.Create();
    EXPECT_EQ(TextOf(calendar.Handle()), L"Kalender");

    ASSERT_TRUE(UseLanguage("ja"));
    CalendarWindow japanese;
    japanese.Create();
    EXPECT_EQ(TextOf(japanese.Handle()), L"カレンダー");
    UseLanguage("en");
}

}  // namespace
}  // namespace quorvel
