#include "core/format/time_format.h"

#include <algorithm>

#include "core/text.h"

namespace quorvel {
namespace {

constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";  // U+FFFD

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view upperPrefix) {
    if (text.size() < upperPrefix.size()) return false;
    for (std::size_t i = 0; i < upperPrefix.size(); ++i)
        if (AsciiUpper(text[i]) != upperPrefix[i]) return false;
    return true;
}

// The AM/PM sequences that put an hour on the 12-hour clock.
bool StartsWithMarker(std::string_view text) {
    return StartsWithNoCase(text, "AM/PM") || StartsWithNoCase(text, "A/P") || StartsWithNoCase(text, "AMPM");
}

// Whether an hour token is on the 12-hour clock: the rest of the format is read up
// to the next h or a outside quoted text; an a there that begins an AM/PM sequence
// says yes. Quoted text is literal, so neither its h nor its a counts.
bool MarkerAhead(std::string_view rest) {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = rest.find(c, i + 1);
            if (close == std::string_view::npos) return false;
            i = close;
        } else if (c == 'h' || c == 'H') {
            return false;
        } else if (c == 'a' || c == 'A') {
            return StartsWithMarker(rest.substr(i));
        }
    }
    return false;
}

// Consumes the run of characters equal to starter at pos; returns the token's
// count (the starter included).
std::size_t TakeRun(std::string_view format, std::size_t& pos, char starter) {
    std::size_t count = 1;
    while (pos < format.size() && format[pos] == starter) {
        ++pos;
        ++count;
    }
    return count;
}

// The output text, cut at kMaxFormattedChars characters, never inside one.
class Output {
public:
    explicit Output(std::string& target) : text(target) {}

    bool Full() const { return chars >= kMaxFormattedChars; }

    void Ascii(char c) {
        if (Full()) return;
        text += c;
        ++chars;
    }

    // UTF-8 text; a byte that does not begin a well-formed character becomes U+FFFD.
    void Text(std::string_view s) {
        for (std::size_t pos = 0; pos < s.size() && !Full(); ++chars) {
            if (static_cast<unsigned char>(s[pos]) < 0x80) {
                text += s[pos++];
                continue;
            }
            const std::size_t length = Utf8CharLength(s, pos);
            if (length == 1)
                text += kReplacementChar;
            else
                text.append(s.substr(pos, length));
            pos += length;
        }
    }

