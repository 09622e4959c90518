// Owning wrappers for Win32 handles. Every handle the program creates lives in
// one of these, so it is released exactly once on every path, exceptions included.
//
//   ui::Font font(CreateFontIndirectW(&lf));   // DeleteObject when font goes
//   if (!font) throw ...;
//   SelectObject(dc, font.Get());
//
// A Unique is move-only: copying would release the handle twice.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvel::ui {

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

struct GdiObjectDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct MenuDeleter {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct DcDeleter {  // for DCs made by CreateCompatibleDC / CreateDC, not GetDC
    void operator()(HDC h) const { DeleteDC(h); }
};
struct RegKeyDeleter {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
struct AcceleratorDeleter {
    void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};

using Font = Unique<HFONT, GdiObjectDeleter>;
using Brush = Unique<HBRUSH, GdiObjectDeleter>;
using Pen = Unique<HPEN, GdiObjectDeleter>;
using Bitmap = Unique<HBITMAP, GdiObjectDeleter>;
using Region = Unique<HRGN, GdiObjectDeleter>;
using Icon = Unique<HICON, IconDeleter>;
using Menu = Unique<HMENU, MenuDeleter>;
using MemoryDc = Unique<HDC, DcDeleter>;
using RegKey = Unique<HKEY, RegKeyDeleter>;
using Accelerators = Unique<HACCEL, AcceleratorDeleter>;

}  // namespace quorvel::ui
