// The configuration dialog: a picture browser that draws a typed or random image
// number at full size in its client area and saves the picture as a BMP file.
#pragma once

#include <windows.h>

namespace vorrith {

// Runs the modal dialog (resource 2003) owned by owner, which may be null. Returns the
// dialog's result: 0 when closed, -1 when the dialog could not be created.
int ShowConfigDialog(HWND owner);

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorrith
