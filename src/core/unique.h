// One owner for one handle: every handle the program creates lives in one of
// these, so it is released exactly once on every path, exceptions included.
// Portable: the deleter says how a handle of its kind is released.
//
//   ui::Font font(CreateFontIndirectW(&lf));   // DeleteObject when font goes
//   if (!font) throw ...;
//   SelectObject(dc, font.Get());
//
// A Unique is move-only: copying would release the handle twice.
#pragma once

#include <utility>

namespace quorvel {

template <typename Handle, typename Deleter>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    ~Unique() { Reset(); }

    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.Release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }

    // Gives up ownership without releasing.
    Handle Release() { return std::exchange(handle_, Handle{}); }

    // Releases the held handle (if any) and takes the new one.
    void Reset(Handle handle = Handle{}) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Handle{}) Deleter{}(old);
    }

private:
    Handle handle_{};
};

}  // namespace quorvel
