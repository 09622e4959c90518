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

// A system DLL that only some windows or dialogs need, loaded from the system
// folder at its first use and kept from then on: the program starts without it
// and what it brings along.
//
//   static ui::LazyLibrary comdlg32(L"comdlg32.dll");
//   const auto chooseColour = comdlg32.Function<decltype(&ChooseColorW)>("ChooseColorW");
class LazyLibrary {
public:
    explicit LazyLibrary(const wchar_t* name) : name_(name) {}
    LazyLibrary(const LazyLibrary&) = delete;
    LazyLibrary& operator=(const LazyLibrary&) = delete;

    // Loads the DLL at the first call (once: a DLL that is missing stays
    // missing); whether it is loaded.
    bool Load();
    // One of its functions, the DLL loaded first; nullptr when either is missing.
    template <typename Pointer>
    Pointer Function(const char* name) {
        if (!Load()) return nullptr;
        // Through void(*)(), the cast GCC knows as one between function types.
        return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(GetProcAddress(module_.Get(), name)));
    }

private:
    const wchar_t* name_;
    Module module_;
    bool tried_ = false;
};

}  // namespace quorvel::ui
