// SaverProc: the program's own handling of the saver window's messages (display mode,
// render thread start and stop, no background erase, mouse filter). The host's window
// procedure hands it what the host does not keep; it passes on to DefaultSaverProc what
// it does not consume.
#pragma once

#include <windows.h>

namespace vorrith {

LRESULT SaverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorrith
