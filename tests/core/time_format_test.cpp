#include "core/format/time_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/text.h"

namespace quorvel {
namespace {

// Monday 2026-12-07 09:05:07.250.
constexpr DateTime kMonday = 46363.37855613426;

DateTime At(int year, int month, int day, int hour, int minute, int second, int ms) {
    const auto value = EncodeDateTime({year, month, day, hour, minute, second, ms});
    EXPECT_TRUE(value);
    return value.value_or(0.0);
}

// Friday 2005-03-04 14:07:08.009: single digits everywhere and an afternoon hour.
const DateTime kFriday = At(2005, 3, 4, 14, 7, 8, 9);

struct Case {
    std::string format;
    std::string expected;
};

void ExpectAll(const std::vector<Case>& cases, DateTime value, const FormatSettings& settings = EnUsFormatSettings()) {
    for (const Case& c : cases) {
        SCOPED_TRACE("format \"" + c.format + "\"");
        EXPECT_EQ(FormatDateTime(c.format, value, settings), c.expected);
    }
}

TEST(TimeFormat, ExamplesAtMondayMorning) {
    ExpectAll({{"hh:mm:ss", "09:05:07"},
               {"hh:mm", "09:05"},
               {"mm/dd hh:mm", "12/07 09:05"},
               {"ddd, mm/dd/yy", "Mon, 12/07/26"},
               {"h:nn AM/PM", "9:05 AM"},
               {"", "12/7/2026 9:05:07 AM"},
               {"'week' d", "week 7"},
               {"mm:ss", "12:07"},
               {"hh 'h' mm", "09 h 05"},
               {"'o''clock'", "oclock"},
               {"\"'\"", "'"},
               {"yyy", "2026"},
               {"y", "26"}},
              kMonday);
}

TEST(TimeFormat, LocaleSeparatorsReplaceThoseOfTheFormat) {
    FormatSettings dotted = EnUsFormatSettings();
    dotted.timeSeparator = ".";
    dotted.dateSeparator = "-";
    ExpectAll({{"hh:mm:ss", "09.05.07"}, {"mm/dd", "12-07"}, {"'hh:mm/'", "hh:mm/"}}, kMonday, dotted);

    FormatSettings zero = EnUsFormatSettings();
    zero.dateSeparator = std::string(1, '\0');
    zero.timeSeparator = "";
    ExpectAll({{"mm/dd/yy", "120726"}, {"hh:nn:ss", "090507"}}, kMonday, zero);

    FormatSettings wide = EnUsFormatSettings();
    wide.dateSeparator = "年月";  // only the first character is the separator
    wide.timeSeparator = ".:";
    ExpectAll({{"mm/dd", "12年07"}, {"hh:nn", "09.05"}}, kMonday, wide);
}

// Every counting token with counts 1 to 7, in both letter cases.
TEST(TimeFormat, TokenCounts) {
    struct Row {
        char letter;
        DateTime value;
        std::vector<std::string> byCount;  // counts 1..7
    };
    const std::string fridayShort = "3/4/2005";
    const std::string fridayLong = "Friday, March 4, 2005";
    const std::vector<Row> rows = {
        {'y', kMonday, {"26", "26", "2026", "2026", "2026", "2026", "2026"}},
        {'y', kFriday, {"05", "05", "2005", "2005", "2005", "2005", "2005"}},
        {'m', kFriday, {"3", "03", "Mar", "March", "March", "March", "March"}},
        {'d', kFriday, {"4", "04", "Fri", "Friday", fridayShort, fridayLong, fridayLong}},
        {'d', kMonday, {"7", "07", "Mon", "Monday", "12/7/2026", "Monday, December 7, 2026", "Monday, December 7, 2026"}},
        {'h', kMonday, {"9", "09", "09", "09", "09", "09", "09"}},
        {'h', kFriday, {"14", "14", "14", "14", "14", "14", "14"}},
        {'n', kFriday, {"7", "07", "07", "07", "07", "07", "07"}},
        {'s', kFriday, {"8", "08", "08", "08", "08", "08", "08"}},
        {'z', kFriday, {"9", "09", "009", "009", "009", "009", "009"}},
        {'z', kMonday, {"250", "250", "250", "250", "250", "250", "250"}},
        {'t', kFriday, {"2:07 PM", "2:07:08 PM", "2:07:08 PM", "2:07:08 PM", "2:07:08 PM", "2:07:08 PM", "2:07:08 PM"}},
        {'c', kFriday, std::vector<std::string>(7, "3/4/2005 2:07:08 PM")},
        {'e', kFriday, {"5", "05", "2005", "2005", "2005", "2005", "2005"}},
        {'g', kFriday, std::vector<std::string>(7, "A.D.")},
    };
    for (const Row& row : rows) {
        for (char letter : {row.letter, static_cast<char>(row.letter - 'a' + 'A')}) {
            for (std::size_t count = 1; count <= 7; ++count) {
                const std::string format(count, letter);
                SCOPED_TRACE("format \"" + format + "\"");
                EXPECT_EQ(FormatDateTime(format, row.value, EnUsFormatSettings()), row.byCount[count - 1]);
            }
        }
    }
}

// Runs are of one exact character; m after an hour token means minutes.
TEST(TimeFormat, CaseMixesAndTheMinuteRule) {
    ExpectAll({{"Mm", "1212"},
               {"mM", "1212"},
               {"HH:MM", "09:05"},
               {"Hh", "99"},
               {"YyYY", "262626"},
               {"hh:Mm", "09:512"},      // M after the hour is minutes, then m after a minute is the month
               {"hh:mm:mm", "09:05:12"},
               {"h x m", "9 x 12"},      // any letter is a letter token
               {"hh n mm", "09 5 12"},
               {"hh ss mm", "09 07 12"},
               {"h AM/PM m", "9 AM 12"},
               {"hh-.,;mm", "09-.,;05"}, // separators and punctuation leave the last token alone
               {"hh時mm分", "09時05分"},
               {"hh \"x\" mm", "09 x 05"},
               {"hh '' mm", "09  05"},
               {"bqr", "bqr"}},
              kMonday);
}

TEST(TimeFormat, Quoting) {
    ExpectAll({{"'hh:mm'", "hh:mm"},
               {"\"hh:mm\"", "hh:mm"},
               {"''", ""},
               {"'a\"b'", "a\"b"},
               {"\"it's\" h", "it's 9"},
               {"'unterminated hh", "unterminated hh"},
               {"hh \"open", "09 open"},
               {"'é時' d", "é時 7"},
               {"'x'''y'", "x26"}},
              kMonday);
}

TEST(TimeFormat, AmPmSequences) {
    ExpectAll({{"h:nn AM/PM", "2:07 PM"},
               {"h:nn am/pm", "2:07 pm"},
               {"h:nn Am/pM", "2:07 pM"},
               {"h:nn A/P", "2:07 P"},
               {"h:nn a/p", "2:07 p"},
               {"h:nn AMPM", "2:07 PM"},
               {"h:nn aMpM", "2:07 PM"},
               {"AM/PM h", "PM 2"},          // an earlier sequence switches the 12-hour clock on
               {"h AM/PM h", "2 PM 2"},
               {"AAAA, AAA", "Friday, Fri"},
               {"aaaaa", "Fridaya"},
               {"Aa", "Aa"},
               {"a", "a"},
               {"ampx", "a3px"}},            // no sequence: a is copied, m is the month
              kFriday);
    ExpectAll({{"h:nn AM/PM", "9:05 AM"}, {"h A/P", "9 A"}, {"h AMPM", "9 AM"}}, kMonday);

    FormatSettings noAm = EnUsFormatSettings();
    noAm.amString = "";
    ExpectAll({{"AMPM", ""}, {"h AMPM", "9 "}}, kMonday, noAm);
}

TEST(TimeFormat, TwelveHourLookAhead) {
    ExpectAll({{"h:nn 'AM/PM'", "14:07 AM/PM"},     // a quoted marker does not count
               {"h:nn \"am/pm\"", "14:07 am/pm"},
               {"h 'h' AM/PM", "2 h PM"},           // quoted text is literal: its h does not stop the search
               {"h:nn h AM/PM", "14:07 2 PM"},      // the first hour's search ends at the second
               {"h AAA", "14 Fri"},
               {"h amx", "14 a3x"},
               {"h 時 AMPM", "2 時 PM"},
               {"hh t", "14 2:07 PM"},             // an expanded format keeps its state to itself
               {"t h", "2:07 PM 14"},
               {"h", "14"}},
              kFriday);

    struct Hour {
        int hour;
        std::string expected;
    };
    for (const Hour& h : std::vector<Hour>{{0, "12 AM 00"}, {11, "11 AM 11"}, {12, "12 PM 12"}, {13, "1 PM 13"},
                                           {23, "11 PM 23"}}) {
        SCOPED_TRACE(h.hour);
        // On the 12-hour clock, and beside it the same hour on the 24-hour clock.
        EXPECT_EQ(FormatDateTime("h AM/PM", At(2026, 12, 7, h.hour, 30, 0, 0), EnUsFormatSettings()) + " " +
                      FormatDateTime("hh", At(2026, 12, 7, h.hour, 30, 0, 0), EnUsFormatSettings()),
                  h.expected);
    }
    EXPECT_EQ(FormatDateTime("hh:nn a/p", At(2026, 12, 7, 0, 30, 0, 0), EnUsFormatSettings()), "12:30 a");
}

TEST(TimeFormat, EmptyFormatLeavesTheTimeOutAtMidnight) {
    ExpectAll({{"", "12/7/2026"}, {"c", "12/7/2026"}}, At(2026, 12, 7, 0, 0, 0, 400));
    ExpectAll({{"", "12/7/2026 12:00:01 AM"}, {"C", "12/7/2026 12:00:01 AM"}}, At(2026, 12, 7, 0, 0, 1, 0));
}

TEST(TimeFormat, LocaleFormatsExpandOneLevelWithTheirOwnState) {
    FormatSettings s = EnUsFormatSettings();
    s.shortDateFormat = "[c|ddddd|dddddd|t|tt|d]";
    s.longDateFormat = "hh";
    s.shortTimeFormat = "mm";
    s.longTimeFormat = "h AM/PM";
    ExpectAll({{"ddddd", "[|||||7]"},
               {"dddddd mm", "09 12"},   // the expansion's hour does not make the outer m minutes
               {"hh t", "09 12"},        // the expansion starts with no last token: m is the month
               {"hh tt hh", "09 9 AM 09"},
               {"c", "[|||||7] 9 AM"}},
              kMonday, s);
}

TEST(TimeFormat, OutputIsCutAt256Characters) {
    const FormatSettings& en = EnUsFormatSettings();
    EXPECT_EQ(FormatDateTime(std::string(300, 'x'), kMonday, en), std::string(256, 'x'));
    EXPECT_EQ(FormatDateTime(std::string(255, 'x') + "時", kMonday, en), std::string(255, 'x') + "時");
    EXPECT_EQ(FormatDateTime(std::string(256, 'x') + "時", kMonday, en), std::string(256, 'x'));

    std::string accents;
    for (int i = 0; i < 300; ++i) accents += "é";
    const std::string cut = FormatDateTime(accents, kMonday, en);
    EXPECT_EQ(Utf8CharCount(cut), 256u);
    EXPECT_EQ(cut.size(), 512u);

    // Expansions and names are cut too, never inside a character.
    FormatSettings longNames = en;
    longNames.longMonthNames.fill("");
    for (int i = 0; i < 100; ++i) longNames.longMonthNames[11] += "ü";
    const std::string names = FormatDateTime("x mmmm mmmm mmmm", kMonday, longNames);
    EXPECT_EQ(Utf8CharCount(names), 256u);
    EXPECT_EQ(names.substr(names.size() - 2), "ü");
    std::string longDates;
    for (int i = 0; i < 20; ++i) longDates += "dddddd|";
    EXPECT_EQ(FormatDateTime(longDates, kMonday, en).size(), 256u);
    EXPECT_EQ(FormatDateTime(std::string(100, 'c'), kMonday, en), "12/7/2026 9:05:07 AM");
}

TEST(TimeFormat, DatesBeforeTheEpochAndOutOfRange) {
    const FormatSettings& en = EnUsFormatSettings();
    const std::string full = "dddd yyyy-mm-dd hh:nn:ss.zzz";
    EXPECT_EQ(FormatDateTime(full, -1.25, en), "Friday 1899-12-29 06:00:00.000");
    EXPECT_EQ(FormatDateTime(full, -0.5, en), "Saturday 1899-12-30 12:00:00.000");
    EXPECT_EQ(FormatDateTime(full, 0.0, en), "Saturday 1899-12-30 00:00:00.000");
    EXPECT_EQ(FormatDateTime(full, At(1, 1, 1, 23, 59, 59, 999), en), "Monday 0001-01-01 23:59:59.999");
    EXPECT_EQ(FormatDateTime("yy e", At(1, 1, 1, 0, 0, 0, 0), en), "01 1");
    EXPECT_EQ(FormatDateTime(full, At(9999, 12, 31, 23, 59, 59, 999), en), "Friday 9999-12-31 23:59:59.999");
    EXPECT_EQ(FormatDateTime("hh:nn", NAN, en), "");
    EXPECT_EQ(FormatDateTime("hh:nn", 1e9, en), "");
    EXPECT_EQ(FormatDateTime("hh:nn", -1e9, en), "");
}

TEST(TimeFormat, MalformedTextBecomesReplacementCharacters) {
    const FormatSettings& en = EnUsFormatSettings();
    EXPECT_EQ(FormatDateTime("\xff hh", kMonday, en), "\xEF\xBF\xBD 09");
    EXPECT_EQ(FormatDateTime("hh\xE6\x99", kMonday, en), "09\xEF\xBF\xBD\xEF\xBF\xBD");
    // Bytes F5-FF never begin a character, whatever follows them.
    const std::string threeBad = "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD";
    EXPECT_EQ(FormatDateTime("\xF8\x80\x80", kMonday, en), threeBad);
    EXPECT_EQ(FormatDateTime("\xFD\xA0\x80", kMonday, en), threeBad);
    FormatSettings broken = en;
    broken.shortDayNames[1] = "M\xC0n";
    EXPECT_EQ(FormatDateTime("ddd", kMonday, broken), "M\xEF\xBF\xBDn");
}

TEST(TimeFormat, EraTokensUseThePlatformFormatterWhenItAnswers) {
    FormatSettings s = EnUsFormatSettings();
    std::vector<std::string> pictures;
    s.eraFormatter = [&pictures](const DateTimeParts& date, std::string_view picture, std::string& text) {
        pictures.emplace_back(picture);
        if (date.year < 2000) return false;
        text = picture == "yyyy" ? "0008" : picture == "yy" ? "08" : picture == "g" ? "R" : "Reiwa";
        return true;
    };
    ExpectAll({{"e", "8"}, {"ee", "08"}, {"eee", "0008"}, {"g", "R"}, {"gggg", "Reiwa"}, {"gg ee", "Reiwa 08"}},
              kMonday, s);
    EXPECT_EQ(pictures, (std::vector<std::string>{"yy", "yy", "yyyy", "g", "gg", "gg", "yy"}));
    // Nothing from the platform: the Gregorian year and the profile's era name.
    ExpectAll({{"e ee eee g", "99 99 1999 A.D."}}, At(1999, 1, 1, 0, 0, 0, 0), s);
}

TEST(TimeFormat, ReusesTheCallersBuffer) {
    std::string out = "previous text that is long enough to hold the result";
    const auto capacity = out.capacity();
    const char* data = out.data();
    FormatDateTime(out, "hh:mm:ss", kMonday, EnUsFormatSettings());
    EXPECT_EQ(out, "09:05:07");
    EXPECT_EQ(out.capacity(), capacity);
    EXPECT_EQ(out.data(), data);
}

}  // namespace
}  // namespace quorvel
