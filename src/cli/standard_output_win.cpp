#include <windows.h>

#include "cli/standard_output.h"
#include "core/wide.h"

namespace quorvel::cli {

bool WriteStandard(StandardStream stream, std::string_view text) {
    const HANDLE handle = GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (text.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE) return true;
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = Wide(text);
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    }
    while (!text.empty()) {
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace quorvel::cli
