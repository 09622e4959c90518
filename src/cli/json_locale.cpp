#include "cli/json_locale.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/bad_input.h"

namespace quorvel::cli {
namespace {

using nlohmann::json;

std::string ReadFile(const std::string& path) {
    const auto unreadable = [&] { return BadInput("cannot read locale file '" + path + "'"); };
    // The path is UTF-8; a char8_t path opens it with the wide API on Windows.
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    // A folder opens as a stream on some systems and then fails while reading.
    if (!std::filesystem::is_regular_file(file, error)) throw unreadable();
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) throw unreadable();
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) throw unreadable();
        return text;
    } catch (const std::ios_base::failure&) {
        throw unreadable();
    }
}

std::string TextValue(const json& value, const std::string& key) {
    if (!value.is_string()) throw BadInput("locale key '" + key + "' must be a string");
    return value.get<std::string>();
}

template <std::size_t N>
void ReadNames(const json& value, const std::string& key, std::array<std::string, N>& names) {
    if (!value.is_array() || value.size() != N)
        throw BadInput("locale key '" + key + "' must be a list of " + std::to_string(N) + " strings");
    for (std::size_t i = 0; i < N; ++i) names[i] = TextValue(value[i], key);
}

struct TextKey {
    const char* name;
    std::string FormatSettings::*member;
};
constexpr TextKey kTextKeys[] = {
    {"dateSeparator", &FormatSettings::dateSeparator},     {"timeSeparator", &FormatSettings::timeSeparator},
    {"shortDateFormat", &FormatSettings::shortDateFormat}, {"longDateFormat", &FormatSettings::longDateFormat},
    {"shortTimeFormat", &FormatSettings::shortTimeFormat}, {"longTimeFormat", &FormatSettings::longTimeFormat},
    {"amString", &FormatSettings::amString},               {"pmString", &FormatSettings::pmString},
    {"eraName", &FormatSettings::eraName},
};

}  // namespace

FormatSettings LoadJsonLocale(const std::string& path) {
    json root;
    try {
        root = json::parse(ReadFile(path));
    } catch (const json::exception& e) {
        throw BadInput("locale file '" + path + "' is not JSON: " + e.what());
    }
    if (!root.is_object()) throw BadInput("locale file '" + path + "' must hold one JSON object");

    FormatSettings s;
    for (const auto& [key, value] : root.items()) {
        if (auto text = std::find_if(std::begin(kTextKeys), std::end(kTextKeys),
                                     [&](const TextKey& k) { return key == k.name; });
            text != std::end(kTextKeys))
            s.*(text->member) = TextValue(value, key);
        else if (key == "shortMonthNames")
            ReadNames(value, key, s.shortMonthNames);
        else if (key == "longMonthNames")
            ReadNames(value, key, s.longMonthNames);
        else if (key == "shortDayNames")
            ReadNames(value, key, s.shortDayNames);
        else if (key == "longDayNames")
            ReadNames(value, key, s.longDayNames);
        else
            throw BadInput("unknown locale key '" + key + "'");
    }
    return s;
}

}  // namespace quorvel::cli
