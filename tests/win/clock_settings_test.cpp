// The clock window's settings storage against the real registry of the test
// prefix: what a first start writes, what a save writes, how stored values (also
// missing, partial and wrongly typed ones) come back, the start-up entry, the
// periodic save and the save at log-off. Values are planted and checked with the
// plain registry functions.
// ctest: RUN_SERIAL (uses the program's own registry key and shows windows)
#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/clock_window.h"
#include "core/clock.h"
#include "harness/clean_registry.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

using testing_support::kRunKey;
using testing_support::kSettingsKey;
using testing_support::kStartupValue;

const TDateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});
constexpr TDateTime kSecond = 1.0 / 86400;
constexpr TDateTime kPeriod = 1.0 / 720;  // 2 minutes

struct Value {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};

Value Dword(const wchar_t* name, std::uint32_t v) {
    return {name, REG_DWORD, {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}};
}
Value Text(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.c_str());
    return {name, type, std::vector<std::uint8_t>(p, p + (text.size() + 1) * sizeof(wchar_t))};
}

void Plant(const wchar_t* keyPath, const std::vector<Value>& values) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (const Value& v : values) {
        ASSERT_EQ(RegSetValueExW(key, v.name.c_str(), 0, v.type, v.bytes.data(), static_cast<DWORD>(v.bytes.size())),
                  ERROR_SUCCESS);
    }
    RegCloseKey(key);
}

bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Every value of a key, in the registry's order.
std::vector<Value> ReadAll(const wchar_t* path) {
    std::vector<Value> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        std::uint8_t data[1024];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        values.push_back({name, type, std::vector<std::uint8_t>(data, data + size)});
    }
    RegCloseKey(key);
    return values;
}

std::optional<Value> Find(const std::vector<Value>& values, const std::wstring& name) {
    for (const Value& v : values) {
        if (v.name == name) return v;
    }
    return std::nullopt;
}

std::wstring StartupEntry() {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kStartupValue, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return data;
}

std::wstring QuotedExePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return L"\"" + std::wstring(path) + L"\"";
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// A complete, valid set of stored settings, none at its creation value.
std::vector<Value> FullSettings() {
    return {
        Text(L"TimeFormat", L"hh:mm"),     Dword(L"WinLeft", 200),          Dword(L"WinTop", 300),
        Text(L"Font", L"Tahoma"),          Dword(L"FontSize", 20),          Dword(L"FontColor", 0x000000FF),
        Dword(L"FontStyle", 1),            Dword(L"Alpha", 200),            Dword(L"BackColor", 0x0000FF00),
        Dword(L"Background", 1),           Dword(L"Shadow", 0),             Dword(L"ShadowColor", 0x00FF0000),
        Dword(L"Hidden", 1),               Dword(L"ShadowDepth", 5),        Dword(L"Outline", 1),
    };
}

class ClockSettings : public testing::Test {
protected:
    void SetUp() override {
        SetClock(kStart);
        ui::AnswerMessageBoxes([this](const ui::MessageBoxRequest& r) {
            boxes.push_back(r);
            return onBox ? onBox(r) : IDOK;
        });
    }
    void TearDown() override {
        form.Destroy();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ui::AnswerMessageBoxes(nullptr);
        ResetClock();
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& b : boxes) texts.push_back(b.text);
        return texts;
    }

    testing_support::CleanRegistry clean;
    TForm1 form;
    std::vector<ui::MessageBoxRequest> boxes;
    std::function<int(const ui::MessageBoxRequest&)> onBox;
};

TEST_F(ClockSettings, AFirstStartWritesOnlyTheStartupEntryAndASaveWritesEverything) {
    form.Create();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(KeyExists(kSettingsKey)) << "the settings key is made by the first save";
    EXPECT_EQ(StartupEntry(), QuotedExePath());
    EXPECT_TRUE(form.showOnStart);
    EXPECT_FALSE(form.ti.Active());
    EXPECT_EQ(form.TimeFormat, "hh:mm:ss");

    form.SaveSettings();
    EXPECT_TRUE(boxes.empty());
    const std::vector<Value> stored = ReadAll(kSettingsKey);
    const std::vector<Value> expected = {
        Text(L"TimeFormat", L"hh:mm:ss"), Dword(L"WinLeft", 351),         Dword(L"WinTop", 174),
        Text(L"Font", L"Verdana"),        Dword(L"FontSize", 16),         Dword(L"FontColor", 0x00800000),
        Dword(L"FontStyle", 3),           Dword(L"Alpha", 128),           Dword(L"BackColor", 0),
        Dword(L"Background", 0),          Dword(L"Shadow", 1),            Dword(L"ShadowColor", 0x00C0C0C0),
        Dword(L"Hidden", 1),  // not shown yet
        Dword(L"ShadowDepth", 2),         Dword(L"Outline", 0),
    };
    EXPECT_EQ(stored.size(), expected.size());
    for (const Value& e : expected) {
        SCOPED_TRACE(testing::Message() << std::string(e.name.begin(), e.name.end()));
        const auto found = Find(stored, e.name);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->type, e.type);
        EXPECT_EQ(found->bytes, e.bytes);
    }
}

