#include "ui/message_box.h"

#include <utility>

#include "core/product.h"
#include "core/translation.h"
#include "core/wide.h"

namespace quorvel::ui {
namespace {
MessageBoxAnswer& Answer() {
    static MessageBoxAnswer answer;
    return answer;
}
}  // namespace

std::string_view ApplicationTitle() { return kProductName; }

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    if (const MessageBoxAnswer& answer = Answer()) {
        return answer(MessageBoxRequest{owner, std::string(text), std::string(caption), type});
    }
    if (RightToLeft()) type |= MB_RTLREADING | MB_RIGHT;
    return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), type);
}

void AnswerMessageBoxes(MessageBoxAnswer answer) { Answer() = std::move(answer); }

}  // namespace quorvel::ui
