// Owning wrappers for the window system's handles (see core/unique.h).
#pragma once

#include <windows.h>

#include "core/unique.h"

namespace quorvel::ui {

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
using Accelerators = Unique<HACCEL, AcceleratorDeleter>;

}  // namespace quorvel::ui