TEST_F(ClockSettings, AStoredSetComesBackWholeAndSavesAsItWasRead) {
    std::vector<Value> values = FullSettings();
    values[12] = Dword(L"Hidden", 0);
    Plant(kSettingsKey, values);
    form.Create();
    EXPECT_TRUE(boxes.empty());
    const RECT r = WindowRect(form.Handle());
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 300);
    EXPECT_EQ(form.TimeFormat, "hh:mm");
    const FontSpec text{"Tahoma", 20, 0x000000FF, 1};
    EXPECT_EQ(form.Label1.Font(), text);
    EXPECT_EQ(form.lblOutline.Font(), text) << "a copy of the text's font";
    EXPECT_EQ(form.lblShadow.Font(), (FontSpec{"Tahoma", 20, 0x00FF0000, 1})) << "in the shadow colour";
    EXPECT_EQ(form.AlphaBlendValue(), 200);
    EXPECT_EQ(form.Color(), 0x0000FF00u);
    EXPECT_EQ(form.TransparentColorValue(), 0x0000FF00u) << "the key follows the window colour";
    EXPECT_FALSE(form.TransparentColor());
    EXPECT_FALSE(form.lblShadow.Visible());
    EXPECT_EQ(form.ShadowDepth, 5);
    EXPECT_EQ(form.lblShadow.Left(), 5);
    EXPECT_EQ(form.lblShadow.Top(), 5);
    EXPECT_TRUE(form.lblOutline.Visible());
    EXPECT_TRUE(form.showOnStart);

    form.Show();
    form.SaveSettings();
    const std::vector<Value> stored = ReadAll(kSettingsKey);
    for (const Value& e : values) {
        SCOPED_TRACE(testing::Message() << std::string(e.name.begin(), e.name.end()));
        const auto found = Find(stored, e.name);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->type, e.type);
        EXPECT_EQ(found->bytes, e.bytes);
    }
}

TEST_F(ClockSettings, AKeyWithOnlyTimeFormatAndLeftAppliesTheLeftAndReportsTheRest) {
    Plant(kSettingsKey, {Text(L"TimeFormat", L"hh:mm"), Dword(L"WinLeft", 500)});
    form.Create();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error reading config"});
    EXPECT_EQ(boxes[0].caption, "Quorvel");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK)) << "plain: no icon";
    EXPECT_EQ(boxes[0].owner, nullptr) << "centred on the screen";
    const RECT r = WindowRect(form.Handle());
    EXPECT_EQ(r.left, 500);
    EXPECT_EQ(r.top, 174);
    EXPECT_EQ(form.TimeFormat, "hh:mm:ss") << "read after WinTop, never reached";
    EXPECT_EQ(form.Label1.Font(), (FontSpec{"Verdana", 16, clNavy, 3}));
    EXPECT_EQ(form.AlphaBlendValue(), 128);
    EXPECT_TRUE(form.TransparentColor());
    EXPECT_TRUE(form.showOnStart) << "starts visible";
    EXPECT_FALSE(form.ti.Active());
}

TEST_F(ClockSettings, AKeyWithoutShadowDepthAndOutlineLoadsWithoutError) {
    std::vector<Value> values = FullSettings();
    values.resize(13);  // up to Hidden
    values[12] = Dword(L"Hidden", 0);
    Plant(kSettingsKey, values);
    form.Create();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form.ShadowDepth, 2);
    EXPECT_EQ(form.lblShadow.Left(), 2);
    EXPECT_FALSE(form.lblOutline.Visible());
}

