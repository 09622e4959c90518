// quorvel-cli entry of the Windows build: UTF-16 arguments, the user's regional
// settings for --locale user, and UTF-8 out (UTF-16 to a console window).
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "app/user_locale.h"
#include "cli/alarms_command.h"
#include "cli/alarms_registry_commands.h"
#include "cli/cli.h"
#include "ui/wide.h"

namespace {

// A console shows UTF-16 text as it is; a pipe or file gets the UTF-8 bytes.
bool WriteText(DWORD which, std::string_view text) {
    const HANDLE handle = GetStdHandle(which);
    if (text.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE) return true;
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = quorvel::Wide(text);
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    }
    while (!text.empty()) {
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(quorvel::Narrow(argv[i]));
    if (!args.empty() && args[0] == "alarms")
        return quorvel::cli::RunAlarmsCommand({args.begin() + 1, args.end()}, quorvel::cli::AlarmsRegistryCommands());
    // Batch lines are read as bytes: no CR LF translation, no end at Ctrl+Z.
    _setmode(_fileno(stdin), _O_BINARY);
    std::string out, err;
    const int code = quorvel::cli::RunCli(args, std::cin, out, err, [] { return quorvel::ReadUserFormatSettings(); });
    const bool written = WriteText(STD_OUTPUT_HANDLE, out);
    WriteText(STD_ERROR_HANDLE, err);
    return written ? code : 1;
}
