#include "core/clock.h"

#include <utility>

namespace quorvel {
namespace {
std::function<DateTime()>& Override() {
    static std::function<DateTime()> source;
    return source;
}
}  // namespace

DateTime Now() {
    const auto& source = Override();
    return source ? source() : SystemNow();
}

void SetClock(DateTime fixedNow) {
    Override() = [fixedNow] { return fixedNow; };
}

void SetClock(std::function<DateTime()> source) { Override() = std::move(source); }

void ResetClock() { Override() = nullptr; }

}  // namespace quorvel
