// MediaPlayer against the real Media Control Interface (under Wine with the ALSA
// null device here): sound files the tests write themselves, reports received by
// pumping the message loop against a deadline. Playback runs faster than real time
// with the null device, so no test measures a duration.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness/pump.h"
#include "sound/media_player.h"
#include "core/wide.h"

namespace quorvel {
namespace {

using testing_support::PumpFor;
using testing_support::PumpUntil;

// How long a test waits for a report, and how long it listens afterwards for a
// report that must not come. Both stay far below the harness's 120 s limit.
constexpr auto kReportDeadline = std::chrono::seconds(5);
constexpr auto kQuietSpell = std::chrono::milliseconds(500);

void PutLe(std::vector<unsigned char>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A RIFF wave file of silence: 8-bit mono PCM at 8 kHz, `milliseconds` long.
void WriteWav(const std::wstring& path, std::uint32_t milliseconds) {
    constexpr std::uint32_t kRate = 8000;
    const std::uint32_t dataSize = kRate * milliseconds / 1000;
    std::vector<unsigned char> bytes;
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    PutLe(bytes, 36 + dataSize, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(bytes, 16, 4);     // fmt chunk size
    PutLe(bytes, 1, 2);      // PCM
    PutLe(bytes, 1, 2);      // mono
    PutLe(bytes, kRate, 4);  // samples per second
    PutLe(bytes, kRate, 4);  // bytes per second
    PutLe(bytes, 1, 2);      // block align
    PutLe(bytes, 8, 2);      // bits per sample
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    PutLe(bytes, dataSize, 4);
    bytes.insert(bytes.end(), dataSize, 0x80);  // 8-bit silence

    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size());
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// The platform's own answer for a device that is not open.
MCIERROR StatusOf(MCIDEVICEID device) {
    MCI_STATUS_PARMS parms{};
    parms.dwItem = MCI_STATUS_MODE;
    return mciSendCommandW(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
}

class MediaPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"quorvel-media-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        SetMciRequestObserver([this](const MciRequest& request) { requests.push_back(request); });
    }

    void TearDown() override {
        SetMciRequestObserver({});
        for (const auto& file : files_) DeleteFileW(file.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    // Writes a wave file of that length into the test's folder; its UTF-8 path.
    std::string Wav(const wchar_t* name, std::uint32_t milliseconds) {
        const std::wstring path = folder_ + name;
        WriteWav(path, milliseconds);
        files_.push_back(path);
        return Narrow(path);
    }
    std::string Missing() const { return Narrow(folder_ + L"missing.wav"); }

    void Listen(MediaPlayer& player) {
        player.onNotify = [this](MediaPlayer& sender) { reports.push_back(sender.NotifyValue()); };
    }

    // Waits until `count` reports came, then listens on so that one too many would show.
    void ExpectReports(const std::vector<NotifyResult>& expected) {
        EXPECT_TRUE(PumpUntil([&] { return reports.size() >= expected.size(); }, kReportDeadline))
            << "no report within the deadline";
        PumpFor(kQuietSpell);
        EXPECT_EQ(reports, expected);
    }

    void ExpectNoReport() {
        PumpFor(kQuietSpell);
        EXPECT_TRUE(reports.empty()) << reports.size() << " unexpected report(s)";
    }

    // The commands sent since the mark, with their flags.
    std::vector<std::pair<UINT, DWORD_PTR>> SentSince(std::size_t mark) const {
        std::vector<std::pair<UINT, DWORD_PTR>> sent;
        for (std::size_t i = mark; i < requests.size(); ++i) sent.emplace_back(requests[i].command, requests[i].flags);
        return sent;
    }

    std::vector<MciRequest> requests;
    std::vector<NotifyResult> reports;

private:
    std::wstring folder_;
    std::vector<std::wstring> files_;
};

using Sent = std::vector<std::pair<UINT, DWORD_PTR>>;
constexpr DWORD_PTR kStatusFlags = MCI_STATUS_ITEM | MCI_WAIT;

TEST_F(MediaPlayerTest, PlayReportsItsEndExactlyOnce) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Wav(L"short.wav", 250);
    player.Open();
    ASSERT_TRUE(player.IsOpen());
    EXPECT_NE(player.DeviceID(), 0u);
    EXPECT_EQ(requests.front().command, static_cast<UINT>(MCI_OPEN));
    EXPECT_EQ(requests.front().flags, static_cast<DWORD_PTR>(MCI_WAIT | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS));

    const std::size_t mark = requests.size();
    EXPECT_EQ(player.Play(), 0u);
    // At the start, so no rewind; the play returns at once and asks for a report.
    EXPECT_EQ(SentSince(mark), (Sent{{MCI_STATUS, kStatusFlags}, {MCI_STATUS, kStatusFlags}, {MCI_PLAY, MCI_NOTIFY}}));
    ExpectReports({NotifyResult::Successful});
    EXPECT_EQ(player.Mode(), PlayerMode::Stopped);
}

TEST_F(MediaPlayerTest, StopDuringPlayReportsAborted) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Wav(L"long.wav", 30000);
    player.Open();
    ASSERT_EQ(player.Play(), 0u);
    EXPECT_EQ(player.Mode(), PlayerMode::Playing);

    const std::size_t mark = requests.size();
    player.Stop();
    EXPECT_EQ(player.ErrorCode(), 0u);
    EXPECT_EQ(SentSince(mark), (Sent{{MCI_STOP, MCI_WAIT}}));
    ExpectReports({NotifyResult::Aborted});
    EXPECT_EQ(player.NotifyValue(), NotifyResult::Aborted);
    EXPECT_EQ(player.Mode(), PlayerMode::Stopped);
}

TEST_F(MediaPlayerTest, NotifyFalseSilencesOnlyTheNextPlay) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Wav(L"short.wav", 250);
    player.Open();

    player.SetNotify(false);
    std::size_t mark = requests.size();
    ASSERT_EQ(player.Play(), 0u);
    EXPECT_EQ(SentSince(mark).back(), (std::pair<UINT, DWORD_PTR>{MCI_PLAY, 0}));
    EXPECT_TRUE(PumpUntil([&] { return player.Mode() != PlayerMode::Playing; }, kReportDeadline));
    ExpectNoReport();

    // The request was used up: the play after it reports again (rewinding first).
    mark = requests.size();
    ASSERT_EQ(player.Play(), 0u);
    EXPECT_EQ(SentSince(mark).back(), (std::pair<UINT, DWORD_PTR>{MCI_PLAY, MCI_NOTIFY}));
    ExpectReports({NotifyResult::Successful});
}

TEST_F(MediaPlayerTest, PlayAtTheEndRewindsAndReportsAgain) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Wav(L"short.wav", 250);
    player.Open();
    ASSERT_EQ(player.Play(), 0u);
    ExpectReports({NotifyResult::Successful});

