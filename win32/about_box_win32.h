// The About box: the program's rich-text About text with a button that opens the web
// page in the user's browser. Modal, owned by the configuration dialog.
#pragma once

#include <windows.h>

namespace vorrith {

// Tells the user (message box owned by owner) when the rich-text library is missing.
void ShowAboutBox(HWND owner);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vorrith
