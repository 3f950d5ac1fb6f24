// The saver window's own behaviour, in full screen and preview alike: the display-mode
// switch at creation (full screen, when the stored choice allows it), the render thread
// started at the first paint and stopped, before the display mode is restored, at
// destruction, and the mouse filter: all movement in the first 1.5 s full screen, and
// movement under 3 pixels on both axes afterwards, is absorbed.
//
// The Windows saver procedure routes messages here; SaverWindowPlatform stands for the
// window, the thread and the display, so that the order of events can be tested.
#pragma once

#include <cstdint>

#include "present/render_runner.h"
#include "saver/display_modes.h"

namespace vorrith {

struct CursorPoint {
    int32_t x;
    int32_t y;
};

class SaverWindowPlatform : public DisplayModeSetter {
public:
    // Shows the window over the whole virtual screen, every monitor, without maximising
    // it (a maximised window covers only the monitor it overlaps most).
    virtual void ShowCoveringEveryMonitor() = 0;
    virtual void BringToTop() = 0;
    // Starts the render thread on params at below-normal priority; false if it could
    // not be created.
    virtual bool StartRenderThread(RenderParams& params) = 0;
    // Waits without a time limit for the render thread to end, then forgets it.
    virtual void JoinRenderThread() = 0;
    virtual CursorPoint CursorPosition() = 0;
};

constexpr int32_t kMouseGraceMs = 1500;
// Two mouse rules apply one after the other, on purpose. This window absorbs every move
// of less than kMouseDeadZone pixels on both axes from where the cursor was last let
// through, so small jitters never reach the ending rules; a move it lets through ends
// the saver only when its travel |dx| + |dy| exceeds 4 pixels (ExceedsMouseTravel in
// saver/ending_rules.h). A 3-pixel move along one axis passes the first rule and is
// still too short for the second.
constexpr int32_t kMouseDeadZone = 3;

// What the window starts from.
struct SaverWindowStart {
    // The full-screen saver, with its display-mode switch, grace period and zoom; false
    // for a preview, and for a full-screen window started without them.
    bool fullScreen = false;
    // The stored choice: when false, full screen touches no display mode at all.
    bool changeDisplayMode = true;
};

class SaverWindow {
public:
    explicit SaverWindow(SaverWindowPlatform& platform) : platform_(platform) {}

    // WM_CREATE.
    void OnCreate(const SaverWindowStart& start);
    // WM_PAINT, after the default handling: starts the render thread if none runs.
    void OnPaint(uintptr_t window);
    // WM_MOUSEMOVE: true when the movement goes on to the ending rules.
    bool OnMouseMove();
    // WM_DISPLAYCHANGE (a new resolution, a monitor added or removed): full screen, the
    // window covers the new virtual screen; the render thread reads the new geometry.
    void OnDisplayChange();
    // WM_DESTROY: stops and joins the render thread, then restores the display mode.
    void OnDestroy();
    // A crash: restores the display mode if a switch succeeded and was not undone yet,
    // since the process ends without WM_DESTROY.
    void OnCrash();

    bool FullScreenMode() const { return fullScreenMode_; }
    bool RenderThreadRunning() const { return threadRunning_; }
    RenderParams& Params() { return params_; }

private:
    SaverWindowPlatform& platform_;
    RenderParams params_{};
    bool threadRunning_ = false;
    bool fullScreenMode_ = false;    // from the start, never cleared
    bool changeDisplayMode_ = true;  // the stored choice, read at creation
    bool modeSwitched_ = false;      // a display mode was set and is not restored yet
    bool destroyed_ = false;
    int32_t graceEndTick_ = 0;
    CursorPoint anchorCursorPos_{};
};

}  // namespace vorrith
