// Shared pieces of the alarms window and alarm editor tests: steps run inside
// a modal loop, a stand-in for a reminder window, and a wave file to preview.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "alarms/alarm.h"
#include "core/wide.h"

namespace quorvel::testing_support {

// Steps run one per timer message from the loop that is pumping, so they run
// inside a modal dialog's own loop: queue them, then open the dialog. The last
// step must end the dialog.
class ModalSteps {
public:
    ModalSteps() { Current() = this; }
    ~ModalSteps() {
        if (timer_) KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    void Then(std::function<void()> step) {
        steps_.push_back(std::move(step));
        if (!timer_) timer_ = SetTimer(nullptr, 0, 10, &ModalSteps::Tick);
    }
    bool Done() const { return steps_.empty(); }

private:
    static ModalSteps*& Current() {
        static ModalSteps* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalSteps* self = Current();
        if (!self || self->steps_.empty() || self->running_) return;
        std::function<void()> step = std::move(self->steps_.front());
        self->steps_.pop_front();
        self->running_ = true;
        step();
        self->running_ = false;
    }

    std::deque<std::function<void()>> steps_;
    UINT_PTR timer_ = 0;
    bool running_ = false;
};

// Stands in for a reminder window that stays open: OK (pressed from outside)
// runs the close processing of a reminder without Snooze, as the real window does.
class FakeReminder : public ReminderLink {
public:
    void ShowAlarm(Alarm& alarm) override {
        list_ = &alarm.List();
        id_ = alarm.Id();
    }
    void PressOk() override {
        ++presses;
        Alarm* alarm = Open() ? list_->Find(id_) : nullptr;
        list_ = nullptr;
        if (alarm) alarm->EndTrigger(false);
    }
    bool Open() const { return list_ != nullptr; }
    AlarmId Id() const { return id_; }
    int presses = 0;

private:
    const AlarmList* list_ = nullptr;  // while open
    AlarmId id_ = 0;
};

// Hands out FakeReminders and remembers the alarms that fired, by name.
class FakeReminders : public ReminderFactory {
public:
    ReminderLink& CreateReminder() override { return windows.emplace_back(); }
    // The newest: a test may end a trigger without its reminder.
    ReminderLink* OpenReminderOf(AlarmId alarm) override {
        for (auto w = windows.rbegin(); w != windows.rend(); ++w)
            if (w->Open() && w->Id() == alarm) return &*w;
        return nullptr;
    }
    std::vector<std::string> Fired() const {
        std::vector<std::string> names;
        for (const Named& w : windows) names.push_back(w.name);
        return names;
    }
    struct Named : FakeReminder {
        void ShowAlarm(Alarm& alarm) override {
            name = alarm.name;
            FakeReminder::ShowAlarm(alarm);
        }
        std::string name;
    };
    std::deque<Named> windows;
};

inline void PutLe(std::vector<unsigned char>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A RIFF wave file of silence (8-bit mono PCM, 8 kHz) in the temporary folder; its UTF-8 path.
inline std::string WriteSilence(const std::wstring& name, std::uint32_t milliseconds) {
    constexpr std::uint32_t kRate = 8000;
    const std::uint32_t dataSize = kRate * milliseconds / 1000;
    std::vector<unsigned char> bytes{'R', 'I', 'F', 'F'};
    PutLe(bytes, 36 + dataSize, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    for (const auto& [value, size] : std::vector<std::pair<std::uint32_t, int>>{
             {16, 4}, {1, 2}, {1, 2}, {kRate, 4}, {kRate, 4}, {1, 2}, {8, 2}}) {
        PutLe(bytes, value, size);
    }
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    PutLe(bytes, dataSize, 4);
    bytes.insert(bytes.end(), dataSize, 0x80);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    return Narrow(path);
}

}  // namespace quorvel::testing_support
