// Program entry: the installer's commands, one clock per user session, then
// the program's parts (app/program.h) and the message loop until the clock
// window closes.
#include <windows.h>

#include <cstdlib>
#include <exception>

#include "app/installer_commands.h"
#include "app/program.h"
#include "core/translation.h"
#include "platform/display_language.h"
#include "platform/session_instance.h"
#include "ui/message_box.h"
#include "ui/modal.h"

// What an exception nothing caught ends in. The runtime's own handler prints
// the exception's demangled type to a console this program does not have, and
// links the demangler and printf for it: a sixth of the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    using namespace quorvel;
    // The texts' language, before the first message or window.
    UseDisplayLanguage();
    // The installer's commands, before and after it changes the program's files.
    switch (ParseInstallerCommand(commandLine)) {
        case InstallerCommand::Close: return CloseClockForInstaller(false);
        case InstallerCommand::CloseForUpdate: return CloseClockForInstaller(true);
        case InstallerCommand::StartAfterUpdate:
            if (!TakeStartAfterUpdateMark()) return 0;
            break;
        case InstallerCommand::None: break;
        case InstallerCommand::Unknown: return RefuseUnknownArgument(commandLine);
    }
    // A second start in this session brings the running clock forward and ends
    // before it reads or stores anything: two clocks would fire every alarm
    // twice and save over each other's changes.
    const SessionInstance instance;
    if (!instance.First()) {
        BringRunningClockForward(5000);
        return 0;
    }
    // A running clock has no use for the installer's mark: one left by an
    // update that failed after ending the clock would otherwise start a clock
    // the user has since closed, at the next update.
    TakeStartAfterUpdateMark();
    try {
        Program program;
        program.Start();
        // Until the clock window closes; the windows still open are destroyed on the way out.
        return ui::RunMessageLoop();
    } catch (const std::exception& e) {
        ui::ShowMessageBox(nullptr, Translate(e.what()), ui::ApplicationTitle(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
