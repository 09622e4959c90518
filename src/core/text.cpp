#include "core/text.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace quorvel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one well-formed character at pos; on a malformed one gives U+FFFD and
// consumes one byte.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t len = Utf8CharLength(s, pos);
    if (len == 1) {
        ++pos;
        return b0 < 0x80 ? b0 : kReplacement;
    }
    char32_t cp = b0 & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    pos += len;
    return cp;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t len = b0 >= 0xF0 && b0 <= 0xF4 ? 4 : b0 >= 0xE0 && b0 <= 0xEF ? 3 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : 1;
    if (len == 1 || pos + len > s.size()) return 1;
    for (std::size_t i = 1; i < len; ++i)
        if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
    // Reject overlong forms, surrogates and code points past U+10FFFF.
    const auto b1 = static_cast<unsigned char>(s[pos + 1]);
    if ((b0 == 0xE0 && b1 < 0xA0) || (b0 == 0xED && b1 >= 0xA0) || (b0 == 0xF0 && b1 < 0x90) ||
        (b0 == 0xF4 && b1 >= 0x90))
        return 1;
    return len;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = DecodeUtf8(utf8, pos);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxChars && pos < text.size(); ++n) pos += Utf8CharLength(text, pos);
    return text.substr(0, pos);
}

std::size_t Utf8CharCount(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharLength(text, pos)) ++n;
    return n;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    // 0x80-0x9F; unassigned positions keep their C1 code.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b);
    }
    return out;
}

namespace {

// The end of the paragraph starting at pos, and where the next one starts.
std::pair<std::size_t, std::size_t> ParagraphAt(std::string_view text, std::size_t pos) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    std::size_t next = end;
    if (next < text.size()) next += (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
    return {end, next};
}

}  // namespace

std::size_t LongestParagraph(std::string_view text) {
    std::size_t longest = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [end, next] = ParagraphAt(text, pos);
        longest = std::max(longest, end - pos);
        pos = next;
    }
    return longest;
}

std::string WithLongParagraphsInLines(std::string_view text, std::size_t longParagraph, std::size_t lineLength) {
    std::string shown;
    shown.reserve(text.size() + text.size() / (lineLength ? lineLength : 1) * 2);
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [end, next] = ParagraphAt(text, pos);
        std::size_t at = pos;
        if (end - pos > longParagraph && lineLength > 0) {
            while (end - at > lineLength) {
                const std::size_t space = text.substr(at, lineLength + 1).rfind(' ');
                std::size_t cut = space != std::string_view::npos && space > 0 ? at + space : at + lineLength;
                // Never inside a character: back to the start of the one the cut falls in.
                while (cut > at + 1 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
                shown.append(text.substr(at, cut - at));
                shown += "\r\n";
                at = text[cut] == ' ' ? cut + 1 : cut;
            }
        }
        shown.append(text.substr(at, next - at));
        pos = next;
    }
    return shown;
}

}  // namespace quorvel