    const std::size_t mark = requests.size();
    ASSERT_EQ(player.Play(), 0u);
    EXPECT_EQ(SentSince(mark), (Sent{{MCI_STATUS, kStatusFlags},
                                     {MCI_STATUS, kStatusFlags},
                                     {MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT},
                                     {MCI_PLAY, MCI_NOTIFY}}));
    ExpectReports({NotifyResult::Successful, NotifyResult::Successful});

    player.autoRewind = false;
    const std::size_t unrewound = requests.size();
    ASSERT_EQ(player.Play(), 0u);
    for (const auto& [command, flags] : SentSince(unrewound)) EXPECT_NE(command, static_cast<UINT>(MCI_SEEK));
}

TEST_F(MediaPlayerTest, ZeroLengthWavSeeksToTheStartBeforePlaying) {
    MediaPlayer player;
    player.fileName = Wav(L"empty.wav", 0);
    player.Open();

    const std::size_t mark = requests.size();
    ASSERT_EQ(player.Play(), 0u);
    EXPECT_EQ(SentSince(mark), (Sent{{MCI_STATUS, kStatusFlags},
                                     {MCI_STATUS, kStatusFlags},
                                     {MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT},
                                     {MCI_PLAY, MCI_NOTIFY}}));
    EXPECT_EQ(player.ErrorCode(), 0u);
    // No report is asserted: Wine's wave device sends none for a play with nothing
    // to play (Windows reports it as successful).
}

TEST_F(MediaPlayerTest, SecondOpenClosesTheFirstDeviceFirst) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Wav(L"first.wav", 250);
    player.Open();
    const MCIDEVICEID first = player.DeviceID();

