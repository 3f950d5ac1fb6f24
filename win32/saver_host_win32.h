// The screensaver host on Windows: the mode chosen by the command line, the saver window
// with its class, message loop and routing, and the default saver handling that ends
// the saver. The decisions themselves live in win32/rules (command_line.h,
// host_routing.h, default_saver_handling.h).
#pragma once

#include <windows.h>

#include "win32/rules/default_saver_handling.h"
#include "win32/rules/password_services.h"

namespace vorrith {

// Exit code of a bad command line, and of a saver window that could not be created.
constexpr int kModeFailed = -1;

// Runs the mode named by the argument text (the command line past the program name);
// returns the process exit code.
int DispatchMode(HINSTANCE instance, const char* arguments);

// Full screen with parent null, else the preview inside parent. Returns the quit
// message's wParam, 0 when a full-screen saver already runs, kModeFailed when the window
// could not be created.
int RunSaverWindow(HWND parent);

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefaultSaverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Process-wide host state and the password services of this process.
SaverHostState& HostState();
PasswordServices& Passwords();

}  // namespace vorrith
