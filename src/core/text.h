// Text encodings at the program's boundaries. Inside, text is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// Malformed input becomes U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

bool IsAscii(std::string_view text);

// Length in bytes of the UTF-8 character starting at text[pos] (1 for a stray byte),
// never past the end of the text.
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// The first maxChars characters (code points) of the text, never cutting one.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars);
std::size_t Utf8CharCount(std::string_view text);

// The length in bytes of the text's longest paragraph (paragraphs end at CR LF,
// CR or LF).
std::size_t LongestParagraph(std::string_view text);

// The text to show, with every paragraph longer than `longParagraph` bytes cut
// into lines of at most `lineLength` bytes, at spaces (which go) where there
// are any, never inside a character; CR LF ends each line made. Text boxes under
// Wine wrap a long paragraph in quadratic time and the same text in short
// lines at once.
std::string WithLongParagraphsInLines(std::string_view text, std::size_t longParagraph, std::size_t lineLength);

// Windows-1252 bytes to UTF-8 (the five unassigned bytes map to their C1 controls,
// as the platform's own conversion does).
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace quorvel
