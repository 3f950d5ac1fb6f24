// The program's own module handle, stored once at start-up by the host: the dialogs and
// the window class load their templates, strings and icon from it.
#pragma once

#include <windows.h>

namespace vorrith {

// The module handle of Vorrith.scr; null before the host has started.
HINSTANCE HostInstance();
// Called once by the host at start-up.
void SetHostInstance(HINSTANCE instance);

}  // namespace vorrith
