#include "core/input_rest.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(InputRest, MillisecondsSinceTheLastInput) {
    const struct {
        std::uint32_t now, lastInput, rest;
    } cases[] = {
        {5000, 4000, 1000},
        {5000, 5000, 0},
        {0x100, 0xFFFFFF00u, 0x200},  // the tick count wrapped in between
        {5000, 5016, 0},              // stamped a tick ahead of the read
        {0xFFFFFFF0u, 0x10, 0},       // ahead, across the wrap
    };
    for (const auto& c : cases) EXPECT_EQ(InputRestMs(c.now, c.lastInput), c.rest) << c.now << " " << c.lastInput;
}

}  // namespace
}  // namespace quorvel
