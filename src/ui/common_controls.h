// The common controls (comctl32, version 6 through the manifest), loaded with
// the first window made of them rather than at start: the clock alone never
// needs them, and the library and its class registrations cost a running
// clock a megabyte. The toolkit calls comctl32 only through here.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace quorvel::ui::comctl {

// Loads the library and registers the control classes the windows use, once;
// false when the library cannot be loaded.
bool Load();

// comctl32's functions of the same names, the library loaded first. Without
// it they fail as the functions themselves do (FALSE, nullptr, -1, 0).
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST images);
int ImageList_ReplaceIcon(HIMAGELIST images, int index, HICON icon);  // -1: adds it
BOOL ImageList_GetIconSize(HIMAGELIST images, int* width, int* height);
BOOL ImageList_DrawIndirect(IMAGELISTDRAWPARAMS* draw);

}  // namespace quorvel::ui::comctl
