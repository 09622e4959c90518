// Runs a function when a scope ends, however it ends (a return, an exception):
// clean-up that must follow a piece of work without a type of its own.
//
//   list.SetRedraw(false);
//   const ScopeExit redraw([&] { list.SetRedraw(true); });
#pragma once

#include <utility>

namespace quorvel {

template <typename Function>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Function function) : function_(std::move(function)) {}
    ~ScopeExit() { function_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Function function_;
};

}  // namespace quorvel
