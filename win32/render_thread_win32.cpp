#include "win32/render_thread_win32.h"

#include "present/render_runner.h"
#include "win32/present_canvas_win32.h"

namespace vorrith {
namespace {

RECT ToRect(const ScreenRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The saver window's client area, through a device context held for the thread's life.
class WindowRenderDevice : public RenderDevice {
public:
    explicit WindowRenderDevice(HWND window) : window_(window) {}

    ScreenRect ClientRect() override {
        RECT client{};
        GetClientRect(window_, &client);
        return {client.left, client.top, client.right, client.bottom};
    }
    void Begin(const ScreenRect& client) override {
        dc_ = GetDC(window_);
        PatBlt(dc_, 0, 0, client.right - client.left, client.bottom - client.top, BLACKNESS);
        SetStretchBltMode(dc_, COLORONCOLOR);
    }
    void Present(const ScreenRect& dest) override { PresentCanvas(dc_, ToRect(dest)); }
    void DrawLowMemory(const ScreenRect& client) override {
        RECT area = ToRect(client);
        DrawTextA(dc_, "Low Memory !", -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    void End() override { ReleaseDC(window_, dc_); }
    uint32_t Ticks() override { return GetTickCount(); }
    void Wait(uint32_t milliseconds) override { ::Sleep(milliseconds); }

private:
    HWND window_;
    HDC dc_ = nullptr;
};

}  // namespace

DWORD WINAPI RenderThread(LPVOID parameter) {
    auto* params = static_cast<RenderParams*>(parameter);
    WindowRenderDevice device(reinterpret_cast<HWND>(params->window));
    return static_cast<DWORD>(RunRenderLoop(*params, device));
}

}  // namespace vorrith
