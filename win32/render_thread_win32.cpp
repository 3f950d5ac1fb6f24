#include "win32/render_thread_win32.h"

#include "present/render_runner.h"
#include "win32/monitors_win32.h"
#include "win32/present_canvas_win32.h"

namespace vorrith {
namespace {

RECT ToRect(const ScreenRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// A common device context of the window for one drawing: the window class has no
// CS_OWNDC, so the render thread's context is never the one the window's own paints
// use, and one of those cannot clip a frame. Taken per drawing, it holds no entry of the
// system's small cache of common contexts for the saver's whole life.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The saver window's client area on the system tick count; waits end early when the
// window's thread sets the wake event.
class WindowRenderDevice : public RenderDevice {
public:
    WindowRenderDevice(HWND window, HANDLE wake) : window_(window), wake_(wake) {}

    ScreenRect ClientRect() override {
        RECT client{};
        GetClientRect(window_, &client);
        return {client.left, client.top, client.right, client.bottom};
    }
    // A child window (the preview) shows no monitor of its own.
    std::vector<ScreenRect> Monitors() override {
        std::vector<ScreenRect> monitors;
        if ((GetWindowLongA(window_, GWL_STYLE) & WS_CHILD) != 0) return monitors;
        POINT origin{0, 0};
        ClientToScreen(window_, &origin);
        const ScreenRect client{origin.x, origin.y, origin.x, origin.y};
        for (const ScreenRect& monitor : MonitorRectsOnScreen()) monitors.push_back(RelativeTo(monitor, client));
        return monitors;
    }
    void Begin(const ScreenRect& client) override {
        const WindowDc dc(window_);
        PatBlt(dc.get(), 0, 0, client.right - client.left, client.bottom - client.top, BLACKNESS);
    }
    void Present(const ScreenRect& dest) override {
        const WindowDc dc(window_);
        SetStretchBltMode(dc.get(), COLORONCOLOR);
        PresentCanvas(dc.get(), ToRect(dest));
    }
    void DrawLowMemory(const ScreenRect& client) override {
        const WindowDc dc(window_);
        RECT area = ToRect(client);
        DrawTextA(dc.get(), "Low Memory !", -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    void End() override {}
    void Wait(uint32_t milliseconds) override {
        if (wake_ == nullptr || WaitForSingleObject(wake_, milliseconds) == WAIT_FAILED) ::Sleep(milliseconds);
    }

private:
    HWND window_;
    HANDLE wake_;
};

}  // namespace

// An exception (memory short in a container, say) ends this thread only: escaping it
// would end the process through std::terminate. The saver then shows its last frame
// until the user ends it as usual.
DWORD WINAPI RenderThread(LPVOID parameter) {
    const auto* start = static_cast<const RenderThreadStart*>(parameter);
    try {
        WindowRenderDevice device(reinterpret_cast<HWND>(start->params->window), start->wake);
        RunRenderLoop(*start->params, device);
        return 0;
    } catch (...) {
        return 1;
    }
}

}  // namespace vorrith
