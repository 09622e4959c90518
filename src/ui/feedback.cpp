#include "ui/feedback.h"

#include <utility>

namespace quorvel::ui {
namespace {

std::function<void(UINT)>& BeepAnswer() {
    static std::function<void(UINT)> answer;
    return answer;
}

std::function<void(bool)>& BusyAnswer() {
    static std::function<void(bool)> answer;
    return answer;
}

int busyCount = 0;

}  // namespace

void AlertBeep(UINT type) {
    if (BeepAnswer()) {
        BeepAnswer()(type);
    } else {
        MessageBeep(type);
    }
}

void AnswerAlertBeeps(std::function<void(UINT)> answer) { BeepAnswer() = std::move(answer); }

BusyCursor::BusyCursor() {
    ++busyCount;
    answered_ = static_cast<bool>(BusyAnswer());
    if (answered_) {
        BusyAnswer()(true);
    } else {
        previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
}

BusyCursor::~BusyCursor() {
    --busyCount;
    if (answered_) {
        if (BusyAnswer()) BusyAnswer()(false);
    } else {
        SetCursor(previous_);
    }
}

bool BusyCursor::Active() { return busyCount > 0; }

void AnswerBusyCursor(std::function<void(bool)> answer) { BusyAnswer() = std::move(answer); }

}  // namespace quorvel::ui
