// Entry point of Vorrith.scr: reads the command line, runs the mode it names and ends
// the process with the mode's result.
#include <windows.h>

#include "saver/abort_cleanup.h"
#include "win32/rules/command_line.h"
#include "win32/saver_host_win32.h"
#include "win32/saver_proc_win32.h"
#include "win32/tick_clock_win32.h"

namespace vorrith {
namespace {

// A crash anywhere in the mode's work must not leave the system believing a saver
// still runs (on the Windows 9x family that would keep task switching blocked) nor the
// screen in the saver's display mode: undo both, then let the system's own crash
// handling run (its report, or a debugger), which ends the process. std::terminate and
// abort pass no such filter and get the same cleanup of their own.
void CleanUpAfterAbort() {
    Passwords().SetSaverRunning(false);
    RestoreDisplayAfterCrash();
}

LONG WINAPI CleanUpAfterCrash(EXCEPTION_POINTERS*) {
    CleanUpAfterAbort();
    return EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void HostMain() {
    SetUnhandledExceptionFilter(CleanUpAfterCrash);
    InstallAbortCleanup(CleanUpAfterAbort);
    InstallTickCountClock();
    const char* arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(static_cast<UINT>(DispatchMode(GetModuleHandleA(nullptr), arguments)));
}

}  // namespace
}  // namespace vorrith

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { vorrith::HostMain(); }
