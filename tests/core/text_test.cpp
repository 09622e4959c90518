#include "core/text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// Paragraphs longer than 10 bytes in lines of at most 8 (the program shows
// reminders with 2,000 and 99).
TEST(LongParagraphs, AreShownInShortLinesCutAtSpacesNeverInsideACharacter) {
    struct Case {
        const char* what;
        std::string text;
        std::string shown;
        std::size_t longest;
    };
    const Case cases[] = {
        {"short paragraphs stay", "aaa bbb\r\nccc\ndd\re", "aaa bbb\r\nccc\ndd\re", 7},
        {"at spaces, which go", "aaa bbb ccc ddd eee", "aaa bbb\r\nccc ddd\r\neee", 19},
        {"a space just past the line", "aaaaaaaa bbb ccc", "aaaaaaaa\r\nbbb ccc", 16},
        {"no space: cut at the line", "aaaaaaaaaaaaaaaaaaa", "aaaaaaaa\r\naaaaaaaa\r\naaa", 19},
        {"not inside a character", "aaaaaaa\xC3\xA9\xC3\xA9\xC3\xA9", "aaaaaaa\r\n\xC3\xA9\xC3\xA9\xC3\xA9", 13},
        {"only the long one", "short\r\naaa bbb ccc ddd\r\nend", "short\r\naaa bbb\r\nccc ddd\r\nend", 15},
        {"empty", "", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithLongParagraphsInLines(c.text, 10, 8), c.shown) << c.what;
        EXPECT_EQ(LongestParagraph(c.text), c.longest) << c.what;
    }
}

}  // namespace
}  // namespace quorvel
