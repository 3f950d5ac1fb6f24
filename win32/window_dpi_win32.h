// The DPI a window is shown at. The program declares per-monitor DPI awareness in its
// manifest; GetDpiForWindow (Windows 10) is looked up at run time so that the program
// still loads on Windows XP, where the system DPI of the screen is used instead.
#pragma once

#include <windows.h>

namespace vorrith {

int WindowDpi(HWND window);

}  // namespace vorrith
