#include "cli/cli.h"

#include <istream>
#include <string>

#include "cli/arguments.h"
#include "cli/bad_input.h"
#include "cli/escapes.h"
#include "cli/json_locale.h"
#include "cli/when.h"
#include "core/clock.h"

namespace quorvel::cli {
namespace {

FormatSettings SettingsFor(const std::string& locale, const std::function<FormatSettings()>& userSettings) {
    if (locale == "user") return userSettings();
    if (locale == "en-US") return EnUsFormatSettings();
    return LoadJsonLocale(locale);
}

DateTime WhenOrNow(std::string_view when) { return when.empty() ? Now() : ParseWhen(when); }

// Control characters (a line break inside a quoted value, say) would break the one line.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
}

// The longest batch line taken, without its line end; a longer one is a bad
// line, read to its end without being held.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

// The next line without its LF or CR LF end into `line`; false at the end of
// the input. A line longer than kMaxLineBytes is consumed, `line` keeps only
// its start, and `tooLong` is set.
bool ReadLine(std::istream& in, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf& buffer = *in.rdbuf();
    bool any = false;
    for (;;) {
        const int c = buffer.sbumpc();
        if (c == std::char_traits<char>::eof()) break;
        any = true;
        if (c == '\n') break;
        // One byte more than the bound: room for the CR of a CR LF end.
        if (line.size() <= kMaxLineBytes) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxLineBytes) tooLong = true;
    return any;
}

// One output line per input line, so outputs stay aligned with their inputs: a
// line that cannot be read gives an empty line here and its message on
// standard error, and the batch goes on. Returns whether every line was read.
bool RunBatch(std::istream& in, const FormatSettings& settings, std::string& out, std::string& err) {
    std::string line, text;
    bool allRead = true;
    bool tooLong = false;
    for (std::size_t number = 1; ReadLine(in, line, tooLong); ++number) {
        try {
            if (tooLong) throw BadInput("longer than " + std::to_string(kMaxLineBytes) + " bytes");
            const std::size_t tab = line.find('\t');
            if (tab == std::string::npos) throw BadInput("expected WHEN<TAB>FORMAT");
            const DateTime value = WhenOrNow(Unescape(std::string_view(line).substr(0, tab)));
            FormatDateTime(text, Unescape(std::string_view(line).substr(tab + 1)), value, settings);
            out += Escape(text);
        } catch (const BadInput& e) {
            err += "quorvel-cli: line " + std::to_string(number) + ": " + OneLine(e.what()) + "\n";
            allRead = false;
        }
        out += '\n';
    }
    if (in.bad()) throw BadInput("cannot read standard input");
    return allRead;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::string& out, std::string& err,
           const std::function<FormatSettings()>& userSettings) {
    try {
        const Command command = ParseArguments(args);
        if (command.help) {
            out = Usage();
            return 0;
        }
        const FormatOptions& options = command.format;
        const FormatSettings settings = SettingsFor(options.locale, userSettings);
        if (options.batch) {
            return RunBatch(in, settings, out, err) ? 0 : kExitFailed;
        } else {
            const DateTime value = options.at ? ParseWhen(*options.at) : Now();
            out = FormatDateTime(options.format, value, settings);
            out += '\n';
        }
        return 0;
    } catch (const BadInput& e) {
        out.clear();
        err += "quorvel-cli: " + OneLine(e.what()) + "\n";
        return kExitBadInput;
    }
}

}  // namespace quorvel::cli
