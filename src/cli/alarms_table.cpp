#include "cli/alarms_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>


namespace quorvel::cli {
namespace {

using Row = std::array<std::string, 4>;

// Characters, not bytes, so UTF-8 names line up.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Moment(DateTime value) {
    const auto p = DecodeDateTime(value);
    if (!p) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p->year, p->month, p->day, p->hour, p->minute,
                  p->second);
    return text;
}

}  // namespace

std::string AlarmsTable(const AlarmList& list) {
    std::vector<Row> rows = {{"Name", "Next moment", "Repeat", "Enabled"}};
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const Alarm& a = list[i];
        // A line break in a name would break the table's lines.
        std::string name = a.name;
        std::replace_if(name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
        rows.push_back({name, Moment(a.dateTime), RepeatDescription(a), a.enabled ? "yes" : "no"});
    }
    std::array<std::size_t, 4> widths{};
    for (const Row& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
    std::string out;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - Width(row[c]) + 2, ' ');
        }
        out += line + "\n";
    }
    return out;
}

}  // namespace quorvel::cli
