// The render thread's work: runs the render loop on a thread of its own, drawing through
// a RenderDevice and sleeping between steps, until the saver window sets the stop bit
// of the control word.
//
// The Windows program backs the device with the window's device context, the system
// tick count and a wait on an event the window sets when it stops the thread; tests
// back it with a fake clock.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "present/picture_schedule.h"
#include "present/render_geometry.h"
#include "scene/scene_driver.h"

namespace vorrith {

// Handed by the saver window to the render thread. The window's thread writes the
// control word (2 before the thread starts, 1 to stop it) and counts display changes
// (resolution, monitors added or removed); the thread only reads them.
struct RenderParams {
    uintptr_t window;
    ControlWord control;
    uint8_t fullScreen;
    std::atomic<uint32_t> displayChanges;
    // Counts paints of uncovered window parts, which the window's thread paints black:
    // the thread presents its last frame again.
    std::atomic<uint32_t> exposures;
};

// Clears every field, as the saver window does before filling the block.
void ClearRenderParams(RenderParams& params);

class RenderDevice {
public:
    virtual ~RenderDevice() = default;
    virtual ScreenRect ClientRect() = 0;
    // The monitors the client area shows, in client coordinates; empty when it is not
    // known, and then the client area counts as one monitor.
    virtual std::vector<ScreenRect> Monitors() = 0;
    // Before the first picture: blackens the client area.
    virtual void Begin(const ScreenRect& client) = 0;
    // Stretches the whole canvas onto dest.
    virtual void Present(const ScreenRect& dest) = 0;
    // "Low Memory !" centred on one line in the client rectangle.
    virtual void DrawLowMemory(const ScreenRect& client) = 0;
    // After the last drawing, before the frame buffers are released.
    virtual void End() = 0;
    // Sleeps for up to milliseconds (never 0); may return early once a stop is requested.
    virtual void Wait(uint32_t milliseconds) = 0;
    // The longest one Wait may be: a hold poll, so that the stop bit is seen within it
    // even when nothing wakes the sleeper. A device whose waits always end when a stop is
    // requested may sleep until the next step is due.
    virtual uint32_t LongestWait() const { return kHoldPollMs; }
};

// How long to sleep before stepping at wakeTick: nothing once it is reached, and never
// longer than longest.
uint32_t SleepBeforeStep(uint32_t now, uint32_t wakeTick, uint32_t longest = kHoldPollMs);

// Runs until the stop bit is seen; frame buffers are created at start and released at
// the end. Full screen, each frame goes on every monitor, the same picture on each;
// after a display change the geometry is read again and the client area blackened.
// schedule numbers the pictures and ends their holds.
void RunRenderLoop(RenderParams& params, RenderDevice& device, PictureSchedule& schedule = ClockPictureSchedule());

}  // namespace vorrith
