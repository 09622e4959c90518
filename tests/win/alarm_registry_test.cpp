// The alarm list in the real registry of the test prefix: the storage the
// alarm book reads and writes (a key opened for each operation), the value's
// type and size, failures and what the book keeps after them, the damaged copy
// with its type, and the save with the clock's settings. Values are planted and
// checked with the plain registry functions.
// ctest: RUN_SERIAL (uses the program's own registry key and shows windows)
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "alarms/alarm_codec.h"
#include "alarms/alarm_registry.h"
#include "app/clock_window.h"
#include "app/saver.h"
#include "app/settings_store.h"
#include "core/clock.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"

namespace quorvel {
namespace {

using namespace testing_support;
using Bytes = std::vector<std::uint8_t>;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});

// One alarm Tea, due 1 March 2024 08:30, daily, enabled: 57 bytes.
const Bytes kTea = {0x02, 0x01, 0x06, 0x03, 'T',  'e',  'a',  0x06, 0x12, 'C',  ':',  '\\', 'S',  'o',  'u',
                    'n',  'd',  's',  '\\', 'b',  'e',  'l',  'l',  '.',  'w',  'a',  'v',  0x06, 0x0C, 'T',
                    'e',  'a',  ' ',  'i',  's',  ' ',  'r',  'e',  'a',  'd',  'y',  0x05, 0x00, 0xA8, 0xAA,
                    0xAA, 0xAA, 0x5A, 0x28, 0xB1, 0x0E, 0x40, 0x02, 0x06, 0x09, 0x06, 0x00};

Value AlarmsValue(const Bytes& bytes, DWORD type = REG_BINARY) { return {L"Alarms", type, bytes}; }

std::vector<std::string> Names(const AlarmBook& book) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < book.Alarms().Count(); ++i) names.push_back(book.Alarms()[i].name);
    return names;
}

class AlarmRegistry : public AnsweredTest {
protected:
    void SetUp() override { SetClock(kStart); }
    void TearDown() override { ResetClock(); }

    CleanRegistry clean;
    RegistryAlarmStorage storage;
};

TEST_F(AlarmRegistry, TheStoredExampleLoadsAndSavesAsTheSameBytes) {
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    AlarmBook book(storage);
    EXPECT_EQ(book.Load(), std::nullopt);
    ASSERT_EQ(book.Alarms().Count(), 1u);
    const Alarm& tea = book.Alarms()[0];
    EXPECT_EQ(tea.name, "Tea");
    EXPECT_EQ(tea.sound, "C:\\Sounds\\bell.wav");
    EXPECT_EQ(tea.reminder, "Tea is ready");
    EXPECT_EQ(tea.dateTime, 45352.354166666664);
    EXPECT_EQ(tea.repeat, RepeatKind::Daily);
    EXPECT_TRUE(tea.enabled);

    DeleteClockRegistry();
    EXPECT_TRUE(book.Save());
    const auto stored = Find(kSettingsPath, L"Alarms");
    ASSERT_TRUE(stored) << "the save creates the key";
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(stored->bytes, kTea);
}

TEST_F(AlarmRegistry, ASaveReplacesTheWholeValueAndTheEmptyListIsTwoBytes) {
    ASSERT_TRUE(Plant(kSettingsPath, {Dword(L"WinLeft", 7)}));
    AlarmBook book(storage);
    EXPECT_EQ(book.Load(), std::nullopt) << "no value is no failure";
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    EXPECT_TRUE(book.Save());
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, (Bytes{0x02, 0x00}));
    EXPECT_TRUE(Find(kSettingsPath, L"WinLeft")) << "the settings beside it stay";
}

// What a load at start finds: every failure keeps what was read and gives its message.
TEST_F(AlarmRegistry, WhatALoadFindsInTheStoredValue) {
    Bytes twoDeclared = kTea;
    twoDeclared[1] = 2;  // N = 2 with one record: the second is a new alarm
    struct Case {
        const char* name;
        std::optional<Value> value;
        std::optional<std::string> failure;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"no key", std::nullopt, std::nullopt, {}},
        {"the example", AlarmsValue(kTea), std::nullopt, {"Tea"}},
        {"N = 2 with one record", AlarmsValue(twoDeclared), "Stream read error", {"Tea", "Noname"}},
        {"zero bytes", AlarmsValue({}), "Stream read error", {}},
        {"REG_SZ", AlarmsValue({'x', 0, 0, 0}, REG_SZ), "Invalid data type for 'Alarms'", {}},
        {"REG_EXPAND_SZ", AlarmsValue({'x', 0, 0, 0}, REG_EXPAND_SZ), "Invalid data type for 'Alarms'", {}},
        {"REG_DWORD", AlarmsValue({2, 0, 0, 0}, REG_DWORD), "Invalid data type for 'Alarms'", {}},
        {"REG_NONE", AlarmsValue(kTea, REG_NONE), std::nullopt, {"Tea"}},
        {"REG_MULTI_SZ", AlarmsValue(kTea, REG_MULTI_SZ), std::nullopt, {"Tea"}},
    };
    for (const Case& c : cases) {
        DeleteClockRegistry();
        if (c.value) ASSERT_TRUE(Plant(kSettingsPath, {*c.value})) << c.name;
        AlarmBook book(storage);
        EXPECT_EQ(book.Load(), c.failure) << c.name;
        EXPECT_EQ(Names(book), c.names) << c.name;
        EXPECT_EQ(book.KeepsStoredValue(), c.failure.has_value()) << c.name;
        if (!c.value) EXPECT_FALSE(KeyExists(kSettingsPath)) << "loading never creates the key";
    }
}

