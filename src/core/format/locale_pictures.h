// From the platform's regional settings to the time format language: the
// locale's date pictures translated, the time formats built from its hour flags.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// A date or time picture of the regional settings (d, M, y, g, H, h, m, s, t;
// literal text in apostrophes, '' for an apostrophe) in this language. Its / and :
// stay separators; every other literal comes out quoted where it could be a token.
std::string TranslateLocalePicture(std::string_view picture);

struct TimeFormats {
    std::string shortFormat;  // hour and minutes
    std::string longFormat;   // hour, minutes and seconds
};

// twelveHour: LOCALE_ITIME is 0; leadingZero: LOCALE_ITLZERO is non-zero;
// markerFirst: LOCALE_ITIMEMARKPOSN is non-zero (the AM/PM marker goes in front).
TimeFormats BuildTimeFormats(bool twelveHour, bool leadingZero, bool markerFirst);

// Japanese and traditional Chinese locales shorten the era name for g: the first
// character, or the third and fourth of a four-character name.
bool ShortensEraName(std::string_view localeName);
std::string ShortEraName(std::string_view eraName);

}  // namespace quorvel
