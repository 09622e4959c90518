#include "cli/when.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "cli/bad_input.h"

namespace quorvel::cli {
namespace {

// Exactly `digits` decimal digits at pos, moving past them.
bool TakeNumber(std::string_view text, std::size_t& pos, std::size_t digits, int& value) {
    if (pos + digits > text.size()) return false;
    value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    pos += digits;
    return true;
}

bool Take(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

// YYYY-MM-DD[THH:MM[:SS[.f{1,3}]]]; nothing when the text has another shape.
std::optional<DateTimeParts> ParseIso(std::string_view text) {
    DateTimeParts parts;
    parts.hour = parts.minute = parts.second = parts.millisecond = 0;
    std::size_t pos = 0;
    if (!TakeNumber(text, pos, 4, parts.year) || !Take(text, pos, '-') || !TakeNumber(text, pos, 2, parts.month) ||
        !Take(text, pos, '-') || !TakeNumber(text, pos, 2, parts.day))
        return std::nullopt;
    if (Take(text, pos, 'T')) {
        if (!TakeNumber(text, pos, 2, parts.hour) || !Take(text, pos, ':') || !TakeNumber(text, pos, 2, parts.minute))
            return std::nullopt;
        if (Take(text, pos, ':')) {
            if (!TakeNumber(text, pos, 2, parts.second)) return std::nullopt;
            if (Take(text, pos, '.')) {
                const std::size_t start = pos;
                int scale = 100;
                while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3) {
                    parts.millisecond += (text[pos++] - '0') * scale;
                    scale /= 10;
                }
                if (pos == start) return std::nullopt;
            }
        }
    }
    if (pos != text.size()) return std::nullopt;
    return parts;
}

}  // namespace

DateTime ParseWhen(std::string_view text) {
    const std::string shown = "'" + std::string(text) + "'";
    if (text.size() > 4 && text[4] == '-') {
        const auto parts = ParseIso(text);
        if (!parts) throw BadInput("not a day count or ISO time (2026-12-07T09:05:07.250): " + shown);
        const auto value = EncodeDateTime(*parts);
        if (!value) throw BadInput("not a valid date and time: " + shown);
        return *value;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw BadInput("not a day count or ISO time (2026-12-07T09:05:07.250): " + shown);
    if (!InCalendarRange(value)) throw BadInput("day count outside years 1-9999: " + shown);
    return value;
}

}  // namespace quorvel::cli
