// A small Win32 test driver for end-to-end tests of Vorrith.scr: starts the program,
// finds its windows, reads and sets their texts, presses buttons, sends input and
// captures the screen. Every wait pumps this thread's messages, so windows the driver
// owns (a preview's parent) keep answering while it waits.
//
// Scenarios are functions registered with E2E_SCENARIO(name); CHECK records a failure
// and goes on, REQUIRE ends the scenario.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorrith::e2e {

// ---- processes
struct Program {
    HANDLE process = nullptr;
    DWORD processId = 0;
};

// The built saver, started from the current folder (tests run in the folder of
// Vorrith.scr).
constexpr char kBuiltSaver[] = "Vorrith.scr";

// Starts "saver arguments", the saver's path unquoted as Windows starts a screen saver.
// An empty Program when it cannot start.
Program StartSaver(const std::string& arguments, const std::string& saver = kBuiltSaver);
Program StartProgram(const std::string& commandLine);
// True when the program ended within timeoutMs; its exit code in exitCode.
bool WaitForExit(Program& program, DWORD timeoutMs, DWORD& exitCode);
// Ends a program still running (after a failed check) and closes its handle.
void EndProgram(Program& program);
// Starts the full-screen saver ("/s") and waits up to 10 s for its window. When no window
// comes, the saver is ended and the result is null.
HWND StartFullScreenSaver(Program& saver, const std::string& saverPath = kBuiltSaver);
// Presses space in the saver's window, waits up to 10 s for the saver to end and then
// ends it either way. True when it ended by itself; its exit code in exitCode.
bool EndWithKey(Program& saver, HWND window, DWORD& exitCode);

// ---- waiting
// Pumps messages and polls condition every 20 ms until it holds or time runs out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
void Pause(DWORD milliseconds);

// ---- windows
// A top-level window by class and title (either may be null), waited for.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs);
// A child of parent by class and title, waited for.
HWND WaitForChildWindow(HWND parent, const char* className, const char* title, DWORD timeoutMs);
// Top-level windows that match (class and title may be null).
int CountWindows(const char* className, const char* title);
// Visible top-level windows owned by a process.
std::vector<HWND> VisibleWindowsOf(DWORD processId);
std::string WindowText(HWND window);
RECT WindowRect(HWND window);
// Waits until the window's rectangle is area. A window is found as soon as it exists,
// which may be before it has taken its place.
bool WaitUntilWindowCovers(HWND window, const RECT& area, DWORD timeoutMs);
RECT ClientRect(HWND window);

// ---- dialog controls
std::string ControlText(HWND dialog, int controlId);
void SetControlText(HWND dialog, int controlId, const std::string& text);
bool IsControlEnabled(HWND dialog, int controlId);
// Posts the button's click notification to the dialog (does not wait for the result).
void ClickButton(HWND dialog, int controlId);

// ---- input
void PostKey(HWND window, WPARAM virtualKey);
// Moves the system cursor by (dx, dy) and tells the window about it.
void MoveMouseBy(HWND window, int dx, int dy);
// Moves the cursor to a point of the virtual screen as a mouse would.
void MoveCursorTo(int x, int y);

// ---- screens
// The monitors in screen coordinates, and the virtual screen that holds them all.
std::vector<RECT> MonitorRects();
RECT VirtualScreen();
int ScreenDpi();
// The driver sees physical pixels at any DPI, as the saver does.
void DeclareDpiAware();

// ---- pictures
// A screen rectangle as top-down 24-bit rows of stride bytes; pixels is empty when it
// cannot be captured.
struct ScreenCapture {
    BITMAPINFOHEADER header{};
    std::vector<BYTE> pixels;
    int stride = 0;
};
ScreenCapture CaptureScreen(const RECT& area);
// Captures the whole virtual screen, every monitor, as a 24-bit BMP file; false when it
// cannot be written.
bool SaveScreenBmp(const std::string& path);
// Pixels of a screen rectangle that are not black.
int CountLitPixels(const RECT& area);

// ---- scenarios
using Scenario = void (*)();
struct ScenarioRegistration {
    ScenarioRegistration(const char* name, Scenario scenario);
};
void Fail(const char* file, int line, const std::string& what);
int FailureCount();

}  // namespace vorrith::e2e

#define E2E_SCENARIO(name)                                                           \
    static void name();                                                              \
    static const vorrith::e2e::ScenarioRegistration name##Registration(#name, name); \
    static void name()

#define CHECK(condition) ((condition) ? (void)0 : vorrith::e2e::Fail(__FILE__, __LINE__, #condition))
#define REQUIRE(condition)                                      \
    do {                                                        \
        if (!(condition)) {                                     \
            vorrith::e2e::Fail(__FILE__, __LINE__, #condition); \
            return;                                             \
        }                                                       \
    } while (0)
