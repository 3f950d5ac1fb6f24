#include "tests/e2e/window_driver.h"

#include <cstdio>
#include <map>

namespace vorrith::e2e {

std::map<std::string, Scenario>& Scenarios() {
    static std::map<std::string, Scenario> scenarios;
    return scenarios;
}

namespace {
int failures = 0;
}  // namespace

ScenarioRegistration::ScenarioRegistration(const char* name, Scenario scenario) { Scenarios()[name] = scenario; }

void Fail(const char* file, int line, const std::string& what) {
    ++failures;
    std::printf("%s:%d: check failed: %s\n", file, line, what.c_str());
    std::fflush(stdout);
}

int FailureCount() { return failures; }

Program StartProgram(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return {};
    }
    CloseHandle(info.hThread);
    return {info.hProcess, info.dwProcessId};
}

Program StartSaver(const std::string& arguments, const std::string& saver) {
    return StartProgram(saver + " " + arguments);
}

bool WaitForExit(Program& program, DWORD timeoutMs, DWORD& exitCode) {
    if (program.process == nullptr) return false;
    const bool ended = WaitUntil([&] { return WaitForSingleObject(program.process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (ended) GetExitCodeProcess(program.process, &exitCode);
    return ended;
}

void EndProgram(Program& program) {
    if (program.process == nullptr) return;
    if (WaitForSingleObject(program.process, 0) != WAIT_OBJECT_0) TerminateProcess(program.process, 99);
    CloseHandle(program.process);
    program = {};
}

HWND StartFullScreenSaver(Program& saver, const std::string& saverPath) {
    saver = StartSaver("/s", saverPath);
    if (saver.process == nullptr) return nullptr;
    const HWND window = WaitForWindow("WindowsScreenSaverClass", "Screen Saver", 10000);
    if (window == nullptr) EndProgram(saver);
    return window;
}

bool EndWithKey(Program& saver, HWND window, DWORD& exitCode) {
    PostKey(window, VK_SPACE);
    const bool ended = WaitForExit(saver, 10000, exitCode);
    EndProgram(saver);
    return ended;
}

void Pause(DWORD milliseconds) {
    WaitUntil([] { return false; }, milliseconds);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowA(className, title)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForChildWindow(HWND parent, const char* className, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowExA(parent, nullptr, className, title)) != nullptr; }, timeoutMs);
    return found;
}

int CountWindows(const char* className, const char* title) {
    int count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, className, title); w != nullptr;
         w = FindWindowExA(nullptr, w, className, title)) {
        ++count;
    }
    return count;
}

namespace {

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ProcessWindows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    ProcessWindows search{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

std::string ControlText(HWND dialog, int controlId) { return WindowText(GetDlgItem(dialog, controlId)); }

void SetControlText(HWND dialog, int controlId, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsControlEnabled(HWND dialog, int controlId) { return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE; }

void ClickButton(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void PostKey(HWND window, WPARAM virtualKey) { PostMessageA(window, WM_KEYDOWN, virtualKey, 1); }

void MoveMouseBy(HWND window, int dx, int dy) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x + dx, cursor.y + dy);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x + dx, cursor.y + dy));
}

// Through the system's input queue, as a real mouse moves it: the move goes to the
// window under the cursor.
void MoveCursorTo(int x, int y) {
    const RECT screen = VirtualScreen();
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x - screen.left, 65535, screen.right - screen.left - 1);
    input.mi.dy = MulDiv(y - screen.top, 65535, screen.bottom - screen.top - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &input, sizeof input);
}

ScreenCapture CaptureScreen(const RECT& area) {
    ScreenCapture capture;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    capture.stride = (width * 3 + 3) & ~3;
    capture.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    capture.pixels.resize(static_cast<size_t>(capture.stride) * height);
    if (!GetDIBits(memory, bitmap, 0, height, capture.pixels.data(), reinterpret_cast<BITMAPINFO*>(&capture.header),
                   DIB_RGB_COLORS)) {
        capture.pixels.clear();
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
    return TRUE;
}

}  // namespace

std::vector<RECT> MonitorRects() {
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

bool WaitUntilWindowCovers(HWND window, const RECT& area, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            const RECT r = WindowRect(window);
            return r.left == area.left && r.top == area.top && r.right == area.right && r.bottom == area.bottom;
        },
        timeoutMs);
}

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void DeclareDpiAware() {
    using SetProcessDpiAwareFunction = BOOL(WINAPI*)();
    const auto declare = reinterpret_cast<SetProcessDpiAwareFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware")));
    if (declare != nullptr) declare();
}

int CountLitPixels(const RECT& area) {
    const ScreenCapture capture = CaptureScreen(area);
    int lit = 0;
    for (size_t i = 0; i + 2 < capture.pixels.size(); i += 3) {
        if (capture.pixels[i] | capture.pixels[i + 1] | capture.pixels[i + 2]) ++lit;
    }
    return lit;
}

bool SaveScreenBmp(const std::string& path) {
    ScreenCapture capture = CaptureScreen(VirtualScreen());
    if (capture.pixels.empty()) return false;
    capture.header.biHeight = -capture.header.biHeight;  // files are bottom-up
    const int height = capture.header.biHeight;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(capture.pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&capture.header, sizeof capture.header, 1, out);
    for (int row = height - 1; row >= 0; --row) {
        std::fwrite(capture.pixels.data() + static_cast<size_t>(row) * capture.stride, 1, capture.stride, out);
    }
    return std::fclose(out) == 0;
}

}  // namespace vorrith::e2e