TEST_F(ClockSettings, StoredNumbersAreTakenAsTheProgramUsesThem) {
    struct Case {
        const char* what;
        std::vector<Value> changes;
        std::function<void(TForm1&)> check;
    };
    const Case cases[] = {
        {"Alpha 300 is 44", {Dword(L"Alpha", 300)}, [](TForm1& f) { EXPECT_EQ(f.AlphaBlendValue(), 44); }},
        {"FontStyle keeps its low byte", {Dword(L"FontStyle", 0x10B)},
         [](TForm1& f) { EXPECT_EQ(f.Label1.Font().style, 0x0B); }},
        {"Background 1: painted", {Dword(L"Background", 1)}, [](TForm1& f) { EXPECT_FALSE(f.TransparentColor()); }},
        {"Background 0: see-through", {Dword(L"Background", 0)},
         [](TForm1& f) { EXPECT_TRUE(f.TransparentColor()); }},
        {"any non-zero flag is true", {Dword(L"Background", 7), Dword(L"Outline", 2)},
         [](TForm1& f) {
             EXPECT_FALSE(f.TransparentColor());
             EXPECT_TRUE(f.lblOutline.Visible());
         }},
        {"negative left and depth", {Dword(L"WinLeft", static_cast<DWORD>(-40)), Dword(L"ShadowDepth", static_cast<DWORD>(-3))},
         [](TForm1& f) {
             EXPECT_EQ(WindowRect(f.Handle()).left, -40);
             EXPECT_EQ(f.lblShadow.Left(), -3);
         }},
        {"an empty font name keeps Verdana", {Text(L"Font", L"")},
         [](TForm1& f) { EXPECT_EQ(f.Label1.Font().name, "Verdana"); }},
        {"a long font name keeps 31 characters", {Text(L"Font", std::wstring(40, L'x'))},
         [](TForm1& f) { EXPECT_EQ(f.Label1.Font().name, std::string(31, 'x')); }},
        {"an empty time format stays empty", {Text(L"TimeFormat", L"")},
         [](TForm1& f) { EXPECT_EQ(f.TimeFormat, ""); }},
        {"Outline 0 leaves it hidden", {Dword(L"Outline", 0)},
         [](TForm1& f) { EXPECT_FALSE(f.lblOutline.Visible()); }},
    };
    // Hand-edited sizes are used as they are, and the clock still ticks with them.
    std::vector<Case> sizes;
    for (const std::int32_t size : {0, -12, 100000, INT32_MIN, INT32_MAX}) {
        sizes.push_back({"an extreme font size", {Dword(L"FontSize", static_cast<DWORD>(size))}, [size](TForm1& f) {
                             EXPECT_EQ(f.Label1.Font().size, size);
                             EXPECT_EQ(f.lblShadow.Font().size, size);
                             f.Show();
                             f.tmrTimer();
                             EXPECT_EQ(f.Label1.Caption(), "10:05");
                         }});
    }
    std::vector<const Case*> all;
    for (const Case& c : cases) all.push_back(&c);
    for (const Case& c : sizes) all.push_back(&c);
    for (const Case* each : all) {
        const Case& c = *each;
        SCOPED_TRACE(c.what);
        testing_support::DeleteClockRegistry();
        std::vector<Value> values = FullSettings();
        values[12] = Dword(L"Hidden", 0);
        Plant(kSettingsKey, values);
        Plant(kSettingsKey, c.changes);
        boxes.clear();
        TForm1 f;
        f.Create();
        EXPECT_TRUE(boxes.empty());
        c.check(f);
        f.Destroy();
    }
}

TEST_F(ClockSettings, AStoredHiddenStartsInTheTray) {
    Plant(kSettingsKey, FullSettings());
    form.Create();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(form.showOnStart);
    EXPECT_TRUE(form.ti.Active());
    EXPECT_EQ(form.pm.Caption(kHide1), "&Show");
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.tmr.Enabled()) << "no ticks before the first showing";

    // Saved while hidden, it stays hidden.
    form.SaveSettings();
    EXPECT_EQ(Find(ReadAll(kSettingsKey), L"Hidden")->bytes, Dword(L"", 1).bytes);
}