    // Decimal, padded with zeros to at least minDigits, never cut.
    void Number(int value, std::size_t minDigits) {
        char digits[12];
        std::size_t n = 0;
        auto rest = static_cast<unsigned>(std::max(value, 0));
        do {
            digits[n++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        for (std::size_t pad = n; pad < minDigits; ++pad) Ascii('0');
        while (n > 0) Ascii(digits[--n]);
    }

    // A separator: its first character, or nothing for the zero character.
    void Separator(std::string_view s) {
        if (s.empty() || s[0] == '\0') return;
        Text(s.substr(0, Utf8CharLength(s, 0)));
    }

private:
    std::string& text;
    std::size_t chars = 0;
};

class Formatter {
public:
    Formatter(const FormatSettings& formatSettings, const DateTimeParts& parts, Output& output)
        : settings(formatSettings), date(parts), out(output) {}

    // One format level: the user's format (depth 0) or a locale format expanded
    // from it (depth 1), each with its own last letter token and 12-hour state.
    void Run(std::string_view format, int depth) {
        char lastToken = 0;
        bool twelveHour = false;
        std::size_t pos = 0;
        while (pos < format.size() && !out.Full()) {
            if (static_cast<unsigned char>(format[pos]) >= 0x80) {
                // A character outside ASCII is literal and leaves the last letter
                // token alone, so hh時mm分 still gives minutes.
                const std::size_t length = Utf8CharLength(format, pos);
                out.Text(format.substr(pos, length));
                pos += length;
                continue;
            }
            const char starter = format[pos++];
            char token = AsciiUpper(starter);
            if (IsAsciiLetter(starter)) {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            switch (token) {
                case 'Y': Year(TakeRun(format, pos, starter)); break;
                case 'M': Month(TakeRun(format, pos, starter)); break;
                case 'D': Day(TakeRun(format, pos, starter), depth); break;
                case 'H': {
                    const std::size_t count = TakeRun(format, pos, starter);
                    if (!twelveHour) twelveHour = MarkerAhead(format.substr(pos));
                    Hour(count, twelveHour);
                    break;
                }
                case 'N': out.Number(date.minute, std::min<std::size_t>(TakeRun(format, pos, starter), 2)); break;
                case 'S': out.Number(date.second, std::min<std::size_t>(TakeRun(format, pos, starter), 2)); break;
                case 'Z': out.Number(date.millisecond, std::min<std::size_t>(TakeRun(format, pos, starter), 3)); break;
                case 'T':
                    Expand(TakeRun(format, pos, starter) == 1 ? settings.shortTimeFormat : settings.longTimeFormat,
                           depth);
                    break;
                case 'C':
                    TakeRun(format, pos, starter);
                    DateAndTime(depth);
                    break;
                case 'E': EraYear(TakeRun(format, pos, starter)); break;
                case 'G': EraName(TakeRun(format, pos, starter)); break;
                case 'A': pos = Marker(format, pos - 1, twelveHour); break;
                case '/': out.Separator(settings.dateSeparator); break;
                case ':': out.Separator(settings.timeSeparator); break;
                case '\'':
                case '"': {
                    std::size_t close = format.find(starter, pos);
                    if (close == std::string_view::npos) close = format.size();
                    out.Text(format.substr(pos, close - pos));
                    pos = std::min(close + 1, format.size());
                    break;
                }
                default: out.Ascii(starter); break;
            }
        }
    }

private:
    // Locale formats expand only from the user's own format, one level deep.
    void Expand(std::string_view format, int depth) {
        if (depth == 0) Run(format, depth + 1);
    }

    void Year(std::size_t count) {
        if (count <= 2)
            out.Number(date.year % 100, 2);
        else
            out.Number(date.year, 4);
    }

    void Month(std::size_t count) {
        const auto index = static_cast<std::size_t>(date.month - 1);
        if (count <= 2)
            out.Number(date.month, count);
        else if (count == 3)
            out.Text(settings.shortMonthNames[index]);
        else
            out.Text(settings.longMonthNames[index]);
    }

    void Day(std::size_t count, int depth) {
        const auto weekday = static_cast<std::size_t>(date.dayOfWeek - 1);
        switch (count) {
            case 1:
            case 2: out.Number(date.day, count); break;
            case 3: out.Text(settings.shortDayNames[weekday]); break;
            case 4: out.Text(settings.longDayNames[weekday]); break;
            case 5: Expand(settings.shortDateFormat, depth); break;
            default: Expand(settings.longDateFormat, depth); break;
        }
    }

    void Hour(std::size_t count, bool twelveHour) {
        int hour = date.hour;
        if (twelveHour) {
            if (hour == 0)
                hour = 12;
            else if (hour > 12)
                hour -= 12;
        }
        out.Number(hour, std::min<std::size_t>(count, 2));
    }

    // c: the short date, then the long time unless the time is 00:00:00.
    void DateAndTime(int depth) {
        if (depth != 0) return;
        Expand(settings.shortDateFormat, depth);
        if (date.hour != 0 || date.minute != 0 || date.second != 0) {
            out.Ascii(' ');
            Expand(settings.longTimeFormat, depth);
        }
    }

    void EraYear(std::size_t count) {
        std::string text;
        if (settings.eraFormatter && settings.eraFormatter(date, count >= 3 ? "yyyy" : "yy", text)) {
            std::string_view year = text;
            if (count == 1 && year.size() > 1 && year[0] == '0') year.remove_prefix(1);
            out.Text(year);
            return;
        }
        // No alternative calendar: the Gregorian year as "yy" or "yyyy" gives it.
        if (count >= 3)
            out.Number(date.year, 4);
        else
            out.Number(date.year % 100, count);
    }

    void EraName(std::size_t count) {
        std::string text;
        if (settings.eraFormatter && settings.eraFormatter(date, count == 1 ? "g" : "gg", text))
            out.Text(text);
        else
            out.Text(settings.eraName);
    }

    // A token starting with a at start; returns the position after it.
    std::size_t Marker(std::string_view format, std::size_t start, bool& twelveHour) {
        const std::string_view rest = format.substr(start);
        const bool morning = date.hour < 12;
        if (StartsWithNoCase(rest, "AM/PM")) {
            out.Text(rest.substr(morning ? 0 : 3, 2));
            twelveHour = true;
            return start + 5;
        }
        if (StartsWithNoCase(rest, "A/P")) {
            out.Text(rest.substr(morning ? 0 : 2, 1));
            twelveHour = true;
            return start + 3;
        }
        if (StartsWithNoCase(rest, "AMPM")) {
            out.Text(morning ? settings.amString : settings.pmString);
            twelveHour = true;
            return start + 4;
        }
        const auto weekday = static_cast<std::size_t>(date.dayOfWeek - 1);
        if (StartsWithNoCase(rest, "AAAA")) {
            out.Text(settings.longDayNames[weekday]);
            return start + 4;
        }
        if (StartsWithNoCase(rest, "AAA")) {
            out.Text(settings.shortDayNames[weekday]);
            return start + 3;
        }
        out.Ascii(rest[0]);
        return start + 1;
    }

    const FormatSettings& settings;
    const DateTimeParts& date;
    Output& out;
};

}  // namespace

const FormatSettings& EnUsFormatSettings() {
    static const FormatSettings settings = [] {
        FormatSettings s;
        s.shortDateFormat = "m/d/yyyy";
        s.longDateFormat = "dddd, mmmm d, yyyy";
        s.shortTimeFormat = "h:mm AMPM";
        s.longTimeFormat = "h:mm:ss AMPM";
        s.amString = "AM";
        s.pmString = "PM";
        s.eraName = "A.D.";
        return s;
    }();
    return settings;
}

void FormatDateTime(std::string& out, std::string_view format, DateTime value, const FormatSettings& settings) {
    out.clear();
    const auto parts = DecodeDateTime(value);
    if (!parts) return;
    Output output(out);
    Formatter formatter(settings, *parts, output);
    // An empty format shows the short date and, unless it is midnight, the long time.
    formatter.Run(format.empty() ? std::string_view("C") : format, 0);
}

std::string FormatDateTime(std::string_view format, DateTime value, const FormatSettings& settings) {
    std::string out;
    FormatDateTime(out, format, value, settings);
    return out;
}

}  // namespace quorvel
