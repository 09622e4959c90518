#include "core/input_rest.h"

namespace quorvel {

std::uint32_t InputRestMs(std::uint32_t now, std::uint32_t lastInput) {
    const std::uint32_t since = now - lastInput;
    // More than half the range back is really a moment ahead.
    return since > UINT32_MAX / 2 ? 0 : since;
}

}  // namespace quorvel
