#include "core/translation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/language_choice.h"
#include "core/translation_catalogue.h"

namespace quorvel {

// tests/translations/sample/*.po, compiled by the build as the program's own are.
extern const Catalogue kSampleTranslations;

namespace {

TEST(Translation, LooksUpWhatMsgfmtKeptAndShowsEnglishOtherwise) {
    const Translator german(kSampleTranslations, "de");
    const Translator polish(kSampleTranslations, "pl");
    const Translator none(kSampleTranslations, "fr");
    struct Case {
        const Translator& in;
        std::string_view english, shown;
    };
    const Case cases[] = {
        {german, "Cancel", "Abbrechen"},
        {polish, "Cancel", "Anuluj"},
        {german, "About", "Über"},  // the entry without a context
        {german, "Snooze", "Snooze"},  // fuzzy: not compiled in
        {german, "Untranslated", "Untranslated"},
        {german, "Not in the catalogue", "Not in the catalogue"},
        {polish, "German only", "German only"},
        {german, "Say \"{0}\"\tthen\r\nstop\\", "Sag „{0}“\tdann\r\nhalt\\"},
        {none, "Cancel", "Cancel"},
        {german, "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.in.Translate(c.english), c.shown) << c.english;
    EXPECT_EQ(german.Translate("clock menu", "About"), "Info");
    EXPECT_EQ(german.Translate("other menu", "About"), "About");
    EXPECT_EQ(german.Tag(), "de");
    EXPECT_EQ(none.Tag(), "en");
    EXPECT_FALSE(none);
}

TEST(Translation, PluralFormsFollowEachLanguagesRule) {
    const Translator german(kSampleTranslations, "de");
    const Translator polish(kSampleTranslations, "pl");
    const Translator english;
    struct Case {
        const Translator& in;
        unsigned long count;
        std::string_view shown;
    };
    const Case cases[] = {
        {english, 0, "{0} minutes"}, {english, 1, "{0} minute"},  {english, 2, "{0} minutes"},
        {german, 1, "{0} Minute"},   {german, 5, "{0} Minuten"},  {german, 0, "{0} Minuten"},
        {polish, 1, "{0} minuta"},   {polish, 3, "{0} minuty"},   {polish, 22, "{0} minuty"},
        {polish, 5, "{0} minut"},    {polish, 12, "{0} minut"},   {polish, 112, "{0} minut"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.in.TranslatePlural("{0} minute", "{0} minutes", c.count), c.shown) << c.in.Tag() << " " << c.count;
    // A form left empty in the file shows the English form.
    EXPECT_EQ(polish.TranslatePlural("{0} hour", "{0} hours", 2), "{0} godziny");
    EXPECT_EQ(polish.TranslatePlural("{0} hour", "{0} hours", 5), "{0} hours");
}

TEST(Translation, FillInPutsValuesIntoTheirPlaces) {
    struct Case {
        std::string_view text;
        std::string filled;
    };
    const Case cases[] = {
        {"{0} minutes", "5 minutes"},
        {"{1} before {0}", "b before 5"},  // a translation may reorder them
        {"{0}{0}", "55"},
        {"{2} {x} {} {0", "{2} {x} {} {0"},  // no value, or no number: as it is
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FillIn(c.text, {"5", "b"}), c.filled) << c.text;
}

TEST(Translation, TheProgramsLanguagesAreUsedByTag) {
    EXPECT_EQ(Languages().front(), "en");
    EXPECT_EQ(CurrentLanguage(), "en");
    ASSERT_TRUE(UseLanguage("de"));
    EXPECT_EQ(CurrentLanguage(), "de");
    EXPECT_EQ(Translate("Cancel"), "Abbrechen");
    EXPECT_FALSE(UseLanguage("xx"));
    EXPECT_EQ(CurrentLanguage(), "en");
    EXPECT_EQ(Translate("Cancel"), "Cancel");
}

TEST(LanguageChoice, TheSettingThenWindowsThenEnglish) {
    const std::vector<std::string_view> available = {"en", "de", "pt-BR", "zh-CN", "ar"};
    struct Case {
        std::string_view setting;
        std::vector<std::string> windows;
        std::string chosen;
    };
    const Case cases[] = {
        {"", {"de-DE"}, "de"},
        {"", {"DE_at"}, "de"},
        {"", {"pt-BR"}, "pt-BR"},
        {"", {"pt-PT"}, "pt-BR"},  // the one Portuguese there is
        {"", {"pt"}, "pt-BR"},
        {"", {"ar-SA"}, "ar"},
        {"", {"zh-CN"}, "zh-CN"},
        {"", {"zh-SG"}, "zh-CN"},
        {"", {"zh-Hans"}, "zh-CN"},
        {"", {"zh-Hans-HK"}, "zh-CN"},
        {"", {"zh"}, "zh-CN"},
        {"", {"zh-TW", "de-DE"}, "de"},  // Traditional is not Simplified: the next one
        {"", {"zh-Hant"}, "en"},
        {"", {"zh-HK"}, "en"},
        {"", {"fi-FI", "sv-SE", "ar-EG"}, "ar"},  // the first one spoken
        {"", {"en-GB", "de-DE"}, "en"},
        {"", {}, "en"},
        {"de", {"ar-SA"}, "de"},
        {"pt-br", {"de-DE"}, "pt-BR"},
        {"en", {"de-DE"}, "en"},
        {"xx", {"de-DE"}, "de"},  // not spoken: as if empty
        {"", {"", "-", "de"}, "de"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLanguage(c.setting, c.windows, available), c.chosen)
            << "'" << c.setting << "' " << (c.windows.empty() ? "" : c.windows.front());
    }
}

}  // namespace
}  // namespace quorvel
