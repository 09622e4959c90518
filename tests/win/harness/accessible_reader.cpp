// Stands in for a screen reader: asks another program's window for its client
// object (MSAA) as a reader does, and prints what it reads, one line each:
//
//   accessible_reader.exe HWND|CLASS   (a window handle in decimal, or the class
//                                      of a top-level window titled "Quorvel")
//   role=61
//   name=Quorvel
//   value=10:05:07
//   title=Quorvel
//
// Exits 0 when it read the object, 1 when it got none, 2 on a wrong argument.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Defined here: the import library hands IID_IAccessible over as a code thunk.
constexpr IID kAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

void PrintLine(const char* key, const std::wstring& text) {
    std::string utf8(static_cast<std::size_t>(text.size() * 4 + 1), '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    std::printf("%s=%s\n", key, utf8.c_str());
}

std::wstring Taken(BSTR text) {
    std::wstring copy = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return copy;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    wchar_t* end = nullptr;
    auto hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[1], &end, 10)));
    if (*end != L'\0') hwnd = FindWindowW(argv[1], L"Quorvel");
    if (!IsWindow(hwnd)) return 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kAccessibleId,
                                          reinterpret_cast<void**>(&object))) ||
        !object) {
        return 1;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) std::printf("role=%ld\n", role.lVal);
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(self, &text))) PrintLine("name", Taken(text));
    text = nullptr;
    if (SUCCEEDED(object->get_accValue(self, &text))) PrintLine("value", Taken(text));
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    PrintLine("title", title);
    object->Release();
    CoUninitialize();
    return 0;
}
