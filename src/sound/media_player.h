// MediaPlayer: opens a sound file on the device the Media Control Interface picks
// for its type, plays it without waiting, and reports the end of playback to its
// owner through onNotify, raised from the GUI thread's message loop.
//
//   MediaPlayer player;
//   player.onNotify = [](MediaPlayer&) { /* the sound is over */ };
//   player.fileName = path;
//   player.Open();            // throws MciDeviceError
//   if (player.Play() == 0)   // one onNotify later, unless SetNotify(false) came first
//
// Each player owns a message-only window that receives its MM_MCINOTIFY reports and
// its open device, which it closes when destroyed. GUI thread only.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <functional>
#include <string>

#include "sound/mci_device_error.h"
#include "sound/mci_rules.h"
#include "ui/message_window.h"

namespace quorvel {

// The text the platform has for an MCI error code, or "Unknown error code".
std::string MciErrorText(MCIERROR code);

// One MCI request a player sent and what it returned.
struct MciRequest {
    MCIDEVICEID device;
    UINT command;
    DWORD_PTR flags;
    MCIERROR result;
};

// Lets a test see which requests the players send, in order; the requests always
// go to the platform. An empty observer stops the watching.
void SetMciRequestObserver(std::function<void(const MciRequest&)> observer);

class MediaPlayer {
public:
    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    std::string fileName;  // UTF-8 full path; set before Open
    static constexpr DeviceType kDeviceType = DeviceType::AutoSelect;
    static constexpr bool kAutoOpen = false;  // nothing opens until Open
    bool autoRewind = true;                   // Play at the end starts again from the start
    bool shareable = false;                   // the device is this player's alone

    // Called with this player for every report that reaches its window, including
    // one of a device the player has closed since. It may destroy the player.
    std::function<void(MediaPlayer& sender)> onNotify;

    // Opens the file under the player's own alias: without one MCI names the
    // device after its file, and a second player of that file would be refused.
    void Open();
    // 0 when the device took the play, else its error code (also ErrorCode).
    [[nodiscard]] MCIERROR Play();
    PlayerMode Mode();
    void Stop();
    void Close();

    // One-shot requests for the next Open, Play, Stop or Close (see mci_rules.h).
    void SetNotify(bool value) { notify_.Request(value); }
    bool Notify() const { return notify_.Value(); }
    void SetWait(bool value) { wait_.Request(value); }
    bool Wait() const { return wait_.Value(); }

    MCIDEVICEID DeviceID() const { return device_.Id(); }
    bool IsOpen() const { return device_.Id() != 0; }
    MCIERROR ErrorCode() const { return errorCode_; }
    NotifyResult NotifyValue() const { return notifyValue_; }

private:
    // An open MCI device; closes it (waiting) when it goes unless released first.
    class Device {
    public:
        Device() = default;
        ~Device();
        Device(const Device&) = delete;
        Device& operator=(const Device&) = delete;
        MCIDEVICEID Id() const { return id_; }
        void Take(MCIDEVICEID id) { id_ = id; }
        void Release() { id_ = 0; }

    private:
        MCIDEVICEID id_ = 0;
    };

    void ReceiveReport(WPARAM outcome);
    DWORD_PTR Callback() const;
    MCIERROR Status(DWORD item, DWORD_PTR& value);
    bool AtEnd();
    void RequireDevice() const;

    std::wstring alias_;
    // The window goes last: a report posted while the device closes then finds no window.
    ui::MessageWindow window_;
    Device device_;
    OneShotRequest notify_;
    OneShotRequest wait_;
    MCIERROR errorCode_ = 0;
    NotifyResult notifyValue_ = NotifyResult::Successful;
};

}  // namespace quorvel
