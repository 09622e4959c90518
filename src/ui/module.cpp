#include "ui/module.h"

namespace quorvel::ui {

HINSTANCE ModuleHandle() { return GetModuleHandleW(nullptr); }

Module LoadSystemLibrary(const wchar_t* name) {
    Module module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return module;
}

}  // namespace quorvel::ui
