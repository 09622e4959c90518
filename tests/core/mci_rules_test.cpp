#include "sound/mci_rules.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorvel {
namespace {

TEST(MciRules, ModesFromStatus) {
    const struct {
        std::uint32_t status;
        PlayerMode mode;
    } cases[] = {
        {524, PlayerMode::NotReady}, {525, PlayerMode::Stopped}, {526, PlayerMode::Playing},
        {527, PlayerMode::Recording}, {528, PlayerMode::Seeking}, {529, PlayerMode::Paused},
        {530, PlayerMode::Open},
        // What a failed query leaves, and values no device answers: never "playing".
        {0, PlayerMode::NotReady}, {523, PlayerMode::NotReady}, {531, PlayerMode::NotReady},
        {0xFFFFFFFFu, PlayerMode::NotReady},
    };
    for (const auto& c : cases) EXPECT_EQ(ModeFromMciStatus(c.status), c.mode) << c.status;
}

TEST(MciRules, NotifyValuesFromOutcome) {
    EXPECT_EQ(NotifyValueFromOutcome(1), NotifyResult::Successful);
    EXPECT_EQ(NotifyValueFromOutcome(2), NotifyResult::Superseded);
    EXPECT_EQ(NotifyValueFromOutcome(4), NotifyResult::Aborted);
    EXPECT_EQ(NotifyValueFromOutcome(8), NotifyResult::Failure);
    for (std::uint32_t other : {0u, 3u, 5u, 16u}) EXPECT_EQ(NotifyValueFromOutcome(other), std::nullopt) << other;
}

TEST(MciRules, OneShotRequestIsTakenOnce) {
    OneShotRequest request;
    EXPECT_EQ(request.Take(), std::nullopt);  // never set
    request.Request(true);
    EXPECT_EQ(request.Take(), true);
    EXPECT_EQ(request.Take(), std::nullopt);  // used up
    EXPECT_TRUE(request.Value());             // the value stays readable
    request.Request(true);                    // the same value marks it again
    EXPECT_EQ(request.Take(), true);
    request.Request(true);
    request.Request(false);  // the last request wins
    EXPECT_EQ(request.Take(), false);
}

TEST(MciRules, CommandFlagsFollowTheWaitingAndReportingRule) {
    constexpr std::uint32_t kNone = 0, kWait = mci::kWait, kNotify = mci::kNotify;
    const std::optional<bool> unset, yes = true, no = false;
    const struct {
        CommandKind kind;
        std::optional<bool> notify, wait;
        std::uint32_t flags;
    } cases[] = {
        // Open, Stop, Close: wait unless told not to; report only when asked.
        {CommandKind::Blocking, unset, unset, kWait},
        {CommandKind::Blocking, yes, unset, kWait | kNotify},
        {CommandKind::Blocking, no, unset, kWait},
        {CommandKind::Blocking, unset, no, kNone},
        {CommandKind::Blocking, yes, no, kNotify},
        {CommandKind::Blocking, unset, yes, kWait},
        // Play: wait only when asked; report unless told not to.
        {CommandKind::Play, unset, unset, kNotify},
        {CommandKind::Play, no, unset, kNone},
        {CommandKind::Play, yes, unset, kNotify},
        {CommandKind::Play, unset, yes, kWait | kNotify},
        {CommandKind::Play, no, yes, kWait},
        {CommandKind::Play, unset, no, kNotify},
    };
    const auto show = [](std::optional<bool> v) { return v ? (*v ? "true" : "false") : "unset"; };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandFlags(c.kind, c.notify, c.wait), c.flags)
            << (c.kind == CommandKind::Play ? "play" : "blocking") << ", notify " << show(c.notify) << ", wait "
            << show(c.wait);
    }
}

}  // namespace
}  // namespace quorvel
