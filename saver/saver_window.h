// The saver window's own behaviour, in full screen and preview alike: the display-mode
// switch at creation (full screen, when the stored choice allows it), the render thread
// started at the first paint and stopped, before the display mode is restored, at
// destruction, and the mouse filter: all movement in the first 1.5 s full screen, and
// movement under 3 pixels on both axes afterwards, is absorbed.
//
// The platform's window code calls the On... functions as its window is created,
// painted, moved over and destroyed; SaverWindowPlatform stands for the window, the
// thread and the display, so that the order of events can be tested.
#pragma once

#include <cstdint>

#include "present/render_runner.h"
#include "saver/display_modes.h"
#include "saver/input_event.h"

namespace vorrith {

class SaverWindowPlatform : public DisplayModeSetter {
public:
    // Shows the window over the whole virtual screen, every monitor, without maximising
    // it (a maximised window covers only the monitor it overlaps most).
    virtual void ShowCoveringEveryMonitor() = 0;
    virtual void BringToTop() = 0;
    // After a crash: hides the window and takes it off the top, without waiting for its
    // thread, so that the system's crash report is not opened behind it.
    virtual void StepAside() = 0;
    virtual CursorPoint CursorPosition() = 0;
    // Starts the render thread on params at below-normal priority; false if it could
    // not be created.
    virtual bool StartRenderThread(RenderParams& params) = 0;
    // Waits without a time limit for the render thread to end, then forgets it.
    virtual void JoinRenderThread() = 0;
};

constexpr uint32_t kMouseGraceMs = 1500;
// Two mouse rules apply one after the other, on purpose. This window absorbs every move
// that ends less than kMouseDeadZone pixels from its anchor on both axes. The anchor is
// where the cursor was when the window was created or, full screen, where the last move
// within the grace period left it; a move let through does not shift it, so a slow
// drift adds up until one axis is 3 pixels out. A move it lets through ends the saver
// only when its travel |dx| + |dy| from the ending rules' own origin exceeds 4 pixels
// (saver/ending_rules.h). A 3-pixel move along one axis passes the first rule and is
// still too short for the second.
constexpr int32_t kMouseDeadZone = 3;

// What the window starts from.
struct SaverWindowStart {
    // The full-screen saver, with its display-mode switch, grace period and zoom; false
    // for a preview.
    bool fullScreen = false;
    // The stored choice: when false, full screen touches no display mode at all.
    bool changeDisplayMode = true;
};

class SaverWindow {
public:
    explicit SaverWindow(SaverWindowPlatform& platform) : platform_(platform) {}

    void OnCreate(const SaverWindowStart& start);
    // After the platform has painted the invalid area black: starts the render thread
    // if none runs, and otherwise asks it to present its last frame again.
    void OnPaint(uintptr_t window);
    // The cursor moved to at: true when the move goes on to the ending rules.
    bool OnMouseMoved(CursorPoint at);
    // A new resolution, a monitor added or removed: full screen, the window covers the
    // new virtual screen; the render thread reads the new geometry.
    void OnDisplayChange();
    // Stops and joins the render thread, then restores the display mode.
    void OnDestroy();
    // A crash or abort: the full-screen window steps aside, and the display mode is
    // restored if a switch succeeded and was not undone yet, since the process ends
    // without OnDestroy.
    void OnCrash();

    bool FullScreenMode() const { return fullScreenMode_; }
    bool RenderThreadRunning() const { return threadRunning_; }
    RenderParams& Params() { return params_; }

private:
    bool InGracePeriod() const;

    SaverWindowPlatform& platform_;
    RenderParams params_{};
    bool threadRunning_ = false;
    bool fullScreenMode_ = false;    // from the start, never cleared
    bool changeDisplayMode_ = true;  // the stored choice, read at creation
    bool modeSwitched_ = false;      // a display mode was set and is not restored yet
    bool destroyed_ = false;
    uint32_t createdTick_ = 0;
    CursorPoint anchor_{};
};

}  // namespace vorrith
