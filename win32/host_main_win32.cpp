// Entry point of Vorrith.scr: reads the command line, runs the mode it names and ends
// the process with the mode's result.
#include <windows.h>

#include "saver/command_line.h"
#include "win32/saver_host_win32.h"
#include "win32/tick_clock_win32.h"

namespace vorrith {
namespace {

// A crash anywhere in the mode's work must not leave the system believing a saver
// still runs (on the Windows 9x family that would keep task switching blocked): clear
// that state, then let the process end with the exception's code.
LONG WINAPI EndAfterCrash(EXCEPTION_POINTERS*) {
    Passwords().SetSaverRunning(false);
    return EXCEPTION_EXECUTE_HANDLER;
}

[[noreturn]] void HostMain() {
    SetUnhandledExceptionFilter(EndAfterCrash);
    InstallTickCountClock();
    const char* arguments = SkipProgramName(GetCommandLineA());
    ExitProcess(static_cast<UINT>(DispatchMode(GetModuleHandleA(nullptr), arguments)));
}

}  // namespace
}  // namespace vorrith

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { vorrith::HostMain(); }
