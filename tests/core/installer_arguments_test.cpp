#include <gtest/gtest.h>

#include <string>

#include "app/installer_commands.h"

namespace quorvel {
namespace {

TEST(InstallerArguments, OneKnownCommandOrNothingElseStarts) {
    using enum InstallerCommand;
    const struct {
        const char* line;
        InstallerCommand command;
        std::string unknown;
    } cases[] = {
        {"", None, ""},
        {"/close", Close, ""},
        {"-close", Close, ""},
        {"/CLOSE", Close, ""},
        {" -Close-For-Update ", CloseForUpdate, ""},
        {"\"/close\"", Close, ""},
        {"\"/close x\"", Unknown, "/close x"},
        {"/close /close", Unknown, "/close"},
        {"/close x", Unknown, "x"},
        {"/bogus", Unknown, "/bogus"},
        {"close", Unknown, "close"},
        {"\"\"", Unknown, ""},
        {"//close", Unknown, "//close"},
        {"\\\"/close\\\"", Unknown, "\"/close\""},
        {"C:\\a\\\\\\\"b \"c d\"", Unknown, "C:\\a\\\"b"},
        {"\"a\"\"b\"", Unknown, "a\"b"},
    };
    for (const auto& c : cases) {
        const StartArguments read = ReadStartArguments(c.line);
        EXPECT_EQ(read.command, c.command) << c.line;
        EXPECT_EQ(read.unknown, c.unknown) << c.line;
    }
}

}  // namespace
}  // namespace quorvel