    // A pending report request goes to the inner close, not to the open after it.
    player.SetNotify(true);
    player.fileName = Wav(L"second.wav", 250);
    const std::size_t mark = requests.size();
    player.Open();
    ASSERT_EQ(requests.size(), mark + 2);
    EXPECT_EQ(requests[mark].command, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(requests[mark].device, first);
    EXPECT_EQ(requests[mark].flags, static_cast<DWORD_PTR>(MCI_NOTIFY | MCI_WAIT));
    EXPECT_EQ(requests[mark].result, 0u) << "the first device was closed";
    EXPECT_EQ(requests[mark + 1].command, static_cast<UINT>(MCI_OPEN));
    EXPECT_EQ(requests[mark + 1].flags, static_cast<DWORD_PTR>(MCI_WAIT | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS));

    EXPECT_TRUE(player.IsOpen());
    if (player.DeviceID() != first) EXPECT_EQ(StatusOf(first), static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
    ExpectReports({NotifyResult::Successful});  // the inner close's
}

TEST_F(MediaPlayerTest, MissingFileRaisesThePlatformsTextAndLeavesThePlayerClosed) {
    MediaPlayer player;
    player.fileName = Wav(L"present.wav", 250);
    player.Open();
    const MCIDEVICEID previous = player.DeviceID();

    player.fileName = Missing();
    std::string message;
    try {
        player.Open();
        ADD_FAILURE() << "opening a missing file raised nothing";
    } catch (const MciDeviceError& e) {
        message = e.what();
    }
    EXPECT_EQ(player.ErrorCode(), static_cast<MCIERROR>(MCIERR_FILE_NOT_FOUND));
    wchar_t platformText[512] = {};
    ASSERT_TRUE(mciGetErrorStringW(MCIERR_FILE_NOT_FOUND, platformText, 512));
    EXPECT_EQ(message, Narrow(platformText));
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.DeviceID(), 0u);
    EXPECT_EQ(StatusOf(previous), static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
}

TEST(MciErrorText, CodeWithoutTextIsUnknownErrorCode) {
    EXPECT_EQ(MciErrorText(12345), "Unknown error code");
    EXPECT_EQ(MciErrorText(0xFFFFFFFFu), "Unknown error code");
    EXPECT_NE(MciErrorText(MCIERR_FILE_NOT_FOUND), "Unknown error code");
}

TEST_F(MediaPlayerTest, WithoutADeviceNothingIsSent) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Missing();
    EXPECT_THROW(player.Open(), MciDeviceError);
    const MCIERROR failedOpen = player.ErrorCode();
    const std::size_t mark = requests.size();

    const std::function<void()> commands[] = {[&] { (void)player.Play(); }, [&] { player.Stop(); }};
    for (const auto& command : commands) {
        try {
            command();
            ADD_FAILURE() << "a command without a device raised nothing";
        } catch (const MciDeviceError& e) {
            EXPECT_STREQ(e.what(), "No MCI device open");
        }
    }
    player.Close();
    EXPECT_EQ(player.Mode(), PlayerMode::NotReady);

    EXPECT_EQ(requests.size(), mark) << "a request went out without a device";
    EXPECT_EQ(player.ErrorCode(), failedOpen);
    ExpectNoReport();
}

TEST_F(MediaPlayerTest, ReportOfAPlayBeforeCloseAndReopenStillArrives) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Wav(L"long.wav", 30000);
    player.Open();
    ASSERT_EQ(player.Play(), 0u);
    const MCIDEVICEID closed = player.DeviceID();
    player.Close();
    EXPECT_EQ(player.ErrorCode(), 0u);
    EXPECT_FALSE(player.IsOpen());

