// The render thread's work: picture after picture from the scene driver, each
// cross-faded over the last in 27 frames (zoomed full screen) and held for 2.7 s, until
// the saver window sets the stop bit of the control word.
//
// The loop draws through a RenderDevice, which the Windows program backs with the
// window's device context and the system tick count, and tests back with a fake.
#pragma once

#include <cstdint>

#include "present/render_geometry.h"
#include "scene/scene_driver.h"

namespace vorrith {

// Handed by the saver window to the render thread. The window's thread writes the
// control word (2 before the thread starts, 1 to stop it); the thread only reads it.
struct RenderParams {
    uintptr_t window;
    ControlWord control;
    uint8_t fullScreen;
};

// Clears every field, as the saver window does before filling the block.
void ClearRenderParams(RenderParams& params);

class RenderDevice {
public:
    virtual ~RenderDevice() = default;
    virtual ScreenRect ClientRect() = 0;
    // Takes the window's device context, blackens the client area, sets the stretch mode.
    virtual void Begin(const ScreenRect& client) = 0;
    // Stretches the whole canvas onto dest.
    virtual void Present(const ScreenRect& dest) = 0;
    // "Low Memory !" centred on one line in the client rectangle.
    virtual void DrawLowMemory(const ScreenRect& client) = 0;
    // Releases the device context.
    virtual void End() = 0;
    virtual uint32_t Ticks() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// Runs until the stop bit is seen; frame buffers are created at start and released at
// the end. Returns 0.
int RunRenderLoop(RenderParams& params, RenderDevice& device);

}  // namespace vorrith
