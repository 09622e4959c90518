#include "core/format/locale_pictures.h"

#include <algorithm>

#include "core/text.h"

namespace quorvel {
namespace {

std::size_t TakeRun(std::string_view text, std::size_t& pos) {
    const char c = text[pos];
    std::size_t count = 0;
    while (pos < text.size() && text[pos] == c) {
        ++pos;
        ++count;
    }
    return count;
}

// The token of this language for a run of one picture letter; empty for a letter
// that is no picture there (it is then literal text).
std::string TokenFor(char letter, std::size_t count) {
    switch (letter) {
        case 'd': return std::string(std::min<std::size_t>(count, 4), 'd');  // d5 would expand the short date
        // Date pictures hold no hours, so m here always follows a date token and means the month.
        case 'M': return std::string(std::min<std::size_t>(count, 4), 'm');
        case 'y': return count <= 2 ? "yy" : "yyyy";  // no one-digit year here: y gives two digits
        case 'g': return count == 1 ? "g" : "gg";
        case 'H':
        case 'h': return count == 1 ? "h" : "hh";
        case 'm': return count == 1 ? "n" : "nn";
        case 's': return count == 1 ? "s" : "ss";
        case 't': return "AMPM";
        default: return {};
    }
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Literal text: characters that mean something in this language go inside
// apostrophes, an apostrophe inside double quotes; the rest is copied as it is.
void AppendLiteral(std::string& out, std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = text[pos];
        if (c == '\'') {
            const std::size_t end = std::min(text.find_first_not_of('\'', pos), text.size());
            out += '"';
            out.append(text.substr(pos, end - pos));
            out += '"';
            pos = end;
            continue;
        }
        const std::size_t end = std::min(text.find('\'', pos), text.size());
        const std::string_view run = text.substr(pos, end - pos);
        const bool needsQuotes = std::any_of(run.begin(), run.end(), [](char ch) {
            return IsAsciiLetter(ch) || ch == '/' || ch == ':' || ch == '"';
        });
        if (needsQuotes) out += '\'';
        out.append(run);
        if (needsQuotes) out += '\'';
        pos = end;
    }
}

}  // namespace

std::string TranslateLocalePicture(std::string_view picture) {
    std::string out;
    std::string literal;
    const auto flush = [&] {
        AppendLiteral(out, literal);
        literal.clear();
    };
    for (std::size_t pos = 0; pos < picture.size();) {
        const char c = picture[pos];
        if (c == '\'') {
            // Quoted text up to the next lone apostrophe; '' anywhere is one apostrophe.
            if (pos + 1 < picture.size() && picture[pos + 1] == '\'') {
                literal += '\'';
                pos += 2;
                continue;
            }
            for (++pos; pos < picture.size(); ++pos) {
                if (picture[pos] != '\'') {
                    literal += picture[pos];
                } else if (pos + 1 < picture.size() && picture[pos + 1] == '\'') {
                    literal += '\'';
                    ++pos;
                } else {
                    ++pos;
                    break;
                }
            }
            continue;
        }
        if (IsAsciiLetter(c)) {
            const std::size_t start = pos;
            const std::string token = TokenFor(c, TakeRun(picture, pos));
            if (token.empty()) {
                literal.append(picture.substr(start, pos - start));
            } else {
                flush();
                out += token;
            }
            continue;
        }
        if (c == '/' || c == ':') {
            flush();
            out += c;
            ++pos;
            continue;
        }
        literal += c;
        ++pos;
    }
    flush();
    return out;
}

TimeFormats BuildTimeFormats(bool twelveHour, bool leadingZero, bool markerFirst) {
    const std::string hour = leadingZero ? "hh" : "h";
    std::string prefix, suffix;
    if (twelveHour && markerFirst)
        prefix = "AMPM ";
    else if (twelveHour)
        suffix = " AMPM";
    return {prefix + hour + ":mm" + suffix, prefix + hour + ":mm:ss" + suffix};
}

bool ShortensEraName(std::string_view localeName) {
    const auto startsWith = [&](std::string_view prefix) { return localeName.substr(0, prefix.size()) == prefix; };
    return startsWith("ja") || startsWith("zh-TW") || startsWith("zh-Hant");
}

std::string ShortEraName(std::string_view eraName) {
    if (Utf8CharCount(eraName) == 4) {
        // Skip two characters, keep two.
        std::size_t pos = 0;
        for (int i = 0; i < 2; ++i) pos += Utf8CharLength(eraName, pos);
        return std::string(eraName.substr(pos));
    }
    return std::string(Utf8Prefix(eraName, 1));
}

}  // namespace quorvel
