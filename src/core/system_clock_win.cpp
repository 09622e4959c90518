// Local time for the Windows build: the system's own local clock.
#include <windows.h>

#include "core/clock.h"
#include "core/system_time.h"

namespace quorvel {

DateTime SystemNow() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return FromSystemTime(st).value_or(0.0);
}

}  // namespace quorvel
