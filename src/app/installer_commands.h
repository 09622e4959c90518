// What the installer asks of the program on its command line, before and after
// it replaces or removes the program's files:
//   /close             ends the session's running clock as its Exit does;
//   /close-for-update  does the same and marks the clock to be started again;
//   /start-after-update  starts the clock if it is so marked, else ends at once.
// An upgrade thus leaves a clock running that was running before it, so no
// alarm waits for the next sign-in. The commands are read case-insensitively,
// with "/" or "-" in front; a start with anything else is told what it was
// given and ends with kExitUnknownArgument, before it touches any clock.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

enum class InstallerCommand { None, Close, CloseForUpdate, StartAfterUpdate, Unknown };

// The exit code of a start given an argument it does not know.
inline constexpr int kExitUnknownArgument = 2;

struct StartArguments {
    InstallerCommand command = InstallerCommand::None;
    std::string unknown;  // for Unknown: the first argument not understood, as given
};

// Reads a command line without the program's name (UTF-8), split into
// arguments as Windows programs split theirs (quotes, backslashes before
// quotes): None for no arguments, a command for one known argument alone,
// else Unknown naming the first argument that is not understood.
StartArguments ReadStartArguments(std::string_view commandLine);

// What the user is told of an argument that is not understood.
std::string UnknownArgumentMessage(std::string_view argument);

// The command of the start's command line (wWinMain's).
InstallerCommand ParseInstallerCommand(const wchar_t* commandLine);

// Tells the user which argument of the command line is not understood, in a
// message box; kExitUnknownArgument.
int RefuseUnknownArgument(const wchar_t* commandLine);

// Carries out /close or /close-for-update: the exit code, 0 when no clock runs
// any more.
int CloseClockForInstaller(bool reopenAfterUpdate);

// Takes the mark away and says whether it was there: for /start-after-update,
// and at every start of the clock, which the mark no longer concerns.
bool TakeStartAfterUpdateMark();

}  // namespace quorvel
