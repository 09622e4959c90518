#include "sound/media_player.h"

#include <iterator>
#include <utility>

#include "core/wide.h"
#include "ui/module.h"

namespace quorvel {

static_assert(mci::kNotify == MCI_NOTIFY && mci::kWait == MCI_WAIT);
static_assert(mci::kOpenShareable == MCI_OPEN_SHAREABLE && mci::kOpenElement == MCI_OPEN_ELEMENT);
static_assert(mci::kOpenAlias == MCI_OPEN_ALIAS);
static_assert(mci::kModeNotReady == MCI_MODE_NOT_READY && mci::kModeOpen == MCI_MODE_OPEN);
static_assert(MCI_MODE_PLAY - MCI_MODE_NOT_READY == static_cast<int>(PlayerMode::Playing));
static_assert(mci::kNotifySuccessful == MCI_NOTIFY_SUCCESSFUL && mci::kNotifySuperseded == MCI_NOTIFY_SUPERSEDED);
static_assert(mci::kNotifyAborted == MCI_NOTIFY_ABORTED && mci::kNotifyFailure == MCI_NOTIFY_FAILURE);

namespace {

constexpr char kNoDevice[] = "No MCI device open";

// A name no other player of this process has. (std::to_wstring would link
// a wide printf into the program for it.)
std::wstring NewAlias() {
    static unsigned long long players = 0;
    const std::string number = std::to_string(++players);
    return L"QuorvelPlayer" + std::wstring(number.begin(), number.end());
}

std::function<void(const MciRequest&)>& Observer() {
    static std::function<void(const MciRequest&)> observer;
    return observer;
}

// The MCI's DLL, loaded at the first sound: at start it would bring OLE along
// (Wine's does).
ui::LazyLibrary& Winmm() {
    static ui::LazyLibrary winmm(L"winmm.dll");
    return winmm;
}

template <typename Parms>
MCIERROR Send(MCIDEVICEID device, UINT command, DWORD_PTR flags, Parms& parms) {
    static const auto send = Winmm().Function<decltype(&mciSendCommandW)>("mciSendCommandW");
    const MCIERROR result =
        send ? send(device, command, flags, reinterpret_cast<DWORD_PTR>(&parms)) : MCIERR_CANNOT_LOAD_DRIVER;
    if (Observer()) Observer()({device, command, flags, result});
    return result;
}

}  // namespace

std::string MciErrorText(MCIERROR code) {
    static const auto errorString = Winmm().Function<decltype(&mciGetErrorStringW)>("mciGetErrorStringW");
    wchar_t text[4096] = {};
    if (!errorString || !errorString(code, text, static_cast<UINT>(std::size(text)))) return "Unknown error code";
    return Narrow(text);
}

void SetMciRequestObserver(std::function<void(const MciRequest&)> observer) {
    Observer() = std::move(observer);
}

// ---- the device ----

MediaPlayer::Device::~Device() {
    if (id_ == 0) return;
    MCI_GENERIC_PARMS parms{};
    Send(id_, MCI_CLOSE, MCI_WAIT, parms);
}

// ---- the player ----

MediaPlayer::MediaPlayer()
    : alias_(NewAlias()),
      window_([this](UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
          if (msg != MM_MCINOTIFY) return false;
          // An owner's handler reports its own failures; one it lets escape stops at
          // the message window, since the player has nowhere to show it. The
          // handler may destroy the player: nothing is touched after it.
          result = 0;
          ReceiveReport(wParam);
          return true;
      }) {}

MediaPlayer::~MediaPlayer() = default;  // device_ closes, then window_ goes

DWORD_PTR MediaPlayer::Callback() const {
    return reinterpret_cast<DWORD_PTR>(window_.Handle());
}

void MediaPlayer::RequireDevice() const {
    if (!IsOpen()) throw MciDeviceError(kNoDevice);
}

void MediaPlayer::Open() {
    MCI_OPEN_PARMSW parms{};
    if (IsOpen()) {
        Close();
        // Opening over a device that would not close would lose it for good.
        if (IsOpen()) throw MciDeviceError(MciErrorText(errorCode_));
    }
    const std::wstring element = Wide(fileName);
    parms.dwCallback = Callback();
    parms.lpstrDeviceType = L"";
    parms.lpstrElementName = element.c_str();
    parms.lpstrAlias = alias_.c_str();
    const DWORD flags = OpenFlags(notify_.Take(), wait_.Take(), shareable);
    errorCode_ = Send(0, MCI_OPEN, flags, parms);
    if (errorCode_ != 0) throw MciDeviceError(MciErrorText(errorCode_));
    device_.Take(parms.wDeviceID);
}

MCIERROR MediaPlayer::Status(DWORD item, DWORD_PTR& value) {
    MCI_STATUS_PARMS parms{};
    parms.dwCallback = Callback();
    parms.dwItem = item;
    errorCode_ = Send(device_.Id(), MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, parms);
    value = parms.dwReturn;
    return errorCode_;
}

bool MediaPlayer::AtEnd() {
    DWORD_PTR position = 0;
    DWORD_PTR length = 0;
    return Status(MCI_STATUS_POSITION, position) == 0 && Status(MCI_STATUS_LENGTH, length) == 0 &&
           position == length;
}

MCIERROR MediaPlayer::Play() {
    RequireDevice();
    if (autoRewind && AtEnd()) {
        MCI_SEEK_PARMS seek{};
        seek.dwCallback = Callback();
        errorCode_ = Send(device_.Id(), MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, seek);
    }
    MCI_PLAY_PARMS parms{};
    parms.dwCallback = Callback();
    const DWORD flags = CommandFlags(CommandKind::Play, notify_.Take(), wait_.Take());
    // A refused play raises nothing: the owner has its code.
    errorCode_ = Send(device_.Id(), MCI_PLAY, flags, parms);
    return errorCode_;
}

PlayerMode MediaPlayer::Mode() {
    if (!IsOpen()) return PlayerMode::NotReady;
    DWORD_PTR mode = 0;
    if (Status(MCI_STATUS_MODE, mode) != 0) return PlayerMode::NotReady;
    return ModeFromMciStatus(static_cast<std::uint32_t>(mode));
}

void MediaPlayer::Stop() {
    RequireDevice();
    MCI_GENERIC_PARMS parms{};
    parms.dwCallback = Callback();
    const DWORD flags = CommandFlags(CommandKind::Blocking, notify_.Take(), wait_.Take());
    errorCode_ = Send(device_.Id(), MCI_STOP, flags, parms);
}

void MediaPlayer::Close() {
    if (!IsOpen()) return;
    MCI_GENERIC_PARMS parms{};
    parms.dwCallback = Callback();
    const DWORD flags = CommandFlags(CommandKind::Blocking, notify_.Take(), wait_.Take());
    errorCode_ = Send(device_.Id(), MCI_CLOSE, flags, parms);
    // A device that refused to close stays this player's.
    if (errorCode_ == 0) device_.Release();
}

void MediaPlayer::ReceiveReport(WPARAM outcome) {
    if (const auto value = NotifyValueFromOutcome(static_cast<std::uint32_t>(outcome))) notifyValue_ = *value;
    // A copy, so that a handler that destroys this player does not destroy itself mid-call.
    const auto handler = onNotify;
    if (handler) handler(*this);
}

}  // namespace quorvel
