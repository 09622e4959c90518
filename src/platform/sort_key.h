// The order of texts in the user's locale, as the platform compares them
// (CompareString, case-sensitive): sort keys compared byte by byte. Making a
// key once per text and comparing keys is many times faster than comparing the
// texts themselves at every step of a sort.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The sort key of a UTF-8 text in the user's locale; a < b in the locale's
// order exactly when SortKey(a) < SortKey(b).
std::string SortKey(std::string_view text);

}  // namespace quorvel
