// The render loop's device on an X window: frames are stretched into an XFrameImage and
// put within the window's 4:3 picture area (on every monitor, for the root window); the
// waits between frames sleep on the X connection and the stop-signal pipe together, so
// that the saver follows size changes and ends on its window's destruction or a signal
// without polling.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "present/render_runner.h"
#include "xsaver/frame_stretch.h"
#include "xsaver/x_frame_image.h"
#include "xsaver/x_target_window.h"

namespace vorrith {

class XRenderDevice : public RenderDevice {
public:
    XRenderDevice(Display* display, const XTargetWindow& target, const PixelLayout& layout, RenderParams& params);
    ~XRenderDevice() override;
    XRenderDevice(const XRenderDevice&) = delete;
    XRenderDevice& operator=(const XRenderDevice&) = delete;

    ScreenRect ClientRect() override { return {0, 0, target_.width, target_.height}; }
    std::vector<ScreenRect> Monitors() override;
    void Begin(const ScreenRect& client) override;
    void Present(const ScreenRect& dest) override;
    void DrawLowMemory(const ScreenRect& client) override;
    void End() override {}
    void Wait(uint32_t milliseconds) override;
    // A signal or the window's end wakes a wait at once: it lasts until the next frame.
    uint32_t LongestWait() const override { return UINT32_MAX; }

    // Why the saver stopped on its own, or "".
    const std::string& Failure() const { return failure_; }

private:
    void HandleEvents();
    void HandleEvent(const XEvent& event);
    void Stop() { params_.control.store(kStopRequest); }

    Display* display_;
    XTargetWindow target_;
    PixelLayout layout_;
    RenderParams& params_;
    GC gc_;
    XFrameImage image_;
    std::vector<ScreenRect> areas_;  // where frames are placed: monitors or the window
    ScreenRect lastPart_{};          // the last frame put, shown again on exposure
    std::string failure_;
};

}  // namespace vorrith
