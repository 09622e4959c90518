// Texts a person reads, in the language chosen at start. Each text is keyed by
// its exact English; a text the language does not translate shows in English,
// and so does every text until a language is chosen (quorvel-cli never chooses).
//
//   ui::ShowMessageBox(hwnd, Translate("Error reading config"), ...);
//   label.SetText(FillIn(Translate("Home page: {0}"), {kHomePageAddress}));
//   list.AddItem(FillIn(TranslatePlural("{0} minute", "{0} minutes", n), {std::to_string(n)}));
//
// A text kept in a constant table is marked there, for the template, and
// translated where it is shown:
//
//   constexpr const char* kCaptions[] = {N_("Remind once"), N_("Skip")};
//   combo.AddItem(Translate(kCaptions[i]));
//   constexpr ui::ControlSpec kControls[] = {{kOk, L"BUTTON", NW_("&OK"), ...}};   // wide, for a control table
//
// The translations are gettext PO files (po/), one per language, compiled into
// the program by the build. Never translated: stored values and registry
// names, the alarm bytes, class names, what scripts read from quorvel-cli, and
// anything the user typed or stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Marks a narrow literal for the template; the text itself is unchanged.
#define N_(english) english
// Marks a literal for the template and makes it wide, for the captions of
// control tables. A narrow literal is what the template's extraction reads
// whole, also when it is made of several pieces.
#define NW_(english) L"" english

namespace quorvel {

struct Catalogue;

// The text in the current language. The result stays valid for the whole run
// when translated; otherwise it is `english` itself.
std::string_view Translate(std::string_view english);
// The same for a text that is translated in more than one way: `context` (the
// PO file's msgctxt) tells which.
std::string_view Translate(std::string_view context, std::string_view english);
// The form of a text with a number for `count`: English has "{0} minute" for 1
// and "{0} minutes" for every other count; other languages have their own forms.
std::string_view TranslatePlural(std::string_view english, std::string_view englishPlural, unsigned long count);

// `text` with every {0}, {1} ... {9} replaced by values[0], values[1] ...; a
// number without a value, and every other brace, stays as it is.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

// The languages the program speaks, by tag: "en" first, then the catalogue's
// ("de", "pt-BR", "zh-CN" ...).
std::span<const std::string_view> Languages();
// Makes `tag` (one of Languages()) the current language; any other tag, and
// "en", give English. Returns whether a catalogue language was taken.
bool UseLanguage(std::string_view tag);
// The current language's tag ("en" until another is used).
std::string_view CurrentLanguage();

// Looks texts up in one language of a catalogue; the functions above use the
// program's own catalogue. Empty (English) when the tag is not in it.
class Translator {
public:
    Translator() = default;
    Translator(const Catalogue& catalogue, std::string_view tag);

    explicit operator bool() const { return texts_ != nullptr; }
    std::string_view Tag() const;
    std::string_view Translate(std::string_view english) const;
    std::string_view Translate(std::string_view context, std::string_view english) const;
    std::string_view TranslatePlural(std::string_view english, std::string_view englishPlural,
                                     unsigned long count) const;

private:
    // The translation stored under `key` (the English, or "context\x04English");
    // null when there is none.
    const char* Find(std::string_view key) const;

    const Catalogue* catalogue_ = nullptr;
    std::size_t language_ = 0;
    const std::uint32_t* texts_ = nullptr;
};

}  // namespace quorvel
