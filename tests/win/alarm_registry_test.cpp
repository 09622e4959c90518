// The alarm list in the real registry of the test prefix: saved and loaded
// through SettingsRegistry, the value's type and size, failures and what the
// list keeps after them, the load at start and the save with the settings.
// Values are planted and checked with the plain registry functions.
// ctest: RUN_SERIAL (uses the program's own registry key and shows windows)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_registry.h"
#include "alarms/alarm_store.h"
#include "app/clock_window.h"
#include "core/clock.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "ui/message_box.h"
#include "windows/alarms/alarms_window.h"

namespace quorvel {
namespace {

using namespace testing_support;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});

// One alarm Tea, due 1 March 2024 08:30, daily, enabled: 57 bytes.
const std::vector<std::uint8_t> kTea = {
    0x02, 0x01, 0x06, 0x03, 'T',  'e',  'a',  0x06, 0x12, 'C',  ':',  '\\', 'S',  'o',  'u',
    'n',  'd',  's',  '\\', 'b',  'e',  'l',  'l',  '.',  'w',  'a',  'v',  0x06, 0x0C, 'T',
    'e',  'a',  ' ',  'i',  's',  ' ',  'r',  'e',  'a',  'd',  'y',  0x05, 0x00, 0xA8, 0xAA,
    0xAA, 0xAA, 0x5A, 0x28, 0xB1, 0x0E, 0x40, 0x02, 0x06, 0x09, 0x06, 0x00};

struct NoEditor : AlarmEditing {
    bool EditAlarm(Alarm&) override { return false; }
};

Value AlarmsValue(const std::vector<std::uint8_t>& bytes, DWORD type = REG_BINARY) {
    return {L"Alarms", type, bytes};
}

class AlarmRegistry : public testing_support::AnsweredTest {
protected:
    void SetUp() override { SetClock(kStart); }
    void TearDown() override { ResetClock(); }

    // The error of a load, or "" when it succeeded.
    std::string LoadError(AlarmList& list) {
        try {
            LoadFromRegistry(list, registry);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    CleanRegistry clean;
    SettingsRegistry registry;
};

TEST_F(AlarmRegistry, TheStoredExampleLoadsAndSavesAsTheSameBytes) {
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    AlarmList list;
    LoadFromRegistry(list, registry);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list[0].name, "Tea");
    EXPECT_EQ(list[0].sound, "C:\\Sounds\\bell.wav");
    EXPECT_EQ(list[0].reminder, "Tea is ready");
    EXPECT_EQ(list[0].dateTime, 45352.354166666664);
    EXPECT_EQ(list[0].repeat, RepeatKind::Daily);
    EXPECT_TRUE(list[0].enabled);
    EXPECT_FALSE(registry.HasOpenKey());

    DeleteClockRegistry();
    SaveToRegistry(list, registry);
    const auto stored = Find(kSettingsPath, L"Alarms");
    ASSERT_TRUE(stored) << "the save creates the key";
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(stored->bytes, kTea);
    EXPECT_FALSE(registry.HasOpenKey());
}

TEST_F(AlarmRegistry, ASaveReplacesTheWholeValueAndTheEmptyListIsTwoBytes) {
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea), Dword(L"WinLeft", 7)}));
    AlarmList list;
    SaveToRegistry(list, registry);
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, (std::vector<std::uint8_t>{0x02, 0x00}));
    EXPECT_TRUE(Find(kSettingsPath, L"WinLeft")) << "the settings beside it stay";
    EXPECT_EQ(LoadError(list), "");
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(AlarmRegistry, NoKeyOrNoValueLoadsNothingAndIsNoFailure) {
    AlarmList list;
    EXPECT_EQ(LoadError(list), "");
    EXPECT_FALSE(KeyExists(kSettingsPath)) << "loading never creates the key";
    ASSERT_TRUE(Plant(kSettingsPath, {Dword(L"WinLeft", 7)}));
    EXPECT_EQ(LoadError(list), "");
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(AlarmRegistry, StringAndNumberTypesAreRefusedAndOtherTypesReadAsBytes) {
    for (const DWORD type : {REG_SZ, REG_EXPAND_SZ, REG_DWORD}) {
        const std::vector<std::uint8_t> bytes = type == REG_DWORD ? std::vector<std::uint8_t>{0x02, 0x00, 0x00, 0x00}
                                                                  : std::vector<std::uint8_t>{'x', 0, 0, 0};
        ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(bytes, type)}));
        AlarmList list;
        EXPECT_EQ(LoadError(list), "Invalid data type for 'Alarms'") << "type " << type;
        EXPECT_EQ(list.Count(), 0u);
    }
    for (const DWORD type : {REG_NONE, REG_MULTI_SZ, REG_QWORD}) {
        ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea, type)}));
        AlarmList list;
        EXPECT_EQ(LoadError(list), "") << "type " << type;
        ASSERT_EQ(list.Count(), 1u);
        EXPECT_EQ(list[0].name, "Tea");
    }
}

