#include <cstdio>

#include "cli/standard_output.h"

namespace quorvel::cli {

bool WriteStandard(StandardStream stream, std::string_view text) {
    std::FILE* file = stream == StandardStream::Output ? stdout : stderr;
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace quorvel::cli
