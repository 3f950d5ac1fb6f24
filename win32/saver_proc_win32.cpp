#include "win32/saver_proc_win32.h"

#include <cstddef>

#include "saver/saver_window.h"
#include "win32/cursor_win32.h"
#include "win32/monitors_win32.h"
#include "win32/render_thread_win32.h"
#include "win32/saver_host_win32.h"
#include "win32/settings_store_win32.h"

namespace vorrith {
namespace {

// The display-mode request of the first Win32 generation of the structure, without the
// panning fields: 148 bytes.
constexpr WORD kDevModeSize = offsetof(DEVMODEA, dmPanningWidth);
static_assert(kDevModeSize == 148, "display-mode request of 148 bytes");

class Win32SaverPlatform : public SaverWindowPlatform {
public:
    void SetWindow(HWND window) { window_ = window; }

    bool TrySetMode(const DisplayMode& mode) override {
        DEVMODEA request{};
        request.dmSize = kDevModeSize;
        request.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
        request.dmPelsWidth = mode.width;
        request.dmPelsHeight = mode.height;
        request.dmBitsPerPel = mode.bitsPerPixel;
        return ChangeDisplaySettingsA(&request, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
    }
    void RestoreDesktopMode() override { ChangeDisplaySettingsA(nullptr, 0); }
    void ShowCoveringEveryMonitor() override {
        const ScreenRect screen = VirtualScreenOnScreen();
        SetWindowPos(window_, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                     screen.bottom - screen.top, SWP_SHOWWINDOW);
    }
    void BringToTop() override { BringWindowToTop(window_); }
    CursorPoint CursorPosition() override { return CursorOnScreen(); }
    // Asynchronous when the crash is on the render thread: the window's thread may be
    // waiting for it, and must not be waited for in turn.
    void StepAside() override {
        SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    bool StartRenderThread(RenderParams& params) override {
        if (wake_ == nullptr) wake_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (wake_ != nullptr) ResetEvent(wake_);
        start_ = {&params, wake_};
        thread_ = CreateThread(nullptr, 0, RenderThread, &start_, 0, nullptr);
        if (thread_ == nullptr) return false;
        SetThreadPriority(thread_, THREAD_PRIORITY_BELOW_NORMAL);
        return true;
    }
    // The stop bit is already set: the event only cuts the thread's sleep short.
    void JoinRenderThread() override {
        if (wake_ != nullptr) SetEvent(wake_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE wake_ = nullptr;  // kept for the process's life, like the window's state
    RenderThreadStart start_{};
};

// One saver window per process; its RenderParams live as long as the process.
Win32SaverPlatform saverPlatform;
SaverWindow saverWindow(saverPlatform);

// Full screen is the mode the command line was parsed into, whatever its writing: a
// window without a parent.
SaverWindowStart SaverStartOfThisProcess() {
    RegistrySettingsStore settings;
    return {!HostState().previewMode, ReadChangeDisplayMode(settings)};
}

// At once, so that nothing a passing window left stays on the screen until the render
// thread presents its frame again.
void PaintInvalidAreaBlack(HWND hwnd) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    const RECT& area = paint.rcPaint;
    if (dc != nullptr) PatBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, BLACKNESS);
    EndPaint(hwnd, &paint);
}

}  // namespace

LRESULT SaverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    saverPlatform.SetWindow(hwnd);
    switch (message) {
    case WM_CREATE:
        saverWindow.OnCreate(SaverStartOfThisProcess());
        // The ending rules measure travel from where the mode switch left the cursor.
        HostState().endingRules.MeasureTravelFrom(CursorOnScreen());
        break;
    case WM_DISPLAYCHANGE: saverWindow.OnDisplayChange(); break;
    case WM_PAINT:
        PaintInvalidAreaBlack(hwnd);
        saverWindow.OnPaint(reinterpret_cast<uintptr_t>(hwnd));
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE:
        if (!saverWindow.OnMouseMoved(CursorOnScreen())) return 1;
        break;
    case WM_DESTROY: saverWindow.OnDestroy(); break;
    default: break;
    }
    return DefaultSaverProc(hwnd, message, wParam, lParam);
}

void RestoreDisplayAfterCrash() { saverWindow.OnCrash(); }

}  // namespace vorrith
