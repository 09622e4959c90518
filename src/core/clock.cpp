#include "core/clock.h"

#include <utility>

namespace quorvel {
namespace {
std::function<TDateTime()>& Override() {
    static std::function<TDateTime()> source;
    return source;
}
}  // namespace

TDateTime Now() {
    const auto& source = Override();
    return source ? source() : SystemNow();
}

void SetClock(TDateTime fixedNow) {
    Override() = [fixedNow] { return fixedNow; };
}

void SetClock(std::function<TDateTime()> source) { Override() = std::move(source); }

void ResetClock() { Override() = nullptr; }

}  // namespace quorvel