// A value of the wrong type stops the load there: everything before it stays
// applied, nothing after it is, and one message says so.
TEST_F(ClockSettings, AWronglyTypedNumberStopsTheLoadAtThatValue) {
    // What each integer value, in reading order, visibly changes.
    struct Step {
        const wchar_t* name;
        std::function<bool(TForm1&)> applied;
    };
    const std::vector<Step> steps = {
        {L"WinLeft", [](TForm1& f) { return WindowRect(f.Handle()).left == 200; }},
        {L"WinTop", [](TForm1& f) { return WindowRect(f.Handle()).top == 300; }},
        {L"FontSize", [](TForm1& f) { return f.Label1.Font().size == 20; }},
        {L"FontColor", [](TForm1& f) { return f.Label1.Font().color == 0xFF; }},
        {L"FontStyle", [](TForm1& f) { return f.Label1.Font().style == 1; }},
        {L"Alpha", [](TForm1& f) { return f.AlphaBlendValue() == 200; }},
        {L"BackColor", [](TForm1& f) { return f.Color() == 0xFF00; }},
        {L"Background", [](TForm1& f) { return !f.TransparentColor(); }},
        {L"ShadowColor", [](TForm1& f) { return f.lblShadow.Font().color == 0xFF0000; }},
        {L"Shadow", [](TForm1& f) { return !f.lblShadow.Visible(); }},
        {L"ShadowDepth", [](TForm1& f) { return f.ShadowDepth == 5; }},
        {L"Outline", [](TForm1& f) { return f.lblOutline.Visible(); }},
        {L"Hidden", [](TForm1& f) { return !f.showOnStart && f.ti.Active(); }},
    };
    for (std::size_t bad = 0; bad < steps.size(); ++bad) {
        for (const DWORD type : {DWORD{REG_SZ}, DWORD{REG_BINARY}}) {
            SCOPED_TRACE(testing::Message() << "wrong " << std::string(steps[bad].name, steps[bad].name + wcslen(steps[bad].name))
                                            << " of type " << type);
            testing_support::DeleteClockRegistry();
            Plant(kSettingsKey, FullSettings());
            Plant(kSettingsKey, {type == REG_SZ ? Text(steps[bad].name, L"1") : Value{steps[bad].name, REG_BINARY, {1, 0, 0, 0}}});
            boxes.clear();
            TForm1 f;
            f.Create();
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error reading config"});
            for (std::size_t i = 0; i < steps.size(); ++i) {
                EXPECT_EQ(steps[i].applied(f), i < bad) << std::string(steps[i].name, steps[i].name + wcslen(steps[i].name));
            }
            // Before the shadow is placed it stays where it was created, even
            // when its depth was read.
            if (bad < 12) EXPECT_EQ(f.lblShadow.Left(), 2);
            EXPECT_EQ(f.ti.Active(), false);
            f.Destroy();
        }
    }
}

TEST_F(ClockSettings, TheStartupEntryFollowsTheProgramAndItsOption) {
    // An entry from an old location is rewritten with this executable's path.
    std::vector<Value> values = FullSettings();  // not a first start
    values[12] = Dword(L"Hidden", 0);
    Plant(kSettingsKey, values);
    Plant(kRunKey, {Text(kStartupValue, L"\"C:\\Old place\\Quorvel.exe\"")});
    form.Create();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(StartupEntry(), QuotedExePath());
    EXPECT_TRUE(form.StartupEntryExists());

    form.SetStartupEntry(false);
    EXPECT_EQ(StartupEntry(), L"(none)");
    EXPECT_FALSE(form.StartupEntryExists());
    form.SetStartupEntry(false);  // unticking with no entry: no message
    EXPECT_TRUE(boxes.empty());

    // A missing entry stays missing at the next start (not a first start).
    TForm1 again;
    again.Create();
    EXPECT_EQ(StartupEntry(), L"(none)");
    again.Destroy();

    // Of any type, an entry counts as there.
    Plant(kRunKey, {Dword(kStartupValue, 1)});
    EXPECT_TRUE(form.StartupEntryExists());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ClockSettings, AClockOffEveryScreenComesBackToItsFirstPlace) {
    std::vector<Value> values = FullSettings();
    values[1] = Dword(L"WinLeft", 5000);
    values[2] = Dword(L"WinTop", static_cast<DWORD>(-3000));
    values[12] = Dword(L"Hidden", 0);
    Plant(kSettingsKey, values);
    form.Create();
    EXPECT_TRUE(boxes.empty());
    const RECT r = WindowRect(form.Handle());
    EXPECT_EQ(r.left, 351);
    EXPECT_EQ(r.top, 174);
    EXPECT_EQ(form.Label1.Font().size, 20) << "nothing else changes";
    EXPECT_EQ(Find(ReadAll(kSettingsKey), L"WinLeft")->bytes, Dword(L"", 5000).bytes) << "stored until the next save";

    // Partly on the screen is on the screen.
    testing_support::DeleteClockRegistry();
    values[1] = Dword(L"WinLeft", static_cast<DWORD>(-100));
    values[2] = Dword(L"WinTop", 20);
    Plant(kSettingsKey, values);
    TForm1 edge;
    edge.Create();
    EXPECT_EQ(WindowRect(edge.Handle()).left, -100);
    edge.Destroy();
}

