#include "ui/module.h"

namespace quorvel::ui {

HINSTANCE ModuleHandle() { return GetModuleHandleW(nullptr); }

Icon LoadIconImage(int id, int size) {
    return Icon(static_cast<HICON>(
        LoadImageW(ModuleHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

Module LoadSystemLibrary(const wchar_t* name) {
    Module module(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return module;
}

bool LazyLibrary::Load() {
    if (!tried_) {
        tried_ = true;
        module_ = LoadSystemLibrary(name_);
    }
    return static_cast<bool>(module_);
}

}  // namespace quorvel::ui
