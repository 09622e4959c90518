// The manifest the test programs carry, as Quorvel.exe does, has the common
// controls loaded at run time in version 6 (the toolkit's controls rely on it).
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/common_controls.h"

namespace {

TEST(Manifest, LoadsCommonControlsSix) {
    // The version reported by DllGetVersion is not reliable under Wine; the
    // side-by-side module path names the v6 assembly.
    ASSERT_TRUE(quorvel::ui::comctl::Load());
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    EXPECT_NE(wcsstr(path, L"6.0"), nullptr) << "comctl32 loaded from a path without 6.0";
}

}  // namespace
