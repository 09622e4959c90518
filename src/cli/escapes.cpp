#include "cli/escapes.h"

#include "cli/bad_input.h"

namespace quorvel::cli {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '\\') {
            out += text[pos];
            continue;
        }
        if (++pos == text.size()) throw BadInput("a backslash ends the text; write \\\\ for a backslash");
        switch (text[pos]) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 'x': {
                const int high = pos + 1 < text.size() ? HexValue(text[pos + 1]) : -1;
                const int low = pos + 2 < text.size() ? HexValue(text[pos + 2]) : -1;
                if (high < 0 || low < 0) throw BadInput("\\x needs two hexadecimal digits");
                out += static_cast<char>(high * 16 + low);
                pos += 2;
                break;
            }
            default: throw BadInput(std::string("unknown escape \\") + text[pos]);
        }
    }
    return out;
}

std::string Escape(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    out += "\\x";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace quorvel::cli
