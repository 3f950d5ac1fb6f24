// Shared steps of the configuration-dialog scenarios: opening the dialog in
// configuration mode, pressing its buttons and waiting for what they lead to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/e2e/window_driver.h"

namespace vorrith::e2e {

constexpr char kDialogClass[] = "#32770";
constexpr char kStartTitle[] = "Vorrith 1.80";
constexpr DWORD kDialogWaitMs = 15000;
// A picture takes well under a second natively; Wine and a busy machine get room.
constexpr DWORD kDrawWaitMs = 60000;

struct ConfigDialog {
    Program program;
    HWND window = nullptr;
};

// Starts "saver /c" and waits until its dialog shows, laid out; window is null when none
// came.
ConfigDialog OpenConfigDialog(const std::string& saver = kBuiltSaver);
// Closes the dialog with Escape's command and checks the process ends with 0.
void CloseConfigDialog(ConfigDialog& dialog);

// Presses Draw or Random Image and waits until the title names a picture, and when
// wantedNumber is not -1, that picture; the title then, or "" when none came.
std::string DrawAndWaitForTitle(HWND dialog, int button, int wantedNumber);
// The image number in a title "Image N - Vorrith 1.80", or -1.
int ImageNumberInTitle(const std::string& title);

// A dialog of the process with the given title (a message box, the save dialog, the
// About box), waited for.
HWND WaitForProcessDialog(DWORD processId, const char* title, DWORD timeoutMs);
// Concatenated texts of a dialog's static controls (a message box's message).
std::string StaticTexts(HWND dialog);
HWND FocusOfThread(HWND window);
// A control's text asked of the control itself (another process's controls keep no
// caption that GetWindowText could read).
std::string AskedText(HWND control);

// The top rows of a window's client area as on the screen: 24-bit, top-down, rows of
// width * 3 bytes without padding.
std::vector<BYTE> CaptureClientRows(HWND window, int width, int rows);
// The same rows of a 24-bit bottom-up BMP file's picture; empty if it is no such file.
std::vector<BYTE> BmpTopRows(const std::vector<BYTE>& file, int width, int height, int rows);

// A control's rectangle in the dialog's client area.
RECT ControlInClient(HWND dialog, int controlId);
// The controls at the row's right end (the wallpaper button, the display-mode box) lie
// within the client area below its first rowsAbove rows, right of About or above the
// row, and apart.
void CheckRowEnd(HWND dialog, LONG rowsAbove);

std::vector<BYTE> ReadWholeFile(const std::string& path);
// The picture rendered by the native renderer for the same number, put beside
// Vorrith.scr by the test run.
std::string ReferenceBmpName(int imageNumber);

}  // namespace vorrith::e2e
