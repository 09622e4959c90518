// Listeners: the handlers several parts of the program hang on one event (the
// alarm list's changes: the alarms window, the next-alarm line, the wake timer).
// Each is added with a token and stays until removed; one removed while the
// event is being told (a window closed by another listener) is not called again.
//
//   const auto token = book.onChanged.Add([this] { Refresh(); });
//   ...
//   book.onChanged.Remove(token);
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace quorvel {

class Listeners {
public:
    using Token = std::uint64_t;

    Token Add(std::function<void()> handler) {
        entries_.push_back({nextToken_, std::move(handler)});
        return nextToken_++;
    }
    void Remove(Token token) {
        for (auto& entry : entries_)
            if (entry.token == token) entry.handler = nullptr;
        if (telling_ == 0) Compact();
    }
    // Calls each handler in the order added; handlers added meanwhile wait for the next time.
    void Notify() {
        ++telling_;
        const std::size_t count = entries_.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (entries_[i].handler) entries_[i].handler();
        }
        if (--telling_ == 0) Compact();
    }
    bool Empty() const { return entries_.empty(); }

private:
    struct Entry {
        Token token;
        std::function<void()> handler;
    };
    void Compact() { std::erase_if(entries_, [](const Entry& entry) { return !entry.handler; }); }

    std::vector<Entry> entries_;
    Token nextToken_ = 1;
    int telling_ = 0;
};

}  // namespace quorvel
