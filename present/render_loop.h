// The saver's picture show as a state machine that never blocks: picture after picture
// from the scene driver, each cross-faded over the last in 27 frames 100 ms apart
// (zoomed when full screen) and held for 2.7 s (or as a PictureSchedule says), until the
// stop bit of the control word.
//
// The caller owns the clock and the waiting; the loop owns the frame buffers and the
// drawing on the canvas. Each Step is given the tick count (milliseconds, wrapping at
// 2^32), does the work that is due (generating a picture, blending a fade frame) and
// answers what to show now and when it wants to run next:
//
//     RenderLoop loop(clientRect, fullScreen, control, ticks());  // allocates the buffers
//     // paint the client area black
//     for (;;) {
//         RenderStep step = loop.Step(ticks());
//         if (step.action == RenderAction::kStopped) break;
//         show(step);                     // before the next Step, which may draw again
//         wait until step.wakeTick, or less; a reached wakeTick means "step again now"
//     }
//     // the buffers are released when the loop is destroyed
//
// Stepping early is harmless (the answer is kWait with the same wakeTick), so a driver
// that steps on every animation frame shows the same frames at the same ticks as one
// that sleeps until wakeTick, give or take the length of its own frame. A Step may take
// as long as one picture takes to generate. Deadlines are compared as signed
// differences, so the schedule runs on across the wrap of the tick count.
#pragma once

#include <cstdint>

#include "present/frame_buffers.h"
#include "present/picture_schedule.h"
#include "present/render_geometry.h"
#include "scene/scene_driver.h"

namespace vorrith {

enum class RenderAction : uint8_t {
    kWait,                 // nothing to show
    kShowCanvas,           // stretch the whole canvas (core/canvas.h) onto dest
    kShowCanvasLowMemory,  // the same, then "Low Memory !" centred on one line of the client area
    kShowLowMemoryNote,    // only the note: not even the canvas could be allocated
    kStopped,              // the stop bit was seen; stepping further does nothing
};

struct RenderStep {
    RenderAction action;
    ScreenRect dest;           // for the kShowCanvas actions, in client coordinates
    uint32_t wakeTick;         // the tick count at which to step again
    FramePlacement placement;  // dest is this placement within the client area; a
                               // driver with several monitors places it on each
};

class RenderLoop {
public:
    // client: the client rectangle, taken once. fullScreen zooms the fades between
    // native size and the client area's largest centred 4:3 rectangle. control: read
    // for the stop bit (bit 0) and handed to the scene driver (bit 1 reseeds).
    // startTick: the first picture is due then, that is at once. schedule: asked for each
    // picture's number and for the end of each hold; it must outlive the loop.
    RenderLoop(const ScreenRect& client, bool fullScreen, const ControlWord& control, uint32_t startTick,
               PictureSchedule& schedule = ClockPictureSchedule());
    ~RenderLoop();
    RenderLoop(const RenderLoop&) = delete;
    RenderLoop& operator=(const RenderLoop&) = delete;

    RenderStep Step(uint32_t now);

    // The image number of the picture generated last (-1 before the first), which is the
    // picture a kShowCanvas action shows. Without reseeding it names the picture exactly.
    int ImageNumber() const { return imageNumber_; }

private:
    enum class Phase : uint8_t { kGenerate, kHold, kFrameDue, kBlend, kNoCanvas, kStopped };

    RenderStep Generate();
    RenderStep EndHold(uint32_t now);
    RenderStep ShowFrame(uint32_t now);
    RenderStep Blend();
    RenderStep NoCanvas(uint32_t now);
    RenderStep WaitForDeadline() const { return {RenderAction::kWait, {}, deadline_, {}}; }
    RenderStep Show(RenderAction action, const FramePlacement& placement, uint32_t now) const {
        return {action, PlaceFrame(placement, client_), now, placement};
    }
    bool StopRequested() const { return (control_.load() & kStopRequest) != 0; }

    const ControlWord& control_;
    PictureSchedule& schedule_;
    const ScreenRect client_;
    const bool fullScreen_;
    FrameBufferSet buffers_;
    Phase phase_;
    uint32_t deadline_;
    FramePlacement framePlacement_{};  // where the blended frame goes
    int fadeLevel_ = 0;
    int zoomStep_ = 0;
    int zoomDirection_ = 0;
    bool noteShown_ = false;
    int imageNumber_ = -1;
};

}  // namespace vorrith
