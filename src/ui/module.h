// Modules: the program's own (for its resources) and DLLs loaded at run time.
#pragma once

#include <windows.h>

#include "ui/handle.h"

namespace quorvel::ui {

struct ModuleDeleter {
    void operator()(HMODULE h) const { FreeLibrary(h); }
};
// A loaded DLL, freed when the Module goes.
using Module = Unique<HMODULE, ModuleDeleter>;

// The program's HINSTANCE (the exe, never a DLL), for LoadIconW, LoadStringW,
// window classes and other resources.
HINSTANCE ModuleHandle();

// An icon of the program's resources (an IDI_ id) at size x size pixels, the
// image of the icon nearest that size scaled to it; empty when there is none.
Icon LoadIconImage(int id, int size);

// Loads a DLL from the system folder only (no DLL planting from the current
// folder); an empty Module when it cannot be loaded.
Module LoadSystemLibrary(const wchar_t* name);

}  // namespace quorvel::ui
