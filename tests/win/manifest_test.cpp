// The manifest the test programs carry, as Quorvel.exe does, loads version 6 of
// the common controls (the toolkit's controls rely on it).
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Manifest, LoadsCommonControlsSix) {
    // The version reported by DllGetVersion is not reliable under Wine; the
    // side-by-side module path names the v6 assembly.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    EXPECT_NE(wcsstr(path, L"6.0"), nullptr) << "comctl32 loaded from a path without 6.0";
}

}  // namespace
