// SaverProc: the program's own handling of the saver window's messages (display mode,
// render thread start and stop, no background erase, mouse filter). The host's window
// procedure hands it what the host does not keep; it passes on to DefaultSaverProc what
// it does not consume.
#pragma once

#include <windows.h>

namespace vorrith {

LRESULT SaverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// From the crash filter, on whichever thread crashed: gives the display back its own
// mode if the saver window changed it and has not restored it yet.
void RestoreDisplayAfterCrash();

}  // namespace vorrith