TEST_F(ClockSettings, ThePeriodicSaveComesEveryTwoMinutesAfterTheLastOne) {
    form.Create();
    form.Show();
    ASSERT_FALSE(KeyExists(kSettingsKey));
    EXPECT_DOUBLE_EQ(form.NextSaveTime, kStart + kPeriod);

    SetClock(kStart + kPeriod - kSecond);
    form.tmrTimer();
    EXPECT_FALSE(KeyExists(kSettingsKey));
    SetClock(form.NextSaveTime);  // not earlier: due
    form.tmrTimer();
    EXPECT_TRUE(KeyExists(kSettingsKey));
    EXPECT_DOUBLE_EQ(form.NextSaveTime, kStart + 2 * kPeriod);
    EXPECT_TRUE(boxes.empty());

    // Saved while hidden: the next start is hidden.
    form.Hide1Click();
    SetClock(form.NextSaveTime);
    form.tmrTimer();
    EXPECT_EQ(Find(ReadAll(kSettingsKey), L"Hidden")->bytes, Dword(L"", 1).bytes);
}

// The settings key refuses every access: a save cannot open it.
class LockedKey {
public:
    LockedKey() {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ACL empty{};
        InitializeAcl(&empty, sizeof empty, ACL_REVISION);
        SECURITY_DESCRIPTOR sd{};
        InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&sd, TRUE, &empty, FALSE);
        locked_ = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    ~LockedKey() {
        // As its owner the test may still give the key an open DACL, then delete it.
        SetNamedSecurityInfoW(const_cast<wchar_t*>(L"CURRENT_USER\\Software\\Quorvel1.1"), SE_REGISTRY_KEY,
                              DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr);
        testing_support::DeleteClockRegistry();
    }
    bool Locked() const {
        HKEY key = nullptr;
        const bool opened =
            RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS;
        if (opened) RegCloseKey(key);
        return locked_ && !opened;
    }

private:
    bool locked_ = false;
};

TEST_F(ClockSettings, AFailedPeriodicSaveShowsOneMessageWhileTicksGoOn) {
    form.Create();
    form.Show();
    LockedKey locked;
    if (!locked.Locked()) GTEST_SKIP() << "this registry does not enforce key security";

    const TDateTime due = form.NextSaveTime;
    int ticksDuringBox = 0;
    onBox = [&](const ui::MessageBoxRequest&) {
        // The user has not answered yet; the clock keeps ticking.
        for (int i = 1; i <= 8; ++i) {
            SetClock(due + i * kSecond);
            form.tmrTimer();
            ++ticksDuringBox;
        }
        return IDOK;
    };
    SetClock(due);
    form.tmrTimer();
    EXPECT_EQ(ticksDuringBox, 8);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error writing config to the registry"});
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_DOUBLE_EQ(form.NextSaveTime, due + 8 * kSecond + kPeriod) << "2 minutes after the save returned";

    // And the save is tried again 2 minutes later.
    onBox = nullptr;
    SetClock(form.NextSaveTime - kSecond);
    form.tmrTimer();
    EXPECT_EQ(boxes.size(), 1u);
    SetClock(form.NextSaveTime);
    form.tmrTimer();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(ClockSettings, LogOffAndClosingSave) {
    form.Create();
    form.Show();
    SetWindowPos(form.Handle(), nullptr, 420, 240, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    SendMessageW(form.Handle(), WM_ENDSESSION, FALSE, 0);  // the session goes on
    EXPECT_FALSE(KeyExists(kSettingsKey));
    SendMessageW(form.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Find(ReadAll(kSettingsKey), L"WinLeft")->bytes, Dword(L"", 420).bytes);
    EXPECT_TRUE(IsWindow(form.Handle())) << "log-off does not close the window";

    SetWindowPos(form.Handle(), nullptr, 430, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.Handle()));
    const std::vector<Value> stored = ReadAll(kSettingsKey);
    EXPECT_EQ(Find(stored, L"WinLeft")->bytes, Dword(L"", 430).bytes);
    EXPECT_EQ(Find(stored, L"WinTop")->bytes, Dword(L"", 250).bytes);
    EXPECT_EQ(Find(stored, L"Hidden")->bytes, Dword(L"", 0).bytes);
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quorvel
