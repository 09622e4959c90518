#include "core/translation.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/translation_catalogue.h"

namespace quorvel {
namespace {

Translator& Current() {
    static Translator current;
    return current;
}

std::string_view EnglishForm(std::string_view english, std::string_view englishPlural, unsigned long count) {
    return count == 1 ? english : englishPlural;
}

}  // namespace

Translator::Translator(const Catalogue& catalogue, std::string_view tag) {
    for (std::size_t i = 0; i < catalogue.languages.size(); ++i) {
        if (catalogue.languages[i].tag != tag) continue;
        catalogue_ = &catalogue;
        language_ = i;
        texts_ = catalogue.languages[i].texts;
    }
}

std::string_view Translator::Tag() const { return texts_ ? catalogue_->languages[language_].tag : "en"; }

const char* Translator::Find(std::string_view key) const {
    if (!texts_) return nullptr;
    const char* block = catalogue_->block;
    const auto keys = catalogue_->keys;
    const auto before = [block](std::uint32_t at, std::string_view k) { return std::string_view(block + at) < k; };
    const auto found = std::lower_bound(keys.begin(), keys.end(), key, before);
    if (found == keys.end() || std::string_view(block + *found) != key) return nullptr;
    const std::uint32_t at = texts_[found - keys.begin()];
    return at == kNoTranslation ? nullptr : block + at;
}

std::string_view Translator::Translate(std::string_view english) const {
    const char* text = Find(english);
    return text ? std::string_view(text) : english;
}

std::string_view Translator::Translate(std::string_view context, std::string_view english) const {
    if (!texts_) return english;
    std::string key(context);
    key += '\x04';
    key += english;
    const char* text = Find(key);
    return text ? std::string_view(text) : english;
}

std::string_view Translator::TranslatePlural(std::string_view english, std::string_view englishPlural,
                                             unsigned long count) const {
    const char* text = Find(english);
    if (!text) return EnglishForm(english, englishPlural, count);
    const CatalogueLanguage& language = catalogue_->languages[language_];
    const unsigned form = language.pluralForm(count);
    // A form the rule names but the catalogue lacks, or an empty one, shows in English.
    if (form >= language.pluralForms) return EnglishForm(english, englishPlural, count);
    for (unsigned i = 0; i < form; ++i) text += std::strlen(text) + 1;
    return *text ? std::string_view(text) : EnglishForm(english, englishPlural, count);
}

std::string_view Translate(std::string_view english) { return Current().Translate(english); }

std::string_view Translate(std::string_view context, std::string_view english) {
    return Current().Translate(context, english);
}

std::string_view TranslatePlural(std::string_view english, std::string_view englishPlural, unsigned long count) {
    return Current().TranslatePlural(english, englishPlural, count);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool slot = text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9' &&
                          text[i + 2] == '}';
        const auto index = slot ? static_cast<std::size_t>(text[i + 1] - '0') : values.size();
        if (index < values.size()) {
            filled += values.begin()[index];
            i += 2;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::span<const std::string_view> Languages() {
    static const std::vector<std::string_view> tags = [] {
        std::vector<std::string_view> all{"en"};
        for (const CatalogueLanguage& language : kTranslations.languages) all.push_back(language.tag);
        return all;
    }();
    return tags;
}

bool UseLanguage(std::string_view tag) {
    Current() = Translator(kTranslations, tag);
    return static_cast<bool>(Current());
}

std::string_view CurrentLanguage() { return Current().Tag(); }

}  // namespace quorvel
