#include "platform/sort_key.h"

#include <windows.h>

#include "core/wide.h"

namespace quorvel {

std::string SortKey(std::string_view text) {
    const std::wstring wide = Wide(text);
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    const int size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, wide.data(), length, nullptr, 0);
    std::string key(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, wide.data(), length, reinterpret_cast<LPWSTR>(key.data()),
                     size);
    }
    return key;
}

}  // namespace quorvel
