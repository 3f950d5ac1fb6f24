// Entry point of Vorrith.scr: reads the command line, runs the mode it names and ends
// the process with the mode's result.
#include <windows.h>

#include "win32/rules/command_line.h"
#include "win32/saver_host_win32.h"
#include "win32/saver_proc_win32.h"
#include "win32/tick_clock_win32.h"

namespace vorrith {
namespace {

// A crash anywhere in the mode's work must not leave the system believing a saver
// still runs (on the Windows 9x family that would keep task switching blocked) nor the
// screen in the saver's display mode: undo both, then let the system's own crash
// handling run (its report, or a debugger), which ends the process.
LONG WINAPI CleanUpAfterCrash(EXCEPTION_POINTERS*) {
    Passwords().SetSaverRunning(false);
    RestoreDisplayAfterCrash();
    return EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void HostMain() {
    SetUnhandledExceptionFilter(CleanUpAfterCrash);
    InstallTickCountClock();
    const char* arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(static_cast<UINT>(DispatchMode(GetModuleHandleA(nullptr), arguments)));
}

}  // namespace
}  // namespace vorrith

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { vorrith::HostMain(); }
