#include "core/format/locale_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/format/time_format.h"

namespace quorvel {
namespace {

constexpr DateTime kMonday = 46363.37855613426;  // 2026-12-07 09:05:07.250

struct Picture {
    std::string windows;
    std::string translated;
    std::string shown;  // at kMonday with the en-US profile, as the platform shows the picture
};

TEST(LocalePictures, TranslatesDateAndTimePictures) {
    const std::vector<Picture> pictures = {
        {"M/d/yyyy", "m/d/yyyy", "12/7/2026"},
        {"dddd, MMMM d, yyyy", "dddd, mmmm d, yyyy", "Monday, December 7, 2026"},
        {"dd.MM.yyyy", "dd.mm.yyyy", "07.12.2026"},
        {"dddd, d. MMMM yyyy", "dddd, d. mmmm yyyy", "Monday, 7. December 2026"},
        {"yyyy'年'M'月'd'日'", "yyyy年m月d日", "2026年12月7日"},
        {"dddd, d' de 'MMMM' de 'yyyy", "dddd, d' de 'mmmm' de 'yyyy", "Monday, 7 de December de 2026"},
        {"ddd MMM dd yy", "ddd mmm dd yy", "Mon Dec 07 26"},
        {"ddddd MMMMM y yyyyy", "dddd mmmm yy yyyy", "Monday December 26 2026"},
        {"gg yyyy", "gg yyyy", "A.D. 2026"},
        {"g", "g", "A.D."},
        {"HH:mm:ss", "hh:nn:ss", "09:05:07"},
        {"h:mm tt", "h:nn AMPM", "9:05 AM"},
        {"'o''clock' h t", "'o'\"'\"'clock 'h AMPM", "o'clock 9 AM"},
        {"''d''", "\"'\"d\"'\"", "'7'"},
        {"'d/M' x \"", "'d/M x \"'", "d/M x \""},
        {"'unterminated d", "'unterminated d'", "unterminated d"},
        {"d'", "d", "7"},
        {"", "", ""},
    };
    for (const Picture& p : pictures) {
        SCOPED_TRACE("picture " + p.windows);
        const std::string translated = TranslateLocalePicture(p.windows);
        EXPECT_EQ(translated, p.translated);
        if (!translated.empty()) EXPECT_EQ(FormatDateTime(translated, kMonday, EnUsFormatSettings()), p.shown);
    }
}

TEST(LocalePictures, BuildsTimeFormatsFromTheHourFlags) {
    struct Row {
        bool twelveHour, leadingZero, markerFirst;
        std::string shortFormat, longFormat, shownAfternoon;
    };
    const std::vector<Row> rows = {
        {true, false, false, "h:mm AMPM", "h:mm:ss AMPM", "2:07:08 PM"},
        {true, true, false, "hh:mm AMPM", "hh:mm:ss AMPM", "02:07:08 PM"},
        {true, true, true, "AMPM hh:mm", "AMPM hh:mm:ss", "PM 02:07:08"},
        {false, true, true, "hh:mm", "hh:mm:ss", "14:07:08"},
        {false, false, false, "h:mm", "h:mm:ss", "14:07:08"},
    };
    const DateTime afternoon = *EncodeDateTime({2005, 3, 4, 14, 7, 8, 9});
    for (const Row& r : rows) {
        SCOPED_TRACE(r.longFormat);
        const TimeFormats formats = BuildTimeFormats(r.twelveHour, r.leadingZero, r.markerFirst);
        EXPECT_EQ(formats.shortFormat, r.shortFormat);
        EXPECT_EQ(formats.longFormat, r.longFormat);
        EXPECT_EQ(FormatDateTime(formats.longFormat, afternoon, EnUsFormatSettings()), r.shownAfternoon);
    }
}

TEST(LocalePictures, ShortEraNames) {
    EXPECT_TRUE(ShortensEraName("ja-JP"));
    EXPECT_TRUE(ShortensEraName("zh-TW"));
    EXPECT_TRUE(ShortensEraName("zh-Hant-TW"));
    EXPECT_FALSE(ShortensEraName("zh-CN"));
    EXPECT_FALSE(ShortensEraName("en-US"));
    EXPECT_EQ(ShortEraName("令和"), "令");
    EXPECT_EQ(ShortEraName("中華民國"), "民國");
    EXPECT_EQ(ShortEraName("R"), "R");
    EXPECT_EQ(ShortEraName(""), "");
}

}  // namespace
}  // namespace quorvel
