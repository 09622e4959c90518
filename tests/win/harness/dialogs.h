// Every Win32 test program closes a dialog box it did not expect (and fails the
// test); a test that opens a real one on purpose names it for a while.
//
//   testing_support::ExpectedDialog font(L"Font");
#pragma once

namespace quorvel::testing_support {

class ExpectedDialog {
public:
    explicit ExpectedDialog(const wchar_t* caption);
    ~ExpectedDialog();
    ExpectedDialog(const ExpectedDialog&) = delete;
    ExpectedDialog& operator=(const ExpectedDialog&) = delete;
};

}  // namespace quorvel::testing_support