TEST_F(AlarmRegistry, DamagedBytesKeepWhatWasReadAndTheStartShowsTheError) {
    // N = 2 with one record: the second alarm is created with new-alarm values.
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue([] {
                          auto bytes = kTea;
                          bytes[1] = 2;
                          return bytes;
                      }())}));
    NoEditor editor;
    AlarmsWindow window(registry, editor);
    window.Create();  // the load at start
    const AlarmList& list = window.Alarms();
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, std::string("Stream read error\r\n") + kStoredAlarmsKeptNote);
    EXPECT_EQ(answers.boxes[0].caption, "ERROR loading data from the registry");
    EXPECT_EQ(answers.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list[0].name, "Tea");
    EXPECT_EQ(list[1].name, "Noname");
    EXPECT_DOUBLE_EQ(list[1].dateTime, kStart + 1.0 / 1440);
    EXPECT_TRUE(list.armed) << "checking is armed after a failed load too";
    EXPECT_FALSE(registry.HasOpenKey());

    // A value of zero bytes, and a wrongly typed one, at start.
    answers.boxes.clear();
    for (const Value& value : {AlarmsValue({}), AlarmsValue({'x', 0}, REG_SZ)}) {
        ASSERT_TRUE(Plant(kSettingsPath, {value}));
        AlarmsWindow empty(registry, editor);
        empty.Create();
        EXPECT_EQ(empty.Alarms().Count(), 0u);
        EXPECT_TRUE(empty.Alarms().armed);
    }
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[0].text, std::string("Stream read error\r\n") + kStoredAlarmsKeptNote);
    EXPECT_EQ(answers.boxes[1].text, std::string("Invalid data type for 'Alarms'\r\n") + kStoredAlarmsKeptNote);

    // A good value at start shows nothing.
    answers.boxes.clear();
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    AlarmsWindow good(registry, editor);
    good.Create();
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_EQ(good.Alarms().Count(), 1u);
}

TEST_F(AlarmRegistry, AKeyThatCannotBeOpenedStoresAndLoadsNothingWithoutRaising) {
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    LockedKey locked;
    AlarmList list;
    EXPECT_FALSE(LoadFromRegistry(list, registry)) << "refused, not missing";
    EXPECT_EQ(list.Count(), 0u);
    list.AddAlarm();
    EXPECT_FALSE(SaveToRegistry(list, registry));
    EXPECT_FALSE(registry.HasOpenKey());
    locked.Unlock();
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, kTea) << "the stored value is untouched";

    DeleteClockRegistry();
    EXPECT_TRUE(LoadFromRegistry(list, registry)) << "a missing key is no failure";
}

TEST_F(AlarmRegistry, AMegabyteValueGoesBothWays) {
    AlarmList list;
    const std::string reminder(250, 'r');
    for (int i = 0; i < 4000; ++i) {
        Alarm& alarm = list.AddAlarm();
        alarm.name = "Alarm " + std::to_string(i);
        alarm.reminder = reminder;
        alarm.dateTime = kStart + i;
        alarm.repeat = static_cast<RepeatKind>(i % 10);
    }
    SaveToRegistry(list, registry);
    const auto stored = Find(kSettingsPath, L"Alarms");
    ASSERT_TRUE(stored);
    EXPECT_GT(stored->bytes.size(), 1'000'000u);
    EXPECT_EQ(stored->bytes, EncodeAlarms(list));

    AlarmList loaded;
    EXPECT_EQ(LoadError(loaded), "");
    ASSERT_EQ(loaded.Count(), list.Count());
    for (std::size_t i = 0; i < list.Count(); i += 997) {
        EXPECT_EQ(loaded[i].name, list[i].name);
        EXPECT_EQ(loaded[i].reminder, reminder);
        EXPECT_EQ(loaded[i].dateTime, list[i].dateTime);
        EXPECT_EQ(loaded[i].repeat, list[i].repeat);
    }
}

TEST_F(AlarmRegistry, TheClocksSaveStoresTheListAfterItsSettings) {
    ClockWindow form;
    form.Create();
    NoEditor editor;
    AlarmsWindow alarms(form.Registry(), editor);
    alarms.Create();
    AlarmList& list = alarms.Alarms();
    list.AddAlarm().name = "Caf\xC3\xA9";
    form.SetAlarmsWindow(&alarms);
    form.SaveSettings();
    EXPECT_TRUE(Find(kSettingsPath, L"WinLeft"));
    const auto stored = Find(kSettingsPath, L"Alarms");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->bytes, EncodeAlarms(list));

    // Closing saves the list of that moment.
    list.AddAlarm();
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, EncodeAlarms(list));
    EXPECT_TRUE(answers.boxes.empty());
    form.Destroy();
    testing_support::PumpPending();
}

}  // namespace
}  // namespace quorvel
