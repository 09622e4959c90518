// What the installer asks of the program on its command line, before and after
// it replaces or removes the program's files:
//   /close             ends the session's running clock as its Exit does;
//   /close-for-update  does the same and marks the clock to be started again;
//   /start-after-update  starts the clock if it is so marked, else ends at once.
// An upgrade thus leaves a clock running that was running before it, so no
// alarm waits for the next sign-in.
#pragma once

namespace quorvel {

enum class InstallerCommand { None, Close, CloseForUpdate, StartAfterUpdate };

// The command a start was given; None for no arguments or any others.
InstallerCommand ParseInstallerCommand(const wchar_t* commandLine);

// Carries out /close or /close-for-update: the exit code, 0 when no clock runs
// any more.
int CloseClockForInstaller(bool reopenAfterUpdate);

// Takes the mark away and says whether it was there: for /start-after-update,
// and at every start of the clock, which the mark no longer concerns.
bool TakeStartAfterUpdateMark();

}  // namespace quorvel
