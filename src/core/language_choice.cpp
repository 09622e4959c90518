#include "core/language_choice.h"

#include <vector>

namespace quorvel {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Lower case, subtags split at "-" or "_".
std::vector<std::string> Subtags(std::string_view tag) {
    std::vector<std::string> parts(1);
    for (const char c : tag) {
        if (c == '-' || c == '_') {
            parts.emplace_back();
        } else {
            parts.back() += Lower(c);
        }
    }
    return parts;
}

bool SameTag(std::string_view a, std::string_view b) { return Subtags(a) == Subtags(b); }

// "zh-cn" for Simplified Chinese, "zh-tw" for Traditional: a script subtag
// decides, else the region, else Simplified.
std::string ChineseTag(const std::vector<std::string>& subtags) {
    bool traditional = false;
    for (std::size_t i = 1; i < subtags.size(); ++i) {
        const std::string& s = subtags[i];
        if (s == "hans") return "zh-cn";
        if (s == "hant") return "zh-tw";
        if (s == "tw" || s == "hk" || s == "mo") traditional = true;
    }
    return traditional ? "zh-tw" : "zh-cn";
}

// The available tag for one wanted tag; empty when none.
std::string_view Match(std::string_view wanted, std::span<const std::string_view> available) {
    const std::vector<std::string> subtags = Subtags(wanted);
    if (subtags[0].empty()) return {};
    const std::string chinese = subtags[0] == "zh" ? ChineseTag(subtags) : std::string();
    const std::string_view exact = chinese.empty() ? wanted : std::string_view(chinese);
    for (const std::string_view tag : available)
        if (SameTag(tag, exact)) return tag;
    if (chinese == "zh-tw") return {};
    for (const std::string_view tag : available)
        if (Subtags(tag)[0] == subtags[0]) return tag;
    return {};
}

}  // namespace

std::string ChooseLanguage(std::string_view setting, std::span<const std::string> displayLanguages,
                           std::span<const std::string_view> available) {
    if (const std::string_view chosen = Match(setting, available); !chosen.empty()) return std::string(chosen);
    for (const std::string& wanted : displayLanguages)
        if (const std::string_view chosen = Match(wanted, available); !chosen.empty()) return std::string(chosen);
    return "en";
}

}  // namespace quorvel