    // Another player takes the freed identifier, so the new device's differs from
    // the one the report names.
    MediaPlayer neighbour;
    neighbour.fileName = Wav(L"neighbour.wav", 250);
    neighbour.Open();
    player.fileName = Wav(L"other.wav", 250);
    player.Open();
    EXPECT_NE(player.DeviceID(), closed);
    ExpectReports({NotifyResult::Aborted});
}

TEST_F(MediaPlayerTest, DestroyingAPlayingPlayerClosesItsDeviceAndReportsNothing) {
    auto player = std::make_unique<MediaPlayer>();
    Listen(*player);
    player->fileName = Wav(L"long.wav", 30000);
    player->Open();
    ASSERT_EQ(player->Play(), 0u);
    const MCIDEVICEID device = player->DeviceID();
    ASSERT_EQ(player->Mode(), PlayerMode::Playing);

    player.reset();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().command, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(requests.back().device, device);
    EXPECT_EQ(requests.back().flags, static_cast<DWORD_PTR>(MCI_WAIT));
    EXPECT_EQ(requests.back().result, 0u);
    EXPECT_EQ(StatusOf(device), static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
    ExpectNoReport();
}

// A reminder window closes itself when its sound ends, destroying its player
// from inside that player's report.
TEST_F(MediaPlayerTest, HandlerMayDestroyThePlayerThatReported) {
    auto player = std::make_unique<MediaPlayer>();
    int calls = 0;
    player->onNotify = [&](MediaPlayer& sender) {
        EXPECT_EQ(&sender, player.get());
        ++calls;
        player.reset();
    };
    player->fileName = Wav(L"short.wav", 250);
    player->Open();
    const MCIDEVICEID device = player->DeviceID();
    ASSERT_EQ(player->Play(), 0u);

    EXPECT_TRUE(PumpUntil([&] { return calls > 0; }, kReportDeadline));
    PumpFor(kQuietSpell);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(player, nullptr);
    EXPECT_EQ(StatusOf(device), static_cast<MCIERROR>(MCIERR_INVALID_DEVICE_ID));
}

// Two reminders with one sound: each player opens the file under an alias of
// its own, so the second is not refused while the first plays.
TEST_F(MediaPlayerTest, TwoPlayersPlayOneFileAtOnce) {
    const std::string file = Wav(L"shared.wav", 250);
    MediaPlayer first;
    MediaPlayer second;
    for (MediaPlayer* player : {&first, &second}) {
        Listen(*player);
        player->fileName = file;
        ASSERT_NO_THROW(player->Open());
        EXPECT_EQ(player->Play(), 0u);
    }
    EXPECT_NE(first.DeviceID(), second.DeviceID());
    ExpectReports({NotifyResult::Successful, NotifyResult::Successful});
}

TEST_F(MediaPlayerTest, Mp3PlaysWhenThePlatformCanOpenIt) {
    MediaPlayer player;
    Listen(player);
    player.fileName = Narrow(ExeFolder() + L"test-data\\tone.mp3");
    ASSERT_NE(GetFileAttributesW(Wide(player.fileName).c_str()), INVALID_FILE_ATTRIBUTES)
        << "sample missing: " << player.fileName;
    try {
        player.Open();
    } catch (const MciDeviceError& e) {
        GTEST_SKIP() << "this platform cannot open MP3 (error " << player.ErrorCode() << ": " << e.what()
                     << "); under Wine it needs GStreamer's base and good plugins";
    }
    EXPECT_EQ(player.Play(), 0u);
    ExpectReports({NotifyResult::Successful});
}

}  // namespace
}  // namespace quorvel
