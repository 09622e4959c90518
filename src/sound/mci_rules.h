// The media player's platform-free rules: its modes and report outcomes, the
// one-shot Notify/Wait requests, and the flags each MCI command is sent with.
// The MCI numbers are repeated here so this file builds without <mmsystem.h>;
// media_player.cpp checks every one of them against the platform's header.
#pragma once

#include <cstdint>
#include <optional>

namespace quorvel {

enum class PlayerMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

enum class NotifyResult { Successful, Superseded, Aborted, Failure };

// The kind of device to open. The player always lets the platform choose the
// device from the file's type; the named kinds exist on the platform but are not used.
enum class DeviceType {
    AutoSelect, AviVideo, CdAudio, Dat, DigitalVideo, MmMovie, Other,
    Overlay, Scanner, Sequencer, Vcr, Videodisc, WaveAudio
};

namespace mci {
inline constexpr std::uint32_t kNotify = 0x1;
inline constexpr std::uint32_t kWait = 0x2;
inline constexpr std::uint32_t kOpenShareable = 0x100;
inline constexpr std::uint32_t kOpenElement = 0x200;
inline constexpr std::uint32_t kOpenAlias = 0x400;

inline constexpr std::uint32_t kModeNotReady = 524;  // the first mode value; kModeOpen the last
inline constexpr std::uint32_t kModeOpen = 530;

inline constexpr std::uint32_t kNotifySuccessful = 1;
inline constexpr std::uint32_t kNotifySuperseded = 2;
inline constexpr std::uint32_t kNotifyAborted = 4;
inline constexpr std::uint32_t kNotifyFailure = 8;
}  // namespace mci

// A device's mode as MCI_STATUS reports it (524 not ready ... 530 open). A value
// outside that range (a failed query answers 0) is not ready: never "playing".
PlayerMode ModeFromMciStatus(std::uint32_t status);

// The NotifyResult of an MM_MCINOTIFY outcome; nothing for an outcome MCI does not define.
std::optional<NotifyResult> NotifyValueFromOutcome(std::uint32_t outcome);

// A value the owner requests for the next command only. Setting it stores the value
// and marks it requested (again, even when the value is the same); the next command
// that honours it takes it, which clears the mark and keeps the value.
class OneShotRequest {
public:
    void Request(bool value) {
        value_ = value;
        requested_ = true;
    }
    bool Value() const { return value_; }
    bool Requested() const { return requested_; }
    std::optional<bool> Take();

private:
    bool value_ = false;
    bool requested_ = false;
};

// Open, Stop and Close wait unless waiting was requested false and report only when
// a report was requested true; Play waits only when requested true and reports
// unless requested false.
enum class CommandKind { Blocking, Play };
std::uint32_t CommandFlags(CommandKind kind, std::optional<bool> notify, std::optional<bool> wait);

// MCI_OPEN's flags: the command's own, the file's element (the platform picks the
// device from its type), the player's own alias, and exclusive or shared use.
std::uint32_t OpenFlags(std::optional<bool> notify, std::optional<bool> wait, bool shareable);

}  // namespace quorvel
