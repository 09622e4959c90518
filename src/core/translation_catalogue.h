// The translations as the build compiles them from po/*.po
// (scripts/make_translations.py writes the program's catalogue, kTranslations).
//
// All texts are UTF-8 in one block, each ended by a zero byte. The keys are the
// English texts ("context\x04English" for a text with a context), sorted by
// their bytes. Each language has, by key, the offset of its translation in the
// block, or kNoTranslation; a text with a number holds its forms one after the
// other, each ended by a zero byte, pluralForms of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quorvel {

inline constexpr std::uint32_t kNoTranslation = 0xFFFFFFFF;

struct CatalogueLanguage {
    std::string_view tag;  // "de", "pt-BR", "zh-CN"
    unsigned pluralForms;  // how many forms a text with a number has
    unsigned (*pluralForm)(unsigned long count);  // which of them a count takes
    const std::uint32_t* texts;                    // by key: the translation's offset
};

struct Catalogue {
    const char* block;
    std::span<const std::uint32_t> keys;  // offsets, sorted by the keys' bytes
    std::span<const CatalogueLanguage> languages;
};

// The program's translations.
extern const Catalogue kTranslations;

}  // namespace quorvel
