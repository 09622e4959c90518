#include "ui/common_controls.h"

#include "ui/module.h"

namespace quorvel::ui::comctl {
namespace {

LazyLibrary& Library() {
    static LazyLibrary library(L"comctl32.dll");
    return library;
}

// The named function of the loaded library, looked up once.
template <typename Pointer>
Pointer Find(Pointer& cached, const char* name) {
    if (!cached && Load()) cached = Library().Function<Pointer>(name);
    return cached;
}

}  // namespace

bool Load() {
    static const bool loaded = [] {
        if (!Library().Load()) return false;
        const auto init = Library().Function<decltype(&::InitCommonControlsEx)>("InitCommonControlsEx");
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
        return init && init(&controls);
    }();
    return loaded;
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    static decltype(&::SetWindowSubclass) function = nullptr;
    return Find(function, "SetWindowSubclass") ? function(window, procedure, id, data) : FALSE;
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    static decltype(&::RemoveWindowSubclass) function = nullptr;
    return Find(function, "RemoveWindowSubclass") ? function(window, procedure, id) : FALSE;
}

LRESULT DefSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    static decltype(&::DefSubclassProc) function = nullptr;
    return Find(function, "DefSubclassProc") ? function(window, msg, wParam, lParam) : 0;
}

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
    static decltype(&::ImageList_Create) function = nullptr;
    return Find(function, "ImageList_Create") ? function(width, height, flags, initial, grow) : nullptr;
}

BOOL ImageList_Destroy(HIMAGELIST images) {
    static decltype(&::ImageList_Destroy) function = nullptr;
    return Find(function, "ImageList_Destroy") ? function(images) : FALSE;
}

int ImageList_ReplaceIcon(HIMAGELIST images, int index, HICON icon) {
    static decltype(&::ImageList_ReplaceIcon) function = nullptr;
    return Find(function, "ImageList_ReplaceIcon") ? function(images, index, icon) : -1;
}

BOOL ImageList_GetIconSize(HIMAGELIST images, int* width, int* height) {
    static decltype(&::ImageList_GetIconSize) function = nullptr;
    return Find(function, "ImageList_GetIconSize") ? function(images, width, height) : FALSE;
}

BOOL ImageList_DrawIndirect(IMAGELISTDRAWPARAMS* draw) {
    static decltype(&::ImageList_DrawIndirect) function = nullptr;
    return Find(function, "ImageList_DrawIndirect") ? function(draw) : FALSE;
}

}  // namespace quorvel::ui::comctl