// The first save after a change keeps a value that failed to load as
// "AlarmsDamaged", bytes and registry type unchanged, then writes the list.
TEST_F(AlarmRegistry, AValueThatFailedToLoadIsCopiedWithItsType) {
    for (const Value& damaged : {AlarmsValue({0x02, 0x01, 0x06}), Text(L"Alarms", L"not alarms")}) {
        DeleteClockRegistry();
        ASSERT_TRUE(Plant(kSettingsPath, {damaged}));
        AlarmBook book(storage);
        ASSERT_TRUE(book.Load());
        EXPECT_TRUE(book.Save());
        EXPECT_FALSE(Find(kSettingsPath, L"AlarmsDamaged")) << "no change yet";
        book.Add(NewAlarmFields(kStart));
        EXPECT_TRUE(book.Save());
        const auto copy = Find(kSettingsPath, L"AlarmsDamaged");
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->type, damaged.type);
        EXPECT_EQ(copy->bytes, damaged.bytes);
        EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, EncodeAlarms(book.Alarms()));
        EXPECT_EQ(Find(kSettingsPath, L"Alarms")->type, static_cast<DWORD>(REG_BINARY));
    }
}

TEST_F(AlarmRegistry, AKeyThatCannotBeOpenedStoresAndLoadsNothingWithoutRaising) {
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    LockedKey locked;
    EXPECT_EQ(storage.Read().found, AlarmStorage::Found::Unreachable) << "refused, not missing";
    AlarmBook book(storage);
    EXPECT_EQ(book.Load(), std::nullopt);
    EXPECT_TRUE(book.KeepsStoredValue());
    EXPECT_FALSE(storage.Write(kTea, {}));
    locked.Unlock();
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, kTea) << "the stored value is untouched";
}

TEST_F(AlarmRegistry, AMegabyteValueGoesBothWays) {
    AlarmBook book(storage);
    book.Load();
    const std::string reminder(250, 'r');
    for (int i = 0; i < 4000; ++i) {
        AlarmFields alarm = NewAlarmFields(kStart);
        alarm.name = "Alarm " + std::to_string(i);
        alarm.reminder = reminder;
        alarm.dateTime = kStart + i;
        alarm.repeat = static_cast<RepeatKind>(i % 10);
        book.Add(alarm);
    }
    EXPECT_TRUE(book.Save());
    const auto stored = Find(kSettingsPath, L"Alarms");
    ASSERT_TRUE(stored);
    EXPECT_GT(stored->bytes.size(), 1'000'000u);
    EXPECT_EQ(stored->bytes, EncodeAlarms(book.Alarms()));

    AlarmBook loaded(storage);
    EXPECT_EQ(loaded.Load(), std::nullopt);
    EXPECT_EQ(EncodeAlarms(loaded.Alarms()), stored->bytes);
}

// The save writes the alarms after the clock's settings, and not before they
// were loaded: a clock that ends during its start leaves the stored list alone.
TEST_F(AlarmRegistry, TheClocksSaveStoresTheListAfterItsSettings) {
    AlarmBook book(storage);
    ClockWindow form;
    form.Create();
    const SettingsStore store;
    Saver saver(form, store, book);
    form.onClosing = [&] { saver.SaveAll(); };
    ASSERT_TRUE(Plant(kSettingsPath, {AlarmsValue(kTea)}));
    saver.SaveAll();
    EXPECT_TRUE(Find(kSettingsPath, L"WinLeft"));
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, kTea) << "not loaded yet: kept";

    book.Load();
    book.Add(NewAlarmFields(kStart));
    saver.SaveAll();
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, EncodeAlarms(book.Alarms()));

    // Closing saves the list of that moment.
    book.Add(NewAlarmFields(kStart));
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Find(kSettingsPath, L"Alarms")->bytes, EncodeAlarms(book.Alarms()));
    EXPECT_TRUE(answers.boxes.empty());
    form.Destroy();
    PumpPending();
}

}  // namespace
}  // namespace quorvel
