#include "platform/user_locale.h"

#include <windows.h>

#include <iterator>
#include <optional>
#include <string>

#include "core/format/locale_pictures.h"
#include "core/system_time.h"
#include "core/text.h"
#include "core/wide.h"

namespace quorvel {
namespace {

// A text item of the user's locale; nothing when the locale does not give it
// (an empty text is a real value: an empty AM string writes nothing).
std::optional<std::string> LocaleText(LCTYPE type) {
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), length);
    if (written <= 0) return std::nullopt;
    text.resize(static_cast<std::size_t>(written - 1));
    return Narrow(text);
}

std::optional<DWORD> LocaleNumber(LCTYPE type) {
    DWORD value = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&value),
                        sizeof value / sizeof(wchar_t)) <= 0)
        return std::nullopt;
    return value;
}

void ReadText(std::string& target, LCTYPE type) {
    if (auto text = LocaleText(type)) target = std::move(*text);
}

void ReadSeparator(std::string& target, LCTYPE type) {
    // The first character; an empty one stays empty and writes nothing.
    if (auto text = LocaleText(type)) target = std::string(Utf8Prefix(*text, 1));
}

void ReadPicture(std::string& target, LCTYPE type) {
    if (auto picture = LocaleText(type)) target = TranslateLocalePicture(*picture);
}

// The era parts of a date as the locale's alternative calendar writes them (the
// Gregorian one when the locale has none). SYSTEMTIME starts in 1601; earlier
// dates fall back to the Gregorian year and the era name read at start.
class LocaleEraFormatter {
public:
    explicit LocaleEraFormatter(bool shortNames) : shortenNames(shortNames) {}

    bool operator()(const DateTimeParts& date, std::string_view picture, std::string& text) const {
        const std::optional<SYSTEMTIME> time = ToSystemTime(date);
        if (!time) return false;
        // g and gg are one picture on Windows; Wine writes the name twice for gg.
        const std::wstring widePicture = picture.starts_with('g') ? L"g" : Wide(picture);
        wchar_t buffer[128];
        const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_USE_ALT_CALENDAR, &*time,
                                           widePicture.c_str(), buffer, static_cast<int>(std::size(buffer)), nullptr);
        if (length <= 0) return false;
        text = Narrow(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
        if (picture == "g" && shortenNames) text = ShortEraName(text);
        return true;
    }

private:
    bool shortenNames;
};

}  // namespace

FormatSettings ReadUserFormatSettings() {
    FormatSettings s;
    ReadSeparator(s.dateSeparator, LOCALE_SDATE);
    ReadSeparator(s.timeSeparator, LOCALE_STIME);
    ReadPicture(s.shortDateFormat, LOCALE_SSHORTDATE);
    ReadPicture(s.longDateFormat, LOCALE_SLONGDATE);
    ReadText(s.amString, LOCALE_S1159);
    ReadText(s.pmString, LOCALE_S2359);

    // A locale without the hour flags counts as 12-hour, no leading zero, marker behind.
    const bool twelveHour = LocaleNumber(LOCALE_ITIME).value_or(0) == 0;
    const bool leadingZero = LocaleNumber(LOCALE_ITLZERO).value_or(0) != 0;
    const bool markerFirst = LocaleNumber(LOCALE_ITIMEMARKPOSN).value_or(0) != 0;
    TimeFormats times = BuildTimeFormats(twelveHour, leadingZero, markerFirst);
    s.shortTimeFormat = std::move(times.shortFormat);
    s.longTimeFormat = std::move(times.longFormat);

    for (int i = 0; i < 12; ++i) {
        const auto month = static_cast<std::size_t>(i);
        ReadText(s.shortMonthNames[month], static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i));
        ReadText(s.longMonthNames[month], static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i));
    }
    // The locale counts days from Monday (DAYNAME1) to Sunday (DAYNAME7); the
    // language from Sunday.
    for (int i = 0; i < 7; ++i) {
        const auto day = static_cast<std::size_t>((i + 1) % 7);
        ReadText(s.shortDayNames[day], static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + i));
        ReadText(s.longDayNames[day], static_cast<LCTYPE>(LOCALE_SDAYNAME1 + i));
    }

    const LocaleEraFormatter era(ShortensEraName(LocaleText(LOCALE_SNAME).value_or("")));
    // The era name of today stands in for dates the formatter cannot take.
    SYSTEMTIME today;
    GetLocalTime(&today);
    era(PartsOf(today), "gg", s.eraName);
    s.eraFormatter = era;
    return s;
}

}  // namespace quorvel
