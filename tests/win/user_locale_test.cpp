// The user's regional settings as Wine gives them for LANG=en_US.UTF-8 and
// LANG=de_DE.UTF-8. ctest runs this program once per locale and names it in
// QUORVEL_TEST_LOCALE; Wine takes the user locale from LANG at process start.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/format/time_format.h"
#include "platform/user_locale.h"
#include "core/wide.h"

namespace quorvel {
namespace {

constexpr DateTime kMonday = 46363.37855613426;  // 2026-12-07 09:05:07.250

struct Shown {
    std::string format;
    std::string text;
};

struct Expected {
    std::string localeName;
    std::string dateSeparator, timeSeparator;
    std::string shortDateFormat, longDateFormat, shortTimeFormat, longTimeFormat;
    std::string amString, pmString;
    std::vector<std::string> months;  // short and long names of January, March, December
    std::vector<std::string> days;    // short and long names of Sunday, Monday, Saturday
    std::string eraName;
    std::vector<Shown> shown;  // at kMonday
};

// The values Wine 8 gives (Windows 10 has "dd.MM.yyyy" for the German short date).
const Expected kEnUs = {"en-US", "/", ":", "m/d/yyyy", "dddd, mmmm d, yyyy", "h:mm AMPM", "h:mm:ss AMPM", "AM", "PM",
                        {"Jan", "January", "Mar", "March", "Dec", "December"},
                        {"Sun", "Sunday", "Mon", "Monday", "Sat", "Saturday"},
                        "AD",
                        {{"", "12/7/2026 9:05:07 AM"},
                         {"dddddd", "Monday, December 7, 2026"},
                         {"t", "9:05 AM"},
                         {"ddd, mm/dd/yy", "Mon, 12/07/26"},
                         {"e ee eee", "26 26 2026"},
                         {"g|gg", "AD|AD"}}};
const Expected kDeDe = {"de-DE", ".", ":", "d.m.yyyy", "dddd, d. mmmm yyyy", "hh:mm", "hh:mm:ss", "AM", "PM",
                        {"Jan", "Januar", "Mär", "März", "Dez", "Dezember"},
                        {"So.", "Sonntag", "Mo.", "Montag", "Sa.", "Samstag"},
                        "n. Chr.",
                        {{"", "7.12.2026 09:05:07"},
                         {"dddddd", "Montag, 7. Dezember 2026"},
                         {"t", "09:05"},
                         {"ddd, mm/dd/yy", "Mo., 12.07.26"},
                         {"e ee eee", "26 26 2026"},
                         {"g|gg", "n. Chr.|n. Chr."}}};

const Expected& ExpectedForThisRun() {
    const char* locale = std::getenv("QUORVEL_TEST_LOCALE");
    return locale && std::string(locale) == "de_DE" ? kDeDe : kEnUs;
}

std::string UserLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SNAME, name, LOCALE_NAME_MAX_LENGTH);
    return Narrow(name);
}

TEST(UserLocale, ReadsSeparatorsPicturesAndNames) {
    const Expected& e = ExpectedForThisRun();
    // A glibc locale that is not compiled silently gives en-US: make that a failure.
    ASSERT_EQ(UserLocaleName(), e.localeName);
    const FormatSettings s = ReadUserFormatSettings();
    EXPECT_EQ(s.dateSeparator, e.dateSeparator);
    EXPECT_EQ(s.timeSeparator, e.timeSeparator);
    EXPECT_EQ(s.shortDateFormat, e.shortDateFormat);
    EXPECT_EQ(s.longDateFormat, e.longDateFormat);
    EXPECT_EQ(s.shortTimeFormat, e.shortTimeFormat);
    EXPECT_EQ(s.longTimeFormat, e.longTimeFormat);
    EXPECT_EQ(s.amString, e.amString);
    EXPECT_EQ(s.pmString, e.pmString);
    EXPECT_EQ((std::vector<std::string>{s.shortMonthNames[0], s.longMonthNames[0], s.shortMonthNames[2],
                                        s.longMonthNames[2], s.shortMonthNames[11], s.longMonthNames[11]}),
              e.months);
    EXPECT_EQ((std::vector<std::string>{s.shortDayNames[0], s.longDayNames[0], s.shortDayNames[1], s.longDayNames[1],
                                        s.shortDayNames[6], s.longDayNames[6]}),
              e.days);
    EXPECT_EQ(s.eraName, e.eraName);
}

TEST(UserLocale, FormatsWithTheUsersSettings) {
    const Expected& e = ExpectedForThisRun();
    ASSERT_EQ(UserLocaleName(), e.localeName);
    const FormatSettings s = ReadUserFormatSettings();
    for (const Shown& shown : e.shown) {
        SCOPED_TRACE("format \"" + shown.format + "\"");
        EXPECT_EQ(FormatDateTime(shown.format, kMonday, s), shown.text);
    }
    // Before 1601 the platform's formatter has no date: the Gregorian year and the era name.
    EXPECT_EQ(FormatDateTime("e eee g", *EncodeDateTime({1500, 6, 1, 0, 0, 0, 0}), s), "0 1500 " + e.eraName);
}

// Restores the user's own value of one locale item when the test ends.
class LocaleOverride {
public:
    LocaleOverride(LCTYPE item, const wchar_t* value) : type(item) {
        wchar_t old[100]{};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, type, old, 100);
        original = old;
        applied = SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value) != 0;
    }
    ~LocaleOverride() { SetLocaleInfoW(LOCALE_USER_DEFAULT, type, original.c_str()); }
    LocaleOverride(const LocaleOverride&) = delete;
    LocaleOverride& operator=(const LocaleOverride&) = delete;
    bool applied;

private:
    LCTYPE type;
    std::wstring original;
};

TEST(UserLocale, FollowsTheUsersOwnChanges) {
    const Expected& e = ExpectedForThisRun();
    ASSERT_EQ(UserLocaleName(), e.localeName);
    {
        LocaleOverride dot(LOCALE_STIME, L".");
        LocaleOverride noAm(LOCALE_S1159, L"");
        ASSERT_TRUE(dot.applied && noAm.applied);
        const FormatSettings s = ReadUserFormatSettings();
        EXPECT_EQ(s.timeSeparator, ".");
        EXPECT_EQ(FormatDateTime("hh:mm:ss", kMonday, s), "09.05.07");
        // An empty AM string is a value, not a missing one: the morning marker writes nothing.
        EXPECT_EQ(s.amString, "");
        EXPECT_EQ(FormatDateTime("h:nn AMPM", kMonday, s), "9.05 ");
    }
    EXPECT_EQ(ReadUserFormatSettings().timeSeparator, e.timeSeparator);
}

}  // namespace
}  // namespace quorvel
