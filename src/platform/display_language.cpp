#include "platform/display_language.h"

#include <windows.h>

#include <exception>

#include "core/language_choice.h"
#include "core/translation.h"
#include "core/wide.h"
#include "platform/registry_key.h"

namespace quorvel {

std::vector<std::string> DisplayLanguages() {
    std::vector<std::string> tags;
    ULONG count = 0;
    ULONG length = 0;
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) && length > 0) {
        std::wstring names(length, L'\0');
        if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &length)) {
            // Names one after the other, each ended by a zero, the list by another.
            for (const wchar_t* name = names.c_str(); *name; name += wcslen(name) + 1) tags.push_back(Narrow(name));
        }
    }
    if (tags.empty()) {
        wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
        if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0))
            tags.push_back(Narrow(name));
    }
    return tags;
}

std::string LanguageSetting() {
    try {
        if (const RegistryKey key = RegistryKey::Open(kSettingsKey, false)) return key.Read(kLanguageValue);
    } catch (const std::exception&) {
        // A value of another type names no language: Windows decides.
    }
    return {};
}

std::string UseDisplayLanguage() {
    const std::string chosen = ChooseLanguage(LanguageSetting(), DisplayLanguages(), Languages());
    UseLanguage(chosen);
    return chosen;
}

}  // namespace quorvel
